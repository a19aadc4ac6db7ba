<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts the program shows (standard buttons, the edit menu of text fields, a message box's details), which Qt ships no translation of for this language. Kept by hand: lupdate does not touch this file. -->
<TS version="2.1" language="te" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దు చేయి</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>అవును (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>కాదు (&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>సహాయం</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>తెరువు</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>భద్రపరచు</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ఆపివేయి</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>వర్తింపజేయి</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>మూసివేయి</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>మునుపటిలా చేయి</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>మళ్లీ ప్రయత్నించు</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>అసలు ఎంపికలు తిరిగి తెచ్చు</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>విస్మరించు</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>అన్నిటికీ కాదు (&amp;O)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>అన్నిటికీ అవును (&amp;A)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>అన్నీ భద్రపరచు</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>వదిలివేయి</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>రద్దుచేయి (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>మళ్లీ చేయి (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>కత్తిరించు (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>నకలు తీయి (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>అతికించు (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>తొలగించు</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>అన్నీ ఎంచుకో</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>రద్దుచేయి (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>మళ్లీ చేయి (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>కత్తిరించు (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>నకలు తీయి (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>అతికించు (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>తొలగించు</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>అన్నీ ఎంచుకో</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>వివరాలు చూపు...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>వివరాలు దాచు...</translation>
    </message>
</context>
</TS>
