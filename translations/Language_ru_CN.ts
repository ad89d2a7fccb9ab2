<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>HomeWindow</name>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Паралл.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Напряжение (В)</translation>
    </message>
    <message>
        <source>Current (A)</source>
        <translation>Ток (А)</translation>
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
        <translation>Остаток (А·ч)</translation>
    </message>
    <message>
        <source>Full charge (Ah)</source>
        <translation>Полн. заряд (А·ч)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Циклы</translation>
    </message>
    <message>
        <source>Max cell (mV)</source>
        <translation>Макс. ячейка (мВ)</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Ячейка</translation>
    </message>
    <message>
        <source>Min cell (mV)</source>
        <translation>Мин. ячейка (мВ)</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>Версия ПО</translation>
    </message>
    <message>
        <source>Temperatures (℃)</source>
        <translation>Температуры (℃)</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>MOSFET</source>
        <translation>MOSFET</translation>
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
        <translation>Функции</translation>
    </message>
    <message>
        <source>Heater</source>
        <translation>Подогрев</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <source>Current limit</source>
        <translation>Огр. тока</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>Зуммер</translation>
    </message>
    <message>
        <source>LED alarm</source>
        <translation>LED-сигнал</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>Расцеп.</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell voltages (mV)</source>
        <translation>Напряжения ячеек (мВ)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Сигнализация</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>Защита</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>System state</source>
        <translation>Сост. системы</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Порт не найден</translation>
    </message>
    <message>
        <source>No serial port selected</source>
        <translation>Порт не выбран</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Не удалось открыть %1: %2</translation>
    </message>
    <message>
        <source>BMS disconnect !</source>
        <translation>BMS отключена!</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>Порт закрыт</translation>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation>%1 открыт, %2 бод</translation>
    </message>
    <message>
        <source>Try connect</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>BMS found at %1 baud</source>
        <translation>BMS найдена на %1 бод</translation>
    </message>
    <message>
        <source>No BMS answered on %1</source>
        <translation>Нет ответа BMS на %1</translation>
    </message>
    <message>
        <source>Trying %1 baud</source>
        <translation>Пробуем %1 бод</translation>
    </message>
    <message>
        <source>Communication timeout !</source>
        <translation>Тайм-аут связи!</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>Parameter writing failed !</source>
        <translation>Ошибка записи параметров!</translation>
    </message>
    <message>
        <source>No reply to command 0x%1</source>
        <translation>Нет ответа на команду 0x%1</translation>
    </message>
    <message>
        <source>Calibration not sent: its value was refused</source>
        <translation>Калибровка не отправлена: значение отклонено</translation>
    </message>
    <message>
        <source>No reply to the write</source>
        <translation>Нет ответа на запись</translation>
    </message>
    <message>
        <source>Unreadable bytes from the BMS ignored</source>
        <translation>Нечитаемые байты от BMS пропущены</translation>
    </message>
    <message>
        <source>Bad CRC in the reply to command 0x%1</source>
        <translation>Неверная CRC в ответе на команду 0x%1</translation>
    </message>
    <message>
        <source>Incomplete reply to command 0x%1</source>
        <translation>Неполный ответ на команду 0x%1</translation>
    </message>
    <message>
        <source>BMS is connected !</source>
        <translation>BMS подключена!</translation>
    </message>
    <message>
        <source>Reply to command 0x%1 too short (%2 bytes), ignored</source>
        <translation>Ответ на команду 0x%1 слишком короткий (%2 байт), пропущен</translation>
    </message>
    <message>
        <source>Reply to unknown command 0x%1 ignored</source>
        <translation>Ответ на неизвестную команду 0x%1 пропущен</translation>
    </message>
    <message>
        <source>Unexpected acknowledgement of command 0x%1 ignored</source>
        <translation>Неожиданное подтверждение команды 0x%1 пропущено</translation>
    </message>
    <message>
        <source>Late reply to command 0x%1 ignored</source>
        <translation>Запоздалый ответ на команду 0x%1 пропущен</translation>
    </message>
    <message>
        <source>The BMS refused the write of %1</source>
        <translation>BMS отклонила запись %1</translation>
    </message>
    <message>
        <source>Parameter written successfully !</source>
        <translation>Параметры записаны!</translation>
    </message>
    <message>
        <source>Operation successful !</source>
        <translation>Операция выполнена!</translation>
    </message>
    <message>
        <source>Operation failed !</source>
        <translation>Операция не выполнена!</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Сначала откройте порт</translation>
    </message>
    <message>
        <source>Cell overvoltage</source>
        <translation>Перенапр. яч.</translation>
    </message>
    <message>
        <source>Cell undervoltage</source>
        <translation>Недонапр. яч.</translation>
    </message>
    <message>
        <source>Over voltage</source>
        <translation>Перенапр. бат.</translation>
    </message>
    <message>
        <source>Under voltage</source>
        <translation>Недонапр. бат.</translation>
    </message>
    <message>
        <source>Discharge overcurrent</source>
        <translation>Сверхток разр.</translation>
    </message>
    <message>
        <source>Charge overcurrent</source>
        <translation>Сверхток заряда</translation>
    </message>
    <message>
        <source>Charging high temperature</source>
        <translation>Выс. темп. заряда</translation>
    </message>
    <message>
        <source>Charging low temperature</source>
        <translation>Низ. темп. заряда</translation>
    </message>
    <message>
        <source>Environmental high temperature</source>
        <translation>Выс. темп. среды</translation>
    </message>
    <message>
        <source>MOS high temperature alarm</source>
        <translation>Выс. темп. MOS</translation>
    </message>
    <message>
        <source>Differential pressure</source>
        <translation>Разбаланс яч.</translation>
    </message>
    <message>
        <source>High battery</source>
        <translation>Высокий SOC</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>Низкий SOC</translation>
    </message>
    <message>
        <source>Discharge overcurrent 2</source>
        <translation>Сверхток разр. 2</translation>
    </message>
    <message>
        <source>Discharge overcurrent 3</source>
        <translation>Сверхток разр. 3</translation>
    </message>
    <message>
        <source>Short circuit</source>
        <translation>КЗ</translation>
    </message>
    <message>
        <source>MOS high temperature</source>
        <translation>Перегрев MOS</translation>
    </message>
    <message>
        <source>Cell overvoltage 2</source>
        <translation>Перенапр. яч. 2</translation>
    </message>
    <message>
        <source>CHG_MOS fault</source>
        <translation>Отказ CHG_MOS</translation>
    </message>
    <message>
        <source>DSG_MOS fault</source>
        <translation>Отказ DSG_MOS</translation>
    </message>
    <message>
        <source>NTC fault</source>
        <translation>Отказ NTC</translation>
    </message>
    <message>
        <source>AFE fault</source>
        <translation>Отказ AFE</translation>
    </message>
    <message>
        <source>HEAT fault</source>
        <translation>Отказ подогрева</translation>
    </message>
    <message>
        <source>Power Failure</source>
        <translation>Сбой питания</translation>
    </message>
    <message>
        <source>CHG_MOS_ON</source>
        <translation>CHG_MOS вкл.</translation>
    </message>
    <message>
        <source>DSG_MOS_ON</source>
        <translation>DSG_MOS вкл.</translation>
    </message>
    <message>
        <source>CHGING</source>
        <translation>Заряд</translation>
    </message>
    <message>
        <source>DSGING</source>
        <translation>Разряд</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>Нагрузка</translation>
    </message>
    <message>
        <source>LIMIT</source>
        <translation>Огранич.</translation>
    </message>
    <message>
        <source>HEATING</source>
        <translation>Подогрев</translation>
    </message>
    <message>
        <source>CHARGER</source>
        <translation>ЗУ</translation>
    </message>
    <message>
        <source>BMS address %1: nothing of the previous pack is kept</source>
        <translation>Адрес BMS %1: данные прежнего блока сброшены</translation>
    </message>
    <message>
        <source>No reply from the BMS: what was read before must be read again</source>
        <translation>BMS не отвечает: прочитанные ранее параметры нужно прочитать заново</translation>
    </message>
    <message>
        <source>Another BMS answers (serial %1): nothing of the previous pack is kept</source>
        <translation>Отвечает другая BMS (серийный номер %1): данные прежнего блока сброшены</translation>
    </message>
    <message>
        <source>The BMS at the other end may have changed:</source>
        <translation>BMS на другом конце линии мог смениться:</translation>
    </message>
    <message>
        <source>The write went out but was not acknowledged: the BMS may have carried it out.</source>
        <translation>Запись отправлена, но не подтверждена: BMS мог её выполнить.</translation>
    </message>
    <message>
        <source>The write was not sent.</source>
        <translation>Запись не отправлена.</translation>
    </message>
    <message>
        <source>The operation went out but was not answered: the BMS may have carried it out.</source>
        <translation>Команда отправлена, но ответа нет: BMS мог её выполнить.</translation>
    </message>
    <message>
        <source>The operation was not sent.</source>
        <translation>Команда не отправлена.</translation>
    </message>
    <message>
        <source>The parameters asked for were not read.</source>
        <translation>Запрошенные параметры не прочитаны.</translation>
    </message>
    <message>
        <source>info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Reply from address %1 to command 0x%2 ignored</source>
        <translation>Ответ с адреса %1 на команду 0x%2 пропущен</translation>
    </message>
    <message>
        <source>Discharging high temperature</source>
        <translation>Выс. темп. разряда</translation>
    </message>
    <message>
        <source>Discharging low temperature</source>
        <translation>Низ. темп. разряда</translation>
    </message>
    <message>
        <source>Environmental low temperature</source>
        <translation>Низ. темп. среды</translation>
    </message>
    <message>
        <source>Charge overcurrent 2</source>
        <translation>Сверхток заряда 2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cellwick BMS service tool</source>
        <translation>Cellwick — сервисная программа BMS</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Монитор</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>Защита</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Польз.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновл.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>Версия ПО:</translation>
    </message>
    <message>
        <source>BMS SN:</source>
        <translation>SN BMS:</translation>
    </message>
    <message>
        <source>Pack SN:</source>
        <translation>SN батареи:</translation>
    </message>
    <message>
        <source>A firmware download is running. Stop it and leave the BMS in its boot loader?</source>
        <translation>Идёт загрузка прошивки. Остановить её и оставить BMS в загрузчике?</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
