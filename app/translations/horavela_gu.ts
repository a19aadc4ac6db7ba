<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation>પ્રોગ્રામ પહેલેથી ચાલુ છે</translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation>જે કાર્ય માટે શુભ મુહૂર્ત શોધવાનું છે, તે યાદીમાંથી પસંદ કરો.</translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation>આગળ વધવા “આગળ” દબાવો</translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation>મુહૂર્ત જ્યોતિષ એ ક્ષણ શોધે છે જ્યારે કોઈ કાર્યનો આરંભ કરવો જોઈએ. તે ક્ષણના આકાશને સંબંધિત વ્યક્તિના જન્મ સમયના આકાશ સાથે સરખાવીને વિચારાય છે: ચંદ્રનું નક્ષત્ર અને રાશિ, લગ્ન, તિથિ, વાર અને વિશેષ યોગ, દરેકનો ફાળો હોય છે.</translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation>ડાબી બાજુથી કાર્યોનો એક વિભાગ પસંદ કરો, યાદીમાં કાર્ય પર ટિક કરો અને “આગળ” દબાવો. પછી સૂચિત ક્ષણ અને સ્થળ, અને ત્યાર બાદ જન્મ વિગત લખશો.</translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation>કાર્ય: %1</translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation>મુહૂર્તની વિગત લખો</translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation>જે ક્ષણનો વિચાર કરવો છે તેની તારીખ, ઘડિયાળનો સમય અને સ્થળ લખો. વાર તારીખ પ્રમાણે આવે છે; દિવસ સૂર્યોદયથી ગણતા હો તો જ બદલો.</translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation>અક્ષાંશ અને રેખાંશ પૂર્ણ ડિગ્રી અને મિનિટમાં લખો. “TZ મદદ” વડે સ્થળનો સમય ઝોન પસંદ કરો, અને ત્યારે ડેલાઇટ સેવિંગ સમય લાગુ હોય તો DST પર ટિક કરો.</translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation>જાતકની જન્મ વિગત લખો</translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation>જેના માટે મુહૂર્ત પસંદ થાય છે તેનું નામ, જન્મ તારીખ, સમય અને સ્થળ લખો. જન્મ સમયના ચંદ્રના નક્ષત્ર પરથી પસંદ કરેલી ક્ષણનું તારાબળ અને ચંદ્રબળ નક્કી થાય છે.</translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation>બંને કુંડળીની ગણતરી કરી ક્ષણનો વિચાર કરવા “આગળ” દબાવો. પરિણામ અને છાપી કે સાચવી શકાય તેવો અહેવાલ ત્રણ ટૅબમાં દેખાશે.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>તારીખ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>વાર</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>સમય</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>ક/મિ/સે</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>નામ</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>પુરુષ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>સ્ત્રી</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>જન્મ તારીખ</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>જન્મ વાર</translation>
    </message>
    <message>
        <source>Birth Time</source>
        <translation>જન્મ સમય</translation>
    </message>
    <message>
        <source>City</source>
        <translation>શહેર</translation>
    </message>
    <message>
        <source>State</source>
        <translation>રાજ્ય</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>દેશ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>અક્ષાંશ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>રેખાંશ</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ડિગ્રી</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>મિનિટ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ઉત્તર</translation>
    </message>
    <message>
        <source>South</source>
        <translation>દક્ષિણ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>પૂર્વ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>પશ્ચિમ</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>અક્ષાંશ અને રેખાંશ શોધવા અહીં ક્લિક કરો</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>સમય ઝોન</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>કલાક</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>TZ મદદ</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; પાછળ (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>આગળ (&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation>Horavela મુહૂર્ત વિચાર તૈયાર કરી રહ્યું છે. કૃપા કરી રાહ જુઓ ...</translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation>મુહૂર્તનું પરિણામ</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>જન્મ વિગત</translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation>મુહૂર્તની વિગત</translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation>મુહૂર્ત વિચાર</translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation>Horavela અહેવાલ</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>સારાંશ</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>પરિબળ</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>ફળ</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>અંક</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>કુલ</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>છાપો (&amp;P)</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>PDF તરીકે સાચવો (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation>RTF તરીકે સાચવો (&amp;R)...</translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation>કૅલેન્ડરમાં ઉમેરો...</translation>
    </message>
    <message>
        <source>MM:DD:YYYY</source>
        <translation>મહિનો:દિવસ:વર્ષ</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>કલાક:મિનિટ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ફાઇલ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation>નવો વિચાર (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>બહાર નીકળો (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>મદદ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ઑનલાઇન મદદ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>અમારી વેબસાઇટ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>સૉફ્ટવેર અપડેટ તપાસો (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>સૉફ્ટવેર વિશે (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>બંધ કરો (&amp;Q)</translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation>ફક્ત અક્ષરો લખી શકાય.</translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation>ફક્ત આંકડા લખી શકાય.</translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation>વર્ષ 1901 થી 2050 સુધીનું હોવું જોઈએ.</translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation>મહિનો 1 (જાન્યુઆરી) થી 12 (ડિસેમ્બર) સુધીનો હોવો જોઈએ.</translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation>દિવસ 1 થી 31 સુધીનો હોવો જોઈએ.</translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation>કલાક 0 થી 23 સુધીના હોવા જોઈએ.</translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation>મિનિટ 0 થી 59 સુધીની હોવી જોઈએ.</translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation>સેકન્ડ 0 થી 59 સુધીની હોવી જોઈએ.</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>કૃપા કરી એક કાર્ય પસંદ કરો</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>કૃપા કરી તમારું નામ લખો</translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation>કૃપા કરી અક્ષાંશની ડિગ્રી લખો</translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation>કૃપા કરી અક્ષાંશની મિનિટ લખો</translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation>કૃપા કરી રેખાંશની ડિગ્રી લખો</translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation>કૃપા કરી રેખાંશની મિનિટ લખો</translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation>કૃપા કરી જન્મ તારીખ પસંદ કરો</translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation>જન્મ (%1) મુહૂર્તની ક્ષણ (%2) પછીનો છે. જે જન્મી ચૂક્યા હોય તેમના માટે જ ક્ષણનો વિચાર થઈ શકે: જન્મ તારીખ કે મુહૂર્તની તારીખ સુધારો.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>કૃપા કરી શહેર લખો</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>કૃપા કરી રાજ્ય લખો</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>કૃપા કરી દેશ લખો</translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation>અક્ષાંશની ડિગ્રી 0 થી 90 વચ્ચે હોવી જોઈએ</translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation>અક્ષાંશની મિનિટ 0 થી 59 વચ્ચે હોવી જોઈએ</translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation>અક્ષાંશ 90 ડિગ્રીથી વધુ ન હોઈ શકે: 90 ડિગ્રીએ મિનિટ 0 હોવી જોઈએ</translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation>રેખાંશની ડિગ્રી 0 થી 180 વચ્ચે હોવી જોઈએ</translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation>રેખાંશની મિનિટ 0 થી 59 વચ્ચે હોવી જોઈએ</translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation>રેખાંશ 180 ડિગ્રીથી વધુ ન હોઈ શકે: 180 ડિગ્રીએ મિનિટ 0 હોવી જોઈએ</translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation> અક્ષાંશ રેખાંશ</translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation>ઑફલાઇન એટલાસમાં “%1” નામનાં આ સ્થળો છે. એક પસંદ કરવાથી તેના અક્ષાંશ-રેખાંશ અને સમય ઝોન ભરાઈ જશે; નહીં તો વેબ પર શોધો.</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>આ સ્થળ લો (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>વેબ પર શોધો (&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation>વેબ પર શોધ ખોલી શકાઈ નહીં: આ કમ્પ્યુટર પર કોઈ વેબ બ્રાઉઝર નથી. “%1” જાતે શોધો, અથવા શહેરના ખાનામાં નામ લખીને ઑફલાઇન એટલાસમાંથી સ્થળ પસંદ કરો.</translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation>%1 પાનું ખોલી શકાયું નહીં: આ કમ્પ્યુટર પર કોઈ વેબ બ્રાઉઝર નથી.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>કોઈ પ્રિન્ટર ઉપલબ્ધ નથી.</translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation>તેના બદલે અહેવાલ PDF ફાઇલ તરીકે સાચવવો છે?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>અહેવાલ %1 માં સાચવી શકાયો નહીં: %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>અહેવાલ છાપી શકાયો નહીં.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>અહેવાલ PDF તરીકે સાચવો</translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation>અહેવાલ RTF તરીકે સાચવો</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ફાઇલો (*.pdf)</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>રિચ ટેક્સ્ટ ફાઇલો (*.rtf)</translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation>ક્ષણને કૅલેન્ડર પ્રસંગ તરીકે સાચવો</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ફાઇલો (*.ics)</translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation>કૅલેન્ડર ફાઇલ %1 માં સાચવી શકાઈ નહીં: %2</translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation>વિચાર પૂરો થઈ શક્યો નહીં</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation>%1, %2 (%3, પહેલી વાર)</translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation>%1, %2 (%3, બીજી વાર)</translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation>%1: %2 સમય આવ્યો જ નહોતો</translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation>%1: %2 સમય બે વાર આવ્યો</translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation>%1: તારીખ પસંદ કરો</translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation>એટલાસમાંથી: %1</translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation>અક્ષાંશ-રેખાંશ હાથે લખેલા, એટલાસમાંથી નહીં</translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation>એટલાસમાં એક શહેર તરીકે નથી: અક્ષાંશ-રેખાંશ અને સમય ઝોન લખો, અથવા રાજ્ય અને દેશ લખી ઉપર ક્લિક કરો</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation>એટલાસ “%1” ને એક શહેર તરીકે ઓળખતું નથી, તેથી %2 ના અક્ષાંશ-રેખાંશ અને સમય ઝોન ભૂંસી નાખ્યા છે. કૃપા કરી %1 ના અક્ષાંશ-રેખાંશ લખો અને “TZ મદદ” વડે તેનો સમય ઝોન પસંદ કરો, અથવા રાજ્ય અને દેશ લખી “અક્ષાંશ અને રેખાંશ શોધવા અહીં ક્લિક કરો” વાપરો.</translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation>એટલાસમાં એક શહેર તરીકે નથી: તેના અક્ષાંશ-રેખાંશ અને સમય ઝોન લખો</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation>એટલાસ “%1” ને એક શહેર તરીકે ઓળખતું નથી, તેથી %2 ના અક્ષાંશ-રેખાંશ અને સમય ઝોન ભૂંસી નાખ્યા છે. કૃપા કરી %1 ના અક્ષાંશ-રેખાંશ અને સમય ઝોન લખો.</translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation>%2 માં ઘડિયાળનો સમય %1 આવ્યો જ નહોતો: ઘડિયાળ %3 થી %4 પર આગળ કરાઈ હતી. કૃપા કરી સમય સુધારો, અથવા “TZ મદદ” વડે જાતે સમય ઝોન પસંદ કરો.</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation>%2 માં ઘડિયાળનો સમય %1 બે વાર આવ્યો: પહેલાં %3 એ, પછી ઘડિયાળ પાછળ કરાયા બાદ ફરી %4 એ.</translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation>શું તે પહેલી વારનો, %1 એ હતો?</translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation>શું તે બીજી વારનો, %1 એ હતો?</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation>%2 માં ઘડિયાળનો સમય %1 બે વાર આવ્યો. બેમાંથી કયો સમય હતો તે જણાવો, અથવા સમય સુધારો.</translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation>%2 નો સમય ઝોન %1 આ સિસ્ટમની સમય ઝોન યાદીમાં નથી. કૃપા કરી “TZ મદદ” વડે સમય ઝોન પસંદ કરો.</translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation>વ્યક્તિ પસંદ કરો...</translation>
    </message>
    <message>
        <source>Save person</source>
        <translation>વ્યક્તિ સાચવો</translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation>સ્થળ પસંદ કરો...</translation>
    </message>
    <message>
        <source>Save place</source>
        <translation>સ્થળ સાચવો</translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation>વ્યક્તિઓ અને સ્થળો...</translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation>વ્યક્તિઓ અને સ્થળોની નોંધપોથી ખોલી શકાઈ નહીં: %1

Horavela તેના વિના ચાલુ રહેશે; પ્રોગ્રામ ફરી શરૂ ન થાય ત્યાં સુધી વ્યક્તિઓ અને સ્થળો સાચવી કે પસંદ કરી શકાશે નહીં.</translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation>વ્યક્તિઓ અને સ્થળોની નોંધપોથી ઉપલબ્ધ નથી: %1</translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation>નોંધપોથીમાં ફેરફાર થઈ શક્યો નહીં: %1</translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation>%1 વિશે નોંધ (વૈકલ્પિક):</translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation>%1 (જન્મ %2) નોંધપોથીમાં સચવાયા.</translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation>%1 (જન્મ %2) પહેલેથી નોંધપોથીમાં છે.</translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation>%1 નોંધપોથીમાં સચવાયું.</translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation>%1 પહેલેથી નોંધપોથીમાં છે.</translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation>વ્યક્તિ પસંદ કરો</translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation>સ્થળ પસંદ કરો</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>નામથી શોધો</translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation>શહેરથી શોધો</translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation>નોંધપોથીમાં હજી કોઈ વ્યક્તિ નથી. જન્મ વિગતનું પાનું ભરો અને “વ્યક્તિ સાચવો” દબાવો.</translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation>નોંધપોથીમાં હજી કોઈ સ્થળ નથી. મુહૂર્તનું પાનું ભરો અને “સ્થળ સાચવો” દબાવો.</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>જન્મ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>સ્થળ</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>અક્ષાંશ-રેખાંશ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
    <message>
        <source>People and places</source>
        <translation>વ્યક્તિઓ અને સ્થળો</translation>
    </message>
    <message>
        <source>People</source>
        <translation>વ્યક્તિઓ</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>સ્થળો</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>શોધો</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>ફેરફાર કરો (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>કાઢી નાખો (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>આયાત (&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>નિકાસ (&amp;X)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation>પહેલાં યાદીમાંથી એક નોંધ પસંદ કરો.</translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation>%1 (જન્મ %2) ને કાઢી નાખવા છે?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 ને કાઢી નાખવું છે?</translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation>આ નોંધ નોંધપોથીમાંથી કાયમ માટે નીકળી જશે.</translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation>વ્યક્તિઓ અને સ્થળોની આયાત</translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation>વ્યક્તિઓ અને સ્થળોની નિકાસ</translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation>horavela-book.json</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON ફાઇલો (*.json);;બધી ફાઇલો (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>%1 ફાઇલ વાંચી શકાઈ નહીં: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation>%1 ફાઇલ વ્યક્તિઓ અને સ્થળોની નોંધપોથી નથી: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation>%1 માંથી આયાત: %2 ઉમેર્યાં, %3 પહેલેથી નોંધપોથીમાં હોવાથી છોડ્યાં.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>%1 માંથી કંઈ આયાત થયું નહીં: %2</translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation>%1 વ્યક્તિઓ અને %2 સ્થળો %3 માં નિકાસ થયાં.</translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation>નોંધપોથી %1 માં નિકાસ થઈ શકી નહીં: %2</translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation>વ્યક્તિમાં ફેરફાર</translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation>સ્થળમાં ફેરફાર</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>લિંગ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>નોંધ</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>સમય ઝોન</translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation>એટલાસના સમય ઝોન %1 પ્રમાણે</translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation>કૃપા કરી નામ લખો</translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation>કૃપા કરી શહેર લખો</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>દિવસ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>દૃશ્ય (&amp;V)</translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation>દિવસ એક નજરે</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation>પહેલાં મુહૂર્તના સ્થળના અક્ષાંશ અને રેખાંશ લખો: દિવસ એક નજરે મુહૂર્તની તારીખ અને સ્થળ માટે ગણાય છે.</translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation>દિવસની ગણતરી થઈ શકી નહીં</translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation>મુહૂર્તનું પાનું ભરો, પછી દૃશ્ય &gt; દિવસ એક નજરે પસંદ કરો અથવા કોઈ ક્ષણનો વિચાર કરો.</translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation>તે દિવસે લાગુ શાસ્ત્રીય નિષેધ:</translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation>તે દિવસે કોઈ શાસ્ત્રીય નિષેધ લાગુ નથી.</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ધ્રુવીય દિવસ: આ તારીખે સૂર્ય આથમતો નથી, તેથી કોઈ કાળ, અભિજિત, ચોઘડિયાં કે હોરા નથી.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ધ્રુવીય રાત્રિ: આ તારીખે સૂર્ય ઊગતો નથી, તેથી કોઈ કાળ, અભિજિત, ચોઘડિયાં કે હોરા નથી.</translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>આ તારીખે સૂર્ય ઊગે છે અને ફરી આથમતો નથી, તેથી કોઈ કાળ, અભિજિત, ચોઘડિયાં કે હોરા નથી.</translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>આ તારીખે સૂર્ય ઊગ્યા વિના આથમે છે: તેનો દિવસ કોઈ અગાઉની તારીખે શરૂ થયો હતો, તેથી કોઈ કાળ, અભિજિત, ચોઘડિયાં કે હોરા નથી.</translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation>પછીની તારીખે સૂર્ય ફરી ઊગતો નથી: દિવસના કાળ, અભિજિત, ચોઘડિયાં અને હોરા છે, રાત્રિના નથી.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>કોઈ નહીં</translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation>બુધવારે માન્ય નથી: પંચાંગ તે દિવસે અભિજિત મુહૂર્ત આપતાં નથી.</translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation>%1 તારા, %2 (જન્મ નક્ષત્ર %3 થી)</translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation>%1 (જન્મ રાશિ %2 થી)</translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation>ચંદ્ર જન્મ રાશિ %1 થી આઠમે: પંચાંગ નવા આરંભ સામે ચેતવે છે.</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>દક્ષિણ ભારતીય</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>ઉત્તર ભારતીય</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>કુંડળીની શૈલી</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>છાપો</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF તરીકે સાચવો</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNG તરીકે સાચવો</translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation>દિવસ PDF તરીકે સાચવો</translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation>દિવસ PNG તરીકે સાચવો</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG ચિત્રો (*.png)</translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation>દિવસ %1 માં સાચવી શકાયો નહીં: %2</translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation>શુભ સમય શોધો...</translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation>શુભ સમય શોધો</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>શરૂઆત (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>અંત (&amp;T)</translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation>ઓછામાં ઓછું (&amp;L)</translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation>કુલ ઓછામાં ઓછું</translation>
    </message>
    <message>
        <source>any</source>
        <translation>કોઈ પણ</translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation>રાહુકાળ છોડો</translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation>યમગંડ છોડો</translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation>ગુલિક કાળ છોડો</translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation>શાસ્ત્રીય નિષેધ અને પંચાંગ શુદ્ધિ પાળો</translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation>પ્રાદેશિક નિષેધ પણ (હોળાષ્ટક, પિતૃ પક્ષ)</translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation>શાસ્ત્ર મુજબ %2 માંથી %1 દિવસ બાકાત</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>અને બીજા %1</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV નિકાસ...</translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation>સમયગાળા CSV તરીકે નિકાસ કરો</translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation>windows.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ફાઇલો (*.csv)</translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation>સમયગાળા નિકાસ થઈ શક્યા નહીં: %1</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>સમયગાળા કૅલેન્ડર પ્રસંગ તરીકે સાચવો</translation>
    </message>
    <message>
        <source>windows.ics</source>
        <translation>windows.ics</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>પરિણામ</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>પરિબળો</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>મિનિટ</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>શોધો (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>રદ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation>આ સમય લો (&amp;U)</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>શુભ</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>મધ્યમ</translation>
    </message>
    <message>
        <source>Click a day to show its first window; under each day, the total of its best window. The list runs in time order (click a column&apos;s title to sort by it); the ten best windows are in bold. Double-click a window, or select it and press &quot;Use this time&quot;, to judge it in full.</source>
        <translation>કોઈ દિવસ પર ક્લિક કરવાથી તેનો પહેલો સમયગાળો દેખાશે; દરેક દિવસ નીચે તેના શ્રેષ્ઠ સમયગાળાનો કુલ. યાદી સમયના ક્રમમાં છે (કોઈ સ્તંભના શીર્ષક પર ક્લિક કરવાથી તે પ્રમાણે ગોઠવાશે); દસ શ્રેષ્ઠ સમયગાળા ઘાટા અક્ષરમાં છે. પૂરા વિચાર માટે સમયગાળા પર બે વાર ક્લિક કરો, અથવા તે પસંદ કરી “આ સમય લો” દબાવો.</translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation>ગાળો પસંદ કરી “શોધો” દબાવો.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>શોધ ચાલુ છે...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>રદ થઈ રહ્યું છે...</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>શોધ રદ થઈ.</translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation>આ ગાળામાં કોઈ સમય %1 સુધી પહોંચતો નથી.</translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation>%2 દિવસમાં %1 સમયગાળા, %3 s માં મળ્યા.</translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation>પહેલા %1 સમયગાળા બતાવ્યા છે; બાકીના જોવા ગાળો ટૂંકો કરો.</translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation>શોધ ચાલી શકતી નથી: %1</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>શોધ નિષ્ફળ ગઈ: %1</translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation>પહેલાં પ્રથમ પાના પર કાર્ય પસંદ કરો.</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation>પહેલાં મુહૂર્તના સ્થળના અક્ષાંશ અને રેખાંશ લખો.</translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation>શોધ દરેક ક્ષણને વ્યક્તિના જન્મ સાથે સરખાવે છે, અને જન્મ વિગતનું પાનું હજી પૂરું નથી: %1. “આગળ” દબાવી જન્મ વિગતનું પાનું ભરો અને ત્યાં “શુભ સમય શોધો...” વાપરો.</translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation>નામ લખ્યું નથી</translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation>જન્મ તારીખ પસંદ કરી નથી</translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation>જન્મ સ્થળના અક્ષાંશ અને રેખાંશ લખ્યા નથી</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>સાધનો (&amp;T)</translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation>કુંડળી મેળાપ...</translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation>કુંડળી મેળાપ</translation>
    </message>
    <message>
        <source>Groom:</source>
        <translation>વર:</translation>
    </message>
    <message>
        <source>Bride:</source>
        <translation>કન્યા:</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>મેળવો</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>છાપો...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF તરીકે સાચવો...</translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation>RTF નિકાસ...</translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation>Horavela કુંડળી મેળાપ અહેવાલ</translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation>નોંધપોથીમાં બે કરતાં ઓછી વ્યક્તિઓ છે. પહેલાં વર અને કન્યાને નોંધપોથીમાં સાચવો (જન્મ વિગતના પાના પર “વ્યક્તિ સાચવો”, અથવા ફાઇલ &gt; વ્યક્તિઓ અને સ્થળો... &gt; આયાત).</translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation>વર અને કન્યા તરીકે બે જુદી વ્યક્તિઓ પસંદ કરો.</translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation>મેળાપની ગણતરી થઈ શકી નહીં: %1</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation>મેળાપનો અહેવાલ %1 માં સાચવી શકાયો નહીં: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>મહિનો</translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation>મહિનો એક નજરે</translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation>મુહૂર્તનું પાનું ભરો: મુહૂર્તની તારીખનો મહિનો મુહૂર્તના સ્થળ માટે બતાવાય છે.</translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation>મહિનાની ગણતરી થઈ શકી નહીં</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation>%1 %2, %3: %4 માટે શુભ સમય</translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation>%1	%2-%3</translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation>તિથિ અને નક્ષત્ર સૂર્યોદય વખતનાં છે, તેમના પૂરા થવાના સમય સાથે (+1: બીજે દિવસે). ભૂખરા દિવસ: દિવસની કોઈ ઘડીએ શાસ્ત્રીય નિષેધ લાગુ છે.</translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation>ઉદય %1	અસ્ત %2</translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation>રાહુકાળ	%1-%2</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>મહિનો PDF તરીકે સાચવો</translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation>મહિનો %1 માં સાચવી શકાયો નહીં: %2</translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation>સાથી ઉમેરો</translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation>સાથીની જન્મ વિગત</translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation>સમય ઝોન (પૂર્વ +hh:mm)</translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation>સાથી પસંદ કરો...</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation>કૃપા કરી સાથીનું નામ લખો.</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation>કૃપા કરી સાથીના જન્મ સ્થળના અક્ષાંશ અને રેખાંશ લખો.</translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation>સાથીનું જન્મ સ્થળ: %1</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation>કૃપા કરી સાથીનો સમય ઝોન ગ્રીનિચથી પૂર્વમાં કલાક અને મિનિટમાં લખો, જેમ કે +05:30.</translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation>સાથી માટે: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>ફેરફાર (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>પસંદગીઓ (&amp;P)...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>પસંદગીઓ</translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation>પ્રોગ્રામ કેવી રીતે ગણે છે. તમારું પંચાંગ જુદી રીતે ન ગણતું હોય તો આ જેમ છે તેમ રાખો: મૂળ ગોઠવણો પ્રોગ્રામની પોતાની છે.</translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation>એફેમેરિસ (&amp;E):</translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation>સૂર્ય, ચંદ્ર અને લગ્નનાં સ્થાન ક્યાંથી આવે છે. Swiss Ephemeris સાથે નક્ષત્ર અને ચંદ્ર રાશિના ફેરફાર મોટા ભાગનાં પંચાંગ છાપે ત્યાં, થોડી મિનિટ વહેલા, આવે છે.</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>અયનાંશ (&amp;A):</translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation>નિરયન રાશિચક્ર સાયનથી કેટલું ખસેલું છે. તમારું પંચાંગ કે જ્યોતિષી જેનું નામ આપે તે પસંદ કરો; લાહિરી (Lahiri) Indian Astronomical Ephemeris નો અયનાંશ છે.</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>સૂર્યોદય (&amp;S):</translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation>દિવસ ક્યારે શરૂ થાય અને પૂરો થાય. છપાયેલાં પંચાંગ સૂર્યની ઉપલી કિનારી લે છે; ઘણા ભારતીય પ્રોગ્રામ બિંબનું કેન્દ્ર લે છે, જે થોડી મિનિટ મોડું ઊગે અને વહેલું આથમે.</translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation>તારાબળ ગણતરી (&amp;T):</translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation>દિવસનું નક્ષત્ર જન્મ નક્ષત્રથી કેવી રીતે ગણાય છે. શાસ્ત્રીય ગણતરી આગળ ચાલે છે અને જન્મ નક્ષત્રને જ પહેલું ગણે છે.</translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation>Horavela વિશે</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>આવૃત્તિ %1</translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation>વૈદિક મુહૂર્ત જ્યોતિષ: સૂચિત ક્ષણ કોઈ કાર્ય માટે યોગ્ય છે કે નહીં, તે સંબંધિત વ્યક્તિની જન્મ વિગતના આધારે નક્કી કરે છે.</translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation>ગ્રહ સ્થિતિ: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;યુઝર ઇન્ટરફેસ: Qt %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ભાષા (&amp;L)</translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation>આગલી વાર શરૂ થાય ત્યારથી પ્રોગ્રામ %1 માં ચાલશે.</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>જન્મ તારીખ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>જન્મ સમય</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>જન્મ સ્થળ</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>ચંદ્ર રાશિ</translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation>ચંદ્ર રાશિનો સ્વામી</translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation>જન્મ નક્ષત્ર</translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation>જન્મ નક્ષત્રનો સ્વામી</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>લગ્ન</translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation>તિથિ</translation>
    </message>
    <message>
        <source>Birth Yoga</source>
        <translation>યોગ</translation>
    </message>
    <message>
        <source>Half-Lunar Day</source>
        <translation>કરણ</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>વાર</translation>
    </message>
    <message>
        <source>Electional Moon Sign</source>
        <translation>મુહૂર્તની ચંદ્ર રાશિ</translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation>મુહૂર્તની ચંદ્ર રાશિનો સ્વામી</translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation>મુહૂર્તનું નક્ષત્ર</translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation>મુહૂર્તના નક્ષત્રનો સ્વામી</translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation>મુહૂર્તનું લગ્ન</translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation>મુહૂર્તની તિથિ</translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation>મુહૂર્તનો યોગ</translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation>મુહૂર્તનું કરણ</translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation>મુહૂર્તનો વાર</translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation>મુહૂર્તની તારીખ</translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation>મુહૂર્તનો સમય</translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation>મુહૂર્તનું સ્થળ</translation>
    </message>
    <message>
        <source>%1 date %2</source>
        <translation>%1 તારીખ: %2</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>જન્મ</translation>
    </message>
    <message>
        <source>Election</source>
        <translation>મુહૂર્તની</translation>
    </message>
    <message>
        <source>birth</source>
        <translation>જન્મ</translation>
    </message>
    <message>
        <source>election</source>
        <translation>મુહૂર્તની</translation>
    </message>
    <message>
        <source>Election place: %1</source>
        <translation>મુહૂર્તનું સ્થળ: %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 at %4:%5</source>
        <translation>%1 %2 %3, %4:%5</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>સૂ</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>ચં</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>મં</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>બુ</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>ગુ</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>શુ</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>શ</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>રા</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>કે</translation>
    </message>
    <message>
        <source>Rahu kalam</source>
        <translation>રાહુકાળ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>યમગંડ</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>ગુલિક કાળ</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>અભિજિત</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>ચોઘડિયાં</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>હોરા</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>તિથિ</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>નક્ષત્ર</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>યોગ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>કરણ</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>ચંદ્ર રાશિ</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>લગ્ન</translation>
    </message>
    <message>
        <source>Durmuhurtam</source>
        <translation>દુર્મુહૂર્ત</translation>
    </message>
    <message>
        <source>Night kalams</source>
        <translation>રાત્રિના કાળ</translation>
    </message>
    <message>
        <source>Muhurtas</source>
        <translation>મુહૂર્ત</translation>
    </message>
    <message>
        <source>Sandhya</source>
        <translation>સંધ્યા</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>ગોધૂલિ</translation>
    </message>
    <message>
        <source>Pradosh</source>
        <translation>પ્રદોષ</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>ગૌરી</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>વર્જ્ય કાળ</translation>
    </message>
    <message>
        <source>Amrit kalam</source>
        <translation>અમૃત કાળ</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>તારાબળ</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>ચંદ્રબળ</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>ચંદ્રાષ્ટમ</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>સૂર્યોદય</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>સૂર્યાસ્ત</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>પછીનો સૂર્યોદય</translation>
    </message>
    <message>
        <source>    Sunrise %1    Sunset %2    Next sunrise %3</source>
        <translation>    સૂર્યોદય %1    સૂર્યાસ્ત %2    પછીનો સૂર્યોદય %3</translation>
    </message>
    <message>
        <source>Moonrise %1    Moonset %2</source>
        <translation>ચંદ્રોદય %1    ચંદ્રાસ્ત %2</translation>
    </message>
    <message>
        <source>Rasi
%1</source>
        <translation>રાશિ કુંડળી
%1</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>ગ્રહ સ્થિતિ</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ગ્રહ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>સ્થાન</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>લગ્ન</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, આખો દિવસ</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 સુધી</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 %2 થી</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 %2 ના રોજ</translation>
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
        <translation>%1 (પ્રાદેશિક)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>અશુભ</translation>
    </message>
    <message>
        <source>Child Ceremonies</source>
        <translation>બાળકના સંસ્કાર</translation>
    </message>
    <message>
        <source>Naming of The Child or Namakarana</source>
        <translation>બાળકનું નામકરણ</translation>
    </message>
    <message>
        <source>Tonsuring of Head</source>
        <translation>મુંડન (બાબરી)</translation>
    </message>
    <message>
        <source>Piercing of the Ear or Karnavedha</source>
        <translation>કાન વીંધવા (કર્ણવેધ)</translation>
    </message>
    <message>
        <source>Thread Ceremony Or Upanayana</source>
        <translation>જનોઈ (ઉપનયન)</translation>
    </message>
    <message>
        <source>First feeding of Solid Food (Annaprasan)</source>
        <translation>અન્નપ્રાશન</translation>
    </message>
    <message>
        <source>Starting of Education (Aksharabhyasa)</source>
        <translation>વિદ્યારંભ (અક્ષરારંભ)</translation>
    </message>
    <message>
        <source>Adoption of a Child</source>
        <translation>બાળક દત્તક લેવું</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>વિવાહ</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>સગાઈ</translation>
    </message>
    <message>
        <source>First Entrance of the Bride</source>
        <translation>નવવધૂનો ગૃહપ્રવેશ</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>શિક્ષણ</translation>
    </message>
    <message>
        <source>Learning of a Trade</source>
        <translation>હુન્નરની તાલીમ</translation>
    </message>
    <message>
        <source>Learning of any Science</source>
        <translation>કોઈ પણ વિદ્યાનો અભ્યાસ</translation>
    </message>
    <message>
        <source>Learning Dance Or Music</source>
        <translation>નૃત્ય કે સંગીતની તાલીમ</translation>
    </message>
    <message>
        <source>Learning Astrology Or Astronomy</source>
        <translation>જ્યોતિષ કે ખગોળશાસ્ત્રનો અભ્યાસ</translation>
    </message>
    <message>
        <source>Learning Medicine</source>
        <translation>વૈદકશાસ્ત્રનો અભ્યાસ</translation>
    </message>
    <message>
        <source>Learning Grammar, Logic Or Philosophy</source>
        <translation>વ્યાકરણ, ન્યાય કે દર્શનનો અભ્યાસ</translation>
    </message>
    <message>
        <source>Moving Into New Home</source>
        <translation>ગૃહપ્રવેશ</translation>
    </message>
    <message>
        <source>Entering a New House</source>
        <translation>નવા ઘરમાં પ્રવેશ</translation>
    </message>
    <message>
        <source>Entering a Rented House</source>
        <translation>ભાડાના ઘરમાં પ્રવેશ</translation>
    </message>
    <message>
        <source>Start On A New Job</source>
        <translation>નવી નોકરીની શરૂઆત</translation>
    </message>
    <message>
        <source>Start A New Business</source>
        <translation>નવા ધંધાની શરૂઆત</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>યાત્રા</translation>
    </message>
    <message>
        <source>Domestic Journey</source>
        <translation>દેશમાં પ્રવાસ</translation>
    </message>
    <message>
        <source>Religious Journey</source>
        <translation>તીર્થયાત્રા</translation>
    </message>
    <message>
        <source>Foreign Journey</source>
        <translation>વિદેશ યાત્રા</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>બાંધકામ</translation>
    </message>
    <message>
        <source>Laying the Foundation</source>
        <translation>ખાતમુહૂર્ત</translation>
    </message>
    <message>
        <source>Starting the Construction of a House</source>
        <translation>ઘરના બાંધકામની શરૂઆત</translation>
    </message>
    <message>
        <source>Financial Transactions</source>
        <translation>નાણાકીય વ્યવહાર</translation>
    </message>
    <message>
        <source>Lending Money</source>
        <translation>પૈસા ઉધાર આપવા</translation>
    </message>
    <message>
        <source>Borrowing Money</source>
        <translation>પૈસા ઉધાર લેવા</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>કાનૂની કાર્ય</translation>
    </message>
    <message>
        <source>Medical Treatment</source>
        <translation>સારવાર</translation>
    </message>
    <message>
        <source>Starting medical treatment for chronic disease or recurring illness</source>
        <translation>લાંબી કે વારંવાર થતી બીમારીની સારવારની શરૂઆત</translation>
    </message>
    <message>
        <source>Date for operations</source>
        <translation>શસ્ત્રક્રિયાનો દિવસ</translation>
    </message>
    <message>
        <source>Buying and Selling</source>
        <translation>ખરીદ-વેચાણ</translation>
    </message>
    <message>
        <source>Buying Land</source>
        <translation>જમીનની ખરીદી</translation>
    </message>
    <message>
        <source>Selling Land</source>
        <translation>જમીનનું વેચાણ</translation>
    </message>
    <message>
        <source>Buying Item</source>
        <translation>વસ્તુની ખરીદી</translation>
    </message>
    <message>
        <source>Sell Item</source>
        <translation>વસ્તુનું વેચાણ</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>હમણાં ફરી શરૂ કરો</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>પછી</translation>
    </message>
    <message>
        <source>&amp;Native digits</source>
        <translation>ગુજરાતી અંક (&amp;N)</translation>
    </message>
    <message>
        <source>%1 %2 – %3 %4, %5 minutes%6

%7</source>
        <translation>%1 %2 – %3 %4, %5 મિનિટ%6

%7</translation>
    </message>
    <message>
        <source>, among the best of the range</source>
        <translation>, આ ગાળાના શ્રેષ્ઠ સમયોમાંનો એક</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2 (%3, જન્મ %4 %5:%6), સ્થળ %7: %8 %9, %10.</translation>
    </message>
    <message>
        <source>the election place</source>
        <translation>મુહૂર્તનું સ્થળ</translation>
    </message>
    <message>
        <source>zone %1 h %2 min%3 (%4)</source>
        <translation>સમય ઝોન %1 ક %2 મિ%3 (%4)</translation>
    </message>
    <message>
        <source>, DST</source>
        <translation>, DST</translation>
    </message>
    <message>
        <source>%1, follows daylight saving</source>
        <translation>%1, ઉનાળુ સમય (DST) અનુસરે છે</translation>
    </message>
</context>
</TS>
