#pragma once

#include "pagetranslator.h"

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;

namespace Ui {
class SettingsWindow;
}

// The system-settings page: battery, power management, balance, heating,
// current limit and switch settings of the BMS, its system information, and
// the page's XML parameter file. The page never talks to the serial link: it
// raises request flags in the data area and fills its widgets from the
// system-setting record when the link has stored a reply.
class SettingsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsWindow(QWidget *parent = nullptr);
    ~SettingsWindow() override;

    // The main window's first click on its System button while the port is open.
    void onMainWindowSystemSettingClicked();

    // Confirms, validates and encodes every group whose write flag is raised,
    // and arms the write when every value was accepted.
    void writeSystemSettingParameters();

    // The 28 parameters in file order.
    const QList<QLabel *> &titleList() const { return settingsTitleList; }
    const QList<QComboBox *> &valueList() const { return settingsValueList; }

public slots:
    void on_btnSystemParameterReadAll_clicked();
    void timeUpdateSystemSettingParmeters();
    void updateSystemSettingParmeters();
    void on_btnBatteryParametersRead_clicked();
    void on_btnBalanceSettingsRead_clicked();
    void on_btnSysInformationRead_clicked();
    void on_btnPowerParametersRead_clicked();
    void on_btnHeatingParameterRead_clicked();
    void on_btnSystemSwitchEnableRead_clicked();
    void on_btnLimitSetingRead_clicked();
    void on_btnBatteryParametersWrite_clicked();
    void on_btnPowerParametersWrite_clicked();
    void on_btnBalanceSettingsWrite_clicked();
    void on_btnHeatingParameterWrite_clicked();
    void on_btnLimitSetingWrite_clicked();
    void on_btnSystemSwitchEnableWrite_clicked();
    void on_btnSystemParameterWirteAll_clicked();
    void change_trans(int language);
    void saveXMLNode(QDomDocument *doc, QDomElement *root, int index, QString name, QString value);
    void initSettingsTitle();
    void initSettingsValue();
    void on_btnSystemParameterImport_clicked();
    void on_btnSystemParameterExport_clicked();

private:
    void requestRead(const QList<int> &readFlags);
    void requestWrite(const QList<int> &writeFlags);
    bool encodeGroup(int writeFlag, struct BmsSystemSettingRecord &record, int *refused) const;
    void lowerRaisedFlags();

    Ui::SettingsWindow *ui = nullptr;
    QTimer *pollTimer = nullptr;
    QList<QLabel *> settingsTitleList;
    QList<QComboBox *> settingsValueList;
    PageTranslator translator;
    // Write flags raised by the press being handled.
    QList<int> raisedByPress;
    // Every write flag of the press being handled.
    QList<int> pressFlags;
    // The session each group's values were shown in, by read request byte: a
    // group is written only while they belong to the current one.
    quint32 shownIn[8] = {};
};
