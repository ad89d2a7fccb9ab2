// The user page's form as uic builds it: every widget in its cell, the value
// lists, the texts in three languages, the wiring of the page's slots and the
// room the page needs on a laptop screen.

#include <QtTest>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QTabWidget>
#include <QTranslator>

#include "ui_userwindow.h"

namespace {

// A widget, the grid that holds it, its cell and its text (nullptr: none shown).
struct Cell
{
    const char *name;
    const char *cls;
    const char *grid;
    int row, col, rows, cols;
    const char *text;
};

const Cell CELLS[] = {
    {"tabWidget", "QTabWidget", "gridLayout_8", 0, 1, 1, 1, nullptr},
    // "Set information"
    {"groupBoxInverter", "QGroupBox", "gridLayout_13", 0, 0, 1, 1, "Inverter parameters"},
    {"groupBox", "QGroupBox", "gridLayout_13", 0, 2, 1, 1, "Com parameters"},
    {"groupBox_5", "QGroupBox", "gridLayout_13", 0, 4, 1, 1, "System commands"},
    {"groupProduction", "QGroupBox", "gridLayout_13", 1, 0, 1, 1, "Production information"},
    {"groupBoxVersion", "QGroupBox", "gridLayout_13", 1, 2, 1, 1, "Version information"},
    {"groupBox_2", "QGroupBox", "gridLayout_13", 1, 4, 1, 1, "User "},

    {"labelCanbus", "QLabel", "gridLayout_3", 0, 0, 1, 1, "CAN BUS"},
    {"comboBoxCanbus", "QComboBox", "gridLayout_3", 0, 2, 1, 1, nullptr},
    {"labelRs485", "QLabel", "gridLayout_3", 1, 0, 1, 1, "RS485"},
    {"comboBoxRs485", "QComboBox", "gridLayout_3", 1, 2, 1, 1, nullptr},
    {"labelMaxChargingVolt", "QLabel", "gridLayout_3", 2, 0, 1, 1, "Max charging voltage(V)"},
    {"comboBoxMaxChargingVolt", "QComboBox", "gridLayout_3", 2, 2, 1, 1, nullptr},
    {"labelMaxChargingCur", "QLabel", "gridLayout_3", 3, 0, 1, 1, "Max charging current(A)"},
    {"comboBoxMaxChargingCur", "QComboBox", "gridLayout_3", 3, 2, 1, 1, nullptr},
    {"labelMaxDischargingCur", "QLabel", "gridLayout_3", 4, 0, 1, 1, "Max discharge current(A)"},
    {"comboBoxMaxDischargingCur", "QComboBox", "gridLayout_3", 4, 2, 1, 1, nullptr},
    {"labelDischargeCutOff", "QLabel", "gridLayout_3", 5, 0, 1, 1, "Discharge Cut-off Voltage(V)"},
    {"comboBoxDischargeCutOff", "QComboBox", "gridLayout_3", 5, 2, 1, 1, nullptr},
    {"labelForcedChargeRequest1SOC", "QLabel", "gridLayout_3", 6, 0, 1, 1, "Forced Charge Request 1 SOC (%)"},
    {"comboBoxForcedChargeRequest1SOC", "QComboBox", "gridLayout_3", 6, 2, 1, 1, nullptr},
    {"labelForcedChargeRelease1SOC", "QLabel", "gridLayout_3", 7, 0, 1, 1, "Forced Charge Release 1 SOC (%)"},
    {"comboBoxForcedChargeRelease1SOC", "QComboBox", "gridLayout_3", 7, 2, 1, 1, nullptr},
    {"labelForcedChargeRequest2SOC", "QLabel", "gridLayout_3", 8, 0, 1, 1, "Forced Charge Request 2 SOC (%)"},
    {"comboBoxForcedChargeRequest2SOC", "QComboBox", "gridLayout_3", 8, 2, 1, 1, nullptr},
    {"labelForcedChargeRelease2SOC", "QLabel", "gridLayout_3", 9, 0, 1, 1, "Forced Charge Release 2 SOC (%)"},
    {"comboBoxForcedChargeRelease2SOC", "QComboBox", "gridLayout_3", 9, 2, 1, 1, nullptr},
    {"btnInverterParametersRead", "QPushButton", "gridLayout_3", 11, 0, 1, 1, "Read"},
    {"btnInverterParametersWrite", "QPushButton", "gridLayout_3", 11, 2, 1, 1, "Write"},

    {"label", "QLabel", "gridLayout_6", 0, 1, 1, 1, "BMS adrss"},
    {"comboBoxBmsAdrss", "QComboBox", "gridLayout_6", 0, 3, 1, 1, nullptr},
    {"label_2", "QLabel", "gridLayout_6", 1, 1, 1, 1, "CAN BAUD"},
    {"comboBoxCanBaud", "QComboBox", "gridLayout_6", 1, 3, 1, 1, nullptr},
    {"label_3", "QLabel", "gridLayout_6", 2, 1, 1, 1, "UART1 BAUD"},
    {"comboBoxUart1Baud", "QComboBox", "gridLayout_6", 2, 3, 1, 1, nullptr},
    {"label_4", "QLabel", "gridLayout_6", 3, 1, 1, 1, "UART2 BAUD"},
    {"comboBoxUart2Baud", "QComboBox", "gridLayout_6", 3, 3, 1, 1, nullptr},
    {"label_5", "QLabel", "gridLayout_6", 4, 1, 1, 1, "UART3 BAUD"},
    {"comboBoxUart3Baud", "QComboBox", "gridLayout_6", 4, 3, 1, 1, nullptr},
    {"label_6", "QLabel", "gridLayout_6", 5, 1, 1, 1, "UART4 BAUD"},
    {"comboBoxUart4Baud", "QComboBox", "gridLayout_6", 5, 3, 1, 1, nullptr},
    {"label_7", "QLabel", "gridLayout_6", 6, 1, 1, 1, "UART5 BAUD"},
    {"comboBoxUart5Baud", "QComboBox", "gridLayout_6", 6, 3, 1, 1, nullptr},
    {"btnComRead", "QPushButton", "gridLayout_6", 8, 1, 1, 1, "Read"},
    {"btnComWrite", "QPushButton", "gridLayout_6", 8, 3, 1, 1, "Write"},

    {"labelBmsReset", "QLabel", "gridLayout_4", 0, 0, 1, 1, "BMS Reset"},
    {"btnResetBMS", "QPushButton", "gridLayout_4", 0, 2, 1, 1, "Reset BMS"},
    {"labelBmsTime", "QLabel", "gridLayout_4", 2, 0, 1, 1, "BMS RTC time:"},
    {"labelBmsSystemTime", "QLabel", "gridLayout_4", 2, 2, 1, 1, ""},
    {"btnRTCRead", "QPushButton", "gridLayout_4", 4, 0, 1, 1, "Read"},
    {"btnUpdateSystemTime", "QPushButton", "gridLayout_4", 4, 2, 1, 1, "Update the BMS RTC time"},

    {"labelBMS_SN", "QLabel", "gridLayout", 0, 0, 1, 1, "BMS  SN:"},
    {"lineEditBMS_SN", "QLineEdit", "gridLayout", 0, 2, 1, 2, nullptr},
    {"labelPack_SN", "QLabel", "gridLayout", 1, 0, 1, 1, "PACK SN:"},
    {"lineEditPack_SN", "QLineEdit", "gridLayout", 1, 2, 1, 2, nullptr},
    {"labelManufactureDate", "QLabel", "gridLayout", 2, 0, 1, 1, "Manufacture Date:"},
    {"lineEditManufactureDate", "QLineEdit", "gridLayout", 2, 2, 1, 2, nullptr},
    {"labelManufactureName", "QLabel", "gridLayout", 3, 0, 1, 1, "Manufacture Name:"},
    {"lineEditManufactureName", "QLineEdit", "gridLayout", 3, 2, 1, 2, nullptr},
    {"labelOrderNumber", "QLabel", "gridLayout", 4, 0, 1, 1, "Order Number:"},
    {"lineEditOrderNumber", "QLineEdit", "gridLayout", 4, 2, 1, 2, nullptr},
    {"battery", "QLabel", "gridLayout", 5, 0, 2, 1, "Battery Name:"},
    {"lineEditBatteryName", "QLineEdit", "gridLayout", 5, 2, 2, 2, nullptr},
    {"btnProductionRead", "QPushButton", "gridLayout", 8, 0, 1, 2, "Read"},
    {"btnProductionWrite", "QPushButton", "gridLayout", 8, 3, 1, 1, "Write"},

    {"labelHardwareVersion", "QLabel", "gridLayout_5", 0, 0, 1, 1, "Hardware version:"},
    {"lineEditHardwareVersion", "QLineEdit", "gridLayout_5", 0, 1, 1, 2, nullptr},
    {"labelSoftwareVersion", "QLabel", "gridLayout_5", 1, 0, 1, 1, "Software version:"},
    {"lineEditSoftwareVersion", "QLineEdit", "gridLayout_5", 1, 1, 1, 2, nullptr},
    {"labelProtocolVersion", "QLabel", "gridLayout_5", 2, 0, 1, 1, "Protocol version:"},
    {"lineEditProtocolVersion", "QLineEdit", "gridLayout_5", 2, 1, 1, 2, nullptr},
    {"btnVersionRead", "QPushButton", "gridLayout_5", 5, 0, 1, 1, "Read"},

    {"labelLanguage", "QLabel", "gridLayout_7", 0, 0, 1, 1, "Language"},
    {"comboBoxLanguage", "QComboBox", "gridLayout_7", 0, 2, 1, 1, nullptr},
    {"labelPassword", "QLabel", "gridLayout_7", 2, 0, 1, 1, "Pass word"},
    {"lineEditPassword", "QLineEdit", "gridLayout_7", 2, 2, 1, 1, nullptr},
    {"btnUserReadAll", "QPushButton", "gridLayout_7", 4, 0, 1, 1, "Read all"},
    {"btnUserWriteAll", "QPushButton", "gridLayout_7", 4, 2, 1, 1, "Write all"},

    // "WIFI/MQTT parmaeters"
    {"groupBox_4", "QGroupBox", "gridLayout_12", 0, 0, 1, 1, "WIFI/MQTT parmaeters"},
    {"label_Server", "QLabel", "gridLayout_11", 0, 0, 1, 1, "Server Address:"},
    {"lineEdit_serverAddress", "QLineEdit", "gridLayout_11", 0, 2, 1, 2, nullptr},
    {"label_Port", "QLabel", "gridLayout_11", 1, 0, 1, 1, "Port:"},
    {"lineEdit_mqttPort", "QLineEdit", "gridLayout_11", 1, 2, 1, 2, nullptr},
    {"label_ClientID", "QLabel", "gridLayout_11", 2, 0, 1, 1, "Client ID:"},
    {"lineEdit_clientID", "QLineEdit", "gridLayout_11", 2, 2, 1, 2, nullptr},
    {"label_8", "QLabel", "gridLayout_11", 3, 2, 1, 1, "Suggest using PACK SN as the Client ID"},
    {"label_Username", "QLabel", "gridLayout_11", 5, 0, 1, 1, "Username:"},
    {"lineEdit_mqttUsername", "QLineEdit", "gridLayout_11", 5, 2, 1, 2, nullptr},
    {"label_mqttPassword", "QLabel", "gridLayout_11", 6, 0, 1, 1, "MQTT Password:"},
    {"lineEdit_mqttPassword", "QLineEdit", "gridLayout_11", 6, 2, 1, 2, nullptr},
    {"label_wifissid", "QLabel", "gridLayout_11", 10, 0, 1, 1, "WIFI SSID:"},
    {"lineEdit_wifi_ssid", "QLineEdit", "gridLayout_11", 10, 2, 1, 2, nullptr},
    {"label_wifiPassword", "QLabel", "gridLayout_11", 11, 0, 1, 1, "WIFI Password:"},
    {"lineEdit_wifi_password", "QLineEdit", "gridLayout_11", 11, 2, 1, 2, nullptr},
    {"btnWifiParmRead", "QPushButton", "gridLayout_11", 15, 0, 1, 1, "Read"},
    {"btnWifiParmSetting", "QPushButton", "gridLayout_11", 15, 3, 1, 1, "Setting"},

    // "Calibration information"
    {"groupBoxCalibration", "QGroupBox", "gridLayout_10", 0, 0, 2, 1, "Calibration parameters"},
    {"groupBox_3", "QGroupBox", "gridLayout_10", 3, 0, 1, 1, "Line loss compensation"},
    {"labelZeroCurrent", "QLabel", "gridLayout_2", 0, 0, 1, 1, "Zero current(A)"},
    {"lineEditZeroCurrent", "QLineEdit", "gridLayout_2", 0, 2, 1, 1, nullptr},
    {"btnZeroCurrentCalibration", "QPushButton", "gridLayout_2", 0, 4, 1, 1, "Calibration"},
    {"btnResetCalibration_zero", "QPushButton", "gridLayout_2", 0, 6, 1, 1, "Reset"},
    {"labelDischargingCurrentCalibration", "QLabel", "gridLayout_2", 1, 0, 1, 1, "DisCharging current(A)"},
    {"lineEditDischargingCurrentCalibration", "QLineEdit", "gridLayout_2", 1, 2, 1, 1, nullptr},
    {"btnDischargingCurrentCalibration", "QPushButton", "gridLayout_2", 1, 4, 1, 1, "Calibration"},
    {"btnResetCalibration_discharging_current", "QPushButton", "gridLayout_2", 1, 6, 1, 1, "Reset"},
    {"labelChargingCurrentCalibration", "QLabel", "gridLayout_2", 2, 0, 2, 1, "Charging current(A)"},
    {"lineEditChargingCurrentCalibration", "QLineEdit", "gridLayout_2", 3, 2, 1, 1, nullptr},
    {"btnChargingCurrentCalibration", "QPushButton", "gridLayout_2", 2, 4, 2, 1, "Calibration"},
    {"btnResetCalibration_charging_current", "QPushButton", "gridLayout_2", 2, 6, 2, 1, "Reset"},
    {"labelCellReferenceVolt", "QLabel", "gridLayout_2", 4, 0, 1, 1, "Cells reference volt(mV)"},
    {"lineEditCellReferenceVolt", "QLineEdit", "gridLayout_2", 4, 2, 1, 1, nullptr},
    {"btnCellReferenceVoltCalibration", "QPushButton", "gridLayout_2", 4, 4, 1, 1, "Calibration"},
    {"btnResetCalibration_cells", "QPushButton", "gridLayout_2", 4, 6, 1, 1, "Reset"},
    {"labelPackReferenceVolt", "QLabel", "gridLayout_2", 5, 0, 1, 1, "Pack reference volt(V)"},
    {"lineEditPackReferenceVolt", "QLineEdit", "gridLayout_2", 5, 2, 1, 1, nullptr},
    {"btnPackReferenceVoltCalibration", "QPushButton", "gridLayout_2", 5, 4, 1, 1, "Calibration"},
    {"btnResetCalibration_Pack", "QPushButton", "gridLayout_2", 5, 6, 1, 1, "Reset"},
    {"btnCalibrationRead", "QPushButton", "gridLayout_2", 7, 0, 1, 1, "Read"},
    {"pushButton", "QPushButton", "gridLayout_2", 7, 4, 1, 3, "One click calibration"},
    {"btnCalibrationLineLossRead", "QPushButton", "gridLayout_9", 2, 9, 1, 1, "Read"},
    {"btnCalibrationLineLossWrite", "QPushButton", "gridLayout_9", 4, 9, 1, 1, "Write"},
    // The eighteen line-loss pairs are checked in a loop.
};

// Every spacer as "grid row,column rowspan x colspan: width x height horizontal/vertical policy".
const char *const SPACERS[] = {
    "gridLayout_13 0,1 1x1: 20x20 Preferred/Minimum", "gridLayout_13 0,3 1x1: 20x20 Preferred/Minimum",
    "gridLayout_13 1,1 1x1: 20x20 Preferred/Minimum", "gridLayout_13 1,3 1x1: 20x20 Preferred/Minimum",
    "gridLayout_3 0,1 1x1: 20x20 Fixed/Minimum", "gridLayout_3 1,1 1x1: 20x20 Fixed/Minimum",
    "gridLayout_3 2,1 1x1: 20x20 Fixed/Minimum", "gridLayout_3 3,1 1x1: 20x20 Fixed/Minimum",
    "gridLayout_3 4,1 1x1: 20x20 Fixed/Minimum", "gridLayout_3 5,1 1x1: 20x20 Fixed/Minimum",
    "gridLayout_3 6,1 1x1: 20x20 Fixed/Minimum", "gridLayout_3 7,1 1x1: 20x20 Fixed/Minimum",
    "gridLayout_3 8,1 1x1: 20x20 Fixed/Minimum", "gridLayout_3 9,1 1x1: 20x20 Fixed/Minimum",
    "gridLayout_3 10,2 1x1: 20x20 Minimum/Preferred", "gridLayout_3 11,1 1x1: 20x20 Fixed/Minimum",
    "gridLayout_6 7,3 1x1: 20x40 Minimum/Expanding", "gridLayout_6 8,2 1x1: 20x20 Fixed/Minimum",
    "gridLayout_4 1,0 1x1: 20x40 Minimum/Expanding", "gridLayout_4 3,0 1x1: 20x40 Minimum/Expanding",
    "gridLayout_4 4,1 1x1: 69x20 Expanding/Minimum",
    "gridLayout 1,1 1x1: 10x20 Fixed/Minimum", "gridLayout 7,2 1x1: 20x20 Minimum/Preferred",
    "gridLayout_5 3,1 1x1: 20x40 Minimum/Expanding", "gridLayout_5 5,1 1x1: 10x20 Fixed/Minimum",
    "gridLayout_7 0,1 1x1: 10x20 Fixed/Minimum", "gridLayout_7 1,2 1x1: 20x40 Minimum/Expanding",
    "gridLayout_7 3,2 1x1: 20x40 Minimum/Expanding",
    "gridLayout_12 0,3 1x1: 543x20 Preferred/Minimum", "gridLayout_12 1,0 1x1: 20x240 Minimum/Expanding",
    "gridLayout_11 4,2 1x1: 20x40 Minimum/Preferred", "gridLayout_11 7,2 1x1: 20x40 Minimum/Preferred",
    "gridLayout_11 12,2 1x1: 20x40 Minimum/Preferred", "gridLayout_11 15,2 1x1: 20x20 Preferred/Minimum",
    "gridLayout_10 0,1 1x1: 450x20 Preferred/Minimum", "gridLayout_10 2,0 1x1: 20x40 Minimum/Preferred",
    "gridLayout_10 3,1 1x1: 450x20 Preferred/Minimum",
    "gridLayout_2 1,3 1x1: 60x20 Preferred/Minimum", "gridLayout_2 1,5 1x1: 60x20 Preferred/Minimum",
    "gridLayout_2 2,1 2x2: 5x20 Fixed/Minimum", "gridLayout_2 6,2 1x1: 20x20 Minimum/Expanding",
    "gridLayout_9 2,2 1x1: 40x20 Expanding/Minimum", "gridLayout_9 2,5 1x1: 40x20 Expanding/Minimum",
    "gridLayout_9 2,8 1x1: 40x20 Expanding/Minimum",
};

// Item count, editable, and sampled items as "index=text;...".
struct ComboList
{
    const char *name;
    int count;
    bool editable;
    const char *samples;
};

const char *const SOC_SAMPLES = "0=5;1=6;10=15;15=20";
const char *const UART_SAMPLES = "0=;1=9600;2=19200;3=38400;4=57600;5=115200";

const ComboList COMBOS[] = {
    {"comboBoxCanbus", 32, false,
     "0=0.Pylon V2.06;4=4.Goodwe;8=8.GINLONG/Solis;15=15.Schneider;16=16.SOLAX;17=17.Custom;23=23.Custom;"
     "24=24.reserve;31=31.reserve"},
    {"comboBoxRs485", 24, false, "0=0.Pylon V3.5;4=4.Voltronic;8=8.Lux_modbus;9=9.SMK;10=10.Custom;23=23.Custom"},
    {"comboBoxMaxChargingVolt", 5, true, "0=54;2=56;4=58"},
    {"comboBoxMaxChargingCur", 4, true, "0=50;1=100;3=200"},
    {"comboBoxMaxDischargingCur", 4, true, "0=-50;1=-100;3=-200"},
    {"comboBoxDischargeCutOff", 9, true, "0=40;4=44;8=48"},
    {"comboBoxForcedChargeRequest1SOC", 16, true, SOC_SAMPLES},
    {"comboBoxForcedChargeRelease1SOC", 16, true, SOC_SAMPLES},
    {"comboBoxForcedChargeRequest2SOC", 16, true, SOC_SAMPLES},
    {"comboBoxForcedChargeRelease2SOC", 16, true, SOC_SAMPLES},
    {"comboBoxBmsAdrss", 35, false, "0=;1=0;2=1;17=16;33=32;34=255"},
    {"comboBoxCanBaud", 5, false, "0=;1=125;2=250;3=500;4=1000"},
    {"comboBoxUart1Baud", 6, false, UART_SAMPLES},
    {"comboBoxUart2Baud", 6, false, UART_SAMPLES},
    {"comboBoxUart3Baud", 6, false, UART_SAMPLES},
    {"comboBoxUart4Baud", 6, false, UART_SAMPLES},
    {"comboBoxUart5Baud", 6, false, UART_SAMPLES},
    {"comboBoxLanguage", 4, false, "0=English;1=简体中文;2=Русский;3=Вьетнам"},
};

// The form's own line edits, without those inside the editable combo boxes.
QList<QLineEdit *> lineEdits(const QWidget *page)
{
    QList<QLineEdit *> edits;
    for (QLineEdit *edit : page->findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(edit->parentWidget()))
            edits << edit;
    return edits;
}

QString policyName(QSizePolicy::Policy p)
{
    return QString::fromLatin1(QMetaEnum::fromType<QSizePolicy::Policy>().valueToKey(p));
}

// The cell of a widget in the grid of its parent, as "grid row,column rowsxcols".
QString cellOf(QWidget *w)
{
    QWidget *holder = w->parentWidget();
    // A tab widget's pages sit in a stack inside it.
    QGridLayout *grid = holder ? qobject_cast<QGridLayout *>(holder->layout()) : nullptr;
    const int index = grid ? grid->indexOf(w) : -1;
    if (index < 0)
        return QStringLiteral("nowhere");
    int row, col, rows, cols;
    grid->getItemPosition(index, &row, &col, &rows, &cols);
    return QStringLiteral("%1 %2,%3 %4x%5").arg(grid->objectName()).arg(row).arg(col).arg(rows).arg(cols);
}

// Answers every lookup with the source text marked.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "UserWindow") != 0)
            return QString();
        ++lookups;
        if (!sourceText || !*sourceText)
            ++emptyLookups;
        return QStringLiteral("~") + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }

    mutable int lookups = 0;
    mutable int emptyLookups = 0;
};

