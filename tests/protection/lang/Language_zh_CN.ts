<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ProtectionWindow</name>
    <message>
        <source>Cell OV alarm(mV)</source>
        <translation>单体过压告警(mV)</translation>
    </message>
    <message>
        <source>Delay (S)</source>
        <translation>延时(秒)</translation>
    </message>
    <message>
        <source>1S</source>
        <translation>1秒</translation>
    </message>
    <message>
        <source>4S</source>
        <translation>4秒</translation>
    </message>
    <message>
        <source>8S</source>
        <translation>8秒</translation>
    </message>
</context>
</TS>
