<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>RecordWindow</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>删除记录</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>条数:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
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
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告!</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>请先打开串口</translation>
    </message>
    <message>
        <source>Please stop reading the history first</source>
        <translation>请先停止读取历史记录</translation>
    </message>
    <message>
        <source>Are you sure you want to delete record ?</source>
        <translation>确定要删除记录吗？</translation>
    </message>
    <message>
        <source>History reading completed !</source>
        <translation>历史记录读取完成！</translation>
    </message>
    <message>
        <source>No History !</source>
        <translation>无历史记录！</translation>
    </message>
    <message>
        <source>History reading not completed: the BMS&apos;s history changed during the reading, please read it again !</source>
        <translation>历史记录读取未完成：读取期间BMS的历史记录发生了变化，请重新读取！</translation>
    </message>
    <message>
        <source>History reading not completed: the connection to the BMS was lost !</source>
        <translation>历史记录读取未完成：与BMS的连接已断开！</translation>
    </message>
    <message>
        <source>History reading not completed: another BMS answered !</source>
        <translation>历史记录读取未完成：另一个BMS作出了应答！</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Communication timeout !</source>
        <translation>通讯超时！</translation>
    </message>
    <message>
        <source>The file could not be written:</source>
        <translation>文件无法写入：</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
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
        <source>Cell</source>
        <translation>电芯</translation>
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
        <source>Discharging high temperature;</source>
        <translation>放电高温;</translation>
    </message>
    <message>
        <source>Discharging low temperature;</source>
        <translation>放电低温;</translation>
    </message>
    <message>
        <source>Environmental high temperature;</source>
        <translation>环境高温;</translation>
    </message>
    <message>
        <source>Environmental low temperature;</source>
        <translation>环境低温;</translation>
    </message>
    <message>
        <source>MOS high temperature alarm;</source>
        <translation>MOS高温告警;</translation>
    </message>
    <message>
        <source>MOS high temperature;</source>
        <translation>MOS高温;</translation>
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
        <source>Cell overvoltage 2;</source>
        <translation>单体过压2;</translation>
    </message>
    <message>
        <source>Charge overcurrent 2;</source>
        <translation>充电过流2;</translation>
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
        <source>The BMS at the other end may have changed: the deletion was not sent.</source>
        <translation>另一端的 BMS 可能已更换：删除未发送。</translation>
    </message>
</context>
</TS>
