<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="be">
<context>
    <name>HomeWindow</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current (A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOC (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOH (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining (Ah)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full charge (Ah)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max cell (mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min cell (mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatures (℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOSFET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell voltages (mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMS disconnect !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMS found at %1 baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No BMS answered on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying %1 baud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication timeout !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter writing failed !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reply to command 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration not sent: its value was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reply to the write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreadable bytes from the BMS ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad CRC in the reply to command 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incomplete reply to command 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMS is connected !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply to command 0x%1 too short (%2 bytes), ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply to unknown command 0x%1 ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected acknowledgement of command 0x%1 ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Late reply to command 0x%1 ignored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The BMS refused the write of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameter written successfully !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation successful !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation failed !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell overvoltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell undervoltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discharge overcurrent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charge overcurrent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charging high temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charging low temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environmental high temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOS high temperature alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differential pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discharge overcurrent 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discharge overcurrent 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short circuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOS high temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell overvoltage 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHG_MOS fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSG_MOS fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTC fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AFE fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEAT fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHG_MOS_ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSG_MOS_ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHGING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSGING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LIMIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HEATING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHARGER</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cellwick BMS service tool</source>
        <translation>Cellwick - Công cụ dịch vụ BMS</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Trang chủ</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Giám sát</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Bản ghi</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Bảo vệ</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Hệ thống</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Tài khoản</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Phiên bản phần mềm:</translation>
    </message>
    <message>
        <source>BMS SN:</source>
        <translation>Số sê-ri BMS:</translation>
    </message>
    <message>
        <source>Pack SN:</source>
        <translation>Số sê-ri pin:</translation>
    </message>
</context>
<context>
    <name>ProtectionWindow</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over voltage 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell OV alarm(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3550</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3650</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3700</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3750</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4150</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4250</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell OVP(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3350</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3450</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack OV alarm(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>54.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57.60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack OVP(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>55.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>51.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>52.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>53.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set default parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over current charge 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC alarm(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>70</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>105</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>110</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>115</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>125</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>130</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>135</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>140</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>145</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>155</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>160</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>165</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>170</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>175</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>185</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>190</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>195</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>205</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>210</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>215</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>220</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>230</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>240</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>250</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>260</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>270</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>280</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>290</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>310</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>330</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC Protect(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC Delay (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC Release(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC Latchlimit  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReleaseTime(S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOC cut-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOC alarm(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOC cut off(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release(%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diff alarm(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over current discharge 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD alarm(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD Protect(A)  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD Delay (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD Release(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD Latchlimit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under voltage 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell UV alarm(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2850</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2750</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2700</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2650</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2550</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2450</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell UVP(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2350</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2250</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2950</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3050</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3150</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3250</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack UV alarm(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>39.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>41.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>42.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>43.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>44.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pack UVP(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>46.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>47.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>49.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MOSFET temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FET alarm(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>65</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>66</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>67</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>68</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>69</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>71</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>72</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>73</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>74</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>75</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>76</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>77</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>78</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>79</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>81</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>82</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>83</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>84</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>85</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>86</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>87</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>88</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>89</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>91</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>92</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>93</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>94</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>95</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>96</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>97</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>98</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>101</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>102</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>103</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>104</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FET OTF(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>55</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>58</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>59</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>61</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>62</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>63</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTA alarm(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTA_P(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTA alarm(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-35</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-45</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTA_P(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells under temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC alarm(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC_P(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTD alarm(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTD_P(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell over temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTC alarm(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTC_P(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTD alarm(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTD_P(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over voltage 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3850</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3950</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4050</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4350</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4450</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay (mS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over current charge 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC2 alarm(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC2 Protect(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>340</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>350</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>370</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>380</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>390</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC2 Delay (mS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC2 Release(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCC2 Latchlimit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short circuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCD Protect(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>450</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>550</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCD Delay (uS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>70uS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100uS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200uS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400uS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCD Release(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCD Latchlimit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overcurrent discharge 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD2 alarm(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD2 Protect(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>410</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>420</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>430</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>440</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>460</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>470</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>480</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>490</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD2 Delay (mS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>160mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>640mS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD2 Release(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD2 Latchlimit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD3 alarm(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD3 Protect(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD3 Delay (mS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD3 Release(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OCD3 Latchlimit </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under voltage 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3040</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2940</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2840</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2740</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2640</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2540</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2440</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2340</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2240</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3140</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3240</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3340</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chip selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AFE model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to write ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Parameter error, please check the parameters !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please read the parameters first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file ( *.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries of the file %2 were not applied: their Index is missing, not a number or not between 1 and %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>29</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining Capacity(AH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design Capacity(AH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>70</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>150</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>280</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>320</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells NTC Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Capacity(AH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithium iron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithium ternary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nanobattery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithium titanate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System switch enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PWR enable </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buzzer enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED alarm EN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trip enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifi date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WRSSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit parametes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>110</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>130</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>140</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>160</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>170</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>190</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>210</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>220</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>230</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>240</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>250</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit current(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heating parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Threshold(℃) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Threshold(℃)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power management parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells Sleep volt(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current sensor(uΩ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Self consumption(mA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1700</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cells SHIP voltage(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle Sleep Delay(min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inspection time(min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set default parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage diff(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3350</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3450</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3550</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3650</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3700</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3750</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3850</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3900</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3950</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4050</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4150</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold volt(mV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to write ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Parameter error, please check the parameters !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please read the parameters first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system param</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file ( *.xml)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
