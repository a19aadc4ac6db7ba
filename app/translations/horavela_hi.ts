<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation>जिस कार्य के लिए मुहूर्त देखना है, उसे कार्यों की सूची में से चुनें।</translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation>आगे बढ़ने के लिए &quot;आगे&quot; दबाएँ</translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation>मुहूर्त शास्त्र वह समय खोजता है जब कोई कार्य आरम्भ किया जाए। उस क्षण के आकाश को सम्बन्धित व्यक्ति की जन्म कुंडली से मिलाकर देखा जाता है: चन्द्र का नक्षत्र और राशि, लग्न, तिथि, वार और विशेष योग, सभी का विचार होता है।</translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation>बाईं ओर कार्यों का समूह चुनें, सूची में कार्य पर चिह्न लगाएँ और &quot;आगे&quot; दबाएँ। फिर प्रस्तावित समय और स्थान भरें, उसके बाद जन्म विवरण।</translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation>कार्य: %1</translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation>मुहूर्त विवरण भरें</translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation>जिस क्षण को परखना है उसका दिनांक, घड़ी का समय और स्थान भरें। वार दिनांक से अपने-आप आता है; उसे तभी बदलें जब आप दिन सूर्योदय से गिनते हों।</translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation>अक्षांश और देशान्तर पूरे अंश और कला में भरें। स्थान का समय क्षेत्र &quot;TZ सहायता&quot; से चुनें, और यदि उस समय डेलाइट सेविंग टाइम लागू था तो DST पर चिह्न लगाएँ।</translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation>जातक का जन्म विवरण भरें</translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation>जिस व्यक्ति के लिए मुहूर्त चुना जा रहा है, उसका नाम, जन्म दिनांक, समय और स्थान भरें। जन्म के समय का चन्द्र नक्षत्र ही चुने गए क्षण का तारा बल और चन्द्र बल तय करता है।</translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation>दोनों कुंडलियाँ बनाने और मुहूर्त परखने के लिए &quot;आगे&quot; दबाएँ। फल और छापने या सहेजने योग्य रिपोर्ट तीन टैबों में दिखेंगे।</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>घं/मि/से</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>पुरुष</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>स्त्री</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>जन्म वार</translation>
    </message>
    <message>
        <source>Birth Time</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशान्तर</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>कला</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश-देशान्तर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>TZ सहायता</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; पीछे (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>आगे (&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation>Horavela मुहूर्त कुंडली का विश्लेषण कर रहा है। कृपया प्रतीक्षा करें ...</translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation>मुहूर्त फल</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>जन्म विवरण</translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation>मुहूर्त विवरण</translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation>मुहूर्त विश्लेषण</translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation>Horavela रिपोर्ट</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>सारांश</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>अंग</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>फल</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>कुल</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>PDF में सहेजें (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation>RTF में सहेजें (&amp;R)...</translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation>कैलेंडर में जोड़ें...</translation>
    </message>
    <message>
        <source>MM:DD:YYYY</source>
        <translation>माह:दिन:वर्ष</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>घं:मि</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation>नया मुहूर्त (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बाहर निकलें (&amp;Q)</translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation>केवल अक्षर स्वीकार्य हैं।</translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation>केवल अंक स्वीकार्य हैं।</translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation>वर्ष 1901 से 2050 तक होते हैं।</translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation>माह 1 (जनवरी) से 12 (दिसंबर) तक होते हैं।</translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation>दिन 1 से 31 तक होते हैं।</translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation>घंटे 0 से 23 तक होते हैं।</translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation>मिनट 0 से 59 तक होते हैं।</translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation>सेकंड 0 से 59 तक होते हैं।</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>कृपया एक कार्य चुनें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम भरें</translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation>कृपया अक्षांश के अंश भरें</translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation>कृपया अक्षांश की कला भरें</translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation>कृपया देशान्तर के अंश भरें</translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation>कृपया देशान्तर की कला भरें</translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation>कृपया जन्म दिनांक चुनें</translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation>जन्म (%1) मुहूर्त के क्षण (%2) के बाद का है। मुहूर्त केवल उसी के लिए परखा जा सकता है जिसका जन्म हो चुका हो: जन्म दिनांक या मुहूर्त दिनांक ठीक करें।</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर भरें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य भरें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश भरें</translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation>अक्षांश के अंश 0 से 90 के बीच हों</translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation>अक्षांश की कला 0 से 59 के बीच हो</translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation>अक्षांश 90 अंश से अधिक नहीं हो सकता: 90 अंश पर कला 0 हो</translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation>देशान्तर के अंश 0 से 180 के बीच हों</translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation>देशान्तर की कला 0 से 59 के बीच हो</translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation>देशान्तर 180 अंश से अधिक नहीं हो सकता: 180 अंश पर कला 0 हो</translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation> अक्षांश देशान्तर</translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation>ऑफ़लाइन एटलस में &quot;%1&quot; के लिए ये स्थान हैं। निर्देशांक और समय क्षेत्र भरने के लिए एक चुनें, या वेब पर खोजें।</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>यह स्थान लें (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>वेब पर खोजें (&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation>वेब खोज नहीं खुल सकी: इस कंप्यूटर पर कोई वेब ब्राउज़र नहीं है। &quot;%1&quot; स्वयं खोजें, या शहर में नाम लिखकर ऑफ़लाइन एटलस से स्थान चुनें।</translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation>पृष्ठ %1 नहीं खुल सका: इस कंप्यूटर पर कोई वेब ब्राउज़र नहीं है।</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>कोई प्रिंटर उपलब्ध नहीं है।</translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation>क्या इसके बदले रिपोर्ट को PDF फ़ाइल में सहेजना चाहेंगे?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>रिपोर्ट %1 में सहेजी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>रिपोर्ट छापी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>रिपोर्ट PDF में सहेजें</translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation>रिपोर्ट RTF में सहेजें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>रिच टेक्स्ट फ़ाइलें (*.rtf)</translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation>मुहूर्त को कैलेंडर घटना के रूप में सहेजें</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar फ़ाइलें (*.ics)</translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation>कैलेंडर फ़ाइल %1 में सहेजी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation>मुहूर्त की गणना पूरी नहीं हो सकी</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation>%1, %2 (पहला %3)</translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation>%1, %2 (दूसरा %3)</translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation>%1: घड़ी में %2 बजे ही नहीं</translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation>%1: घड़ी में %2 दो बार बजे</translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation>%1: दिनांक चुनें</translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation>एटलस से: %1</translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation>निर्देशांक हाथ से भरे गए, एटलस से नहीं</translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation>एटलस में एक ही शहर नहीं मिला: निर्देशांक और समय क्षेत्र भरें, या राज्य और देश भरकर ऊपर क्लिक करें</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation>एटलस &quot;%1&quot; को एक शहर के रूप में नहीं पहचानता, इसलिए %2 के निर्देशांक और समय क्षेत्र हटा दिए गए। कृपया %1 के निर्देशांक भरें और &quot;TZ सहायता&quot; से उसका समय क्षेत्र चुनें, या उसका राज्य और देश भरकर &quot;अक्षांश-देशान्तर खोजने के लिए यहाँ क्लिक करें&quot; दबाएँ।</translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation>एटलस में एक ही शहर नहीं मिला: उसके निर्देशांक और समय क्षेत्र भरें</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation>एटलस &quot;%1&quot; को एक शहर के रूप में नहीं पहचानता, इसलिए %2 के निर्देशांक और समय क्षेत्र हटा दिए गए। कृपया %1 के निर्देशांक और समय क्षेत्र भरें।</translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation>घड़ी का समय %1 %2 में आया ही नहीं: घड़ियाँ %3 से %4 पर आगे की गई थीं। कृपया समय ठीक करें, या &quot;TZ सहायता&quot; से स्वयं समय क्षेत्र चुनें।</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation>घड़ी का समय %1 %2 में दो बार आया: पहले %3 पर, फिर घड़ियाँ पीछे करने के बाद %4 पर।</translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation>क्या यह पहला था, %1 पर?</translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation>क्या यह दूसरा था, %1 पर?</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation>घड़ी का समय %1 %2 में दो बार आया। कृपया बताएँ कि दोनों में से कौन-सा अभिप्रेत है, या समय ठीक करें।</translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation>%2 का समय क्षेत्र %1 इस सिस्टम के समय क्षेत्र डेटाबेस में नहीं है। कृपया &quot;TZ सहायता&quot; से समय क्षेत्र चुनें।</translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation>व्यक्ति चुनें...</translation>
    </message>
    <message>
        <source>Save person</source>
        <translation>व्यक्ति सहेजें</translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation>स्थान चुनें...</translation>
    </message>
    <message>
        <source>Save place</source>
        <translation>स्थान सहेजें</translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation>व्यक्ति और स्थान...</translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation>व्यक्तियों और स्थानों की पुस्तिका नहीं खुल सकी: %1

Horavela इसके बिना चलता रहेगा; प्रोग्राम दोबारा शुरू होने तक व्यक्ति और स्थान न सहेजे जा सकेंगे, न चुने जा सकेंगे।</translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation>व्यक्तियों और स्थानों की पुस्तिका उपलब्ध नहीं है: %1</translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation>पुस्तिका बदली नहीं जा सकी: %1</translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation>%1 के बारे में टिप्पणी (वैकल्पिक):</translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation>%1, जन्म %2, पुस्तिका में सहेजा गया।</translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation>%1, जन्म %2, पहले से पुस्तिका में है।</translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation>%1 पुस्तिका में सहेजा गया।</translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation>%1 पहले से पुस्तिका में है।</translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation>व्यक्ति चुनें</translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation>स्थान चुनें</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>नाम से खोजें</translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation>शहर से खोजें</translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation>पुस्तिका में अभी कोई व्यक्ति नहीं है। जन्म पृष्ठ भरें और &quot;व्यक्ति सहेजें&quot; दबाएँ।</translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation>पुस्तिका में अभी कोई स्थान नहीं है। मुहूर्त पृष्ठ भरें और &quot;स्थान सहेजें&quot; दबाएँ।</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>निर्देशांक</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>People and places</source>
        <translation>व्यक्ति और स्थान</translation>
    </message>
    <message>
        <source>People</source>
        <translation>व्यक्ति</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>बदलें (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>आयात (&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>निर्यात (&amp;X)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation>पहले सूची में से कोई प्रविष्टि चुनें।</translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation>%1, जन्म %2, को हटाएँ?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 को हटाएँ?</translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation>प्रविष्टि पुस्तिका से स्थायी रूप से हट जाएगी।</translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation>व्यक्ति और स्थान आयात करें</translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation>व्यक्ति और स्थान निर्यात करें</translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation>horavela-book.json</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON फ़ाइलें (*.json);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>फ़ाइल %1 पढ़ी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation>फ़ाइल %1 व्यक्तियों और स्थानों की पुस्तिका नहीं है: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation>%1 से आयात: %2 जोड़े गए, %3 छोड़े गए क्योंकि वे पहले से पुस्तिका में हैं।</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>%1 से कुछ भी आयात नहीं हुआ: %2</translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation>%1 व्यक्ति और %2 स्थान %3 में निर्यात किए गए।</translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation>पुस्तिका %1 में निर्यात नहीं हो सकी: %2</translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation>व्यक्ति बदलें</translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation>स्थान बदलें</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>लिंग</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>टिप्पणी</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation>एटलस के समय क्षेत्र %1 के अनुसार</translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation>कृपया नाम भरें</translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation>कृपया शहर भरें</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation>दिन एक दृष्टि में</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation>पहले मुहूर्त स्थान का अक्षांश और देशान्तर भरें: दिन का पंचांग मुहूर्त के दिनांक और स्थान के लिए निकाला जाता है।</translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation>दिन का पंचांग निकाला नहीं जा सका</translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation>मुहूर्त पृष्ठ भरें, फिर देखें &gt; दिन एक दृष्टि में चुनें या किसी क्षण को परखें।</translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation>उस दिन लागू परम्परा के निषेध:</translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation>उस दिन परम्परा का कोई निषेध लागू नहीं है।</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ध्रुवीय दिन: इस दिनांक को सूर्य अस्त नहीं होता, इसलिए न कोई काल है, न अभिजित, न चौघड़िया, न होरा।</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ध्रुवीय रात्रि: इस दिनांक को सूर्य उदय नहीं होता, इसलिए न कोई काल है, न अभिजित, न चौघड़िया, न होरा।</translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>इस दिनांक को सूर्य उदय होता है और फिर अस्त नहीं होता, इसलिए न कोई काल है, न अभिजित, न चौघड़िया, न होरा।</translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>इस दिनांक को सूर्य बिना उदय हुए अस्त होता है: उसका दिनमान किसी पिछले दिनांक को आरम्भ हुआ था, इसलिए न कोई काल है, न अभिजित, न चौघड़िया, न होरा।</translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation>अगले दिनांक को सूर्य फिर उदय नहीं होता: दिन में काल, अभिजित, चौघड़िया और होरा हैं, रात्रि में कोई नहीं।</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation>बुधवार को नहीं माना जाता: पंचांग उस दिन अभिजित मुहूर्त नहीं देते।</translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation>%1 तारा, %2 (जन्म नक्षत्र %3 से)</translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation>%1 (जन्म चन्द्र राशि %2 से)</translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation>गोचर चन्द्र जन्म राशि %1 से आठवीं राशि में है: पंचांग इस समय नया कार्य आरम्भ करने से मना करते हैं।</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>कुंडली शैली</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF में सहेजें</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNG में सहेजें</translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation>दिन को PDF में सहेजें</translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation>दिन को PNG में सहेजें</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG चित्र (*.png)</translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation>दिन %1 में सहेजा नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation>शुभ समय खोजें...</translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation>शुभ समय खोजें</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>से (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>तक (&amp;T)</translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation>कम से कम (&amp;L)</translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation>कुल कम से कम</translation>
    </message>
    <message>
        <source>any</source>
        <translation>कोई भी</translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation>राहुकाल छोड़ें</translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation>यमगण्ड छोड़ें</translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation>गुलिक काल छोड़ें</translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation>परम्परा के निषेध और पंचांग शुद्धि का पालन करें</translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation>क्षेत्रीय निषेध भी (होलाष्टक, पितृ पक्ष)</translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation>परम्परा %2 में से %1 दिन वर्जित करती है</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>और %1 अन्य</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV निर्यात...</translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation>अवधियाँ CSV में निर्यात करें</translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation>windows.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV फ़ाइलें (*.csv)</translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation>अवधियाँ निर्यात नहीं हो सकीं: %1</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>अवधियों को कैलेंडर घटनाओं के रूप में सहेजें</translation>
    </message>
    <message>
        <source>windows.ics</source>
        <translation>windows.ics</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>फल</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>अंग</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>खोजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation>यह समय लें (&amp;U)</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Click a day to show its first window; under each day, the total of its best window. The list runs in time order (click a column&apos;s title to sort by it); the ten best windows are in bold. Double-click a window, or select it and press &quot;Use this time&quot;, to judge it in full.</source>
        <translation>किसी दिन पर क्लिक करें तो उसकी पहली अवधि दिखेगी; हर दिन के नीचे उसकी श्रेष्ठ अवधि का योग है। सूची समय-क्रम में है (किसी स्तम्भ के शीर्षक पर क्लिक करके उसके अनुसार क्रम बदलें); दस श्रेष्ठ अवधियाँ मोटे अक्षरों में हैं। किसी अवधि को पूरा परखने के लिए उस पर डबल-क्लिक करें, या उसे चुनकर &quot;यह समय लें&quot; दबाएँ।</translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation>समय-सीमा चुनें और &quot;खोजें&quot; दबाएँ।</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>खोज जारी है...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>रद्द हो रहा है...</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>खोज रद्द की गई।</translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation>इस समय-सीमा में कोई समय %1 तक नहीं पहुँचता।</translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation>%2 दिनों में %1 अवधियाँ, %3 s में मिलीं।</translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation>पहली %1 अवधियाँ दिखाई जा रही हैं; शेष देखने के लिए समय-सीमा छोटी करें।</translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation>खोज नहीं चल सकती: %1</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>खोज विफल रही: %1</translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation>पहले पृष्ठ पर पहले कार्य चुनें।</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation>पहले मुहूर्त स्थान का अक्षांश और देशान्तर भरें।</translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation>खोज हर क्षण को व्यक्ति के जन्म से मिलाकर परखती है, और जन्म पृष्ठ अभी पूरा नहीं है: %1। &quot;आगे&quot; दबाएँ, जन्म पृष्ठ भरें और वहाँ &quot;शुभ समय खोजें...&quot; का उपयोग करें।</translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation>नाम नहीं भरा गया</translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation>जन्म दिनांक नहीं चुना गया</translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation>जन्म स्थान का अक्षांश और देशान्तर नहीं भरे गए</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>उपकरण (&amp;T)</translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation>दो व्यक्तियों का मिलान...</translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation>दो व्यक्तियों का मिलान</translation>
    </message>
    <message>
        <source>Groom:</source>
        <translation>वर:</translation>
    </message>
    <message>
        <source>Bride:</source>
        <translation>वधू:</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>मिलान करें</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>छापें...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF में सहेजें...</translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation>RTF निर्यात...</translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation>Horavela मिलान रिपोर्ट</translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation>पुस्तिका में दो से कम व्यक्ति हैं। पहले वर और वधू को पुस्तिका में सहेजें (जन्म पृष्ठ पर &quot;व्यक्ति सहेजें&quot;, या फ़ाइल &gt; व्यक्ति और स्थान... &gt; आयात)।</translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation>वर और वधू के रूप में दो अलग व्यक्ति चुनें।</translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation>मिलान नहीं निकाला जा सका: %1</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation>मिलान रिपोर्ट %1 में सहेजी नहीं जा सकी: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation>माह एक दृष्टि में</translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation>मुहूर्त पृष्ठ भरें: मुहूर्त दिनांक का माह मुहूर्त स्थान के लिए दिखाया जाता है।</translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation>माह का पंचांग निकाला नहीं जा सका</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation>%1 %2, %3, %4 के लिए शुभ समय</translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation>%1	%2-%3</translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation>तिथि और नक्षत्र वे हैं जो सूर्योदय के समय चल रहे हों, साथ में उनके समाप्त होने का समय (+1: अगले दिन)। धूसर दिन: उस दिन किसी क्षण परम्परा का कोई निषेध लागू है।</translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation>उदय %1	अस्त %2</translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation>राहुकाल	%1-%2</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>माह को PDF में सहेजें</translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation>माह %1 में सहेजा नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation>साथी जोड़ें</translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation>साथी का जन्म विवरण</translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation>समय क्षेत्र (पूर्व +hh:mm)</translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation>साथी चुनें...</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation>कृपया साथी का नाम भरें।</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation>कृपया साथी के जन्म स्थान का अक्षांश और देशान्तर भरें।</translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation>साथी का जन्म स्थान: %1</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation>कृपया साथी का समय क्षेत्र ग्रीनविच से पूर्व के घंटे और मिनट में भरें, जैसे +05:30।</translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation>साथी के लिए: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>संपादन (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>वरीयताएँ (&amp;P)...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>वरीयताएँ</translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation>प्रोग्राम कैसे गणना करता और गिनता है। जब तक आपका पंचांग किसी दूसरी विधि से न चलता हो, इन्हें जैसा है वैसा रहने दें: डिफ़ॉल्ट प्रोग्राम के अपने हैं।</translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation>ग्रह सारणी (&amp;E):</translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation>सूर्य, चन्द्र और लग्न की गणना कहाँ से हो। Swiss Ephemeris से नक्षत्र और चन्द्र राशि के परिवर्तन वहीं पड़ते हैं जहाँ अधिकांश पंचांग छापते हैं, कुछ मिनट पहले।</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>अयनांश (&amp;A):</translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation>निरयन राशिचक्र सायन से कितना दूर है। वही चुनें जो आपका पंचांग या ज्योतिषी बताए; लाहिड़ी भारतीय खगोलीय पंचांग (Indian Astronomical Ephemeris) का अयनांश है।</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>सूर्योदय (&amp;S):</translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation>दिन कब आरम्भ और समाप्त होता है। प्रकाशित पंचांग सूर्य बिम्ब का ऊपरी किनारा लेते हैं; कई भारतीय प्रोग्राम बिम्ब का केन्द्र लेते हैं, जो कुछ मिनट बाद उदय और पहले अस्त होता है।</translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation>तारा बल गणना (&amp;T):</translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation>दिन का नक्षत्र जन्म नक्षत्र से कैसे गिना जाए। शास्त्रीय गणना आगे की ओर चलती है और जन्म नक्षत्र को ही पहला गिनती है।</translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation>Horavela के बारे में</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>संस्करण %1</translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation>वैदिक मुहूर्त ज्योतिष: परखता है कि प्रस्तावित क्षण किसी कार्य के लिए उपयुक्त है या नहीं, सम्बन्धित व्यक्ति के जन्म विवरण के आधार पर।</translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation>ग्रह स्थिति: Swiss Ephemeris (AGPL-3.0)।&lt;br&gt;यूज़र इंटरफ़ेस: Qt %1।</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation>प्रोग्राम अगली बार शुरू होने पर %1 में दिखेगा।</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>चन्द्र राशि</translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation>चन्द्र राशि स्वामी</translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation>जन्म नक्षत्र</translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation>जन्म नक्षत्र स्वामी</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Birth Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Half-Lunar Day</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Electional Moon Sign</source>
        <translation>मुहूर्त चन्द्र राशि</translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation>मुहूर्त चन्द्र राशि स्वामी</translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation>मुहूर्त नक्षत्र</translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation>मुहूर्त नक्षत्र स्वामी</translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation>मुहूर्त लग्न</translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation>मुहूर्त तिथि</translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation>मुहूर्त योग</translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation>मुहूर्त करण</translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation>मुहूर्त वार</translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation>मुहूर्त दिनांक</translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation>मुहूर्त समय</translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation>मुहूर्त स्थान</translation>
    </message>
    <message>
        <source>%1 date %2</source>
        <translation>%1 दिनांक %2</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Election</source>
        <translation>मुहूर्त</translation>
    </message>
    <message>
        <source>birth</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>election</source>
        <translation>मुहूर्त</translation>
    </message>
    <message>
        <source>Election place: %1</source>
        <translation>मुहूर्त स्थान: %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 at %4:%5</source>
        <translation>%1 %2 %3, %4:%5 बजे</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>सू</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>चं</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>मं</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>बु</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>गु</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>शु</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>श</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>रा</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>के</translation>
    </message>
    <message>
        <source>Rahu kalam</source>
        <translation>राहुकाल</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमगण्ड</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>गुलिक काल</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>अभिजित</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>चौघड़िया</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>चन्द्र राशि</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Durmuhurtam</source>
        <translation>दुर्मुहूर्त</translation>
    </message>
    <message>
        <source>Night kalams</source>
        <translation>रात्रि काल</translation>
    </message>
    <message>
        <source>Muhurtas</source>
        <translation>मुहूर्त</translation>
    </message>
    <message>
        <source>Sandhya</source>
        <translation>सन्ध्या</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>गोधूलि</translation>
    </message>
    <message>
        <source>Pradosh</source>
        <translation>प्रदोष</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>गौरी पंचांग</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>वर्ज्य</translation>
    </message>
    <message>
        <source>Amrit kalam</source>
        <translation>अमृत काल</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>तारा बल</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>चन्द्र बल</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>चन्द्राष्टम</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>अगला सूर्योदय</translation>
    </message>
    <message>
        <source>    Sunrise %1    Sunset %2    Next sunrise %3</source>
        <translation>    सूर्योदय %1    सूर्यास्त %2    अगला सूर्योदय %3</translation>
    </message>
    <message>
        <source>Moonrise %1    Moonset %2</source>
        <translation>चन्द्रोदय %1    चन्द्रास्त %2</translation>
    </message>
    <message>
        <source>Rasi
%1</source>
        <translation>राशि
%1</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, पूरे दिन</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 तक</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 %2 से</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 %2 को</translation>
    </message>
    <message>
        <source>%1 %2–%3</source>
        <translation>%1 %2–%3</translation>
    </message>
    <message>
        <source>%1 %2 – %3</source>
        <translation>%1 %2 – %3</translation>
    </message>
    <message>
        <source>%1 (regional)</source>
        <translation>%1 (क्षेत्रीय)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>अशुभ</translation>
    </message>
    <message>
        <source>Child Ceremonies</source>
        <translation>बाल संस्कार</translation>
    </message>
    <message>
        <source>Naming of The Child or Namakarana</source>
        <translation>नामकरण संस्कार</translation>
    </message>
    <message>
        <source>Tonsuring of Head</source>
        <translation>मुण्डन संस्कार</translation>
    </message>
    <message>
        <source>Piercing of the Ear or Karnavedha</source>
        <translation>कर्णवेध संस्कार</translation>
    </message>
    <message>
        <source>Thread Ceremony Or Upanayana</source>
        <translation>उपनयन (जनेऊ) संस्कार</translation>
    </message>
    <message>
        <source>First feeding of Solid Food (Annaprasan)</source>
        <translation>अन्नप्राशन संस्कार</translation>
    </message>
    <message>
        <source>Starting of Education (Aksharabhyasa)</source>
        <translation>विद्यारम्भ (अक्षरारम्भ)</translation>
    </message>
    <message>
        <source>Adoption of a Child</source>
        <translation>दत्तक ग्रहण (गोद लेना)</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>विवाह</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>सगाई</translation>
    </message>
    <message>
        <source>First Entrance of the Bride</source>
        <translation>वधू प्रवेश</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>शिक्षा</translation>
    </message>
    <message>
        <source>Learning of a Trade</source>
        <translation>कोई हुनर सीखना</translation>
    </message>
    <message>
        <source>Learning of any Science</source>
        <translation>किसी शास्त्र का अध्ययन</translation>
    </message>
    <message>
        <source>Learning Dance Or Music</source>
        <translation>नृत्य या संगीत सीखना</translation>
    </message>
    <message>
        <source>Learning Astrology Or Astronomy</source>
        <translation>ज्योतिष या खगोल विद्या सीखना</translation>
    </message>
    <message>
        <source>Learning Medicine</source>
        <translation>चिकित्सा शास्त्र सीखना</translation>
    </message>
    <message>
        <source>Learning Grammar, Logic Or Philosophy</source>
        <translation>व्याकरण, न्याय या दर्शन सीखना</translation>
    </message>
    <message>
        <source>Moving Into New Home</source>
        <translation>गृह प्रवेश</translation>
    </message>
    <message>
        <source>Entering a New House</source>
        <translation>नए घर में प्रवेश</translation>
    </message>
    <message>
        <source>Entering a Rented House</source>
        <translation>किराए के घर में प्रवेश</translation>
    </message>
    <message>
        <source>Start On A New Job</source>
        <translation>नई नौकरी का आरम्भ</translation>
    </message>
    <message>
        <source>Start A New Business</source>
        <translation>नए व्यापार का आरम्भ</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>यात्रा</translation>
    </message>
    <message>
        <source>Domestic Journey</source>
        <translation>देश में यात्रा</translation>
    </message>
    <message>
        <source>Religious Journey</source>
        <translation>तीर्थ यात्रा</translation>
    </message>
    <message>
        <source>Foreign Journey</source>
        <translation>विदेश यात्रा</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>निर्माण</translation>
    </message>
    <message>
        <source>Laying the Foundation</source>
        <translation>नींव रखना (शिलान्यास)</translation>
    </message>
    <message>
        <source>Starting the Construction of a House</source>
        <translation>गृह निर्माण का आरम्भ</translation>
    </message>
    <message>
        <source>Financial Transactions</source>
        <translation>धन का लेन-देन</translation>
    </message>
    <message>
        <source>Lending Money</source>
        <translation>धन उधार देना</translation>
    </message>
    <message>
        <source>Borrowing Money</source>
        <translation>धन उधार लेना</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>कानूनी कार्य</translation>
    </message>
    <message>
        <source>Medical Treatment</source>
        <translation>चिकित्सा</translation>
    </message>
    <message>
        <source>Starting medical treatment for chronic disease or recurring illness</source>
        <translation>पुराने या बार-बार लौटने वाले रोग का उपचार आरम्भ करना</translation>
    </message>
    <message>
        <source>Date for operations</source>
        <translation>ऑपरेशन (शल्य चिकित्सा) का दिन</translation>
    </message>
    <message>
        <source>Buying and Selling</source>
        <translation>क्रय-विक्रय</translation>
    </message>
    <message>
        <source>Buying Land</source>
        <translation>भूमि खरीदना</translation>
    </message>
    <message>
        <source>Selling Land</source>
        <translation>भूमि बेचना</translation>
    </message>
    <message>
        <source>Buying Item</source>
        <translation>वस्तु खरीदना</translation>
    </message>
    <message>
        <source>Sell Item</source>
        <translation>वस्तु बेचना</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>अभी पुनः आरम्भ करें</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>बाद में</translation>
    </message>
    <message>
        <source>&amp;Native digits</source>
        <translation>देवनागरी अंक (&amp;N)</translation>
    </message>
    <message>
        <source>%1 %2 – %3 %4, %5 minutes%6

%7</source>
        <translation>%1 %2 – %3 %4, %5 मिनट%6

%7</translation>
    </message>
    <message>
        <source>, among the best of the range</source>
        <translation>, इस अवधि के सर्वश्रेष्ठ समयों में से</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2 (%3, जन्म %4 %5:%6), स्थान %7: %8 %9, %10।</translation>
    </message>
    <message>
        <source>the election place</source>
        <translation>मुहूर्त का स्थान</translation>
    </message>
    <message>
        <source>zone %1 h %2 min%3 (%4)</source>
        <translation>समय क्षेत्र %1 घं %2 मि%3 (%4)</translation>
    </message>
    <message>
        <source>, DST</source>
        <translation>, DST</translation>
    </message>
    <message>
        <source>%1, follows daylight saving</source>
        <translation>%1, ग्रीष्मकालीन समय (DST) मानता है</translation>
    </message>
</context>
</TS>
