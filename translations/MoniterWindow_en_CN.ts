<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_CN">
<context>
    <name>MoniterWindow</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Recorded data</source>
        <translation>Recorded data</translation>
    </message>
    <message>
        <source>Number of records</source>
        <translation>Number of records</translation>
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
        <translation>Export</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>BMS disconnect !</source>
        <translation>BMS disconnect !</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
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
        <source>RM(AH)</source>
        <translation>RM(AH)</translation>
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
        <source>Cellmax(mV)</source>
        <translation>Cellmax(mV)</translation>
    </message>
    <message>
        <source>Cellmin(mV)</source>
        <translation>Cellmin(mV)</translation>
    </message>
    <message>
        <source>Cellmaxindex</source>
        <translation>Cellmaxindex</translation>
    </message>
    <message>
        <source>Cellminindex</source>
        <translation>Cellminindex</translation>
    </message>
    <message>
        <source>CellTempmax(℃)</source>
        <translation>CellTempmax(℃)</translation>
    </message>
    <message>
        <source>CellTempmin(℃)</source>
        <translation>CellTempmin(℃)</translation>
    </message>
    <message>
        <source>Tempmaxindex</source>
        <translation>Tempmaxindex</translation>
    </message>
    <message>
        <source>Tempminindex</source>
        <translation>Tempminindex</translation>
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
        <source>Environmental high temperature;</source>
        <translation>Environmental high temperature;</translation>
    </message>
    <message>
        <source>MOS high temperature alarm;</source>
        <translation>MOS high temperature alarm;</translation>
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
        <source>MOS high temperature;</source>
        <translation>MOS high temperature;</translation>
    </message>
    <message>
        <source>Cell overvoltage 2;</source>
        <translation>Cell overvoltage 2;</translation>
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
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>(*.csv)</source>
        <translation>(*.csv)</translation>
    </message>
    <message>
        <source>The log file could not be written, the rows stay in the table:</source>
        <translation>The log file could not be written, the rows stay in the table:</translation>
    </message>
    <message>
        <source>The rows of the pack logged before could not be written to their log file. They stay in the table; the rows of the pack now connected are added once they are written or cleared:</source>
        <translation>The rows of the pack logged before could not be written to their log file. They stay in the table; the rows of the pack now connected are added once they are written or cleared:</translation>
    </message>
    <message>
        <source>The rows not yet in a log file could not be written:</source>
        <translation>The rows not yet in a log file could not be written:</translation>
    </message>
    <message>
        <source>Close the program all the same? These rows are then lost.</source>
        <translation>Close the program all the same? These rows are then lost.</translation>
    </message>
    <message>
        <source>The file could not be written:</source>
        <translation>The file could not be written:</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
</context>
</TS>
