<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_CN">
<context>
    <name>MoniterWindow</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Recorded data</source>
        <translation>Запись данных</translation>
    </message>
    <message>
        <source>Number of records</source>
        <translation>Число записей</translation>
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
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>BMS disconnect !</source>
        <translation>BMS отключена!</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Voltage(V)</source>
        <translation>Напр.(В)</translation>
    </message>
    <message>
        <source>Current(A)</source>
        <translation>Ток(А)</translation>
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
        <translation>FCC(А·ч)</translation>
    </message>
    <message>
        <source>RM(AH)</source>
        <translation>Ост.(А·ч)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Циклы</translation>
    </message>
    <message>
        <source>AlarmSates</source>
        <translation>Предупр.</translation>
    </message>
    <message>
        <source>Protect1</source>
        <translation>Защита1</translation>
    </message>
    <message>
        <source>Protect2</source>
        <translation>Защита2</translation>
    </message>
    <message>
        <source>FaultSates</source>
        <translation>Отказы</translation>
    </message>
    <message>
        <source>SystemStates</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Cellmax(mV)</source>
        <translation>Uмакс(мВ)</translation>
    </message>
    <message>
        <source>Cellmin(mV)</source>
        <translation>Uмин(мВ)</translation>
    </message>
    <message>
        <source>Cellmaxindex</source>
        <translation>№ Uмакс</translation>
    </message>
    <message>
        <source>Cellminindex</source>
        <translation>№ Uмин</translation>
    </message>
    <message>
        <source>CellTempmax(℃)</source>
        <translation>Tмакс(℃)</translation>
    </message>
    <message>
        <source>CellTempmin(℃)</source>
        <translation>Tмин(℃)</translation>
    </message>
    <message>
        <source>Tempmaxindex</source>
        <translation>№ Tмакс</translation>
    </message>
    <message>
        <source>Tempminindex</source>
        <translation>№ Tмин</translation>
    </message>
    <message>
        <source>TempFET(℃)</source>
        <translation>T MOS(℃)</translation>
    </message>
    <message>
        <source>TempAMB(℃)</source>
        <translation>T среды(℃)</translation>
    </message>
    <message>
        <source>Cell_</source>
        <translation>Яч_</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Cell overvoltage;</source>
        <translation>Перенапряжение ячейки;</translation>
    </message>
    <message>
        <source>Cell undervoltage;</source>
        <translation>Недонапряжение ячейки;</translation>
    </message>
    <message>
        <source>Over voltage;</source>
        <translation>Перенапряжение батареи;</translation>
    </message>
    <message>
        <source>Under voltage;</source>
        <translation>Недонапряжение батареи;</translation>
    </message>
    <message>
        <source>Discharge overcurrent;</source>
        <translation>Сверхток разряда;</translation>
    </message>
    <message>
        <source>Charge overcurrent;</source>
        <translation>Сверхток заряда;</translation>
    </message>
    <message>
        <source>Charging high temperature;</source>
        <translation>Высокая темп. заряда;</translation>
    </message>
    <message>
        <source>Charging low temperature;</source>
        <translation>Низкая темп. заряда;</translation>
    </message>
    <message>
        <source>Environmental high temperature;</source>
        <translation>Высокая темп. среды;</translation>
    </message>
    <message>
        <source>MOS high temperature alarm;</source>
        <translation>Высокая темп. MOS;</translation>
    </message>
    <message>
        <source>Differential pressure;</source>
        <translation>Разбаланс ячеек;</translation>
    </message>
    <message>
        <source>High battery;</source>
        <translation>Высокий заряд;</translation>
    </message>
    <message>
        <source>Low battery;</source>
        <translation>Низкий заряд;</translation>
    </message>
    <message>
        <source>Discharge overcurrent 2;</source>
        <translation>Сверхток разряда 2;</translation>
    </message>
    <message>
        <source>Discharge overcurrent 3;</source>
        <translation>Сверхток разряда 3;</translation>
    </message>
    <message>
        <source>Short circuit;</source>
        <translation>Короткое замыкание;</translation>
    </message>
    <message>
        <source>MOS high temperature;</source>
        <translation>Перегрев MOS;</translation>
    </message>
    <message>
        <source>Cell overvoltage 2;</source>
        <translation>Перенапряжение ячейки 2;</translation>
    </message>
    <message>
        <source>CHG_MOS fault;</source>
        <translation>Отказ CHG_MOS;</translation>
    </message>
    <message>
        <source>DSG_MOS fault;</source>
        <translation>Отказ DSG_MOS;</translation>
    </message>
    <message>
        <source>NTC fault;</source>
        <translation>Отказ NTC;</translation>
    </message>
    <message>
        <source>AFE fault;</source>
        <translation>Отказ AFE;</translation>
    </message>
    <message>
        <source>HEAT fault;</source>
        <translation>Отказ подогрева;</translation>
    </message>
    <message>
        <source>Power Failure;</source>
        <translation>Сбой питания;</translation>
    </message>
    <message>
        <source>CHG_MOS_ON;</source>
        <translation>CHG_MOS вкл.;</translation>
    </message>
    <message>
        <source>DSG_MOS_ON;</source>
        <translation>DSG_MOS вкл.;</translation>
    </message>
    <message>
        <source>CHGING;</source>
        <translation>Заряд;</translation>
    </message>
    <message>
        <source>DSGING;</source>
        <translation>Разряд;</translation>
    </message>
    <message>
        <source>LOAD;</source>
        <translation>Нагрузка;</translation>
    </message>
    <message>
        <source>LIMIT;</source>
        <translation>Ограничение;</translation>
    </message>
    <message>
        <source>HEATING;</source>
        <translation>Подогрев;</translation>
    </message>
    <message>
        <source>CHARGER;</source>
        <translation>ЗУ;</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>(*.csv)</source>
        <translation>(*.csv)</translation>
    </message>
    <message>
        <source>The log file could not be written, the rows stay in the table:</source>
        <translation>Не удалось записать файл журнала, строки остаются в таблице:</translation>
    </message>
    <message>
        <source>The rows of the pack logged before could not be written to their log file. They stay in the table; the rows of the pack now connected are added once they are written or cleared:</source>
        <translation>Строки ранее записанной батареи не удалось записать в её файл журнала. Они остаются в таблице; строки подключённой сейчас батареи добавятся, когда эти строки будут записаны или таблица очищена:</translation>
    </message>
    <message>
        <source>The rows not yet in a log file could not be written:</source>
        <translation>Не удалось записать строки, ещё не сохранённые в файле журнала:</translation>
    </message>
    <message>
        <source>Close the program all the same? These rows are then lost.</source>
        <translation>Всё равно закрыть программу? Эти строки будут потеряны.</translation>
    </message>
    <message>
        <source>The file could not be written:</source>
        <translation>Не удалось записать файл:</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
</context>
</TS>
