<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts the program shows (standard buttons, the edit menu of text fields, a message box's details), which Qt ships no translation of for this language. Kept by hand: lupdate does not touch this file. -->
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ (&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না (&amp;N)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সাহায্য</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>থামান</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>প্রয়োগ করুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>আগের অবস্থায় ফেরান</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>আবার চেষ্টা করুন</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>পূর্বনির্ধারিত মান ফেরান</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>উপেক্ষা করুন</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>সবগুলিতে না (&amp;O)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>সবগুলিতে হ্যাঁ (&amp;A)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>সব সংরক্ষণ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>বাদ দিন</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>প্রতিলেপন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব বাছুন</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন (&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>প্রতিলেপন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব বাছুন</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>বিস্তারিত দেখান...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>বিস্তারিত লুকান...</translation>
    </message>
</context>
</TS>
