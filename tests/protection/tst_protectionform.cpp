// The protection page's form as uic builds it: widget tree, value lists,
// initial states, translated texts and the arrangement of the groups.

#include <QtTest>
#include <iterator>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>

#include "ui_protectionwindow.h"

namespace {

// One parameter row: its group, its label and its value combo box.
// samples lists "position=text" pairs separated by ";".
struct ParamRow
{
    const char *group;
    const char *label;
    const char *labelText;
    bool labelEnabled;
    const char *combo;
    int items;
    bool comboEnabled;
    const char *samples;
};

const char *const ALARM_SAMPLES = "1=10;2=20;3=50;4=40;5=60;9=100;10=105;18=145;19=155;32=220;33=230;43=330";
const char *const PROTECT_SAMPLES = "1=20;2=50;3=40;4=60;17=145;18=155;42=330";
const char *const DELAY_SAMPLES = "1=1;5=5;10=10";
const char *const HOT_SAMPLES = "1=55;8=62;16=70";
const char *const COLD_SAMPLES = "1=5;2=0;3=-5;11=-45";
const char *const LATCH_SAMPLES = "1=0;6=5;11=10";
const char *const ONE_TO_FIVE = "1=1;3=3;5=5";
const char *const DELAY16_SAMPLES = "0=10mS;4=80mS;5=100mS;9=800mS;10=1S;15=20S";
const char *const CELL_RELEASE_SAMPLES = "1=3350;10=3800;11=3900;12=4000;13=4150;16=4300";
const char *const CELL_OV_SAMPLES = "1=3550;6=3800;7=4150;10=4300";

// Rows top to bottom within each group; groupBoxProtectOCD2 lists its left
// column, then its right column.
const ParamRow ROWS[] = {
    // primary tab
    {"groupBoxProtectOV1", "labelCellOV1alarm", "Cell OV alarm(mV)", true, "comboBoxCellOV1alarm", 11, true, CELL_OV_SAMPLES},
    {"groupBoxProtectOV1", "labelCellOVP1", "Cell OVP(mV)", true, "comboBoxCellOVP1", 11, true, CELL_OV_SAMPLES},
    {"groupBoxProtectOV1", "labelCellOV1Delay", "Delay (S)", true, "comboBoxCellOV1Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectOV1", "labelCellOV1Release", "Release(mV)", true, "comboBoxCellOV1Release", 17, true, CELL_RELEASE_SAMPLES},
    {"groupBoxProtectOV1", "labelPackOV1alarm", "Pack OV alarm(V)", true, "comboBoxPackOV1alarm", 4, true, "1=54.00;2=56.00;3=57.60"},
    {"groupBoxProtectOV1", "labelPackOVP1", "Pack OVP(V)", true, "comboBoxPackOVP1", 4, true, "1=55.00;2=56.00;3=57.60"},
    {"groupBoxProtectOV1", "labelPackOV1Delay", "Delay (S)", true, "comboBoxPackOV1Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectOV1", "labelPackOV1Release", "Release(V)", true, "comboBoxPackOV1Release", 9, true, "1=50.00;4=53.00;5=54.00;6=56.00;7=57.60;8=54.00"},

    {"groupBoxProtectUV1", "labelCellUV1alarm", "Cell UV alarm(mV)", true, "comboBoxCellUV1alarm", 12, true, "1=2900;3=2800;6=2650;11=2400"},
    {"groupBoxProtectUV1", "labelCellUVP1", "Cell UVP(mV)", true, "comboBoxCellUVP1", 15, true, "1=2900;2=2850;3=2750;8=2500;14=2200"},
    {"groupBoxProtectUV1", "labelCellUV1Delay", "Delay (S)", true, "comboBoxCellUV1Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectUV1", "labelCellUV1Release", "Release(mV)", true, "comboBoxCellUV1Release", 21, true, "1=2500;11=3000;20=3450"},
    {"groupBoxProtectUV1", "labelPackUV1alarm", "Pack UV alarm(V)", true, "comboBoxPackUV1alarm", 8, true, "1=39.00;4=42.00;7=45.00"},
    {"groupBoxProtectUV1", "labelPackUVP1", "Pack UVP(V)", true, "comboBoxPackUVP1", 8, true, "1=39.00;4=42.00;7=45.00"},
    {"groupBoxProtectUV1", "labelPackUV1Delay", "Delay (S)", true, "comboBoxPackUV1Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectUV1", "labelPackUV1Release", "Release(V)", true, "comboBoxPackUV1Release", 17, true, "1=39.00;8=46.00;16=54.00"},

    {"groupBoxProtectOCC1", "labelOCC1alarm", "OCC alarm(A)", true, "comboBoxOCC1alarm", 44, true, ALARM_SAMPLES},
    {"groupBoxProtectOCC1", "labelOCCP1", "OCC Protect(A)", true, "comboBoxOCCP1", 43, true, PROTECT_SAMPLES},
    {"groupBoxProtectOCC1", "labelOCC1Delay", "OCC Delay (S)", true, "comboBoxOCC1Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectOCC1", "labelOCC1Release", "OCC Release(A)", true, "comboBoxOCC1Release", 6, true, "1=-1;3=-3;5=-5"},
    {"groupBoxProtectOCC1", "labelOCC1Latchlimit", "OCC Latchlimit  ", true, "comboBoxOCC1Latchlimit", 12, true, LATCH_SAMPLES},
    {"groupBoxProtectOCC1", "labelOCC1ReleaseTime", "ReleaseTime(S)", true, "comboBoxOCC1ReleaseTime", 6, true, ONE_TO_FIVE},

    {"groupBoxProtectOCD1", "labelOCD1alarm", "OCD alarm(A)", true, "comboBoxOCD1alarm", 44, true, ALARM_SAMPLES},
    {"groupBoxProtectOCD1", "labelOCDP1", "OCD Protect(A)  ", true, "comboBoxOCDP1", 43, true, PROTECT_SAMPLES},
    {"groupBoxProtectOCD1", "labelOCD1Delay", "OCD Delay (S)", true, "comboBoxOCD1Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectOCD1", "labelOCD1Release", "OCD Release(A)", true, "comboBoxOCD1Release", 6, true, ONE_TO_FIVE},
    {"groupBoxProtectOCD1", "labelOCD1Latchlimit", "OCD Latchlimit", true, "comboBoxOCD1Latchlimit", 12, true, LATCH_SAMPLES},
    {"groupBoxProtectOCD1", "labelOCD1ReleaseTime", "ReleaseTime(S)", true, "comboBoxOCD1ReleaseTime", 6, true, ONE_TO_FIVE},

    {"groupBoxProtectOT", "labelOTC_alarm", "OTC alarm(℃)", true, "comboBoxOTC_alarm", 17, true, HOT_SAMPLES},
    {"groupBoxProtectOT", "labelOTC_P", "OTC_P(℃)", true, "comboBoxOTC_P", 17, true, HOT_SAMPLES},
    {"groupBoxProtectOT", "labelOTC_Delay", "Delay (S)", true, "comboBoxOTC_Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectOT", "labelOTC_Release", "Release(℃)", true, "comboBoxOTC_Release", 17, true, HOT_SAMPLES},
    {"groupBoxProtectOT", "labelOTD_alarm", "OTD alarm(℃)", true, "comboBoxOTD_alarm", 17, true, HOT_SAMPLES},
    {"groupBoxProtectOT", "labelOTD_P", "OTD_P(℃)", true, "comboBoxOTD_P", 17, true, HOT_SAMPLES},
    {"groupBoxProtectOT", "labelOTD_Delay", "Delay (S)", true, "comboBoxOTD_Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectOT", "labelOTD_Release", "Release(℃)", true, "comboBoxOTD_Release", 17, true, HOT_SAMPLES},

    {"groupBoxProtectUT", "labelUTC_alarm", "UTC alarm(℃)", true, "comboBoxUTC_alarm", 12, true, COLD_SAMPLES},
    {"groupBoxProtectUT", "labelUTC_P", "UTC_P(℃)", true, "comboBoxUTC_P", 12, true, COLD_SAMPLES},
    {"groupBoxProtectUT", "labelUTC_Delay", "Delay (S)", true, "comboBoxUTC_Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectUT", "labelUTC_Release", "Release(℃)", true, "comboBoxUTC_Release", 12, true, COLD_SAMPLES},
    {"groupBoxProtectUT", "labelUTD_alarm", "UTD alarm(℃)", true, "comboBoxUTD_alarm", 12, true, COLD_SAMPLES},
    {"groupBoxProtectUT", "labelUTD_P", "UTD_P(℃)", true, "comboBoxUTD_P", 12, true, COLD_SAMPLES},
    {"groupBoxProtectUT", "labelUTD_Delay", "Delay (S)", true, "comboBoxUTD_Delay", 11, true, DELAY_SAMPLES},
    {"groupBoxProtectUT", "labelUTD_Release", "Release(℃)", true, "comboBoxUTD_Release", 12, true, COLD_SAMPLES},

    {"groupBoxMOSFET", "labelFETalarm", "FET alarm(℃)", true, "comboBoxFETalarm", 42, true, "1=65;21=85;41=105"},
    {"groupBoxMOSFET", "labelFETprotect", "FET OTF(℃)", true, "comboBoxFETprotect", 17, true, HOT_SAMPLES},
    {"groupBoxMOSFET", "labelOTFdelay", "Delay (S)", true, "comboBoxOTFdelay", 11, true, DELAY_SAMPLES},
    {"groupBoxMOSFET", "labelOTFrelease", "Release(℃)", true, "comboBoxOTFrelease", 17, true, HOT_SAMPLES},

    {"groupBox", "labelOTA_alarm", "OTA alarm(℃)", true, "comboBoxOTA_alarm", 17, true, HOT_SAMPLES},
    {"groupBox", "labelOTA_P", "OTA_P(℃)", false, "comboBoxOTA_P", 17, false, HOT_SAMPLES},
    {"groupBox", "labelOTA_Delay", "Delay (S)", false, "comboBoxOTA_Delay", 11, false, DELAY_SAMPLES},
    {"groupBox", "labelOTA_Release", "Release(℃)", true, "comboBoxOTA_Release", 17, true, HOT_SAMPLES},
    {"groupBox", "labelUTA_alarm", "UTA alarm(℃)", true, "comboBoxUTA_alarm", 12, true, COLD_SAMPLES},
    {"groupBox", "labelUTA_P", "UTA_P(℃)", false, "comboBoxUTA_P", 12, false, COLD_SAMPLES},
    {"groupBox", "labelUTA_Delay", "Delay (S)", false, "comboBoxUTA_Delay", 11, false, DELAY_SAMPLES},
    {"groupBox", "labelUTA_Release", "Release(℃)", true, "comboBoxUTA_Release", 12, true, COLD_SAMPLES},

    {"groupBoxSOC_cut_off", "labelSOC_Alarm", "SOC alarm(%)", true, "comboBoxSOC_Alarm", 7, true, "1=25;3=15;6=0"},
    {"groupBoxSOC_cut_off", "labelSOC_cut_off", "SOC cut off(%)", true, "comboBoxSOC_cut_off", 6, true, "1=20;3=10;5=0"},
    {"groupBoxSOC_cut_off", "labelSOC_Delay", "Delay (S)", true, "comboBoxSOC_Delay", 11, false, DELAY_SAMPLES},
    {"groupBoxSOC_cut_off", "labelSOC_Release", "Release(%)", true, "comboBoxSOC_Release", 6, false, "1=20;3=10;5=0"},
    {"groupBoxSOC_cut_off", "labelDiffalarm", "Diff alarm(mV)", true, "comboBoxDiffalarm", 6, true, "1=20;3=10;5=0"},

    // secondary tab
    {"groupBoxProtectOV_2", "labelCellOV2_Alarm", "Cell OV alarm(mV)", true, "comboBoxCellOV2_Alarm", 19, false, "1=3550;12=4100;13=4150;14=4150;15=4200;18=4350"},
    {"groupBoxProtectOV_2", "labelCellOVP2", "Cell OVP(mV)", true, "comboBoxCellOVP2", 19, true, "1=3600;14=4250;15=4350;18=4500"},
    {"groupBoxProtectOV_2", "labelCellOV2_Delay", "Delay (mS)", true, "comboBoxCellOV2_Delay", 4, true, "0=1S;1=2S;2=4S;3=8S"},
    {"groupBoxProtectOV_2", "labelCellOV2_Release", "Release(mV)", true, "comboBoxCellOV2_Release", 17, true, CELL_RELEASE_SAMPLES},
    {"groupBoxProtectOV_2", "labelPackOV2_Alarm", "Pack OV alarm(V)", false, "comboBoxPackOV2_Alarm", 4, false, "1=54.00;2=56.00;3=57.60"},
    {"groupBoxProtectOV_2", "labelPackOVP2", "Pack OVP(V)", false, "comboBoxPackOVP2", 4, false, "1=55.00;2=56.00;3=57.60"},
    {"groupBoxProtectOV_2", "labelPackOV2_Delay", "Delay (mS)", false, "comboBoxPackOV2_Delay", 11, false, DELAY_SAMPLES},
    {"groupBoxProtectOV_2", "labelPackOV2_Release", "Release(V)", false, "comboBoxPackOV2_Release", 9, false, "1=50.00;5=54.00;7=57.60;8=54.00"},

    {"groupBoxProtectUV_2", "labelCellUV2_Alarm", "Cell UV alarm(mV)", true, "comboBoxCellUV2_Alarm", 19, false, "1=3150;9=2750;18=2300"},
    {"groupBoxProtectUV_2", "labelCellUVP2", "Cell UVP(mV)", true, "comboBoxCellUVP2", 20, true, "1=3100;2=3040;3=3000;10=2640;18=2240;19=2200"},
    {"groupBoxProtectUV_2", "labelCellUV2_Delay", "Delay (mS)", true, "comboBoxCellUV2_Delay", 4, true, "0=1S;1=4S;2=8S;3=16S"},
    {"groupBoxProtectUV_2", "labelCellUV2_Release", "Release(mV)", true, "comboBoxCellUV2_Release", 23, true, "1=2300;2=2340;3=2400;12=2840;21=3300;22=3340"},
    {"groupBoxProtectUV_2", "labelPackUV2_Alarm", "Pack UV alarm(V)", false, "comboBoxPackUV2_Alarm", 8, false, "1=39.00;4=42.00;7=45.00"},
    {"groupBoxProtectUV_2", "labelPackUVP2", "Pack UVP(V)", false, "comboBoxPackUVP2", 8, false, "1=39.00;4=42.00;7=45.00"},
    {"groupBoxProtectUV_2", "labelPackUV2_Delay", "Delay (mS)", false, "comboBoxPackUV2_Delay", 11, false, DELAY_SAMPLES},
    {"groupBoxProtectUV_2", "labelPackUV2_Release", "Release(V)", false, "comboBoxPackUV2_Release", 17, false, "1=39.00;8=46.00;16=54.00"},

    {"groupBoxProtectOCC2", "labelOCC2_Alarm", "OCC2 alarm(A)", false, "comboBoxOCC2_Alarm", 44, false, ALARM_SAMPLES},
    {"groupBoxProtectOCC2", "labelOCCP2", "OCC2 Protect(A)", true, "comboBoxOCCP2", 34, false, "1=80;17=240;33=400"},
    {"groupBoxProtectOCC2", "labelOCC2_Delay", "OCC2 Delay (mS)", true, "comboBoxOCC2_Delay", 16, false, DELAY16_SAMPLES},
    {"groupBoxProtectOCC2", "labelOCC2_Release", "OCC2 Release(A)", true, "comboBoxOCC2_Release", 6, false, "1=-1;3=-3;5=-5"},
    {"groupBoxProtectOCC2", "labelOCC2_Latchlimit", "OCC2 Latchlimit", true, "comboBoxOCC2_Latchlimit", 12, false, LATCH_SAMPLES},
    {"groupBoxProtectOCC2", "labelOCC2_ReleaseTime", "ReleaseTime(S)", true, "comboBoxOCC2_ReleaseTime", 6, false, ONE_TO_FIVE},

    {"groupBoxProtectSC", "labelSCD", "SCD Protect(A)", true, "comboBoxSCD", 14, true, "1=100;6=350;11=600;12=700;13=800"},
    {"groupBoxProtectSC", "labelSCD_Delay", "SCD Delay (uS)", true, "comboBoxSCD_Delay", 4, true, "0=70uS;1=100uS;2=200uS;3=400uS"},
    {"groupBoxProtectSC", "labelSCD_Release", "SCD Release(A)", true, "comboBoxSCD_Release", 6, true, ONE_TO_FIVE},
    {"groupBoxProtectSC", "labelSCD_Latchlimit", "SCD Latchlimit ", true, "comboBoxSCD_Latchlimit", 12, true, LATCH_SAMPLES},
    {"groupBoxProtectSC", "labelSCD_ReleaseTime", "ReleaseTime(S)", true, "comboBoxSCD_ReleaseTime", 6, true, ONE_TO_FIVE},

    {"groupBoxProtectOCD2", "labelOCD2_Alarm", "OCD2 alarm(A)", false, "comboBoxOCD2_Alarm", 44, false, ALARM_SAMPLES},
    {"groupBoxProtectOCD2", "labelOCDP2", "OCD2 Protect(A)", true, "comboBoxOCDP2", 44, true, "1=80;22=290;43=500"},
    {"groupBoxProtectOCD2", "labelOCD2_Delay", "OCD2 Delay (mS)", true, "comboBoxOCD2_Delay", 8, true, "0=4mS;1=10mS;3=40mS;5=160mS;7=640mS"},
    {"groupBoxProtectOCD2", "labelOCD2_Release", "OCD2 Release(A)", true, "comboBoxOCD2_Release", 6, true, ONE_TO_FIVE},
    {"groupBoxProtectOCD2", "labelOCD2_Latchlimit", "OCD2 Latchlimit ", true, "comboBoxOCD2_Latchlimit", 12, true, LATCH_SAMPLES},
    {"groupBoxProtectOCD2", "labelOCD2_ReleaseTime", "ReleaseTime(S)", true, "comboBoxOCD2_ReleaseTime", 6, true, ONE_TO_FIVE},
    {"groupBoxProtectOCD2", "labelOCD2_Alarm_2", "OCD3 alarm(A)", false, "comboBoxOCD3_Alarm", 44, false, ALARM_SAMPLES},
    {"groupBoxProtectOCD2", "labelOCDP2_2", "OCD3 Protect(A)", true, "comboBoxOCDP3", 46, false, "1=80;22=290;43=500;44=550;45=600"},
    {"groupBoxProtectOCD2", "labelOCD2_Delay_2", "OCD3 Delay (mS)", true, "comboBoxOCD3_Delay", 16, false, DELAY16_SAMPLES},
    {"groupBoxProtectOCD2", "labelOCD2_Release_2", "OCD3 Release(A)", true, "comboBoxOCD3_Release", 6, false, ONE_TO_FIVE},
    {"groupBoxProtectOCD2", "labelOCD2_Latchlimit_2", "OCD3 Latchlimit ", true, "comboBoxOCD3_Latchlimit", 12, false, LATCH_SAMPLES},
    {"groupBoxProtectOCD2", "labelOCD2_ReleaseTime_2", "ReleaseTime(S)", true, "comboBoxOCD3_ReleaseTime", 6, false, ONE_TO_FIVE},

    {"groupBox_2", "labelAFEmodel", "AFE model", true, "comboBoxAFEmodel", 2, true, "0=M;1=S"},
};

// Combo boxes without a blank slot: the item position is the value.
struct CodeCombo
{
    const char *name;
    int index;          // after setup
    int maxVisible;
};

const CodeCombo CODE_COMBOS[] = {
    {"comboBoxCellOV2_Delay", 0, 16}, {"comboBoxCellUV2_Delay", 0, 16},
    {"comboBoxSCD_Delay", 0, 16},     {"comboBoxOCD2_Delay", 0, 16},
    {"comboBoxOCC2_Delay", -1, 16},   {"comboBoxOCD3_Delay", -1, 16},
    {"comboBoxAFEmodel", 0, 10},
};

const CodeCombo *codeCombo(const QString &name)
{
    for (const CodeCombo &c : CODE_COMBOS)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

struct ButtonRow
{
    const char *group;
    const char *name;
    const char *text;
    bool enabled;
};

const ButtonRow BUTTONS[] = {
    {"groupBoxProtectOV1", "btnOV1Read", "Read", true}, {"groupBoxProtectOV1", "btnOV1Write", "Write", true},
    {"groupBoxProtectUV1", "btnUV1Read", "Read", true}, {"groupBoxProtectUV1", "btnUV1Write", "Write", true},
    {"groupBoxProtectOCC1", "btnOCC1Read", "Read", true}, {"groupBoxProtectOCC1", "btnOCC1Write", "Write", true},
    {"groupBoxProtectOCD1", "btnOCD1Read", "Read", true}, {"groupBoxProtectOCD1", "btnOCD1Write", "Write", true},
    {"groupBoxProtectOT", "btnOT_Read", "Read", true}, {"groupBoxProtectOT", "btnOT_Write", "Write", true},
    {"groupBoxProtectUT", "btnUT_Read", "Read", true}, {"groupBoxProtectUT", "btnUT_Write", "Write", true},
    {"groupBoxMOSFET", "btnMOSFET_Read", "Read", true}, {"groupBoxMOSFET", "btnMOSFET_Write", "Write", true},
    {"groupBox", "btnOTA_Read", "Read", true}, {"groupBox", "btnOTA_Write", "Write", true},
    {"groupBoxSOC_cut_off", "btnSOC_Read", "Read", true}, {"groupBoxSOC_cut_off", "btnSOC_Write", "Write", true},
    {"groupBoxProtectConfig", "btnImportProtection1Param", "Import", true},
    {"groupBoxProtectConfig", "btnExportProtection1Param", "Export", true},
    {"groupBoxProtectConfig", "btnReadAllProtect_1", "Read all", true},
    {"groupBoxProtectConfig", "btnWriteAllProtect_1", "Write all", true},
    {"groupBoxProtectConfig", "pushButton", "Set default parameters", false},
    {"groupBoxProtectOV_2", "btnOV2_Read", "Read", true}, {"groupBoxProtectOV_2", "btnOV2_Write", "Write", true},
    {"groupBoxProtectUV_2", "btnUV2_Read", "Read", true}, {"groupBoxProtectUV_2", "btnUV2_Write", "Write", true},
    {"groupBoxProtectOCC2", "btnOCC2_Read", "Read", false}, {"groupBoxProtectOCC2", "btnOCC2_Write", "Write", false},
    {"groupBoxProtectSC", "btnSCD_Read", "Read", true}, {"groupBoxProtectSC", "btnSCD_Write", "Write", true},
    {"groupBoxProtectOCD2", "btnOCD2_Read", "Read", true}, {"groupBoxProtectOCD2", "btnOCD2_Write", "Write", true},
    {"groupBoxProtectConfig_3", "btnImportProtection2Param", "Import", true},
    {"groupBoxProtectConfig_3", "btnExportProtection2Param", "Export", true},
    {"groupBoxProtectConfig_3", "btnReadAllProtect_2", "Read all", true},
    {"groupBoxProtectConfig_3", "btnWriteAllProtect_2", "Write all", true},
};

struct GroupRow
{
    const char *name;
    const char *tab;
    const char *title;
};

const GroupRow GROUPS[] = {
    {"groupBoxProtectOV1", "tabProtectlve1", "Over voltage 1"},
    {"groupBoxProtectOCC1", "tabProtectlve1", "Over current charge 1"},
    {"groupBoxProtectOT", "tabProtectlve1", "Cell over temperature"},
    {"groupBoxProtectUT", "tabProtectlve1", "Cells under temperature"},
    {"groupBox", "tabProtectlve1", "Ambient temperature"},
    {"groupBoxProtectUV1", "tabProtectlve1", "Under voltage 1"},
    {"groupBoxProtectOCD1", "tabProtectlve1", "Over current discharge 1"},
    {"groupBoxMOSFET", "tabProtectlve1", "MOSFET temperature"},
    {"groupBoxSOC_cut_off", "tabProtectlve1", "SOC cut-off"},
    {"groupBoxProtectConfig", "tabProtectlve1", "Config"},
    {"groupBox_2", "tabProtectlve2", "Chip selection"},
    {"groupBoxProtectOCC2", "tabProtectlve2", "Over current charge 2"},
    {"groupBoxProtectOCD2", "tabProtectlve2", "Overcurrent discharge 2"},
    {"groupBoxProtectOV_2", "tabProtectlve2", "Over voltage 2"},
    {"groupBoxProtectUV_2", "tabProtectlve2", "Under voltage 2"},
    {"groupBoxProtectSC", "tabProtectlve2", "Short circuit"},
    {"groupBoxProtectConfig_3", "tabProtectlve2", "Config"},
};

QString nearestGroupBox(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QGroupBox *>(p))
            return p->objectName();
    return QString();
}

bool isInside(const QWidget *w, const QWidget *ancestor)
{
    for (const QWidget *p = w; p; p = p->parentWidget())
        if (p == ancestor)
            return true;
    return false;
}

// Answers every lookup with the source text marked, and records how it was asked.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        ++lookups;
        if (qstrcmp(context, "ProtectionWindow") != 0 || disambiguation || n != -1)
            ++oddLookups;
        if (!sourceText || !*sourceText)
            ++emptyLookups;
        return QStringLiteral("~") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }

    mutable int lookups = 0;
    mutable int oddLookups = 0;
    mutable int emptyLookups = 0;
};

