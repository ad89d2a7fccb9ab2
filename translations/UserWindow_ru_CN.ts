<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_CN">
<context>
    <name>UserWindow</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Set information</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Inverter parameters</source>
        <translation>Параметры инвертора</translation>
    </message>
    <message>
        <source>CAN BUS</source>
        <translation>Протокол CAN</translation>
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
        <translation>17.Свой</translation>
    </message>
    <message>
        <source>18.Custom</source>
        <translation>18.Свой</translation>
    </message>
    <message>
        <source>19.Custom</source>
        <translation>19.Свой</translation>
    </message>
    <message>
        <source>20.Custom</source>
        <translation>20.Свой</translation>
    </message>
    <message>
        <source>21.Custom</source>
        <translation>21.Свой</translation>
    </message>
    <message>
        <source>22.Custom</source>
        <translation>22.Свой</translation>
    </message>
    <message>
        <source>23.Custom</source>
        <translation>23.Свой</translation>
    </message>
    <message>
        <source>24.reserve</source>
        <translation>24.Резерв</translation>
    </message>
    <message>
        <source>25.reserve</source>
        <translation>25.Резерв</translation>
    </message>
    <message>
        <source>26.reserve</source>
        <translation>26.Резерв</translation>
    </message>
    <message>
        <source>27.reserve</source>
        <translation>27.Резерв</translation>
    </message>
    <message>
        <source>28.reserve</source>
        <translation>28.Резерв</translation>
    </message>
    <message>
        <source>29.reserve</source>
        <translation>29.Резерв</translation>
    </message>
    <message>
        <source>30.reserve</source>
        <translation>30.Резерв</translation>
    </message>
    <message>
        <source>31.reserve</source>
        <translation>31.Резерв</translation>
    </message>
    <message>
        <source>RS485</source>
        <translation>Протокол RS485</translation>
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
        <translation>10.Свой</translation>
    </message>
    <message>
        <source>11.Custom</source>
        <translation>11.Свой</translation>
    </message>
    <message>
        <source>12.Custom</source>
        <translation>12.Свой</translation>
    </message>
    <message>
        <source>13.Custom</source>
        <translation>13.Свой</translation>
    </message>
    <message>
        <source>14.Custom</source>
        <translation>14.Свой</translation>
    </message>
    <message>
        <source>15.Custom</source>
        <translation>15.Свой</translation>
    </message>
    <message>
        <source>16.Custom</source>
        <translation>16.Свой</translation>
    </message>
    <message>
        <source>Max charging voltage(V)</source>
        <translation>Макс. напряжение заряда (В)</translation>
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
        <translation>Макс. ток заряда (А)</translation>
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
        <translation>Макс. ток разряда (А)</translation>
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
        <translation>Напряжение отсечки разряда (В)</translation>
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
        <translation>Запрос прин. заряда 1, SOC (%)</translation>
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
        <translation>Отмена прин. заряда 1, SOC (%)</translation>
    </message>
    <message>
        <source>Forced Charge Request 2 SOC (%)</source>
        <translation>Запрос прин. заряда 2, SOC (%)</translation>
    </message>
    <message>
        <source>Forced Charge Release 2 SOC (%)</source>
        <translation>Отмена прин. заряда 2, SOC (%)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Com parameters</source>
        <translation>Параметры связи</translation>
    </message>
    <message>
        <source>BMS adrss</source>
        <translation>Адрес BMS</translation>
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
        <translation>Скорость CAN</translation>
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
        <translation>Скорость UART1</translation>
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
        <translation>Скорость UART2</translation>
    </message>
    <message>
        <source>UART3 BAUD</source>
        <translation>Скорость UART3</translation>
    </message>
    <message>
        <source>UART4 BAUD</source>
        <translation>Скорость UART4</translation>
    </message>
    <message>
        <source>UART5 BAUD</source>
        <translation>Скорость UART5</translation>
    </message>
    <message>
        <source>System commands</source>
        <translation>Системные команды</translation>
    </message>
    <message>
        <source>BMS Reset</source>
        <translation>Сброс BMS</translation>
    </message>
    <message>
        <source>Reset BMS</source>
        <translation>Сбросить BMS</translation>
    </message>
    <message>
        <source>BMS RTC time:</source>
        <translation>Часы BMS:</translation>
    </message>
    <message>
        <source>Update the BMS RTC time</source>
        <translation>Обновить часы BMS</translation>
    </message>
    <message>
        <source>Production information</source>
        <translation>Производственные данные</translation>
    </message>
    <message>
        <source>BMS  SN:</source>
        <translation>Серийный № BMS:</translation>
    </message>
    <message>
        <source>PACK SN:</source>
        <translation>Серийный № батареи:</translation>
    </message>
    <message>
        <source>Manufacture Date:</source>
        <translation>Дата выпуска:</translation>
    </message>
    <message>
        <source>Manufacture Name:</source>
        <translation>Производитель:</translation>
    </message>
    <message>
        <source>Order Number:</source>
        <translation>Номер заказа:</translation>
    </message>
    <message>
        <source>Battery Name:</source>
        <translation>Название батареи:</translation>
    </message>
    <message>
        <source>Version information</source>
        <translation>Версии</translation>
    </message>
    <message>
        <source>Hardware version:</source>
        <translation>Версия платы:</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Версия ПО:</translation>
    </message>
    <message>
        <source>Protocol version:</source>
        <translation>Версия протокола:</translation>
    </message>
    <message>
        <source>User </source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
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
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Прочитать всё</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>Записать всё</translation>
    </message>
    <message>
        <source>WIFI/MQTT parmaeters</source>
        <translation>Параметры WIFI/MQTT</translation>
    </message>
    <message>
        <source>Server Address:</source>
        <translation>Адрес сервера:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Client ID:</source>
        <translation>ID клиента:</translation>
    </message>
    <message>
        <source>Suggest using PACK SN as the Client ID</source>
        <translation>Совет: ID клиента = серийный № батареи</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Имя пользователя:</translation>
    </message>
    <message>
        <source>MQTT Password:</source>
        <translation>Пароль MQTT:</translation>
    </message>
    <message>
        <source>WIFI SSID:</source>
        <translation>Имя сети WIFI:</translation>
    </message>
    <message>
        <source>WIFI Password:</source>
        <translation>Пароль WIFI:</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Calibration information</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Calibration parameters</source>
        <translation>Параметры калибровки</translation>
    </message>
    <message>
        <source>Zero current(A)</source>
        <translation>Нулевой ток (А)</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровать</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>DisCharging current(A)</source>
        <translation>Ток разряда (А)</translation>
    </message>
    <message>
        <source>Charging current(A)</source>
        <translation>Ток заряда (А)</translation>
    </message>
    <message>
        <source>Cells reference volt(mV)</source>
        <translation>Опорное напр. ячеек (мВ)</translation>
    </message>
    <message>
        <source>Pack reference volt(V)</source>
        <translation>Опорное напр. батареи (В)</translation>
    </message>
    <message>
        <source>One click calibration</source>
        <translation>Калибровка одним нажатием</translation>
    </message>
    <message>
        <source>Line loss compensation</source>
        <translation>Компенсация потерь в линии</translation>
    </message>
    <message>
        <source>Cells_01 (uΩ)</source>
        <translation>Ячейка_01 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_02 (uΩ)</source>
        <translation>Ячейка_02 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_03 (uΩ)</source>
        <translation>Ячейка_03 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_04 (uΩ)</source>
        <translation>Ячейка_04 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_05 (uΩ)</source>
        <translation>Ячейка_05 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_06 (uΩ)</source>
        <translation>Ячейка_06 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_07 (uΩ)</source>
        <translation>Ячейка_07 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_08 (uΩ)</source>
        <translation>Ячейка_08 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_09 (uΩ)</source>
        <translation>Ячейка_09 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_10 (uΩ)</source>
        <translation>Ячейка_10 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_11 (uΩ)</source>
        <translation>Ячейка_11 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_12 (uΩ)</source>
        <translation>Ячейка_12 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_13 (uΩ)</source>
        <translation>Ячейка_13 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_14 (uΩ)</source>
        <translation>Ячейка_14 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_15 (uΩ)</source>
        <translation>Ячейка_15 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_16 (uΩ)</source>
        <translation>Ячейка_16 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_17 (uΩ)</source>
        <translation>Ячейка_17 (мкОм)</translation>
    </message>
    <message>
        <source>Cells_18 (uΩ)</source>
        <translation>Ячейка_18 (мкОм)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Limit 20 words</source>
        <translation>Не более 20 символов</translation>
    </message>
    <message>
        <source>Limit 10 words</source>
        <translation>Не более 10 символов</translation>
    </message>
    <message>
        <source>Limit 8 words</source>
        <translation>Не более 8 символов</translation>
    </message>
    <message>
        <source>Limit 50 words</source>
        <translation>Не более 50 символов</translation>
    </message>
    <message>
        <source>Limit 40 words,default to BMS SN</source>
        <translation>Не более 40 символов, по умолчанию серийный номер BMS</translation>
    </message>
    <message>
        <source>Limit 64 words</source>
        <translation>Не более 64 символов</translation>
    </message>
    <message>
        <source>Limit 40 words</source>
        <translation>Не более 40 символов</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Сначала откройте порт</translation>
    </message>
    <message>
        <source>reading completed</source>
        <translation>Чтение завершено</translation>
    </message>
    <message>
        <source>Are you sure you want to write ?</source>
        <translation>Записать параметры в BMS?</translation>
    </message>
    <message>
        <source> Parameter error, please check the parameters !</source>
        <translation>Ошибка в параметрах, проверьте их!</translation>
    </message>
    <message>
        <source>Please read the parameters first</source>
        <translation>Сначала прочитайте параметры</translation>
    </message>
    <message>
        <source>info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
</context>
</TS>
