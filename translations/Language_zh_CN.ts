<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>HomeWindow</name>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>并机</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Pack</source>
        <translation>电池组</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>电压 (V)</translation>
    </message>
    <message>
        <source>Current (A)</source>
        <translation>电流 (A)</translation>
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
        <translation>剩余容量 (Ah)</translation>
    </message>
    <message>
        <source>Full charge (Ah)</source>
        <translation>满充容量 (Ah)</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>循环次数</translation>
    </message>
    <message>
        <source>Max cell (mV)</source>
        <translation>最高单体 (mV)</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>电芯</translation>
    </message>
    <message>
        <source>Min cell (mV)</source>
        <translation>最低单体 (mV)</translation>
    </message>
    <message>
        <source>Software version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Temperatures (℃)</source>
        <translation>温度 (℃)</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>最高</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>探头</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>最低</translation>
    </message>
    <message>
        <source>Ambient</source>
        <translation>环境</translation>
    </message>
    <message>
        <source>MOSFET</source>
        <translation>MOS管</translation>
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
        <translation>功能开关</translation>
    </message>
    <message>
        <source>Heater</source>
        <translation>加热</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>均衡</translation>
    </message>
    <message>
        <source>Current limit</source>
        <translation>限流</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>电源</translation>
    </message>
    <message>
        <source>Buzzer</source>
        <translation>蜂鸣器</translation>
    </message>
    <message>
        <source>LED alarm</source>
        <translation>LED告警</translation>
    </message>
    <message>
        <source>Trip</source>
        <translation>脱扣</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>WiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell voltages (mV)</source>
        <translation>单体电压 (mV)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>告警</translation>
    </message>
    <message>
        <source>Protection</source>
        <translation>保护</translation>
    </message>
    <message>
        <source>Fault</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>System state</source>
        <translation>系统状态</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>未找到串口</translation>
    </message>
    <message>
        <source>No serial port selected</source>
        <translation>未选择串口</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>BMS disconnect !</source>
        <translation>BMS连接断开！</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>串口已关闭</translation>
    </message>
    <message>
        <source>%1 opened at %2 baud</source>
        <translation>%1 已打开，波特率 %2</translation>
    </message>
    <message>
        <source>Try connect</source>
        <translation>尝试连接</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>BMS found at %1 baud</source>
        <translation>已在波特率 %1 下找到BMS</translation>
    </message>
    <message>
        <source>No BMS answered on %1</source>
        <translation>%1 上无BMS应答</translation>
    </message>
    <message>
        <source>Trying %1 baud</source>
        <translation>正在尝试波特率 %1</translation>
    </message>
    <message>
        <source>Communication timeout !</source>
        <translation>通信超时！</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Parameter writing failed !</source>
        <translation>参数写入失败！</translation>
    </message>
    <message>
        <source>No reply to command 0x%1</source>
        <translation>命令 0x%1 无应答</translation>
    </message>
    <message>
        <source>Calibration not sent: its value was refused</source>
        <translation>校准未发送：数值无效</translation>
    </message>
    <message>
        <source>No reply to the write</source>
        <translation>写入无应答</translation>
    </message>
    <message>
        <source>Unreadable bytes from the BMS ignored</source>
        <translation>已忽略BMS发来的无法识别的字节</translation>
    </message>
    <message>
        <source>Bad CRC in the reply to command 0x%1</source>
        <translation>命令 0x%1 的应答CRC校验错误</translation>
    </message>
    <message>
        <source>Incomplete reply to command 0x%1</source>
        <translation>命令 0x%1 的应答不完整</translation>
    </message>
    <message>
        <source>BMS is connected !</source>
        <translation>BMS已连接！</translation>
    </message>
    <message>
        <source>Reply to command 0x%1 too short (%2 bytes), ignored</source>
        <translation>命令 0x%1 的应答过短（%2 字节），已忽略</translation>
    </message>
    <message>
        <source>Reply to unknown command 0x%1 ignored</source>
        <translation>已忽略未知命令 0x%1 的应答</translation>
    </message>
    <message>
        <source>Unexpected acknowledgement of command 0x%1 ignored</source>
        <translation>已忽略命令 0x%1 的意外应答</translation>
    </message>
    <message>
        <source>Late reply to command 0x%1 ignored</source>
        <translation>已忽略命令 0x%1 的迟到应答</translation>
    </message>
    <message>
        <source>The BMS refused the write of %1</source>
        <translation>BMS拒绝写入 %1</translation>
    </message>
    <message>
        <source>Parameter written successfully !</source>
        <translation>参数写入成功！</translation>
    </message>
    <message>
        <source>Operation successful !</source>
        <translation>操作成功！</translation>
    </message>
    <message>
        <source>Operation failed !</source>
        <translation>操作失败！</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>请先打开串口</translation>
    </message>
    <message>
        <source>Cell overvoltage</source>
        <translation>单体过压</translation>
    </message>
    <message>
        <source>Cell undervoltage</source>
        <translation>单体欠压</translation>
    </message>
    <message>
        <source>Over voltage</source>
        <translation>总压过压</translation>
    </message>
    <message>
        <source>Under voltage</source>
        <translation>总压欠压</translation>
    </message>
    <message>
        <source>Discharge overcurrent</source>
        <translation>放电过流</translation>
    </message>
    <message>
        <source>Charge overcurrent</source>
        <translation>充电过流</translation>
    </message>
    <message>
        <source>Charging high temperature</source>
        <translation>充电高温</translation>
    </message>
    <message>
        <source>Charging low temperature</source>
        <translation>充电低温</translation>
    </message>
    <message>
        <source>Environmental high temperature</source>
        <translation>环境高温</translation>
    </message>
    <message>
        <source>MOS high temperature alarm</source>
        <translation>MOS高温告警</translation>
    </message>
    <message>
        <source>Differential pressure</source>
        <translation>压差过大</translation>
    </message>
    <message>
        <source>High battery</source>
        <translation>电量过高</translation>
    </message>
    <message>
        <source>Low battery</source>
        <translation>电量过低</translation>
    </message>
    <message>
        <source>Discharge overcurrent 2</source>
        <translation>放电过流2</translation>
    </message>
    <message>
        <source>Discharge overcurrent 3</source>
        <translation>放电过流3</translation>
    </message>
    <message>
        <source>Short circuit</source>
        <translation>短路</translation>
    </message>
    <message>
        <source>MOS high temperature</source>
        <translation>MOS高温</translation>
    </message>
    <message>
        <source>Cell overvoltage 2</source>
        <translation>单体过压2</translation>
    </message>
    <message>
        <source>CHG_MOS fault</source>
        <translation>充电MOS故障</translation>
    </message>
    <message>
        <source>DSG_MOS fault</source>
        <translation>放电MOS故障</translation>
    </message>
    <message>
        <source>NTC fault</source>
        <translation>NTC故障</translation>
    </message>
    <message>
        <source>AFE fault</source>
        <translation>AFE故障</translation>
    </message>
    <message>
        <source>HEAT fault</source>
        <translation>加热故障</translation>
    </message>
    <message>
        <source>Power Failure</source>
        <translation>电源故障</translation>
    </message>
    <message>
        <source>CHG_MOS_ON</source>
        <translation>充电MOS开</translation>
    </message>
    <message>
        <source>DSG_MOS_ON</source>
        <translation>放电MOS开</translation>
    </message>
    <message>
        <source>CHGING</source>
        <translation>充电中</translation>
    </message>
    <message>
        <source>DSGING</source>
        <translation>放电中</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>负载</translation>
    </message>
    <message>
        <source>LIMIT</source>
        <translation>限流</translation>
    </message>
    <message>
        <source>HEATING</source>
        <translation>加热中</translation>
    </message>
    <message>
        <source>CHARGER</source>
        <translation>充电器</translation>
    </message>
    <message>
        <source>BMS address %1: nothing of the previous pack is kept</source>
        <translation>BMS 地址 %1：不保留上一电池包的任何数据</translation>
    </message>
    <message>
        <source>No reply from the BMS: what was read before must be read again</source>
        <translation>BMS 无应答：之前读取的参数需要重新读取</translation>
    </message>
    <message>
        <source>Another BMS answers (serial %1): nothing of the previous pack is kept</source>
        <translation>另一个 BMS 应答（序列号 %1）：不保留上一电池包的任何数据</translation>
    </message>
    <message>
        <source>The BMS at the other end may have changed:</source>
        <translation>另一端的 BMS 可能已更换：</translation>
    </message>
    <message>
        <source>The write went out but was not acknowledged: the BMS may have carried it out.</source>
        <translation>写入帧已发出但未得到确认：BMS 可能已执行。</translation>
    </message>
    <message>
        <source>The write was not sent.</source>
        <translation>写入未发送。</translation>
    </message>
    <message>
        <source>The operation went out but was not answered: the BMS may have carried it out.</source>
        <translation>操作已发出但未得到应答：BMS 可能已执行。</translation>
    </message>
    <message>
        <source>The operation was not sent.</source>
        <translation>操作未发送。</translation>
    </message>
    <message>
        <source>The parameters asked for were not read.</source>
        <translation>所请求的参数未读取。</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Reply from address %1 to command 0x%2 ignored</source>
        <translation>已忽略地址 %1 对命令 0x%2 的应答</translation>
    </message>
    <message>
        <source>Discharging high temperature</source>
        <translation>放电高温</translation>
    </message>
    <message>
        <source>Discharging low temperature</source>
        <translation>放电低温</translation>
    </message>
    <message>
        <source>Environmental low temperature</source>
        <translation>环境低温</translation>
    </message>
    <message>
        <source>Charge overcurrent 2</source>
        <translation>充电过流2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cellwick BMS service tool</source>
        <translation>Cellwick BMS上位机</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>监控</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Protect</source>
        <translation>保护参数</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统参数</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Software version:</source>
        <translation>软件版本：</translation>
    </message>
    <message>
        <source>BMS SN:</source>
        <translation>BMS序列号：</translation>
    </message>
    <message>
        <source>Pack SN:</source>
        <translation>电池包序列号：</translation>
    </message>
    <message>
        <source>A firmware download is running. Stop it and leave the BMS in its boot loader?</source>
        <translation>正在下载固件。要停止下载并让BMS停留在引导程序中吗?</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