</context>
<context>
    <name>ProtectionWindow</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Primary protection</source>
        <translation>Первичная защита</translation>
    </message>
    <message>
        <source>Over voltage 1</source>
        <translation>Перенапряжение 1</translation>
    </message>
    <message>
        <source>Cell OV alarm(mV)</source>
        <translation>Сигн. яч.(мВ)</translation>
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
        <translation>Защита яч.(мВ)</translation>
    </message>
    <message>
        <source>Delay (S)</source>
        <translation>Задержка (с)</translation>
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
        <translation>Возврат(мВ)</translation>
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
        <translation>Сигн. бат.(В)</translation>
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
        <translation>Защита бат.(В)</translation>
    </message>
    <message>
        <source>55.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release(V)</source>
        <translation>Возврат(В)</translation>
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
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>Все параметры</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Прочитать все</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>Записать все</translation>
    </message>
    <message>
        <source>Set default parameters</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Over current charge 1</source>
        <translation>Сверхток заряда 1</translation>
    </message>
    <message>
        <source>OCC alarm(A)</source>
        <translation>Сигнал(А)</translation>
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
        <translation>Защита(А)</translation>
    </message>
    <message>
        <source>OCC Delay (S)</source>
        <translation>Задержка (с)</translation>
    </message>
    <message>
        <source>OCC Release(A)</source>
        <translation>Возврат(А)</translation>
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
        <translation>Лимит блокир.</translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReleaseTime(S)</source>
        <translation>Время возвр.(с)</translation>
    </message>
    <message>
        <source>SOC cut-off</source>
        <translation>Отсечка SOC</translation>
    </message>
    <message>
        <source>SOC alarm(%)</source>
        <translation>Сигн. SOC(%)</translation>
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
        <translation>Отсечка SOC(%)</translation>
    </message>
    <message>
        <source>Release(%)</source>
        <translation>Возврат(%)</translation>
    </message>
    <message>
        <source>Diff alarm(mV)</source>
        <translation>Сигн. ΔU(мВ)</translation>
    </message>
    <message>
        <source>Over current discharge 1</source>
        <translation>Сверхток разряда 1</translation>
    </message>
    <message>
        <source>OCD alarm(A)</source>
        <translation>Сигнал(А)</translation>
    </message>
    <message>
        <source>OCD Protect(A)  </source>
        <translation>Защита(А)</translation>
    </message>
    <message>
        <source>OCD Delay (S)</source>
        <translation>Задержка (с)</translation>
    </message>
    <message>
        <source>OCD Release(A)</source>
        <translation>Возврат(А)</translation>
    </message>
    <message>
        <source>OCD Latchlimit</source>
        <translation>Лимит блокир.</translation>
    </message>
    <message>
        <source>Under voltage 1</source>
        <translation>Недонапряжение 1</translation>
    </message>
    <message>
        <source>Cell UV alarm(mV)</source>
        <translation>Сигн. яч.(мВ)</translation>
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
        <translation>Защита яч.(мВ)</translation>
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
        <translation>Сигн. бат.(В)</translation>
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
        <translation>Защита бат.(В)</translation>
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
        <translation>Темп. MOSFET</translation>
    </message>
    <message>
        <source>FET alarm(℃)</source>
        <translation>Сигнал(℃)</translation>
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
        <translation>Защита(℃)</translation>
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
        <translation>Возврат(℃)</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Темп. среды</translation>
    </message>
    <message>
        <source>OTA alarm(℃)</source>
        <translation>Сигн. выс.(℃)</translation>
    </message>
    <message>
        <source>OTA_P(℃)</source>
        <translation>Защ. выс.(℃)</translation>
    </message>
    <message>
        <source>UTA alarm(℃)</source>
        <translation>Сигн. низ.(℃)</translation>
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
        <translation>Защ. низ.(℃)</translation>
    </message>
    <message>
        <source>Cells under temperature</source>
        <translation>Низкая темп. ячеек</translation>
    </message>
    <message>
        <source>UTC alarm(℃)</source>
        <translation>Сигн. зар.(℃)</translation>
    </message>
    <message>
        <source>UTC_P(℃)</source>
        <translation>Защ. зар.(℃)</translation>
    </message>
    <message>
        <source>UTD alarm(℃)</source>
        <translation>Сигн. разр.(℃)</translation>
    </message>
    <message>
        <source>UTD_P(℃)</source>
        <translation>Защ. разр.(℃)</translation>
    </message>
    <message>
        <source>Cell over temperature</source>
        <translation>Высокая темп. ячеек</translation>
    </message>
    <message>
        <source>OTC alarm(℃)</source>
        <translation>Сигн. зар.(℃)</translation>
    </message>
    <message>
        <source>OTC_P(℃)</source>
        <translation>Защ. зар.(℃)</translation>
    </message>
    <message>
        <source>OTD alarm(℃)</source>
        <translation>Сигн. разр.(℃)</translation>
    </message>
    <message>
        <source>OTD_P(℃)</source>
        <translation>Защ. разр.(℃)</translation>
    </message>
    <message>
        <source>Secondary protection</source>
        <translation>Вторичная защита</translation>
    </message>
    <message>
        <source>Over voltage 2</source>
        <translation>Перенапряжение 2</translation>
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
        <translation>Задержка (мс)</translation>
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
        <translation>Сверхток заряда 2</translation>
    </message>
    <message>
        <source>OCC2 alarm(A)</source>
        <translation>Сигнал(А)</translation>
    </message>
    <message>
        <source>OCC2 Protect(A)</source>
        <translation>Защита(А)</translation>
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
        <translation>Задержка (мс)</translation>
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
        <translation>Возврат(А)</translation>
    </message>
    <message>
        <source>OCC2 Latchlimit</source>
        <translation>Лимит блокир.</translation>
    </message>
    <message>
        <source>Short circuit</source>
        <translation>Короткое замыкание</translation>
    </message>
    <message>
        <source>SCD Protect(A)</source>
        <translation>Защита(А)</translation>
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
        <translation>Задержка (мкс)</translation>
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
        <translation>Возврат(А)</translation>
    </message>
    <message>
        <source>SCD Latchlimit </source>
        <translation>Лимит блокир.</translation>
    </message>
    <message>
        <source>Overcurrent discharge 2</source>
        <translation>Сверхток разряда 2</translation>
    </message>
    <message>
        <source>OCD2 alarm(A)</source>
        <translation>Сигнал 2(А)</translation>
    </message>
    <message>
        <source>OCD2 Protect(A)</source>
        <translation>Защита 2(А)</translation>
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
        <translation>Задержка 2(мс)</translation>
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
        <translation>Возврат 2(А)</translation>
    </message>
    <message>
        <source>OCD2 Latchlimit </source>
        <translation>Лимит блок. 2</translation>
    </message>
    <message>
        <source>OCD3 alarm(A)</source>
        <translation>Сигнал 3(А)</translation>
    </message>
    <message>
        <source>OCD3 Protect(A)</source>
        <translation>Защита 3(А)</translation>
    </message>
    <message>
        <source>OCD3 Delay (mS)</source>
        <translation>Задержка 3(мс)</translation>
    </message>
    <message>
        <source>OCD3 Release(A)</source>
        <translation>Возврат 3(А)</translation>
    </message>
    <message>
        <source>OCD3 Latchlimit </source>
        <translation>Лимит блок. 3</translation>
    </message>
    <message>
        <source>Under voltage 2</source>
        <translation>Недонапряжение 2</translation>
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
        <translation>Выбор чипа</translation>
    </message>
    <message>
        <source>AFE model</source>
        <translation>Модель AFE</translation>
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
        <translation>Сначала откройте порт</translation>
    </message>
    <message>
        <source>info</source>
        <translation>Информация</translation>
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
        <source>Warning!</source>
        <translation>Внимание!</translation>
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
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>file ( *.xml)</source>
        <translation>файл ( *.xml)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Battery parameters</source>
        <translation>Параметры батареи</translation>
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
        <translation>Остат. ёмк.(А·ч)</translation>
    </message>
    <message>
        <source>Design Capacity(AH)</source>
        <translation>Номин. ёмк.(А·ч)</translation>
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
        <translation>Число ячеек</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Number of cycles</source>
        <translation>Число циклов</translation>
    </message>
    <message>
        <source>Cells NTC Number</source>
        <translation>Число NTC</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Full Capacity(AH)</source>
        <translation>Полная ёмк.(А·ч)</translation>
    </message>
    <message>
        <source>Lithium iron</source>
        <translation>LiFePO4</translation>
    </message>
    <message>
        <source>Lithium ternary</source>
        <translation>Li-NMC</translation>
    </message>
    <message>
        <source>Nanobattery</source>
        <translation>Na-ion</translation>
    </message>
    <message>
        <source>Lithium titanate</source>
        <translation>LTO</translation>
    </message>
    <message>
        <source>Battery Type</source>
        <translation>Тип батареи</translation>
    </message>
    <message>
        <source>System switch enable</source>
        <translation>Системные функции</translation>
    </message>
    <message>
        <source>PWR enable </source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>Buzzer enable</source>
        <translation>Зуммер</translation>
    </message>
    <message>
        <source>LED alarm EN</source>
        <translation>LED-сигнал</translation>
    </message>
    <message>
        <source>Trip enable</source>
        <translation>Расцепитель</translation>
    </message>
    <message>
        <source>Sleep enable</source>
        <translation>Сон</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>Сведения о системе</translation>
    </message>
    <message>
        <source>Update Flag</source>
        <translation>Флаг обновл.</translation>
    </message>
    <message>
        <source>Modifi date</source>
        <translation>Дата изм.</translation>
    </message>
    <message>
        <source>Update counts</source>
        <translation>Число обновл.</translation>
    </message>
    <message>
        <source>WRSSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit parametes</source>
        <translation>Ограничение тока</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>Пассивный</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Активный</translation>
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
        <translation>Ограничение</translation>
    </message>
    <message>
        <source>Limit current(A)</source>
        <translation>Ток огранич.(А)</translation>
    </message>
    <message>
        <source>Limit model</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Heating parameters</source>
        <translation>Параметры подогрева</translation>
    </message>
    <message>
        <source>Enable switch</source>
        <translation>Включение</translation>
    </message>
    <message>
        <source>Open Threshold(℃) </source>
        <translation>Порог вкл.(℃)</translation>
    </message>
    <message>
        <source>Close Threshold(℃)</source>
        <translation>Порог выкл.(℃)</translation>
    </message>
    <message>
        <source>Power management parameters</source>
        <translation>Управление питанием</translation>
    </message>
    <message>
        <source>Cells Sleep volt(mV)</source>
        <translation>U сна яч.(мВ)</translation>
    </message>
    <message>
        <source>Current sensor(uΩ)</source>
        <translation>Шунт(мкОм)</translation>
    </message>
    <message>
        <source>Self consumption(mA)</source>
        <translation>Собств. потр.(мА)</translation>
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
        <translation>U трансп. яч.(мВ)</translation>
    </message>
    <message>
        <source>Idle Sleep Delay(min)</source>
        <translation>Задерж. сна(мин)</translation>
    </message>
    <message>
        <source>Inspection time(min)</source>
        <translation>Интервал пров.(мин)</translation>
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
        <translation>Все параметры</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>Прочитать все</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>Записать все</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Set default parameters</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Balanced settings</source>
        <translation>Балансировка</translation>
    </message>
    <message>
        <source>Idle balance</source>
        <translation>Баланс. в покое</translation>
    </message>
    <message>
        <source>Voltage diff(mV)</source>
        <translation>Разн. напр.(мВ)</translation>
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
        <translation>Порог U(мВ)</translation>
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
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>system param</source>
        <translation>Системные параметры</translation>
    </message>
    <message>
        <source>file ( *.xml)</source>
        <translation>файл ( *.xml)</translation>
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
<context>
    <name>ParameterFile</name>
    <message>
        <source>The file %1 was not written: the parameter %2 holds a control character, which a parameter file cannot hold.</source>
        <translation>Файл %1 не записан: параметр %2 содержит управляющий символ, который нельзя сохранить в файле параметров.</translation>
    </message>
    <message>
        <source>Cannot open the file %1 for writing: %2.</source>
        <translation>Не удаётся открыть файл %1 для записи: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2.</source>
        <translation>Не удаётся записать файл %1: %2.</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2.</source>
        <translation>Не удаётся открыть файл %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not a valid parameter file: %2 (line %3, column %4).</source>
        <translation>Файл %1 не является файлом параметров: %2 (строка %3, столбец %4).</translation>
    </message>
    <message>
        <source>The file %1 holds no parameters.</source>
        <translation>Файл %1 не содержит параметров.</translation>
    </message>
    <message>
        <source>%1 entries of the file %2 were not applied: their Index is missing, not a number or not between 1 and %3.</source>
        <translation>Записей файла %2 не применено: %1 — их Index отсутствует, не является числом или не лежит между 1 и %3.</translation>
    </message>
    <message>
        <source>%1 values of the file %2 were not applied: their lists offer no such item in any of the program&apos;s languages (Index %3).</source>
        <translation>Значений файла %2 не применено: %1 — в их списках нет такого пункта ни на одном из языков программы (Index %3).</translation>
    </message>
</context>
</TS>
