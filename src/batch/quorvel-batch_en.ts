<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The English plural forms of quorvel-batch's counts: the program's texts are
     written in the plural, and this gives the singular where the count is one.
     Compiled by lrelease into the program. A text with a count (%n) that is added to
     quorvel-batch gets its forms here. -->
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>quorvel-batch</name>
    <message numerus="yes">
        <source>%n thumbnails written to %1</source>
        <translation>
            <numerusform>%n thumbnail written to %1</numerusform>
            <numerusform>%n thumbnails written to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n pictures failed</source>
        <translation>
            <numerusform>, %n picture failed</numerusform>
            <numerusform>, %n pictures failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Album %1: %n pictures, %2 made, %3 up to date, %4 removed, %5 failed.</source>
        <translation>
            <numerusform>Album %1: %n picture, %2 made, %3 up to date, %4 removed, %5 failed.</numerusform>
            <numerusform>Album %1: %n pictures, %2 made, %3 up to date, %4 removed, %5 failed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures</source>
        <translation>
            <numerusform>%1 of %n picture</numerusform>
            <numerusform>%1 of %n pictures</numerusform>
        </translation>
    </message>
</context>
</TS>