QRect rectIn(const QWidget *w, const QWidget *page)
{
    return QRect(w->mapTo(page, QPoint(0, 0)), w->size());
}

} // namespace

class TestProtectionForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void widgetCounts();
    void tabs();
    void groupBoxes_data();
    void groupBoxes();
    void parameterRows_data();
    void parameterRows();
    void buttons_data();
    void buttons();
    void retranslationLooksUpEveryTextButTheBlankSlots();
    void groupsStandInTheirPlaces();
    void rowsStandInTableOrder();
    void pageFitsTheScreens_data();
    void pageFitsTheScreens();

private:
    QWidget *page = nullptr;
    Ui::ProtectionWindow *ui = nullptr;

    template<typename T>
    T *child(const char *name) const
    {
        const QList<T *> found = page->findChildren<T *>(QLatin1String(name));
        return found.size() == 1 ? found.first() : nullptr;
    }
};

void TestProtectionForm::init()
{
    page = new QWidget;
    ui = new Ui::ProtectionWindow;
    ui->setupUi(page);
}

void TestProtectionForm::cleanup()
{
    delete ui;
    ui = nullptr;
    delete page;
    page = nullptr;
}

void TestProtectionForm::widgetCounts()
{
    QCOMPARE(page->findChildren<QGroupBox *>().size(), 17);
    QCOMPARE(page->findChildren<QLabel *>().size(), 101);
    QCOMPARE(page->findChildren<QPushButton *>().size(), 37);

    const QList<QComboBox *> combos = page->findChildren<QComboBox *>();
    QCOMPARE(combos.size(), 101);
    int editable = 0, items = 0, onPrimary = 0;
    for (const QComboBox *c : combos) {
        items += c->count();
        if (isInside(c, ui->tabProtectlve1)) {
            ++onPrimary;
            QVERIFY2(c->isEditable(), qPrintable(c->objectName()));
            QVERIFY2(!c->validator(), qPrintable(c->objectName()));
            QCOMPARE(c->insertPolicy(), QComboBox::InsertAtBottom);
        } else {
            QVERIFY2(isInside(c, ui->tabProtectlve2), qPrintable(c->objectName()));
            QVERIFY2(!c->isEditable(), qPrintable(c->objectName()));
        }
        editable += c->isEditable() ? 1 : 0;
    }
    QCOMPARE(onPrimary, 61);
    QCOMPARE(editable, 61);
    QCOMPARE(items, 1484);

    // The tables of this test cover every widget of the form.
    QCOMPARE(int(std::size(ROWS)), 101);
    QCOMPARE(int(std::size(BUTTONS)), 37);
    QCOMPARE(int(std::size(GROUPS)), 17);
}

