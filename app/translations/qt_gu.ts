<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts the program shows (standard buttons, the edit menu of text fields, a message box's details), which Qt ships no translation of for this language. Kept by hand: lupdate does not touch this file. -->
<TS version="2.1" language="gu" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>હા (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ના (&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>મદદ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ખોલો</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>સાચવો</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>અટકાવો</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>લાગુ કરો</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>પહેલાં જેવું કરો</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ફરી પ્રયાસ કરો</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>મૂળ પસંદગીઓ પાછી લાવો</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>અવગણો</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>બધાને ના (&amp;O)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>બધાને હા (&amp;A)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>બધું સાચવો</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>રદબાતલ કરો</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>બરાબર</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>પૂર્વવત્ કરો (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ફરી કરો (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>કાપો (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>નકલ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ચોંટાડો (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>પૂર્વવત્ કરો (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ફરી કરો (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>કાપો (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>નકલ કરો (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ચોંટાડો (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>કાઢી નાખો</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>બધું પસંદ કરો</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>વિગતો બતાવો...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>વિગતો છુપાવો...</translation>
    </message>
</context>
</TS>
