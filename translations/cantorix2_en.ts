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
</TS>