void TestProtectionForm::tabs()
{
    QCOMPARE(page->windowTitle(), QStringLiteral("Form"));
    QTabWidget *tabs = child<QTabWidget>("tabWidgetProtect");
    QVERIFY(tabs);
    QCOMPARE(tabs, ui->tabWidgetProtect);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tabProtectlve1"));
    QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("tabProtectlve2"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("Primary protection"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Secondary protection"));
}

void TestProtectionForm::groupBoxes_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("title");
    for (const GroupRow &g : GROUPS)
        QTest::newRow(g.name) << QString::fromLatin1(g.tab) << QString::fromUtf8(g.title);
}

void TestProtectionForm::groupBoxes()
{
    QFETCH(QString, tab);
    QFETCH(QString, title);
    QGroupBox *box = child<QGroupBox>(QTest::currentDataTag());
    QVERIFY(box);
    QCOMPARE(box->title(), title);
    QVERIFY(box->isEnabled());
    QWidget *tabPage = page->findChild<QWidget *>(tab);
    QVERIFY(tabPage);
    QVERIFY(isInside(box, tabPage));
}

void TestProtectionForm::parameterRows_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("labelText");
    QTest::addColumn<bool>("labelEnabled");
    QTest::addColumn<int>("items");
    QTest::addColumn<bool>("comboEnabled");
    QTest::addColumn<QString>("samples");
    for (const ParamRow &r : ROWS)
        QTest::newRow(r.combo) << QString::fromLatin1(r.group) << QString::fromLatin1(r.label)
                               << QString::fromUtf8(r.labelText) << r.labelEnabled << r.items
                               << r.comboEnabled << QString::fromUtf8(r.samples);
}

