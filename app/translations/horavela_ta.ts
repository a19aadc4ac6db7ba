<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation>நிரல் ஏற்கெனவே இயங்குகிறது</translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation>முகூர்த்த நேரம் காண வேண்டிய காரியத்தைப் பட்டியலிலிருந்து தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation>தொடர &quot;அடுத்து&quot; அழுத்தவும்</translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation>முகூர்த்த சாஸ்திரம் ஒரு காரியத்தைத் தொடங்க ஏற்ற நேரத்தைத் தேடுகிறது. அந்நேரத்தின் கிரக நிலை, சம்பந்தப்பட்டவரின் ஜனன கால கிரக நிலையுடன் ஒப்பிட்டுப் பார்க்கப்படுகிறது: சந்திரனின் நட்சத்திரமும் ராசியும், லக்னம், திதி, கிழமை, சிறப்பு யோகங்கள் எல்லாவற்றுக்கும் பங்கு உண்டு.</translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation>இடப்புறம் ஒரு காரியப் பிரிவைத் தேர்ந்து, பட்டியலில் காரியத்தைக் குறித்து &quot;அடுத்து&quot; அழுத்தவும். பின்னர் உத்தேச நேரத்தையும் இடத்தையும், அதன் பின் ஜனன விவரங்களையும் உள்ளிடுவீர்கள்.</translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation>காரியம்: %1</translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation>முகூர்த்த விவரங்களை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation>ஆராய விரும்பும் நேரத்தின் தேதி, கடிகார நேரம், இடம் ஆகியவற்றை உள்ளிடவும். கிழமை தேதியைப் பின்பற்றும்; நாளைச் சூரிய உதயத்திலிருந்து கணக்கிட்டால் மட்டும் அதை மாற்றவும்.</translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation>அட்சரேகையும் தீர்க்கரேகையும் முழுப் பாகை, கலைகளில். இடத்தின் நேர மண்டலத்தை &quot;TZ உதவி&quot; மூலம் தேர்ந்தெடுக்கவும்; பகலொளி சேமிப்பு நேரம் நடைமுறையில் இருந்திருந்தால் DST-ஐக் குறிக்கவும்.</translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation>ஜாதகரின் ஜனன விவரங்களை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation>யாருக்காக நேரம் தேர்ந்தெடுக்கப்படுகிறதோ அவரின் பெயர், பிறந்த தேதி, நேரம், இடம் ஆகியவற்றை உள்ளிடவும். பிறந்தபோது சந்திரன் நின்ற நட்சத்திரமே தேர்ந்த நேரத்தின் தாரா பலத்தையும் சந்திர பலத்தையும் தீர்மானிக்கிறது.</translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation>இரு ஜாதகங்களையும் கணித்து நேரத்தை மதிப்பிட &quot;அடுத்து&quot; அழுத்தவும். பலனும், அச்சிட அல்லது சேமிக்கக்கூடிய அறிக்கையும் மூன்று தாவல்களில் தோன்றும்.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>தேதி</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>கிழமை</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>HH/MM/SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ஆண்</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>பெண்</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>பிறந்த கிழமை</translation>
    </message>
    <message>
        <source>Birth Time</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>City</source>
        <translation>ஊர்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>கலை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை, தீர்க்கரேகை அறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>மணி</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>TZ உதவி</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; முந்தைய (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>அடுத்து (&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation>Horavela முகூர்த்த ஆய்வைத் தயாரிக்கிறது. காத்திருக்கவும்...</translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation>முகூர்த்தப் பலன்</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>ஜனன விவரம்</translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation>முகூர்த்த விவரம்</translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation>முகூர்த்த ஆய்வு</translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation>Horavela அறிக்கை</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>சுருக்கம்</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>அங்கம்</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>பலன்</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>புள்ளிகள்</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>மொத்தம்</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>அச்சிடு (&amp;P)</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>PDF ஆகச் சேமி (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation>RTF ஆகச் சேமி (&amp;R)...</translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation>நாட்காட்டியில் சேர்...</translation>
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
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation>புதிய ஆய்வு (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>வெளியேறு (&amp;Q)</translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation>எழுத்துகள் மட்டுமே ஏற்கப்படும்.</translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation>எண்கள் மட்டுமே ஏற்கப்படும்.</translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation>ஆண்டு 1901 முதல் 2050 வரை.</translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation>மாதம் 1 (ஜனவரி) முதல் 12 (டிசம்பர்) வரை.</translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation>நாள் 1 முதல் 31 வரை.</translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation>மணி 0 முதல் 23 வரை.</translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation>நிமிடம் 0 முதல் 59 வரை.</translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation>விநாடி 0 முதல் 59 வரை.</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>ஒரு காரியத்தைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>உங்கள் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation>அட்சரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation>அட்சரேகையின் கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation>தீர்க்கரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation>தீர்க்கரேகையின் கலையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation>பிறந்த தேதியைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation>பிறப்பு (%1) முகூர்த்த நேரத்துக்கு (%2) பிந்தியது. ஏற்கெனவே பிறந்தவருக்கு மட்டுமே நேரத்தை மதிப்பிட முடியும்: பிறந்த தேதியையோ முகூர்த்தத் தேதியையோ திருத்தவும்.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ஊரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation>அட்சரேகைப் பாகை 0 முதல் 90 வரை இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation>அட்சரேகைக் கலை 0 முதல் 59 வரை இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation>அட்சரேகை 90 பாகையைத் தாண்டக்கூடாது: 90 பாகையில் கலை 0 ஆக இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation>தீர்க்கரேகைப் பாகை 0 முதல் 180 வரை இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation>தீர்க்கரேகைக் கலை 0 முதல் 59 வரை இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation>தீர்க்கரேகை 180 பாகையைத் தாண்டக்கூடாது: 180 பாகையில் கலை 0 ஆக இருக்க வேண்டும்</translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation> அட்சரேகை தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation>&quot;%1&quot; என்பதற்குக் கணினியிலுள்ள அட்லஸில் இந்த இடங்கள் உள்ளன. ஒன்றைத் தேர்ந்தெடுத்தால் அதன் அட்ச-தீர்க்கரேகைகளும் நேர மண்டலமும் நிரப்பப்படும்; அல்லது இணையத்தில் தேடவும்.</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>இந்த இடத்தைப் பயன்படுத்து (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>இணையத்தில் தேடு (&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation>இணையத் தேடலைத் திறக்க முடியவில்லை: இந்தக் கணினியில் இணைய உலாவி இல்லை. &quot;%1&quot; என்பதை நீங்களே தேடவும், அல்லது ஊர் புலத்தில் பெயரைத் தட்டச்சு செய்து கணினியிலுள்ள அட்லஸில் இடத்தைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation>%1 பக்கத்தைத் திறக்க முடியவில்லை: இந்தக் கணினியில் இணைய உலாவி இல்லை.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>அச்சுப்பொறி எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation>அதற்குப் பதிலாக அறிக்கையை PDF கோப்பாகச் சேமிக்கவா?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>அறிக்கையை %1 இல் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>அறிக்கையை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>அறிக்கையை PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation>அறிக்கையை RTF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF கோப்புகள் (*.pdf)</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>RTF கோப்புகள் (*.rtf)</translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation>இந்நேரத்தை நாட்காட்டி நிகழ்வாகச் சேமி</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar கோப்புகள் (*.ics)</translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation>நாட்காட்டிக் கோப்பை %1 இல் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation>ஆய்வை முடிக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation>%1, %2 (முதல் %3)</translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation>%1, %2 (இரண்டாம் %3)</translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation>%1: %2 என்ற நேரம் இருக்கவில்லை</translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation>%1: %2 இருமுறை வந்தது</translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation>%1: தேதியைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation>அட்லஸிலிருந்து: %1</translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation>அட்ச-தீர்க்கரேகைகள் கையால் உள்ளிடப்பட்டவை, அட்லஸிலிருந்து அல்ல</translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation>அட்லஸில் ஒரே ஊராக இல்லை: அட்ச-தீர்க்கரேகைகளையும் மண்டலத்தையும் உள்ளிடவும், அல்லது மாநிலம், நாடு உள்ளிட்டு மேலே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation>அட்லஸில் &quot;%1&quot; ஒரே ஊராக இல்லை; எனவே %2 இன் அட்ச-தீர்க்கரேகைகளும் மண்டலமும் அழிக்கப்பட்டன. %1 இன் அட்ச-தீர்க்கரேகைகளை உள்ளிட்டு &quot;TZ உதவி&quot; மூலம் மண்டலத்தைத் தேர்ந்தெடுக்கவும்; அல்லது மாநிலம், நாடு உள்ளிட்டு &quot;அட்சரேகை, தீர்க்கரேகை அறிய இங்கே சொடுக்கவும்&quot; என்பதைப் பயன்படுத்தவும்.</translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation>அட்லஸில் ஒரே ஊராக இல்லை: அதன் அட்ச-தீர்க்கரேகைகளையும் மண்டலத்தையும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation>அட்லஸில் &quot;%1&quot; ஒரே ஊராக இல்லை; எனவே %2 இன் அட்ச-தீர்க்கரேகைகளும் மண்டலமும் அழிக்கப்பட்டன. %1 இன் அட்ச-தீர்க்கரேகைகளையும் மண்டலத்தையும் உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation>%2 இல் கடிகார நேரம் %1 இருக்கவில்லை: கடிகாரங்கள் %3 இலிருந்து %4 க்கு முன்னே நகர்த்தப்பட்டன. நேரத்தைத் திருத்தவும், அல்லது &quot;TZ உதவி&quot; மூலம் மண்டலத்தை நீங்களே தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation>%2 இல் கடிகார நேரம் %1 இருமுறை வந்தது: முதலில் %3 இல், கடிகாரங்கள் பின்னே நகர்த்தப்பட்ட பின் மீண்டும் %4 இல்.</translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation>அவற்றில் முதலாவதா (%1)?</translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation>அவற்றில் இரண்டாவதா (%1)?</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation>%2 இல் கடிகார நேரம் %1 இருமுறை வந்தது. இரண்டில் எது என்று குறிப்பிடவும், அல்லது நேரத்தைத் திருத்தவும்.</translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation>%2 இன் நேர மண்டலம் %1 இந்தக் கணினியின் நேர மண்டலத் தரவுத்தளத்தில் இல்லை. &quot;TZ உதவி&quot; மூலம் மண்டலத்தைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation>நபரைத் தேர்ந்தெடு...</translation>
    </message>
    <message>
        <source>Save person</source>
        <translation>நபரைச் சேமி</translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation>இடத்தைத் தேர்ந்தெடு...</translation>
    </message>
    <message>
        <source>Save place</source>
        <translation>இடத்தைச் சேமி</translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation>நபர்களும் இடங்களும்...</translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation>நபர்கள், இடங்கள் பதிவேட்டைத் திறக்க முடியவில்லை: %1

Horavela அது இல்லாமலே இயங்கும்; நிரலை மீண்டும் தொடங்கும் வரை நபர்களையும் இடங்களையும் சேமிக்கவோ தேர்ந்தெடுக்கவோ முடியாது.</translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation>நபர்கள், இடங்கள் பதிவேடு கிடைக்கவில்லை: %1</translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation>பதிவேட்டை மாற்ற முடியவில்லை: %1</translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation>%1 பற்றி ஒரு குறிப்பு (விருப்பமானால்):</translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation>%1 (பிறப்பு %2) பதிவேட்டில் சேமிக்கப்பட்டது.</translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation>%1 (பிறப்பு %2) ஏற்கெனவே பதிவேட்டில் உள்ளது.</translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation>%1 பதிவேட்டில் சேமிக்கப்பட்டது.</translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation>%1 ஏற்கெனவே பதிவேட்டில் உள்ளது.</translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation>நபரைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation>இடத்தைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>பெயரால் தேடு</translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation>ஊரால் தேடு</translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation>பதிவேட்டில் இன்னும் நபர் யாரும் இல்லை. ஜனனப் பக்கத்தை நிரப்பி &quot;நபரைச் சேமி&quot; அழுத்தவும்.</translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation>பதிவேட்டில் இன்னும் இடம் எதுவும் இல்லை. முகூர்த்தப் பக்கத்தை நிரப்பி &quot;இடத்தைச் சேமி&quot; அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>பிறப்பு</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>அட்ச-தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>People and places</source>
        <translation>நபர்களும் இடங்களும்</translation>
    </message>
    <message>
        <source>People</source>
        <translation>நபர்கள்</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>இடங்கள்</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>தேடு</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>திருத்து (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>நீக்கு (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>இறக்குமதி (&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>ஏற்றுமதி (&amp;X)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation>முதலில் பட்டியலில் ஒன்றைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation>%1 (பிறப்பு %2) ஐ நீக்கவா?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 ஐ நீக்கவா?</translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation>இது பதிவேட்டிலிருந்து நிரந்தரமாக நீக்கப்படும்.</translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation>நபர்கள், இடங்களை இறக்குமதி செய்</translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation>நபர்கள், இடங்களை ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation>horavela-book.json</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON கோப்புகள் (*.json);;அனைத்துக் கோப்புகளும் (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>%1 கோப்பைப் படிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation>%1 கோப்பு நபர்கள், இடங்கள் பதிவேடு அல்ல: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation>%1 இலிருந்து இறக்குமதி: %2 சேர்க்கப்பட்டன, ஏற்கெனவே பதிவேட்டில் உள்ள %3 தவிர்க்கப்பட்டன.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>%1 இலிருந்து எதுவும் இறக்குமதி ஆகவில்லை: %2</translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation>%1 நபர்களும் %2 இடங்களும் %3 க்கு ஏற்றுமதி செய்யப்பட்டன.</translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation>பதிவேட்டை %1 க்கு ஏற்றுமதி செய்ய முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation>நபரைத் திருத்து</translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation>இடத்தைத் திருத்து</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>பாலினம்</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>குறிப்பு</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>மண்டலம்</translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation>அட்லஸின் மண்டலம் %1 ஐப் பின்பற்றுகிறது</translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation>பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation>ஊரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>நாள்</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>காட்சி (&amp;V)</translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation>நாள் கண்ணோட்டம்</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation>முதலில் முகூர்த்த இடத்தின் அட்சரேகை, தீர்க்கரேகையை உள்ளிடவும்: நாள் கண்ணோட்டம் முகூர்த்தத் தேதிக்கும் இடத்துக்கும் கணிக்கப்படுகிறது.</translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation>இந்நாளைக் கணிக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation>முகூர்த்தப் பக்கத்தை நிரப்பி, பின் காட்சி &gt; நாள் கண்ணோட்டம் என்பதைத் தேர்ந்தெடுக்கவும் அல்லது ஒரு நேரத்தை ஆய்வு செய்யவும்.</translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation>அன்று நடைமுறையிலுள்ள மரபுத் தடைகள்:</translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation>அன்று மரபுத் தடை எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>துருவப் பகல்: இத்தேதியில் சூரியன் அஸ்தமிப்பதில்லை; எனவே ராகு காலம் முதலியவை, அபிஜித், சோகடியா, ஹோரை எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>துருவ இரவு: இத்தேதியில் சூரியன் உதிப்பதில்லை; எனவே ராகு காலம் முதலியவை, அபிஜித், சோகடியா, ஹோரை எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>இத்தேதியில் சூரியன் உதித்து மீண்டும் அஸ்தமிப்பதில்லை; எனவே ராகு காலம் முதலியவை, அபிஜித், சோகடியா, ஹோரை எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>இத்தேதியில் சூரியன் உதிக்காமலே அஸ்தமிக்கிறது: அதன் பகல் முந்தைய தேதியில் தொடங்கியது; எனவே ராகு காலம் முதலியவை, அபிஜித், சோகடியா, ஹோரை எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation>அடுத்த தேதியில் சூரியன் மீண்டும் உதிப்பதில்லை: பகலுக்கு ராகு காலம் முதலியவை, அபிஜித், சோகடியா, ஹோரை உண்டு; இரவுக்கு இல்லை.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation>புதன்கிழமை கொள்ளப்படுவதில்லை: அன்று பஞ்சாங்கங்கள் அபிஜித் முகூர்த்தத்தை விட்டுவிடுகின்றன.</translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation>%1 தாரை, %2 (ஜன்ம நட்சத்திரம் %3 இலிருந்து)</translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation>%1 (ஜன்ம ராசி %2 இலிருந்து)</translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation>ஜன்ம ராசி %1 இலிருந்து எட்டாம் ராசியில் சந்திரன் (சந்திராஷ்டமம்): புதிய தொடக்கங்களுக்கு எதிராகப் பஞ்சாங்கங்கள் எச்சரிக்கின்றன.</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>தென்னிந்திய</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>வட இந்திய</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>கட்ட முறை</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>அச்சிடு</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNG ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation>நாள் கண்ணோட்டத்தை PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation>நாள் கண்ணோட்டத்தை PNG ஆகச் சேமி</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG படங்கள் (*.png)</translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation>நாள் கண்ணோட்டத்தை %1 இல் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation>நல்ல நேரம் தேடு...</translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation>நல்ல நேரம் தேடல்</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>முதல் (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>வரை (&amp;T)</translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation>குறைந்தது (&amp;L)</translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation>மொத்தம் குறைந்தது</translation>
    </message>
    <message>
        <source>any</source>
        <translation>ஏதேனும்</translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation>ராகு காலம் தவிர்</translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation>எமகண்டம் தவிர்</translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation>குளிகை தவிர்</translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation>மரபுத் தடைகளையும் பஞ்சாங்க சுத்தியையும் கடைப்பிடி</translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation>பிராந்தியத் தடைகளும் (ஹோலாஷ்டகம், மஹாளய பட்சம்)</translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation>%2 நாட்களில் %1 நாட்களை மரபு விலக்குகிறது</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>மேலும் %1</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV ஏற்றுமதி...</translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation>நேரங்களை CSV ஆக ஏற்றுமதி செய்</translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation>windows.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV கோப்புகள் (*.csv)</translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation>நேரங்களை ஏற்றுமதி செய்ய முடியவில்லை: %1</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>நேரங்களை நாட்காட்டி நிகழ்வுகளாகச் சேமி</translation>
    </message>
    <message>
        <source>windows.ics</source>
        <translation>windows.ics</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>முடிவு</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>அங்கங்கள்</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>நிமிடங்கள்</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>தேடு (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>ரத்துசெய் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation>இந்த நேரத்தைப் பயன்படுத்து (&amp;U)</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>சுபம்</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>மத்திமம்</translation>
    </message>
    <message>
        <source>Click a day to show its first window; under each day, the total of its best window. The list runs in time order (click a column&apos;s title to sort by it); the ten best windows are in bold. Double-click a window, or select it and press &quot;Use this time&quot;, to judge it in full.</source>
        <translation>ஒரு நாளைச் சொடுக்கினால் அதன் முதல் நேரம் காட்டப்படும்; ஒவ்வொரு நாளின் கீழும் அதன் சிறந்த நேரத்தின் மொத்தம். பட்டியல் கால வரிசையில் உள்ளது (ஒரு நெடுவரிசையின் தலைப்பைச் சொடுக்கினால் அதன்படி வரிசைப்படும்); சிறந்த பத்து நேரங்கள் தடித்த எழுத்தில். ஒரு நேரத்தை முழுமையாக ஆய்வு செய்ய அதை இருமுறை சொடுக்கவும், அல்லது தேர்ந்தெடுத்து &quot;இந்த நேரத்தைப் பயன்படுத்து&quot; அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation>கால வரம்பைத் தேர்ந்தெடுத்து &quot;தேடு&quot; அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>தேடுகிறது...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>ரத்துசெய்கிறது...</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>தேடல் ரத்துசெய்யப்பட்டது.</translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation>இந்த வரம்பில் எந்த நேரமும் %1 ஐ எட்டவில்லை.</translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation>%2 நாட்களில் %1 நேரங்கள், %3 s இல் கண்டறியப்பட்டன.</translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation>முதல் %1 நேரங்கள் காட்டப்படுகின்றன; மீதியைக் காண வரம்பைக் குறைக்கவும்.</translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation>தேடலை இயக்க முடியாது: %1</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>தேடல் தோல்வியடைந்தது: %1</translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation>முதலில் முதல் பக்கத்தில் காரியத்தைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation>முதலில் முகூர்த்த இடத்தின் அட்சரேகை, தீர்க்கரேகையை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation>தேடல் ஒவ்வொரு நேரத்தையும் அந்த நபரின் ஜனனத்துடன் ஒப்பிட்டு மதிப்பிடுகிறது; ஜனனப் பக்கம் இன்னும் முழுமையாகவில்லை: %1. &quot;அடுத்து&quot; அழுத்தி, ஜனனப் பக்கத்தை நிரப்பி, அங்கே &quot;நல்ல நேரம் தேடு...&quot; பயன்படுத்தவும்.</translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation>பெயர் இல்லை</translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation>பிறந்த தேதி தேர்ந்தெடுக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation>பிறந்த இடத்தின் அட்சரேகை, தீர்க்கரேகை இல்லை</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>கருவிகள் (&amp;T)</translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation>திருமணப் பொருத்தம்...</translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation>திருமணப் பொருத்தம்</translation>
    </message>
    <message>
        <source>Groom:</source>
        <translation>மணமகன்:</translation>
    </message>
    <message>
        <source>Bride:</source>
        <translation>மணமகள்:</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>பொருத்தம் பார்</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>அச்சிடு...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF ஆகச் சேமி...</translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation>RTF ஏற்றுமதி...</translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation>Horavela பொருத்த அறிக்கை</translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation>பதிவேட்டில் இருவருக்கும் குறைவான நபர்களே உள்ளனர். முதலில் மணமகனையும் மணமகளையும் பதிவேட்டில் சேமிக்கவும் (ஜனனப் பக்கத்தில் &quot;நபரைச் சேமி&quot;, அல்லது கோப்பு &gt; நபர்களும் இடங்களும்... &gt; இறக்குமதி).</translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation>மணமகனாகவும் மணமகளாகவும் இரு வெவ்வேறு நபர்களைத் தேர்ந்தெடுக்கவும்.</translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation>பொருத்தத்தைக் கணிக்க முடியவில்லை: %1</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation>பொருத்த அறிக்கையை %1 இல் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>மாதம்</translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation>மாதக் கண்ணோட்டம்</translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation>முகூர்த்தப் பக்கத்தை நிரப்பவும்: முகூர்த்தத் தேதியின் மாதம் முகூர்த்த இடத்துக்குக் காட்டப்படும்.</translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation>மாதத்தைக் கணிக்க முடியவில்லை</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation>%1 %2, %3 — சிறந்த நேரங்கள்: %4</translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation>%1	%2-%3</translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation>திதியும் நட்சத்திரமும் சூரிய உதயத்தில் நடப்பவை, அவை முடியும் நேரத்துடன் (+1: மறுநாள்). சாம்பல் நிற நாட்கள்: அன்று ஏதோ ஒரு நேரத்தில் மரபுத் தடை உள்ளது.</translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation>உதயம் %1	அஸ்தமனம் %2</translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation>ராகு காலம்	%1-%2</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>மாதக் கண்ணோட்டத்தை PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation>மாதக் கண்ணோட்டத்தை %1 இல் சேமிக்க முடியவில்லை: %2</translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation>துணையைச் சேர்</translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation>துணையின் ஜனன விவரம்</translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation>மண்டலம் (கிழக்கு +hh:mm)</translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation>துணையைத் தேர்ந்தெடு...</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation>துணையின் பெயரை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation>துணை பிறந்த இடத்தின் அட்சரேகை, தீர்க்கரேகையை உள்ளிடவும்.</translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation>துணை பிறந்த இடம்: %1</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation>துணையின் மண்டலத்தை கிரீன்விச்சுக்குக் கிழக்கே உள்ள மணி, நிமிடமாக உள்ளிடவும், எ.கா. +05:30.</translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation>துணைக்கு: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>திருத்து (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>விருப்பங்கள் (&amp;P)...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>விருப்பங்கள்</translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation>நிரல் கணிக்கும், எண்ணும் முறை. உங்கள் பஞ்சாங்கம் வேறு முறையைப் பின்பற்றாவிட்டால் இவற்றை மாற்ற வேண்டாம்: இயல்புநிலைகள் நிரலினுடையவை.</translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation>கிரக அட்டவணை (&amp;E):</translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation>சூரியன், சந்திரன், லக்னம் எந்தக் கணிதத்திலிருந்து பெறப்படுகின்றன. Swiss Ephemeris கொண்டு, நட்சத்திர, ராசி மாற்றங்கள் பெரும்பாலான பஞ்சாங்கங்கள் அச்சிடும் நேரத்தில், சில நிமிடங்கள் முன்னதாக, விழுகின்றன.</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>அயனாம்சம் (&amp;A):</translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation>நிராயன ராசிச் சக்கரம் சாயன ராசிச் சக்கரத்திலிருந்து எவ்வளவு விலகியுள்ளது. உங்கள் பஞ்சாங்கமோ ஜோதிடரோ குறிப்பிடுவதைத் தேர்ந்தெடுக்கவும்; லாஹிரி என்பது இந்திய வானியல் பஞ்சாங்கம் (Indian Astronomical Ephemeris) கொள்வது.</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>சூரிய உதயம் (&amp;S):</translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation>நாள் தொடங்கி முடியும் நேரம். அச்சிட்ட பஞ்சாங்கங்கள் சூரிய வட்டத்தின் மேல் விளிம்பைக் கொள்கின்றன; பல இந்திய நிரல்கள் வட்டத்தின் மையத்தைக் கொள்கின்றன, அது சில நிமிடங்கள் தாமதமாக உதித்து முன்னதாக அஸ்தமிக்கும்.</translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation>தாரா பலக் கணக்கு (&amp;T):</translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation>அன்றைய நட்சத்திரம் ஜன்ம நட்சத்திரத்திலிருந்து எப்படி எண்ணப்படுகிறது. மரபு முறையில் முன்னோக்கி எண்ணி, ஜன்ம நட்சத்திரத்தையே முதலாவதாகக் கொள்வர்.</translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation>Horavela பற்றி</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>பதிப்பு %1</translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation>வேத முகூர்த்த ஜோதிடம்: உத்தேசித்த நேரம் ஒரு காரியத்துக்கு ஏற்றதா என்பதைச் சம்பந்தப்பட்டவரின் ஜனன விவரங்களைக் கொண்டு மதிப்பிடுகிறது.</translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation>கிரக நிலைகள்: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;பயனர் இடைமுகம்: Qt %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation>அடுத்த முறை தொடங்கும்போது நிரல் %1 மொழியில் இயங்கும்.</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>பிறந்த இடம்</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>ஜன்ம ராசி</translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation>ராசி அதிபதி</translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation>ஜன்ம நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation>நட்சத்திர அதிபதி</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Birth Yoga</source>
        <translation>யோகம்</translation>
    </message>
    <message>
        <source>Half-Lunar Day</source>
        <translation>கரணம்</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>கிழமை</translation>
    </message>
    <message>
        <source>Electional Moon Sign</source>
        <translation>முகூர்த்த ராசி</translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation>முகூர்த்த ராசி அதிபதி</translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation>முகூர்த்த நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation>முகூர்த்த நட்சத்திர அதிபதி</translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation>முகூர்த்த லக்னம்</translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation>முகூர்த்தத் திதி</translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation>முகூர்த்த யோகம்</translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation>முகூர்த்தக் கரணம்</translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation>முகூர்த்தக் கிழமை</translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation>முகூர்த்தத் தேதி</translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation>முகூர்த்த நேரம்</translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation>முகூர்த்த இடம்</translation>
    </message>
    <message>
        <source>%1 date %2</source>
        <translation>%1 தேதி %2</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>பிறந்த</translation>
    </message>
    <message>
        <source>Election</source>
        <translation>முகூர்த்த</translation>
    </message>
    <message>
        <source>birth</source>
        <translation>பிறந்த</translation>
    </message>
    <message>
        <source>election</source>
        <translation>முகூர்த்த</translation>
    </message>
    <message>
        <source>Election place: %1</source>
        <translation>முகூர்த்த இடம்: %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 at %4:%5</source>
        <translation>%1 %2 %3, %4:%5</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>சூ</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>சந்</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>செ</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>பு</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>கு</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>சு</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>சனி</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>ரா</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>கே</translation>
    </message>
    <message>
        <source>Rahu kalam</source>
        <translation>ராகு காலம்</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>எமகண்டம்</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>குளிகை</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>அபிஜித்</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>சோகடியா</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ஹோரை</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>யோகம்</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>கரணம்</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>சந்திர ராசி</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Durmuhurtam</source>
        <translation>துர்முகூர்த்தம்</translation>
    </message>
    <message>
        <source>Night kalams</source>
        <translation>இரவுக் காலங்கள்</translation>
    </message>
    <message>
        <source>Muhurtas</source>
        <translation>முகூர்த்தங்கள்</translation>
    </message>
    <message>
        <source>Sandhya</source>
        <translation>சந்தியா காலம்</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>கோதூளி</translation>
    </message>
    <message>
        <source>Pradosh</source>
        <translation>பிரதோஷம்</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>கௌரி</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>தியாஜ்யம்</translation>
    </message>
    <message>
        <source>Amrit kalam</source>
        <translation>அமிர்த காலம்</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>தாரா பலம்</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>சந்திர பலம்</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>சந்திராஷ்டமம்</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>உதயம்</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>அஸ்தமனம்</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>மறுநாள் உதயம்</translation>
    </message>
    <message>
        <source>    Sunrise %1    Sunset %2    Next sunrise %3</source>
        <translation>    சூரிய உதயம் %1    அஸ்தமனம் %2    மறுநாள் உதயம் %3</translation>
    </message>
    <message>
        <source>Moonrise %1    Moonset %2</source>
        <translation>சந்திர உதயம் %1    சந்திர அஸ்தமனம் %2</translation>
    </message>
    <message>
        <source>Rasi
%1</source>
        <translation>ராசி
%1</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>கிரகங்கள்</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>லக்</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, நாள் முழுவதும்</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 வரை</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 %2 முதல்</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 %2 அன்று</translation>
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
        <translation>%1 (சில பகுதிகளில்)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>அசுபம்</translation>
    </message>
    <message>
        <source>Child Ceremonies</source>
        <translation>குழந்தைச் சடங்குகள்</translation>
    </message>
    <message>
        <source>Naming of The Child or Namakarana</source>
        <translation>பெயர் சூட்டுதல் (நாமகரணம்)</translation>
    </message>
    <message>
        <source>Tonsuring of Head</source>
        <translation>முடி இறக்குதல்</translation>
    </message>
    <message>
        <source>Piercing of the Ear or Karnavedha</source>
        <translation>காது குத்துதல் (கர்ணவேதம்)</translation>
    </message>
    <message>
        <source>Thread Ceremony Or Upanayana</source>
        <translation>உபநயனம் (பூணூல் அணிவித்தல்)</translation>
    </message>
    <message>
        <source>First feeding of Solid Food (Annaprasan)</source>
        <translation>முதல் சோறூட்டல் (அன்னப்பிராசனம்)</translation>
    </message>
    <message>
        <source>Starting of Education (Aksharabhyasa)</source>
        <translation>கல்வி தொடங்குதல் (அட்சராப்பியாசம்)</translation>
    </message>
    <message>
        <source>Adoption of a Child</source>
        <translation>குழந்தையைத் தத்தெடுத்தல்</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>திருமணம்</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>நிச்சயதார்த்தம்</translation>
    </message>
    <message>
        <source>First Entrance of the Bride</source>
        <translation>மணமகள் புகுந்த வீடு புகுதல்</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>கல்வி</translation>
    </message>
    <message>
        <source>Learning of a Trade</source>
        <translation>தொழில் கற்றல்</translation>
    </message>
    <message>
        <source>Learning of any Science</source>
        <translation>சாஸ்திரம் கற்றல்</translation>
    </message>
    <message>
        <source>Learning Dance Or Music</source>
        <translation>நடனம் அல்லது இசை கற்றல்</translation>
    </message>
    <message>
        <source>Learning Astrology Or Astronomy</source>
        <translation>ஜோதிடம் அல்லது வானியல் கற்றல்</translation>
    </message>
    <message>
        <source>Learning Medicine</source>
        <translation>மருத்துவம் கற்றல்</translation>
    </message>
    <message>
        <source>Learning Grammar, Logic Or Philosophy</source>
        <translation>இலக்கணம், தர்க்கம் அல்லது தத்துவம் கற்றல்</translation>
    </message>
    <message>
        <source>Moving Into New Home</source>
        <translation>வீடு குடிபுகுதல்</translation>
    </message>
    <message>
        <source>Entering a New House</source>
        <translation>புது வீடு கிரகப்பிரவேசம்</translation>
    </message>
    <message>
        <source>Entering a Rented House</source>
        <translation>வாடகை வீடு குடிபுகுதல்</translation>
    </message>
    <message>
        <source>Start On A New Job</source>
        <translation>புதிய வேலையில் சேர்தல்</translation>
    </message>
    <message>
        <source>Start A New Business</source>
        <translation>புதிய தொழில் தொடங்குதல்</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>பயணம்</translation>
    </message>
    <message>
        <source>Domestic Journey</source>
        <translation>உள்நாட்டுப் பயணம்</translation>
    </message>
    <message>
        <source>Religious Journey</source>
        <translation>தீர்த்த யாத்திரை</translation>
    </message>
    <message>
        <source>Foreign Journey</source>
        <translation>வெளிநாட்டுப் பயணம்</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>கட்டுமானம்</translation>
    </message>
    <message>
        <source>Laying the Foundation</source>
        <translation>அடிக்கல் நாட்டுதல்</translation>
    </message>
    <message>
        <source>Starting the Construction of a House</source>
        <translation>வீடு கட்டத் தொடங்குதல்</translation>
    </message>
    <message>
        <source>Financial Transactions</source>
        <translation>கொடுக்கல் வாங்கல்</translation>
    </message>
    <message>
        <source>Lending Money</source>
        <translation>கடன் கொடுத்தல்</translation>
    </message>
    <message>
        <source>Borrowing Money</source>
        <translation>கடன் வாங்குதல்</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>வழக்கு விவகாரங்கள்</translation>
    </message>
    <message>
        <source>Medical Treatment</source>
        <translation>மருத்துவ சிகிச்சை</translation>
    </message>
    <message>
        <source>Starting medical treatment for chronic disease or recurring illness</source>
        <translation>நாள்பட்ட அல்லது மீண்டும் வரும் நோய்க்குச் சிகிச்சை தொடங்குதல்</translation>
    </message>
    <message>
        <source>Date for operations</source>
        <translation>அறுவை சிகிச்சைக்கு நாள்</translation>
    </message>
    <message>
        <source>Buying and Selling</source>
        <translation>வாங்குதல், விற்றல்</translation>
    </message>
    <message>
        <source>Buying Land</source>
        <translation>நிலம் வாங்குதல்</translation>
    </message>
    <message>
        <source>Selling Land</source>
        <translation>நிலம் விற்றல்</translation>
    </message>
    <message>
        <source>Buying Item</source>
        <translation>பொருள் வாங்குதல்</translation>
    </message>
    <message>
        <source>Sell Item</source>
        <translation>பொருள் விற்றல்</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>இப்போது மறுதொடக்கம் செய்</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>பிறகு</translation>
    </message>
    <message>
        <source>&amp;Native digits</source>
        <translation>தமிழ் எண்கள் (&amp;N)</translation>
    </message>
    <message>
        <source>%1 %2 – %3 %4, %5 minutes%6

%7</source>
        <translation>%1 %2 – %3 %4, %5 நிமிடங்கள்%6

%7</translation>
    </message>
    <message>
        <source>, among the best of the range</source>
        <translation>, இந்தக் காலத்தின் சிறந்த நேரங்களில் ஒன்று</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2 (%3, பிறப்பு %4 %5:%6), இடம் %7: %8 %9, %10.</translation>
    </message>
    <message>
        <source>the election place</source>
        <translation>முகூர்த்த இடம்</translation>
    </message>
    <message>
        <source>zone %1 h %2 min%3 (%4)</source>
        <translation>மண்டலம் %1 ம %2 நி%3 (%4)</translation>
    </message>
    <message>
        <source>, DST</source>
        <translation>, DST</translation>
    </message>
    <message>
        <source>%1, follows daylight saving</source>
        <translation>%1, பகலொளி சேமிப்பு நேரம் (DST) பின்பற்றுகிறது</translation>
    </message>
</context>
</TS>
