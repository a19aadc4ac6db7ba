<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn" sourcelanguage="en">
<context>
    <name>Horavela</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one of the options from the list of activities for which the Electional or Muhurtha time needs to be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on Next to Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional astrology, or muhurtha, looks for the moment at which an undertaking should begin. The sky of that moment is weighed against the birth sky of the person concerned: the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special yogas all have their say.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a group of activities on the left, tick the activity in the list and press Next. You will then enter the proposed moment and place, and after that the birth details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Election Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the date, the clock time and the place of the moment you would like to judge. The weekday follows the date; change it only if you count the day from sunrise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude and longitude are whole degrees and minutes. Choose the time zone of the place with &quot;TZ Help&quot; and tick DST when daylight saving time was in force.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Birth Details of Native</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name, the date, the time and the place of birth of the person for whom the moment is chosen. The star of the Moon at birth decides the strength of the star and of the Moon at the chosen moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Next to compute both charts and judge the moment. The result and a report you can print or save appear on three tabs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horavela is generating Electional Chart Analysis. Please Wait ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muhurtha Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Election Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horavela Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;RTF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM:DD:YYYY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only characters are accepted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only numbers are accepted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The years run from 1901 to 2050.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The months run from 1 (January) to 12 (December).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The days run from 1 to 31.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hours run from 0 to 23.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minutes run from 0 to 59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seconds run from 0 to 59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select A Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree in Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute in Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Degree in Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Minute in Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Birth Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The birth, %1, is later than the election moment, %2. A moment can only be judged for someone already born: correct the birth date or the election date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees must be between 0 and 90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes must be between 0 and 59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees must be between 0 and 180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes must be between 0 and 59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Latitude Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The offline atlas knows these places for &quot;%1&quot;. Choose one to fill in its coordinates and time zone, or search the web.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The web search could not be opened: no web browser is available on this computer. Search for &quot;%1&quot; yourself, or choose the place in the offline atlas by typing its name into City.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page %1 could not be opened: no web browser is available on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to save the report as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the report as RTF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich text files (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the moment as a calendar event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar file could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The evaluation could not be completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 (the first %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 (the second %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 did not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 happened twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: choose the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the atlas: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates typed by hand, not from the atlas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not one atlas city: enter coordinates and zone, or state and country and click above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates of %1 and choose its zone with &quot;TZ Help&quot;, or enter its state and country and use &quot;Click here to find Latitude &amp; Longitude&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not one city of the atlas: enter its coordinates and zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The atlas does not know &quot;%1&quot; as one city, so the coordinates and zone of %2 were cleared. Please enter the coordinates and the zone of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. Please correct the time, or choose the zone yourself with &quot;TZ Help&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks were put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Was it the first of them, at %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Was it the second of them, at %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock time %1 happened twice in %2. Please say which of the two was meant, or correct the time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time zone %1 of %2 is not in this system&apos;s time zone database. Please choose the zone with &quot;TZ Help&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose person...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose place...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People and places...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book of people and places could not be opened: %1

Horavela works on without it; people and places cannot be saved or chosen until the program is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book of people and places is not available: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book could not be changed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note about %1 (optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, born %2, is saved in the book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, born %2, is already in the book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is saved in the book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in the book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book has no people yet. Fill in the birth page and press Save person.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book has no places yet. Fill in the election page and press Save place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People and places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an entry in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1, born %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry is removed from the book for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import people and places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export people and places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horavela-book.json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON files (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a book of people and places: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported from %1: %2 added, %3 skipped as already in the book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 people and %2 places exported to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book could not be exported to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follows the atlas zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the city</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day at a glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first: the day at a glance is computed for the election date and place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day could not be computed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill in the election page, then choose View &gt; Day at a glance or evaluate a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tradition&apos;s vetoes in force that day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No veto of the tradition is in force that day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun sets on this date without having risen on it: its daytime began on an earlier date, so there are no kalams, no Abhijit, no choghadiya and no hora.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, choghadiya and hora, the night has none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tara, %2 (from the birth star %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (from the birth Moon sign %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the day as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the day as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find good times...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find good times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At &amp;least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total at least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out Rahu kalam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out Yamaganda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave out Gulika kalam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observe the tradition&apos;s vetoes and panchanga shuddhi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also regional vetoes (Holashtak, Pitru Paksha)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tradition rules out %1 of %2 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the windows as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>windows.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The windows could not be exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>windows.ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use this time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a day to show its first window; under each day, the total of its best window. The list runs in time order (click a column&apos;s title to sort by it); the ten best windows are in bold. Double-click a window, or select it and press &quot;Use this time&quot;, to judge it in full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the range and press Search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No time in this range reaches %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 windows on %2 days, found in %3 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showing the first %1 windows; narrow the range to see the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search cannot run: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the undertaking on the first page first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the latitude and longitude of the election place first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search judges every moment against the person&apos;s birth, and the birth page is not complete yet: %1. Press Next, fill in the birth page and use &quot;Find good times...&quot; there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no birth date is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the latitude and longitude of the birthplace are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match two people...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match two people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bride:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export RTF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horavela Match Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The book holds fewer than two people. Save the groom and the bride in the book first (Save person on the birth page, or File &gt; People and places... &gt; Import).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose two different people as the groom and the bride.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match could not be computed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The match report could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month at a glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill in the election page: the month of the election date is shown for the election place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month could not be computed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 at %3, best times for %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1	%2-%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next day). Grey days: a veto of the tradition is in force at some minute of the day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise %1	Set %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahu kalam	%1-%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner&apos;s Birth Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone (east +hh:mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose partner...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the latitude and longitude of the partner&apos;s birth place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner&apos;s birth place: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the partner&apos;s zone as hours and minutes east of Greenwich, like +05:30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the partner: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the program computes and counts. Leave these as they are unless your almanac works another way: the defaults are the program&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ephemeris:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the sidereal zodiac stands from the tropical. Choose the one your almanac or astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sunrise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the day begins and ends. Published almanacs take the upper limb; many Indian programs take the centre of the disc, which rises some minutes later and sets earlier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tarabala count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the day&apos;s star is counted from the birth star. The classical count goes forward and counts the birth star itself as the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Horavela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vedic electional astrology (muhurtha): judges whether a proposed moment suits an undertaking, measured against the birth data of the person concerned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planet positions: Swiss Ephemeris (AGPL-3.0).&lt;br&gt;User interface: Qt %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program will speak %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Sign Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Star Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Yoga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half-Lunar Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Moon Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Moon Sign Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Birth Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Birth Star Lord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Lunar Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Birth Yoga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Half-Lunar Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Week Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electional Place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
