<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम आधीच चालू आहे</translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation>ज्या कार्यासाठी मुहूर्त पाहायचा आहे, ते कार्यांच्या यादीतून निवडा.</translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation>पुढे जाण्यासाठी &quot;पुढे&quot; दाबा</translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation>मुहूर्त शास्त्र एखादे कार्य सुरू करण्यासाठी योग्य क्षण शोधते. त्या क्षणीचे आकाश संबंधित व्यक्तीच्या जन्मकुंडलीशी ताडून पाहिले जाते: चंद्राचे नक्षत्र आणि रास, लग्न, तिथी, वार आणि विशेष योग या सर्वांचा विचार होतो.</translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation>डावीकडे कार्यांचा गट निवडा, यादीतील कार्यावर खूण करा आणि &quot;पुढे&quot; दाबा. त्यानंतर योजलेला क्षण व ठिकाण आणि मग जन्मतपशील भरायचा आहे.</translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation>कार्य: %1</translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation>मुहूर्ताचा तपशील भरा</translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation>ज्या क्षणाचा विचार करायचा आहे त्याचा दिनांक, घड्याळातील वेळ आणि ठिकाण भरा. वार दिनांकावरून आपोआप येतो; दिवस सूर्योदयापासून मोजत असाल तरच तो बदला.</translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation>अक्षांश आणि रेखांश पूर्ण अंश व कलांत भरा. ठिकाणाचे वेळ क्षेत्र &quot;TZ मदत&quot; मधून निवडा, आणि त्या वेळी डेलाइट सेव्हिंग टाइम लागू असल्यास DST वर खूण करा.</translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation>जातकाचा जन्मतपशील भरा</translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation>ज्या व्यक्तीसाठी मुहूर्त निवडला जात आहे तिचे नाव, जन्म दिनांक, वेळ आणि ठिकाण भरा. जन्माच्या वेळचे चंद्र नक्षत्रच निवडलेल्या क्षणाचे ताराबल आणि चंद्रबल ठरवते.</translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation>दोन्ही कुंडल्या मांडून मुहूर्त तपासण्यासाठी &quot;पुढे&quot; दाबा. फल आणि छापता किंवा जतन करता येणारा अहवाल तीन टॅबवर दिसेल.</translation>
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
        <translation>वेळ</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>तास/मि/से</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाव</translation>
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
        <translation>जन्म वेळ</translation>
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
        <translation>रेखांश</translation>
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
        <translation>अक्षांश-रेखांश शोधण्यासाठी येथे क्लिक करा</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>वेळ क्षेत्र</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>तास</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>TZ मदत</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; मागे (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>पुढे (&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation>Horavela मुहूर्त कुंडलीचे विश्लेषण करत आहे. कृपया थांबा ...</translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation>मुहूर्त फल</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>जन्मतपशील</translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation>मुहूर्त तपशील</translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation>मुहूर्त विश्लेषण</translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation>Horavela अहवाल</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>सारांश</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>घटक</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>फल</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>गुण</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>एकूण</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापा (&amp;P)</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>PDF म्हणून जतन करा (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation>RTF म्हणून जतन करा (&amp;R)...</translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation>दिनदर्शिकेत जोडा...</translation>
    </message>
    <message>
        <source>MM:DD:YYYY</source>
        <translation>महिना:दिवस:वर्ष</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>तास:मि</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation>नवा मुहूर्त (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहेर पडा (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदत (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदत (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>आमचे संकेतस्थळ पाहा (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ्टवेअर अपडेट तपासा (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ्टवेअरविषयी (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बाहेर पडा (&amp;Q)</translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation>फक्त अक्षरे चालतात.</translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation>फक्त अंक चालतात.</translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation>वर्ष 1901 ते 2050 यांदरम्यान असावे.</translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation>महिना 1 (जानेवारी) ते 12 (डिसेंबर) यांदरम्यान असावा.</translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation>दिवस 1 ते 31 यांदरम्यान असावा.</translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation>तास 0 ते 23 यांदरम्यान असावेत.</translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation>मिनिटे 0 ते 59 यांदरम्यान असावीत.</translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation>सेकंद 0 ते 59 यांदरम्यान असावेत.</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>कृपया एक कार्य निवडा</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया आपले नाव भरा</translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation>कृपया अक्षांशाचे अंश भरा</translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation>कृपया अक्षांशाच्या कला भरा</translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation>कृपया रेखांशाचे अंश भरा</translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation>कृपया रेखांशाच्या कला भरा</translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation>कृपया जन्म दिनांक निवडा</translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation>जन्म (%1) मुहूर्ताच्या क्षणानंतरचा (%2) आहे. ज्याचा जन्म झाला आहे त्याच्यासाठीच मुहूर्त तपासता येतो: जन्म दिनांक किंवा मुहूर्त दिनांक दुरुस्त करा.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर भरा</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य भरा</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश भरा</translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation>अक्षांशाचे अंश 0 ते 90 यांदरम्यान असावेत</translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation>अक्षांशाच्या कला 0 ते 59 यांदरम्यान असाव्यात</translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation>अक्षांश 90 अंशांपेक्षा जास्त असू शकत नाही: 90 अंशांवर कला 0 असाव्यात</translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation>रेखांशाचे अंश 0 ते 180 यांदरम्यान असावेत</translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation>रेखांशाच्या कला 0 ते 59 यांदरम्यान असाव्यात</translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation>रेखांश 180 अंशांपेक्षा जास्त असू शकत नाही: 180 अंशांवर कला 0 असाव्यात</translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation> अक्षांश रेखांश</translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation>ऑफलाइन नकाशासंग्रहात &quot;%1&quot; साठी ही ठिकाणे आहेत. निर्देशांक आणि वेळ क्षेत्र भरण्यासाठी एक निवडा, किंवा वेबवर शोधा.</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>हे ठिकाण घ्या (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>वेबवर शोधा (&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation>वेब शोध उघडता आला नाही: या संगणकावर वेब ब्राउझर नाही. &quot;%1&quot; स्वतः शोधा, किंवा शहर मध्ये नाव लिहून ऑफलाइन नकाशासंग्रहातून ठिकाण निवडा.</translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation>%1 हे पान उघडता आले नाही: या संगणकावर वेब ब्राउझर नाही.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>कोणताही प्रिंटर उपलब्ध नाही.</translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation>त्याऐवजी अहवाल PDF फाइल म्हणून जतन करायचा का?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>अहवाल %1 येथे जतन करता आला नाही: %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>अहवाल छापता आला नाही.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>अहवाल PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation>अहवाल RTF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फाइली (*.pdf)</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>रिच टेक्स्ट फाइली (*.rtf)</translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation>हा क्षण दिनदर्शिकेतील प्रसंग म्हणून जतन करा</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar फाइली (*.ics)</translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation>दिनदर्शिका फाइल %1 येथे जतन करता आली नाही: %2</translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation>मुहूर्ताची गणना पूर्ण होऊ शकली नाही</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation>%1, %2 (पहिले %3)</translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation>%1, %2 (दुसरे %3)</translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation>%1: घड्याळात %2 वाजलेच नाहीत</translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation>%1: घड्याळात %2 दोनदा वाजले</translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation>%1: दिनांक निवडा</translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation>नकाशासंग्रहातून: %1</translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation>निर्देशांक हाताने भरलेले, नकाशासंग्रहातून नव्हे</translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation>नकाशासंग्रहात एकच शहर सापडले नाही: निर्देशांक आणि वेळ क्षेत्र भरा, किंवा राज्य व देश भरून वर क्लिक करा</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation>नकाशासंग्रह &quot;%1&quot; हे एक शहर म्हणून ओळखत नाही, म्हणून %2 चे निर्देशांक आणि वेळ क्षेत्र पुसले गेले. कृपया %1 चे निर्देशांक भरा आणि &quot;TZ मदत&quot; मधून त्याचे वेळ क्षेत्र निवडा, किंवा त्याचे राज्य व देश भरून &quot;अक्षांश-रेखांश शोधण्यासाठी येथे क्लिक करा&quot; दाबा.</translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation>नकाशासंग्रहात एकच शहर सापडले नाही: त्याचे निर्देशांक आणि वेळ क्षेत्र भरा</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation>नकाशासंग्रह &quot;%1&quot; हे एक शहर म्हणून ओळखत नाही, म्हणून %2 चे निर्देशांक आणि वेळ क्षेत्र पुसले गेले. कृपया %1 चे निर्देशांक आणि वेळ क्षेत्र भरा.</translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation>%2 मध्ये घड्याळात %1 वाजलेच नाहीत: घड्याळे %3 वरून %4 वर पुढे केली गेली. कृपया वेळ दुरुस्त करा, किंवा &quot;TZ मदत&quot; मधून स्वतः वेळ क्षेत्र निवडा.</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation>%2 मध्ये घड्याळात %1 दोनदा वाजले: आधी %3 ला, आणि घड्याळे मागे केल्यावर पुन्हा %4 ला.</translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation>ती पहिली वेळ होती का, %1 ला?</translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation>ती दुसरी वेळ होती का, %1 ला?</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation>%2 मध्ये घड्याळात %1 दोनदा वाजले. कृपया दोन्हीपैकी कोणती वेळ अभिप्रेत आहे ते सांगा, किंवा वेळ दुरुस्त करा.</translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation>%2 चे वेळ क्षेत्र %1 या प्रणालीच्या वेळ क्षेत्र सूचीत नाही. कृपया &quot;TZ मदत&quot; मधून वेळ क्षेत्र निवडा.</translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation>व्यक्ती निवडा...</translation>
    </message>
    <message>
        <source>Save person</source>
        <translation>व्यक्ती जतन करा</translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation>ठिकाण निवडा...</translation>
    </message>
    <message>
        <source>Save place</source>
        <translation>ठिकाण जतन करा</translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation>व्यक्ती आणि ठिकाणे...</translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation>व्यक्ती आणि ठिकाणांची नोंदवही उघडता आली नाही: %1

Horavela तिच्याशिवाय चालू राहील; प्रोग्राम पुन्हा सुरू होईपर्यंत व्यक्ती आणि ठिकाणे जतन करता किंवा निवडता येणार नाहीत.</translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation>व्यक्ती आणि ठिकाणांची नोंदवही उपलब्ध नाही: %1</translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation>नोंदवहीत बदल करता आला नाही: %1</translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation>%1 विषयी टीप (ऐच्छिक):</translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation>%1 (जन्म %2) नोंदवहीत जतन केले.</translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation>%1 (जन्म %2) आधीच नोंदवहीत आहे.</translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation>%1 नोंदवहीत जतन केले.</translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation>%1 आधीच नोंदवहीत आहे.</translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation>व्यक्ती निवडा</translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation>ठिकाण निवडा</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>नावाने शोधा</translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation>शहराने शोधा</translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation>नोंदवहीत अजून कोणीही व्यक्ती नाही. जन्मतपशिलाचे पान भरा आणि &quot;व्यक्ती जतन करा&quot; दाबा.</translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation>नोंदवहीत अजून कोणतेही ठिकाण नाही. मुहूर्ताचे पान भरा आणि &quot;ठिकाण जतन करा&quot; दाबा.</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ठिकाण</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>निर्देशांक</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>People and places</source>
        <translation>व्यक्ती आणि ठिकाणे</translation>
    </message>
    <message>
        <source>People</source>
        <translation>व्यक्ती</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>ठिकाणे</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>शोधा</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>संपादन (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>काढून टाका (&amp;D)</translation>
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
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation>आधी यादीतील एखादी नोंद निवडा.</translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation>%1 (जन्म %2) काढून टाकायचे?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 काढून टाकायचे?</translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation>ही नोंद नोंदवहीतून कायमची काढली जाईल.</translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation>व्यक्ती आणि ठिकाणे आयात करा</translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation>व्यक्ती आणि ठिकाणे निर्यात करा</translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation>horavela-book.json</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON फाइली (*.json);;सर्व फाइली (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>%1 ही फाइल वाचता आली नाही: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation>%1 ही फाइल व्यक्ती आणि ठिकाणांची नोंदवही नाही: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation>%1 मधून आयात: %2 जोडले, %3 आधीच नोंदवहीत असल्याने वगळले.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>%1 मधून काहीही आयात झाले नाही: %2</translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation>%1 व्यक्ती आणि %2 ठिकाणे %3 मध्ये निर्यात केली.</translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation>नोंदवही %1 मध्ये निर्यात करता आली नाही: %2</translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation>व्यक्तीचा तपशील बदला</translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation>ठिकाणाचा तपशील बदला</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>लिंग</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>टीप</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>वेळ क्षेत्र</translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation>नकाशासंग्रहातील वेळ क्षेत्र %1 प्रमाणे</translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation>कृपया नाव भरा</translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation>कृपया शहर भरा</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिवस</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>पाहा (&amp;V)</translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation>दिवस एका दृष्टिक्षेपात</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation>आधी मुहूर्ताच्या ठिकाणाचे अक्षांश आणि रेखांश भरा: दिवसाचे पंचांग मुहूर्ताच्या दिनांकासाठी व ठिकाणासाठी काढले जाते.</translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation>दिवसाचे पंचांग काढता आले नाही</translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation>मुहूर्ताचे पान भरा, मग पाहा &gt; दिवस एका दृष्टिक्षेपात निवडा किंवा एखादा क्षण तपासा.</translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation>त्या दिवशी लागू असलेले परंपरेचे निषेध:</translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation>त्या दिवशी परंपरेचा कोणताही निषेध लागू नाही.</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ध्रुवीय दिवस: या दिनांकाला सूर्य मावळत नाही, म्हणून काळ, अभिजित, चौघडिया आणि होरा यांपैकी काहीच नाही.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ध्रुवीय रात्र: या दिनांकाला सूर्य उगवत नाही, म्हणून काळ, अभिजित, चौघडिया आणि होरा यांपैकी काहीच नाही.</translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>या दिनांकाला सूर्य उगवतो आणि पुन्हा मावळत नाही, म्हणून काळ, अभिजित, चौघडिया आणि होरा यांपैकी काहीच नाही.</translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>या दिनांकाला सूर्य न उगवताच मावळतो: त्याचा दिवस आधीच्या दिनांकाला सुरू झाला होता, म्हणून काळ, अभिजित, चौघडिया आणि होरा यांपैकी काहीच नाही.</translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation>पुढच्या दिनांकाला सूर्य पुन्हा उगवत नाही: दिवसाला काळ, अभिजित, चौघडिया आणि होरा आहेत, रात्रीला काहीच नाही.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>काहीही नाही</translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation>बुधवारी पाळला जात नाही: पंचांगे त्या दिवशी अभिजित मुहूर्त देत नाहीत.</translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation>%1 तारा, %2 (जन्म नक्षत्र %3 पासून)</translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation>%1 (जन्म रास %2 पासून)</translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation>गोचर चंद्र जन्म रास %1 पासून आठव्या राशीत आहे: पंचांगे या वेळी नवे कार्य सुरू न करण्याचा इशारा देतात.</translation>
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
        <translation>कुंडलीची पद्धत</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापा</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNG म्हणून जतन करा</translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation>दिवस PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation>दिवस PNG म्हणून जतन करा</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG चित्रे (*.png)</translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation>दिवस %1 येथे जतन करता आला नाही: %2</translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation>शुभ वेळा शोधा...</translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation>शुभ वेळा शोधा</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>पासून (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>पर्यंत (&amp;T)</translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation>किमान (&amp;L)</translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation>एकूण किमान</translation>
    </message>
    <message>
        <source>any</source>
        <translation>कोणतेही</translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation>राहुकाळ वगळा</translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation>यमगंड वगळा</translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation>गुलिक काळ वगळा</translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation>परंपरेचे निषेध आणि पंचांगशुद्धी पाळा</translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation>प्रादेशिक निषेधही (होलाष्टक, पितृपक्ष)</translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation>परंपरेनुसार %2 पैकी %1 दिवस वर्ज्य</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>आणि आणखी %1</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV निर्यात...</translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation>वेळा CSV म्हणून निर्यात करा</translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation>windows.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV फाइली (*.csv)</translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation>वेळा निर्यात करता आल्या नाहीत: %1</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>वेळा दिनदर्शिकेतील प्रसंग म्हणून जतन करा</translation>
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
        <translation>घटक</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>मिनिटे</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>शोधा (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>रद्द करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation>ही वेळ घ्या (&amp;U)</translation>
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
        <translation>एखाद्या दिवसावर क्लिक केल्यास त्याची पहिली वेळ दिसते; प्रत्येक दिवसाखाली त्याच्या सर्वोत्तम वेळेची एकूण बेरीज असते. यादी वेळेच्या क्रमाने आहे (स्तंभाच्या शीर्षकावर क्लिक करून त्यानुसार क्रम लावा); दहा सर्वोत्तम वेळा ठळक अक्षरांत आहेत. एखादी वेळ पूर्णपणे तपासण्यासाठी तिच्यावर डबल-क्लिक करा, किंवा ती निवडून &quot;ही वेळ घ्या&quot; दाबा.</translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation>कालखंड निवडा आणि &quot;शोधा&quot; दाबा.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>शोध सुरू आहे...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>रद्द होत आहे...</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>शोध रद्द केला.</translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation>या कालखंडातील कोणतीही वेळ %1 पर्यंत पोहोचत नाही.</translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation>%2 दिवसांत %1 वेळा, %3 s मध्ये सापडल्या.</translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation>पहिल्या %1 वेळा दाखवल्या आहेत; बाकीच्या पाहण्यासाठी कालखंड लहान करा.</translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation>शोध चालवता येत नाही: %1</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>शोध अयशस्वी झाला: %1</translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation>आधी पहिल्या पानावर कार्य निवडा.</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation>आधी मुहूर्ताच्या ठिकाणाचे अक्षांश आणि रेखांश भरा.</translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation>शोध प्रत्येक क्षण व्यक्तीच्या जन्माशी ताडून तपासतो, आणि जन्मतपशिलाचे पान अजून पूर्ण नाही: %1. &quot;पुढे&quot; दाबा, जन्मतपशिलाचे पान भरा आणि तिथे &quot;शुभ वेळा शोधा...&quot; वापरा.</translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation>नाव भरलेले नाही</translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation>जन्म दिनांक निवडलेला नाही</translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation>जन्मस्थानाचे अक्षांश आणि रेखांश भरलेले नाहीत</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>साधने (&amp;T)</translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation>दोघांचे गुणमेलन...</translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation>दोघांचे गुणमेलन</translation>
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
        <translation>मेलन करा</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>छापा...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF म्हणून जतन करा...</translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation>RTF निर्यात...</translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation>Horavela गुणमेलन अहवाल</translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation>नोंदवहीत दोनपेक्षा कमी व्यक्ती आहेत. आधी वर आणि वधू यांना नोंदवहीत जतन करा (जन्मतपशिलाच्या पानावर &quot;व्यक्ती जतन करा&quot;, किंवा फाइल &gt; व्यक्ती आणि ठिकाणे... &gt; आयात).</translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation>वर आणि वधू म्हणून दोन वेगळ्या व्यक्ती निवडा.</translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation>गुणमेलन काढता आले नाही: %1</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation>गुणमेलन अहवाल %1 येथे जतन करता आला नाही: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>महिना</translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation>महिना एका दृष्टिक्षेपात</translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation>मुहूर्ताचे पान भरा: मुहूर्ताच्या दिनांकाचा महिना मुहूर्ताच्या ठिकाणासाठी दाखवला जातो.</translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation>महिन्याचे पंचांग काढता आले नाही</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation>%1 %2, %3, %4 साठी शुभ वेळा</translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation>%1	%2-%3</translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation>तिथी आणि नक्षत्र सूर्योदयाच्या वेळी चालू असलेले, त्यांच्या समाप्तीच्या वेळेसह (+1: पुढचा दिवस). करड्या रंगाचे दिवस: त्या दिवशी कोणत्यातरी क्षणी परंपरेचा निषेध लागू आहे.</translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation>उदय %1	अस्त %2</translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation>राहुकाळ	%1-%2</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>महिना PDF म्हणून जतन करा</translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation>महिना %1 येथे जतन करता आला नाही: %2</translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation>जोडीदार जोडा</translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation>जोडीदाराचा जन्मतपशील</translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation>वेळ क्षेत्र (पूर्व +hh:mm)</translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation>जोडीदार निवडा...</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation>कृपया जोडीदाराचे नाव भरा.</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation>कृपया जोडीदाराच्या जन्मस्थानाचे अक्षांश आणि रेखांश भरा.</translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation>जोडीदाराचे जन्मस्थान: %1</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation>कृपया जोडीदाराचे वेळ क्षेत्र ग्रीनिचच्या पूर्वेकडील तास आणि मिनिटांत भरा, उदा. +05:30.</translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation>जोडीदारासाठी: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>संपादन (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>पसंती (&amp;P)...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>पसंती</translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation>प्रोग्राम गणना कशी करतो आणि कसे मोजतो. आपले पंचांग वेगळ्या पद्धतीने चालत नसेल तर हे जसे आहे तसेच ठेवा: मूळ निवडी प्रोग्रामच्या स्वतःच्या आहेत.</translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation>ग्रहसारणी (&amp;E):</translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation>रवी, चंद्र आणि लग्न कोठून घ्यायचे. Swiss Ephemeris वापरल्यास नक्षत्र आणि चंद्र राशीचे बदल बहुतेक पंचांगे छापतात तिथेच, म्हणजे काही मिनिटे आधी, येतात.</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>अयनांश (&amp;A):</translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation>निरयन राशिचक्र सायनपासून किती अंतरावर आहे. आपले पंचांग किंवा ज्योतिषी सांगतील तोच निवडा; लाहिरी हा Indian Astronomical Ephemeris चा अयनांश आहे.</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>सूर्योदय (&amp;S):</translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation>दिवस कधी सुरू होतो आणि संपतो. छापील पंचांगे सूर्यबिंबाची वरची कड घेतात; अनेक भारतीय प्रोग्राम बिंबाचा मध्य घेतात, जो काही मिनिटे उशिरा उगवतो आणि लवकर मावळतो.</translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation>ताराबल मोजणी (&amp;T):</translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation>दिवसाचे नक्षत्र जन्म नक्षत्रापासून कसे मोजायचे. शास्त्रीय मोजणी पुढच्या दिशेने जाते आणि जन्म नक्षत्रालाच पहिले धरते.</translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation>Horavela विषयी</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>आवृत्ती %1</translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation>वैदिक मुहूर्त ज्योतिष: योजलेला क्षण एखाद्या कार्यासाठी योग्य आहे की नाही हे संबंधित व्यक्तीच्या जन्मतपशिलाच्या आधारे ठरवते.</translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation>ग्रहस्थिती: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;यूजर इंटरफेस: Qt %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation>पुढच्या वेळी सुरू झाल्यावर प्रोग्राम %1 मध्ये दिसेल.</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म दिनांक</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म वेळ</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>जन्मस्थान</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>चंद्र रास</translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation>चंद्र राशीचा स्वामी</translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation>जन्म नक्षत्र</translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation>जन्म नक्षत्राचा स्वामी</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation>तिथी</translation>
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
        <translation>मुहूर्ताची चंद्र रास</translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation>मुहूर्ताच्या चंद्र राशीचा स्वामी</translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation>मुहूर्ताचे नक्षत्र</translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation>मुहूर्ताचा नक्षत्र स्वामी</translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation>मुहूर्ताचे लग्न</translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation>मुहूर्ताची तिथी</translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation>मुहूर्ताचा योग</translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation>मुहूर्ताचे करण</translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation>मुहूर्ताचा वार</translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation>मुहूर्त दिनांक</translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation>मुहूर्त वेळ</translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation>मुहूर्त ठिकाण</translation>
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
        <translation>मुहूर्ताचे ठिकाण: %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 at %4:%5</source>
        <translation>%1 %2 %3, %4:%5 वाजता</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>र</translation>
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
        <translation>राहुकाळ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमगंड</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>गुलिक काळ</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>अभिजित</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>चौघडिया</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथी</translation>
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
        <translation>चंद्र रास</translation>
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
        <translation>रात्रीचे काळ</translation>
    </message>
    <message>
        <source>Muhurtas</source>
        <translation>मुहूर्त</translation>
    </message>
    <message>
        <source>Sandhya</source>
        <translation>संध्या</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>गोरज</translation>
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
        <translation>अमृत काळ</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>ताराबल</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>चंद्रबल</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>चंद्राष्टम</translation>
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
        <translation>पुढचा सूर्योदय</translation>
    </message>
    <message>
        <source>    Sunrise %1    Sunset %2    Next sunrise %3</source>
        <translation>    सूर्योदय %1    सूर्यास्त %2    पुढचा सूर्योदय %3</translation>
    </message>
    <message>
        <source>Moonrise %1    Moonset %2</source>
        <translation>चंद्रोदय %1    चंद्रास्त %2</translation>
    </message>
    <message>
        <source>Rasi
%1</source>
        <translation>राशी
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
        <translation>स्थिती</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, दिवसभर</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 पर्यंत</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 %2 पासून</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 %2 रोजी</translation>
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
        <translation>%1 (प्रादेशिक)</translation>
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
        <translation>बालसंस्कार</translation>
    </message>
    <message>
        <source>Naming of The Child or Namakarana</source>
        <translation>नामकरण (बारसे)</translation>
    </message>
    <message>
        <source>Tonsuring of Head</source>
        <translation>चौलकर्म (जावळ)</translation>
    </message>
    <message>
        <source>Piercing of the Ear or Karnavedha</source>
        <translation>कर्णवेध (कान टोचणे)</translation>
    </message>
    <message>
        <source>Thread Ceremony Or Upanayana</source>
        <translation>उपनयन (मुंज)</translation>
    </message>
    <message>
        <source>First feeding of Solid Food (Annaprasan)</source>
        <translation>अन्नप्राशन (उष्टावण)</translation>
    </message>
    <message>
        <source>Starting of Education (Aksharabhyasa)</source>
        <translation>विद्यारंभ (अक्षरारंभ)</translation>
    </message>
    <message>
        <source>Adoption of a Child</source>
        <translation>दत्तक विधान</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>विवाह</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>साखरपुडा</translation>
    </message>
    <message>
        <source>First Entrance of the Bride</source>
        <translation>वधूचा गृहप्रवेश</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>शिक्षण</translation>
    </message>
    <message>
        <source>Learning of a Trade</source>
        <translation>एखादा व्यवसाय शिकणे</translation>
    </message>
    <message>
        <source>Learning of any Science</source>
        <translation>एखादे शास्त्र शिकणे</translation>
    </message>
    <message>
        <source>Learning Dance Or Music</source>
        <translation>नृत्य किंवा संगीत शिकणे</translation>
    </message>
    <message>
        <source>Learning Astrology Or Astronomy</source>
        <translation>ज्योतिष किंवा खगोलशास्त्र शिकणे</translation>
    </message>
    <message>
        <source>Learning Medicine</source>
        <translation>वैद्यकशास्त्र शिकणे</translation>
    </message>
    <message>
        <source>Learning Grammar, Logic Or Philosophy</source>
        <translation>व्याकरण, तर्कशास्त्र किंवा तत्त्वज्ञान शिकणे</translation>
    </message>
    <message>
        <source>Moving Into New Home</source>
        <translation>गृहप्रवेश</translation>
    </message>
    <message>
        <source>Entering a New House</source>
        <translation>नव्या घरात प्रवेश</translation>
    </message>
    <message>
        <source>Entering a Rented House</source>
        <translation>भाड्याच्या घरात प्रवेश</translation>
    </message>
    <message>
        <source>Start On A New Job</source>
        <translation>नव्या नोकरीचा आरंभ</translation>
    </message>
    <message>
        <source>Start A New Business</source>
        <translation>नव्या व्यवसायाचा आरंभ</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>प्रवास</translation>
    </message>
    <message>
        <source>Domestic Journey</source>
        <translation>देशांतर्गत प्रवास</translation>
    </message>
    <message>
        <source>Religious Journey</source>
        <translation>तीर्थयात्रा</translation>
    </message>
    <message>
        <source>Foreign Journey</source>
        <translation>परदेश प्रवास</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>बांधकाम</translation>
    </message>
    <message>
        <source>Laying the Foundation</source>
        <translation>पायाभरणी</translation>
    </message>
    <message>
        <source>Starting the Construction of a House</source>
        <translation>घराच्या बांधकामाचा आरंभ</translation>
    </message>
    <message>
        <source>Financial Transactions</source>
        <translation>आर्थिक व्यवहार</translation>
    </message>
    <message>
        <source>Lending Money</source>
        <translation>कर्ज देणे</translation>
    </message>
    <message>
        <source>Borrowing Money</source>
        <translation>कर्ज घेणे</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>कायदेशीर कामे</translation>
    </message>
    <message>
        <source>Medical Treatment</source>
        <translation>वैद्यकीय उपचार</translation>
    </message>
    <message>
        <source>Starting medical treatment for chronic disease or recurring illness</source>
        <translation>जुनाट किंवा पुन्हा पुन्हा होणाऱ्या आजारावर उपचारांचा आरंभ</translation>
    </message>
    <message>
        <source>Date for operations</source>
        <translation>शस्त्रक्रियेचा दिवस</translation>
    </message>
    <message>
        <source>Buying and Selling</source>
        <translation>खरेदी-विक्री</translation>
    </message>
    <message>
        <source>Buying Land</source>
        <translation>जमीन खरेदी</translation>
    </message>
    <message>
        <source>Selling Land</source>
        <translation>जमीन विक्री</translation>
    </message>
    <message>
        <source>Buying Item</source>
        <translation>वस्तू खरेदी</translation>
    </message>
    <message>
        <source>Sell Item</source>
        <translation>वस्तू विक्री</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>आता पुन्हा सुरू करा</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>नंतर</translation>
    </message>
    <message>
        <source>&amp;Native digits</source>
        <translation>मराठी अंक (&amp;N)</translation>
    </message>
    <message>
        <source>%1 %2 – %3 %4, %5 minutes%6

%7</source>
        <translation>%1 %2 – %3 %4, %5 मिनिटे%6

%7</translation>
    </message>
    <message>
        <source>, among the best of the range</source>
        <translation>, या कालावधीतील सर्वोत्तम वेळांपैकी</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2 (%3, जन्म %4 %5:%6), स्थळ %7: %8 %9, %10.</translation>
    </message>
    <message>
        <source>the election place</source>
        <translation>मुहूर्ताचे स्थळ</translation>
    </message>
    <message>
        <source>zone %1 h %2 min%3 (%4)</source>
        <translation>वेळ क्षेत्र %1 ता %2 मि%3 (%4)</translation>
    </message>
    <message>
        <source>, DST</source>
        <translation>, DST</translation>
    </message>
    <message>
        <source>%1, follows daylight saving</source>
        <translation>%1, उन्हाळी वेळ (DST) पाळतो</translation>
    </message>
</context>
</TS>
