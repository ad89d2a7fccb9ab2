<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>IAP Info</source>
        <translation>IAP信息</translation>
    </message>
    <message>
        <source>Update application</source>
        <translation>升级应用程序</translation>
    </message>
    <message>
        <source>IapModel:</source>
        <translation>IAP模式:</translation>
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
        <translation>BMS地址:</translation>
    </message>
    <message>
        <source>Serial port:</source>
        <translation>串口:</translation>
    </message>
    <message>
        <source>Re search port</source>
        <translation>重新搜索串口</translation>
    </message>
    <message>
        <source>Upgrade Baud Rate:</source>
        <translation>升级波特率:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>File Path:</source>
        <translation>文件路径:</translation>
    </message>
    <message>
        <source>File size(bytes):</source>
        <translation>文件大小(字节):</translation>
    </message>
    <message>
        <source>Application Name:</source>
        <translation>应用程序名称:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>升级进度:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Confirm Update</source>
        <translation>确认升级</translation>
    </message>
    <message>
        <source>Clear IAP Info</source>
        <translation>清除IAP信息</translation>
    </message>
    <message>
        <source>Open successfully !</source>
        <translation>打开成功 !</translation>
    </message>
    <message>
        <source>Open failed !</source>
        <translation>打开失败 !</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告!</translation>
    </message>
    <message>
        <source>Config Files (*.bin)</source>
        <translation>配置文件 (*.bin)</translation>
    </message>
    <message>
        <source>File over 625k, please reselect</source>
        <translation>文件超过625k，请重新选择</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1: %2</translation>
    </message>
    <message>
        <source>A download is running: the file cannot be changed now.</source>
        <translation>正在升级：现在不能更换文件。</translation>
    </message>
    <message>
        <source>Are you sure you want to update the program?</source>
        <translation>确定要升级程序吗?</translation>
    </message>
    <message>
        <source>No file selected. Please select a file and try again!</source>
        <translation>未选择文件，请选择文件后重试!</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>请先打开串口</translation>
    </message>
    <message>
        <source>No answer from the BMS: the download has stopped.</source>
        <translation>BMS无应答：升级已停止。</translation>
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
        <translation>请求长度错误</translation>
    </message>
    <message>
        <source>Download completed！</source>
        <translation>下载完成！</translation>
    </message>
    <message>
        <source>Download completed !</source>
        <translation>下载完成 !</translation>
    </message>
    <message>
        <source>CRC erro</source>
        <translation>CRC错误</translation>
    </message>
    <message>
        <source>Bad reply:</source>
        <translation>错误应答:</translation>
    </message>
    <message>
        <source>%1 is empty: there is nothing to download.</source>
        <translation>%1 是空文件：没有可下载的内容。</translation>
    </message>
    <message>
        <source>The download did not complete: the serial line was lost.</source>
        <translation>下载未完成：串口连接已断开。</translation>
    </message>
    <message>
        <source>The download did not complete: the serial port was closed.</source>
        <translation>下载未完成：串口已被关闭。</translation>
    </message>
    <message>
        <source>The download did not complete: the BMS stopped answering.</source>
        <translation>下载未完成：BMS停止应答。</translation>
    </message>
    <message>
        <source>Not a whole reply, dropped:</source>
        <translation>不是完整的应答，已丢弃:</translation>
    </message>
    <message>
        <source>The download did not complete: the boot loader refused the image.</source>
        <translation>下载未完成：引导程序拒绝了该固件。</translation>
    </message>
    <message>
        <source>The download did not complete: the boot loader ended it before the whole image was sent. The BMS may still hold its old firmware.</source>
        <translation>下载未完成：引导程序在整个固件发送完之前结束了下载。BMS可能仍保留旧固件。</translation>
    </message>
    <message>
        <source>%1 is not a file: only a firmware image file can be loaded.</source>
        <translation>%1 不是文件：只能加载固件映像文件。</translation>
    </message>
</context>
</TS>
