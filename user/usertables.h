#pragma once

#include "bmsrecords.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

// The field maps of the user page's records and the rules by which a typed
// value is accepted, read by the fills and the write paths alike.

// Request bytes of userSettingReadFlags.
enum UserReadFlag {
    UserReadAllMarker = 0,
    UserReadCom = 1,
    UserReadProduction = 2,
    UserReadVersion = 3,
    UserReadInverter = 4,
};

// Write bytes of userSettingWriteFlags.
enum UserWriteFlag {
    UserWriteAllMarker = 0,
    UserWriteCom = 1,
    UserWriteRtc = 2,
    UserWriteProduction = 3,
    UserWriteInverter = 4,
};
constexpr int UserWriteFlagCount = 5;

// How a value travels between its combo box and its field of the user-setting record.
enum class UserValueKind {
    ProtocolIndex,   // the item index, one byte
    Scaled16,        // decimal in display units times `scale`, rounded, 16 bits
    Whole8,          // whole number, one byte
    Whole16,         // whole number, 16 bits
    Whole32,         // whole number, 32 bits
};

struct UserValueField
{
    int group;             // UserWriteInverter or UserWriteCom
    const char *comboName;
    UserValueKind kind;
    int offset;            // byte offset in BmsUserSettingRecord
    double scale;          // Scaled16: display units to the record's unit
    int decimals;          // Scaled16: decimals shown
    bool isSigned;         // the stored value is signed
    qint64 minimum;        // accepted range of the stored value (a scaled value is
    qint64 maximum;        // never 0; a whole number may be 0 only where the minimum says so)
};

// A fixed-width text field of a record, UTF-8, zero-filled.
struct TextField
{
    const char *lineEditName;
    int offset;
    int width;
};

// The inverter and communication values in the order they are validated.
const QVector<UserValueField> &userValueFields();

// The six production texts of BmsUserSettingRecord, in record order.
const QVector<TextField> &productionTextFields();
constexpr int BmsSnOffset = 48;
constexpr int PackSnOffset = 68;
constexpr int SerialNumberWidth = 20;

// Version texts and the clock.
constexpr int HardwareVersionOffset = 18;
constexpr int SoftwareVersionOffset = 26;
constexpr int ProtocolVersionOffset = 34;
constexpr int VersionWidth = 8;
constexpr int RtcOffset = BmsUserSettingRecord::ClockOffset;

// The seven texts of BmsWifiMqttRecord, in record order.
const QVector<TextField> &wifiTextFields();
constexpr int WifiReservedRegister = 101;

// One calibration row: its Calibration and Reset buttons, its value and the
// bytes of calibrationCommandFlags they raise.
struct CalibrationRow
{
    const char *calibrateButton;
    const char *resetButton;
    const char *lineEditName;
    int calibrateFlag;     // index into calibrationCommandFlags
    int resetFlag;
    int offset;            // byte offset of the value in BmsCalibrationRecord
    double scale;          // display units to the record's unit
    int decimals;          // decimals shown; 0: a whole number
    bool isSigned;
    qint64 minimum;        // accepted range of the stored value (0 is never accepted)
    qint64 maximum;
    bool takesValue;       // false: the operation carries no value of the operator
};

const QVector<CalibrationRow> &calibrationRows();
// The pair of a calibrationCommandFlags byte.
constexpr int calibrationPair(int flag) { return flag / 2; }

constexpr int LineLossCount = 18;
constexpr int LineLossOffset = 10;
constexpr int LineLossFirstRegister = 5;
QString lineLossEditName(int number);   // number 1 to 18

// Text as it goes into a fixed-width field: its UTF-8 bytes, or an empty array
// when it is refused: empty, more bytes than the field holds (a text is never
// cut) or holding a NUL, which would not read back.
QByteArray textFieldBytes(const QString &text, int width);
