<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation>ಪ್ರೋಗ್ರಾಂ ಈಗಾಗಲೇ ಚಾಲನೆಯಲ್ಲಿದೆ</translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation>ಮುಹೂರ್ತ ಬೇಕಾದ ಕಾರ್ಯವನ್ನು ಪಟ್ಟಿಯಿಂದ ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation>ಮುಂದುವರಿಯಲು &quot;ಮುಂದೆ&quot; ಒತ್ತಿ</translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation>ಮುಹೂರ್ತ ಶಾಸ್ತ್ರವು ಒಂದು ಕಾರ್ಯವನ್ನು ಆರಂಭಿಸಲು ತಕ್ಕ ಕ್ಷಣವನ್ನು ಹುಡುಕುತ್ತದೆ. ಆ ಕ್ಷಣದ ಆಕಾಶವನ್ನು ಸಂಬಂಧಪಟ್ಟ ವ್ಯಕ್ತಿಯ ಜನ್ಮಕಾಲದ ಆಕಾಶದೊಂದಿಗೆ ತೂಗಿ ನೋಡಲಾಗುತ್ತದೆ: ಚಂದ್ರನ ನಕ್ಷತ್ರ ಮತ್ತು ರಾಶಿ, ಲಗ್ನ, ತಿಥಿ, ವಾರ ಮತ್ತು ವಿಶೇಷ ಯೋಗಗಳು ಎಲ್ಲವೂ ತಮ್ಮ ಪಾಲಿನ ಫಲ ಹೇಳುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation>ಎಡಭಾಗದಲ್ಲಿ ಕಾರ್ಯಗಳ ಗುಂಪನ್ನು ಆರಿಸಿ, ಪಟ್ಟಿಯಲ್ಲಿ ಕಾರ್ಯವನ್ನು ಗುರುತಿಸಿ &quot;ಮುಂದೆ&quot; ಒತ್ತಿ. ನಂತರ ಉದ್ದೇಶಿತ ಸಮಯ ಮತ್ತು ಸ್ಥಳವನ್ನು, ಆಮೇಲೆ ಜನ್ಮ ವಿವರಗಳನ್ನು ನಮೂದಿಸುವಿರಿ.</translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation>ಕಾರ್ಯ: %1</translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation>ಮುಹೂರ್ತದ ವಿವರಗಳನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation>ನೀವು ಪರಿಶೀಲಿಸಬೇಕಾದ ಕ್ಷಣದ ದಿನಾಂಕ, ಗಡಿಯಾರದ ಸಮಯ ಮತ್ತು ಸ್ಥಳವನ್ನು ನಮೂದಿಸಿ. ವಾರವು ದಿನಾಂಕದಿಂದಲೇ ಬರುತ್ತದೆ; ದಿನವನ್ನು ಸೂರ್ಯೋದಯದಿಂದ ಎಣಿಸುವುದಾದರೆ ಮಾತ್ರ ಅದನ್ನು ಬದಲಿಸಿ.</translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation>ಅಕ್ಷಾಂಶ ಮತ್ತು ರೇಖಾಂಶವನ್ನು ಪೂರ್ಣ ಡಿಗ್ರಿ ಮತ್ತು ನಿಮಿಷಗಳಲ್ಲಿ ನೀಡಿ. ಸ್ಥಳದ ಸಮಯ ವಲಯವನ್ನು &quot;ಸಮಯ ವಲಯ ಸಹಾಯ&quot; ಮೂಲಕ ಆರಿಸಿ; ಆಗ ಹಗಲು ಉಳಿತಾಯ ಸಮಯ ಜಾರಿಯಲ್ಲಿದ್ದರೆ DST ಗುರುತಿಸಿ.</translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation>ಜಾತಕರ ಜನ್ಮ ವಿವರಗಳನ್ನು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation>ಯಾರಿಗಾಗಿ ಮುಹೂರ್ತ ಆರಿಸಲಾಗುತ್ತಿದೆಯೋ ಅವರ ಹೆಸರು, ಜನ್ಮ ದಿನಾಂಕ, ಸಮಯ ಮತ್ತು ಸ್ಥಳವನ್ನು ನಮೂದಿಸಿ. ಜನ್ಮ ನಕ್ಷತ್ರವು ಆರಿಸಿದ ಕ್ಷಣದ ತಾರಾಬಲ ಮತ್ತು ಚಂದ್ರಬಲವನ್ನು ನಿರ್ಧರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation>ಎರಡೂ ಕುಂಡಲಿಗಳನ್ನು ಲೆಕ್ಕಹಾಕಿ ಮುಹೂರ್ತವನ್ನು ಪರಿಶೀಲಿಸಲು &quot;ಮುಂದೆ&quot; ಒತ್ತಿ. ಫಲಿತಾಂಶ ಮತ್ತು ಮುದ್ರಿಸಲು ಅಥವಾ ಉಳಿಸಲು ಆಗುವ ವರದಿ ಮೂರು ಟ್ಯಾಬ್‌ಗಳಲ್ಲಿ ಕಾಣಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>ವಾರ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>ಸಮಯ</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>HH/MM/SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ಪುರುಷ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>ಸ್ತ್ರೀ</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>ಜನ್ಮ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>ಜನ್ಮ ವಾರ</translation>
    </message>
    <message>
        <source>Birth Time</source>
        <translation>ಜನ್ಮ ಸಮಯ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>ನಗರ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ದೇಶ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ಡಿಗ್ರಿ</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ಉತ್ತರ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ದಕ್ಷಿಣ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ಪೂರ್ವ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>ಅಕ್ಷಾಂಶ &amp;&amp; ರೇಖಾಂಶ ಹುಡುಕಲು ಇಲ್ಲಿ ಒತ್ತಿ</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ಗಂಟೆ</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>ಸಮಯ ವಲಯ ಸಹಾಯ</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; ಹಿಂದೆ (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>ಮುಂದೆ (&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation>Horavela ಮುಹೂರ್ತ ವಿಶ್ಲೇಷಣೆಯನ್ನು ಸಿದ್ಧಪಡಿಸುತ್ತಿದೆ. ದಯವಿಟ್ಟು ಕಾಯಿರಿ ...</translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation>ಮುಹೂರ್ತ ಫಲಿತಾಂಶ</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>ಜನ್ಮ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation>ಮುಹೂರ್ತದ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation>ಮುಹೂರ್ತ ವಿಶ್ಲೇಷಣೆ</translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation>Horavela ವರದಿ</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>ಸಾರಾಂಶ</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>ಅಂಶ</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>ಫಲ</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>ಅಂಕ</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>ಒಟ್ಟು</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>ಮುದ್ರಿಸು (&amp;P)</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>PDF ಆಗಿ ಉಳಿಸು (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation>RTF ಆಗಿ ಉಳಿಸು (&amp;R)...</translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation>ಕ್ಯಾಲೆಂಡರ್‌ಗೆ ಸೇರಿಸು...</translation>
    </message>
    <message>
        <source>MM:DD:YYYY</source>
        <translation>MM:DD:YYYY</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ಫೈಲ್ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation>ಹೊಸ ಪರಿಶೀಲನೆ (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ನಿರ್ಗಮಿಸು (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ಸಹಾಯ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ಹೊಸ ಆವೃತ್ತಿಗಾಗಿ ಪರಿಶೀಲಿಸಿ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ತಂತ್ರಾಂಶದ ಬಗ್ಗೆ (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>ಮುಚ್ಚು (&amp;Q)</translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation>ಅಕ್ಷರಗಳನ್ನು ಮಾತ್ರ ಸ್ವೀಕರಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation>ಅಂಕೆಗಳನ್ನು ಮಾತ್ರ ಸ್ವೀಕರಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation>ವರ್ಷ 1901 ರಿಂದ 2050 ರವರೆಗೆ ಇರಬೇಕು.</translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation>ತಿಂಗಳು 1 (ಜನವರಿ) ರಿಂದ 12 (ಡಿಸೆಂಬರ್) ರವರೆಗೆ ಇರಬೇಕು.</translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation>ದಿನ 1 ರಿಂದ 31 ರವರೆಗೆ ಇರಬೇಕು.</translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation>ಗಂಟೆ 0 ರಿಂದ 23 ರವರೆಗೆ ಇರಬೇಕು.</translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation>ನಿಮಿಷ 0 ರಿಂದ 59 ರವರೆಗೆ ಇರಬೇಕು.</translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation>ಸೆಕೆಂಡು 0 ರಿಂದ 59 ರವರೆಗೆ ಇರಬೇಕು.</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>ದಯವಿಟ್ಟು ಒಂದು ಕಾರ್ಯವನ್ನು ಆರಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>ದಯವಿಟ್ಟು ನಿಮ್ಮ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಡಿಗ್ರಿ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ನಿಮಿಷ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಡಿಗ್ರಿ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ನಿಮಿಷ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation>ದಯವಿಟ್ಟು ಜನ್ಮ ದಿನಾಂಕ ಆರಿಸಿ</translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation>ಜನನ (%1) ಮುಹೂರ್ತದ ಕ್ಷಣಕ್ಕಿಂತ (%2) ನಂತರದ್ದಾಗಿದೆ. ಈಗಾಗಲೇ ಜನಿಸಿದವರಿಗೆ ಮಾತ್ರ ಮುಹೂರ್ತ ಪರಿಶೀಲಿಸಬಹುದು: ಜನ್ಮ ದಿನಾಂಕ ಅಥವಾ ಮುಹೂರ್ತದ ದಿನಾಂಕವನ್ನು ಸರಿಪಡಿಸಿ.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ದಯವಿಟ್ಟು ನಗರ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ದಯವಿಟ್ಟು ರಾಜ್ಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ದಯವಿಟ್ಟು ದೇಶ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation>ಅಕ್ಷಾಂಶದ ಡಿಗ್ರಿ 0 ಮತ್ತು 90 ರ ನಡುವೆ ಇರಬೇಕು</translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation>ಅಕ್ಷಾಂಶದ ನಿಮಿಷ 0 ಮತ್ತು 59 ರ ನಡುವೆ ಇರಬೇಕು</translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation>ಅಕ್ಷಾಂಶ 90 ಡಿಗ್ರಿ ಮೀರಬಾರದು: 90 ಡಿಗ್ರಿಯಲ್ಲಿ ನಿಮಿಷ 0 ಆಗಿರಬೇಕು</translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation>ರೇಖಾಂಶದ ಡಿಗ್ರಿ 0 ಮತ್ತು 180 ರ ನಡುವೆ ಇರಬೇಕು</translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation>ರೇಖಾಂಶದ ನಿಮಿಷ 0 ಮತ್ತು 59 ರ ನಡುವೆ ಇರಬೇಕು</translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation>ರೇಖಾಂಶ 180 ಡಿಗ್ರಿ ಮೀರಬಾರದು: 180 ಡಿಗ್ರಿಯಲ್ಲಿ ನಿಮಿಷ 0 ಆಗಿರಬೇಕು</translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation> ಅಕ್ಷಾಂಶ ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation>ಆಫ್‌ಲೈನ್ ಅಟ್ಲಾಸ್‌ನಲ್ಲಿ &quot;%1&quot; ಹೆಸರಿನ ಈ ಸ್ಥಳಗಳಿವೆ. ಅಕ್ಷಾಂಶ, ರೇಖಾಂಶ ಮತ್ತು ಸಮಯ ವಲಯವನ್ನು ತುಂಬಲು ಒಂದನ್ನು ಆರಿಸಿ, ಅಥವಾ ಅಂತರ್ಜಾಲದಲ್ಲಿ ಹುಡುಕಿ.</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>ಈ ಸ್ಥಳ ಬಳಸು (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>ಅಂತರ್ಜಾಲದಲ್ಲಿ ಹುಡುಕು (&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಮಾಡು</translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation>ಅಂತರ್ಜಾಲ ಹುಡುಕಾಟವನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ: ಈ ಗಣಕದಲ್ಲಿ ವೆಬ್ ಬ್ರೌಸರ್ ಇಲ್ಲ. &quot;%1&quot; ಅನ್ನು ನೀವೇ ಹುಡುಕಿ, ಅಥವಾ ನಗರದಲ್ಲಿ ಹೆಸರನ್ನು ಬರೆದು ಆಫ್‌ಲೈನ್ ಅಟ್ಲಾಸ್‌ನಿಂದ ಸ್ಥಳವನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation>%1 ಪುಟವನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ: ಈ ಗಣಕದಲ್ಲಿ ವೆಬ್ ಬ್ರೌಸರ್ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>ಯಾವುದೇ ಮುದ್ರಕ ಲಭ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation>ಬದಲಿಗೆ ವರದಿಯನ್ನು PDF ಫೈಲ್ ಆಗಿ ಉಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>ವರದಿಯನ್ನು %1 ಗೆ ಉಳಿಸಲಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>ವರದಿಯನ್ನು ಮುದ್ರಿಸಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>ವರದಿಯನ್ನು PDF ಆಗಿ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation>ವರದಿಯನ್ನು RTF ಆಗಿ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ಫೈಲ್‌ಗಳು (*.pdf)</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>ರಿಚ್ ಟೆಕ್ಸ್ಟ್ ಫೈಲ್‌ಗಳು (*.rtf)</translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation>ಮುಹೂರ್ತವನ್ನು ಕ್ಯಾಲೆಂಡರ್ ಘಟನೆಯಾಗಿ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ಫೈಲ್‌ಗಳು (*.ics)</translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation>ಕ್ಯಾಲೆಂಡರ್ ಫೈಲ್ ಅನ್ನು %1 ಗೆ ಉಳಿಸಲಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation>ಪರಿಶೀಲನೆ ಪೂರ್ಣಗೊಳ್ಳಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation>%1, %2 (ಮೊದಲನೆಯ %3)</translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation>%1, %2 (ಎರಡನೆಯ %3)</translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation>%1: %2 ಎಂಬ ಸಮಯ ಇರಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation>%1: %2 ಎರಡು ಬಾರಿ ಬಂದಿತು</translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation>%1: ದಿನಾಂಕ ಆರಿಸಿ</translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation>ಅಟ್ಲಾಸ್‌ನಿಂದ: %1</translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation>ಕೈಯಾರೆ ನಮೂದಿಸಿದ ಅಕ್ಷಾಂಶ-ರೇಖಾಂಶ, ಅಟ್ಲಾಸ್‌ನಿಂದಲ್ಲ</translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation>ಅಟ್ಲಾಸ್‌ನಲ್ಲಿ ಒಂದೇ ನಗರ ಸಿಗಲಿಲ್ಲ: ಅಕ್ಷಾಂಶ-ರೇಖಾಂಶ ಮತ್ತು ವಲಯ ನಮೂದಿಸಿ, ಅಥವಾ ರಾಜ್ಯ ಮತ್ತು ದೇಶ ನಮೂದಿಸಿ ಮೇಲಿನದನ್ನು ಒತ್ತಿ</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation>ಅಟ್ಲಾಸ್‌ಗೆ &quot;%1&quot; ಒಂದೇ ನಗರವಾಗಿ ತಿಳಿದಿಲ್ಲ, ಆದ್ದರಿಂದ %2 ರ ಅಕ್ಷಾಂಶ-ರೇಖಾಂಶ ಮತ್ತು ವಲಯವನ್ನು ತೆರವುಗೊಳಿಸಲಾಗಿದೆ. %1 ರ ಅಕ್ಷಾಂಶ-ರೇಖಾಂಶ ನಮೂದಿಸಿ &quot;ಸಮಯ ವಲಯ ಸಹಾಯ&quot; ದಿಂದ ವಲಯ ಆರಿಸಿ, ಅಥವಾ ರಾಜ್ಯ ಮತ್ತು ದೇಶ ನಮೂದಿಸಿ &quot;ಅಕ್ಷಾಂಶ &amp; ರೇಖಾಂಶ ಹುಡುಕಲು ಇಲ್ಲಿ ಒತ್ತಿ&quot; ಬಳಸಿ.</translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation>ಅಟ್ಲಾಸ್‌ನಲ್ಲಿ ಒಂದೇ ನಗರ ಸಿಗಲಿಲ್ಲ: ಅದರ ಅಕ್ಷಾಂಶ-ರೇಖಾಂಶ ಮತ್ತು ವಲಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation>ಅಟ್ಲಾಸ್‌ಗೆ &quot;%1&quot; ಒಂದೇ ನಗರವಾಗಿ ತಿಳಿದಿಲ್ಲ, ಆದ್ದರಿಂದ %2 ರ ಅಕ್ಷಾಂಶ-ರೇಖಾಂಶ ಮತ್ತು ವಲಯವನ್ನು ತೆರವುಗೊಳಿಸಲಾಗಿದೆ. %1 ರ ಅಕ್ಷಾಂಶ-ರೇಖಾಂಶ ಮತ್ತು ವಲಯವನ್ನು ನಮೂದಿಸಿ.</translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation>%2 ರಲ್ಲಿ %1 ಎಂಬ ಗಡಿಯಾರದ ಸಮಯ ಇರಲಿಲ್ಲ: ಗಡಿಯಾರವನ್ನು %3 ರಿಂದ %4 ಕ್ಕೆ ಮುಂದಕ್ಕೆ ಸರಿಸಲಾಗಿತ್ತು. ಸಮಯವನ್ನು ಸರಿಪಡಿಸಿ, ಅಥವಾ &quot;ಸಮಯ ವಲಯ ಸಹಾಯ&quot; ದಿಂದ ವಲಯವನ್ನು ನೀವೇ ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation>%2 ರಲ್ಲಿ %1 ಎಂಬ ಗಡಿಯಾರದ ಸಮಯ ಎರಡು ಬಾರಿ ಬಂದಿತು: ಮೊದಲು %3 ಕ್ಕೆ, ಗಡಿಯಾರವನ್ನು ಹಿಂದಕ್ಕೆ ಸರಿಸಿದ ನಂತರ ಮತ್ತೆ %4 ಕ್ಕೆ.</translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation>ಅದು ಮೊದಲನೆಯದೇ, %1 ಕ್ಕೆ?</translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation>ಅದು ಎರಡನೆಯದೇ, %1 ಕ್ಕೆ?</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation>%2 ರಲ್ಲಿ %1 ಎಂಬ ಗಡಿಯಾರದ ಸಮಯ ಎರಡು ಬಾರಿ ಬಂದಿತು. ಎರಡರಲ್ಲಿ ಯಾವುದು ಎಂದು ತಿಳಿಸಿ, ಅಥವಾ ಸಮಯವನ್ನು ಸರಿಪಡಿಸಿ.</translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation>%2 ರ ಸಮಯ ವಲಯ %1 ಈ ಗಣಕದ ಸಮಯ ವಲಯ ದತ್ತಾಂಶದಲ್ಲಿ ಇಲ್ಲ. &quot;ಸಮಯ ವಲಯ ಸಹಾಯ&quot; ದಿಂದ ವಲಯವನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation>ವ್ಯಕ್ತಿಯನ್ನು ಆರಿಸಿ...</translation>
    </message>
    <message>
        <source>Save person</source>
        <translation>ವ್ಯಕ್ತಿಯನ್ನು ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation>ಸ್ಥಳ ಆರಿಸಿ...</translation>
    </message>
    <message>
        <source>Save place</source>
        <translation>ಸ್ಥಳ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation>ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳು...</translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation>ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳ ಪುಸ್ತಕವನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ: %1

Horavela ಅದಿಲ್ಲದೆಯೇ ಮುಂದುವರಿಯುತ್ತದೆ; ಪ್ರೋಗ್ರಾಂ ಮತ್ತೆ ಆರಂಭವಾಗುವವರೆಗೆ ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳನ್ನು ಉಳಿಸಲು ಅಥವಾ ಆರಿಸಲು ಆಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation>ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳ ಪುಸ್ತಕ ಲಭ್ಯವಿಲ್ಲ: %1</translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation>ಪುಸ್ತಕವನ್ನು ಬದಲಿಸಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation>%1 ಬಗ್ಗೆ ಒಂದು ಟಿಪ್ಪಣಿ (ಐಚ್ಛಿಕ):</translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation>%1 (ಜನನ %2) ಪುಸ್ತಕದಲ್ಲಿ ಉಳಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation>%1 (ಜನನ %2) ಈಗಾಗಲೇ ಪುಸ್ತಕದಲ್ಲಿದೆ.</translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation>%1 ಪುಸ್ತಕದಲ್ಲಿ ಉಳಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation>%1 ಈಗಾಗಲೇ ಪುಸ್ತಕದಲ್ಲಿದೆ.</translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation>ವ್ಯಕ್ತಿಯನ್ನು ಆರಿಸಿ</translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation>ಸ್ಥಳವನ್ನು ಆರಿಸಿ</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>ಹೆಸರಿನಿಂದ ಹುಡುಕಿ</translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation>ನಗರದಿಂದ ಹುಡುಕಿ</translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation>ಪುಸ್ತಕದಲ್ಲಿ ಇನ್ನೂ ಯಾವ ವ್ಯಕ್ತಿಯೂ ಇಲ್ಲ. ಜನ್ಮ ಪುಟವನ್ನು ತುಂಬಿ &quot;ವ್ಯಕ್ತಿಯನ್ನು ಉಳಿಸಿ&quot; ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation>ಪುಸ್ತಕದಲ್ಲಿ ಇನ್ನೂ ಯಾವ ಸ್ಥಳವೂ ಇಲ್ಲ. ಮುಹೂರ್ತ ಪುಟವನ್ನು ತುಂಬಿ &quot;ಸ್ಥಳ ಉಳಿಸಿ&quot; ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>ಜನನ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>ಅಕ್ಷಾಂಶ-ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>People and places</source>
        <translation>ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳು</translation>
    </message>
    <message>
        <source>People</source>
        <translation>ವ್ಯಕ್ತಿಗಳು</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>ಸ್ಥಳಗಳು</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ಹುಡುಕಿ</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>ತಿದ್ದು (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ಅಳಿಸು (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>ಆಮದು (&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>ರಫ್ತು (&amp;X)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation>ಮೊದಲು ಪಟ್ಟಿಯಲ್ಲಿ ಒಂದನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation>%1 (ಜನನ %2) ಅಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 ಅಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation>ಈ ನಮೂದು ಪುಸ್ತಕದಿಂದ ಶಾಶ್ವತವಾಗಿ ಅಳಿಸಿಹೋಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation>ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳನ್ನು ಆಮದು ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation>ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳನ್ನು ರಫ್ತು ಮಾಡಿ</translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation>horavela-book.json</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON ಫೈಲ್‌ಗಳು (*.json);;ಎಲ್ಲ ಫೈಲ್‌ಗಳು (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>%1 ಫೈಲ್ ಅನ್ನು ಓದಲಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation>%1 ಫೈಲ್ ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳ ಪುಸ್ತಕವಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation>%1 ರಿಂದ ಆಮದು: %2 ಸೇರಿಸಲಾಗಿದೆ, ಈಗಾಗಲೇ ಪುಸ್ತಕದಲ್ಲಿದ್ದ %3 ಬಿಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>%1 ರಿಂದ ಏನೂ ಆಮದಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation>%1 ವ್ಯಕ್ತಿಗಳು ಮತ್ತು %2 ಸ್ಥಳಗಳನ್ನು %3 ಗೆ ರಫ್ತು ಮಾಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation>ಪುಸ್ತಕವನ್ನು %1 ಗೆ ರಫ್ತು ಮಾಡಲಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation>ವ್ಯಕ್ತಿಯನ್ನು ತಿದ್ದಿ</translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation>ಸ್ಥಳವನ್ನು ತಿದ್ದಿ</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>ಲಿಂಗ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ಟಿಪ್ಪಣಿ</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>ವಲಯ</translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation>ಅಟ್ಲಾಸ್‌ನ ವಲಯ %1 ಅನ್ನು ಅನುಸರಿಸುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation>ದಯವಿಟ್ಟು ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation>ದಯವಿಟ್ಟು ನಗರ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>ದಿನ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>ನೋಟ (&amp;V)</translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation>ದಿನ ಒಂದು ನೋಟದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation>ಮೊದಲು ಮುಹೂರ್ತ ಸ್ಥಳದ ಅಕ್ಷಾಂಶ ಮತ್ತು ರೇಖಾಂಶ ನಮೂದಿಸಿ: ದಿನದ ನೋಟವನ್ನು ಮುಹೂರ್ತದ ದಿನಾಂಕ ಮತ್ತು ಸ್ಥಳಕ್ಕೆ ಲೆಕ್ಕಹಾಕಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation>ದಿನವನ್ನು ಲೆಕ್ಕಹಾಕಲಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation>ಮುಹೂರ್ತ ಪುಟವನ್ನು ತುಂಬಿ, ನಂತರ ನೋಟ &gt; ದಿನ ಒಂದು ನೋಟದಲ್ಲಿ ಆರಿಸಿ, ಅಥವಾ ಒಂದು ಮುಹೂರ್ತವನ್ನು ಪರಿಶೀಲಿಸಿ.</translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation>ಆ ದಿನ ಜಾರಿಯಲ್ಲಿರುವ ಸಂಪ್ರದಾಯದ ನಿಷೇಧಗಳು:</translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation>ಆ ದಿನ ಸಂಪ್ರದಾಯದ ಯಾವ ನಿಷೇಧವೂ ಜಾರಿಯಲ್ಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ಧ್ರುವ ಹಗಲು: ಈ ದಿನ ಸೂರ್ಯ ಅಸ್ತಮಿಸುವುದಿಲ್ಲ, ಆದ್ದರಿಂದ ಕಾಲಗಳು, ಅಭಿಜಿತ್, ಚೌಘಡಿಯಾ ಮತ್ತು ಹೋರಾ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ಧ್ರುವ ರಾತ್ರಿ: ಈ ದಿನ ಸೂರ್ಯ ಉದಯಿಸುವುದಿಲ್ಲ, ಆದ್ದರಿಂದ ಕಾಲಗಳು, ಅಭಿಜಿತ್, ಚೌಘಡಿಯಾ ಮತ್ತು ಹೋರಾ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ಈ ದಿನ ಸೂರ್ಯ ಉದಯಿಸಿ ಮತ್ತೆ ಅಸ್ತಮಿಸುವುದಿಲ್ಲ, ಆದ್ದರಿಂದ ಕಾಲಗಳು, ಅಭಿಜಿತ್, ಚೌಘಡಿಯಾ ಮತ್ತು ಹೋರಾ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ಈ ದಿನ ಸೂರ್ಯ ಉದಯಿಸದೆಯೇ ಅಸ್ತಮಿಸುತ್ತಾನೆ: ಅವನ ಹಗಲು ಹಿಂದಿನ ದಿನಾಂಕದಲ್ಲೇ ಆರಂಭವಾಗಿತ್ತು, ಆದ್ದರಿಂದ ಕಾಲಗಳು, ಅಭಿಜಿತ್, ಚೌಘಡಿಯಾ ಮತ್ತು ಹೋರಾ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation>ಮರುದಿನ ಸೂರ್ಯ ಮತ್ತೆ ಉದಯಿಸುವುದಿಲ್ಲ: ಹಗಲಿಗೆ ಕಾಲಗಳು, ಅಭಿಜಿತ್, ಚೌಘಡಿಯಾ ಮತ್ತು ಹೋರಾ ಇವೆ, ರಾತ್ರಿಗೆ ಯಾವುದೂ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation>ಬುಧವಾರ ಪಾಲಿಸುವುದಿಲ್ಲ: ಪಂಚಾಂಗಗಳು ಆ ದಿನ ಅಭಿಜಿತ್ ಮುಹೂರ್ತವನ್ನು ಬಿಟ್ಟುಬಿಡುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation>%1 ತಾರೆ, %2 (ಜನ್ಮ ನಕ್ಷತ್ರ %3 ರಿಂದ)</translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation>%1 (ಜನ್ಮ ರಾಶಿ %2 ರಿಂದ)</translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation>ಚಂದ್ರಾಷ್ಟಮ: ಜನ್ಮ ರಾಶಿ %1 ರಿಂದ ಎಂಟನೆಯ ರಾಶಿಯಲ್ಲಿ ಚಂದ್ರ; ಹೊಸ ಕಾರ್ಯ ಆರಂಭಿಸಬಾರದೆಂದು ಪಂಚಾಂಗಗಳು ಎಚ್ಚರಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>ದಕ್ಷಿಣ ಭಾರತೀಯ</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>ಉತ್ತರ ಭಾರತೀಯ</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>ಕುಂಡಲಿ ಶೈಲಿ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ಮುದ್ರಿಸು</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF ಆಗಿ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNG ಆಗಿ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation>ದಿನವನ್ನು PDF ಆಗಿ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation>ದಿನವನ್ನು PNG ಆಗಿ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG ಚಿತ್ರಗಳು (*.png)</translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation>ದಿನವನ್ನು %1 ಗೆ ಉಳಿಸಲಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation>ಶುಭ ಸಮಯಗಳನ್ನು ಹುಡುಕಿ...</translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation>ಶುಭ ಸಮಯಗಳನ್ನು ಹುಡುಕಿ</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>ಇಂದ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>ವರೆಗೆ (&amp;T)</translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation>ಕನಿಷ್ಠ (&amp;L)</translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation>ಒಟ್ಟು ಕನಿಷ್ಠ</translation>
    </message>
    <message>
        <source>any</source>
        <translation>ಯಾವುದಾದರೂ</translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation>ರಾಹು ಕಾಲ ಬಿಟ್ಟುಬಿಡಿ</translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation>ಯಮಗಂಡ ಕಾಲ ಬಿಟ್ಟುಬಿಡಿ</translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation>ಗುಳಿಕ ಕಾಲ ಬಿಟ್ಟುಬಿಡಿ</translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation>ಸಂಪ್ರದಾಯದ ನಿಷೇಧಗಳು ಮತ್ತು ಪಂಚಾಂಗ ಶುದ್ಧಿಯನ್ನು ಪಾಲಿಸಿ</translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation>ಪ್ರಾದೇಶಿಕ ನಿಷೇಧಗಳನ್ನೂ (ಹೋಳಾಷ್ಟಕ, ಪಿತೃ ಪಕ್ಷ)</translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation>ಸಂಪ್ರದಾಯವು %2 ದಿನಗಳಲ್ಲಿ %1 ದಿನಗಳನ್ನು ನಿಷೇಧಿಸುತ್ತದೆ</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ಮತ್ತು ಇನ್ನೂ %1</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV ರಫ್ತು...</translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation>ಅವಧಿಗಳನ್ನು CSV ಆಗಿ ರಫ್ತು ಮಾಡಿ</translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation>windows.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ಫೈಲ್‌ಗಳು (*.csv)</translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation>ಅವಧಿಗಳನ್ನು ರಫ್ತು ಮಾಡಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>ಅವಧಿಗಳನ್ನು ಕ್ಯಾಲೆಂಡರ್ ಘಟನೆಗಳಾಗಿ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>windows.ics</source>
        <translation>windows.ics</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>ಫಲಿತಾಂಶ</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>ಅಂಶಗಳು</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>ನಿಮಿಷಗಳು</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>ಹುಡುಕು (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ರದ್ದುಮಾಡು (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation>ಈ ಸಮಯ ಬಳಸು (&amp;U)</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>ಶುಭ</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>ಮಧ್ಯಮ</translation>
    </message>
    <message>
        <source>Click a day to show its first window; under each day, the total of its best window. The list runs in time order (click a column&apos;s title to sort by it); the ten best windows are in bold. Double-click a window, or select it and press &quot;Use this time&quot;, to judge it in full.</source>
        <translation>ಒಂದು ದಿನವನ್ನು ಒತ್ತಿದರೆ ಅದರ ಮೊದಲ ಅವಧಿ ಕಾಣುತ್ತದೆ; ಪ್ರತಿ ದಿನದ ಕೆಳಗೆ ಅದರ ಅತ್ಯುತ್ತಮ ಅವಧಿಯ ಒಟ್ಟು ಇದೆ. ಪಟ್ಟಿ ಸಮಯದ ಕ್ರಮದಲ್ಲಿದೆ (ಕಾಲಮ್‌ನ ಶೀರ್ಷಿಕೆಯನ್ನು ಒತ್ತಿದರೆ ಅದರಂತೆ ವಿಂಗಡಿಸುತ್ತದೆ); ಅತ್ಯುತ್ತಮ ಹತ್ತು ಅವಧಿಗಳು ದಪ್ಪ ಅಕ್ಷರದಲ್ಲಿವೆ. ಒಂದು ಅವಧಿಯನ್ನು ಪೂರ್ಣವಾಗಿ ಪರಿಶೀಲಿಸಲು ಅದನ್ನು ಎರಡು ಬಾರಿ ಒತ್ತಿ, ಅಥವಾ ಆರಿಸಿ &quot;ಈ ಸಮಯ ಬಳಸು&quot; ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation>ದಿನಾಂಕಗಳ ವ್ಯಾಪ್ತಿಯನ್ನು ಆರಿಸಿ &quot;ಹುಡುಕು&quot; ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>ಹುಡುಕಲಾಗುತ್ತಿದೆ...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>ರದ್ದುಗೊಳಿಸಲಾಗುತ್ತಿದೆ...</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>ಹುಡುಕಾಟ ರದ್ದಾಯಿತು.</translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation>ಈ ವ್ಯಾಪ್ತಿಯಲ್ಲಿ ಯಾವ ಸಮಯವೂ %1 ತಲುಪುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation>%2 ದಿನಗಳಲ್ಲಿ %1 ಅವಧಿಗಳು ಸಿಕ್ಕವು (%3 s).</translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation>ಮೊದಲ %1 ಅವಧಿಗಳನ್ನು ತೋರಿಸಲಾಗಿದೆ; ಉಳಿದವನ್ನು ನೋಡಲು ವ್ಯಾಪ್ತಿಯನ್ನು ಕಿರಿದಾಗಿಸಿ.</translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation>ಹುಡುಕಾಟ ನಡೆಸಲಾಗದು: %1</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>ಹುಡುಕಾಟ ವಿಫಲವಾಯಿತು: %1</translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation>ಮೊದಲು ಮೊದಲ ಪುಟದಲ್ಲಿ ಕಾರ್ಯವನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation>ಮೊದಲು ಮುಹೂರ್ತ ಸ್ಥಳದ ಅಕ್ಷಾಂಶ ಮತ್ತು ರೇಖಾಂಶ ನಮೂದಿಸಿ.</translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation>ಹುಡುಕಾಟವು ಪ್ರತಿ ಕ್ಷಣವನ್ನೂ ವ್ಯಕ್ತಿಯ ಜನ್ಮದೊಂದಿಗೆ ಹೋಲಿಸಿ ಪರಿಶೀಲಿಸುತ್ತದೆ, ಆದರೆ ಜನ್ಮ ಪುಟ ಇನ್ನೂ ಪೂರ್ಣವಾಗಿಲ್ಲ: %1. &quot;ಮುಂದೆ&quot; ಒತ್ತಿ, ಜನ್ಮ ಪುಟವನ್ನು ತುಂಬಿ ಅಲ್ಲಿ &quot;ಶುಭ ಸಮಯಗಳನ್ನು ಹುಡುಕಿ...&quot; ಬಳಸಿ.</translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation>ಹೆಸರು ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation>ಜನ್ಮ ದಿನಾಂಕ ಆರಿಸಿಲ್ಲ</translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation>ಜನ್ಮಸ್ಥಳದ ಅಕ್ಷಾಂಶ ಮತ್ತು ರೇಖಾಂಶ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ಉಪಕರಣಗಳು (&amp;T)</translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation>ಜಾತಕ ಹೊಂದಾಣಿಕೆ...</translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation>ಜಾತಕ ಹೊಂದಾಣಿಕೆ</translation>
    </message>
    <message>
        <source>Groom:</source>
        <translation>ವರ:</translation>
    </message>
    <message>
        <source>Bride:</source>
        <translation>ವಧು:</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>ಹೊಂದಿಸು</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>ಮುದ್ರಿಸು...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF ಆಗಿ ಉಳಿಸು...</translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation>RTF ರಫ್ತು...</translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation>Horavela ಜಾತಕ ಹೊಂದಾಣಿಕೆ ವರದಿ</translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation>ಪುಸ್ತಕದಲ್ಲಿ ಇಬ್ಬರಿಗಿಂತ ಕಡಿಮೆ ವ್ಯಕ್ತಿಗಳಿದ್ದಾರೆ. ಮೊದಲು ವರ ಮತ್ತು ವಧುವನ್ನು ಪುಸ್ತಕದಲ್ಲಿ ಉಳಿಸಿ (ಜನ್ಮ ಪುಟದಲ್ಲಿ &quot;ವ್ಯಕ್ತಿಯನ್ನು ಉಳಿಸಿ&quot;, ಅಥವಾ ಫೈಲ್ &gt; ವ್ಯಕ್ತಿಗಳು ಮತ್ತು ಸ್ಥಳಗಳು... &gt; ಆಮದು).</translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation>ವರ ಮತ್ತು ವಧುವಾಗಿ ಬೇರೆ ಬೇರೆ ವ್ಯಕ್ತಿಗಳನ್ನು ಆರಿಸಿ.</translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation>ಹೊಂದಾಣಿಕೆಯನ್ನು ಲೆಕ್ಕಹಾಕಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation>ಹೊಂದಾಣಿಕೆ ವರದಿಯನ್ನು %1 ಗೆ ಉಳಿಸಲಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation>ತಿಂಗಳು ಒಂದು ನೋಟದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation>ಮುಹೂರ್ತ ಪುಟವನ್ನು ತುಂಬಿ: ಮುಹೂರ್ತದ ದಿನಾಂಕದ ತಿಂಗಳನ್ನು ಮುಹೂರ್ತ ಸ್ಥಳಕ್ಕೆ ತೋರಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation>ತಿಂಗಳನ್ನು ಲೆಕ್ಕಹಾಕಲಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation>%1 %2, %3 — %4 ಕ್ಕೆ ಶುಭ ಸಮಯಗಳು</translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation>%1	%2-%3</translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation>ತಿಥಿ ಮತ್ತು ನಕ್ಷತ್ರ ಸೂರ್ಯೋದಯದಲ್ಲಿ ಇರುವವು, ಅವು ಮುಗಿಯುವ ಸಮಯದೊಂದಿಗೆ (+1: ಮರುದಿನ). ಬೂದು ಬಣ್ಣದ ದಿನಗಳು: ಆ ದಿನದ ಯಾವುದೋ ನಿಮಿಷದಲ್ಲಿ ಸಂಪ್ರದಾಯದ ನಿಷೇಧ ಜಾರಿಯಲ್ಲಿದೆ.</translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation>ಉದಯ %1	ಅಸ್ತ %2</translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation>ರಾಹು ಕಾಲ	%1-%2</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>ತಿಂಗಳನ್ನು PDF ಆಗಿ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation>ತಿಂಗಳನ್ನು %1 ಗೆ ಉಳಿಸಲಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation>ಸಂಗಾತಿಯನ್ನು ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation>ಸಂಗಾತಿಯ ಜನ್ಮ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation>ವಲಯ (ಪೂರ್ವ +hh:mm)</translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation>ಸಂಗಾತಿಯನ್ನು ಆರಿಸಿ...</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation>ದಯವಿಟ್ಟು ಸಂಗಾತಿಯ ಹೆಸರು ನಮೂದಿಸಿ.</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation>ದಯವಿಟ್ಟು ಸಂಗಾತಿಯ ಜನ್ಮಸ್ಥಳದ ಅಕ್ಷಾಂಶ ಮತ್ತು ರೇಖಾಂಶ ನಮೂದಿಸಿ.</translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation>ಸಂಗಾತಿಯ ಜನ್ಮಸ್ಥಳ: %1</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation>ದಯವಿಟ್ಟು ಸಂಗಾತಿಯ ವಲಯವನ್ನು ಗ್ರೀನ್‌ವಿಚ್‌ನಿಂದ ಪೂರ್ವಕ್ಕೆ ಗಂಟೆ ಮತ್ತು ನಿಮಿಷಗಳಲ್ಲಿ ನಮೂದಿಸಿ, ಉದಾ. +05:30.</translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation>ಸಂಗಾತಿಗೆ: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>ತಿದ್ದು (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>ಆದ್ಯತೆಗಳು (&amp;P)...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>ಆದ್ಯತೆಗಳು</translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation>ಪ್ರೋಗ್ರಾಂ ಹೇಗೆ ಲೆಕ್ಕಹಾಕುತ್ತದೆ ಮತ್ತು ಎಣಿಸುತ್ತದೆ. ನಿಮ್ಮ ಪಂಚಾಂಗ ಬೇರೆ ರೀತಿ ಲೆಕ್ಕಿಸದಿದ್ದರೆ ಇವನ್ನು ಹಾಗೆಯೇ ಬಿಡಿ: ಮೂಲ ಆಯ್ಕೆಗಳು ಪ್ರೋಗ್ರಾಂನದೇ.</translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation>ಎಫೆಮೆರಿಸ್ (&amp;E):</translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation>ಸೂರ್ಯ, ಚಂದ್ರ ಮತ್ತು ಲಗ್ನದ ಸ್ಥಾನಗಳು ಎಲ್ಲಿಂದ ಬರುತ್ತವೆ. Swiss Ephemeris ಬಳಸಿದರೆ ನಕ್ಷತ್ರ ಮತ್ತು ಚಂದ್ರ ರಾಶಿಯ ಬದಲಾವಣೆಗಳು ಹೆಚ್ಚಿನ ಪಂಚಾಂಗಗಳು ಮುದ್ರಿಸುವಲ್ಲಿಯೇ, ಕೆಲವು ನಿಮಿಷ ಮುಂಚೆ, ಬೀಳುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>ಅಯನಾಂಶ (&amp;A):</translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation>ನಿರಯಣ ರಾಶಿಚಕ್ರವು ಸಾಯನ ರಾಶಿಚಕ್ರದಿಂದ ಎಷ್ಟು ದೂರವಿದೆ. ನಿಮ್ಮ ಪಂಚಾಂಗ ಅಥವಾ ಜ್ಯೋತಿಷಿ ಹೇಳುವುದನ್ನು ಆರಿಸಿ; ಲಾಹಿರಿ ಎಂಬುದು Indian Astronomical Ephemeris ಬಳಸುವ ಅಯನಾಂಶ.</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>ಸೂರ್ಯೋದಯ (&amp;S):</translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation>ದಿನ ಯಾವಾಗ ಆರಂಭವಾಗಿ ಮುಗಿಯುತ್ತದೆ. ಪ್ರಕಟಿತ ಪಂಚಾಂಗಗಳು ಸೂರ್ಯಬಿಂಬದ ಮೇಲಂಚನ್ನು ತೆಗೆದುಕೊಳ್ಳುತ್ತವೆ; ಅನೇಕ ಭಾರತೀಯ ಪ್ರೋಗ್ರಾಂಗಳು ಬಿಂಬದ ಕೇಂದ್ರವನ್ನು ತೆಗೆದುಕೊಳ್ಳುತ್ತವೆ, ಅದು ಕೆಲವು ನಿಮಿಷ ತಡವಾಗಿ ಉದಯಿಸಿ ಬೇಗ ಅಸ್ತಮಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation>ತಾರಾಬಲ ಎಣಿಕೆ (&amp;T):</translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation>ದಿನದ ನಕ್ಷತ್ರವನ್ನು ಜನ್ಮ ನಕ್ಷತ್ರದಿಂದ ಹೇಗೆ ಎಣಿಸಲಾಗುತ್ತದೆ. ಶಾಸ್ತ್ರೀಯ ಎಣಿಕೆ ಮುಂದಕ್ಕೆ ಸಾಗುತ್ತದೆ ಮತ್ತು ಜನ್ಮ ನಕ್ಷತ್ರವನ್ನೇ ಮೊದಲನೆಯದಾಗಿ ಎಣಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation>Horavela ಬಗ್ಗೆ</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>ಆವೃತ್ತಿ %1</translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation>ವೈದಿಕ ಮುಹೂರ್ತ ಜ್ಯೋತಿಷ: ಉದ್ದೇಶಿತ ಕ್ಷಣ ಒಂದು ಕಾರ್ಯಕ್ಕೆ ಹೊಂದುತ್ತದೆಯೇ ಎಂಬುದನ್ನು ಸಂಬಂಧಪಟ್ಟ ವ್ಯಕ್ತಿಯ ಜನ್ಮ ವಿವರಗಳ ಆಧಾರದಲ್ಲಿ ಪರಿಶೀಲಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation>ಗ್ರಹಸ್ಥಾನಗಳು: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;ಬಳಕೆದಾರ ಇಂಟರ್‌ಫೇಸ್: Qt %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ಭಾಷೆ (&amp;L)</translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation>%1 ಭಾಷೆ ಪ್ರೋಗ್ರಾಂನ ಮುಂದಿನ ಆರಂಭದಿಂದ ಜಾರಿಗೆ ಬರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>ಜನ್ಮ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>ಜನ್ಮ ಸಮಯ</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>ಜನ್ಮ ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>ಚಂದ್ರ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation>ರಾಶ್ಯಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation>ಜನ್ಮ ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation>ನಕ್ಷತ್ರಾಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation>ತಿಥಿ</translation>
    </message>
    <message>
        <source>Birth Yoga</source>
        <translation>ಯೋಗ</translation>
    </message>
    <message>
        <source>Half-Lunar Day</source>
        <translation>ಕರಣ</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>ವಾರ</translation>
    </message>
    <message>
        <source>Electional Moon Sign</source>
        <translation>ಮುಹೂರ್ತದ ಚಂದ್ರ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation>ಮುಹೂರ್ತದ ರಾಶ್ಯಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation>ಮುಹೂರ್ತದ ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation>ಮುಹೂರ್ತದ ನಕ್ಷತ್ರಾಧಿಪತಿ</translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation>ಮುಹೂರ್ತ ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation>ಮುಹೂರ್ತದ ತಿಥಿ</translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation>ಮುಹೂರ್ತದ ಯೋಗ</translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation>ಮುಹೂರ್ತದ ಕರಣ</translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation>ಮುಹೂರ್ತದ ವಾರ</translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation>ಮುಹೂರ್ತದ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation>ಮುಹೂರ್ತದ ಸಮಯ</translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation>ಮುಹೂರ್ತದ ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>%1 date %2</source>
        <translation>%1 ದಿನಾಂಕ %2</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>ಜನ್ಮ</translation>
    </message>
    <message>
        <source>Election</source>
        <translation>ಮುಹೂರ್ತ</translation>
    </message>
    <message>
        <source>birth</source>
        <translation>ಜನ್ಮ</translation>
    </message>
    <message>
        <source>election</source>
        <translation>ಮುಹೂರ್ತ</translation>
    </message>
    <message>
        <source>Election place: %1</source>
        <translation>ಮುಹೂರ್ತ ಸ್ಥಳ: %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 at %4:%5</source>
        <translation>%1 %2 %3, %4:%5</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>ಸೂ</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>ಚಂ</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>ಕು</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>ಬು</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>ಗು</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>ಶು</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>ಶ</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>ರಾ</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>ಕೇ</translation>
    </message>
    <message>
        <source>Rahu kalam</source>
        <translation>ರಾಹು ಕಾಲ</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>ಯಮಗಂಡ ಕಾಲ</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>ಗುಳಿಕ ಕಾಲ</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>ಅಭಿಜಿತ್</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>ಚೌಘಡಿಯಾ</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ಹೋರಾ</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>ತಿಥಿ</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>ನಕ್ಷತ್ರ</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>ಯೋಗ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>ಕರಣ</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>ಚಂದ್ರ ರಾಶಿ</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Durmuhurtam</source>
        <translation>ದುರ್ಮುಹೂರ್ತ</translation>
    </message>
    <message>
        <source>Night kalams</source>
        <translation>ರಾತ್ರಿಯ ಕಾಲಗಳು</translation>
    </message>
    <message>
        <source>Muhurtas</source>
        <translation>ಮುಹೂರ್ತಗಳು</translation>
    </message>
    <message>
        <source>Sandhya</source>
        <translation>ಸಂಧ್ಯಾ ಕಾಲ</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>ಗೋಧೂಳಿ</translation>
    </message>
    <message>
        <source>Pradosh</source>
        <translation>ಪ್ರದೋಷ</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>ಗೌರಿ</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>ವರ್ಜ್ಯ</translation>
    </message>
    <message>
        <source>Amrit kalam</source>
        <translation>ಅಮೃತ ಕಾಲ</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>ತಾರಾಬಲ</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>ಚಂದ್ರಬಲ</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>ಚಂದ್ರಾಷ್ಟಮ</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>ಸೂರ್ಯೋದಯ</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>ಸೂರ್ಯಾಸ್ತ</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>ಮರುದಿನದ ಸೂರ್ಯೋದಯ</translation>
    </message>
    <message>
        <source>    Sunrise %1    Sunset %2    Next sunrise %3</source>
        <translation>    ಸೂರ್ಯೋದಯ %1    ಸೂರ್ಯಾಸ್ತ %2    ಮರುದಿನದ ಸೂರ್ಯೋದಯ %3</translation>
    </message>
    <message>
        <source>Moonrise %1    Moonset %2</source>
        <translation>ಚಂದ್ರೋದಯ %1    ಚಂದ್ರಾಸ್ತ %2</translation>
    </message>
    <message>
        <source>Rasi
%1</source>
        <translation>ರಾಶಿ
%1</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>ಗ್ರಹಗಳು</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ಗ್ರಹ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>ಸ್ಫುಟ</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>ಲ</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, ದಿನವಿಡೀ</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 ರವರೆಗೆ</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 %2 ರಿಂದ</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 %2 ರಂದು</translation>
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
        <translation>%1 (ಪ್ರಾದೇಶಿಕ)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>ಅಶುಭ</translation>
    </message>
    <message>
        <source>Child Ceremonies</source>
        <translation>ಮಕ್ಕಳ ಸಂಸ್ಕಾರಗಳು</translation>
    </message>
    <message>
        <source>Naming of The Child or Namakarana</source>
        <translation>ನಾಮಕರಣ (ಮಗುವಿಗೆ ಹೆಸರಿಡುವುದು)</translation>
    </message>
    <message>
        <source>Tonsuring of Head</source>
        <translation>ಚೌಲ (ಜವಳ)</translation>
    </message>
    <message>
        <source>Piercing of the Ear or Karnavedha</source>
        <translation>ಕರ್ಣವೇಧ (ಕಿವಿ ಚುಚ್ಚುವುದು)</translation>
    </message>
    <message>
        <source>Thread Ceremony Or Upanayana</source>
        <translation>ಉಪನಯನ (ಮುಂಜಿ)</translation>
    </message>
    <message>
        <source>First feeding of Solid Food (Annaprasan)</source>
        <translation>ಅನ್ನಪ್ರಾಶನ (ಮೊದಲ ತುತ್ತು)</translation>
    </message>
    <message>
        <source>Starting of Education (Aksharabhyasa)</source>
        <translation>ಅಕ್ಷರಾಭ್ಯಾಸ (ವಿದ್ಯಾರಂಭ)</translation>
    </message>
    <message>
        <source>Adoption of a Child</source>
        <translation>ಮಗುವಿನ ದತ್ತು ಸ್ವೀಕಾರ</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>ವಿವಾಹ</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>ನಿಶ್ಚಿತಾರ್ಥ</translation>
    </message>
    <message>
        <source>First Entrance of the Bride</source>
        <translation>ವಧುವಿನ ಗೃಹಪ್ರವೇಶ</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>ವಿದ್ಯಾಭ್ಯಾಸ</translation>
    </message>
    <message>
        <source>Learning of a Trade</source>
        <translation>ಕಸುಬು ಕಲಿಕೆ</translation>
    </message>
    <message>
        <source>Learning of any Science</source>
        <translation>ಶಾಸ್ತ್ರ ಕಲಿಕೆ</translation>
    </message>
    <message>
        <source>Learning Dance Or Music</source>
        <translation>ನೃತ್ಯ ಅಥವಾ ಸಂಗೀತ ಕಲಿಕೆ</translation>
    </message>
    <message>
        <source>Learning Astrology Or Astronomy</source>
        <translation>ಜ್ಯೋತಿಷ ಅಥವಾ ಖಗೋಳಶಾಸ್ತ್ರ ಕಲಿಕೆ</translation>
    </message>
    <message>
        <source>Learning Medicine</source>
        <translation>ವೈದ್ಯಶಾಸ್ತ್ರ ಕಲಿಕೆ</translation>
    </message>
    <message>
        <source>Learning Grammar, Logic Or Philosophy</source>
        <translation>ವ್ಯಾಕರಣ, ತರ್ಕ ಅಥವಾ ತತ್ತ್ವಶಾಸ್ತ್ರ ಕಲಿಕೆ</translation>
    </message>
    <message>
        <source>Moving Into New Home</source>
        <translation>ಗೃಹಪ್ರವೇಶ</translation>
    </message>
    <message>
        <source>Entering a New House</source>
        <translation>ಹೊಸ ಮನೆಯ ಪ್ರವೇಶ</translation>
    </message>
    <message>
        <source>Entering a Rented House</source>
        <translation>ಬಾಡಿಗೆ ಮನೆಯ ಪ್ರವೇಶ</translation>
    </message>
    <message>
        <source>Start On A New Job</source>
        <translation>ಹೊಸ ಉದ್ಯೋಗದ ಆರಂಭ</translation>
    </message>
    <message>
        <source>Start A New Business</source>
        <translation>ಹೊಸ ವ್ಯಾಪಾರದ ಆರಂಭ</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>ಪ್ರಯಾಣ</translation>
    </message>
    <message>
        <source>Domestic Journey</source>
        <translation>ದೇಶದೊಳಗಿನ ಪ್ರಯಾಣ</translation>
    </message>
    <message>
        <source>Religious Journey</source>
        <translation>ತೀರ್ಥಯಾತ್ರೆ</translation>
    </message>
    <message>
        <source>Foreign Journey</source>
        <translation>ವಿದೇಶ ಪ್ರಯಾಣ</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>ಕಟ್ಟಡ ನಿರ್ಮಾಣ</translation>
    </message>
    <message>
        <source>Laying the Foundation</source>
        <translation>ಶಂಕುಸ್ಥಾಪನೆ</translation>
    </message>
    <message>
        <source>Starting the Construction of a House</source>
        <translation>ಮನೆ ಕಟ್ಟುವ ಕೆಲಸದ ಆರಂಭ</translation>
    </message>
    <message>
        <source>Financial Transactions</source>
        <translation>ಹಣಕಾಸು ವ್ಯವಹಾರ</translation>
    </message>
    <message>
        <source>Lending Money</source>
        <translation>ಸಾಲ ಕೊಡುವುದು</translation>
    </message>
    <message>
        <source>Borrowing Money</source>
        <translation>ಸಾಲ ಪಡೆಯುವುದು</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>ಕಾನೂನು ವ್ಯವಹಾರ</translation>
    </message>
    <message>
        <source>Medical Treatment</source>
        <translation>ಚಿಕಿತ್ಸೆ</translation>
    </message>
    <message>
        <source>Starting medical treatment for chronic disease or recurring illness</source>
        <translation>ದೀರ್ಘಕಾಲದ ಅಥವಾ ಮರುಕಳಿಸುವ ರೋಗಕ್ಕೆ ಚಿಕಿತ್ಸೆಯ ಆರಂಭ</translation>
    </message>
    <message>
        <source>Date for operations</source>
        <translation>ಶಸ್ತ್ರಚಿಕಿತ್ಸೆಯ ದಿನ</translation>
    </message>
    <message>
        <source>Buying and Selling</source>
        <translation>ಕೊಳ್ಳುವುದು ಮತ್ತು ಮಾರುವುದು</translation>
    </message>
    <message>
        <source>Buying Land</source>
        <translation>ಭೂಮಿ ಖರೀದಿ</translation>
    </message>
    <message>
        <source>Selling Land</source>
        <translation>ಭೂಮಿ ಮಾರಾಟ</translation>
    </message>
    <message>
        <source>Buying Item</source>
        <translation>ವಸ್ತು ಖರೀದಿ</translation>
    </message>
    <message>
        <source>Sell Item</source>
        <translation>ವಸ್ತು ಮಾರಾಟ</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>ಈಗಲೇ ಮರುಪ್ರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>ನಂತರ</translation>
    </message>
    <message>
        <source>&amp;Native digits</source>
        <translation>ಕನ್ನಡ ಅಂಕಿಗಳು (&amp;N)</translation>
    </message>
    <message>
        <source>%1 %2 – %3 %4, %5 minutes%6

%7</source>
        <translation>%1 %2 – %3 %4, %5 ನಿಮಿಷ%6

%7</translation>
    </message>
    <message>
        <source>, among the best of the range</source>
        <translation>, ಈ ಅವಧಿಯ ಅತ್ಯುತ್ತಮ ಸಮಯಗಳಲ್ಲಿ ಒಂದು</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2 (%3, ಜನನ %4 %5:%6), ಸ್ಥಳ %7: %8 %9, %10.</translation>
    </message>
    <message>
        <source>the election place</source>
        <translation>ಮುಹೂರ್ತದ ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>zone %1 h %2 min%3 (%4)</source>
        <translation>ವಲಯ %1 ಗಂ %2 ನಿ%3 (%4)</translation>
    </message>
    <message>
        <source>, DST</source>
        <translation>, DST</translation>
    </message>
    <message>
        <source>%1, follows daylight saving</source>
        <translation>%1, ಹಗಲು ಉಳಿತಾಯ ಸಮಯ (DST) ಅನುಸರಿಸುತ್ತದೆ</translation>
    </message>
</context>
</TS>
