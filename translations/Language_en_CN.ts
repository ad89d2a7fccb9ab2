<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>HomeWindow</name>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Voltage (V)</translation>
    </message>
    <message>
        <source>Current (A)</source>
        <translation>Current (A)</translation>
    </message>
    <message>
        <source>SOC (%)</source>
        <translation>SOC (%)</translation>
    </message>
    <message>
        <source>SOH (%)</source>
        <translation>SOH (%)</translation>
    </message>
    <message>
        <source>Remaining (Ah)</source>
        <translation>Remaining (Ah)</translation>
    </message>
    <message>
        <source>Full charge (Ah)</source>
        <translation>Full charge (Ah)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Max cell (mV)</source>
        <translation>Max cell (mV)</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>Min cell (mV)</source>
        <translation>Min cell (mV)</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>Temperatures (℃)</source>
        <translation>Temperatures (℃)</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation>Ambient</translation>
    </message>
    <message>
        <source>MOSFET</source>
        <translation>MOSFET</translation>
    </message>
    <message>
        <source>T1</source>
        <translation>T1</translation>
    </message>
    <message>
        <source>T2</source>
        <translation>T2</translation>
    </message>
    <message>
        <source>T3</source>
        <translation>T3</translation>
    </message>
    <message>
        <source>T4</source>
        <translation>T4</translation>
    </message>
    <message>
        <source>T5</source>
        <translation>T5</translation>
    </message>
    <message>
        <source>T6</source>
        <translation>T6</translation>
    </message>
    <message>
        <source>Function switches</source>
        <translation>Function switches</translation>
    </message>
    <message>
        <source>Heater</source>
        <translation>Heater</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Current limit</source>
        <translation>Current limit</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>LED alarm</source>
        <translation>LED alarm</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Trip</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation>WiFi</translation>
    </message>
    <message>
        <source>Cell voltages (mV)</source>
        <translation>Cell voltages (mV)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>Protection</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>System state</source>
        <translation>System state</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>No serial port found</translation>
    </message>
    <message>
        <source>No serial port selected</source>
        <translation>No serial port selected</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>BMS disconnect !</source>
        <translation>BMS disconnect !</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>Port closed</translation>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation>%1 opened at %2 baud</translation>
    </message>
    <message>
        <source>Try connect</source>
        <translation>Try connect</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>BMS found at %1 baud</source>
        <translation>BMS found at %1 baud</translation>
    </message>
    <message>
        <source>No BMS answered on %1</source>
        <translation>No BMS answered on %1</translation>
    </message>
    <message>
        <source>Trying %1 baud</source>
        <translation>Trying %1 baud</translation>
    </message>
    <message>
        <source>Communication timeout !</source>
        <translation>Communication timeout !</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation>%1 dBm</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Parameter writing failed !</source>
        <translation>Parameter writing failed !</translation>
    </message>
    <message>
        <source>No reply to command 0x%1</source>
        <translation>No reply to command 0x%1</translation>
    </message>
    <message>
        <source>Calibration not sent: its value was refused</source>
        <translation>Calibration not sent: its value was refused</translation>
    </message>
    <message>
        <source>No reply to the write</source>
        <translation>No reply to the write</translation>
    </message>
    <message>
        <source>Unreadable bytes from the BMS ignored</source>
        <translation>Unreadable bytes from the BMS ignored</translation>
    </message>
    <message>
        <source>Bad CRC in the reply to command 0x%1</source>
        <translation>Bad CRC in the reply to command 0x%1</translation>
    </message>
    <message>
        <source>Incomplete reply to command 0x%1</source>
        <translation>Incomplete reply to command 0x%1</translation>
    </message>
    <message>
        <source>BMS is connected !</source>
        <translation>BMS is connected !</translation>
    </message>
    <message>
        <source>Reply to command 0x%1 too short (%2 bytes), ignored</source>
        <translation>Reply to command 0x%1 too short (%2 bytes), ignored</translation>
    </message>
    <message>
        <source>Reply to unknown command 0x%1 ignored</source>
        <translation>Reply to unknown command 0x%1 ignored</translation>
    </message>
    <message>
        <source>Unexpected acknowledgement of command 0x%1 ignored</source>
        <translation>Unexpected acknowledgement of command 0x%1 ignored</translation>
    </message>
    <message>
        <source>Late reply to command 0x%1 ignored</source>
        <translation>Late reply to command 0x%1 ignored</translation>
    </message>
    <message>
        <source>The BMS refused the write of %1</source>
        <translation>The BMS refused the write of %1</translation>
    </message>
    <message>
        <source>Parameter written successfully !</source>
        <translation>Parameter written successfully !</translation>
    </message>
    <message>
        <source>Operation successful !</source>
        <translation>Operation successful !</translation>
    </message>
    <message>
        <source>Operation failed !</source>
        <translation>Operation failed !</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Please open the serial port first</translation>
    </message>
    <message>
        <source>Cell overvoltage</source>
        <translation>Cell overvoltage</translation>
    </message>
    <message>
        <source>Cell undervoltage</source>
        <translation>Cell undervoltage</translation>
    </message>
    <message>
        <source>Over voltage</source>
        <translation>Over voltage</translation>
    </message>
    <message>
        <source>Under voltage</source>
        <translation>Under voltage</translation>
    </message>
    <message>
        <source>Discharge overcurrent</source>
        <translation>Discharge overcurrent</translation>
    </message>
    <message>
        <source>Charge overcurrent</source>
        <translation>Charge overcurrent</translation>
    </message>
    <message>
        <source>Charging high temperature</source>
        <translation>Charging high temperature</translation>
    </message>
    <message>
        <source>Charging low temperature</source>
        <translation>Charging low temperature</translation>
    </message>
    <message>
        <source>Environmental high temperature</source>
        <translation>Environmental high temperature</translation>
    </message>
    <message>
        <source>MOS high temperature alarm</source>
        <translation>MOS high temperature alarm</translation>
    </message>
    <message>
        <source>Differential pressure</source>
        <translation>Differential pressure</translation>
    </message>
    <message>
        <source>High battery</source>
        <translation>High battery</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Low battery</translation>
    </message>
    <message>
        <source>Discharge overcurrent 2</source>
        <translation>Discharge overcurrent 2</translation>
    </message>
    <message>
        <source>Discharge overcurrent 3</source>
        <translation>Discharge overcurrent 3</translation>
    </message>
    <message>
        <source>Short circuit</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>MOS high temperature</source>
        <translation>MOS high temperature</translation>
    </message>
    <message>
        <source>Cell overvoltage 2</source>
        <translation>Cell overvoltage 2</translation>
    </message>
    <message>
        <source>CHG_MOS fault</source>
        <translation>CHG_MOS fault</translation>
    </message>
    <message>
        <source>DSG_MOS fault</source>
        <translation>DSG_MOS fault</translation>
    </message>
    <message>
        <source>NTC fault</source>
        <translation>NTC fault</translation>
    </message>
    <message>
        <source>AFE fault</source>
        <translation>AFE fault</translation>
    </message>
    <message>
        <source>HEAT fault</source>
        <translation>HEAT fault</translation>
    </message>
    <message>
        <source>Power Failure</source>
        <translation>Power Failure</translation>
    </message>
    <message>
        <source>CHG_MOS_ON</source>
        <translation>CHG_MOS_ON</translation>
    </message>
    <message>
        <source>DSG_MOS_ON</source>
        <translation>DSG_MOS_ON</translation>
    </message>
    <message>
        <source>CHGING</source>
        <translation>CHGING</translation>
    </message>
    <message>
        <source>DSGING</source>
        <translation>DSGING</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>LOAD</translation>
    </message>
    <message>
        <source>LIMIT</source>
        <translation>LIMIT</translation>
    </message>
    <message>
        <source>HEATING</source>
        <translation>HEATING</translation>
    </message>
    <message>
        <source>CHARGER</source>
        <translation>CHARGER</translation>
    </message>
    <message>
        <source>BMS address %1: nothing of the previous pack is kept</source>
        <translation>BMS address %1: nothing of the previous pack is kept</translation>
    </message>
    <message>
        <source>No reply from the BMS: what was read before must be read again</source>
        <translation>No reply from the BMS: what was read before must be read again</translation>
    </message>
    <message>
        <source>Another BMS answers (serial %1): nothing of the previous pack is kept</source>
        <translation>Another BMS answers (serial %1): nothing of the previous pack is kept</translation>
    </message>
    <message>
        <source>The BMS at the other end may have changed:</source>
        <translation>The BMS at the other end may have changed:</translation>
    </message>
    <message>
        <source>The write went out but was not acknowledged: the BMS may have carried it out.</source>
        <translation>The write went out but was not acknowledged: the BMS may have carried it out.</translation>
    </message>
    <message>
        <source>The write was not sent.</source>
        <translation>The write was not sent.</translation>
    </message>
    <message>
        <source>The operation went out but was not answered: the BMS may have carried it out.</source>
        <translation>The operation went out but was not answered: the BMS may have carried it out.</translation>
    </message>
    <message>
        <source>The operation was not sent.</source>
        <translation>The operation was not sent.</translation>
    </message>
    <message>
        <source>The parameters asked for were not read.</source>
        <translation>The parameters asked for were not read.</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Reply from address %1 to command 0x%2 ignored</source>
        <translation>Reply from address %1 to command 0x%2 ignored</translation>
    </message>
    <message>
        <source>Discharging high temperature</source>
        <translation>Discharging high temperature</translation>
    </message>
    <message>
        <source>Discharging low temperature</source>
        <translation>Discharging low temperature</translation>
    </message>
    <message>
        <source>Environmental low temperature</source>
        <translation>Environmental low temperature</translation>
    </message>
    <message>
        <source>Charge overcurrent 2</source>
        <translation>Charge overcurrent 2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cellwick BMS service tool</source>
        <translation>Cellwick BMS service tool</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Protect</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>BMS SN:</source>
        <translation>BMS SN:</translation>
    </message>
    <message>
        <source>Pack SN:</source>
        <translation>Pack SN:</translation>
    </message>
    <message>
        <source>A firmware download is running. Stop it and leave the BMS in its boot loader?</source>
        <translation>A firmware download is running. Stop it and leave the BMS in its boot loader?</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