// Stands in for the page: the slots the form wires by name.
class SlotProbe : public QWidget
{
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void on_comboBoxLanguage_currentIndexChanged(int index) { calls << QStringLiteral("language %1").arg(index); }
    void on_lineEditPassword_textChanged(const QString &text) { calls << QStringLiteral("password ") + text; }
    void on_btnUserReadAll_clicked() { calls << QStringLiteral("read all"); }
    void on_btnCalibrationLineLossWrite_clicked() { calls << QStringLiteral("line loss write"); }
};

} // namespace

class TestUserForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void treeHoldsEveryWidgetOnce();
    void everyWidgetStandsInItsCell();
    void spacersStandInTheirCells();
    void tabsInOrder();
    void valueListsAndTheirFirstItems();
    void freshFormIsEmptyEditableAndEnabled();
    void fontsFollowTheApplicationFamily();
    void slotsAreWiredAfterTheSetup();
    void retranslationSetsEveryTextAndUndoesReadValues();
    void everyTextHasAChineseAndRussianTranslation_data();
    void everyTextHasAChineseAndRussianTranslation();
    void pageFitsTheScreenWithoutCutTexts_data();
    void pageFitsTheScreenWithoutCutTexts();

private:
    QWidget *page = nullptr;
    Ui::UserWindow *ui = nullptr;

    template<typename T>
    T *child(const QString &name) const
    {
        const QList<T *> found = page->findChildren<T *>(name);
        return found.size() == 1 ? found.first() : nullptr;
    }
    // Every label, button, group title and tab title, in a stable order.
    QStringList shownTexts() const;
};