</context>
<context>
    <name>ProtectionWindow</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Primary protection</source>
        <translation>一级保护</translation>
    </message>
    <message>
        <source>Over voltage 1</source>
        <translation>过压1</translation>
    </message>
    <message>
        <source>Cell OV alarm(mV)</source>
        <translation>单体过压告警(mV)</translation>
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
        <translation>单体过压保护(mV)</translation>
    </message>
    <message>
        <source>Delay (S)</source>
        <translation>延时(S)</translation>
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
        <translation>恢复(mV)</translation>
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
        <translation>总压过压告警(V)</translation>
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
        <translation>总压过压保护(V)</translation>
    </message>
    <message>
        <source>55.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release(V)</source>
        <translation>恢复(V)</translation>
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
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>全部读取</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>全部写入</translation>
    </message>
    <message>
        <source>Set default parameters</source>
        <translation>恢复默认参数</translation>
    </message>
    <message>
        <source>Over current charge 1</source>
        <translation>充电过流1</translation>
    </message>
    <message>
        <source>OCC alarm(A)</source>
        <translation>充电过流告警(A)</translation>
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
        <translation>充电过流保护(A)</translation>
    </message>
    <message>
        <source>OCC Delay (S)</source>
        <translation>充电过流延时(S)</translation>
    </message>
    <message>
        <source>OCC Release(A)</source>
        <translation>充电过流恢复(A)</translation>
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
        <translation>充电过流锁定次数</translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReleaseTime(S)</source>
        <translation>恢复时间(S)</translation>
    </message>
    <message>
        <source>SOC cut-off</source>
        <translation>SOC截止</translation>
    </message>
    <message>
        <source>SOC alarm(%)</source>
        <translation>SOC告警(%)</translation>
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
        <translation>SOC截止(%)</translation>
    </message>
    <message>
        <source>Release(%)</source>
        <translation>恢复(%)</translation>
    </message>
    <message>
        <source>Diff alarm(mV)</source>
        <translation>压差告警(mV)</translation>
    </message>
    <message>
        <source>Over current discharge 1</source>
        <translation>放电过流1</translation>
    </message>
    <message>
        <source>OCD alarm(A)</source>
        <translation>放电过流告警(A)</translation>
    </message>
    <message>
        <source>OCD Protect(A)  </source>
        <translation>放电过流保护(A)</translation>
    </message>
    <message>
        <source>OCD Delay (S)</source>
        <translation>放电过流延时(S)</translation>
    </message>
    <message>
        <source>OCD Release(A)</source>
        <translation>放电过流恢复(A)</translation>
    </message>
    <message>
        <source>OCD Latchlimit</source>
        <translation>放电过流锁定次数</translation>
    </message>
    <message>
        <source>Under voltage 1</source>
        <translation>欠压1</translation>
    </message>
    <message>
        <source>Cell UV alarm(mV)</source>
        <translation>单体欠压告警(mV)</translation>
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
        <translation>单体欠压保护(mV)</translation>
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
        <translation>总压欠压告警(V)</translation>
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
        <translation>总压欠压保护(V)</translation>
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
        <translation>MOS温度</translation>
    </message>
    <message>
        <source>FET alarm(℃)</source>
        <translation>MOS高温告警(℃)</translation>
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
        <translation>MOS高温保护(℃)</translation>
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
        <translation>恢复(℃)</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>环境温度</translation>
    </message>
    <message>
        <source>OTA alarm(℃)</source>
        <translation>环境高温告警(℃)</translation>
    </message>
    <message>
        <source>OTA_P(℃)</source>
        <translation>环境高温保护(℃)</translation>
    </message>
    <message>
        <source>UTA alarm(℃)</source>
        <translation>环境低温告警(℃)</translation>
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
        <translation>环境低温保护(℃)</translation>
    </message>
    <message>
        <source>Cells under temperature</source>
        <translation>电芯低温</translation>
    </message>
    <message>
        <source>UTC alarm(℃)</source>
        <translation>充电低温告警(℃)</translation>
    </message>
    <message>
        <source>UTC_P(℃)</source>
        <translation>充电低温保护(℃)</translation>
    </message>
    <message>
        <source>UTD alarm(℃)</source>
        <translation>放电低温告警(℃)</translation>
    </message>
    <message>
        <source>UTD_P(℃)</source>
        <translation>放电低温保护(℃)</translation>
    </message>
    <message>
        <source>Cell over temperature</source>
        <translation>电芯高温</translation>
    </message>
    <message>
        <source>OTC alarm(℃)</source>
        <translation>充电高温告警(℃)</translation>
    </message>
    <message>
        <source>OTC_P(℃)</source>
        <translation>充电高温保护(℃)</translation>
    </message>
    <message>
        <source>OTD alarm(℃)</source>
        <translation>放电高温告警(℃)</translation>
    </message>
    <message>
        <source>OTD_P(℃)</source>
        <translation>放电高温保护(℃)</translation>
    </message>
    <message>
        <source>Secondary protection</source>
        <translation>二级保护</translation>
    </message>
    <message>
        <source>Over voltage 2</source>
        <translation>过压2</translation>
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
        <translation>延时(mS)</translation>
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
        <translation>充电过流2</translation>
    </message>
    <message>
        <source>OCC2 alarm(A)</source>
        <translation>充电过流2告警(A)</translation>
    </message>
    <message>
        <source>OCC2 Protect(A)</source>
        <translation>充电过流2保护(A)</translation>
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
        <translation>充电过流2延时(mS)</translation>
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
        <translation>充电过流2恢复(A)</translation>
    </message>
    <message>
        <source>OCC2 Latchlimit</source>
        <translation>充电过流2锁定次数</translation>
    </message>
    <message>
        <source>Short circuit</source>
        <translation>短路</translation>
    </message>
    <message>
        <source>SCD Protect(A)</source>
        <translation>短路保护(A)</translation>
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
        <translation>短路延时(uS)</translation>
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
        <translation>短路恢复(A)</translation>
    </message>
    <message>
        <source>SCD Latchlimit </source>
        <translation>短路锁定次数</translation>
    </message>
    <message>
        <source>Overcurrent discharge 2</source>
        <translation>放电过流2</translation>
    </message>
    <message>
        <source>OCD2 alarm(A)</source>
        <translation>放电过流2告警(A)</translation>
    </message>
    <message>
        <source>OCD2 Protect(A)</source>
        <translation>放电过流2保护(A)</translation>
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
        <translation>放电过流2延时(mS)</translation>
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
        <translation>放电过流2恢复(A)</translation>
    </message>
    <message>
        <source>OCD2 Latchlimit </source>
        <translation>放电过流2锁定次数</translation>
    </message>
    <message>
        <source>OCD3 alarm(A)</source>
        <translation>放电过流3告警(A)</translation>
    </message>
    <message>
        <source>OCD3 Protect(A)</source>
        <translation>放电过流3保护(A)</translation>
    </message>
    <message>
        <source>OCD3 Delay (mS)</source>
        <translation>放电过流3延时(mS)</translation>
    </message>
    <message>
        <source>OCD3 Release(A)</source>
        <translation>放电过流3恢复(A)</translation>
    </message>
    <message>
        <source>OCD3 Latchlimit </source>
        <translation>放电过流3锁定次数</translation>
    </message>
    <message>
        <source>Under voltage 2</source>
        <translation>欠压2</translation>
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
        <translation>芯片选择</translation>
    </message>
    <message>
        <source>AFE model</source>
        <translation>AFE型号</translation>
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
        <translation>请先打开串口</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>reading completed</source>
        <translation>读取完成</translation>
    </message>
    <message>
        <source>Are you sure you want to write ?</source>
        <translation>确定要写入吗？</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
    <message>
        <source> Parameter error, please check the parameters !</source>
        <translation>参数错误，请检查参数！</translation>
    </message>
    <message>
        <source>Please read the parameters first</source>
        <translation>请先读取参数</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>file ( *.xml)</source>
        <translation>文件 ( *.xml)</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Battery parameters</source>
        <translation>电池参数</translation>
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
        <translation>剩余容量(AH)</translation>
    </message>
    <message>
        <source>Design Capacity(AH)</source>
        <translation>设计容量(AH)</translation>
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
        <translation>电芯串数</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Number of cycles</source>
        <translation>循环次数</translation>
    </message>
    <message>
        <source>Cells NTC Number</source>
        <translation>电芯NTC数量</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Full Capacity(AH)</source>
        <translation>满充容量(AH)</translation>
    </message>
    <message>
        <source>Lithium iron</source>
        <translation>磷酸铁锂</translation>
    </message>
    <message>
        <source>Lithium ternary</source>
        <translation>三元锂</translation>
    </message>
    <message>
        <source>Nanobattery</source>
        <translation>钠电池</translation>
    </message>
    <message>
        <source>Lithium titanate</source>
        <translation>钛酸锂</translation>
    </message>
    <message>
        <source>Battery Type</source>
        <translation>电池类型</translation>
    </message>
    <message>
        <source>System switch enable</source>
        <translation>系统开关使能</translation>
    </message>
    <message>
        <source>PWR enable </source>
        <translation>电源使能</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Buzzer enable</source>
        <translation>蜂鸣器使能</translation>
    </message>
    <message>
        <source>LED alarm EN</source>
        <translation>LED告警使能</translation>
    </message>
    <message>
        <source>Trip enable</source>
        <translation>脱扣使能</translation>
    </message>
    <message>
        <source>Sleep enable</source>
        <translation>休眠使能</translation>
    </message>
    <message>
        <source>System information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <source>Update Flag</source>
        <translation>升级标志</translation>
    </message>
    <message>
        <source>Modifi date</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>Update counts</source>
        <translation>升级次数</translation>
    </message>
    <message>
        <source>WRSSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit parametes</source>
        <translation>限流参数</translation>
    </message>
    <message>
        <source>Passive</source>
        <translation>被动</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>主动</translation>
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
        <translation>限流使能</translation>
    </message>
    <message>
        <source>Limit current(A)</source>
        <translation>限流电流(A)</translation>
    </message>
    <message>
        <source>Limit model</source>
        <translation>限流模式</translation>
    </message>
    <message>
        <source>Heating parameters</source>
        <translation>加热参数</translation>
    </message>
    <message>
        <source>Enable switch</source>
        <translation>使能开关</translation>
    </message>
    <message>
        <source>Open Threshold(℃) </source>
        <translation>开启温度(℃)</translation>
    </message>
    <message>
        <source>Close Threshold(℃)</source>
        <translation>关闭温度(℃)</translation>
    </message>
    <message>
        <source>Power management parameters</source>
        <translation>功耗管理参数</translation>
    </message>
    <message>
        <source>Cells Sleep volt(mV)</source>
        <translation>单体休眠电压(mV)</translation>
    </message>
    <message>
        <source>Current sensor(uΩ)</source>
        <translation>采样电阻(uΩ)</translation>
    </message>
    <message>
        <source>Self consumption(mA)</source>
        <translation>自耗电(mA)</translation>
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
        <translation>单体船运电压(mV)</translation>
    </message>
    <message>
        <source>Idle Sleep Delay(min)</source>
        <translation>静置休眠延时(min)</translation>
    </message>
    <message>
        <source>Inspection time(min)</source>
        <translation>巡检间隔(min)</translation>
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
        <translation>配置</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Read all</source>
        <translation>全部读取</translation>
    </message>
    <message>
        <source>Write all</source>
        <translation>全部写入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Set default parameters</source>
        <translation>恢复默认参数</translation>
    </message>
    <message>
        <source>Balanced settings</source>
        <translation>均衡设置</translation>
    </message>
    <message>
        <source>Idle balance</source>
        <translation>静置均衡</translation>
    </message>
    <message>
        <source>Voltage diff(mV)</source>
        <translation>均衡压差(mV)</translation>
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
        <translation>均衡开启电压(mV)</translation>
    </message>
    <message>
        <source>Please open the serial port first</source>
        <translation>请先打开串口</translation>
    </message>
    <message>
        <source>reading completed</source>
        <translation>读取完成</translation>
    </message>
    <message>
        <source>Are you sure you want to write ?</source>
        <translation>确定要写入吗？</translation>
    </message>
    <message>
        <source> Parameter error, please check the parameters !</source>
        <translation>参数错误，请检查参数！</translation>
    </message>
    <message>
        <source>Please read the parameters first</source>
        <translation>请先读取参数</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>system param</source>
        <translation>系统参数</translation>
    </message>
    <message>
        <source>file ( *.xml)</source>
        <translation>文件 ( *.xml)</translation>
    </message>
    <message>
        <source>info</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>警告！</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>The file %1 was not written: the parameter %2 holds a control character, which a parameter file cannot hold.</source>
        <translation>未写入文件 %1：参数 %2 含有参数文件无法保存的控制字符。</translation>
    </message>
    <message>
        <source>Cannot open the file %1 for writing: %2.</source>
        <translation>无法打开文件 %1 进行写入：%2。</translation>
    </message>
    <message>
        <source>Cannot write the file %1: %2.</source>
        <translation>无法写入文件 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2.</source>
        <translation>无法打开文件 %1：%2。</translation>
    </message>
    <message>
        <source>The file %1 is not a valid parameter file: %2 (line %3, column %4).</source>
        <translation>文件 %1 不是有效的参数文件：%2（第 %3 行，第 %4 列）。</translation>
    </message>
    <message>
        <source>The file %1 holds no parameters.</source>
        <translation>文件 %1 不含任何参数。</translation>
    </message>
    <message>
        <source>%1 entries of the file %2 were not applied: their Index is missing, not a number or not between 1 and %3.</source>
        <translation>文件 %2 中有 %1 项未应用：其 Index 缺失、不是数字或不在 1 到 %3 之间。</translation>
    </message>
    <message>
        <source>%1 values of the file %2 were not applied: their lists offer no such item in any of the program&apos;s languages (Index %3).</source>
        <translation>文件 %2 中有 %1 个值未应用：其列表在本程序的任何语言中都没有这一项（Index %3）。</translation>
    </message>
</context>
</TS>