</context>
<context>
    <name>ProtectionWindow</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Primary protection</source>
        <translation>Primary protection</translation>
    </message>
    <message>
        <source>Over voltage 1</source>
        <translation>Over voltage 1</translation>
    </message>
    <message>
        <source>Cell OV alarm(mV)</source>
        <translation>Cell OV alarm(mV)</translation>
    </message>
    <message>
        <source>3550</source>
        <translation>3550</translation>
    </message>
    <message>
        <source>3600</source>
        <translation>3600</translation>
    </message>
    <message>
        <source>3650</source>
        <translation>3650</translation>
    </message>
    <message>
        <source>3700</source>
        <translation>3700</translation>
    </message>
    <message>
        <source>3750</source>
        <translation>3750</translation>
    </message>
    <message>
        <source>3800</source>
        <translation>3800</translation>
    </message>
    <message>
        <source>4150</source>
        <translation>4150</translation>
    </message>
    <message>
        <source>4200</source>
        <translation>4200</translation>
    </message>
    <message>
        <source>4250</source>
        <translation>4250</translation>
    </message>
    <message>
        <source>4300</source>
        <translation>4300</translation>
    </message>
    <message>
        <source>Cell OVP(mV)</source>
        <translation>Cell OVP(mV)</translation>
    </message>
    <message>
        <source>Delay (S)</source>
        <translation>Delay (S)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Release(mV)</source>
        <translation>Release(mV)</translation>
    </message>
    <message>
        <source>3350</source>
        <translation>3350</translation>
    </message>
    <message>
        <source>3400</source>
        <translation>3400</translation>
    </message>
    <message>
        <source>3450</source>
        <translation>3450</translation>
    </message>
    <message>
        <source>3500</source>
        <translation>3500</translation>
    </message>
    <message>
        <source>3900</source>
        <translation>3900</translation>
    </message>
    <message>
        <source>4000</source>
        <translation>4000</translation>
    </message>
    <message>
        <source>Pack OV alarm(V)</source>
        <translation>Pack OV alarm(V)</translation>
    </message>
    <message>
        <source>54.00</source>
        <translation>54.00</translation>
    </message>
    <message>
        <source>56.00</source>
        <translation>56.00</translation>
    </message>
    <message>
        <source>57.60</source>
        <translation>57.60</translation>
    </message>
    <message>
        <source>Pack OVP(V)</source>
        <translation>Pack OVP(V)</translation>
    </message>
    <message>
        <source>55.00</source>
        <translation>55.00</translation>
    </message>
    <message>
        <source>Release(V)</source>
        <translation>Release(V)</translation>
    </message>
    <message>
        <source>50.00</source>
        <translation>50.00</translation>
    </message>
    <message>
        <source>51.00</source>
        <translation>51.00</translation>
    </message>
    <message>
        <source>52.00</source>
        <translation>52.00</translation>
    </message>
    <message>
        <source>53.00</source>
        <translation>53.00</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Read all</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>Write all</translation>
    </message>
    <message>
        <source>Set default parameters</source>
        <translation>Set default parameters</translation>
    </message>
    <message>
        <source>Over current charge 1</source>
        <translation>Over current charge 1</translation>
    </message>
    <message>
        <source>OCC alarm(A)</source>
        <translation>OCC alarm(A)</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>60</source>
        <translation>60</translation>
    </message>
    <message>
        <source>70</source>
        <translation>70</translation>
    </message>
    <message>
        <source>80</source>
        <translation>80</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>105</source>
        <translation>105</translation>
    </message>
    <message>
        <source>110</source>
        <translation>110</translation>
    </message>
    <message>
        <source>115</source>
        <translation>115</translation>
    </message>
    <message>
        <source>120</source>
        <translation>120</translation>
    </message>
    <message>
        <source>125</source>
        <translation>125</translation>
    </message>
    <message>
        <source>130</source>
        <translation>130</translation>
    </message>
    <message>
        <source>135</source>
        <translation>135</translation>
    </message>
    <message>
        <source>140</source>
        <translation>140</translation>
    </message>
    <message>
        <source>145</source>
        <translation>145</translation>
    </message>
    <message>
        <source>155</source>
        <translation>155</translation>
    </message>
    <message>
        <source>160</source>
        <translation>160</translation>
    </message>
    <message>
        <source>165</source>
        <translation>165</translation>
    </message>
    <message>
        <source>170</source>
        <translation>170</translation>
    </message>
    <message>
        <source>175</source>
        <translation>175</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>185</source>
        <translation>185</translation>
    </message>
    <message>
        <source>190</source>
        <translation>190</translation>
    </message>
    <message>
        <source>195</source>
        <translation>195</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>205</source>
        <translation>205</translation>
    </message>
    <message>
        <source>210</source>
        <translation>210</translation>
    </message>
    <message>
        <source>215</source>
        <translation>215</translation>
    </message>
    <message>
        <source>220</source>
        <translation>220</translation>
    </message>
    <message>
        <source>230</source>
        <translation>230</translation>
    </message>
    <message>
        <source>240</source>
        <translation>240</translation>
    </message>
    <message>
        <source>250</source>
        <translation>250</translation>
    </message>
    <message>
        <source>260</source>
        <translation>260</translation>
    </message>
    <message>
        <source>270</source>
        <translation>270</translation>
    </message>
    <message>
        <source>280</source>
        <translation>280</translation>
    </message>
    <message>
        <source>290</source>
        <translation>290</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>310</source>
        <translation>310</translation>
    </message>
    <message>
        <source>320</source>
        <translation>320</translation>
    </message>
    <message>
        <source>330</source>
        <translation>330</translation>
    </message>
    <message>
        <source>OCC Protect(A)</source>
        <translation>OCC Protect(A)</translation>
    </message>
    <message>
        <source>OCC Delay (S)</source>
        <translation>OCC Delay (S)</translation>
    </message>
    <message>
        <source>OCC Release(A)</source>
        <translation>OCC Release(A)</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>-2</source>
        <translation>-2</translation>
    </message>
    <message>
        <source>-3</source>
        <translation>-3</translation>
    </message>
    <message>
        <source>-4</source>
        <translation>-4</translation>
    </message>
    <message>
        <source>-5</source>
        <translation>-5</translation>
    </message>
    <message>
        <source>OCC Latchlimit  </source>
        <translation>OCC Latchlimit  </translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>ReleaseTime(S)</source>
        <translation>ReleaseTime(S)</translation>
    </message>
    <message>
        <source>SOC cut-off</source>
        <translation>SOC cut-off</translation>
    </message>
    <message>
        <source>SOC alarm(%)</source>
        <translation>SOC alarm(%)</translation>
    </message>
    <message>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>SOC cut off(%)</source>
        <translation>SOC cut off(%)</translation>
    </message>
    <message>
        <source>Release(%)</source>
        <translation>Release(%)</translation>
    </message>
    <message>
        <source>Diff alarm(mV)</source>
        <translation>Diff alarm(mV)</translation>
    </message>
    <message>
        <source>Over current discharge 1</source>
        <translation>Over current discharge 1</translation>
    </message>
    <message>
        <source>OCD alarm(A)</source>
        <translation>OCD alarm(A)</translation>
    </message>
    <message>
        <source>OCD Protect(A)  </source>
        <translation>OCD Protect(A)  </translation>
    </message>
    <message>
        <source>OCD Delay (S)</source>
        <translation>OCD Delay (S)</translation>
    </message>
    <message>
        <source>OCD Release(A)</source>
        <translation>OCD Release(A)</translation>
    </message>
    <message>
        <source>OCD Latchlimit</source>
        <translation>OCD Latchlimit</translation>
    </message>
    <message>
        <source>Under voltage 1</source>
        <translation>Under voltage 1</translation>
    </message>
    <message>
        <source>Cell UV alarm(mV)</source>
        <translation>Cell UV alarm(mV)</translation>
    </message>
    <message>
        <source>2900</source>
        <translation>2900</translation>
    </message>
    <message>
        <source>2850</source>
        <translation>2850</translation>
    </message>
    <message>
        <source>2800</source>
        <translation>2800</translation>
    </message>
    <message>
        <source>2750</source>
        <translation>2750</translation>
    </message>
    <message>
        <source>2700</source>
        <translation>2700</translation>
    </message>
    <message>
        <source>2650</source>
        <translation>2650</translation>
    </message>
    <message>
        <source>2600</source>
        <translation>2600</translation>
    </message>
    <message>
        <source>2550</source>
        <translation>2550</translation>
    </message>
    <message>
        <source>2500</source>
        <translation>2500</translation>
    </message>
    <message>
        <source>2450</source>
        <translation>2450</translation>
    </message>
    <message>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <source>Cell UVP(mV)</source>
        <translation>Cell UVP(mV)</translation>
    </message>
    <message>
        <source>2350</source>
        <translation>2350</translation>
    </message>
    <message>
        <source>2300</source>
        <translation>2300</translation>
    </message>
    <message>
        <source>2250</source>
        <translation>2250</translation>
    </message>
    <message>
        <source>2200</source>
        <translation>2200</translation>
    </message>
    <message>
        <source>2950</source>
        <translation>2950</translation>
    </message>
    <message>
        <source>3000</source>
        <translation>3000</translation>
    </message>
    <message>
        <source>3050</source>
        <translation>3050</translation>
    </message>
    <message>
        <source>3100</source>
        <translation>3100</translation>
    </message>
    <message>
        <source>3150</source>
        <translation>3150</translation>
    </message>
    <message>
        <source>3200</source>
        <translation>3200</translation>
    </message>
    <message>
        <source>3250</source>
        <translation>3250</translation>
    </message>
    <message>
        <source>3300</source>
        <translation>3300</translation>
    </message>
    <message>
        <source>Pack UV alarm(V)</source>
        <translation>Pack UV alarm(V)</translation>
    </message>
    <message>
        <source>39.00</source>
        <translation>39.00</translation>
    </message>
    <message>
        <source>40.00</source>
        <translation>40.00</translation>
    </message>
    <message>
        <source>41.00</source>
        <translation>41.00</translation>
    </message>
    <message>
        <source>42.00</source>
        <translation>42.00</translation>
    </message>
    <message>
        <source>43.00</source>
        <translation>43.00</translation>
    </message>
    <message>
        <source>44.00</source>
        <translation>44.00</translation>
    </message>
    <message>
        <source>45.00</source>
        <translation>45.00</translation>
    </message>
    <message>
        <source>Pack UVP(V)</source>
        <translation>Pack UVP(V)</translation>
    </message>
    <message>
        <source>46.00</source>
        <translation>46.00</translation>
    </message>
    <message>
        <source>47.00</source>
        <translation>47.00</translation>
    </message>
    <message>
        <source>48.00</source>
        <translation>48.00</translation>
    </message>
    <message>
        <source>49.00</source>
        <translation>49.00</translation>
    </message>
    <message>
        <source>MOSFET temperature</source>
        <translation>MOSFET temperature</translation>
    </message>
    <message>
        <source>FET alarm(℃)</source>
        <translation>FET alarm(℃)</translation>
    </message>
    <message>
        <source>65</source>
        <translation>65</translation>
    </message>
    <message>
        <source>66</source>
        <translation>66</translation>
    </message>
    <message>
        <source>67</source>
        <translation>67</translation>
    </message>
    <message>
        <source>68</source>
        <translation>68</translation>
    </message>
    <message>
        <source>69</source>
        <translation>69</translation>
    </message>
    <message>
        <source>71</source>
        <translation>71</translation>
    </message>
    <message>
        <source>72</source>
        <translation>72</translation>
    </message>
    <message>
        <source>73</source>
        <translation>73</translation>
    </message>
    <message>
        <source>74</source>
        <translation>74</translation>
    </message>
    <message>
        <source>75</source>
        <translation>75</translation>
    </message>
    <message>
        <source>76</source>
        <translation>76</translation>
    </message>
    <message>
        <source>77</source>
        <translation>77</translation>
    </message>
    <message>
        <source>78</source>
        <translation>78</translation>
    </message>
    <message>
        <source>79</source>
        <translation>79</translation>
    </message>
    <message>
        <source>81</source>
        <translation>81</translation>
    </message>
    <message>
        <source>82</source>
        <translation>82</translation>
    </message>
    <message>
        <source>83</source>
        <translation>83</translation>
    </message>
    <message>
        <source>84</source>
        <translation>84</translation>
    </message>
    <message>
        <source>85</source>
        <translation>85</translation>
    </message>
    <message>
        <source>86</source>
        <translation>86</translation>
    </message>
    <message>
        <source>87</source>
        <translation>87</translation>
    </message>
    <message>
        <source>88</source>
        <translation>88</translation>
    </message>
    <message>
        <source>89</source>
        <translation>89</translation>
    </message>
    <message>
        <source>91</source>
        <translation>91</translation>
    </message>
    <message>
        <source>92</source>
        <translation>92</translation>
    </message>
    <message>
        <source>93</source>
        <translation>93</translation>
    </message>
    <message>
        <source>94</source>
        <translation>94</translation>
    </message>
    <message>
        <source>95</source>
        <translation>95</translation>
    </message>
    <message>
        <source>96</source>
        <translation>96</translation>
    </message>
    <message>
        <source>97</source>
        <translation>97</translation>
    </message>
    <message>
        <source>98</source>
        <translation>98</translation>
    </message>
    <message>
        <source>99</source>
        <translation>99</translation>
    </message>
    <message>
        <source>101</source>
        <translation>101</translation>
    </message>
    <message>
        <source>102</source>
        <translation>102</translation>
    </message>
    <message>
        <source>103</source>
        <translation>103</translation>
    </message>
    <message>
        <source>104</source>
        <translation>104</translation>
    </message>
    <message>
        <source>FET OTF(℃)</source>
        <translation>FET OTF(℃)</translation>
    </message>
    <message>
        <source>55</source>
        <translation>55</translation>
    </message>
    <message>
        <source>56</source>
        <translation>56</translation>
    </message>
    <message>
        <source>57</source>
        <translation>57</translation>
    </message>
    <message>
        <source>58</source>
        <translation>58</translation>
    </message>
    <message>
        <source>59</source>
        <translation>59</translation>
    </message>
    <message>
        <source>61</source>
        <translation>61</translation>
    </message>
    <message>
        <source>62</source>
        <translation>62</translation>
    </message>
    <message>
        <source>63</source>
        <translation>63</translation>
    </message>
    <message>
        <source>64</source>
        <translation>64</translation>
    </message>
    <message>
        <source>Release(℃)</source>
        <translation>Release(℃)</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Ambient temperature</translation>
    </message>
    <message>
        <source>OTA alarm(℃)</source>
        <translation>OTA alarm(℃)</translation>
    </message>
    <message>
        <source>OTA_P(℃)</source>
        <translation>OTA_P(℃)</translation>
    </message>
    <message>
        <source>UTA alarm(℃)</source>
        <translation>UTA alarm(℃)</translation>
    </message>
    <message>
        <source>-10</source>
        <translation>-10</translation>
    </message>
    <message>
        <source>-15</source>
        <translation>-15</translation>
    </message>
    <message>
        <source>-20</source>
        <translation>-20</translation>
    </message>
    <message>
        <source>-25</source>
        <translation>-25</translation>
    </message>
    <message>
        <source>-30</source>
        <translation>-30</translation>
    </message>
    <message>
        <source>-35</source>
        <translation>-35</translation>
    </message>
    <message>
        <source>-40</source>
        <translation>-40</translation>
    </message>
    <message>
        <source>-45</source>
        <translation>-45</translation>
    </message>
    <message>
        <source>UTA_P(℃)</source>
        <translation>UTA_P(℃)</translation>
    </message>
    <message>
        <source>Cells under temperature</source>
        <translation>Cells under temperature</translation>
    </message>
    <message>
        <source>UTC alarm(℃)</source>
        <translation>UTC alarm(℃)</translation>
    </message>
    <message>
        <source>UTC_P(℃)</source>
        <translation>UTC_P(℃)</translation>
    </message>
    <message>
        <source>UTD alarm(℃)</source>
        <translation>UTD alarm(℃)</translation>
    </message>
    <message>
        <source>UTD_P(℃)</source>
        <translation>UTD_P(℃)</translation>
    </message>
    <message>
        <source>Cell over temperature</source>
        <translation>Cell over temperature</translation>
    </message>
    <message>
        <source>OTC alarm(℃)</source>
        <translation>OTC alarm(℃)</translation>
    </message>
    <message>
        <source>OTC_P(℃)</source>
        <translation>OTC_P(℃)</translation>
    </message>
    <message>
        <source>OTD alarm(℃)</source>
        <translation>OTD alarm(℃)</translation>
    </message>
    <message>
        <source>OTD_P(℃)</source>
        <translation>OTD_P(℃)</translation>
    </message>
    <message>
        <source>Secondary protection</source>
        <translation>Secondary protection</translation>
    </message>
    <message>
        <source>Over voltage 2</source>
        <translation>Over voltage 2</translation>
    </message>
    <message>
        <source>3850</source>
        <translation>3850</translation>
    </message>
    <message>
        <source>3950</source>
        <translation>3950</translation>
    </message>
    <message>
        <source>4050</source>
        <translation>4050</translation>
    </message>
    <message>
        <source>4100</source>
        <translation>4100</translation>
    </message>
    <message>
        <source>4350</source>
        <translation>4350</translation>
    </message>
    <message>
        <source>4400</source>
        <translation>4400</translation>
    </message>
    <message>
        <source>4450</source>
        <translation>4450</translation>
    </message>
    <message>
        <source>4500</source>
        <translation>4500</translation>
    </message>
    <message>
        <source>Delay (mS)</source>
        <translation>Delay (mS)</translation>
    </message>
    <message>
        <source>1S</source>
        <translation>1S</translation>
    </message>
    <message>
        <source>2S</source>
        <translation>2S</translation>
    </message>
    <message>
        <source>4S</source>
        <translation>4S</translation>
    </message>
    <message>
        <source>8S</source>
        <translation>8S</translation>
    </message>
    <message>
        <source>Over current charge 2</source>
        <translation>Over current charge 2</translation>
    </message>
    <message>
        <source>OCC2 alarm(A)</source>
        <translation>OCC2 alarm(A)</translation>
    </message>
    <message>
        <source>OCC2 Protect(A)</source>
        <translation>OCC2 Protect(A)</translation>
    </message>
    <message>
        <source>150</source>
        <translation>150</translation>
    </message>
    <message>
        <source>340</source>
        <translation>340</translation>
    </message>
    <message>
        <source>350</source>
        <translation>350</translation>
    </message>
    <message>
        <source>360</source>
        <translation>360</translation>
    </message>
    <message>
        <source>370</source>
        <translation>370</translation>
    </message>
    <message>
        <source>380</source>
        <translation>380</translation>
    </message>
    <message>
        <source>390</source>
        <translation>390</translation>
    </message>
    <message>
        <source>400</source>
        <translation>400</translation>
    </message>
    <message>
        <source>OCC2 Delay (mS)</source>
        <translation>OCC2 Delay (mS)</translation>
    </message>
    <message>
        <source>10mS</source>
        <translation>10mS</translation>
    </message>
    <message>
        <source>20mS</source>
        <translation>20mS</translation>
    </message>
    <message>
        <source>40mS</source>
        <translation>40mS</translation>
    </message>
    <message>
        <source>60mS</source>
        <translation>60mS</translation>
    </message>
    <message>
        <source>80mS</source>
        <translation>80mS</translation>
    </message>
    <message>
        <source>100mS</source>
        <translation>100mS</translation>
    </message>
    <message>
        <source>200mS</source>
        <translation>200mS</translation>
    </message>
    <message>
        <source>400mS</source>
        <translation>400mS</translation>
    </message>
    <message>
        <source>600mS</source>
        <translation>600mS</translation>
    </message>
    <message>
        <source>800mS</source>
        <translation>800mS</translation>
    </message>
    <message>
        <source>10S</source>
        <translation>10S</translation>
    </message>
    <message>
        <source>20S</source>
        <translation>20S</translation>
    </message>
    <message>
        <source>OCC2 Release(A)</source>
        <translation>OCC2 Release(A)</translation>
    </message>
    <message>
        <source>OCC2 Latchlimit</source>
        <translation>OCC2 Latchlimit</translation>
    </message>
    <message>
        <source>Short circuit</source>
        <translation>Short circuit</translation>
    </message>
    <message>
        <source>SCD Protect(A)</source>
        <translation>SCD Protect(A)</translation>
    </message>
    <message>
        <source>450</source>
        <translation>450</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>550</source>
        <translation>550</translation>
    </message>
    <message>
        <source>600</source>
        <translation>600</translation>
    </message>
    <message>
        <source>700</source>
        <translation>700</translation>
    </message>
    <message>
        <source>800</source>
        <translation>800</translation>
    </message>
    <message>
        <source>SCD Delay (uS)</source>
        <translation>SCD Delay (uS)</translation>
    </message>
    <message>
        <source>70uS</source>
        <translation>70uS</translation>
    </message>
    <message>
        <source>100uS</source>
        <translation>100uS</translation>
    </message>
    <message>
        <source>200uS</source>
        <translation>200uS</translation>
    </message>
    <message>
        <source>400uS</source>
        <translation>400uS</translation>
    </message>
    <message>
        <source>SCD Release(A)</source>
        <translation>SCD Release(A)</translation>
    </message>
    <message>
        <source>SCD Latchlimit </source>
        <translation>SCD Latchlimit </translation>
    </message>
    <message>
        <source>Overcurrent discharge 2</source>
        <translation>Overcurrent discharge 2</translation>
    </message>
    <message>
        <source>OCD2 alarm(A)</source>
        <translation>OCD2 alarm(A)</translation>
    </message>
    <message>
        <source>OCD2 Protect(A)</source>
        <translation>OCD2 Protect(A)</translation>
    </message>
    <message>
        <source>410</source>
        <translation>410</translation>
    </message>
    <message>
        <source>420</source>
        <translation>420</translation>
    </message>
    <message>
        <source>430</source>
        <translation>430</translation>
    </message>
    <message>
        <source>440</source>
        <translation>440</translation>
    </message>
    <message>
        <source>460</source>
        <translation>460</translation>
    </message>
    <message>
        <source>470</source>
        <translation>470</translation>
    </message>
    <message>
        <source>480</source>
        <translation>480</translation>
    </message>
    <message>
        <source>490</source>
        <translation>490</translation>
    </message>
    <message>
        <source>OCD2 Delay (mS)</source>
        <translation>OCD2 Delay (mS)</translation>
    </message>
    <message>
        <source>4mS</source>
        <translation>4mS</translation>
    </message>
    <message>
        <source>160mS</source>
        <translation>160mS</translation>
    </message>
    <message>
        <source>320mS</source>
        <translation>320mS</translation>
    </message>
    <message>
        <source>640mS</source>
        <translation>640mS</translation>
    </message>
    <message>
        <source>OCD2 Release(A)</source>
        <translation>OCD2 Release(A)</translation>
    </message>
    <message>
        <source>OCD2 Latchlimit </source>
        <translation>OCD2 Latchlimit </translation>
    </message>
    <message>
        <source>OCD3 alarm(A)</source>
        <translation>OCD3 alarm(A)</translation>
    </message>
    <message>
        <source>OCD3 Protect(A)</source>
        <translation>OCD3 Protect(A)</translation>
    </message>
    <message>
        <source>OCD3 Delay (mS)</source>
        <translation>OCD3 Delay (mS)</translation>
    </message>
    <message>
        <source>OCD3 Release(A)</source>
        <translation>OCD3 Release(A)</translation>
    </message>
    <message>
        <source>OCD3 Latchlimit </source>
        <translation>OCD3 Latchlimit </translation>
    </message>
    <message>
        <source>Under voltage 2</source>
        <translation>Under voltage 2</translation>
    </message>
    <message>
        <source>3040</source>
        <translation>3040</translation>
    </message>
    <message>
        <source>2940</source>
        <translation>2940</translation>
    </message>
    <message>
        <source>2840</source>
        <translation>2840</translation>
    </message>
    <message>
        <source>2740</source>
        <translation>2740</translation>
    </message>
    <message>
        <source>2640</source>
        <translation>2640</translation>
    </message>
    <message>
        <source>2540</source>
        <translation>2540</translation>
    </message>
    <message>
        <source>2440</source>
        <translation>2440</translation>
    </message>
    <message>
        <source>2340</source>
        <translation>2340</translation>
    </message>
    <message>
        <source>2240</source>
        <translation>2240</translation>
    </message>
    <message>
        <source>16S</source>
        <translation>16S</translation>
    </message>
    <message>
        <source>3140</source>
        <translation>3140</translation>
    </message>
    <message>
        <source>3240</source>
        <translation>3240</translation>
    </message>
    <message>
        <source>3340</source>
        <translation>3340</translation>
    </message>
    <message>
        <source>Chip selection</source>
        <translation>Chip selection</translation>
    </message>
    <message>
        <source>AFE model</source>
        <translation>AFE model</translation>
    </message>
    <message>
        <source>M</source>
        <translation>M</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Please open the serial port first</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>reading completed</source>
        <translation>reading completed</translation>
    </message>
    <message>
        <source>Are you sure you want to write ?</source>
        <translation>Are you sure you want to write ?</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source> Parameter error, please check the parameters !</source>
        <translation> Parameter error, please check the parameters !</translation>
    </message>
    <message>
        <source>Please read the parameters first</source>
        <translation>Please read the parameters first</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>file ( *.xml)</source>
        <translation>file ( *.xml)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Battery parameters</source>
        <translation>Battery parameters</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>21</source>
        <translation>21</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>23</source>
        <translation>23</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>27</source>
        <translation>27</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>29</source>
        <translation>29</translation>
    </message>
    <message>
        <source>30</source>
        <translation>30</translation>
    </message>
    <message>
        <source>31</source>
        <translation>31</translation>
    </message>
    <message>
        <source>32</source>
        <translation>32</translation>
    </message>
    <message>
        <source>Remaining Capacity(AH)</source>
        <translation>Remaining Capacity(AH)</translation>
    </message>
    <message>
        <source>Design Capacity(AH)</source>
        <translation>Design Capacity(AH)</translation>
    </message>
    <message>
        <source>40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>60</source>
        <translation>60</translation>
    </message>
    <message>
        <source>70</source>
        <translation>70</translation>
    </message>
    <message>
        <source>80</source>
        <translation>80</translation>
    </message>
    <message>
        <source>90</source>
        <translation>90</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>150</source>
        <translation>150</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>280</source>
        <translation>280</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>320</source>
        <translation>320</translation>
    </message>
    <message>
        <source>400</source>
        <translation>400</translation>
    </message>
    <message>
        <source>Cells Number</source>
        <translation>Cells Number</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Number of cycles</source>
        <translation>Number of cycles</translation>
    </message>
    <message>
        <source>Cells NTC Number</source>
        <translation>Cells NTC Number</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Full Capacity(AH)</source>
        <translation>Full Capacity(AH)</translation>
    </message>
    <message>
        <source>Lithium iron</source>
        <translation>Lithium iron</translation>
    </message>
    <message>
        <source>Lithium ternary</source>
        <translation>Lithium ternary</translation>
    </message>
    <message>
        <source>Nanobattery</source>
        <translation>Nanobattery</translation>
    </message>
    <message>
        <source>Lithium titanate</source>
        <translation>Lithium titanate</translation>
    </message>
    <message>
        <source>Battery Type</source>
        <translation>Battery Type</translation>
    </message>
    <message>
        <source>System switch enable</source>
        <translation>System switch enable</translation>
    </message>
    <message>
        <source>PWR enable </source>
        <translation>PWR enable </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>Buzzer enable</source>
        <translation>Buzzer enable</translation>
    </message>
    <message>
        <source>LED alarm EN</source>
        <translation>LED alarm EN</translation>
    </message>
    <message>
        <source>Trip enable</source>
        <translation>Trip enable</translation>
    </message>
    <message>
        <source>Sleep enable</source>
        <translation>Sleep enable</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>System information</translation>
    </message>
    <message>
        <source>Update Flag</source>
        <translation>Update Flag</translation>
    </message>
    <message>
        <source>Modifi date</source>
        <translation>Modifi date</translation>
    </message>
    <message>
        <source>Update counts</source>
        <translation>Update counts</translation>
    </message>
    <message>
        <source>WRSSI</source>
        <translation>WRSSI</translation>
    </message>
    <message>
        <source>Limit parametes</source>
        <translation>Limit parametes</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Passive</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>110</source>
        <translation>110</translation>
    </message>
    <message>
        <source>120</source>
        <translation>120</translation>
    </message>
    <message>
        <source>130</source>
        <translation>130</translation>
    </message>
    <message>
        <source>140</source>
        <translation>140</translation>
    </message>
    <message>
        <source>160</source>
        <translation>160</translation>
    </message>
    <message>
        <source>170</source>
        <translation>170</translation>
    </message>
    <message>
        <source>180</source>
        <translation>180</translation>
    </message>
    <message>
        <source>190</source>
        <translation>190</translation>
    </message>
    <message>
        <source>210</source>
        <translation>210</translation>
    </message>
    <message>
        <source>220</source>
        <translation>220</translation>
    </message>
    <message>
        <source>230</source>
        <translation>230</translation>
    </message>
    <message>
        <source>240</source>
        <translation>240</translation>
    </message>
    <message>
        <source>250</source>
        <translation>250</translation>
    </message>
    <message>
        <source>Limit enable</source>
        <translation>Limit enable</translation>
    </message>
    <message>
        <source>Limit current(A)</source>
        <translation>Limit current(A)</translation>
    </message>
    <message>
        <source>Limit model</source>
        <translation>Limit model</translation>
    </message>
    <message>
        <source>Heating parameters</source>
        <translation>Heating parameters</translation>
    </message>
    <message>
        <source>Enable switch</source>
        <translation>Enable switch</translation>
    </message>
    <message>
        <source>Open Threshold(℃) </source>
        <translation>Open Threshold(℃) </translation>
    </message>
    <message>
        <source>Close Threshold(℃)</source>
        <translation>Close Threshold(℃)</translation>
    </message>
    <message>
        <source>Power management parameters</source>
        <translation>Power management parameters</translation>
    </message>
    <message>
        <source>Cells Sleep volt(mV)</source>
        <translation>Cells Sleep volt(mV)</translation>
    </message>
    <message>
        <source>Current sensor(uΩ)</source>
        <translation>Current sensor(uΩ)</translation>
    </message>
    <message>
        <source>Self consumption(mA)</source>
        <translation>Self consumption(mA)</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>1500</source>
        <translation>1500</translation>
    </message>
    <message>
        <source>1600</source>
        <translation>1600</translation>
    </message>
    <message>
        <source>1700</source>
        <translation>1700</translation>
    </message>
    <message>
        <source>1800</source>
        <translation>1800</translation>
    </message>
    <message>
        <source>1900</source>
        <translation>1900</translation>
    </message>
    <message>
        <source>2000</source>
        <translation>2000</translation>
    </message>
    <message>
        <source>2100</source>
        <translation>2100</translation>
    </message>
    <message>
        <source>2200</source>
        <translation>2200</translation>
    </message>
    <message>
        <source>2300</source>
        <translation>2300</translation>
    </message>
    <message>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <source>2500</source>
        <translation>2500</translation>
    </message>
    <message>
        <source>Cells SHIP voltage(mV)</source>
        <translation>Cells SHIP voltage(mV)</translation>
    </message>
    <message>
        <source>Idle Sleep Delay(min)</source>
        <translation>Idle Sleep Delay(min)</translation>
    </message>
    <message>
        <source>Inspection time(min)</source>
        <translation>Inspection time(min)</translation>
    </message>
    <message>
        <source>2800</source>
        <translation>2800</translation>
    </message>
    <message>
        <source>2900</source>
        <translation>2900</translation>
    </message>
    <message>
        <source>3000</source>
        <translation>3000</translation>
    </message>
    <message>
        <source>3100</source>
        <translation>3100</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Read all</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>Write all</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Set default parameters</source>
        <translation>Set default parameters</translation>
    </message>
    <message>
        <source>Balanced settings</source>
        <translation>Balanced settings</translation>
    </message>
    <message>
        <source>Idle balance</source>
        <translation>Idle balance</translation>
    </message>
    <message>
        <source>Voltage diff(mV)</source>
        <translation>Voltage diff(mV)</translation>
    </message>
    <message>
        <source>3200</source>
        <translation>3200</translation>
    </message>
    <message>
        <source>3300</source>
        <translation>3300</translation>
    </message>
    <message>
        <source>3350</source>
        <translation>3350</translation>
    </message>
    <message>
        <source>3400</source>
        <translation>3400</translation>
    </message>
    <message>
        <source>3450</source>
        <translation>3450</translation>
    </message>
    <message>
        <source>3500</source>
        <translation>3500</translation>
    </message>
    <message>
        <source>3550</source>
        <translation>3550</translation>
    </message>
    <message>
        <source>3600</source>
        <translation>3600</translation>
    </message>
    <message>
        <source>3650</source>
        <translation>3650</translation>
    </message>
    <message>
        <source>3700</source>
        <translation>3700</translation>
    </message>
    <message>
        <source>3750</source>
        <translation>3750</translation>
    </message>
    <message>
        <source>3800</source>
        <translation>3800</translation>
    </message>
    <message>
        <source>3850</source>
        <translation>3850</translation>
    </message>
    <message>
        <source>3900</source>
        <translation>3900</translation>
    </message>
    <message>
        <source>3950</source>
        <translation>3950</translation>
    </message>
    <message>
        <source>4000</source>
        <translation>4000</translation>
    </message>
    <message>
        <source>4050</source>
        <translation>4050</translation>
    </message>
    <message>
        <source>4100</source>
        <translation>4100</translation>
    </message>
    <message>
        <source>4150</source>
        <translation>4150</translation>
    </message>
    <message>
        <source>Threshold volt(mV)</source>
        <translation>Threshold volt(mV)</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Please open the serial port first</translation>
    </message>
    <message>
        <source>reading completed</source>
        <translation>reading completed</translation>
    </message>
    <message>
        <source>Are you sure you want to write ?</source>
        <translation>Are you sure you want to write ?</translation>
    </message>
    <message>
        <source> Parameter error, please check the parameters !</source>
        <translation> Parameter error, please check the parameters !</translation>
    </message>
    <message>
        <source>Please read the parameters first</source>
        <translation>Please read the parameters first</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>system param</source>
        <translation>system param</translation>
    </message>
    <message>
        <source>file ( *.xml)</source>
        <translation>file ( *.xml)</translation>
    </message>
    <message>
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>The file %1 was not written: the parameter %2 holds a control character, which a parameter file cannot hold.</source>
        <translation>The file %1 was not written: the parameter %2 holds a control character, which a parameter file cannot hold.</translation>
    </message>
    <message>
        <source>Cannot open the file %1 for writing: %2.</source>
        <translation>Cannot open the file %1 for writing: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2.</source>
        <translation>Cannot write the file %1: %2.</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2.</source>
        <translation>Cannot open the file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid parameter file: %2 (line %3, column %4).</source>
        <translation>The file %1 is not a valid parameter file: %2 (line %3, column %4).</translation>
    </message>
    <message>
        <source>The file %1 holds no parameters.</source>
        <translation>The file %1 holds no parameters.</translation>
    </message>
    <message>
        <source>%1 entries of the file %2 were not applied: their Index is missing, not a number or not between 1 and %3.</source>
        <translation>%1 entries of the file %2 were not applied: their Index is missing, not a number or not between 1 and %3.</translation>
    </message>
    <message>
        <source>%1 values of the file %2 were not applied: their lists offer no such item in any of the program&apos;s languages (Index %3).</source>
        <translation>%1 values of the file %2 were not applied: their lists offer no such item in any of the program&apos;s languages (Index %3).</translation>
    </message>
</context>
</TS>
