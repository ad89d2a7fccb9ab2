<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PageTranslatorTest</name>
    <message>
        <source>Hello</source>
        <translation>你好</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