void TestUserForm::init()
{
    page = new QWidget;
    ui = new Ui::UserWindow;
    ui->setupUi(page);
}

void TestUserForm::cleanup()
{
    delete ui;
    ui = nullptr;
    delete page;
    page = nullptr;
}

QStringList TestUserForm::shownTexts() const
{
    QStringList texts;
    for (int i = 0; i < ui->tabWidget->count(); ++i)
        texts << ui->tabWidget->tabText(i);
    for (QGroupBox *g : page->findChildren<QGroupBox *>())
        texts << g->objectName() + QLatin1Char('=') + g->title();
    for (QLabel *l : page->findChildren<QLabel *>())
        texts << l->objectName() + QLatin1Char('=') + l->text();
    for (QPushButton *b : page->findChildren<QPushButton *>())
        texts << b->objectName() + QLatin1Char('=') + b->text();
    return texts;
}

void TestUserForm::treeHoldsEveryWidgetOnce()
{
    QCOMPARE(page->objectName(), QStringLiteral("UserWindow"));
    QCOMPARE(page->findChildren<QGroupBox *>().size(), 9);
    QCOMPARE(page->findChildren<QLabel *>().size(), 62);
    QCOMPARE(page->findChildren<QComboBox *>().size(), 18);
    QCOMPARE(lineEdits(page).size(), 40);
    QCOMPARE(page->findChildren<QPushButton *>().size(), 28);
    QCOMPARE(page->findChildren<QGridLayout *>().size(), 13);
    int spacers = 0;
    for (QGridLayout *grid : page->findChildren<QGridLayout *>())
        for (int i = 0; i < grid->count(); ++i)
            spacers += grid->itemAt(i)->spacerItem() ? 1 : 0;
    QCOMPARE(spacers, 44);

    // Object names are the page's interface: none is used twice.
    QSet<QString> names;
    for (QObject *o : page->findChildren<QObject *>()) {
        if (o->objectName().isEmpty() || o->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QVERIFY2(!names.contains(o->objectName()), qPrintable(o->objectName()));
        names.insert(o->objectName());
    }
}

void TestUserForm::everyWidgetStandsInItsCell()
{
    for (const Cell &c : CELLS) {
        const QString name = QString::fromLatin1(c.name);
        QWidget *w = child<QWidget>(name);
        QVERIFY2(w, c.name);
        QCOMPARE(w->metaObject()->className(), c.cls);
        QCOMPARE(cellOf(w), QStringLiteral("%1 %2,%3 %4x%5").arg(QLatin1String(c.grid)).arg(c.row).arg(c.col)
                                .arg(c.rows).arg(c.cols));
        if (!c.text)
            continue;
        const QString text = QString::fromUtf8(c.text);
        if (auto *g = qobject_cast<QGroupBox *>(w))
            QCOMPARE(g->title(), text);
        else if (auto *l = qobject_cast<QLabel *>(w))
            QCOMPARE(l->text(), text);
        else
            QCOMPARE(qobject_cast<QPushButton *>(w)->text(), text);
    }
    for (int n = 1; n <= 18; ++n) {
        const QString number = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        QLabel *label = child<QLabel>(QStringLiteral("labelLineloss") + number);
        QLineEdit *edit = child<QLineEdit>(QStringLiteral("lineEditLinelossValue_") + number);
        QVERIFY2(label && edit, qPrintable(number));
        const int row = (n - 1) % 6, col = 3 * ((n - 1) / 6);
        QCOMPARE(cellOf(label), QStringLiteral("gridLayout_9 %1,%2 1x1").arg(row).arg(col));
        QCOMPARE(cellOf(edit), QStringLiteral("gridLayout_9 %1,%2 1x1").arg(row).arg(col + 1));
        QCOMPARE(label->text(), QStringLiteral("Cells_%1 (u\u03A9)").arg(number));
    }
    // The group boxes sit on their tab pages, every other widget in its group box.
    QCOMPARE(ui->groupBoxInverter->parentWidget(), ui->tab);
    QCOMPARE(ui->groupBox_4->parentWidget(), ui->tab_3);
    QCOMPARE(ui->groupBox_3->parentWidget(), ui->tab_2);
    QCOMPARE(ui->gridLayout_8->parentWidget(), page);
    QCOMPARE(ui->gridLayout_8->indexOf(ui->tabWidget), 0);
}

void TestUserForm::spacersStandInTheirCells()
{
    QStringList found;
    for (QGridLayout *grid : page->findChildren<QGridLayout *>()) {
        for (int i = 0; i < grid->count(); ++i) {
            QSpacerItem *s = grid->itemAt(i)->spacerItem();
            if (!s)
                continue;
            int row, col, rows, cols;
            grid->getItemPosition(i, &row, &col, &rows, &cols);
            found << QStringLiteral("%1 %2,%3 %4x%5: %6x%7 %8/%9")
                         .arg(grid->objectName()).arg(row).arg(col).arg(rows).arg(cols)
                         .arg(s->sizeHint().width()).arg(s->sizeHint().height())
                         .arg(policyName(s->sizePolicy().horizontalPolicy()))
                         .arg(policyName(s->sizePolicy().verticalPolicy()));
        }
    }
    QStringList expected;
    for (const char *s : SPACERS)
        expected << QString::fromLatin1(s);
    found.sort();
    expected.sort();
    QCOMPARE(found, expected);
}

void TestUserForm::tabsInOrder()
{
    QCOMPARE(page->windowTitle(), QStringLiteral("Form"));
    QTabWidget *tabs = ui->tabWidget;
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList pages = {"tab", "tab_3", "tab_2"};
    const QStringList titles = {"Set information", "WIFI/MQTT parmaeters", "Calibration information"};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(tabs->widget(i)->objectName(), pages[i]);
        QCOMPARE(tabs->tabText(i), titles[i]);
        QCOMPARE(tabs->widget(i)->layout()->objectName(),
                 QStringList({"gridLayout_13", "gridLayout_12", "gridLayout_10"})[i]);
    }
    QCOMPARE(tabs->tabPosition(), QTabWidget::North);
    QCOMPARE(tabs->elideMode(), Qt::ElideMiddle);
}

