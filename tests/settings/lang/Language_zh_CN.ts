<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>SettingsWindow</name>
    <message><source>Cells Number</source><translation>电芯数量</translation></message>
    <message><source>Enable switch</source><translation>使能开关</translation></message>
    <message><source>ON</source><translation>开</translation></message>
    <message><source>OFF</source><translation>关</translation></message>
    <message><source>Lithium iron</source><translation>磷酸铁锂</translation></message>
    <message><source>Lithium ternary</source><translation>三元锂</translation></message>
    <message><source>Passive</source><translation>被动</translation></message>
    <message><source>Active</source><translation>主动</translation></message>
</context>
</TS>
