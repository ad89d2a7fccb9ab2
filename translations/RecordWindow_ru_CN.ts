<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_CN">
<context>
    <name>RecordWindow</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Delete record</source>
        <translation>Удалить записи</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Записей:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
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
        <source>info</source>
        <translation>инфо</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Сначала откройте последовательный порт</translation>
    </message>
    <message>
        <source>Please stop reading the history first</source>
        <translation>Сначала остановите чтение истории</translation>
    </message>
    <message>
        <source>Are you sure you want to delete record ?</source>
        <translation>Удалить записи истории?</translation>
    </message>
    <message>
        <source>History reading completed !</source>
        <translation>Чтение истории завершено!</translation>
    </message>
    <message>
        <source>No History !</source>
        <translation>Истории нет!</translation>
    </message>
    <message>
        <source>History reading not completed: the BMS&apos;s history changed during the reading, please read it again !</source>
        <translation>Чтение истории не завершено: история BMS изменилась во время чтения, прочитайте её заново!</translation>
    </message>
    <message>
        <source>History reading not completed: the connection to the BMS was lost !</source>
        <translation>Чтение истории не завершено: связь с BMS потеряна!</translation>
    </message>
    <message>
        <source>History reading not completed: another BMS answered !</source>
        <translation>Чтение истории не завершено: ответила другая BMS!</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Communication timeout !</source>
        <translation>Тайм-аут связи!</translation>
    </message>
    <message>
        <source>The file could not be written:</source>
        <translation>Не удалось записать файл:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Voltage(V)</source>
        <translation>Напряжение(В)</translation>
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
        <translation>Полная ёмк.(А·ч)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Циклы</translation>
    </message>
    <message>
        <source>AlarmSates</source>
        <translation>Предупреждения</translation>
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
        <translation>Состояние системы</translation>
    </message>
    <message>
        <source>TempFET(℃)</source>
        <translation>Темп. MOSFET(℃)</translation>
    </message>
    <message>
        <source>TempAMB(℃)</source>
        <translation>Темп. среды(℃)</translation>
    </message>
    <message>
        <source>Cell_</source>
        <translation>Яч_</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Яч</translation>
    </message>
    <message>
        <source>Temp</source>
        <translation>Темп</translation>
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
        <source>Discharging high temperature;</source>
        <translation>Высокая темп. разряда;</translation>
    </message>
    <message>
        <source>Discharging low temperature;</source>
        <translation>Низкая темп. разряда;</translation>
    </message>
    <message>
        <source>Environmental high temperature;</source>
        <translation>Высокая темп. среды;</translation>
    </message>
    <message>
        <source>Environmental low temperature;</source>
        <translation>Низкая темп. среды;</translation>
    </message>
    <message>
        <source>MOS high temperature alarm;</source>
        <translation>Высокая темп. MOS;</translation>
    </message>
    <message>
        <source>MOS high temperature;</source>
        <translation>Перегрев MOS;</translation>
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
        <source>Cell overvoltage 2;</source>
        <translation>Перенапряжение ячейки 2;</translation>
    </message>
    <message>
        <source>Charge overcurrent 2;</source>
        <translation>Сверхток заряда 2;</translation>
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
        <source>The BMS at the other end may have changed: the deletion was not sent.</source>
        <translation>BMS на другом конце линии мог смениться: удаление не отправлено.</translation>
    </message>
</context>
</TS>
