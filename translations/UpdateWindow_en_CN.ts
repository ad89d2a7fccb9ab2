<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_CN">
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>IAP Info</source>
        <translation>IAP Info</translation>
    </message>
    <message>
        <source>Update application</source>
        <translation>Update application</translation>
    </message>
    <message>
        <source>IapModel:</source>
        <translation>IapModel:</translation>
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
        <translation>BMS Adrss:</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>Serial port:</translation>
    </message>
    <message>
        <source>Re search port</source>
        <translation>Re search port</translation>
    </message>
    <message>
        <source>Upgrade Baud Rate:</source>
        <translation>Upgrade Baud Rate:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>File Path:</source>
        <translation>File Path:</translation>
    </message>
    <message>
        <source>File size(bytes):</source>
        <translation>File size(bytes):</translation>
    </message>
    <message>
        <source>Application Name:</source>
        <translation>Application Name:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Update progress:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Confirm Update</source>
        <translation>Confirm Update</translation>
    </message>
    <message>
        <source>Clear IAP Info</source>
        <translation>Clear IAP Info</translation>
    </message>
    <message>
        <source>Open successfully !</source>
        <translation>Open successfully !</translation>
    </message>
    <message>
        <source>Open failed !</source>
        <translation>Open failed !</translation>
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
        <source>Config Files (*.bin)</source>
        <translation>Config Files (*.bin)</translation>
    </message>
    <message>
        <source>File over 625k, please reselect</source>
        <translation>File over 625k, please reselect</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>A download is running: the file cannot be changed now.</source>
        <translation>A download is running: the file cannot be changed now.</translation>
    </message>
    <message>
        <source>Are you sure you want to update the program?</source>
        <translation>Are you sure you want to update the program?</translation>
    </message>
    <message>
        <source>No file selected. Please select a file and try again!</source>
        <translation>No file selected. Please select a file and try again!</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>Please open the serial port first</translation>
    </message>
    <message>
        <source>No answer from the BMS: the download has stopped.</source>
        <translation>No answer from the BMS: the download has stopped.</translation>
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
        <translation>Request length error</translation>
    </message>
    <message>
        <source>Download completed！</source>
        <translation>Download completed！</translation>
    </message>
    <message>
        <source>Download completed !</source>
        <translation>Download completed !</translation>
    </message>
    <message>
        <source>CRC erro</source>
        <translation>CRC erro</translation>
    </message>
    <message>
        <source>Bad reply:</source>
        <translation>Bad reply:</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to download.</source>
        <translation>%1 is empty: there is nothing to download.</translation>
    </message>
    <message>
        <source>The download did not complete: the serial line was lost.</source>
        <translation>The download did not complete: the serial line was lost.</translation>
    </message>
    <message>
        <source>The download did not complete: the serial port was closed.</source>
        <translation>The download did not complete: the serial port was closed.</translation>
    </message>
    <message>
        <source>The download did not complete: the BMS stopped answering.</source>
        <translation>The download did not complete: the BMS stopped answering.</translation>
    </message>
    <message>
        <source>Not a whole reply, dropped:</source>
        <translation>Not a whole reply, dropped:</translation>
    </message>
    <message>
        <source>The download did not complete: the boot loader refused the image.</source>
        <translation>The download did not complete: the boot loader refused the image.</translation>
    </message>
    <message>
        <source>The download did not complete: the boot loader ended it before the whole image was sent. The BMS may still hold its old firmware.</source>
        <translation>The download did not complete: the boot loader ended it before the whole image was sent. The BMS may still hold its old firmware.</translation>
    </message>
    <message>
        <source>%1 is not a file: only a firmware image file can be loaded.</source>
        <translation>%1 is not a file: only a firmware image file can be loaded.</translation>
    </message>
</context>
</TS>
