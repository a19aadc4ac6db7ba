<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts the program shows (standard buttons, the edit menu of text fields, a message box's details), which Qt ships no translation of for this language. Kept by hand: lupdate does not touch this file. -->
<TS version="2.1" language="ml" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ശരി</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>റദ്ദാക്കുക</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>അതെ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ഇല്ല (&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>സഹായം</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>തുറക്കുക</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>നിർത്തുക</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>പ്രയോഗിക്കുക</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>അടയ്ക്കുക</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>പുനഃസജ്ജമാക്കുക</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>വീണ്ടും ശ്രമിക്കുക</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>ആദ്യ ക്രമീകരണങ്ങൾ തിരികെ</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>അവഗണിക്കുക</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>എല്ലാറ്റിനും ഇല്ല (&amp;O)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>എല്ലാറ്റിനും അതെ (&amp;A)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>എല്ലാം സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ഉപേക്ഷിക്കുക</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ശരി</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>പഴയപടിയാക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>വീണ്ടും ചെയ്യുക (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>മുറിക്കുക (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>പകർത്തുക (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ഒട്ടിക്കുക (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ഇല്ലാതാക്കുക</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>എല്ലാം തിരഞ്ഞെടുക്കുക</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>പഴയപടിയാക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>വീണ്ടും ചെയ്യുക (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>മുറിക്കുക (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>പകർത്തുക (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ഒട്ടിക്കുക (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ഇല്ലാതാക്കുക</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>എല്ലാം തിരഞ്ഞെടുക്കുക</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>വിശദാംശങ്ങൾ കാണിക്കുക...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>വിശദാംശങ്ങൾ മറയ്ക്കുക...</translation>
    </message>
</context>
</TS>