void TestProtectionForm::parameterRows()
{
    QFETCH(QString, group);
    QFETCH(QString, label);
    QFETCH(QString, labelText);
    QFETCH(bool, labelEnabled);
    QFETCH(int, items);
    QFETCH(bool, comboEnabled);
    QFETCH(QString, samples);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QComboBox *combo = child<QComboBox>(QTest::currentDataTag());
    QVERIFY(combo);
    QCOMPARE(combo->metaObject()->className(), "QComboBox");
    QLabel *lab = child<QLabel>(qPrintable(label));
    QVERIFY(lab);
    QCOMPARE(lab->metaObject()->className(), "QLabel");

    QCOMPARE(nearestGroupBox(combo), group);
    QCOMPARE(nearestGroupBox(lab), group);
    QCOMPARE(lab->text(), labelText);
    QCOMPARE(lab->isEnabled(), labelEnabled);
    QCOMPARE(combo->isEnabled(), comboEnabled);
    QCOMPARE(combo->count(), items);

    const CodeCombo *code = codeCombo(name);
    if (code) {
        QCOMPARE(combo->currentIndex(), code->index);
        QCOMPARE(combo->maxVisibleItems(), code->maxVisible);
        QCOMPARE(combo->currentText(), code->index < 0 ? QString() : combo->itemText(code->index));
    } else {
        // A value box: blank slot first, selected, nothing typed yet.
        QCOMPARE(combo->itemText(0), QString());
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->currentText(), QString());
        QCOMPARE(combo->maxVisibleItems(), 10);
    }

    for (const QString &sample : samples.split(QLatin1Char(';'))) {
        const int at = sample.indexOf(QLatin1Char('='));
        const int position = sample.left(at).toInt();
        QVERIFY2(position < items, qPrintable(sample));
        QCOMPARE(combo->itemText(position), sample.mid(at + 1));
    }
    // The last sample of every list is its last item.
    const QString last = samples.split(QLatin1Char(';')).last();
    QCOMPARE(last.left(last.indexOf(QLatin1Char('='))).toInt(), items - 1);
}

