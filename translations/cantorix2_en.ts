<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>HymnRow</name>
    <message numerus="yes">
        <source>within %n week(s)</source>
        <translation>
            <numerusform>within %n week</numerusform>
            <numerusform>within %n weeks</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportLectionaryDialog</name>
    <message numerus="yes">
        <source>%1: %n row(s)</source>
        <translation>
            <numerusform>%1: %n row</numerusform>
            <numerusform>%1: %n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) to write.</source>
        <translation>
            <numerusform>%n line to write.</numerusform>
            <numerusform>%n lines to write.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 already has %n line(s) for the days and years imported:</source>
        <translation>
            <numerusform>%1 already has %n line for the days and years imported:</numerusform>
            <numerusform>%1 already has %n lines for the days and years imported:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 written: %n line(s) imported</source>
        <translation>
            <numerusform>%1 written: %n line imported</numerusform>
            <numerusform>%1 written: %n lines imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 made beside the hymnal: %n line(s)</source>
        <translation>
            <numerusform>%1 made beside the hymnal: %n line</numerusform>
            <numerusform>%1 made beside the hymnal: %n lines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n row(s) (the rest was left out: a table is read up to %2 rows and %3 columns)</source>
        <translation>
            <numerusform>%1: %n row (the rest was left out: a table is read up to %2 rows and %3 columns)</numerusform>
            <numerusform>%1: %n rows (the rest was left out: a table is read up to %2 rows and %3 columns)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Logbook</name>
    <message numerus="yes">
        <source>The log holds %n NUL byte(s) that the backup does not.</source>
        <translation>
            <numerusform>The log holds %n NUL byte that the backup does not.</numerusform>
            <numerusform>The log holds %n NUL bytes that the backup does not.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 changed: %n hymn(s)</source>
        <translation>
            <numerusform>Service of %1 changed: %n hymn</numerusform>
            <numerusform>Service of %1 changed: %n hymns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Service of %1 added: %n hymn(s)</source>
        <translation>
            <numerusform>Service of %1 added: %n hymn</numerusform>
            <numerusform>Service of %1 added: %n hymns</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>%1 holds %n NUL character(s), which a text file does not: a write may have been cut short. Look at it in a text editor.</source>
        <translation>
            <numerusform>%1 holds %n NUL character, which a text file does not: a write may have been cut short. Look at it in a text editor.</numerusform>
            <numerusform>%1 holds %n NUL characters, which a text file does not: a write may have been cut short. Look at it in a text editor.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message numerus="yes">
        <source>%n item(s) copied</source>
        <extracomment>The message after a right click put rows of an output list on the clipboard.</extracomment>
        <translation>
            <numerusform>%n item copied</numerusform>
            <numerusform>%n items copied</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n title(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the hymns&apos; titles were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n title</numerusform>
            <numerusform>%1 +  %n titles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n count(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the tally&apos;s counts were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n count</numerusform>
            <numerusform>%1 +  %n counts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 +  %n date(s)</source>
        <extracomment>%1 is the &quot;… item(s) copied&quot; message; the services&apos; dates were copied too, as headings. The two blanks after &quot;+&quot; are kept.</extracomment>
        <translation>
            <numerusform>%1 +  %n date</numerusform>
            <numerusform>%1 +  %n dates</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message numerus="yes">
        <source>No hymn fits all three; %n hold(s) the phrase and the meter</source>
        <translation>
            <numerusform>No hymn fits all three; %n holds the phrase and the meter</numerusform>
            <numerusform>No hymn fits all three; %n hold the phrase and the meter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No hymn fits both; %n hold(s) the phrase</source>
        <translation>
            <numerusform>No hymn fits both; %n holds the phrase</numerusform>
            <numerusform>No hymn fits both; %n hold the phrase</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Could not read the reference(s) %1.</source>
        <extracomment>Under Suggest Hymns&apos; readings: %1 is the pieces not read, each in quotes, separated by commas.</extracomment>
        <translation>
            <numerusform>Could not read the reference %1.</numerusform>
            <numerusform>Could not read the references %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are not counted</source>
        <translation>
            <numerusform>%n planned service after today is not counted</numerusform>
            <numerusform>%n planned services after today are not counted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n planned service(s) after today is/are counted</source>
        <translation>
            <numerusform>%n planned service after today is counted</numerusform>
            <numerusform>%n planned services after today are counted</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message numerus="yes">
        <source>%1: %n use(s)</source>
        <extracomment>A bar&apos;s tooltip on the usage chart: %1 is the period (&quot;2019&quot;, &quot;Jan 2019&quot;).</extracomment>
        <translation>
            <numerusform>%1: %n use</numerusform>
            <numerusform>%1: %n uses</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportExports</name>
    <message numerus="yes">
        <source>Printed the report: %n page(s)</source>
        <translation>
            <numerusform>Printed the report: %n page</numerusform>
            <numerusform>Printed the report: %n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message numerus="yes">
        <source>%Ln service(s)</source>
        <translation>
            <numerusform>%Ln service</numerusform>
            <numerusform>%Ln services</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s)</source>
        <translation>
            <numerusform>%Ln hymn</numerusform>
            <numerusform>%Ln hymns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln service(s) has/have no date in its/their head line</source>
        <translation>
            <numerusform>%Ln service has no date in its head line</numerusform>
            <numerusform>%Ln services have no date in their head line</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message numerus="yes">
        <source>The file holds more than the %n entries the program can keep (line %1 would need one more); the entries before it were loaded.</source>
        <extracomment>%n is the most entries (hymns, services and their continuations) the program keeps, %1 a line number of the file.</extracomment>
        <translation>
            <numerusform>The file holds more than the %n entry the program can keep (line %1 would need one more); the entries before it were loaded.</numerusform>
            <numerusform>The file holds more than the %n entries the program can keep (line %1 would need one more); the entries before it were loaded.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading &quot;%1&quot; failed after %n byte(s) (%2); the entries read before the failure were kept.</source>
        <extracomment>%2 is the system&apos;s own reason.</extracomment>
        <translation>
            <numerusform>Reading &quot;%1&quot; failed after %n byte (%2); the entries read before the failure were kept.</numerusform>
            <numerusform>Reading &quot;%1&quot; failed after %n bytes (%2); the entries read before the failure were kept.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) loaded - this is the program&apos;s maximum</source>
        <extracomment>The message when a file holds more entries than the program keeps: the first %n were loaded.</extracomment>
        <translation>
            <numerusform>%n item loaded - this is the program&apos;s maximum</numerusform>
            <numerusform>%n items loaded - this is the program&apos;s maximum</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SuggestWindow</name>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested, uses counted up to %1.</source>
        <translation>
            <numerusform>%Ln hymn suggested, uses counted up to %1.</numerusform>
            <numerusform>%Ln hymns suggested, uses counted up to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln hymn(s) suggested. Load a service log to see how often each was sung.</source>
        <translation>
            <numerusform>%Ln hymn suggested. Load a service log to see how often each was sung.</numerusform>
            <numerusform>%Ln hymns suggested. Load a service log to see how often each was sung.</numerusform>
        </translation>
    </message>
</context>
</TS>
