<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_CN">
<context>
    <name>RecordWindow</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Delete record</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Numbers:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>(*.csv)</source>
        <translation>(*.csv)</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Please open the serial port first</translation>
    </message>
    <message>
        <source>Please stop reading the history first</source>
        <translation>Please stop reading the history first</translation>
    </message>
    <message>
        <source>Are you sure you want to delete record ?</source>
        <translation>Are you sure you want to delete record ?</translation>
    </message>
    <message>
        <source>History reading completed !</source>
        <translation>History reading completed !</translation>
    </message>
    <message>
        <source>No History !</source>
        <translation>No History !</translation>
    </message>
    <message>
        <source>History reading not completed: the BMS&apos;s history changed during the reading, please read it again !</source>
        <translation>History reading not completed: the BMS&apos;s history changed during the reading, please read it again !</translation>
    </message>
    <message>
        <source>History reading not completed: the connection to the BMS was lost !</source>
        <translation>History reading not completed: the connection to the BMS was lost !</translation>
    </message>
    <message>
        <source>History reading not completed: another BMS answered !</source>
        <translation>History reading not completed: another BMS answered !</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Communication timeout !</source>
        <translation>Communication timeout !</translation>
    </message>
    <message>
        <source>The file could not be written:</source>
        <translation>The file could not be written:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Voltage(V)</source>
        <translation>Voltage(V)</translation>
    </message>
    <message>
        <source>Current(A)</source>
        <translation>Current(A)</translation>
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
        <translation>FCC(AH)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>AlarmSates</source>
        <translation>AlarmSates</translation>
    </message>
    <message>
        <source>Protect1</source>
        <translation>Protect1</translation>
    </message>
    <message>
        <source>Protect2</source>
        <translation>Protect2</translation>
    </message>
    <message>
        <source>FaultSates</source>
        <translation>FaultSates</translation>
    </message>
    <message>
        <source>SystemStates</source>
        <translation>SystemStates</translation>
    </message>
    <message>
        <source>TempFET(℃)</source>
        <translation>TempFET(℃)</translation>
    </message>
    <message>
        <source>TempAMB(℃)</source>
        <translation>TempAMB(℃)</translation>
    </message>
    <message>
        <source>Cell_</source>
        <translation>Cell_</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Temp</translation>
    </message>
    <message>
        <source>Cell overvoltage;</source>
        <translation>Cell overvoltage;</translation>
    </message>
    <message>
        <source>Cell undervoltage;</source>
        <translation>Cell undervoltage;</translation>
    </message>
    <message>
        <source>Over voltage;</source>
        <translation>Over voltage;</translation>
    </message>
    <message>
        <source>Under voltage;</source>
        <translation>Under voltage;</translation>
    </message>
    <message>
        <source>Discharge overcurrent;</source>
        <translation>Discharge overcurrent;</translation>
    </message>
    <message>
        <source>Charge overcurrent;</source>
        <translation>Charge overcurrent;</translation>
    </message>
    <message>
        <source>Charging high temperature;</source>
        <translation>Charging high temperature;</translation>
    </message>
    <message>
        <source>Charging low temperature;</source>
        <translation>Charging low temperature;</translation>
    </message>
    <message>
        <source>Discharging high temperature;</source>
        <translation>Discharging high temperature;</translation>
    </message>
    <message>
        <source>Discharging low temperature;</source>
        <translation>Discharging low temperature;</translation>
    </message>
    <message>
        <source>Environmental high temperature;</source>
        <translation>Environmental high temperature;</translation>
    </message>
    <message>
        <source>Environmental low temperature;</source>
        <translation>Environmental low temperature;</translation>
    </message>
    <message>
        <source>MOS high temperature alarm;</source>
        <translation>MOS high temperature alarm;</translation>
    </message>
    <message>
        <source>MOS high temperature;</source>
        <translation>MOS high temperature;</translation>
    </message>
    <message>
        <source>Differential pressure;</source>
        <translation>Differential pressure;</translation>
    </message>
    <message>
        <source>High battery;</source>
        <translation>High battery;</translation>
    </message>
    <message>
        <source>Low battery;</source>
        <translation>Low battery;</translation>
    </message>
    <message>
        <source>Cell overvoltage 2;</source>
        <translation>Cell overvoltage 2;</translation>
    </message>
    <message>
        <source>Charge overcurrent 2;</source>
        <translation>Charge overcurrent 2;</translation>
    </message>
    <message>
        <source>Discharge overcurrent 2;</source>
        <translation>Discharge overcurrent 2;</translation>
    </message>
    <message>
        <source>Discharge overcurrent 3;</source>
        <translation>Discharge overcurrent 3;</translation>
    </message>
    <message>
        <source>Short circuit;</source>
        <translation>Short circuit;</translation>
    </message>
    <message>
        <source>CHG_MOS fault;</source>
        <translation>CHG_MOS fault;</translation>
    </message>
    <message>
        <source>DSG_MOS fault;</source>
        <translation>DSG_MOS fault;</translation>
    </message>
    <message>
        <source>NTC fault;</source>
        <translation>NTC fault;</translation>
    </message>
    <message>
        <source>AFE fault;</source>
        <translation>AFE fault;</translation>
    </message>
    <message>
        <source>HEAT fault;</source>
        <translation>HEAT fault;</translation>
    </message>
    <message>
        <source>Power Failure;</source>
        <translation>Power Failure;</translation>
    </message>
    <message>
        <source>CHG_MOS_ON;</source>
        <translation>CHG_MOS_ON;</translation>
    </message>
    <message>
        <source>DSG_MOS_ON;</source>
        <translation>DSG_MOS_ON;</translation>
    </message>
    <message>
        <source>CHGING;</source>
        <translation>CHGING;</translation>
    </message>
    <message>
        <source>DSGING;</source>
        <translation>DSGING;</translation>
    </message>
    <message>
        <source>LOAD;</source>
        <translation>LOAD;</translation>
    </message>
    <message>
        <source>LIMIT;</source>
        <translation>LIMIT;</translation>
    </message>
    <message>
        <source>HEATING;</source>
        <translation>HEATING;</translation>
    </message>
    <message>
        <source>CHARGER;</source>
        <translation>CHARGER;</translation>
    </message>
    <message>
        <source>The BMS at the other end may have changed: the deletion was not sent.</source>
        <translation>The BMS at the other end may have changed: the deletion was not sent.</translation>
    </message>
</context>
</TS>