void TestProtectionForm::buttons_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    for (const ButtonRow &b : BUTTONS)
        QTest::newRow(b.name) << QString::fromLatin1(b.group) << QString::fromLatin1(b.text) << b.enabled;
}

void TestProtectionForm::buttons()
{
    QFETCH(QString, group);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QPushButton *button = child<QPushButton>(QTest::currentDataTag());
    QVERIFY(button);
    QCOMPARE(button->metaObject()->className(), "QPushButton");
    QCOMPARE(nearestGroupBox(button), group);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->isEnabled(), enabled);
}

void TestProtectionForm::retranslationLooksUpEveryTextButTheBlankSlots()
{
    // What a read and the operator leave behind.
    ui->comboBoxCellOV1alarm->setItemText(0, QStringLiteral("3650"));
    ui->comboBoxOCC1alarm->setCurrentIndex(4);
    ui->comboBoxCellOV2_Delay->setCurrentIndex(3);
    ui->tabWidgetProtect->setCurrentIndex(1);

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    // Installing it makes the toolkit's own widgets look up their texts.
    translator.lookups = translator.oddLookups = translator.emptyLookups = 0;
    ui->retranslateUi(page);
    QCoreApplication::removeTranslator(&translator);

    // Window title, 2 tab titles, 17 titles, 101 labels, 37 buttons and the
    // 1390 items that are not blank slots.
    QCOMPARE(translator.lookups, 1548);
    QCOMPARE(translator.oddLookups, 0);
    QCOMPARE(translator.emptyLookups, 0);

    QCOMPARE(page->windowTitle(), QStringLiteral("~Form"));
    QCOMPARE(ui->tabWidgetProtect->tabText(0), QStringLiteral("~Primary protection"));
    QCOMPARE(ui->tabWidgetProtect->tabText(1), QStringLiteral("~Secondary protection"));
    QCOMPARE(ui->groupBoxProtectSC->title(), QStringLiteral("~Short circuit"));
    QCOMPARE(ui->labelOTC_alarm->text(), QString::fromUtf8("~OTC alarm(℃)"));
    QCOMPARE(ui->btnWriteAllProtect_2->text(), QStringLiteral("~Write all"));
    QCOMPARE(ui->comboBoxCellOV1alarm->itemText(0), QString());
    QCOMPARE(ui->comboBoxCellOV1alarm->itemText(1), QStringLiteral("~3550"));
    QCOMPARE(ui->comboBoxAFEmodel->itemText(1), QStringLiteral("~S"));

    // Nothing is added, removed or selected.
    QCOMPARE(ui->comboBoxOCC1alarm->currentIndex(), 4);
    QCOMPARE(ui->comboBoxOCC1alarm->currentText(), QStringLiteral("~40"));
    QCOMPARE(ui->comboBoxCellOV2_Delay->currentIndex(), 3);
    QCOMPARE(ui->comboBoxCellOV2_Delay->currentText(), QStringLiteral("~8S"));
    QCOMPARE(ui->comboBoxOCC2_Delay->currentIndex(), -1);
    QCOMPARE(ui->tabWidgetProtect->currentIndex(), 1);
    int items = 0;
    for (const QComboBox *c : page->findChildren<QComboBox *>())
        items += c->count();
    QCOMPARE(items, 1484);

    // Back to the source texts.
    ui->retranslateUi(page);
    QCOMPARE(ui->labelOCC1Latchlimit->text(), QStringLiteral("OCC Latchlimit  "));
    QCOMPARE(ui->comboBoxCellOV1alarm->itemText(1), QStringLiteral("3550"));
}

