<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation>ప్రోగ్రామ్ ఇప్పటికే నడుస్తోంది</translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation>ముహూర్తం చూడవలసిన కార్యాన్ని జాబితా నుంచి ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation>కొనసాగడానికి &quot;తదుపరి&quot; నొక్కండి</translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation>ముహూర్త శాస్త్రం ఒక కార్యం మొదలుపెట్టడానికి తగిన సమయాన్ని వెతుకుతుంది. ఆ సమయపు గ్రహస్థితిని సంబంధిత వ్యక్తి జన్మ కాలపు గ్రహస్థితితో పోల్చి చూస్తారు: చంద్రుని నక్షత్రం, రాశి, లగ్నం, తిథి, వారం, విశేష యోగాలు అన్నిటికీ పాత్ర ఉంది.</translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation>ఎడమవైపు కార్యాల వర్గాన్ని ఎంచుకుని, జాబితాలో కార్యాన్ని గుర్తించి &quot;తదుపరి&quot; నొక్కండి. తర్వాత అనుకున్న సమయం, స్థలం, ఆపై జన్మ వివరాలు నమోదు చేస్తారు.</translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation>కార్యం: %1</translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation>ముహూర్త వివరాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation>పరిశీలించదలచిన సమయపు తేదీ, గడియార సమయం, స్థలం నమోదు చేయండి. వారం తేదీని అనుసరిస్తుంది; రోజును సూర్యోదయం నుంచి లెక్కిస్తేనే దాన్ని మార్చండి.</translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation>అక్షాంశ రేఖాంశాలు పూర్తి డిగ్రీలు, నిమిషాలలో ఉంటాయి. స్థలపు సమయ మండలాన్ని &quot;TZ సహాయం&quot;తో ఎంచుకోండి; పగటి ఆదా సమయం అమలులో ఉంటే DST గుర్తించండి.</translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation>జాతకుని జన్మ వివరాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation>ఎవరి కోసం ముహూర్తం ఎంచుకుంటున్నారో వారి పేరు, పుట్టిన తేదీ, సమయం, స్థలం నమోదు చేయండి. పుట్టినప్పటి చంద్ర నక్షత్రమే ఎంచుకున్న సమయపు తారాబలాన్ని, చంద్రబలాన్ని నిర్ణయిస్తుంది.</translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation>రెండు జాతకాలనూ గణించి సమయాన్ని నిర్ణయించడానికి &quot;తదుపరి&quot; నొక్కండి. ఫలితం, ముద్రించడానికి లేదా భద్రపరచడానికి నివేదిక మూడు ట్యాబ్‌లలో కనిపిస్తాయి.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>తేదీ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>వారం</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>సమయం</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>HH/MM/SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>పేరు</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>పురుషుడు</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>స్త్రీ</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>పుట్టిన తేదీ</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>పుట్టిన వారం</translation>
    </message>
    <message>
        <source>Birth Time</source>
        <translation>పుట్టిన సమయం</translation>
    </message>
    <message>
        <source>City</source>
        <translation>ఊరు</translation>
    </message>
    <message>
        <source>State</source>
        <translation>రాష్ట్రం</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>దేశం</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>అక్షాంశం</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>రేఖాంశం</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>డిగ్రీ</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>నిమి</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ఉత్తరం</translation>
    </message>
    <message>
        <source>South</source>
        <translation>దక్షిణం</translation>
    </message>
    <message>
        <source>East</source>
        <translation>తూర్పు</translation>
    </message>
    <message>
        <source>West</source>
        <translation>పడమర</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>అక్షాంశ రేఖాంశాల కోసం ఇక్కడ నొక్కండి</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>సమయ మండలం</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>గంట</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>TZ సహాయం</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; వెనుకకు (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>తదుపరి (&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation>Horavela ముహూర్త విశ్లేషణ సిద్ధం చేస్తోంది. దయచేసి వేచి ఉండండి...</translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation>ముహూర్త ఫలితం</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>జన్మ వివరాలు</translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation>ముహూర్త వివరాలు</translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation>ముహూర్త విశ్లేషణ</translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation>Horavela నివేదిక</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>సారాంశం</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>అంశం</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>ఫలితం</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>పాయింట్లు</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>మొత్తం</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>ముద్రించు (&amp;P)</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>PDFగా భద్రపరచు (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation>RTFగా భద్రపరచు (&amp;R)...</translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation>క్యాలెండర్‌కు చేర్చు...</translation>
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
        <translation>ఫైల్ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation>కొత్త పరిశీలన (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>నిష్క్రమించు (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>సహాయం (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ఆన్‌లైన్ సహాయం (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>మా వెబ్‌సైట్ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>సాఫ్ట్‌వేర్ నవీకరణ కోసం చూడు (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>సాఫ్ట్‌వేర్ గురించి (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>నిష్క్రమించు (&amp;Q)</translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation>అక్షరాలు మాత్రమే అంగీకరించబడతాయి.</translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation>అంకెలు మాత్రమే అంగీకరించబడతాయి.</translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation>సంవత్సరం 1901 నుంచి 2050 వరకు.</translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation>నెల 1 (జనవరి) నుంచి 12 (డిసెంబర్) వరకు.</translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation>రోజు 1 నుంచి 31 వరకు.</translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation>గంటలు 0 నుంచి 23 వరకు.</translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation>నిమిషాలు 0 నుంచి 59 వరకు.</translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation>సెకన్లు 0 నుంచి 59 వరకు.</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>ఒక కార్యాన్ని ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>మీ పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation>అక్షాంశ డిగ్రీలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation>అక్షాంశ నిమిషాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation>రేఖాంశ డిగ్రీలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation>రేఖాంశ నిమిషాలు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation>పుట్టిన తేదీ ఎంచుకోండి</translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation>జననం (%1) ముహూర్త సమయం (%2) కంటే తర్వాతది. ఇప్పటికే పుట్టిన వ్యక్తికే సమయాన్ని పరిశీలించగలం: పుట్టిన తేదీని గాని ముహూర్త తేదీని గాని సరిచేయండి.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ఊరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>రాష్ట్రం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>దేశం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation>అక్షాంశ డిగ్రీలు 0 నుంచి 90 మధ్య ఉండాలి</translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation>అక్షాంశ నిమిషాలు 0 నుంచి 59 మధ్య ఉండాలి</translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation>అక్షాంశం 90 డిగ్రీలు దాటకూడదు: 90 డిగ్రీల వద్ద నిమిషాలు 0 ఉండాలి</translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation>రేఖాంశ డిగ్రీలు 0 నుంచి 180 మధ్య ఉండాలి</translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation>రేఖాంశ నిమిషాలు 0 నుంచి 59 మధ్య ఉండాలి</translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation>రేఖాంశం 180 డిగ్రీలు దాటకూడదు: 180 డిగ్రీల వద్ద నిమిషాలు 0 ఉండాలి</translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation> అక్షాంశం రేఖాంశం</translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation>&quot;%1&quot; కోసం కంప్యూటర్‌లోని అట్లాస్‌లో ఈ స్థలాలు ఉన్నాయి. ఒకదాన్ని ఎంచుకుంటే దాని అక్షాంశ రేఖాంశాలు, సమయ మండలం నిండుతాయి; లేదా వెబ్‌లో వెతకండి.</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>ఈ స్థలాన్ని వాడు (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>వెబ్‌లో వెతుకు (&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దు చేయి</translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation>వెబ్ శోధనను తెరవడం సాధ్యం కాలేదు: ఈ కంప్యూటర్‌లో వెబ్ బ్రౌజర్ లేదు. &quot;%1&quot; కోసం మీరే వెతకండి, లేదా ఊరు పెట్టెలో పేరు టైప్ చేసి కంప్యూటర్‌లోని అట్లాస్‌లో స్థలాన్ని ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation>%1 పేజీని తెరవడం సాధ్యం కాలేదు: ఈ కంప్యూటర్‌లో వెబ్ బ్రౌజర్ లేదు.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>ప్రింటర్ ఏదీ అందుబాటులో లేదు.</translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation>బదులుగా నివేదికను PDF ఫైల్‌గా భద్రపరచాలా?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>నివేదికను %1 లో భద్రపరచడం సాధ్యం కాలేదు: %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>నివేదికను ముద్రించడం సాధ్యం కాలేదు.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>నివేదికను PDFగా భద్రపరచు</translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation>నివేదికను RTFగా భద్రపరచు</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ఫైళ్లు (*.pdf)</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>RTF ఫైళ్లు (*.rtf)</translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation>ఈ సమయాన్ని క్యాలెండర్ ఈవెంట్‌గా భద్రపరచు</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ఫైళ్లు (*.ics)</translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation>క్యాలెండర్ ఫైల్‌ను %1 లో భద్రపరచడం సాధ్యం కాలేదు: %2</translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation>పరిశీలన పూర్తి చేయడం సాధ్యం కాలేదు</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation>%1, %2 (మొదటి %3)</translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation>%1, %2 (రెండవ %3)</translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation>%1: %2 అనే సమయం లేదు</translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation>%1: %2 రెండుసార్లు వచ్చింది</translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation>%1: తేదీ ఎంచుకోండి</translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation>అట్లాస్ నుంచి: %1</translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation>అక్షాంశ రేఖాంశాలు చేతితో నమోదు చేసినవి, అట్లాస్ నుంచి కాదు</translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation>అట్లాస్‌లో ఒకే ఊరుగా లేదు: అక్షాంశ రేఖాంశాలు, మండలం నమోదు చేయండి, లేదా రాష్ట్రం, దేశం ఇచ్చి పైన నొక్కండి</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation>అట్లాస్‌లో &quot;%1&quot; ఒకే ఊరుగా లేదు, కాబట్టి %2 యొక్క అక్షాంశ రేఖాంశాలు, మండలం తొలగించబడ్డాయి. %1 అక్షాంశ రేఖాంశాలు నమోదు చేసి &quot;TZ సహాయం&quot;తో మండలాన్ని ఎంచుకోండి, లేదా రాష్ట్రం, దేశం ఇచ్చి &quot;అక్షాంశ రేఖాంశాల కోసం ఇక్కడ నొక్కండి&quot; వాడండి.</translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation>అట్లాస్‌లో ఒకే ఊరుగా లేదు: దాని అక్షాంశ రేఖాంశాలు, మండలం నమోదు చేయండి</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation>అట్లాస్‌లో &quot;%1&quot; ఒకే ఊరుగా లేదు, కాబట్టి %2 యొక్క అక్షాంశ రేఖాంశాలు, మండలం తొలగించబడ్డాయి. %1 అక్షాంశ రేఖాంశాలు, మండలం నమోదు చేయండి.</translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation>%2 లో గడియార సమయం %1 లేదు: గడియారాలను %3 నుంచి %4 కు ముందుకు జరిపారు. సమయాన్ని సరిచేయండి, లేదా &quot;TZ సహాయం&quot;తో మండలాన్ని మీరే ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation>%2 లో గడియార సమయం %1 రెండుసార్లు వచ్చింది: మొదట %3 కు, గడియారాలను వెనక్కి జరిపిన తర్వాత మళ్లీ %4 కు.</translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation>వాటిలో మొదటిదా (%1)?</translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation>వాటిలో రెండవదా (%1)?</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation>%2 లో గడియార సమయం %1 రెండుసార్లు వచ్చింది. రెండింటిలో ఏది అనుకున్నారో చెప్పండి, లేదా సమయాన్ని సరిచేయండి.</translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation>%2 యొక్క సమయ మండలం %1 ఈ సిస్టమ్ సమయ మండలాల డేటాబేస్‌లో లేదు. &quot;TZ సహాయం&quot;తో మండలాన్ని ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation>వ్యక్తిని ఎంచుకో...</translation>
    </message>
    <message>
        <source>Save person</source>
        <translation>వ్యక్తిని భద్రపరచు</translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation>స్థలాన్ని ఎంచుకో...</translation>
    </message>
    <message>
        <source>Save place</source>
        <translation>స్థలాన్ని భద్రపరచు</translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation>వ్యక్తులు, స్థలాలు...</translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation>వ్యక్తులు-స్థలాల పుస్తకాన్ని తెరవడం సాధ్యం కాలేదు: %1

Horavela అది లేకుండానే పనిచేస్తుంది; ప్రోగ్రామ్‌ను మళ్లీ ప్రారంభించే వరకు వ్యక్తులను, స్థలాలను భద్రపరచడం గాని ఎంచుకోవడం గాని కుదరదు.</translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation>వ్యక్తులు-స్థలాల పుస్తకం అందుబాటులో లేదు: %1</translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation>పుస్తకాన్ని మార్చడం సాధ్యం కాలేదు: %1</translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation>%1 గురించి ఒక గమనిక (ఐచ్ఛికం):</translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation>%1 (జననం %2) పుస్తకంలో భద్రపరచబడింది.</translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation>%1 (జననం %2) ఇప్పటికే పుస్తకంలో ఉంది.</translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation>%1 పుస్తకంలో భద్రపరచబడింది.</translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation>%1 ఇప్పటికే పుస్తకంలో ఉంది.</translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation>వ్యక్తిని ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation>స్థలాన్ని ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>పేరుతో వెతుకు</translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation>ఊరుతో వెతుకు</translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation>పుస్తకంలో ఇంకా వ్యక్తులు ఎవరూ లేరు. జన్మ పేజీ నింపి &quot;వ్యక్తిని భద్రపరచు&quot; నొక్కండి.</translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation>పుస్తకంలో ఇంకా స్థలాలు ఏవీ లేవు. ముహూర్త పేజీ నింపి &quot;స్థలాన్ని భద్రపరచు&quot; నొక్కండి.</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>జననం</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>స్థలం</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>అక్షాంశ రేఖాంశాలు</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>People and places</source>
        <translation>వ్యక్తులు, స్థలాలు</translation>
    </message>
    <message>
        <source>People</source>
        <translation>వ్యక్తులు</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>స్థలాలు</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>వెతుకు</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>సవరించు (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>తొలగించు (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>దిగుమతి (&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>ఎగుమతి (&amp;X)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation>ముందుగా జాబితాలో ఒకదాన్ని ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation>%1 (జననం %2) ను తొలగించాలా?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 ను తొలగించాలా?</translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation>ఇది పుస్తకం నుంచి శాశ్వతంగా తొలగిపోతుంది.</translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation>వ్యక్తులు, స్థలాల దిగుమతి</translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation>వ్యక్తులు, స్థలాల ఎగుమతి</translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation>horavela-book.json</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON ఫైళ్లు (*.json);;అన్ని ఫైళ్లు (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>%1 ఫైల్‌ను చదవడం సాధ్యం కాలేదు: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation>%1 ఫైల్ వ్యక్తులు-స్థలాల పుస్తకం కాదు: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation>%1 నుంచి దిగుమతి: %2 చేర్చబడ్డాయి, ఇప్పటికే పుస్తకంలో ఉన్న %3 వదిలివేయబడ్డాయి.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>%1 నుంచి ఏదీ దిగుమతి కాలేదు: %2</translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation>%1 వ్యక్తులు, %2 స్థలాలు %3 కు ఎగుమతి అయ్యాయి.</translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation>పుస్తకాన్ని %1 కు ఎగుమతి చేయడం సాధ్యం కాలేదు: %2</translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation>వ్యక్తిని సవరించు</translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation>స్థలాన్ని సవరించు</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>లింగం</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>గమనిక</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>మండలం</translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation>అట్లాస్ మండలం %1 ను అనుసరిస్తుంది</translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation>పేరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation>ఊరు నమోదు చేయండి</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>రోజు</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>వీక్షణ (&amp;V)</translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation>రోజు సారాంశం</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation>ముందుగా ముహూర్త స్థలపు అక్షాంశ రేఖాంశాలు నమోదు చేయండి: రోజు సారాంశం ముహూర్త తేదీకి, స్థలానికి గణించబడుతుంది.</translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation>రోజు సారాంశాన్ని గణించడం సాధ్యం కాలేదు</translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation>ముహూర్త పేజీ నింపి, తర్వాత వీక్షణ &gt; రోజు సారాంశం ఎంచుకోండి లేదా ఒక సమయాన్ని పరిశీలించండి.</translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation>ఆ రోజు అమలులో ఉన్న సంప్రదాయ నిషేధాలు:</translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation>ఆ రోజు సంప్రదాయ నిషేధం ఏదీ లేదు.</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ధ్రువ పగలు: ఈ తేదీన సూర్యుడు అస్తమించడు, కాబట్టి రాహు కాలాది కాలాలు, అభిజిత్, చౌఘడియ, హోర ఏవీ లేవు.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ధ్రువ రాత్రి: ఈ తేదీన సూర్యుడు ఉదయించడు, కాబట్టి రాహు కాలాది కాలాలు, అభిజిత్, చౌఘడియ, హోర ఏవీ లేవు.</translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ఈ తేదీన సూర్యుడు ఉదయించి మళ్లీ అస్తమించడు, కాబట్టి రాహు కాలాది కాలాలు, అభిజిత్, చౌఘడియ, హోర ఏవీ లేవు.</translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ఈ తేదీన సూర్యుడు ఉదయించకుండానే అస్తమిస్తాడు: ఆ పగలు అంతకు ముందు తేదీన మొదలైంది, కాబట్టి రాహు కాలాది కాలాలు, అభిజిత్, చౌఘడియ, హోర ఏవీ లేవు.</translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation>మరుసటి తేదీన సూర్యుడు మళ్లీ ఉదయించడు: పగటికి రాహు కాలాది కాలాలు, అభిజిత్, చౌఘడియ, హోర ఉన్నాయి; రాత్రికి ఏవీ లేవు.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>లేదు</translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation>బుధవారం పాటించరు: ఆ రోజు పంచాంగాలు అభిజిత్ ముహూర్తాన్ని వదిలివేస్తాయి.</translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation>%1 తార, %2 (జన్మ నక్షత్రం %3 నుంచి)</translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation>%1 (జన్మ రాశి %2 నుంచి)</translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation>జన్మ రాశి %1 నుంచి ఎనిమిదవ రాశిలో చంద్రుడు (చంద్రాష్టమం): కొత్త ప్రారంభాలు వద్దని పంచాంగాలు హెచ్చరిస్తాయి.</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>దక్షిణ భారత</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>ఉత్తర భారత</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>చక్ర శైలి</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ముద్రించు</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDFగా భద్రపరచు</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNGగా భద్రపరచు</translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation>రోజు సారాంశాన్ని PDFగా భద్రపరచు</translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation>రోజు సారాంశాన్ని PNGగా భద్రపరచు</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG చిత్రాలు (*.png)</translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation>రోజు సారాంశాన్ని %1 లో భద్రపరచడం సాధ్యం కాలేదు: %2</translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation>మంచి సమయాలు వెతుకు...</translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation>మంచి సమయాల అన్వేషణ</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>నుంచి (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>వరకు (&amp;T)</translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation>కనీసం (&amp;L)</translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation>మొత్తం కనీసం</translation>
    </message>
    <message>
        <source>any</source>
        <translation>ఏదైనా</translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation>రాహు కాలం వదిలివేయి</translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation>యమగండం వదిలివేయి</translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation>గుళిక కాలం వదిలివేయి</translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation>సంప్రదాయ నిషేధాలు, పంచాంగ శుద్ధి పాటించు</translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation>ప్రాంతీయ నిషేధాలు కూడా (హోళాష్టకం, పితృ పక్షం)</translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation>%2 రోజులలో %1 రోజులను సంప్రదాయం నిషేధిస్తుంది</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ఇంకా %1</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV ఎగుమతి...</translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation>సమయాలను CSVగా ఎగుమతి చేయి</translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation>windows.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ఫైళ్లు (*.csv)</translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation>సమయాలను ఎగుమతి చేయడం సాధ్యం కాలేదు: %1</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>సమయాలను క్యాలెండర్ ఈవెంట్‌లుగా భద్రపరచు</translation>
    </message>
    <message>
        <source>windows.ics</source>
        <translation>windows.ics</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>ఫలితం</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>అంశాలు</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>నిమిషాలు</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>వెతుకు (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>రద్దు చేయి (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation>ఈ సమయాన్ని వాడు (&amp;U)</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>శుభం</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>మధ్యమం</translation>
    </message>
    <message>
        <source>Click a day to show its first window; under each day, the total of its best window. The list runs in time order (click a column&apos;s title to sort by it); the ten best windows are in bold. Double-click a window, or select it and press &quot;Use this time&quot;, to judge it in full.</source>
        <translation>ఒక రోజును నొక్కితే దాని మొదటి సమయం కనిపిస్తుంది; ప్రతి రోజు కింద దాని ఉత్తమ సమయపు మొత్తం ఉంటుంది. జాబితా కాల క్రమంలో ఉంటుంది (నిలువు వరుస శీర్షికను నొక్కితే దాని ప్రకారం అమరుతుంది); ఉత్తమ పది సమయాలు బోల్డ్‌లో ఉంటాయి. ఒక సమయాన్ని పూర్తిగా పరిశీలించడానికి దాన్ని రెండుసార్లు నొక్కండి, లేదా ఎంచుకుని &quot;ఈ సమయాన్ని వాడు&quot; నొక్కండి.</translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation>కాల పరిధిని ఎంచుకుని &quot;వెతుకు&quot; నొక్కండి.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>వెతుకుతోంది...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>రద్దు చేస్తోంది...</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>అన్వేషణ రద్దయింది.</translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation>ఈ పరిధిలో ఏ సమయమూ %1 కు చేరలేదు.</translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation>%2 రోజులలో %1 సమయాలు, %3 s లో కనుగొనబడ్డాయి.</translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation>మొదటి %1 సమయాలు చూపబడుతున్నాయి; మిగిలినవి చూడడానికి పరిధిని తగ్గించండి.</translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation>అన్వేషణ నడపడం సాధ్యం కాదు: %1</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>అన్వేషణ విఫలమైంది: %1</translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation>ముందుగా మొదటి పేజీలో కార్యాన్ని ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation>ముందుగా ముహూర్త స్థలపు అక్షాంశ రేఖాంశాలు నమోదు చేయండి.</translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation>అన్వేషణ ప్రతి సమయాన్నీ ఆ వ్యక్తి జన్మ వివరాలతో పోల్చి నిర్ణయిస్తుంది, జన్మ పేజీ ఇంకా పూర్తి కాలేదు: %1. &quot;తదుపరి&quot; నొక్కి, జన్మ పేజీ నింపి, అక్కడ &quot;మంచి సమయాలు వెతుకు...&quot; వాడండి.</translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation>పేరు లేదు</translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation>పుట్టిన తేదీ ఎంచుకోలేదు</translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation>పుట్టిన స్థలపు అక్షాంశ రేఖాంశాలు లేవు</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>సాధనాలు (&amp;T)</translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation>వివాహ పొంతన...</translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation>వివాహ పొంతన</translation>
    </message>
    <message>
        <source>Groom:</source>
        <translation>వరుడు:</translation>
    </message>
    <message>
        <source>Bride:</source>
        <translation>వధువు:</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>పొంతన చూడు</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>ముద్రించు...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDFగా భద్రపరచు...</translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation>RTF ఎగుమతి...</translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation>Horavela పొంతన నివేదిక</translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation>పుస్తకంలో ఇద్దరి కంటే తక్కువ మంది ఉన్నారు. ముందుగా వరుడిని, వధువును పుస్తకంలో భద్రపరచండి (జన్మ పేజీలో &quot;వ్యక్తిని భద్రపరచు&quot;, లేదా ఫైల్ &gt; వ్యక్తులు, స్థలాలు... &gt; దిగుమతి).</translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation>వరుడిగా, వధువుగా ఇద్దరు వేర్వేరు వ్యక్తులను ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation>పొంతనను గణించడం సాధ్యం కాలేదు: %1</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation>పొంతన నివేదికను %1 లో భద్రపరచడం సాధ్యం కాలేదు: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>నెల</translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation>నెల సారాంశం</translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation>ముహూర్త పేజీ నింపండి: ముహూర్త తేదీ ఉన్న నెల ముహూర్త స్థలానికి చూపబడుతుంది.</translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation>నెలను గణించడం సాధ్యం కాలేదు</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation>%1 %2, %3 — ఉత్తమ సమయాలు: %4</translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation>%1	%2-%3</translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation>తిథి, నక్షత్రం సూర్యోదయ సమయంలో నడుస్తున్నవి, అవి ముగిసే సమయంతో (+1: మరుసటి రోజు). బూడిద రంగు రోజులు: ఆ రోజు ఏదో ఒక సమయంలో సంప్రదాయ నిషేధం అమలులో ఉంది.</translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation>ఉదయం %1	అస్తమయం %2</translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation>రాహు కాలం	%1-%2</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>నెల సారాంశాన్ని PDFగా భద్రపరచు</translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation>నెల సారాంశాన్ని %1 లో భద్రపరచడం సాధ్యం కాలేదు: %2</translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation>భాగస్వామిని చేర్చు</translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation>భాగస్వామి జన్మ వివరాలు</translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation>మండలం (తూర్పు +hh:mm)</translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation>భాగస్వామిని ఎంచుకో...</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation>భాగస్వామి పేరు నమోదు చేయండి.</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation>భాగస్వామి పుట్టిన స్థలపు అక్షాంశ రేఖాంశాలు నమోదు చేయండి.</translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation>భాగస్వామి పుట్టిన స్థలం: %1</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation>భాగస్వామి మండలాన్ని గ్రీన్‌విచ్‌కు తూర్పున గంటలు, నిమిషాలుగా నమోదు చేయండి, ఉదా. +05:30.</translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation>భాగస్వామికి: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>సవరణ (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>అభిరుచులు (&amp;P)...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>అభిరుచులు</translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation>ప్రోగ్రామ్ ఎలా గణిస్తుంది, ఎలా లెక్కిస్తుంది. మీ పంచాంగం వేరే విధంగా లెక్కించకపోతే వీటిని మార్చకండి: ముందే ఉన్న విలువలు ప్రోగ్రామ్ సొంతవి.</translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation>గ్రహ పట్టిక (&amp;E):</translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation>సూర్యుడు, చంద్రుడు, లగ్నం ఏ గణితం నుంచి వస్తాయి. Swiss Ephemeris తో నక్షత్ర, రాశి మార్పులు చాలా పంచాంగాలు ముద్రించే చోట, కొన్ని నిమిషాలు ముందుగా, వస్తాయి.</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>అయనాంశ (&amp;A):</translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation>నిరయన రాశిచక్రం సాయన రాశిచక్రం నుంచి ఎంత దూరంలో ఉంది. మీ పంచాంగం గాని జ్యోతిష్కుడు గాని చెప్పేదాన్ని ఎంచుకోండి; లాహిరి భారత ఖగోళ పంచాంగం (Indian Astronomical Ephemeris) వాడేది.</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>సూర్యోదయం (&amp;S):</translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation>రోజు ఎప్పుడు మొదలై ఎప్పుడు ముగుస్తుంది. ముద్రిత పంచాంగాలు సూర్య బింబపు పై అంచును తీసుకుంటాయి; చాలా భారతీయ ప్రోగ్రామ్‌లు బింబ కేంద్రాన్ని తీసుకుంటాయి, అది కొన్ని నిమిషాలు ఆలస్యంగా ఉదయించి ముందుగా అస్తమిస్తుంది.</translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation>తారాబల లెక్క (&amp;T):</translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation>ఆనాటి నక్షత్రాన్ని జన్మ నక్షత్రం నుంచి ఎలా లెక్కించాలి. సంప్రదాయ లెక్క ముందుకు సాగుతూ జన్మ నక్షత్రాన్నే మొదటిదిగా లెక్కిస్తుంది.</translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation>Horavela గురించి</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>వెర్షన్ %1</translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation>వైదిక ముహూర్త జ్యోతిషం: అనుకున్న సమయం ఒక కార్యానికి తగినదో కాదో, సంబంధిత వ్యక్తి జన్మ వివరాలతో పోల్చి నిర్ణయిస్తుంది.</translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation>గ్రహ స్థానాలు: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;వినియోగదారు ఇంటర్‌ఫేస్: Qt %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>భాష (&amp;L)</translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation>తదుపరి ప్రారంభం నుంచి ప్రోగ్రామ్ భాష: %1.</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>పుట్టిన తేదీ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>పుట్టిన సమయం</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>పుట్టిన స్థలం</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>జన్మ రాశి</translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation>రాశి అధిపతి</translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation>జన్మ నక్షత్రం</translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation>నక్షత్ర అధిపతి</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation>తిథి</translation>
    </message>
    <message>
        <source>Birth Yoga</source>
        <translation>యోగం</translation>
    </message>
    <message>
        <source>Half-Lunar Day</source>
        <translation>కరణం</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>వారం</translation>
    </message>
    <message>
        <source>Electional Moon Sign</source>
        <translation>ముహూర్త రాశి</translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation>ముహూర్త రాశి అధిపతి</translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation>ముహూర్త నక్షత్రం</translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation>ముహూర్త నక్షత్ర అధిపతి</translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation>ముహూర్త లగ్నం</translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation>ముహూర్త తిథి</translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation>ముహూర్త యోగం</translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation>ముహూర్త కరణం</translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation>ముహూర్త వారం</translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation>ముహూర్త తేదీ</translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation>ముహూర్త సమయం</translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation>ముహూర్త స్థలం</translation>
    </message>
    <message>
        <source>%1 date %2</source>
        <translation>%1 తేదీ %2</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>పుట్టిన</translation>
    </message>
    <message>
        <source>Election</source>
        <translation>ముహూర్త</translation>
    </message>
    <message>
        <source>birth</source>
        <translation>పుట్టిన</translation>
    </message>
    <message>
        <source>election</source>
        <translation>ముహూర్త</translation>
    </message>
    <message>
        <source>Election place: %1</source>
        <translation>ముహూర్త స్థలం: %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 at %4:%5</source>
        <translation>%1 %2 %3, %4:%5</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>సూ</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>చం</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>కు</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>బు</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>గు</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>శు</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>శ</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>రా</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>కే</translation>
    </message>
    <message>
        <source>Rahu kalam</source>
        <translation>రాహు కాలం</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>యమగండం</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>గుళిక కాలం</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>అభిజిత్</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>చౌఘడియ</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>హోర</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>తిథి</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>నక్షత్రం</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>యోగం</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>కరణం</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>చంద్ర రాశి</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>లగ్నం</translation>
    </message>
    <message>
        <source>Durmuhurtam</source>
        <translation>దుర్ముహూర్తం</translation>
    </message>
    <message>
        <source>Night kalams</source>
        <translation>రాత్రి కాలాలు</translation>
    </message>
    <message>
        <source>Muhurtas</source>
        <translation>ముహూర్తాలు</translation>
    </message>
    <message>
        <source>Sandhya</source>
        <translation>సంధ్యా కాలం</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>గోధూళి</translation>
    </message>
    <message>
        <source>Pradosh</source>
        <translation>ప్రదోషం</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>గౌరి</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>వర్జ్యం</translation>
    </message>
    <message>
        <source>Amrit kalam</source>
        <translation>అమృత కాలం</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>తారాబలం</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>చంద్రబలం</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>చంద్రాష్టమం</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>సూర్యోదయం</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>సూర్యాస్తమయం</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>మరుసటి సూర్యోదయం</translation>
    </message>
    <message>
        <source>    Sunrise %1    Sunset %2    Next sunrise %3</source>
        <translation>    సూర్యోదయం %1    సూర్యాస్తమయం %2    మరుసటి సూర్యోదయం %3</translation>
    </message>
    <message>
        <source>Moonrise %1    Moonset %2</source>
        <translation>చంద్రోదయం %1    చంద్రాస్తమయం %2</translation>
    </message>
    <message>
        <source>Rasi
%1</source>
        <translation>రాశి
%1</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>గ్రహాలు</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>గ్రహం</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>స్థానం</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>ల</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, రోజంతా</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 వరకు</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 %2 నుంచి</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 %2న</translation>
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
        <translation>%1 (ప్రాంతీయం)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>అశుభం</translation>
    </message>
    <message>
        <source>Child Ceremonies</source>
        <translation>శిశు సంస్కారాలు</translation>
    </message>
    <message>
        <source>Naming of The Child or Namakarana</source>
        <translation>పేరు పెట్టడం (నామకరణం)</translation>
    </message>
    <message>
        <source>Tonsuring of Head</source>
        <translation>పుట్టు వెంట్రుకలు తీయడం</translation>
    </message>
    <message>
        <source>Piercing of the Ear or Karnavedha</source>
        <translation>చెవులు కుట్టడం (కర్ణవేధ)</translation>
    </message>
    <message>
        <source>Thread Ceremony Or Upanayana</source>
        <translation>ఉపనయనం (ఒడుగు)</translation>
    </message>
    <message>
        <source>First feeding of Solid Food (Annaprasan)</source>
        <translation>మొదటి అన్నం (అన్నప్రాశన)</translation>
    </message>
    <message>
        <source>Starting of Education (Aksharabhyasa)</source>
        <translation>విద్యారంభం (అక్షరాభ్యాసం)</translation>
    </message>
    <message>
        <source>Adoption of a Child</source>
        <translation>బిడ్డను దత్తత తీసుకోవడం</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>వివాహం</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>నిశ్చితార్థం</translation>
    </message>
    <message>
        <source>First Entrance of the Bride</source>
        <translation>వధువు గృహప్రవేశం</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>విద్య</translation>
    </message>
    <message>
        <source>Learning of a Trade</source>
        <translation>వృత్తి నేర్చుకోవడం</translation>
    </message>
    <message>
        <source>Learning of any Science</source>
        <translation>ఏదైనా శాస్త్రం నేర్చుకోవడం</translation>
    </message>
    <message>
        <source>Learning Dance Or Music</source>
        <translation>నృత్యం లేదా సంగీతం నేర్చుకోవడం</translation>
    </message>
    <message>
        <source>Learning Astrology Or Astronomy</source>
        <translation>జ్యోతిషం లేదా ఖగోళశాస్త్రం నేర్చుకోవడం</translation>
    </message>
    <message>
        <source>Learning Medicine</source>
        <translation>వైద్యం నేర్చుకోవడం</translation>
    </message>
    <message>
        <source>Learning Grammar, Logic Or Philosophy</source>
        <translation>వ్యాకరణం, తర్కం లేదా తత్త్వశాస్త్రం నేర్చుకోవడం</translation>
    </message>
    <message>
        <source>Moving Into New Home</source>
        <translation>గృహప్రవేశం</translation>
    </message>
    <message>
        <source>Entering a New House</source>
        <translation>కొత్త ఇంటి గృహప్రవేశం</translation>
    </message>
    <message>
        <source>Entering a Rented House</source>
        <translation>అద్దె ఇంట్లోకి మారడం</translation>
    </message>
    <message>
        <source>Start On A New Job</source>
        <translation>కొత్త ఉద్యోగంలో చేరడం</translation>
    </message>
    <message>
        <source>Start A New Business</source>
        <translation>కొత్త వ్యాపారం ప్రారంభం</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>ప్రయాణం</translation>
    </message>
    <message>
        <source>Domestic Journey</source>
        <translation>స్వదేశ ప్రయాణం</translation>
    </message>
    <message>
        <source>Religious Journey</source>
        <translation>తీర్థయాత్ర</translation>
    </message>
    <message>
        <source>Foreign Journey</source>
        <translation>విదేశ ప్రయాణం</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>నిర్మాణం</translation>
    </message>
    <message>
        <source>Laying the Foundation</source>
        <translation>శంకుస్థాపన</translation>
    </message>
    <message>
        <source>Starting the Construction of a House</source>
        <translation>ఇంటి నిర్మాణ ప్రారంభం</translation>
    </message>
    <message>
        <source>Financial Transactions</source>
        <translation>ఆర్థిక లావాదేవీలు</translation>
    </message>
    <message>
        <source>Lending Money</source>
        <translation>అప్పు ఇవ్వడం</translation>
    </message>
    <message>
        <source>Borrowing Money</source>
        <translation>అప్పు తీసుకోవడం</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>న్యాయ వ్యవహారాలు</translation>
    </message>
    <message>
        <source>Medical Treatment</source>
        <translation>వైద్య చికిత్స</translation>
    </message>
    <message>
        <source>Starting medical treatment for chronic disease or recurring illness</source>
        <translation>దీర్ఘకాల లేదా మళ్లీ మళ్లీ వచ్చే వ్యాధికి చికిత్స ప్రారంభం</translation>
    </message>
    <message>
        <source>Date for operations</source>
        <translation>శస్త్రచికిత్స తేదీ</translation>
    </message>
    <message>
        <source>Buying and Selling</source>
        <translation>కొనుగోలు, అమ్మకం</translation>
    </message>
    <message>
        <source>Buying Land</source>
        <translation>భూమి కొనుగోలు</translation>
    </message>
    <message>
        <source>Selling Land</source>
        <translation>భూమి అమ్మకం</translation>
    </message>
    <message>
        <source>Buying Item</source>
        <translation>వస్తువు కొనుగోలు</translation>
    </message>
    <message>
        <source>Sell Item</source>
        <translation>వస్తువు అమ్మకం</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>ఇప్పుడే పునఃప్రారంభించు</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>తర్వాత</translation>
    </message>
    <message>
        <source>&amp;Native digits</source>
        <translation>తెలుగు అంకెలు (&amp;N)</translation>
    </message>
    <message>
        <source>%1 %2 – %3 %4, %5 minutes%6

%7</source>
        <translation>%1 %2 – %3 %4, %5 నిమిషాలు%6

%7</translation>
    </message>
    <message>
        <source>, among the best of the range</source>
        <translation>, ఈ వ్యవధిలోని ఉత్తమ సమయాల్లో ఒకటి</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2 (%3, జననం %4 %5:%6), స్థలం %7: %8 %9, %10.</translation>
    </message>
    <message>
        <source>the election place</source>
        <translation>ముహూర్త స్థలం</translation>
    </message>
    <message>
        <source>zone %1 h %2 min%3 (%4)</source>
        <translation>మండలం %1 గం %2 ని%3 (%4)</translation>
    </message>
    <message>
        <source>, DST</source>
        <translation>, DST</translation>
    </message>
    <message>
        <source>%1, follows daylight saving</source>
        <translation>%1, డేలైట్ సేవింగ్ సమయం (DST) పాటిస్తుంది</translation>
    </message>
</context>
</TS>
