<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_CN">
<context>
    <name>UserWindow</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Set information</source>
        <translation>Set information</translation>
    </message>
    <message>
        <source>Inverter parameters</source>
        <translation>Inverter parameters</translation>
    </message>
    <message>
        <source>CAN BUS</source>
        <translation>CAN BUS</translation>
    </message>
    <message>
        <source>0.Pylon V2.06</source>
        <translation>0.Pylon V2.06</translation>
    </message>
    <message>
        <source>1.Deye</source>
        <translation>1.Deye</translation>
    </message>
    <message>
        <source>2.Growatt</source>
        <translation>2.Growatt</translation>
    </message>
    <message>
        <source>3.Luxpower</source>
        <translation>3.Luxpower</translation>
    </message>
    <message>
        <source>4.Goodwe</source>
        <translation>4.Goodwe</translation>
    </message>
    <message>
        <source>5.SMA</source>
        <translation>5.SMA</translation>
    </message>
    <message>
        <source>6.Victron</source>
        <translation>6.Victron</translation>
    </message>
    <message>
        <source>7.SOROUPS</source>
        <translation>7.SOROUPS</translation>
    </message>
    <message>
        <source>8.GINLONG/Solis</source>
        <translation>8.GINLONG/Solis</translation>
    </message>
    <message>
        <source>9.MEGAREVO</source>
        <translation>9.MEGAREVO</translation>
    </message>
    <message>
        <source>10.INVT</source>
        <translation>10.INVT</translation>
    </message>
    <message>
        <source>11.OuLu</source>
        <translation>11.OuLu</translation>
    </message>
    <message>
        <source>12.MUST</source>
        <translation>12.MUST</translation>
    </message>
    <message>
        <source>13.TBB</source>
        <translation>13.TBB</translation>
    </message>
    <message>
        <source>14.SoFar</source>
        <translation>14.SoFar</translation>
    </message>
    <message>
        <source>15.Schneider</source>
        <translation>15.Schneider</translation>
    </message>
    <message>
        <source>16.SOLAX</source>
        <translation>16.SOLAX</translation>
    </message>
    <message>
        <source>17.Custom</source>
        <translation>17.Custom</translation>
    </message>
    <message>
        <source>18.Custom</source>
        <translation>18.Custom</translation>
    </message>
    <message>
        <source>19.Custom</source>
        <translation>19.Custom</translation>
    </message>
    <message>
        <source>20.Custom</source>
        <translation>20.Custom</translation>
    </message>
    <message>
        <source>21.Custom</source>
        <translation>21.Custom</translation>
    </message>
    <message>
        <source>22.Custom</source>
        <translation>22.Custom</translation>
    </message>
    <message>
        <source>23.Custom</source>
        <translation>23.Custom</translation>
    </message>
    <message>
        <source>24.reserve</source>
        <translation>24.reserve</translation>
    </message>
    <message>
        <source>25.reserve</source>
        <translation>25.reserve</translation>
    </message>
    <message>
        <source>26.reserve</source>
        <translation>26.reserve</translation>
    </message>
    <message>
        <source>27.reserve</source>
        <translation>27.reserve</translation>
    </message>
    <message>
        <source>28.reserve</source>
        <translation>28.reserve</translation>
    </message>
    <message>
        <source>29.reserve</source>
        <translation>29.reserve</translation>
    </message>
    <message>
        <source>30.reserve</source>
        <translation>30.reserve</translation>
    </message>
    <message>
        <source>31.reserve</source>
        <translation>31.reserve</translation>
    </message>
    <message>
        <source>RS485</source>
        <translation>RS485</translation>
    </message>
    <message>
        <source>0.Pylon V3.5</source>
        <translation>0.Pylon V3.5</translation>
    </message>
    <message>
        <source>4.Voltronic</source>
        <translation>4.Voltronic</translation>
    </message>
    <message>
        <source>5.Modbus</source>
        <translation>5.Modbus</translation>
    </message>
    <message>
        <source>6.SOLAX</source>
        <translation>6.SOLAX</translation>
    </message>
    <message>
        <source>7.BlueSun</source>
        <translation>7.BlueSun</translation>
    </message>
    <message>
        <source>8.Lux_modbus</source>
        <translation>8.Lux_modbus</translation>
    </message>
    <message>
        <source>9.SMK</source>
        <translation>9.SMK</translation>
    </message>
    <message>
        <source>10.Custom</source>
        <translation>10.Custom</translation>
    </message>
    <message>
        <source>11.Custom</source>
        <translation>11.Custom</translation>
    </message>
    <message>
        <source>12.Custom</source>
        <translation>12.Custom</translation>
    </message>
    <message>
        <source>13.Custom</source>
        <translation>13.Custom</translation>
    </message>
    <message>
        <source>14.Custom</source>
        <translation>14.Custom</translation>
    </message>
    <message>
        <source>15.Custom</source>
        <translation>15.Custom</translation>
    </message>
    <message>
        <source>16.Custom</source>
        <translation>16.Custom</translation>
    </message>
    <message>
        <source>Max charging voltage(V)</source>
        <translation>Max charging voltage(V)</translation>
    </message>
    <message>
        <source>54</source>
        <translation>54</translation>
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
        <source>Max charging current(A)</source>
        <translation>Max charging current(A)</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
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
        <source>Max discharge current(A)</source>
        <translation>Max discharge current(A)</translation>
    </message>
    <message>
        <source>-50</source>
        <translation>-50</translation>
    </message>
    <message>
        <source>-100</source>
        <translation>-100</translation>
    </message>
    <message>
        <source>-150</source>
        <translation>-150</translation>
    </message>
    <message>
        <source>-200</source>
        <translation>-200</translation>
    </message>
    <message>
        <source>Discharge Cut-off Voltage(V)</source>
        <translation>Discharge Cut-off Voltage(V)</translation>
    </message>
    <message>
        <source>40</source>
        <translation>40</translation>
    </message>
    <message>
        <source>41</source>
        <translation>41</translation>
    </message>
    <message>
        <source>42</source>
        <translation>42</translation>
    </message>
    <message>
        <source>43</source>
        <translation>43</translation>
    </message>
    <message>
        <source>44</source>
        <translation>44</translation>
    </message>
    <message>
        <source>45</source>
        <translation>45</translation>
    </message>
    <message>
        <source>46</source>
        <translation>46</translation>
    </message>
    <message>
        <source>47</source>
        <translation>47</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>Forced Charge Request 1 SOC (%)</source>
        <translation>Forced Charge Request 1 SOC (%)</translation>
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
        <source>Forced Charge Release 1 SOC (%)</source>
        <translation>Forced Charge Release 1 SOC (%)</translation>
    </message>
    <message>
        <source>Forced Charge Request 2 SOC (%)</source>
        <translation>Forced Charge Request 2 SOC (%)</translation>
    </message>
    <message>
        <source>Forced Charge Release 2 SOC (%)</source>
        <translation>Forced Charge Release 2 SOC (%)</translation>
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
        <source>Com parameters</source>
        <translation>Com parameters</translation>
    </message>
    <message>
        <source>BMS adrss</source>
        <translation>BMS adrss</translation>
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
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <source>CAN BAUD</source>
        <translation>CAN BAUD</translation>
    </message>
    <message>
        <source>125</source>
        <translation>125</translation>
    </message>
    <message>
        <source>250</source>
        <translation>250</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>1000</source>
        <translation>1000</translation>
    </message>
    <message>
        <source>UART1 BAUD</source>
        <translation>UART1 BAUD</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <source>57600</source>
        <translation>57600</translation>
    </message>
    <message>
        <source>115200</source>
        <translation>115200</translation>
    </message>
    <message>
        <source>UART2 BAUD</source>
        <translation>UART2 BAUD</translation>
    </message>
    <message>
        <source>UART3 BAUD</source>
        <translation>UART3 BAUD</translation>
    </message>
    <message>
        <source>UART4 BAUD</source>
        <translation>UART4 BAUD</translation>
    </message>
    <message>
        <source>UART5 BAUD</source>
        <translation>UART5 BAUD</translation>
    </message>
    <message>
        <source>System commands</source>
        <translation>System commands</translation>
    </message>
    <message>
        <source>BMS Reset</source>
        <translation>BMS Reset</translation>
    </message>
    <message>
        <source>Reset BMS</source>
        <translation>Reset BMS</translation>
    </message>
    <message>
        <source>BMS RTC time:</source>
        <translation>BMS RTC time:</translation>
    </message>
    <message>
        <source>Update the BMS RTC time</source>
        <translation>Update the BMS RTC time</translation>
    </message>
    <message>
        <source>Production information</source>
        <translation>Production information</translation>
    </message>
    <message>
        <source>BMS  SN:</source>
        <translation>BMS  SN:</translation>
    </message>
    <message>
        <source>PACK SN:</source>
        <translation>PACK SN:</translation>
    </message>
    <message>
        <source>Manufacture Date:</source>
        <translation>Manufacture Date:</translation>
    </message>
    <message>
        <source>Manufacture Name:</source>
        <translation>Manufacture Name:</translation>
    </message>
    <message>
        <source>Order Number:</source>
        <translation>Order Number:</translation>
    </message>
    <message>
        <source>Battery Name:</source>
        <translation>Battery Name:</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Version information</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Hardware version:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>Protocol version:</source>
        <translation>Protocol version:</translation>
    </message>
    <message>
        <source>User </source>
        <translation>User </translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Вьетнам</source>
        <translation>Вьетнам</translation>
    </message>
    <message>
        <source>Pass word</source>
        <translation>Pass word</translation>
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
        <source>WIFI/MQTT parmaeters</source>
        <translation>WIFI/MQTT parmaeters</translation>
    </message>
    <message>
        <source>Server Address:</source>
        <translation>Server Address:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Client ID:</source>
        <translation>Client ID:</translation>
    </message>
    <message>
        <source>Suggest using PACK SN as the Client ID</source>
        <translation>Suggest using PACK SN as the Client ID</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Username:</translation>
    </message>
    <message>
        <source>MQTT Password:</source>
        <translation>MQTT Password:</translation>
    </message>
    <message>
        <source>WIFI SSID:</source>
        <translation>WIFI SSID:</translation>
    </message>
    <message>
        <source>WIFI Password:</source>
        <translation>WIFI Password:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Calibration information</source>
        <translation>Calibration information</translation>
    </message>
    <message>
        <source>Calibration parameters</source>
        <translation>Calibration parameters</translation>
    </message>
    <message>
        <source>Zero current(A)</source>
        <translation>Zero current(A)</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>DisCharging current(A)</source>
        <translation>DisCharging current(A)</translation>
    </message>
    <message>
        <source>Charging current(A)</source>
        <translation>Charging current(A)</translation>
    </message>
    <message>
        <source>Cells reference volt(mV)</source>
        <translation>Cells reference volt(mV)</translation>
    </message>
    <message>
        <source>Pack reference volt(V)</source>
        <translation>Pack reference volt(V)</translation>
    </message>
    <message>
        <source>One click calibration</source>
        <translation>One click calibration</translation>
    </message>
    <message>
        <source>Line loss compensation</source>
        <translation>Line loss compensation</translation>
    </message>
    <message>
        <source>Cells_01 (uΩ)</source>
        <translation>Cells_01 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_02 (uΩ)</source>
        <translation>Cells_02 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_03 (uΩ)</source>
        <translation>Cells_03 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_04 (uΩ)</source>
        <translation>Cells_04 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_05 (uΩ)</source>
        <translation>Cells_05 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_06 (uΩ)</source>
        <translation>Cells_06 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_07 (uΩ)</source>
        <translation>Cells_07 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_08 (uΩ)</source>
        <translation>Cells_08 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_09 (uΩ)</source>
        <translation>Cells_09 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_10 (uΩ)</source>
        <translation>Cells_10 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_11 (uΩ)</source>
        <translation>Cells_11 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_12 (uΩ)</source>
        <translation>Cells_12 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_13 (uΩ)</source>
        <translation>Cells_13 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_14 (uΩ)</source>
        <translation>Cells_14 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_15 (uΩ)</source>
        <translation>Cells_15 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_16 (uΩ)</source>
        <translation>Cells_16 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_17 (uΩ)</source>
        <translation>Cells_17 (uΩ)</translation>
    </message>
    <message>
        <source>Cells_18 (uΩ)</source>
        <translation>Cells_18 (uΩ)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Limit 20 words</source>
        <translation>Limit 20 words</translation>
    </message>
    <message>
        <source>Limit 10 words</source>
        <translation>Limit 10 words</translation>
    </message>
    <message>
        <source>Limit 8 words</source>
        <translation>Limit 8 words</translation>
    </message>
    <message>
        <source>Limit 50 words</source>
        <translation>Limit 50 words</translation>
    </message>
    <message>
        <source>Limit 40 words,default to BMS SN</source>
        <translation>Limit 40 words,default to BMS SN</translation>
    </message>
    <message>
        <source>Limit 64 words</source>
        <translation>Limit 64 words</translation>
    </message>
    <message>
        <source>Limit 40 words</source>
        <translation>Limit 40 words</translation>
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
        <source>info</source>
        <translation>info</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Warning!</translation>
    </message>
</context>
</TS>
