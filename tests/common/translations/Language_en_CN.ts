<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PageTranslatorTest</name>
    <message>
        <source>Hello</source>
        <translation>Hello (en)</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF (en)</translation>
    </message>
</context>
</TS>
