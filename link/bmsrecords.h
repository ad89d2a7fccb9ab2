#pragma once

#include "registerimage.h"

// Live data, reply to command 0x01 (60 registers).
struct BmsRealtimeRecord : RegisterImage<120>
{
    static constexpr int CellSlots = 24;
    static constexpr int SensorSlots = 6;

    quint16 packVoltage() const { return u16(0); }          // 10 mV
    qint16 packCurrent() const { return s16(2); }           // 10 mA, negative while discharging
    quint8 soc() const { return u8(4); }                    // %
    quint8 soh() const { return u8(5); }                    // %
    quint8 maxTempSensor() const { return u8(6); }
    quint8 minTempSensor() const { return u8(7); }
    qint16 maxCellTemp() const { return s16(8); }           // 0.1 degC
    qint16 minCellTemp() const { return s16(10); }          // 0.1 degC
    quint8 maxVoltageCell() const { return u8(12); }
    quint8 minVoltageCell() const { return u8(13); }
    quint16 maxCellVoltage() const { return u16(14); }      // mV
    quint16 minCellVoltage() const { return u16(16); }      // mV
    quint16 cycleCount() const { return u16(18); }
    quint16 remainingCapacity() const { return u16(20); }   // 0.01 Ah
    quint16 fullCapacity() const { return u16(22); }        // 0.01 Ah
    qint16 ambientTemp() const { return s16(24); }          // 0.1 degC
    qint16 mosfetTemp() const { return s16(26); }           // 0.1 degC
    quint8 sensorCount() const { return u8(28); }
    quint8 cellCount() const { return u8(29); }
    // Sensor 1 is index 0.
    qint16 sensorTemp(int index) const { return s16(30 + 2 * index); }
    // Cell 1 is index 0.
    quint16 cellVoltage(int index) const { return u16(42 + 2 * index); }
    quint32 balanceBits() const { return u32(90); }
    QString softwareVersion() const { return text(94, 8); }
    quint16 systemStateWord() const { return u16(102); }
    quint16 faultWord() const { return u16(104); }
    quint32 alarmWord() const { return u32(108); }
    quint32 protectionWord1() const { return u32(112); }
    quint32 protectionWord2() const { return u32(116); }
};

// Primary protection block, commands 0x02 / 0x03 (126 registers).
struct PrimaryProtectionRecord : RegisterImage<252>
{
};

// Secondary (AFE) protection block, commands 0x04 / 0x05 (50 registers).
struct SecondaryProtectionRecord : RegisterImage<100>
{
    static constexpr int AfeModelRegister = 49;
    quint16 afeModel() const { return reg(AfeModelRegister); }
};

// WiFi/MQTT block, commands 0x06 / 0x07 (122 registers).
struct BmsWifiMqttRecord : RegisterImage<244>
{
};

// System settings, commands 0x0B / 0x0C (49 registers).
struct BmsSystemSettingRecord : RegisterImage<98>
{
    quint16 batteryType() const { return u16(2); }
    quint16 heatingEnable() const { return u16(72); }
    quint8 balanceEnable() const { return u8(66); }
    quint8 limitEnable() const { return u8(92); }
    qint16 wrssi() const { return s16(86); }
    quint16 systemSwitchEnable() const { return u16(96); }
};

// One stored history entry, command 0x11 (52 registers).
struct BmsHistoryRecord : RegisterImage<104>
{
    quint16 recordCount() const { return u16(0); }
};

// User settings, commands 0x17 / 0x18 (88 registers).
struct BmsUserSettingRecord : RegisterImage<176>
{
    // The BMS clock: year - 2000, month, day, hour, minute, second.
    static constexpr int ClockOffset = 42;
};

// The home page's copy of the last full user-setting reply.
struct BmsUserSettingMirror : RegisterImage<176>
{
    QString bmsSerialNumber() const { return text(48, 20); }
    QString packSerialNumber() const { return text(68, 20); }
};

// Registers 24 to 43 of the user-setting block, the identity handshake's reply.
struct BmsIdentityBlock : RegisterImage<40>
{
    QString bmsSerialNumber() const { return text(0, 20); }
    QString packSerialNumber() const { return text(20, 20); }
};

// Calibration and line loss, commands 0x1D / 0x1E (29 registers).
struct BmsCalibrationRecord : RegisterImage<58>
{
};
