<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ml" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation>പ്രോഗ്രാം ഇതിനകം പ്രവർത്തിക്കുന്നുണ്ട്</translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation>മുഹൂർത്തം കണ്ടെത്തേണ്ട കാര്യം പട്ടികയിൽനിന്ന് തിരഞ്ഞെടുക്കുക.</translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation>തുടരാൻ &quot;അടുത്തത്&quot; അമർത്തുക</translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation>മുഹൂർത്തശാസ്ത്രം ഒരു കാര്യം തുടങ്ങാൻ ഉചിതമായ നിമിഷം തേടുന്നു. ആ നിമിഷത്തിലെ ആകാശത്തെ ബന്ധപ്പെട്ട വ്യക്തിയുടെ ജനനസമയത്തെ ആകാശവുമായി തട്ടിച്ചുനോക്കുന്നു: ചന്ദ്രന്റെ നക്ഷത്രവും രാശിയും, ലഗ്നം, തിഥി, ആഴ്ച, വിശേഷയോഗങ്ങൾ എന്നിവയ്ക്കെല്ലാം അതിൽ പങ്കുണ്ട്.</translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation>ഇടതുവശത്ത് ഒരു കാര്യവിഭാഗം തിരഞ്ഞെടുത്ത്, പട്ടികയിൽ കാര്യം അടയാളപ്പെടുത്തി &quot;അടുത്തത്&quot; അമർത്തുക. തുടർന്ന് ഉദ്ദേശിക്കുന്ന സമയവും സ്ഥലവും, അതിനുശേഷം ജനനവിവരങ്ങളും നൽകാം.</translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation>കാര്യം: %1</translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation>മുഹൂർത്ത വിവരങ്ങൾ നൽകുക</translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation>പരിശോധിക്കേണ്ട നിമിഷത്തിന്റെ തീയതി, ഘടികാരസമയം, സ്ഥലം എന്നിവ നൽകുക. ആഴ്ച തീയതിയിൽനിന്ന് തനിയെ വരും; ദിവസം സൂര്യോദയം മുതൽ എണ്ണുന്നുവെങ്കിൽ മാത്രം അത് മാറ്റുക.</translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation>അക്ഷാംശവും രേഖാംശവും പൂർണ്ണ ഡിഗ്രിയിലും മിനിറ്റിലും നൽകുക. സ്ഥലത്തിന്റെ സമയമേഖല &quot;സമയമേഖല സഹായം&quot; വഴി തിരഞ്ഞെടുക്കുക; അന്ന് ഡേലൈറ്റ് സേവിംഗ് സമയം നിലവിലുണ്ടായിരുന്നെങ്കിൽ DST അടയാളപ്പെടുത്തുക.</translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation>ജാതകന്റെ ജനനവിവരങ്ങൾ നൽകുക</translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation>ആർക്കുവേണ്ടിയാണോ മുഹൂർത്തം തിരഞ്ഞെടുക്കുന്നത് അവരുടെ പേര്, ജനനത്തീയതി, സമയം, സ്ഥലം എന്നിവ നൽകുക. ജന്മനക്ഷത്രമാണ് തിരഞ്ഞെടുത്ത നിമിഷത്തിലെ താരാബലവും ചന്ദ്രബലവും നിശ്ചയിക്കുന്നത്.</translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation>രണ്ട് ഗ്രഹനിലകളും ഗണിച്ച് മുഹൂർത്തം പരിശോധിക്കാൻ &quot;അടുത്തത്&quot; അമർത്തുക. ഫലവും അച്ചടിക്കാനോ സൂക്ഷിക്കാനോ കഴിയുന്ന റിപ്പോർട്ടും മൂന്ന് ടാബുകളിൽ കാണാം.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>തീയതി</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>ആഴ്ച</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>സമയം</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>HH/MM/SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>പേര്</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>പുരുഷൻ</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>സ്ത്രീ</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>ജനനത്തീയതി</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>ജനിച്ച ആഴ്ച</translation>
    </message>
    <message>
        <source>Birth Time</source>
        <translation>ജനനസമയം</translation>
    </message>
    <message>
        <source>City</source>
        <translation>നഗരം</translation>
    </message>
    <message>
        <source>State</source>
        <translation>സംസ്ഥാനം</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>രാജ്യം</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>അക്ഷാംശം</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>രേഖാംശം</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>ഡിഗ്രി</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>മിനിറ്റ്</translation>
    </message>
    <message>
        <source>North</source>
        <translation>വടക്ക്</translation>
    </message>
    <message>
        <source>South</source>
        <translation>തെക്ക്</translation>
    </message>
    <message>
        <source>East</source>
        <translation>കിഴക്ക്</translation>
    </message>
    <message>
        <source>West</source>
        <translation>പടിഞ്ഞാറ്</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>അക്ഷാംശം &amp;&amp; രേഖാംശം കണ്ടെത്താൻ ഇവിടെ അമർത്തുക</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>സമയമേഖല</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>മണിക്കൂർ</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>സമയമേഖല സഹായം</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; പിന്നോട്ട് (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>അടുത്തത് (&amp;N) &gt;</translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation>Horavela മുഹൂർത്ത വിശകലനം തയ്യാറാക്കുന്നു. ദയവായി കാത്തിരിക്കുക ...</translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation>മുഹൂർത്ത ഫലം</translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation>ജനനവിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation>മുഹൂർത്ത വിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation>മുഹൂർത്ത വിശകലനം</translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation>Horavela റിപ്പോർട്ട്</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>സംഗ്രഹം</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>ഘടകം</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>ഫലം</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>പോയിന്റ്</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>ആകെ</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>അച്ചടിക്കുക (&amp;P)</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>PDF ആയി സൂക്ഷിക്കുക (&amp;P)...</translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation>RTF ആയി സൂക്ഷിക്കുക (&amp;R)...</translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation>കലണ്ടറിൽ ചേർക്കുക...</translation>
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
        <translation>ഫയൽ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation>പുതിയ പരിശോധന (&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>പുറത്തുകടക്കുക (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>സഹായം (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ഓൺലൈൻ സഹായം (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ഞങ്ങളുടെ വെബ്സൈറ്റ് (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>പുതിയ പതിപ്പിനായി പരിശോധിക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>സോഫ്റ്റ്‌വെയറിനെക്കുറിച്ച് (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>അടയ്ക്കുക (&amp;Q)</translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation>അക്ഷരങ്ങൾ മാത്രമേ സ്വീകരിക്കൂ.</translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation>അക്കങ്ങൾ മാത്രമേ സ്വീകരിക്കൂ.</translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation>വർഷം 1901 മുതൽ 2050 വരെ ആകാം.</translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation>മാസം 1 (ജനുവരി) മുതൽ 12 (ഡിസംബർ) വരെ ആകാം.</translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation>ദിവസം 1 മുതൽ 31 വരെ ആകാം.</translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation>മണിക്കൂർ 0 മുതൽ 23 വരെ ആകാം.</translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation>മിനിറ്റ് 0 മുതൽ 59 വരെ ആകാം.</translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation>സെക്കൻഡ് 0 മുതൽ 59 വരെ ആകാം.</translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation>ദയവായി ഒരു കാര്യം തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>ദയവായി നിങ്ങളുടെ പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation>ദയവായി അക്ഷാംശത്തിന്റെ ഡിഗ്രി നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation>ദയവായി അക്ഷാംശത്തിന്റെ മിനിറ്റ് നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation>ദയവായി രേഖാംശത്തിന്റെ ഡിഗ്രി നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation>ദയവായി രേഖാംശത്തിന്റെ മിനിറ്റ് നൽകുക</translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation>ദയവായി ജനനത്തീയതി തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation>ജനനം (%1) മുഹൂർത്ത നിമിഷത്തിനു (%2) ശേഷമാണ്. ഇതിനകം ജനിച്ച ഒരാൾക്കുവേണ്ടി മാത്രമേ മുഹൂർത്തം പരിശോധിക്കാനാകൂ: ജനനത്തീയതിയോ മുഹൂർത്തത്തീയതിയോ തിരുത്തുക.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ദയവായി നഗരം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ദയവായി സംസ്ഥാനം നൽകുക</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ദയവായി രാജ്യം നൽകുക</translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation>അക്ഷാംശത്തിന്റെ ഡിഗ്രി 0-നും 90-നും ഇടയിലായിരിക്കണം</translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation>അക്ഷാംശത്തിന്റെ മിനിറ്റ് 0-നും 59-നും ഇടയിലായിരിക്കണം</translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation>അക്ഷാംശം 90 ഡിഗ്രിയിൽ കൂടരുത്: 90 ഡിഗ്രിയിൽ മിനിറ്റ് 0 ആയിരിക്കണം</translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation>രേഖാംശത്തിന്റെ ഡിഗ്രി 0-നും 180-നും ഇടയിലായിരിക്കണം</translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation>രേഖാംശത്തിന്റെ മിനിറ്റ് 0-നും 59-നും ഇടയിലായിരിക്കണം</translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation>രേഖാംശം 180 ഡിഗ്രിയിൽ കൂടരുത്: 180 ഡിഗ്രിയിൽ മിനിറ്റ് 0 ആയിരിക്കണം</translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation> അക്ഷാംശം രേഖാംശം</translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation>ഓഫ്‌ലൈൻ അറ്റ്ലസിൽ &quot;%1&quot; എന്ന പേരിൽ ഈ സ്ഥലങ്ങളുണ്ട്. അക്ഷാംശവും രേഖാംശവും സമയമേഖലയും നിറയ്ക്കാൻ ഒന്ന് തിരഞ്ഞെടുക്കുക, അല്ലെങ്കിൽ വെബിൽ തിരയുക.</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>ഈ സ്ഥലം ഉപയോഗിക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>വെബിൽ തിരയുക (&amp;W)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>റദ്ദാക്കുക</translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation>വെബ് തിരയൽ തുറക്കാനായില്ല: ഈ കമ്പ്യൂട്ടറിൽ വെബ് ബ്രൗസർ ഇല്ല. &quot;%1&quot; നിങ്ങൾ തന്നെ തിരയുക, അല്ലെങ്കിൽ നഗരത്തിൽ പേര് ടൈപ്പ് ചെയ്ത് ഓഫ്‌ലൈൻ അറ്റ്ലസിൽനിന്ന് സ്ഥലം തിരഞ്ഞെടുക്കുക.</translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation>%1 എന്ന പേജ് തുറക്കാനായില്ല: ഈ കമ്പ്യൂട്ടറിൽ വെബ് ബ്രൗസർ ഇല്ല.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>പ്രിന്റർ ലഭ്യമല്ല.</translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation>പകരം റിപ്പോർട്ട് PDF ഫയലായി സൂക്ഷിക്കണോ?</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>റിപ്പോർട്ട് %1-ൽ സൂക്ഷിക്കാനായില്ല: %2</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>റിപ്പോർട്ട് അച്ചടിക്കാനായില്ല.</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>റിപ്പോർട്ട് PDF ആയി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation>റിപ്പോർട്ട് RTF ആയി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ഫയലുകൾ (*.pdf)</translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation>റിച്ച് ടെക്സ്റ്റ് ഫയലുകൾ (*.rtf)</translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation>മുഹൂർത്തം കലണ്ടർ ഇവന്റായി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ഫയലുകൾ (*.ics)</translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation>കലണ്ടർ ഫയൽ %1-ൽ സൂക്ഷിക്കാനായില്ല: %2</translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation>പരിശോധന പൂർത്തിയാക്കാനായില്ല</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation>%1, %2 (ആദ്യത്തെ %3)</translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation>%1, %2 (രണ്ടാമത്തെ %3)</translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation>%1: %2 എന്ന സമയം ഉണ്ടായിരുന്നില്ല</translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation>%1: %2 രണ്ടുതവണ വന്നു</translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation>%1: തീയതി തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation>അറ്റ്ലസിൽനിന്ന്: %1</translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation>കൈകൊണ്ട് നൽകിയ അക്ഷാംശ-രേഖാംശങ്ങൾ, അറ്റ്ലസിൽനിന്നല്ല</translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation>അറ്റ്ലസിൽ ഒരൊറ്റ നഗരമായി കണ്ടില്ല: അക്ഷാംശ-രേഖാംശങ്ങളും മേഖലയും നൽകുക, അല്ലെങ്കിൽ സംസ്ഥാനവും രാജ്യവും നൽകി മുകളിൽ അമർത്തുക</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation>അറ്റ്ലസിന് &quot;%1&quot; ഒരൊറ്റ നഗരമായി അറിയില്ല, അതിനാൽ %2-ന്റെ അക്ഷാംശ-രേഖാംശങ്ങളും മേഖലയും മായ്ച്ചു. %1-ന്റെ അക്ഷാംശ-രേഖാംശങ്ങൾ നൽകി &quot;സമയമേഖല സഹായം&quot; വഴി മേഖല തിരഞ്ഞെടുക്കുക, അല്ലെങ്കിൽ സംസ്ഥാനവും രാജ്യവും നൽകി &quot;അക്ഷാംശം &amp; രേഖാംശം കണ്ടെത്താൻ ഇവിടെ അമർത്തുക&quot; ഉപയോഗിക്കുക.</translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation>അറ്റ്ലസിൽ ഒരൊറ്റ നഗരമായി കണ്ടില്ല: അതിന്റെ അക്ഷാംശ-രേഖാംശങ്ങളും മേഖലയും നൽകുക</translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation>അറ്റ്ലസിന് &quot;%1&quot; ഒരൊറ്റ നഗരമായി അറിയില്ല, അതിനാൽ %2-ന്റെ അക്ഷാംശ-രേഖാംശങ്ങളും മേഖലയും മായ്ച്ചു. %1-ന്റെ അക്ഷാംശ-രേഖാംശങ്ങളും മേഖലയും നൽകുക.</translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation>%2-ൽ %1 എന്ന ഘടികാരസമയം ഉണ്ടായിരുന്നില്ല: ഘടികാരങ്ങൾ %3-ൽനിന്ന് %4-ലേക്ക് മുന്നോട്ടാക്കിയിരുന്നു. സമയം തിരുത്തുക, അല്ലെങ്കിൽ &quot;സമയമേഖല സഹായം&quot; വഴി മേഖല നിങ്ങൾ തന്നെ തിരഞ്ഞെടുക്കുക.</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation>%2-ൽ %1 എന്ന ഘടികാരസമയം രണ്ടുതവണ വന്നു: ആദ്യം %3-ന്, ഘടികാരങ്ങൾ പിന്നോട്ടാക്കിയശേഷം വീണ്ടും %4-ന്.</translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation>അതിൽ ആദ്യത്തേതാണോ, %1-ന്?</translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation>അതിൽ രണ്ടാമത്തേതാണോ, %1-ന്?</translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation>%2-ൽ %1 എന്ന ഘടികാരസമയം രണ്ടുതവണ വന്നു. രണ്ടിൽ ഏതാണ് ഉദ്ദേശിച്ചതെന്ന് പറയുക, അല്ലെങ്കിൽ സമയം തിരുത്തുക.</translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation>%2-ന്റെ സമയമേഖല %1 ഈ സിസ്റ്റത്തിന്റെ സമയമേഖലാ ഡാറ്റാബേസിൽ ഇല്ല. &quot;സമയമേഖല സഹായം&quot; വഴി മേഖല തിരഞ്ഞെടുക്കുക.</translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation>വ്യക്തിയെ തിരഞ്ഞെടുക്കുക...</translation>
    </message>
    <message>
        <source>Save person</source>
        <translation>വ്യക്തിയെ സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation>സ്ഥലം തിരഞ്ഞെടുക്കുക...</translation>
    </message>
    <message>
        <source>Save place</source>
        <translation>സ്ഥലം സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation>വ്യക്തികളും സ്ഥലങ്ങളും...</translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation>വ്യക്തികളുടെയും സ്ഥലങ്ങളുടെയും പുസ്തകം തുറക്കാനായില്ല: %1

Horavela അതില്ലാതെ തുടർന്നും പ്രവർത്തിക്കും; പ്രോഗ്രാം വീണ്ടും തുടങ്ങുംവരെ വ്യക്തികളെയും സ്ഥലങ്ങളെയും സൂക്ഷിക്കാനോ തിരഞ്ഞെടുക്കാനോ കഴിയില്ല.</translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation>വ്യക്തികളുടെയും സ്ഥലങ്ങളുടെയും പുസ്തകം ലഭ്യമല്ല: %1</translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation>പുസ്തകം മാറ്റാനായില്ല: %1</translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation>%1-നെക്കുറിച്ച് ഒരു കുറിപ്പ് (ഐച്ഛികം):</translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation>%1 (ജനനം %2) പുസ്തകത്തിൽ സൂക്ഷിച്ചു.</translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation>%1 (ജനനം %2) ഇതിനകം പുസ്തകത്തിലുണ്ട്.</translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation>%1 പുസ്തകത്തിൽ സൂക്ഷിച്ചു.</translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation>%1 ഇതിനകം പുസ്തകത്തിലുണ്ട്.</translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation>ഒരു വ്യക്തിയെ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation>ഒരു സ്ഥലം തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation>പേരുകൊണ്ട് തിരയുക</translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation>നഗരംകൊണ്ട് തിരയുക</translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation>പുസ്തകത്തിൽ ഇതുവരെ ആരുമില്ല. ജനന പേജ് പൂരിപ്പിച്ച് &quot;വ്യക്തിയെ സൂക്ഷിക്കുക&quot; അമർത്തുക.</translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation>പുസ്തകത്തിൽ ഇതുവരെ സ്ഥലങ്ങളില്ല. മുഹൂർത്ത പേജ് പൂരിപ്പിച്ച് &quot;സ്ഥലം സൂക്ഷിക്കുക&quot; അമർത്തുക.</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>ജനനം</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>സ്ഥലം</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>അക്ഷാംശ-രേഖാംശങ്ങൾ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ശരി</translation>
    </message>
    <message>
        <source>People and places</source>
        <translation>വ്യക്തികളും സ്ഥലങ്ങളും</translation>
    </message>
    <message>
        <source>People</source>
        <translation>വ്യക്തികൾ</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>സ്ഥലങ്ങൾ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>തിരയുക</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>തിരുത്തുക (&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ഇല്ലാതാക്കുക (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>ഇറക്കുമതി (&amp;I)...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>കയറ്റുമതി (&amp;X)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>അടയ്ക്കുക</translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation>ആദ്യം പട്ടികയിൽ ഒന്ന് തിരഞ്ഞെടുക്കുക.</translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation>%1 (ജനനം %2) ഇല്ലാതാക്കണോ?</translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation>%1 ഇല്ലാതാക്കണോ?</translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation>ഈ എൻട്രി പുസ്തകത്തിൽനിന്ന് എന്നേക്കുമായി നീക്കപ്പെടും.</translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation>വ്യക്തികളെയും സ്ഥലങ്ങളെയും ഇറക്കുമതി ചെയ്യുക</translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation>വ്യക്തികളെയും സ്ഥലങ്ങളെയും കയറ്റുമതി ചെയ്യുക</translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation>horavela-book.json</translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation>JSON ഫയലുകൾ (*.json);;എല്ലാ ഫയലുകളും (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation>%1 എന്ന ഫയൽ വായിക്കാനായില്ല: %2</translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation>%1 എന്ന ഫയൽ വ്യക്തികളുടെയും സ്ഥലങ്ങളുടെയും പുസ്തകമല്ല: %2</translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation>%1-ൽനിന്ന് ഇറക്കുമതി: %2 ചേർത്തു, ഇതിനകം പുസ്തകത്തിലുള്ള %3 ഒഴിവാക്കി.</translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation>%1-ൽനിന്ന് ഒന്നും ഇറക്കുമതി ചെയ്തില്ല: %2</translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation>%1 വ്യക്തികളെയും %2 സ്ഥലങ്ങളെയും %3-ലേക്ക് കയറ്റുമതി ചെയ്തു.</translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation>പുസ്തകം %1-ലേക്ക് കയറ്റുമതി ചെയ്യാനായില്ല: %2</translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation>വ്യക്തിയെ തിരുത്തുക</translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation>സ്ഥലം തിരുത്തുക</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>ലിംഗം</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>കുറിപ്പ്</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>മേഖല</translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation>അറ്റ്ലസിലെ മേഖല %1 പിന്തുടരുന്നു</translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation>ദയവായി പേര് നൽകുക</translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation>ദയവായി നഗരം നൽകുക</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>ദിവസം</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>കാഴ്ച (&amp;V)</translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation>ദിവസം ഒറ്റനോട്ടത്തിൽ</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation>ആദ്യം മുഹൂർത്ത സ്ഥലത്തിന്റെ അക്ഷാംശവും രേഖാംശവും നൽകുക: ദിവസക്കാഴ്ച മുഹൂർത്തത്തീയതിക്കും സ്ഥലത്തിനുമായാണ് ഗണിക്കുന്നത്.</translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation>ദിവസം ഗണിക്കാനായില്ല</translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation>മുഹൂർത്ത പേജ് പൂരിപ്പിച്ച്, കാഴ്ച &gt; ദിവസം ഒറ്റനോട്ടത്തിൽ തിരഞ്ഞെടുക്കുക, അല്ലെങ്കിൽ ഒരു മുഹൂർത്തം പരിശോധിക്കുക.</translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation>അന്ന് നിലവിലുള്ള സമ്പ്രദായത്തിലെ വിലക്കുകൾ:</translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation>അന്ന് സമ്പ്രദായത്തിലെ ഒരു വിലക്കും നിലവിലില്ല.</translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ധ്രുവപ്രദേശത്തെ പകൽ: ഈ തീയതിയിൽ സൂര്യൻ അസ്തമിക്കുന്നില്ല, അതിനാൽ കാലങ്ങളോ അഭിജിത്തോ ചൗഘഡിയയോ ഹോരയോ ഇല്ല.</translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ധ്രുവപ്രദേശത്തെ രാത്രി: ഈ തീയതിയിൽ സൂര്യൻ ഉദിക്കുന്നില്ല, അതിനാൽ കാലങ്ങളോ അഭിജിത്തോ ചൗഘഡിയയോ ഹോരയോ ഇല്ല.</translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ഈ തീയതിയിൽ സൂര്യൻ ഉദിക്കുന്നു, പിന്നെ അസ്തമിക്കുന്നില്ല, അതിനാൽ കാലങ്ങളോ അഭിജിത്തോ ചൗഘഡിയയോ ഹോരയോ ഇല്ല.</translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation>ഈ തീയതിയിൽ ഉദിക്കാതെ സൂര്യൻ അസ്തമിക്കുന്നു: അതിന്റെ പകൽ മുൻപത്തെ ഒരു തീയതിയിൽ തുടങ്ങിയതാണ്, അതിനാൽ കാലങ്ങളോ അഭിജിത്തോ ചൗഘഡിയയോ ഹോരയോ ഇല്ല.</translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation>അടുത്ത തീയതിയിൽ സൂര്യൻ വീണ്ടും ഉദിക്കുന്നില്ല: പകലിന് കാലങ്ങളും അഭിജിത്തും ചൗഘഡിയയും ഹോരയും ഉണ്ട്, രാത്രിക്ക് ഒന്നുമില്ല.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ഇല്ല</translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation>ബുധനാഴ്ച പാലിക്കുന്നില്ല: പഞ്ചാംഗങ്ങൾ അന്ന് അഭിജിത് മുഹൂർത്തം ഒഴിവാക്കുന്നു.</translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation>%1 താര, %2 (ജന്മനക്ഷത്രം %3-ൽനിന്ന്)</translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation>%1 (ജന്മരാശി %2-ൽനിന്ന്)</translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation>ചന്ദ്രാഷ്ടമം: ജന്മരാശി %1-ൽനിന്ന് എട്ടാം രാശിയിൽ ചന്ദ്രൻ; പുതിയ കാര്യങ്ങൾ തുടങ്ങരുതെന്ന് പഞ്ചാംഗങ്ങൾ മുന്നറിയിപ്പ് നൽകുന്നു.</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>ദക്ഷിണേന്ത്യൻ</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>ഉത്തരേന്ത്യൻ</translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation>ഗ്രഹനില ശൈലി</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>അച്ചടിക്കുക</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF ആയി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNG ആയി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation>ദിവസം PDF ആയി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation>ദിവസം PNG ആയി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG ചിത്രങ്ങൾ (*.png)</translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation>ദിവസം %1-ൽ സൂക്ഷിക്കാനായില്ല: %2</translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation>നല്ല സമയങ്ങൾ കണ്ടെത്തുക...</translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation>നല്ല സമയങ്ങൾ കണ്ടെത്തുക</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>മുതൽ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>വരെ (&amp;T)</translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation>കുറഞ്ഞത് (&amp;L)</translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation>ആകെ കുറഞ്ഞത്</translation>
    </message>
    <message>
        <source>any</source>
        <translation>ഏതും</translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation>രാഹുകാലം ഒഴിവാക്കുക</translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation>യമകണ്ടകം ഒഴിവാക്കുക</translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation>ഗുളികകാലം ഒഴിവാക്കുക</translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation>സമ്പ്രദായത്തിലെ വിലക്കുകളും പഞ്ചാംഗശുദ്ധിയും പാലിക്കുക</translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation>പ്രാദേശിക വിലക്കുകളും (ഹോളാഷ്ടകം, പിതൃപക്ഷം)</translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation>സമ്പ്രദായം %2 ദിവസങ്ങളിൽ %1 എണ്ണം ഒഴിവാക്കുന്നു</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>കൂടാതെ %1 എണ്ണം കൂടി</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV കയറ്റുമതി...</translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation>സമയഖണ്ഡങ്ങൾ CSV ആയി കയറ്റുമതി ചെയ്യുക</translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation>windows.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ഫയലുകൾ (*.csv)</translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation>സമയഖണ്ഡങ്ങൾ കയറ്റുമതി ചെയ്യാനായില്ല: %1</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>സമയഖണ്ഡങ്ങൾ കലണ്ടർ ഇവന്റുകളായി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>windows.ics</source>
        <translation>windows.ics</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>ഫലം</translation>
    </message>
    <message>
        <source>Factors</source>
        <translation>ഘടകങ്ങൾ</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>മിനിറ്റ്</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>തിരയുക (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>റദ്ദാക്കുക (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation>ഈ സമയം ഉപയോഗിക്കുക (&amp;U)</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>ശുഭം</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>മധ്യമം</translation>
    </message>
    <message>
        <source>Click a day to show its first window; under each day, the total of its best window. The list runs in time order (click a column&apos;s title to sort by it); the ten best windows are in bold. Double-click a window, or select it and press &quot;Use this time&quot;, to judge it in full.</source>
        <translation>ഒരു ദിവസത്തിൽ അമർത്തിയാൽ അതിലെ ആദ്യ സമയഖണ്ഡം കാണാം; ഓരോ ദിവസത്തിനും താഴെ അതിലെ ഏറ്റവും നല്ല സമയഖണ്ഡത്തിന്റെ ആകെ. പട്ടിക സമയക്രമത്തിലാണ് (ഒരു കോളത്തിന്റെ തലക്കെട്ടിൽ അമർത്തിയാൽ അതനുസരിച്ച് ക്രമീകരിക്കും); ഏറ്റവും നല്ല പത്ത് സമയഖണ്ഡങ്ങൾ കട്ടിയക്ഷരത്തിലാണ്. ഒരു സമയഖണ്ഡം പൂർണ്ണമായി പരിശോധിക്കാൻ അതിൽ ഇരട്ട-ക്ലിക്ക് ചെയ്യുക, അല്ലെങ്കിൽ തിരഞ്ഞെടുത്ത് &quot;ഈ സമയം ഉപയോഗിക്കുക&quot; അമർത്തുക.</translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation>തീയതികളുടെ പരിധി തിരഞ്ഞെടുത്ത് &quot;തിരയുക&quot; അമർത്തുക.</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>തിരയുന്നു...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>റദ്ദാക്കുന്നു...</translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation>തിരയൽ റദ്ദാക്കി.</translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation>ഈ പരിധിയിൽ ഒരു സമയവും %1-ൽ എത്തുന്നില്ല.</translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation>%2 ദിവസങ്ങളിലായി %1 സമയഖണ്ഡങ്ങൾ കണ്ടെത്തി (%3 s).</translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation>ആദ്യത്തെ %1 സമയഖണ്ഡങ്ങൾ കാണിക്കുന്നു; ബാക്കി കാണാൻ പരിധി ചുരുക്കുക.</translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation>തിരയൽ നടത്താനാവില്ല: %1</translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation>തിരയൽ പരാജയപ്പെട്ടു: %1</translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation>ആദ്യം ഒന്നാം പേജിൽ കാര്യം തിരഞ്ഞെടുക്കുക.</translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation>ആദ്യം മുഹൂർത്ത സ്ഥലത്തിന്റെ അക്ഷാംശവും രേഖാംശവും നൽകുക.</translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation>തിരയൽ ഓരോ നിമിഷത്തെയും വ്യക്തിയുടെ ജനനവുമായി തട്ടിച്ചുനോക്കുന്നു, എന്നാൽ ജനന പേജ് ഇതുവരെ പൂർണ്ണമല്ല: %1. &quot;അടുത്തത്&quot; അമർത്തി ജനന പേജ് പൂരിപ്പിച്ച് അവിടെ &quot;നല്ല സമയങ്ങൾ കണ്ടെത്തുക...&quot; ഉപയോഗിക്കുക.</translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation>പേര് നൽകിയിട്ടില്ല</translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation>ജനനത്തീയതി തിരഞ്ഞെടുത്തിട്ടില്ല</translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation>ജനനസ്ഥലത്തിന്റെ അക്ഷാംശവും രേഖാംശവും ഇല്ല</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ഉപകരണങ്ങൾ (&amp;T)</translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation>ജാതകപ്പൊരുത്തം...</translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation>ജാതകപ്പൊരുത്തം</translation>
    </message>
    <message>
        <source>Groom:</source>
        <translation>വരൻ:</translation>
    </message>
    <message>
        <source>Bride:</source>
        <translation>വധു:</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>പൊരുത്തം നോക്കുക</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>അച്ചടിക്കുക...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>PDF ആയി സൂക്ഷിക്കുക...</translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation>RTF കയറ്റുമതി...</translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation>Horavela ജാതകപ്പൊരുത്ത റിപ്പോർട്ട്</translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation>പുസ്തകത്തിൽ രണ്ടിൽ കുറവ് വ്യക്തികളേ ഉള്ളൂ. ആദ്യം വരനെയും വധുവിനെയും പുസ്തകത്തിൽ സൂക്ഷിക്കുക (ജനന പേജിലെ &quot;വ്യക്തിയെ സൂക്ഷിക്കുക&quot;, അല്ലെങ്കിൽ ഫയൽ &gt; വ്യക്തികളും സ്ഥലങ്ങളും... &gt; ഇറക്കുമതി).</translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation>വരനും വധുവുമായി വ്യത്യസ്തരായ രണ്ടുപേരെ തിരഞ്ഞെടുക്കുക.</translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation>പൊരുത്തം ഗണിക്കാനായില്ല: %1</translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation>പൊരുത്ത റിപ്പോർട്ട് %1-ൽ സൂക്ഷിക്കാനായില്ല: %2</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>മാസം</translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation>മാസം ഒറ്റനോട്ടത്തിൽ</translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation>മുഹൂർത്ത പേജ് പൂരിപ്പിക്കുക: മുഹൂർത്തത്തീയതിയുടെ മാസം മുഹൂർത്ത സ്ഥലത്തിനായി കാണിക്കും.</translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation>മാസം ഗണിക്കാനായില്ല</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation>%1 %2, %3 — %4-ന് നല്ല സമയങ്ങൾ</translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation>%1	%2-%3</translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation>തിഥിയും നക്ഷത്രവും സൂര്യോദയത്തിൽ നിലവിലുള്ളവ, അവ തീരുന്ന സമയത്തോടൊപ്പം (+1: അടുത്ത ദിവസം). ചാരനിറമുള്ള ദിവസങ്ങൾ: അന്നത്തെ ഏതെങ്കിലും മിനിറ്റിൽ സമ്പ്രദായത്തിലെ ഒരു വിലക്ക് നിലവിലുണ്ട്.</translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation>ഉദയം %1	അസ്തമയം %2</translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation>രാഹുകാലം	%1-%2</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>മാസം PDF ആയി സൂക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation>മാസം %1-ൽ സൂക്ഷിക്കാനായില്ല: %2</translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation>പങ്കാളിയെ ചേർക്കുക</translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation>പങ്കാളിയുടെ ജനനവിവരങ്ങൾ</translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation>മേഖല (കിഴക്ക് +hh:mm)</translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation>പങ്കാളിയെ തിരഞ്ഞെടുക്കുക...</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation>ദയവായി പങ്കാളിയുടെ പേര് നൽകുക.</translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation>ദയവായി പങ്കാളിയുടെ ജനനസ്ഥലത്തിന്റെ അക്ഷാംശവും രേഖാംശവും നൽകുക.</translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation>പങ്കാളിയുടെ ജനനസ്ഥലം: %1</translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation>ദയവായി പങ്കാളിയുടെ മേഖല ഗ്രീനിച്ചിൽനിന്ന് കിഴക്കോട്ടുള്ള മണിക്കൂറും മിനിറ്റുമായി നൽകുക, ഉദാ. +05:30.</translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation>പങ്കാളിക്ക്: %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>തിരുത്തുക (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>മുൻഗണനകൾ (&amp;P)...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>മുൻഗണനകൾ</translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation>പ്രോഗ്രാം എങ്ങനെ ഗണിക്കുന്നു, എണ്ണുന്നു എന്നത്. നിങ്ങളുടെ പഞ്ചാംഗം മറ്റൊരു രീതി പിന്തുടരുന്നില്ലെങ്കിൽ ഇവ മാറ്റാതെ വിടുക: സ്ഥിരസ്ഥിതികൾ പ്രോഗ്രാമിന്റേത് തന്നെ.</translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation>എഫെമെറിസ് (&amp;E):</translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation>സൂര്യന്റെയും ചന്ദ്രന്റെയും ലഗ്നത്തിന്റെയും സ്ഥാനങ്ങൾ എവിടെനിന്ന് എടുക്കുന്നു എന്നത്. Swiss Ephemeris ഉപയോഗിച്ചാൽ നക്ഷത്രവും ചന്ദ്രരാശിയും മാറുന്ന സമയം മിക്ക പഞ്ചാംഗങ്ങളും അച്ചടിക്കുന്നിടത്തുതന്നെ, ഏതാനും മിനിറ്റ് മുൻപ്, വരും.</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>അയനാംശം (&amp;A):</translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation>നിരയന രാശിചക്രം സായന രാശിചക്രത്തിൽനിന്ന് എത്ര അകലെയാണ് എന്നത്. നിങ്ങളുടെ പഞ്ചാംഗമോ ജ്യോതിഷിയോ പറയുന്നത് തിരഞ്ഞെടുക്കുക; Indian Astronomical Ephemeris ഉപയോഗിക്കുന്ന അയനാംശമാണ് ലാഹിരി.</translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation>സൂര്യോദയം (&amp;S):</translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation>ദിവസം എപ്പോൾ തുടങ്ങി എപ്പോൾ തീരുന്നു എന്നത്. അച്ചടിച്ച പഞ്ചാംഗങ്ങൾ സൂര്യബിംബത്തിന്റെ മുകളറ്റം എടുക്കുന്നു; പല ഇന്ത്യൻ പ്രോഗ്രാമുകളും ബിംബത്തിന്റെ കേന്ദ്രം എടുക്കുന്നു, അത് ഏതാനും മിനിറ്റ് വൈകി ഉദിക്കുകയും നേരത്തെ അസ്തമിക്കുകയും ചെയ്യും.</translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation>താരാബല ഗണനം (&amp;T):</translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation>ദിവസത്തിലെ നക്ഷത്രം ജന്മനക്ഷത്രത്തിൽനിന്ന് എങ്ങനെ എണ്ണുന്നു എന്നത്. പരമ്പരാഗത രീതി മുന്നോട്ട് എണ്ണുകയും ജന്മനക്ഷത്രത്തെത്തന്നെ ഒന്നാമതായി കണക്കാക്കുകയും ചെയ്യുന്നു.</translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation>Horavela-യെക്കുറിച്ച്</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>പതിപ്പ് %1</translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation>വൈദിക മുഹൂർത്ത ജ്യോതിഷം: ഉദ്ദേശിക്കുന്ന നിമിഷം ഒരു കാര്യത്തിന് യോജിച്ചതാണോ എന്ന്, ബന്ധപ്പെട്ട വ്യക്തിയുടെ ജനനവിവരങ്ങളുമായി തട്ടിച്ചുനോക്കി വിലയിരുത്തുന്നു.</translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation>ഗ്രഹസ്ഥാനങ്ങൾ: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;ഉപയോക്തൃ ഇന്റർഫേസ്: Qt %1.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ഭാഷ (&amp;L)</translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation>അടുത്ത തവണ തുടങ്ങുമ്പോൾ മുതൽ പ്രോഗ്രാം %1 ഭാഷയിലായിരിക്കും.</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>ജനനത്തീയതി</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>ജനനസമയം</translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation>ജനനസ്ഥലം</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>ചന്ദ്രരാശി (കൂറ്)</translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation>രാശ്യാധിപൻ</translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation>ജന്മനക്ഷത്രം</translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation>നക്ഷത്രാധിപൻ</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation>തിഥി</translation>
    </message>
    <message>
        <source>Birth Yoga</source>
        <translation>യോഗം</translation>
    </message>
    <message>
        <source>Half-Lunar Day</source>
        <translation>കരണം</translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation>ആഴ്ച</translation>
    </message>
    <message>
        <source>Electional Moon Sign</source>
        <translation>മുഹൂർത്തത്തിലെ ചന്ദ്രരാശി</translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation>മുഹൂർത്തത്തിലെ രാശ്യാധിപൻ</translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation>മുഹൂർത്തത്തിലെ നക്ഷത്രം</translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation>മുഹൂർത്തത്തിലെ നക്ഷത്രാധിപൻ</translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation>മുഹൂർത്ത ലഗ്നം</translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation>മുഹൂർത്തത്തിലെ തിഥി</translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation>മുഹൂർത്തത്തിലെ യോഗം</translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation>മുഹൂർത്തത്തിലെ കരണം</translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation>മുഹൂർത്തത്തിലെ ആഴ്ച</translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation>മുഹൂർത്തത്തീയതി</translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation>മുഹൂർത്ത സമയം</translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation>മുഹൂർത്ത സ്ഥലം</translation>
    </message>
    <message>
        <source>%1 date %2</source>
        <translation>%1 തീയതി %2</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>ജനന</translation>
    </message>
    <message>
        <source>Election</source>
        <translation>മുഹൂർത്ത</translation>
    </message>
    <message>
        <source>birth</source>
        <translation>ജനന</translation>
    </message>
    <message>
        <source>election</source>
        <translation>മുഹൂർത്ത</translation>
    </message>
    <message>
        <source>Election place: %1</source>
        <translation>മുഹൂർത്ത സ്ഥലം: %1</translation>
    </message>
    <message>
        <source>%1 %2 %3 at %4:%5</source>
        <translation>%1 %2 %3, %4:%5</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>സൂ</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>ച</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>കു</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>ബു</translation>
    </message>
    <message>
        <source>Ju</source>
        <translation>ഗു</translation>
    </message>
    <message>
        <source>Ve</source>
        <translation>ശു</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>ശ</translation>
    </message>
    <message>
        <source>Ra</source>
        <translation>രാ</translation>
    </message>
    <message>
        <source>Ke</source>
        <translation>കേ</translation>
    </message>
    <message>
        <source>Rahu kalam</source>
        <translation>രാഹുകാലം</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>യമകണ്ടകം</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>ഗുളികകാലം</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>അഭിജിത്</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>ചൗഘടിയ</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ഹോര</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>തിഥി</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>നക്ഷത്രം</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>യോഗം</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>കരണം</translation>
    </message>
    <message>
        <source>Moon sign</source>
        <translation>ചന്ദ്രരാശി</translation>
    </message>
    <message>
        <source>Lagna</source>
        <translation>ലഗ്നം</translation>
    </message>
    <message>
        <source>Durmuhurtam</source>
        <translation>ദുർമുഹൂർത്തം</translation>
    </message>
    <message>
        <source>Night kalams</source>
        <translation>രാത്രിയിലെ കാലങ്ങൾ</translation>
    </message>
    <message>
        <source>Muhurtas</source>
        <translation>മുഹൂർത്തങ്ങൾ</translation>
    </message>
    <message>
        <source>Sandhya</source>
        <translation>സന്ധ്യ</translation>
    </message>
    <message>
        <source>Godhuli</source>
        <translation>ഗോധൂളി</translation>
    </message>
    <message>
        <source>Pradosh</source>
        <translation>പ്രദോഷം</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>ഗൗരി</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>വർജ്യം</translation>
    </message>
    <message>
        <source>Amrit kalam</source>
        <translation>അമൃതകാലം</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>താരാബലം</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>ചന്ദ്രബലം</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>ചന്ദ്രാഷ്ടമം</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>സൂര്യോദയം</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>സൂര്യാസ്തമയം</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>പിറ്റേന്നത്തെ സൂര്യോദയം</translation>
    </message>
    <message>
        <source>    Sunrise %1    Sunset %2    Next sunrise %3</source>
        <translation>    സൂര്യോദയം %1    സൂര്യാസ്തമയം %2    പിറ്റേന്നത്തെ സൂര്യോദയം %3</translation>
    </message>
    <message>
        <source>Moonrise %1    Moonset %2</source>
        <translation>ചന്ദ്രോദയം %1    ചന്ദ്രാസ്തമയം %2</translation>
    </message>
    <message>
        <source>Rasi
%1</source>
        <translation>രാശി
%1</translation>
    </message>
    <message>
        <source>Planets</source>
        <translation>ഗ്രഹങ്ങൾ</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ഗ്രഹം</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>സ്ഫുടം</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>ല</translation>
    </message>
    <message>
        <source>%1, all day</source>
        <translation>%1, ദിവസം മുഴുവൻ</translation>
    </message>
    <message>
        <source>%1 until %2</source>
        <translation>%1 %2 വരെ</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 %2 മുതൽ</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 %2-ന്</translation>
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
        <translation>%1 (പ്രാദേശികം)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>അശുഭം</translation>
    </message>
    <message>
        <source>Child Ceremonies</source>
        <translation>കുട്ടികളുടെ ചടങ്ങുകൾ</translation>
    </message>
    <message>
        <source>Naming of The Child or Namakarana</source>
        <translation>നാമകരണം (പേരിടൽ)</translation>
    </message>
    <message>
        <source>Tonsuring of Head</source>
        <translation>ചൗളം (മുടി കളയൽ)</translation>
    </message>
    <message>
        <source>Piercing of the Ear or Karnavedha</source>
        <translation>കർണ്ണവേധം (കാതുകുത്ത്)</translation>
    </message>
    <message>
        <source>Thread Ceremony Or Upanayana</source>
        <translation>ഉപനയനം</translation>
    </message>
    <message>
        <source>First feeding of Solid Food (Annaprasan)</source>
        <translation>ചോറൂണ് (അന്നപ്രാശനം)</translation>
    </message>
    <message>
        <source>Starting of Education (Aksharabhyasa)</source>
        <translation>വിദ്യാരംഭം (എഴുത്തിനിരുത്ത്)</translation>
    </message>
    <message>
        <source>Adoption of a Child</source>
        <translation>കുട്ടിയെ ദത്തെടുക്കൽ</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>വിവാഹം</translation>
    </message>
    <message>
        <source>Engagement</source>
        <translation>വിവാഹനിശ്ചയം</translation>
    </message>
    <message>
        <source>First Entrance of the Bride</source>
        <translation>വധുവിന്റെ ഗൃഹപ്രവേശം</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>വിദ്യാഭ്യാസം</translation>
    </message>
    <message>
        <source>Learning of a Trade</source>
        <translation>തൊഴിൽ പഠനം</translation>
    </message>
    <message>
        <source>Learning of any Science</source>
        <translation>ശാസ്ത്രപഠനം</translation>
    </message>
    <message>
        <source>Learning Dance Or Music</source>
        <translation>നൃത്തമോ സംഗീതമോ പഠിക്കൽ</translation>
    </message>
    <message>
        <source>Learning Astrology Or Astronomy</source>
        <translation>ജ്യോതിഷമോ ജ്യോതിശ്ശാസ്ത്രമോ പഠിക്കൽ</translation>
    </message>
    <message>
        <source>Learning Medicine</source>
        <translation>വൈദ്യപഠനം</translation>
    </message>
    <message>
        <source>Learning Grammar, Logic Or Philosophy</source>
        <translation>വ്യാകരണമോ തർക്കമോ തത്ത്വശാസ്ത്രമോ പഠിക്കൽ</translation>
    </message>
    <message>
        <source>Moving Into New Home</source>
        <translation>ഗൃഹപ്രവേശം</translation>
    </message>
    <message>
        <source>Entering a New House</source>
        <translation>പുതിയ വീട്ടിൽ താമസം തുടങ്ങൽ</translation>
    </message>
    <message>
        <source>Entering a Rented House</source>
        <translation>വാടകവീട്ടിൽ താമസം തുടങ്ങൽ</translation>
    </message>
    <message>
        <source>Start On A New Job</source>
        <translation>പുതിയ ജോലിയിൽ പ്രവേശിക്കൽ</translation>
    </message>
    <message>
        <source>Start A New Business</source>
        <translation>പുതിയ വ്യാപാരം തുടങ്ങൽ</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>യാത്ര</translation>
    </message>
    <message>
        <source>Domestic Journey</source>
        <translation>നാട്ടിനുള്ളിലെ യാത്ര</translation>
    </message>
    <message>
        <source>Religious Journey</source>
        <translation>തീർത്ഥയാത്ര</translation>
    </message>
    <message>
        <source>Foreign Journey</source>
        <translation>വിദേശയാത്ര</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>നിർമ്മാണം</translation>
    </message>
    <message>
        <source>Laying the Foundation</source>
        <translation>ശിലാസ്ഥാപനം (കുറ്റിയടി)</translation>
    </message>
    <message>
        <source>Starting the Construction of a House</source>
        <translation>വീടുപണി തുടങ്ങൽ</translation>
    </message>
    <message>
        <source>Financial Transactions</source>
        <translation>സാമ്പത്തിക ഇടപാടുകൾ</translation>
    </message>
    <message>
        <source>Lending Money</source>
        <translation>പണം കടം കൊടുക്കൽ</translation>
    </message>
    <message>
        <source>Borrowing Money</source>
        <translation>പണം കടം വാങ്ങൽ</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>നിയമകാര്യങ്ങൾ</translation>
    </message>
    <message>
        <source>Medical Treatment</source>
        <translation>ചികിത്സ</translation>
    </message>
    <message>
        <source>Starting medical treatment for chronic disease or recurring illness</source>
        <translation>വിട്ടുമാറാത്തതോ ആവർത്തിക്കുന്നതോ ആയ രോഗത്തിന് ചികിത്സ തുടങ്ങൽ</translation>
    </message>
    <message>
        <source>Date for operations</source>
        <translation>ശസ്ത്രക്രിയയ്ക്കുള്ള ദിവസം</translation>
    </message>
    <message>
        <source>Buying and Selling</source>
        <translation>വാങ്ങലും വിൽക്കലും</translation>
    </message>
    <message>
        <source>Buying Land</source>
        <translation>ഭൂമി വാങ്ങൽ</translation>
    </message>
    <message>
        <source>Selling Land</source>
        <translation>ഭൂമി വിൽക്കൽ</translation>
    </message>
    <message>
        <source>Buying Item</source>
        <translation>സാധനം വാങ്ങൽ</translation>
    </message>
    <message>
        <source>Sell Item</source>
        <translation>സാധനം വിൽക്കൽ</translation>
    </message>
    <message>
        <source>Restart now</source>
        <translation>ഇപ്പോൾ പുനരാരംഭിക്കുക</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>പിന്നീട്</translation>
    </message>
    <message>
        <source>&amp;Native digits</source>
        <translation>മലയാള അക്കങ്ങൾ (&amp;N)</translation>
    </message>
    <message>
        <source>%1 %2 – %3 %4, %5 minutes%6

%7</source>
        <translation>%1 %2 – %3 %4, %5 മിനിറ്റ്%6

%7</translation>
    </message>
    <message>
        <source>, among the best of the range</source>
        <translation>, ഈ കാലയളവിലെ ഏറ്റവും നല്ല സമയങ്ങളിൽ ഒന്ന്</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2 (%3, ജനനം %4 %5:%6), സ്ഥലം %7: %8 %9, %10.</translation>
    </message>
    <message>
        <source>the election place</source>
        <translation>മുഹൂർത്ത സ്ഥലം</translation>
    </message>
    <message>
        <source>zone %1 h %2 min%3 (%4)</source>
        <translation>മേഖല %1 മ %2 മി%3 (%4)</translation>
    </message>
    <message>
        <source>, DST</source>
        <translation>, DST</translation>
    </message>
    <message>
        <source>%1, follows daylight saving</source>
        <translation>%1, ഡേലൈറ്റ് സേവിംഗ് സമയം (DST) പിന്തുടരുന്നു</translation>
    </message>
</context>
</TS>
