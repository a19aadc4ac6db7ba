<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts the program shows (standard buttons, the edit menu of text fields, a message box's details), which Qt ships no translation of for this language. Kept by hand: lupdate does not touch this file. -->
<TS version="2.1" language="kn" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಮಾಡು</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ಹೌದು (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ಇಲ್ಲ (&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ಸಹಾಯ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>ತೆರೆ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ನಿಲ್ಲಿಸು</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>ಅನ್ವಯಿಸು</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ಮುಚ್ಚು</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ಮರುಹೊಂದಿಸು</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ಮತ್ತೆ ಪ್ರಯತ್ನಿಸು</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>ಮೂಲ ಆಯ್ಕೆಗಳನ್ನು ಮರಳಿ ತರು</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ಕಡೆಗಣಿಸು</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ಎಲ್ಲದಕ್ಕೂ ಇಲ್ಲ (&amp;O)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ಎಲ್ಲದಕ್ಕೂ ಹೌದು (&amp;A)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಉಳಿಸು</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ತ್ಯಜಿಸು</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>ರದ್ದುಗೊಳಿಸು (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ಮತ್ತೆ ಮಾಡು (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ಕತ್ತರಿಸು (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ನಕಲಿಸು (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ಅಂಟಿಸು (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ಅಳಿಸು</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡು</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>ರದ್ದುಗೊಳಿಸು (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ಮತ್ತೆ ಮಾಡು (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>ಕತ್ತರಿಸು (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ನಕಲಿಸು (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ಅಂಟಿಸು (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ಅಳಿಸು</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಆಯ್ಕೆಮಾಡು</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>ವಿವರಗಳನ್ನು ತೋರಿಸು...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>ವಿವರಗಳನ್ನು ಮರೆಮಾಡು...</translation>
    </message>
</context>
</TS>
