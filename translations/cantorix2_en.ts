<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
    <name>ReportExports</name>
    <message numerus="yes">
        <source>Printed the report: %n page(s)</source>
        <translation>
            <numerusform>Printed the report: %n page</numerusform>
            <numerusform>Printed the report: %n pages</numerusform>
        </translation>
    </message>
</context>
</TS>