void TestProtectionForm::groupsStandInTheirPlaces()
{
    page->resize(1750, 950);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));

    const auto row = [this](const QStringList &names) {
        QList<QRect> rects;
        for (const QString &n : names) {
            QGroupBox *box = page->findChild<QGroupBox *>(n);
            rects << (box ? rectIn(box, page) : QRect());
        }
        return rects;
    };
    const auto leftToRight = [](const QList<QRect> &rects) {
        for (int i = 1; i < rects.size(); ++i)
            if (rects[i].left() <= rects[i - 1].right() || rects[i].top() != rects[0].top())
                return false;
        return true;
    };

    ui->tabWidgetProtect->setCurrentIndex(0);
    QCoreApplication::processEvents();
    const QList<QRect> top = row({"groupBoxProtectOV1", "groupBoxProtectOCC1", "groupBoxProtectOT",
                                  "groupBoxProtectUT", "groupBox"});
    const QList<QRect> bottom = row({"groupBoxProtectUV1", "groupBoxProtectOCD1", "groupBoxMOSFET",
                                     "groupBoxSOC_cut_off", "groupBoxProtectConfig"});
    QVERIFY(leftToRight(top));
    QVERIFY(leftToRight(bottom));
    QVERIFY(bottom[0].top() > top[0].bottom());
    for (int i = 0; i < 5; ++i)
        QCOMPARE(bottom[i].left(), top[i].left());

    ui->tabWidgetProtect->setCurrentIndex(1);
    QCoreApplication::processEvents();
    const QList<QRect> upper = row({"groupBox_2", "groupBoxProtectOCC2", "groupBoxProtectOCD2"});
    const QList<QRect> lower = row({"groupBoxProtectOV_2", "groupBoxProtectUV_2", "groupBoxProtectSC",
                                    "groupBoxProtectConfig_3"});
    QVERIFY(leftToRight(upper));
    QVERIFY(leftToRight(lower));
    QVERIFY(lower[0].top() > upper[0].bottom());
    QCOMPARE(upper[0].left(), lower[0].left());
    QCOMPARE(upper[1].left(), lower[1].left());
    QCOMPARE(upper[2].left(), lower[2].left());
    QCOMPARE(upper[2].right(), lower[3].right());
}

