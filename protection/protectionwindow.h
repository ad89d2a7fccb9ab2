#pragma once

#include "bmsdataarea.h"
#include "pagetranslator.h"
#include "protectiontables.h"

#include <QHash>
#include <QList>
#include <QVector>
#include <QWidget>

class QComboBox;
class QLabel;
class QTimer;

namespace Ui {
class ProtectionWindow;
}

// The protection-parameter page: reads, writes, exports and imports the
// primary and secondary (AFE) protection parameters of the BMS.
class ProtectionWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ProtectionWindow(QWidget *parent = nullptr);
    ~ProtectionWindow() override;

    // Encodes every group whose write flag is raised and arms the write.
    void writeProtectionParameters();

public slots:
    void on_btnReadAllProtect_1_clicked();
    void updateProtectionParmeters();
    void timeupdateProtectionParmeters();

    void on_btnOV1Read_clicked();
    void on_btnUV1Read_clicked();
    void on_btnOCC1Read_clicked();
    void on_btnOCD1Read_clicked();
    void on_btnOT_Read_clicked();
    void on_btnMOSFET_Read_clicked();
    void on_btnUT_Read_clicked();
    void on_btnOTA_Read_clicked();
    void on_btnSOC_Read_clicked();

    void on_btnOV1Write_clicked();
    void on_btnUV1Write_clicked();
    void on_btnOCC1Write_clicked();
    void on_btnOCD1Write_clicked();
    void on_btnOT_Write_clicked();
    void on_btnUT_Write_clicked();
    void on_btnMOSFET_Write_clicked();
    void on_btnSOC_Write_clicked();
    void on_btnWriteAllProtect_1_clicked();

    void on_btnOV2_Read_clicked();
    void on_btnUV2_Read_clicked();
    void on_btnOCC2_Read_clicked();
    void on_btnOCD2_Read_clicked();
    void on_btnSCD_Read_clicked();
    void on_btnReadAllProtect_2_clicked();

    void on_btnOTA_Write_clicked();
    void on_btnWriteAllProtect_2_clicked();
    void on_btnOV2_Write_clicked();
    void on_btnUV2_Write_clicked();
    void on_btnSCD_Write_clicked();
    void on_btnOCC2_Write_clicked();
    void on_btnOCD2_Write_clicked();

    void change_trans(int language);

    void on_btnImportProtection1Param_clicked();
    void on_btnExportProtection1Param_clicked();
    void on_btnExportProtection2Param_clicked();
    void on_btnImportProtection2Param_clicked();

    void on_comboBoxAFEmodel_currentIndexChanged(int index);
    void on_tabWidgetProtect_tabBarClicked(int index);

    // The main window's first Protect click with the port open.
    void onMainWindowProtectClicked();

private:
    void initAlarmTitle();
    void initAlarmValue();
    void initAlarm2Title();
    void initAlarm2Value();

    QComboBox *combo(const char *name) const;

    void readPressed(BmsBlock block, const QVector<int> &flags);
    void writePressed(BmsBlock block, const QVector<int> &flags);
    void lowerPressFlags();

    void fillGroup(const ProtectionGroup &group, const quint8 *record);
    void showAfeModel(quint16 model);
    void announceReadingCompleted();
    void applyModelSTexts();

    void exportParameters(const QList<QLabel *> &titles, const QList<QComboBox *> &values,
                          const QString &proposedName);
    void importParameters(const QList<QComboBox *> &values, bool afeModelFirst);

    Ui::ProtectionWindow *ui = nullptr;
    QTimer *pollTimer = nullptr;
    QList<QLabel *> alarmTitleList;
    QList<QComboBox *> alarmValueList;
    QList<QLabel *> alarm2TitleList;
    QList<QComboBox *> alarm2ValueList;

    QHash<QString, QComboBox *> combos;
    PageTranslator translator;
    // Read-alls made by a tab click: the first click with the port open reads its tab, once.
    quint32 protectTabAutoReadCount = 0;

    // Write flags raised by the press being handled (block, flag index).
    QVector<QPair<BmsBlock, int>> pressRaised;
    // The session each group's values were shown in (by block, then read
    // flag): a group is written only while they belong to the current one.
    quint32 groupShownIn[2][PrimaryReadFlagCount] = {};
    quint32 &shownSessionOf(const ProtectionGroup &group);
    // Every write flag of the press being handled, raised or not before it.
    QVector<QPair<BmsBlock, int>> pressFlags;
};
