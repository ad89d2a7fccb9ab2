#include "usertables.h"

const QVector<UserValueField> &userValueFields()
{
    using K = UserValueKind;
    static const QVector<UserValueField> fields = {
        {UserWriteInverter, "comboBoxCanbus", K::ProtocolIndex, 0, 1, 0, false, 0, 255},
        {UserWriteInverter, "comboBoxRs485", K::ProtocolIndex, 1, 1, 0, false, 0, 255},
        {UserWriteInverter, "comboBoxMaxChargingVolt", K::Scaled16, 2, 10, 1, false, 1, 65535},
        {UserWriteInverter, "comboBoxMaxChargingCur", K::Scaled16, 4, 10, 1, true, -32768, 32767},
        {UserWriteInverter, "comboBoxMaxDischargingCur", K::Scaled16, 6, 10, 1, true, -32768, 32767},
        {UserWriteInverter, "comboBoxDischargeCutOff", K::Scaled16, 8, 10, 1, false, 1, 65535},
        {UserWriteInverter, "comboBoxForcedChargeRequest1SOC", K::Whole16, 10, 1, 0, false, 1, 100},
        {UserWriteInverter, "comboBoxForcedChargeRelease1SOC", K::Whole16, 12, 1, 0, false, 1, 100},
        {UserWriteInverter, "comboBoxForcedChargeRequest2SOC", K::Whole16, 14, 1, 0, false, 1, 100},
        {UserWriteInverter, "comboBoxForcedChargeRelease2SOC", K::Whole16, 16, 1, 0, false, 1, 100},
        {UserWriteCom, "comboBoxBmsAdrss", K::Whole8, 148, 1, 0, false, 0, 255},
        {UserWriteCom, "comboBoxCanBaud", K::Whole16, 150, 1, 0, false, 1, 65535},
        {UserWriteCom, "comboBoxUart1Baud", K::Whole32, 156, 1, 0, false, 1, 0xFFFFFFFFLL},
        {UserWriteCom, "comboBoxUart2Baud", K::Whole32, 160, 1, 0, false, 1, 0xFFFFFFFFLL},
        {UserWriteCom, "comboBoxUart3Baud", K::Whole32, 164, 1, 0, false, 1, 0xFFFFFFFFLL},
        {UserWriteCom, "comboBoxUart4Baud", K::Whole32, 168, 1, 0, false, 1, 0xFFFFFFFFLL},
        {UserWriteCom, "comboBoxUart5Baud", K::Whole32, 172, 1, 0, false, 1, 0xFFFFFFFFLL},
    };
    return fields;
}

const QVector<TextField> &productionTextFields()
{
    static const QVector<TextField> fields = {
        {"lineEditBMS_SN", BmsSnOffset, SerialNumberWidth},
        {"lineEditPack_SN", PackSnOffset, SerialNumberWidth},
        {"lineEditManufactureDate", 88, 10},
        {"lineEditManufactureName", 98, 8},
        {"lineEditOrderNumber", 106, 20},
        {"lineEditBatteryName", 126, 20},
    };
    return fields;
}

const QVector<TextField> &wifiTextFields()
{
    static const QVector<TextField> fields = {
        {"lineEdit_serverAddress", 0, 50},
        {"lineEdit_mqttPort", 50, 8},
        {"lineEdit_clientID", 58, 40},
        {"lineEdit_mqttUsername", 98, 64},
        {"lineEdit_mqttPassword", 162, 40},
        {"lineEdit_wifi_ssid", 204, 20},
        {"lineEdit_wifi_password", 224, 20},
    };
    return fields;
}

const QVector<CalibrationRow> &calibrationRows()
{
    static const QVector<CalibrationRow> rows = {
        // The zero-current calibration carries no value: the BMS takes its own zero.
        {"btnZeroCurrentCalibration", "btnResetCalibration_zero", "lineEditZeroCurrent", 0, 1, 0, 1000, 3,
         true, -32768, 32767, false},
        {"btnDischargingCurrentCalibration", "btnResetCalibration_discharging_current",
         "lineEditDischargingCurrentCalibration", 2, 3, 2, 100, 2, true, -32768, 32767, true},
        {"btnChargingCurrentCalibration", "btnResetCalibration_charging_current",
         "lineEditChargingCurrentCalibration", 4, 5, 4, 100, 2, true, -32768, 32767, true},
        {"btnCellReferenceVoltCalibration", "btnResetCalibration_cells", "lineEditCellReferenceVolt", 6, 7, 6, 1,
         0, false, 1, 65535, true},
        {"btnPackReferenceVoltCalibration", "btnResetCalibration_Pack", "lineEditPackReferenceVolt", 8, 9, 8, 100,
         2, false, 1, 65535, true},
    };
    return rows;
}

QString lineLossEditName(int number)
{
    return QStringLiteral("lineEditLinelossValue_%1").arg(number, 2, 10, QLatin1Char('0'));
}

QByteArray textFieldBytes(const QString &text, int width)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.isEmpty() || utf8.size() > width || utf8.contains('\0'))
        return QByteArray();
    return utf8;
}