void TestUserForm::valueListsAndTheirFirstItems()
{
    int editable = 0;
    for (const ComboList &c : COMBOS) {
        QComboBox *combo = child<QComboBox>(QString::fromLatin1(c.name));
        QVERIFY2(combo, c.name);
        QCOMPARE(combo->count(), c.count);
        QCOMPARE(combo->isEditable(), c.editable);
        for (const QString &sample : QString::fromUtf8(c.samples).split(QLatin1Char(';'))) {
            const int at = sample.indexOf(QLatin1Char('='));
            QCOMPARE(combo->itemText(sample.left(at).toInt()), sample.mid(at + 1));
        }
        // Every list starts at its first item, the editable ones show it in their field.
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->currentText(), combo->itemText(0));
        editable += combo->isEditable() ? 1 : 0;
    }
    QCOMPARE(editable, 8);

    // The protocol lists: the protocol number, a point and its name, for every index.
    for (QComboBox *combo : {ui->comboBoxCanbus, ui->comboBoxRs485})
        for (int i = 0; i < combo->count(); ++i)
            QVERIFY2(combo->itemText(i).startsWith(QString::number(i) + QLatin1Char('.')),
                     qPrintable(combo->itemText(i)));
    // Addresses 0 to 32 and 255, nothing between.
    for (int i = 1; i <= 33; ++i)
        QCOMPARE(ui->comboBoxBmsAdrss->itemText(i), QString::number(i - 1));

    // Each language beside its flag, compiled into the program.
    QCOMPARE(ui->comboBoxLanguage->iconSize(), QSize(25, 25));
    for (int i = 0; i < 4; ++i) {
        const QIcon icon = ui->comboBoxLanguage->itemIcon(i);
        QVERIFY2(!icon.isNull() && !icon.pixmap(25, 25).isNull(), qPrintable(QString::number(i)));
    }
    for (const char *image : {":/EN02.png", ":/CN02.png", ":/eryu.png", ":/belang.png"})
        QVERIFY2(!QImage(QString::fromLatin1(image)).isNull(), image);
}

