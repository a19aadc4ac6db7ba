<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation>প্রোগ্রামটি আগে থেকেই চলছে</translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation>যে কাজের জন্য শুভ মুহূর্ত খুঁজতে হবে, তালিকা থেকে সেটি বেছে নিন।</translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation>এগিয়ে যেতে “পরবর্তী” টিপুন</translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation>মুহূর্ত জ্যোতিষ খোঁজে কোন ক্ষণে কোনো কাজ শুরু করা উচিত। সেই ক্ষণের আকাশকে সংশ্লিষ্ট ব্যক্তির জন্মকালের আকাশের সঙ্গে মিলিয়ে বিচার করা হয়: চন্দ্রের নক্ষত্র ও রাশি, লগ্ন, তিথি, বার এবং বিশেষ যোগ, সবারই ভূমিকা আছে।</translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation>বাঁদিক থেকে কাজের একটি বিভাগ বেছে নিন, তালিকায় কাজটিতে টিক দিন এবং “পরবর্তী” টিপুন। তারপর প্রস্তাবিত ক্ষণ ও স্থান, তার পরে জন্মবিবরণ দেবেন।</translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation>কাজ: %1</translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation>মুহূর্তের বিবরণ দিন</translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation>যে ক্ষণটি বিচার করতে চান তার তারিখ, ঘড়ির সময় ও স্থান দিন। বার তারিখ অনুযায়ী বসে; সূর্যোদয় থেকে দিন গুনলে তবেই বদলাবেন।</translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation>অক্ষাংশ ও দ্রাঘিমাংশ পূর্ণ ডিগ্রি ও মিনিটে দিন। “TZ সাহায্য” দিয়ে স্থানের সময় অঞ্চল বেছে নিন, আর তখন দিবালোক সংরক্ষণ সময় চালু থাকলে DST-তে টিক দিন।</translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation>জাতকের জন্মবিবরণ দিন</translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation>যাঁর জন্য মুহূর্ত বাছা হচ্ছে, তাঁর নাম, জন্মের তারিখ, সময় ও স্থান দিন। জন্মকালে চন্দ্রের নক্ষত্র থেকেই বাছা ক্ষণের তারাবল ও চন্দ্রবল স্থির হয়।</translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation>দুটি কুণ্ডলী গণনা করে ক্ষণটি বিচার করতে “পরবর্তী” টিপুন। ফলাফল এবং ছাপা বা সংরক্ষণ করার মতো প্রতিবেদন তিনটি ট্যাবে দেখা যাবে।</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>বার</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>সময়</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>ঘ/মি/সে</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>পুরুষ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>মহিলা</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>জন্মতারিখ</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>জন্মবার</translation>
    </message>
    <message>
        <source>Birth Time</source>
        <translation>জন্মসময়</translation>
    </message>
    <message>
        <source>City</source>
        <translation>শহর</translation>
    </message>
    <message>
        <source>State</source>
        <translation>রাজ্য</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>দেশ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>অক্ষাংশ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ডিগ্রি</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>North</source>
        <translation>উত্তর</translation>
    </message>
    <message>
        <source>South</source>
        <translation>দক্ষিণ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>পূর্ব</translation>
    </message>
    <message>
        <source>West</source>
        <translation>পশ্চিম</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>অক্ষাংশ ও দ্রাঘিমাংশ খুঁজতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>ঘণ্টা</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>TZ সাহায্য</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; পিছনে (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>পরবর্তী (&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation>Horavela মুহূর্ত বিচার প্রস্তুত করছে। অনুগ্রহ করে অপেক্ষা করুন ...</translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation>মুহূর্তের ফল</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>জন্মবিবরণ</translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation>মুহূর্তের বিবরণ</translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation>মুহূর্ত বিচার</translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation>Horavela প্রতিবেদন</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>সারসংক্ষেপ</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>বিষয়</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>ফল</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>নম্বর</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>মোট</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>ছাপুন (&amp;P)</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>PDF হিসেবে সংরক্ষণ (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation>RTF হিসেবে সংরক্ষণ (&amp;R)...</translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation>ক্যালেন্ডারে যোগ করুন...</translation>
    </message>
    <message>
        <source>MM:DD:YYYY</source>
        <translation>মাস:দিন:বছর</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>ঘণ্টা:মিনিট</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation>নতুন বিচার (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সাহায্য (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সাহায্য (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের ওয়েবসাইট (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>সফটওয়্যার আপডেট দেখুন (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার পরিচিতি (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>বন্ধ করুন (&amp;Q)</translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation>শুধু অক্ষর লেখা যাবে।</translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation>শুধু সংখ্যা লেখা যাবে।</translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation>বছর 1901 থেকে 2050-এর মধ্যে হবে।</translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation>মাস 1 (জানুয়ারি) থেকে 12 (ডিসেম্বর)-এর মধ্যে হবে।</translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation>দিন 1 থেকে 31-এর মধ্যে হবে।</translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation>ঘণ্টা 0 থেকে 23-এর মধ্যে হবে।</translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation>মিনিট 0 থেকে 59-এর মধ্যে হবে।</translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation>সেকেন্ড 0 থেকে 59-এর মধ্যে হবে।</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>অনুগ্রহ করে একটি কাজ বেছে নিন</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>অনুগ্রহ করে আপনার নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের ডিগ্রি লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation>অনুগ্রহ করে অক্ষাংশের মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের ডিগ্রি লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation>অনুগ্রহ করে দ্রাঘিমাংশের মিনিট লিখুন</translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation>অনুগ্রহ করে জন্মতারিখ বেছে নিন</translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation>জন্মের সময় %1, যা মুহূর্তের সময় %2-এর পরে। যিনি আগেই জন্মেছেন কেবল তাঁর জন্যই ক্ষণ বিচার করা যায়: জন্মতারিখ বা মুহূর্তের তারিখ ঠিক করুন।</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>অনুগ্রহ করে শহরের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>অনুগ্রহ করে রাজ্যের নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>অনুগ্রহ করে দেশের নাম লিখুন</translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation>অক্ষাংশের ডিগ্রি 0 থেকে 90-এর মধ্যে হতে হবে</translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation>অক্ষাংশের মিনিট 0 থেকে 59-এর মধ্যে হতে হবে</translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation>অক্ষাংশ 90 ডিগ্রির বেশি হতে পারে না: 90 ডিগ্রিতে মিনিট 0 হবে</translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation>দ্রাঘিমাংশের ডিগ্রি 0 থেকে 180-এর মধ্যে হতে হবে</translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation>দ্রাঘিমাংশের মিনিট 0 থেকে 59-এর মধ্যে হতে হবে</translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation>দ্রাঘিমাংশ 180 ডিগ্রির বেশি হতে পারে না: 180 ডিগ্রিতে মিনিট 0 হবে</translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation> অক্ষাংশ দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation>অফলাইন অ্যাটলাসে “%1” নামে এই স্থানগুলি আছে। একটি বেছে নিলে তার অক্ষাংশ-দ্রাঘিমাংশ ও সময় অঞ্চল বসে যাবে; নয়তো ওয়েবে খুঁজুন।</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>এই স্থান নিন (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>ওয়েবে খুঁজুন (&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation>ওয়েবে খোঁজা গেল না: এই কম্পিউটারে কোনো ওয়েব ব্রাউজার নেই। “%1” নিজে খুঁজে নিন, অথবা শহরের ঘরে নাম লিখে অফলাইন অ্যাটলাস থেকে স্থানটি বেছে নিন।</translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation>%1 পৃষ্ঠাটি খোলা গেল না: এই কম্পিউটারে কোনো ওয়েব ব্রাউজার নেই।</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>কোনো প্রিন্টার পাওয়া যাচ্ছে না।</translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation>তার বদলে প্রতিবেদনটি PDF ফাইল হিসেবে সংরক্ষণ করবেন?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>প্রতিবেদনটি %1-এ সংরক্ষণ করা গেল না: %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>প্রতিবেদনটি ছাপা গেল না।</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>প্রতিবেদন PDF হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation>প্রতিবেদন RTF হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ফাইল (*.pdf)</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>রিচ টেক্সট ফাইল (*.rtf)</translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation>ক্ষণটি ক্যালেন্ডারে ঘটনা হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ফাইল (*.ics)</translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation>ক্যালেন্ডার ফাইলটি %1-এ সংরক্ষণ করা গেল না: %2</translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation>বিচার সম্পূর্ণ করা গেল না</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation>%1, %2 (%3, প্রথমবার)</translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation>%1, %2 (%3, দ্বিতীয়বার)</translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation>%1: %2 সময়টি ছিল না</translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation>%1: %2 সময়টি দুবার এসেছিল</translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation>%1: তারিখ বেছে নিন</translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation>অ্যাটলাস থেকে: %1</translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation>অক্ষাংশ-দ্রাঘিমাংশ হাতে লেখা, অ্যাটলাস থেকে নয়</translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation>অ্যাটলাসে একক শহর হিসেবে নেই: অক্ষাংশ-দ্রাঘিমাংশ ও সময় অঞ্চল দিন, অথবা রাজ্য ও দেশ লিখে ওপরে ক্লিক করুন</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation>অ্যাটলাস “%1”-কে একটি শহর হিসেবে চেনে না, তাই %2-এর অক্ষাংশ-দ্রাঘিমাংশ ও সময় অঞ্চল মুছে দেওয়া হয়েছে। অনুগ্রহ করে %1-এর অক্ষাংশ-দ্রাঘিমাংশ দিন ও “TZ সাহায্য” দিয়ে সময় অঞ্চল বেছে নিন, অথবা রাজ্য ও দেশ লিখে “অক্ষাংশ ও দ্রাঘিমাংশ খুঁজতে এখানে ক্লিক করুন” ব্যবহার করুন।</translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation>অ্যাটলাসে একক শহর হিসেবে নেই: এর অক্ষাংশ-দ্রাঘিমাংশ ও সময় অঞ্চল দিন</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation>অ্যাটলাস “%1”-কে একটি শহর হিসেবে চেনে না, তাই %2-এর অক্ষাংশ-দ্রাঘিমাংশ ও সময় অঞ্চল মুছে দেওয়া হয়েছে। অনুগ্রহ করে %1-এর অক্ষাংশ-দ্রাঘিমাংশ ও সময় অঞ্চল দিন।</translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation>%2-এ ঘড়ির সময় %1 ছিল না: ঘড়ি %3 থেকে %4-এ এগিয়ে দেওয়া হয়েছিল। অনুগ্রহ করে সময় ঠিক করুন, অথবা “TZ সাহায্য” দিয়ে নিজেই সময় অঞ্চল বেছে নিন।</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation>%2-এ ঘড়ির সময় %1 দুবার এসেছিল: প্রথমে %3-এ, তারপর ঘড়ি পিছিয়ে দেওয়ার পরে আবার %4-এ।</translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation>সেটি কি প্রথমবার, %1-এ?</translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation>সেটি কি দ্বিতীয়বার, %1-এ?</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation>%2-এ ঘড়ির সময় %1 দুবার এসেছিল। দুটির কোনটি বোঝানো হয়েছে বলুন, অথবা সময় ঠিক করুন।</translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation>%2-এর সময় অঞ্চল %1 এই সিস্টেমের সময় অঞ্চলের তালিকায় নেই। অনুগ্রহ করে “TZ সাহায্য” দিয়ে সময় অঞ্চল বেছে নিন।</translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation>ব্যক্তি বাছুন...</translation>
    </message>
    <message>
        <source>Save person</source>
        <translation>ব্যক্তি সংরক্ষণ</translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation>স্থান বাছুন...</translation>
    </message>
    <message>
        <source>Save place</source>
        <translation>স্থান সংরক্ষণ</translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation>ব্যক্তি ও স্থান...</translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation>ব্যক্তি ও স্থানের খাতা খোলা গেল না: %1

Horavela এটি ছাড়াই চলবে; প্রোগ্রাম আবার চালু না করা পর্যন্ত ব্যক্তি ও স্থান সংরক্ষণ বা বাছাই করা যাবে না।</translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation>ব্যক্তি ও স্থানের খাতা পাওয়া যাচ্ছে না: %1</translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation>খাতা বদলানো গেল না: %1</translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation>%1 সম্পর্কে টীকা (ঐচ্ছিক):</translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation>%1 (জন্ম %2) খাতায় সংরক্ষিত হল।</translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation>%1 (জন্ম %2) আগে থেকেই খাতায় আছেন।</translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation>%1 খাতায় সংরক্ষিত হল।</translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation>%1 আগে থেকেই খাতায় আছে।</translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation>একজন ব্যক্তি বাছুন</translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation>একটি স্থান বাছুন</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>নাম দিয়ে খুঁজুন</translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation>শহর দিয়ে খুঁজুন</translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation>খাতায় এখনও কোনো ব্যক্তি নেই। জন্মবিবরণের পাতা পূরণ করে “ব্যক্তি সংরক্ষণ” টিপুন।</translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation>খাতায় এখনও কোনো স্থান নেই। মুহূর্তের পাতা পূরণ করে “স্থান সংরক্ষণ” টিপুন।</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>জন্ম</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>অক্ষাংশ-দ্রাঘিমাংশ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>People and places</source>
        <translation>ব্যক্তি ও স্থান</translation>
    </message>
    <message>
        <source>People</source>
        <translation>ব্যক্তি</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>স্থান</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>খুঁজুন</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>সম্পাদনা (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>মুছুন (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>আমদানি (&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>রপ্তানি (&amp;X)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation>আগে তালিকায় একটি সারি বেছে নিন।</translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation>%1 (জন্ম %2) মুছে দেবেন?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 মুছে দেবেন?</translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation>সারিটি খাতা থেকে চিরতরে মুছে যাবে।</translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation>ব্যক্তি ও স্থান আমদানি</translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation>ব্যক্তি ও স্থান রপ্তানি</translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation>horavela-book.json</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON ফাইল (*.json);;সব ফাইল (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>%1 ফাইলটি পড়া গেল না: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation>%1 ফাইলটি ব্যক্তি ও স্থানের খাতা নয়: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation>%1 থেকে আমদানি: %2টি যোগ হল, %3টি আগে থেকেই খাতায় থাকায় বাদ গেল।</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>%1 থেকে কিছুই আমদানি হয়নি: %2</translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation>%1 জন ব্যক্তি ও %2টি স্থান %3-এ রপ্তানি হল।</translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation>খাতাটি %1-এ রপ্তানি করা গেল না: %2</translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation>ব্যক্তি সম্পাদনা</translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation>স্থান সম্পাদনা</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>লিঙ্গ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>টীকা</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>সময় অঞ্চল</translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation>অ্যাটলাসের সময় অঞ্চল %1 অনুযায়ী</translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation>অনুগ্রহ করে নাম লিখুন</translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation>অনুগ্রহ করে শহরের নাম লিখুন</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>দিন</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>দেখুন (&amp;V)</translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation>এক নজরে দিন</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation>আগে মুহূর্তের স্থানের অক্ষাংশ ও দ্রাঘিমাংশ দিন: এক নজরে দিন মুহূর্তের তারিখ ও স্থান ধরে গণনা হয়।</translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation>দিনটি গণনা করা গেল না</translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation>মুহূর্তের পাতা পূরণ করুন, তারপর দেখুন &gt; এক নজরে দিন বেছে নিন, অথবা একটি ক্ষণ বিচার করুন।</translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation>সেদিন প্রযোজ্য শাস্ত্রীয় নিষেধ:</translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation>সেদিন কোনো শাস্ত্রীয় নিষেধ নেই।</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>মেরু দিবস: এই তারিখে সূর্য অস্ত যায় না, তাই কোনো কাল, অভিজিৎ, চৌঘড়িয়া বা হোরা নেই।</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>মেরু রাত্রি: এই তারিখে সূর্য ওঠে না, তাই কোনো কাল, অভিজিৎ, চৌঘড়িয়া বা হোরা নেই।</translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>এই তারিখে সূর্য ওঠে কিন্তু আর অস্ত যায় না, তাই কোনো কাল, অভিজিৎ, চৌঘড়িয়া বা হোরা নেই।</translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>এই তারিখে সূর্য না উঠেই অস্ত যায়: তার দিনমান আগের কোনো তারিখে শুরু হয়েছিল, তাই কোনো কাল, অভিজিৎ, চৌঘড়িয়া বা হোরা নেই।</translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation>পরের তারিখে সূর্য আর ওঠে না: দিনমানে কাল, অভিজিৎ, চৌঘড়িয়া ও হোরা আছে, রাত্রিমানে নেই।</translation>
    </message>
    <message>
        <source>none</source>
        <translation>নেই</translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation>বুধবারে গ্রাহ্য নয়: পঞ্জিকা সেদিন অভিজিৎ মুহূর্ত বাদ দেয়।</translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation>%1 তারা, %2 (জন্মনক্ষত্র %3 থেকে)</translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation>%1 (জন্মরাশি %2 থেকে)</translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation>চন্দ্র জন্মরাশি %1 থেকে অষ্টমে: পঞ্জিকা এ সময়ে নতুন কাজ শুরু করতে নিষেধ করে।</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>দক্ষিণ ভারতীয়</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>উত্তর ভারতীয়</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>কুণ্ডলীর ধরন</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>ছাপুন</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNG হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation>দিনটি PDF হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation>দিনটি PNG হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG ছবি (*.png)</translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation>দিনটি %1-এ সংরক্ষণ করা গেল না: %2</translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation>শুভ সময় খুঁজুন...</translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation>শুভ সময় খুঁজুন</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>শুরু (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>শেষ (&amp;T)</translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation>অন্তত (&amp;L)</translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation>মোট অন্তত</translation>
    </message>
    <message>
        <source>any</source>
        <translation>যেকোনো</translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation>রাহুকাল বাদ দিন</translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation>যমগণ্ড বাদ দিন</translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation>গুলিককাল বাদ দিন</translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation>শাস্ত্রীয় নিষেধ ও পঞ্চাঙ্গ শুদ্ধি মানুন</translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation>আঞ্চলিক নিষেধও (হোলাষ্টক, পিতৃপক্ষ)</translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation>শাস্ত্রমতে %2 দিনের মধ্যে %1 দিন বাদ</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>আরও %1টি</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV রপ্তানি...</translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation>সময়খণ্ডগুলি CSV হিসেবে রপ্তানি</translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation>windows.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ফাইল (*.csv)</translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation>সময়খণ্ডগুলি রপ্তানি করা গেল না: %1</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>সময়খণ্ডগুলি ক্যালেন্ডারে ঘটনা হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>windows.ics</source>
        <translation>windows.ics</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>ফল</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>বিষয়</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>খুঁজুন (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>বাতিল (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation>এই সময় নিন (&amp;U)</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>শুভ</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>মধ্যম</translation>
    </message>
    <message>
        <source>Click a day to show its first window; under each day, the total of its best window. The list runs in time order (click a column&apos;s title to sort by it); the ten best windows are in bold. Double-click a window, or select it and press &quot;Use this time&quot;, to judge it in full.</source>
        <translation>কোনো দিনে ক্লিক করলে তার প্রথম সময়খণ্ড দেখাবে; প্রতিটি দিনের নিচে তার সেরা সময়খণ্ডের মোট। তালিকা সময়ের ক্রমে সাজানো (কোনো স্তম্ভের শিরোনামে ক্লিক করলে সেই অনুযায়ী সাজবে); সেরা দশটি সময়খণ্ড মোটা হরফে। পুরো বিচারের জন্য কোনো সময়খণ্ডে দুবার ক্লিক করুন, অথবা সেটি বেছে “এই সময় নিন” টিপুন।</translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation>সময়সীমা বেছে “খুঁজুন” টিপুন।</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>খোঁজা হচ্ছে...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>বাতিল হচ্ছে...</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>খোঁজা বাতিল হয়েছে।</translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation>এই সময়সীমায় কোনো সময় %1 পর্যন্ত পৌঁছায় না।</translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation>%2 দিনে %1টি সময়খণ্ড, %3 s-এ পাওয়া গেছে।</translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation>প্রথম %1টি সময়খণ্ড দেখানো হচ্ছে; বাকিগুলি দেখতে সময়সীমা ছোট করুন।</translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation>খোঁজা চালানো যাচ্ছে না: %1</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>খোঁজা ব্যর্থ হয়েছে: %1</translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation>আগে প্রথম পাতায় কাজটি বেছে নিন।</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation>আগে মুহূর্তের স্থানের অক্ষাংশ ও দ্রাঘিমাংশ দিন।</translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation>খোঁজার সময় প্রতিটি ক্ষণ ব্যক্তির জন্মের সঙ্গে মিলিয়ে বিচার করা হয়, কিন্তু জন্মবিবরণের পাতা এখনও সম্পূর্ণ নয়: %1। “পরবর্তী” টিপে জন্মবিবরণের পাতা পূরণ করুন এবং সেখানে “শুভ সময় খুঁজুন...” ব্যবহার করুন।</translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation>নাম দেওয়া হয়নি</translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation>জন্মতারিখ বাছা হয়নি</translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation>জন্মস্থানের অক্ষাংশ ও দ্রাঘিমাংশ দেওয়া হয়নি</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>সরঞ্জাম (&amp;T)</translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation>যোটক বিচার...</translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation>যোটক বিচার</translation>
    </message>
    <message>
        <source>Groom:</source>
        <translation>পাত্র:</translation>
    </message>
    <message>
        <source>Bride:</source>
        <translation>পাত্রী:</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>মেলান</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>ছাপুন...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF হিসেবে সংরক্ষণ...</translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation>RTF রপ্তানি...</translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation>Horavela যোটক বিচার প্রতিবেদন</translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation>খাতায় দুজনের কম ব্যক্তি আছে। আগে পাত্র ও পাত্রীকে খাতায় সংরক্ষণ করুন (জন্মবিবরণের পাতায় “ব্যক্তি সংরক্ষণ”, অথবা ফাইল &gt; ব্যক্তি ও স্থান... &gt; আমদানি)।</translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation>পাত্র ও পাত্রী হিসেবে দুজন আলাদা ব্যক্তি বাছুন।</translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation>যোটক গণনা করা গেল না: %1</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation>যোটক প্রতিবেদনটি %1-এ সংরক্ষণ করা গেল না: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>মাস</translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation>এক নজরে মাস</translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation>মুহূর্তের পাতা পূরণ করুন: মুহূর্তের তারিখের মাসটি মুহূর্তের স্থান ধরে দেখানো হয়।</translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation>মাসটি গণনা করা গেল না</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation>%1 %2, %3: %4-এর শুভ সময়</translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation>%1	%2-%3</translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation>তিথি ও নক্ষত্র সূর্যোদয়কালীন, সঙ্গে তাদের শেষ হওয়ার সময় (+1: পরের দিন)। ধূসর দিন: দিনের কোনো সময়ে শাস্ত্রীয় নিষেধ প্রযোজ্য।</translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation>উদয় %1	অস্ত %2</translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation>রাহুকাল	%1-%2</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>মাসটি PDF হিসেবে সংরক্ষণ</translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation>মাসটি %1-এ সংরক্ষণ করা গেল না: %2</translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation>সঙ্গী যোগ করুন</translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation>সঙ্গীর জন্মবিবরণ</translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation>সময় অঞ্চল (পূর্বে +hh:mm)</translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation>সঙ্গী বাছুন...</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation>অনুগ্রহ করে সঙ্গীর নাম লিখুন।</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation>অনুগ্রহ করে সঙ্গীর জন্মস্থানের অক্ষাংশ ও দ্রাঘিমাংশ দিন।</translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation>সঙ্গীর জন্মস্থান: %1</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation>অনুগ্রহ করে সঙ্গীর সময় অঞ্চল গ্রিনিচের পূর্বে কত ঘণ্টা ও মিনিট, তা দিন, যেমন +05:30।</translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation>সঙ্গীর জন্য: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>সম্পাদনা (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>পছন্দসমূহ (&amp;P)...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>পছন্দসমূহ</translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation>প্রোগ্রাম কীভাবে গণনা করে। আপনার পঞ্জিকা অন্যভাবে না গুনলে এগুলি যেমন আছে তেমনই রাখুন: পূর্বনির্ধারিত মানগুলিই প্রোগ্রামের নিজস্ব।</translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation>এফেমেরিস (&amp;E):</translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation>রবি, চন্দ্র ও লগ্নের অবস্থান কোথা থেকে আসে। Swiss Ephemeris নিলে নক্ষত্র ও চন্দ্ররাশির পরিবর্তন বেশিরভাগ পঞ্জিকার ছাপা সময়ে, কয়েক মিনিট আগে পড়ে।</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>অয়নাংশ (&amp;A):</translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation>নিরয়ন রাশিচক্র সায়ন থেকে কতটা সরে আছে। আপনার পঞ্জিকা বা জ্যোতিষী যেটির কথা বলেন সেটি বাছুন; লাহিড়ী (Lahiri) হল Indian Astronomical Ephemeris-এর অয়নাংশ।</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>সূর্যোদয় (&amp;S):</translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation>দিন কখন শুরু ও শেষ হয়। ছাপা পঞ্জিকা সূর্যের ঊর্ধ্ব প্রান্ত ধরে; অনেক ভারতীয় প্রোগ্রাম সূর্যবিম্বের কেন্দ্র ধরে, যা কয়েক মিনিট পরে ওঠে ও আগে অস্ত যায়।</translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation>তারাবল গণনা (&amp;T):</translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation>দিনের নক্ষত্র জন্মনক্ষত্র থেকে কীভাবে গোনা হয়। শাস্ত্রীয় গণনা সামনের দিকে চলে এবং জন্মনক্ষত্রকেই প্রথম ধরে।</translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation>Horavela পরিচিতি</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>সংস্করণ %1</translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation>বৈদিক মুহূর্ত জ্যোতিষ: প্রস্তাবিত কোনো ক্ষণ কোনো কাজের উপযুক্ত কি না, সংশ্লিষ্ট ব্যক্তির জন্মতথ্যের নিরিখে তা বিচার করে।</translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation>গ্রহস্থিতি: Swiss Ephemeris (AGPL-3.0)।&lt;br&gt;ইউজার ইন্টারফেস: Qt %1।</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ভাষা (&amp;L)</translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation>পরের বার চালু হলে প্রোগ্রাম %1 ভাষায় চলবে।</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>জন্মতারিখ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>জন্মসময়</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>জন্মস্থান</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>চন্দ্ররাশি</translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation>চন্দ্ররাশির অধিপতি</translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation>জন্মনক্ষত্র</translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation>জন্মনক্ষত্রের অধিপতি</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation>তিথি</translation>
    </message>
    <message>
        <source>Birth Yoga</source>
        <translation>যোগ</translation>
    </message>
    <message>
        <source>Half-Lunar Day</source>
        <translation>করণ</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>বার</translation>
    </message>
    <message>
        <source>Electional Moon Sign</source>
        <translation>মুহূর্তের চন্দ্ররাশি</translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation>মুহূর্তের চন্দ্ররাশির অধিপতি</translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation>মুহূর্তের নক্ষত্র</translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation>মুহূর্তের নক্ষত্রের অধিপতি</translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation>মুহূর্তের লগ্ন</translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation>মুহূর্তের তিথি</translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation>মুহূর্তের যোগ</translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation>মুহূর্তের করণ</translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation>মুহূর্তের বার</translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation>মুহূর্তের তারিখ</translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation>মুহূর্তের সময়</translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation>মুহূর্তের স্থান</translation>
    </message>
    <message>
        <source>%1 date %2</source>
        <translation>%1 তারিখ: %2</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>জন্ম</translation>
    </message>
    <message>
        <source>Election</source>
        <translation>মুহূর্তের</translation>
    </message>
    <message>
        <source>birth</source>
        <translation>জন্ম</translation>
    </message>
    <message>
        <source>election</source>
        <translation>মুহূর্তের</translation>
    </message>
    <message>
        <source>Election place: %1</source>
        <translation>মুহূর্তের স্থান: %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 at %4:%5</source>
        <translation>%1 %2 %3, %4:%5</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>র</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>চ</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>ম</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>বু</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>বৃ</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>শু</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>শ</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>রা</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>কে</translation>
    </message>
    <message>
        <source>Rahu kalam</source>
        <translation>রাহুকাল</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>যমগণ্ড</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>গুলিককাল</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>অভিজিৎ</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>চৌঘড়িয়া</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>হোরা</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>তিথি</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>নক্ষত্র</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>যোগ</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>করণ</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>চন্দ্ররাশি</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>Durmuhurtam</source>
        <translation>দুর্মুহূর্ত</translation>
    </message>
    <message>
        <source>Night kalams</source>
        <translation>রাত্রির কাল</translation>
    </message>
    <message>
        <source>Muhurtas</source>
        <translation>মুহূর্ত</translation>
    </message>
    <message>
        <source>Sandhya</source>
        <translation>সন্ধ্যা</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>গোধূলি</translation>
    </message>
    <message>
        <source>Pradosh</source>
        <translation>প্রদোষ</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>গৌরী</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>বর্জ্যকাল</translation>
    </message>
    <message>
        <source>Amrit kalam</source>
        <translation>অমৃতকাল</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>তারাবল</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>চন্দ্রবল</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>চন্দ্রাষ্টম</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>সূর্যোদয়</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>সূর্যাস্ত</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>পরের সূর্যোদয়</translation>
    </message>
    <message>
        <source>    Sunrise %1    Sunset %2    Next sunrise %3</source>
        <translation>    সূর্যোদয় %1    সূর্যাস্ত %2    পরের সূর্যোদয় %3</translation>
    </message>
    <message>
        <source>Moonrise %1    Moonset %2</source>
        <translation>চন্দ্রোদয় %1    চন্দ্রাস্ত %2</translation>
    </message>
    <message>
        <source>Rasi
%1</source>
        <translation>রাশিচক্র
%1</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>গ্রহস্থিতি</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>গ্রহ</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>অবস্থান</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>লগ্ন</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, সারাদিন</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 পর্যন্ত</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 %2 থেকে</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 %2 তারিখে</translation>
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
        <translation>%1 (আঞ্চলিক)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>অশুভ</translation>
    </message>
    <message>
        <source>Child Ceremonies</source>
        <translation>শিশুর সংস্কার</translation>
    </message>
    <message>
        <source>Naming of The Child or Namakarana</source>
        <translation>শিশুর নামকরণ</translation>
    </message>
    <message>
        <source>Tonsuring of Head</source>
        <translation>মুণ্ডন (চূড়াকরণ)</translation>
    </message>
    <message>
        <source>Piercing of the Ear or Karnavedha</source>
        <translation>কান ফোঁড়ানো (কর্ণবেধ)</translation>
    </message>
    <message>
        <source>Thread Ceremony Or Upanayana</source>
        <translation>উপনয়ন (পৈতে)</translation>
    </message>
    <message>
        <source>First feeding of Solid Food (Annaprasan)</source>
        <translation>অন্নপ্রাশন</translation>
    </message>
    <message>
        <source>Starting of Education (Aksharabhyasa)</source>
        <translation>হাতেখড়ি (বিদ্যারম্ভ)</translation>
    </message>
    <message>
        <source>Adoption of a Child</source>
        <translation>দত্তক গ্রহণ</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>বিবাহ</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>বাগদান</translation>
    </message>
    <message>
        <source>First Entrance of the Bride</source>
        <translation>বধূপ্রবেশ</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>শিক্ষা</translation>
    </message>
    <message>
        <source>Learning of a Trade</source>
        <translation>বৃত্তি শিক্ষা</translation>
    </message>
    <message>
        <source>Learning of any Science</source>
        <translation>যেকোনো বিদ্যা শিক্ষা</translation>
    </message>
    <message>
        <source>Learning Dance Or Music</source>
        <translation>নৃত্য বা সংগীত শিক্ষা</translation>
    </message>
    <message>
        <source>Learning Astrology Or Astronomy</source>
        <translation>জ্যোতিষ বা জ্যোতির্বিদ্যা শিক্ষা</translation>
    </message>
    <message>
        <source>Learning Medicine</source>
        <translation>চিকিৎসাবিদ্যা শিক্ষা</translation>
    </message>
    <message>
        <source>Learning Grammar, Logic Or Philosophy</source>
        <translation>ব্যাকরণ, ন্যায় বা দর্শন শিক্ষা</translation>
    </message>
    <message>
        <source>Moving Into New Home</source>
        <translation>গৃহপ্রবেশ</translation>
    </message>
    <message>
        <source>Entering a New House</source>
        <translation>নতুন বাড়িতে প্রবেশ</translation>
    </message>
    <message>
        <source>Entering a Rented House</source>
        <translation>ভাড়া বাড়িতে প্রবেশ</translation>
    </message>
    <message>
        <source>Start On A New Job</source>
        <translation>নতুন চাকরিতে যোগদান</translation>
    </message>
    <message>
        <source>Start A New Business</source>
        <translation>নতুন ব্যবসা আরম্ভ</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>যাত্রা</translation>
    </message>
    <message>
        <source>Domestic Journey</source>
        <translation>দেশের মধ্যে যাত্রা</translation>
    </message>
    <message>
        <source>Religious Journey</source>
        <translation>তীর্থযাত্রা</translation>
    </message>
    <message>
        <source>Foreign Journey</source>
        <translation>বিদেশযাত্রা</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>নির্মাণ</translation>
    </message>
    <message>
        <source>Laying the Foundation</source>
        <translation>ভিত্তিস্থাপন</translation>
    </message>
    <message>
        <source>Starting the Construction of a House</source>
        <translation>গৃহনির্মাণ আরম্ভ</translation>
    </message>
    <message>
        <source>Financial Transactions</source>
        <translation>আর্থিক লেনদেন</translation>
    </message>
    <message>
        <source>Lending Money</source>
        <translation>টাকা ধার দেওয়া</translation>
    </message>
    <message>
        <source>Borrowing Money</source>
        <translation>টাকা ধার নেওয়া</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>আইনি কাজ</translation>
    </message>
    <message>
        <source>Medical Treatment</source>
        <translation>চিকিৎসা</translation>
    </message>
    <message>
        <source>Starting medical treatment for chronic disease or recurring illness</source>
        <translation>দীর্ঘস্থায়ী বা বারবার ফিরে আসা রোগের চিকিৎসা আরম্ভ</translation>
    </message>
    <message>
        <source>Date for operations</source>
        <translation>অস্ত্রোপচারের দিন</translation>
    </message>
    <message>
        <source>Buying and Selling</source>
        <translation>ক্রয়-বিক্রয়</translation>
    </message>
    <message>
        <source>Buying Land</source>
        <translation>জমি ক্রয়</translation>
    </message>
    <message>
        <source>Selling Land</source>
        <translation>জমি বিক্রয়</translation>
    </message>
    <message>
        <source>Buying Item</source>
        <translation>দ্রব্য ক্রয়</translation>
    </message>
    <message>
        <source>Sell Item</source>
        <translation>দ্রব্য বিক্রয়</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>এখনই আবার চালু করুন</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>পরে</translation>
    </message>
    <message>
        <source>&amp;Native digits</source>
        <translation>বাংলা অঙ্ক (&amp;N)</translation>
    </message>
    <message>
        <source>%1 %2 – %3 %4, %5 minutes%6

%7</source>
        <translation>%1 %2 – %3 %4, %5 মিনিট%6

%7</translation>
    </message>
    <message>
        <source>, among the best of the range</source>
        <translation>, এই সময়সীমার সেরা সময়গুলির একটি</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2 (%3, জন্ম %4 %5:%6), স্থান %7: %8 %9, %10।</translation>
    </message>
    <message>
        <source>the election place</source>
        <translation>মুহূর্তের স্থান</translation>
    </message>
    <message>
        <source>zone %1 h %2 min%3 (%4)</source>
        <translation>সময় অঞ্চল %1 ঘ %2 মি%3 (%4)</translation>
    </message>
    <message>
        <source>, DST</source>
        <translation>, DST</translation>
    </message>
    <message>
        <source>%1, follows daylight saving</source>
        <translation>%1, দিবালোক সংরক্ষণ সময় (DST) মানে</translation>
    </message>
</context>
</TS>
