<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts the program shows (standard buttons, the edit menu of text fields, a message box's details), which Qt ships no translation of for this language. Kept by hand: lupdate does not touch this file. -->
<TS version="2.1" language="mr" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>होय (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नाही (&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>मदत</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>उघडा</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>जतन करा</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>थांबवा</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करा</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>पूर्ववत स्थिती</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>पुन्हा प्रयत्न करा</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>मूळ निवडी परत आणा</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>दुर्लक्ष करा</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सर्वांना नाही (&amp;O)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सर्वांना होय (&amp;A)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सर्व जतन करा</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>टाकून द्या</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करा (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>पुन्हा करा (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>कापा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रत करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिकटवा (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>काढून टाका</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करा (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>पुन्हा करा (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>कापा (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रत करा (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिकटवा (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>काढून टाका</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सर्व निवडा</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>तपशील दाखवा...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>तपशील लपवा...</translation>
    </message>
</context>
</TS>