void TestUserForm::freshFormIsEmptyEditableAndEnabled()
{
    for (QLineEdit *edit : lineEdits(page)) {
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        QCOMPARE(edit->isReadOnly(), edit == ui->lineEditZeroCurrent);
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QCOMPARE(edit->maxLength(), 32767);
    }
    for (int i = 0; i < 3; ++i) {
        QWidget *tab = ui->tabWidget->widget(i);
        for (QWidget *w : tab->findChildren<QWidget *>()) {
            if (w->parentWidget() != tab && !qobject_cast<QGroupBox *>(w->parentWidget()))
                continue;
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
            QVERIFY2(!w->isHidden(), qPrintable(w->objectName()));
        }
    }
    // The BMS clock shows on white, empty until a read.
    QCOMPARE(ui->labelBmsSystemTime->text(), QString());
    QVERIFY(ui->labelBmsSystemTime->styleSheet().contains(QLatin1String("background-color: rgb(255, 255, 255)")));
    QCOMPARE(ui->labelBmsReset->layoutDirection(), Qt::RightToLeft);
    QVERIFY(ui->lineEditBMS_SN->hasFrame());
    QVERIFY(!ui->lineEditBMS_SN->dragEnabled());
}

void TestUserForm::fontsFollowTheApplicationFamily()
{
    // Sizes are the form's own; the family always stays the application's.
    const auto points = [](QWidget *w) {
        return (w->font().resolve() & QFont::SizeResolved) ? w->font().pointSize() : 0;
    };
    for (QWidget *w : page->findChildren<QWidget *>())
        QVERIFY2(!(w->font().resolve() & QFont::FamilyResolved), qPrintable(w->objectName()));
    for (QGroupBox *g : page->findChildren<QGroupBox *>())
        QCOMPARE(points(g), g == ui->groupBox_3 ? 0 : 11);
    QCOMPARE(points(ui->label_8), 9);
    for (QWidget *w : QList<QWidget *>{ui->labelLanguage, ui->labelPassword, ui->comboBoxLanguage, ui->lineEditPassword})
        QCOMPARE(points(w), 12);
    for (QWidget *w : QList<QWidget *>{ui->btnCalibrationLineLossRead, ui->btnCalibrationLineLossWrite, ui->pushButton})
        QCOMPARE(points(w), 11);
    QCOMPARE(points(page), 0);
    QCOMPARE(points(ui->tabWidget), 0);
}

