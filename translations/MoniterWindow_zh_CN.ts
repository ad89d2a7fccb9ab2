<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MoniterWindow</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Recorded data</source>
        <translation>记录数据</translation>
    </message>
    <message>
        <source>Number of records</source>
        <translation>记录条数</translation>
    </message>
    <message>
        <source>5000</source>
        <translation>5000</translation>
    </message>
    <message>
        <source>10000</source>
        <translation>10000</translation>
    </message>
    <message>
        <source>20000</source>
        <translation>20000</translation>
    </message>
    <message>
        <source>2000</source>
        <translation>2000</translation>
    </message>
    <message>
        <source>3000</source>
        <translation>3000</translation>
    </message>
    <message>
        <source>4000</source>
        <translation>4000</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>BMS disconnect !</source>
        <translation>BMS连接断开！</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Voltage(V)</source>
        <translation>电压(V)</translation>
    </message>
    <message>
        <source>Current(A)</source>
        <translation>电流(A)</translation>
    </message>
    <message>
        <source>SOC(%)</source>
        <translation>SOC(%)</translation>
    </message>
    <message>
        <source>SOH(%)</source>
        <translation>SOH(%)</translation>
    </message>
    <message>
        <source>FCC(AH)</source>
        <translation>满充容量(AH)</translation>
    </message>
    <message>
        <source>RM(AH)</source>
        <translation>剩余容量(AH)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>循环次数</translation>
    </message>
    <message>
        <source>AlarmSates</source>
        <translation>告警状态</translation>
    </message>
    <message>
        <source>Protect1</source>
        <translation>保护1</translation>
    </message>
    <message>
        <source>Protect2</source>
        <translation>保护2</translation>
    </message>
    <message>
        <source>FaultSates</source>
        <translation>故障状态</translation>
    </message>
    <message>
        <source>SystemStates</source>
        <translation>系统状态</translation>
    </message>
    <message>
        <source>Cellmax(mV)</source>
        <translation>最高单体(mV)</translation>
    </message>
    <message>
        <source>Cellmin(mV)</source>
        <translation>最低单体(mV)</translation>
    </message>
    <message>
        <source>Cellmaxindex</source>
        <translation>最高单体号</translation>
    </message>
    <message>
        <source>Cellminindex</source>
        <translation>最低单体号</translation>
    </message>
    <message>
        <source>CellTempmax(℃)</source>
        <translation>最高温度(℃)</translation>
    </message>
    <message>
        <source>CellTempmin(℃)</source>
        <translation>最低温度(℃)</translation>
    </message>
    <message>
        <source>Tempmaxindex</source>
        <translation>最高温度号</translation>
    </message>
    <message>
        <source>Tempminindex</source>
        <translation>最低温度号</translation>
    </message>
    <message>
        <source>TempFET(℃)</source>
        <translation>MOS温度(℃)</translation>
    </message>
    <message>
        <source>TempAMB(℃)</source>
        <translation>环境温度(℃)</translation>
    </message>
    <message>
        <source>Cell_</source>
        <translation>单体_</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Cell overvoltage;</source>
        <translation>单体过压;</translation>
    </message>
    <message>
        <source>Cell undervoltage;</source>
        <translation>单体欠压;</translation>
    </message>
    <message>
        <source>Over voltage;</source>
        <translation>总压过压;</translation>
    </message>
    <message>
        <source>Under voltage;</source>
        <translation>总压欠压;</translation>
    </message>
    <message>
        <source>Discharge overcurrent;</source>
        <translation>放电过流;</translation>
    </message>
    <message>
        <source>Charge overcurrent;</source>
        <translation>充电过流;</translation>
    </message>
    <message>
        <source>Charging high temperature;</source>
        <translation>充电高温;</translation>
    </message>
    <message>
        <source>Charging low temperature;</source>
        <translation>充电低温;</translation>
    </message>
    <message>
        <source>Environmental high temperature;</source>
        <translation>环境高温;</translation>
    </message>
    <message>
        <source>MOS high temperature alarm;</source>
        <translation>MOS高温告警;</translation>
    </message>
    <message>
        <source>Differential pressure;</source>
        <translation>压差过大;</translation>
    </message>
    <message>
        <source>High battery;</source>
        <translation>电量过高;</translation>
    </message>
    <message>
        <source>Low battery;</source>
        <translation>电量过低;</translation>
    </message>
    <message>
        <source>Discharge overcurrent 2;</source>
        <translation>放电过流2;</translation>
    </message>
    <message>
        <source>Discharge overcurrent 3;</source>
        <translation>放电过流3;</translation>
    </message>
    <message>
        <source>Short circuit;</source>
        <translation>短路;</translation>
    </message>
    <message>
        <source>MOS high temperature;</source>
        <translation>MOS高温;</translation>
    </message>
    <message>
        <source>Cell overvoltage 2;</source>
        <translation>单体过压2;</translation>
    </message>
    <message>
        <source>CHG_MOS fault;</source>
        <translation>充电MOS故障;</translation>
    </message>
    <message>
        <source>DSG_MOS fault;</source>
        <translation>放电MOS故障;</translation>
    </message>
    <message>
        <source>NTC fault;</source>
        <translation>NTC故障;</translation>
    </message>
    <message>
        <source>AFE fault;</source>
        <translation>AFE故障;</translation>
    </message>
    <message>
        <source>HEAT fault;</source>
        <translation>加热故障;</translation>
    </message>
    <message>
        <source>Power Failure;</source>
        <translation>电源故障;</translation>
    </message>
    <message>
        <source>CHG_MOS_ON;</source>
        <translation>充电MOS开;</translation>
    </message>
    <message>
        <source>DSG_MOS_ON;</source>
        <translation>放电MOS开;</translation>
    </message>
    <message>
        <source>CHGING;</source>
        <translation>充电中;</translation>
    </message>
    <message>
        <source>DSGING;</source>
        <translation>放电中;</translation>
    </message>
    <message>
        <source>LOAD;</source>
        <translation>负载;</translation>
    </message>
    <message>
        <source>LIMIT;</source>
        <translation>限流;</translation>
    </message>
    <message>
        <source>HEATING;</source>
        <translation>加热中;</translation>
    </message>
    <message>
        <source>CHARGER;</source>
        <translation>充电器;</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>(*.csv)</source>
        <translation>(*.csv)</translation>
    </message>
    <message>
        <source>The log file could not be written, the rows stay in the table:</source>
        <translation>日志文件无法写入，数据保留在表格中：</translation>
    </message>
    <message>
        <source>The rows of the pack logged before could not be written to their log file. They stay in the table; the rows of the pack now connected are added once they are written or cleared:</source>
        <translation>之前记录的电池包数据无法写入其日志文件，数据保留在表格中；待这些数据写入或清除后，才会记录当前连接电池包的数据：</translation>
    </message>
    <message>
        <source>The rows not yet in a log file could not be written:</source>
        <translation>尚未写入日志文件的数据无法写入：</translation>
    </message>
    <message>
        <source>Close the program all the same? These rows are then lost.</source>
        <translation>仍然关闭程序吗？这些数据将会丢失。</translation>
    </message>
    <message>
        <source>The file could not be written:</source>
        <translation>文件无法写入：</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
</context>
</TS>