void TestProtectionForm::rowsStandInTableOrder()
{
    page->resize(1750, 950);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));

    for (int tab = 0; tab < 2; ++tab) {
        ui->tabWidgetProtect->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        for (const GroupRow &g : GROUPS) {
            QGroupBox *box = child<QGroupBox>(g.name);
            QVERIFY(box);
            if (!box->isVisible())
                continue;
            QList<const ParamRow *> rows;
            for (const ParamRow &r : ROWS)
                if (qstrcmp(r.group, g.name) == 0)
                    rows << &r;
            int lowest = 0;
            for (int i = 0; i < rows.size(); ++i) {
                const QRect label = rectIn(child<QLabel>(rows[i]->label), page);
                const QRect combo = rectIn(child<QComboBox>(rows[i]->combo), page);
                const QString where = QString::fromLatin1(rows[i]->combo);
                QVERIFY2(label.right() < combo.left(), qPrintable(where));
                QVERIFY2(qAbs(label.center().y() - combo.center().y()) <= 2, qPrintable(where));
                // The two-level group starts its second column at row 6.
                const bool newColumn = qstrcmp(g.name, "groupBoxProtectOCD2") == 0 && i == 6;
                if (i > 0 && !newColumn) {
                    const QRect above = rectIn(child<QComboBox>(rows[i - 1]->combo), page);
                    QVERIFY2(combo.top() > above.bottom(), qPrintable(where));
                    QCOMPARE(combo.left(), above.left());
                }
                if (newColumn)
                    QVERIFY(label.left() > rectIn(child<QComboBox>(rows[0]->combo), page).right());
                lowest = qMax(lowest, combo.bottom());
            }
            QList<QRect> buttons;
            for (const ButtonRow &b : BUTTONS)
                if (qstrcmp(b.group, g.name) == 0 && !QByteArray(b.name).contains("Protection")
                    && !QByteArray(b.name).contains("AllProtect") && qstrcmp(b.name, "pushButton") != 0)
                    buttons << rectIn(child<QPushButton>(b.name), page);
            if (buttons.isEmpty())
                continue;
            QCOMPARE(buttons.size(), 2);
            QVERIFY2(buttons[0].top() > lowest, g.name);
            QCOMPARE(buttons[0].top(), buttons[1].top());
            QVERIFY2(buttons[0].right() < buttons[1].left(), g.name);
        }
    }
}

void TestProtectionForm::pageFitsTheScreens_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<QSize>("room");
    // The room the main window leaves the page beside its side bar.
    QTest::newRow("1366x768") << 10 << QSize(1200, 650);
    QTest::newRow("1920x1080") << 11 << QSize(1750, 950);
}

void TestProtectionForm::pageFitsTheScreens()
{
    QFETCH(int, points);
    QFETCH(QSize, room);
    // The program's font and style sheet, as the program sets them.
    QFile sheet(QStringLiteral(":/Ubuntu.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QFont saved = QApplication::font();
    QApplication::setFont(QFont(QString::fromUtf8("微软雅黑"), points));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    QWidget sized;
    Ui::ProtectionWindow form;
    form.setupUi(&sized);
    sized.ensurePolished();
    const QSize needed = sized.minimumSizeHint();
    qApp->setStyleSheet(QString());
    QApplication::setFont(saved);
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
             qPrintable(QStringLiteral("needs %1x%2").arg(needed.width()).arg(needed.height())));
}

QTEST_MAIN(TestProtectionForm)
#include "tst_protectionform.moc"
