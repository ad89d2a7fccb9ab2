<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_CN">
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>IAP Info</source>
        <translation>Журнал IAP</translation>
    </message>
    <message>
        <source>Update application</source>
        <translation>Обновление программы</translation>
    </message>
    <message>
        <source>IapModel:</source>
        <translation>Режим IAP:</translation>
    </message>
    <message>
        <source>APPboot</source>
        <translation>APPboot</translation>
    </message>
    <message>
        <source>IAPboot</source>
        <translation>IAPboot</translation>
    </message>
    <message>
        <source>BMS Adrss:</source>
        <translation>Адрес BMS:</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Re search port</source>
        <translation>Искать порты</translation>
    </message>
    <message>
        <source>Upgrade Baud Rate:</source>
        <translation>Скорость обновления:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>File Path:</source>
        <translation>Путь к файлу:</translation>
    </message>
    <message>
        <source>File size(bytes):</source>
        <translation>Размер файла (байт):</translation>
    </message>
    <message>
        <source>Application Name:</source>
        <translation>Имя программы:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Ход обновления:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Confirm Update</source>
        <translation>Начать обновление</translation>
    </message>
    <message>
        <source>Clear IAP Info</source>
        <translation>Очистить журнал</translation>
    </message>
    <message>
        <source>Open successfully !</source>
        <translation>Порт открыт !</translation>
    </message>
    <message>
        <source>Open failed !</source>
        <translation>Не удалось открыть порт !</translation>
    </message>
    <message>
        <source>info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Config Files (*.bin)</source>
        <translation>Файлы прошивки (*.bin)</translation>
    </message>
    <message>
        <source>File over 625k, please reselect</source>
        <translation>Файл больше 625k, выберите другой</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>A download is running: the file cannot be changed now.</source>
        <translation>Идёт загрузка: файл сейчас сменить нельзя.</translation>
    </message>
    <message>
        <source>Are you sure you want to update the program?</source>
        <translation>Вы уверены, что хотите обновить программу?</translation>
    </message>
    <message>
        <source>No file selected. Please select a file and try again!</source>
        <translation>Файл не выбран. Выберите файл и повторите!</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Сначала откройте порт</translation>
    </message>
    <message>
        <source>No answer from the BMS: the download has stopped.</source>
        <translation>BMS не отвечает: загрузка остановлена.</translation>
    </message>
    <message>
        <source>iapSendData:</source>
        <translation>iapSendData:</translation>
    </message>
    <message>
        <source>iapSendBinData:</source>
        <translation>iapSendBinData:</translation>
    </message>
    <message>
        <source>Request length error</source>
        <translation>Ошибка длины запроса</translation>
    </message>
    <message>
        <source>Download completed！</source>
        <translation>Загрузка завершена！</translation>
    </message>
    <message>
        <source>Download completed !</source>
        <translation>Загрузка завершена !</translation>
    </message>
    <message>
        <source>CRC erro</source>
        <translation>Ошибка CRC</translation>
    </message>
    <message>
        <source>Bad reply:</source>
        <translation>Неверный ответ:</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to download.</source>
        <translation>Файл %1 пуст: загружать нечего.</translation>
    </message>
    <message>
        <source>The download did not complete: the serial line was lost.</source>
        <translation>Загрузка не завершена: связь по последовательному порту потеряна.</translation>
    </message>
    <message>
        <source>The download did not complete: the serial port was closed.</source>
        <translation>Загрузка не завершена: последовательный порт закрыт.</translation>
    </message>
    <message>
        <source>The download did not complete: the BMS stopped answering.</source>
        <translation>Загрузка не завершена: BMS перестала отвечать.</translation>
    </message>
    <message>
        <source>Not a whole reply, dropped:</source>
        <translation>Неполный ответ отброшен:</translation>
    </message>
    <message>
        <source>The download did not complete: the boot loader refused the image.</source>
        <translation>Загрузка не завершена: загрузчик отклонил прошивку.</translation>
    </message>
    <message>
        <source>The download did not complete: the boot loader ended it before the whole image was sent. The BMS may still hold its old firmware.</source>
        <translation>Загрузка не завершена: загрузчик завершил её до того, как была отправлена вся прошивка. В BMS может остаться старая прошивка.</translation>
    </message>
    <message>
        <source>%1 is not a file: only a firmware image file can be loaded.</source>
        <translation>%1 не является файлом: загрузить можно только файл прошивки.</translation>
    </message>
</context>
</TS>