void TestUserForm::slotsAreWiredAfterTheSetup()
{
    SlotProbe probe;
    Ui::UserWindow form;
    form.setupUi(&probe);
    // Filling the language list moved its index from -1 to 0 before the wiring.
    QCOMPARE(probe.calls, QStringList());

    form.comboBoxLanguage->setCurrentIndex(2);
    QTest::keyClicks(form.lineEditPassword, QStringLiteral("ab"));
    form.btnUserReadAll->click();
    form.btnCalibrationLineLossWrite->click();
    form.pushButton->click();
    QCOMPARE(probe.calls, QStringList({"language 2", "password a", "password ab", "read all", "line loss write"}));
}

void TestUserForm::retranslationSetsEveryTextAndUndoesReadValues()
{
    // What a read and the operator leave behind.
    ui->comboBoxMaxChargingVolt->setItemText(0, QStringLiteral("53.5"));
    ui->comboBoxMaxChargingVolt->setCurrentIndex(0);
    ui->comboBoxBmsAdrss->setItemText(0, QStringLiteral("7"));
    ui->comboBoxCanbus->setCurrentIndex(6);
    ui->comboBoxUart2Baud->setCurrentIndex(3);
    ui->labelBmsSystemTime->setText(QStringLiteral("2026-03-09 00:05:30"));
    ui->lineEdit_mqttUsername->setText(QStringLiteral("operator"));
    ui->lineEditPack_SN->setText(QStringLiteral("PACK-0042"));
    ui->tabWidget->setCurrentIndex(2);

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    translator.lookups = 0;
    ui->retranslateUi(page);
    QCoreApplication::removeTranslator(&translator);

    // Title, 3 tabs, 9 groups, 61 labels with a text, 28 buttons and the 209 items that are not blank.
    QCOMPARE(translator.lookups, 311);
    QCOMPARE(translator.emptyLookups, 0);
    QCOMPARE(page->windowTitle(), QStringLiteral("~Form"));
    QCOMPARE(ui->tabWidget->tabText(1), QStringLiteral("~WIFI/MQTT parmaeters"));
    QCOMPARE(ui->groupBox_2->title(), QStringLiteral("~User "));
    QCOMPARE(ui->labelBMS_SN->text(), QStringLiteral("~BMS  SN:"));
    QCOMPARE(ui->btnUpdateSystemTime->text(), QStringLiteral("~Update the BMS RTC time"));
    QCOMPARE(ui->comboBoxLanguage->itemText(1), QStringLiteral("~简体中文"));

    // The lists' own first items come back; the selections stay.
    QCOMPARE(ui->comboBoxMaxChargingVolt->currentText(), QStringLiteral("~54"));
    QCOMPARE(ui->comboBoxBmsAdrss->itemText(0), QString());
    QCOMPARE(ui->comboBoxCanbus->currentIndex(), 6);
    QCOMPARE(ui->comboBoxCanbus->currentText(), QStringLiteral("~6.Victron"));
    QCOMPARE(ui->comboBoxUart2Baud->currentText(), QStringLiteral("~38400"));
    QCOMPARE(ui->tabWidget->currentIndex(), 2);
    // The clock and the MQTT user name are emptied; other fields keep their text.
    QCOMPARE(ui->labelBmsSystemTime->text(), QString());
    QCOMPARE(ui->lineEdit_mqttUsername->text(), QString());
    QCOMPARE(ui->lineEditPack_SN->text(), QStringLiteral("PACK-0042"));
    int items = 0;
    for (QComboBox *c : page->findChildren<QComboBox *>())
        items += c->count();
    QCOMPARE(items, 216);

    // Without a translator: the English texts again.
    ui->retranslateUi(page);
    QCOMPARE(ui->comboBoxMaxChargingVolt->currentText(), QStringLiteral("54"));
    QCOMPARE(ui->labelForcedChargeRelease2SOC->text(), QStringLiteral("Forced Charge Release 2 SOC (%)"));
}

