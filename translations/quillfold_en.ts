<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BookDialog</name>
    <message numerus="yes">
        <source>%1: %n page(s)</source>
        <translation>
            <numerusform>%1: %n page</numerusform>
            <numerusform>%1: %n pages</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>book</name>
    <message numerus="yes">
        <source>%n page(s) cannot be read, so the book was not written</source>
        <translation>
            <numerusform>%n page cannot be read, so the book was not written</numerusform>
            <numerusform>%n pages cannot be read, so the book was not written</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message numerus="yes">
        <source> %n unreadable file(s) kept their selection</source>
        <translation>
            <numerusform> %n unreadable file kept its selection</numerusform>
            <numerusform> %n unreadable files kept their selection</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>split</name>
    <message numerus="yes">
        <source>Done (%n could not be processed)</source>
        <translation>
            <numerusform>Done (%n image could not be processed)</numerusform>
            <numerusform>Done (%n images could not be processed)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) kept as they were</source>
        <translation>
            <numerusform>%n page kept as it was</numerusform>
            <numerusform>%n pages kept as they were</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) cut at the centre</source>
        <translation>
            <numerusform>%n image cut at the centre</numerusform>
            <numerusform>%n images cut at the centre</numerusform>
        </translation>
    </message>
</context>
</TS>
