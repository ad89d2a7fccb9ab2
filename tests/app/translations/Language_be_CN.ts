<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN">
<context>
    <name>MainWindow</name>
    <message>
        <source>Home</source>
        <translation>Trang chủ</translation>
    </message>
    <message>
        <source>BMS SN:</source>
        <translation>Số sê-ri BMS:</translation>
    </message>
</context>
</TS>