void TestUserForm::everyTextHasAChineseAndRussianTranslation_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("custom");
    QTest::newRow("Chinese") << QStringLiteral("Language_zh_CN.qm") << QStringLiteral("17.自定义");
    QTest::newRow("Russian") << QStringLiteral("Language_ru_CN.qm") << QStringLiteral("17.Свой");
}

void TestUserForm::everyTextHasAChineseAndRussianTranslation()
{
    QFETCH(QString, file);
    QFETCH(QString, custom);
    const QStringList english = shownTexts();

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(USER_FORM_QM_DIR "/") + file));
    QCoreApplication::installTranslator(&translator);
    ui->retranslateUi(page);
    QCoreApplication::removeTranslator(&translator);

    const QStringList translated = shownTexts();
    QCOMPARE(translated.size(), english.size());
    for (int i = 0; i < english.size(); ++i) {
        if (english[i] == QLatin1String("labelBmsSystemTime="))
            continue;
        QVERIFY2(translated[i] != english[i], qPrintable(english[i]));
        QVERIFY2(!translated[i].endsWith(QLatin1Char('=')), qPrintable(english[i]));
    }
    QVERIFY(page->windowTitle() != QLatin1String("Form"));
    QCOMPARE(ui->comboBoxCanbus->itemText(17), custom);
    // Numbers, makers' protocols and the language names read the same in every language.
    QCOMPARE(ui->comboBoxCanbus->itemText(1), QStringLiteral("1.Deye"));
    QCOMPARE(ui->comboBoxUart1Baud->itemText(5), QStringLiteral("115200"));
    QCOMPARE(ui->comboBoxLanguage->itemText(2), QStringLiteral("Русский"));
}

