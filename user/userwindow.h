#pragma once

#include "bmsdataarea.h"
#include "pagetranslator.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QLineEdit;
class QTimer;

namespace Ui {
class UserWindow;
}

// The user page: inverter protocol and limits, communication parameters,
// production and version information, the BMS clock and reset, calibration
// and line loss, WiFi/MQTT parameters, the page's language selector and the
// access code. The page never talks to the serial link: it raises request
// bytes in the data area and fills its widgets from the records the link
// stores there.
class UserWindow : public QWidget
{
    Q_OBJECT

public:
    explicit UserWindow(QWidget *parent = nullptr);
    ~UserWindow() override;

    // The PC clock that "Update the BMS RTC time" sends (the local time unless replaced).
    void setPcClock(std::function<QDateTime()> clock);

    // Confirms, validates and encodes the groups of the press being handled
    // into the user-setting record and arms the write when all were accepted.
    void writeUserSettingParameters();
    // Encodes the value of the calibration just asked for, or the line-loss
    // values for the line-loss Write.
    void writeCalibrationParameters();
    // Confirms, validates and encodes the seven WiFi/MQTT texts.
    void writeWifiParameters();

signals:
    void languageSwitchReceived(int language);

public slots:
    void onMainWindowUserClicked();
    void change_trans(int language);

    void on_btnInverterParametersRead_clicked();
    void on_btnVersionRead_clicked();
    void on_btnRTCRead_clicked();
    void on_btnProductionRead_clicked();
    void on_btnComRead_clicked();
    void on_btnUserReadAll_clicked();
    void on_btnCalibrationRead_clicked();
    void on_btnCalibrationLineLossRead_clicked();
    void on_btnWifiParmRead_clicked();
    void on_btnResetBMS_clicked();

    void on_btnInverterParametersWrite_clicked();
    void on_btnProductionWrite_clicked();
    void on_btnComWrite_clicked();
    void on_btnUpdateSystemTime_clicked();
    void on_btnUserWriteAll_clicked();

    void on_btnZeroCurrentCalibration_clicked();
    void on_btnDischargingCurrentCalibration_clicked();
    void on_btnChargingCurrentCalibration_clicked();
    void on_btnCellReferenceVoltCalibration_clicked();
    void on_btnPackReferenceVoltCalibration_clicked();
    void on_btnResetCalibration_zero_clicked();
    void on_btnResetCalibration_discharging_current_clicked();
    void on_btnResetCalibration_charging_current_clicked();
    void on_btnResetCalibration_cells_clicked();
    void on_btnResetCalibration_Pack_clicked();
    void on_btnCalibrationLineLossWrite_clicked();

    void on_btnWifiParmSetting_clicked();

    void on_comboBoxLanguage_currentIndexChanged(int index);
    void on_lineEditPassword_textChanged(const QString &text);

    void timeUpdateUserSettingBMSversion();
    void timeUpdateUserSettingParmeters();
    void updateUserSettingParmeters();
    void timeUpdateCalibrationParmeters();
    void updateCalibrationParmeters();
    void timeUpdateUserwifiParmeters();
    void updateUserSettingWifiParmeters();

private:
    // The groups whose values the page shows from the BMS. Each is written only
    // once the page has shown it from a reply since the port was opened, so a
    // write never sends the form's presets or another BMS's values.
    enum ShownGroup { ShownInverter, ShownProduction, ShownCom, ShownLineLoss, ShownWifi, ShownGroupCount };
    // A text field as a read filled it: a field left so goes back byte for byte.
    struct ReadText
    {
        QString text;
        QByteArray bytes;
    };

    bool portOpenOrRefuse();
    bool confirmWrite();
    void requestUserRead(const QList<int> &readFlags);
    void requestUserWrite(const QList<int> &writeFlags);
    void requestCalibration(int flag);
    bool beginWritePress(BmsBlock block, const QList<int> &writeFlags, const QList<ShownGroup> &groups);
    void armPressedWrite();
    void lowerRaisedFlags();
    bool encodeUserGroup(int writeFlag, struct BmsUserSettingRecord &record, int *refused) const;
    void refuseParameters();
    void setProductionLocked(bool locked);
    void markShown(ShownGroup group);
    bool groupShown(ShownGroup group);
    static BmsBlock shownBlock(ShownGroup group);
    void showText(QLineEdit *edit, const QString &text, const QByteArray &bytes);
    QByteArray textToWrite(const QLineEdit *edit, int width) const;

    Ui::UserWindow *ui = nullptr;
    QTimer *userPollTimer = nullptr;
    QTimer *wifiPollTimer = nullptr;
    QTimer *versionPollTimer = nullptr;
    PageTranslator translator;
    // The block and write bytes of the press being handled, and those it raised.
    BmsBlock pressedBlock = BlockUserSetting;
    QList<int> pressedGroups;
    QList<int> raisedByPress;
    // For each group, the link's read session in which it was last filled
    // from the BMS, plus one; 0 when never.
    quint32 shownInSession[ShownGroupCount] = {};
    QHash<const QLineEdit *, ReadText> readTexts;
    // The calibration byte of the press being handled, or -1 for the line-loss Write.
    int pressedCalibration = -1;
    // The calibration byte was lowered before the press being handled.
    bool calibrationRaisedByPress = false;
    // A write confirmation is open.
    bool confirming = false;
};
