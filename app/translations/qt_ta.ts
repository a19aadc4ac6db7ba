<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts the program shows (standard buttons, the edit menu of text fields, a message box's details), which Qt ships no translation of for this language. Kept by hand: lupdate does not touch this file. -->
<TS version="2.1" language="ta" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம் (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை (&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>உதவி</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>திற</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>சேமி</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>நிறுத்து</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>பயன்படுத்து</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>மூடு</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>மீட்டமை</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>மீண்டும் முயல்</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>இயல்புநிலைக்குத் திருப்பு</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>புறக்கணி</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>அனைத்துக்கும் இல்லை (&amp;O)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>அனைத்துக்கும் ஆம் (&amp;A)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>அனைத்தையும் சேமி</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>கைவிடு</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய் (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய் (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>விவரங்களைக் காட்டு...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>விவரங்களை மறை...</translation>
    </message>
</context>
</TS>