void TestUserForm::pageFitsTheScreenWithoutCutTexts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("points");
    QTest::addColumn<QSize>("room");
    // The room the main window leaves the page beside its side bar.
    QTest::newRow("English 1366x768") << QString() << 10 << QSize(1200, 650);
    QTest::newRow("Chinese 1366x768") << QStringLiteral("Language_zh_CN.qm") << 10 << QSize(1200, 650);
    QTest::newRow("Russian 1366x768") << QStringLiteral("Language_ru_CN.qm") << 10 << QSize(1200, 650);
    QTest::newRow("English 1920x1080") << QString() << 11 << QSize(1750, 950);
    QTest::newRow("Russian 1920x1080") << QStringLiteral("Language_ru_CN.qm") << 11 << QSize(1750, 950);
}

void TestUserForm::pageFitsTheScreenWithoutCutTexts()
{
    QFETCH(QString, file);
    QFETCH(int, points);
    QFETCH(QSize, room);

    // The program's font and style sheet, set before the page is made.
    QFile sheet(QStringLiteral(":/Ubuntu.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QFont savedFont = QApplication::font();
    QApplication::setFont(QFont(QString::fromUtf8("微软雅黑"), points));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    QTranslator translator;
    if (!file.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral(USER_FORM_QM_DIR "/") + file));
        QCoreApplication::installTranslator(&translator);
    }
    auto restore = qScopeGuard([&]() {
        QCoreApplication::removeTranslator(&translator);
        qApp->setStyleSheet(QString());
        QApplication::setFont(savedFont);
    });

    QWidget sized;
    Ui::UserWindow form;
    form.setupUi(&sized);
    sized.resize(room);
    sized.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sized));
    const QSize needed = sized.minimumSizeHint();
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
             qPrintable(QStringLiteral("needs %1x%2").arg(needed.width()).arg(needed.height())));
    QCOMPARE(sized.size(), room);

    for (int i = 0; i < 3; ++i) {
        form.tabWidget->setCurrentIndex(i);
        QCoreApplication::processEvents();
        QWidget *tab = form.tabWidget->widget(i);
        for (QWidget *w : tab->findChildren<QWidget *>()) {
            if (w->parentWidget() != tab && !qobject_cast<QGroupBox *>(w->parentWidget()))
                continue;
            const QString where = QStringLiteral("%1 on tab %2: %3x%4").arg(w->objectName()).arg(i)
                                      .arg(w->width()).arg(w->height());
            // Inside its group box, and the box inside the tab.
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(where));
            if (qobject_cast<QLabel *>(w) || qobject_cast<QPushButton *>(w)) {
                QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(where));
                QVERIFY2(w->height() >= w->fontMetrics().height(), qPrintable(where));
            } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
                // The shown item, the frame and the arrow.
                QVERIFY2(combo->width() >= combo->fontMetrics().horizontalAdvance(combo->currentText()) + 30,
                         qPrintable(where));
            }
            if (qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w))
                QVERIFY2(w->height() >= w->fontMetrics().height() + 4, qPrintable(where));
        }
        for (QGroupBox *g : tab->findChildren<QGroupBox *>()) {
            QFont bold = g->font();
            bold.setBold(true);
            QVERIFY2(g->width() >= QFontMetrics(bold).horizontalAdvance(g->title()) + 20, qPrintable(g->objectName()));
        }
    }
}

QTEST_MAIN(TestUserForm)
#include "tst_userform.moc"
