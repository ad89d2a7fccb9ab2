// The settings page on its own: form, fill, write path, language switch and
// parameter file. The link is not running; the tests play its part through
// the data area.
#include "settingswindow.h"

#include "bmsdataarea.h"
#include "boxes.h"
#include "settingsimage.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formHasItsWidgets();
    void formStartsEmpty();
    void formFitsTheScreens();

    void readAllFillsEveryGroup();
    void readOfOneGroupFillsOnlyThatGroup();
    void backgroundReplyChangesNothing();
    void readWithPortClosedAsksForThePort();

    void writeEncodesEachGroup();
    void switchWriteKeepsTheOtherBits();
    void valuesAreRoundedAndCheckedForFit_data();
    void valuesAreRoundedAndCheckedForFit();
    void refusedValueLowersOnlyThisPressFlags();
    void declinedWriteLowersOnlyThisPressFlags();
    void errorsOfAnotherPageDoNotRefuse();
    void unreadRegistersRefuseTheWrite();
    void armedImageSurvivesALaterReply();

    void languageSwitchKeepsValues();
    void fourthLanguageChangesNothing();

    void exportThenImportRoundTrips();
    void exportAndImportInAnotherLanguage_data();
    void exportAndImportInAnotherLanguage();
    void malformedFileChangesNothing();
    void unwritableFileIsReported();
    void cancelledDialogDoesNothing();

private:
    QComboBox *box(const char *name) { return page->findChild<QComboBox *>(name); }
    QLineEdit *edit(const char *name) { return page->findChild<QLineEdit *>(name); }
    QPushButton *button(const char *name) { return page->findChild<QPushButton *>(name); }
    QStringList shownValues() const;
    // Plays a reply of the link: the image is stored and flagged ready, the poll fills.
    void deliver(const QByteArray &image);
    void readAll(const QByteArray &image);
    void type(const char *name, const QString &text) { box(name)->setEditText(text); }
    void choose(const char *name, int index) { box(name)->setCurrentIndex(index); }
    bool useTestLanguage();

    SettingsWindow *page = nullptr;
    BoxWatcher *boxes = nullptr;
    QScopedPointer<QTemporaryDir> tempDir;
    QString filePath(const QString &name) const { return tempDir->filePath(name); }
    QString startDir;
};

void TestSettingsWindow::init()
{
    BmsDataArea::reset();
    startDir = QDir::currentPath();
    tempDir.reset(new QTemporaryDir);
    page = new SettingsWindow;
    page->show();
    boxes = new BoxWatcher;
}

void TestSettingsWindow::cleanup()
{
    qApp->setStyleSheet(QString());
    delete boxes;
    delete page;
    QDir::setCurrent(startDir);
}

QStringList TestSettingsWindow::shownValues() const
{
    QStringList values;
    for (QComboBox *combo : page->valueList())
        values << combo->currentText();
    return values;
}

void TestSettingsWindow::deliver(const QByteArray &image)
{
    QVERIFY(bmsArea.setSystemSettingParams(image));
    QTRY_COMPARE_WITH_TIMEOUT(int(bmsArea.systemSettingReady), 0, 5000);
}

void TestSettingsWindow::readAll(const QByteArray &image)
{
    bmsArea.serialPortOpen = 1;
    button("btnSystemParameterReadAll")->click();
    deliver(image);
    QVERIFY(boxes->waitFor("reading completed"));
    boxes->clear();
}

bool TestSettingsWindow::useTestLanguage()
{
    // The page loads its translation from the working directory.
    if (!QFile::copy(QStringLiteral(SETTINGS_TEST_QM), filePath("Language_zh_CN.qm"))
        && !QFile::exists(filePath("Language_zh_CN.qm")))
        return false;
    return QDir::setCurrent(tempDir->path());
}

// ---- Form ----------------------------------------------------------------------

void TestSettingsWindow::formHasItsWidgets()
{
    auto named = [this](const QString &prefix, const QList<QWidget *> &all) {
        QStringList names;
        for (QWidget *w : all) {
            if (w->objectName().startsWith(prefix))
                names << w->objectName();
        }
        return names;
    };
    QList<QWidget *> all = page->findChildren<QWidget *>();
    QCOMPARE(page->findChildren<QGroupBox *>().size(), 8);
    QCOMPARE(named("label", all).size(), 32);
    QCOMPARE(page->findChildren<QComboBox *>().size(), 28);
    QCOMPARE(named("lineEdit", all).size(), 4);
    QCOMPARE(page->findChildren<QPushButton *>().size(), 18);
    QCOMPARE(page->findChildren<QGridLayout *>().size(), 9);
    int spacers = 0;
    for (QGridLayout *grid : page->findChildren<QGridLayout *>()) {
        for (int i = 0; i < grid->count(); ++i)
            spacers += grid->itemAt(i)->spacerItem() ? 1 : 0;
    }
    QCOMPARE(spacers, 24);

    // Item counts of the value lists, by object name.
    const QList<QPair<const char *, int>> counts = {
        {"comboBoxSystemCellsNumber", 31}, {"comboBoxCellsNTCNumber", 9}, {"comboBoxBatteryType", 4},
        {"comboBoxRemaninCap", 17}, {"comboBoxFullCap", 17}, {"comboBoxDesignCap", 17}, {"comboBoxCycles", 34},
        {"comboBoxCurrentSensor", 6}, {"comboBoxSelfConsumption", 31}, {"comboBoxIdleSleepDelay", 11},
        {"comboBoxCellsSleepVoltage", 5}, {"comboBoxInspectionTime", 6}, {"comboBoxCellsSHIPvoltage", 12},
        {"comboBoxBalanceEnable", 2}, {"comboBoxThresholdVoltage", 20}, {"comboBoxDiffVoltage", 10},
        {"comboBoxIdleBalance", 2}, {"comboBoxheatEnableSwitch", 2}, {"comboBoxOpenHeatingThreshold", 12},
        {"comboBoxCloseHeatingThreshold", 5}, {"comboBoxlimitEnable", 2}, {"comboBoxlimitModel", 2},
        {"comboBoxlimitCurrent", 26}, {"comboBoxPwrEnable", 2}, {"comboBoxBuzzerEnable", 2},
        {"comboBoxledAlaramEn", 2}, {"comboBoxTripEnable", 2}, {"comboBoxSleepEnable", 2}};
    int items = 0;
    for (const auto &count : counts) {
        QVERIFY2(box(count.first), count.first);
        QCOMPARE(box(count.first)->count(), count.second);
        items += count.second;
    }
    QCOMPARE(items, 293);

    // A few lists in full where their oddities matter.
    QStringList threshold;
    for (int i = 1; i < box("comboBoxThresholdVoltage")->count(); ++i)
        threshold << box("comboBoxThresholdVoltage")->itemText(i);
    QCOMPARE(threshold.mid(0, 4), (QStringList{"3200", "3300", "3350", "3400"}));
    QCOMPARE(threshold.last(), QStringLiteral("4150"));
    QCOMPARE(box("comboBoxRemaninCap")->itemText(16), QStringLiteral("400"));
    QCOMPARE(box("comboBoxBatteryType")->itemText(3), QStringLiteral("Lithium titanate"));
    QCOMPARE(box("comboBoxlimitModel")->itemText(1), QStringLiteral("Active"));
    QCOMPARE(box("comboBoxCurrentSensor")->itemText(0), QStringLiteral("50"));

    // The 28 parameters in file order, their labels' texts as exported in English.
    QCOMPARE(page->titleList().size(), 28);
    QCOMPARE(page->valueList().size(), 28);
    QCOMPARE(page->titleList().at(13)->text(), QStringLiteral("Enable switch"));
    QCOMPARE(page->titleList().at(17)->text(), QStringLiteral("Enable switch"));
    QCOMPARE(page->titleList().at(18)->text(), QString::fromUtf8("Open Threshold(\u2103) "));
    QCOMPARE(page->titleList().at(23)->text(), QStringLiteral("PWR enable "));
    QCOMPARE(page->titleList().at(7)->text(), QString::fromUtf8("Current sensor(u\u03a9)"));
    QCOMPARE(page->valueList().at(27)->objectName(), QStringLiteral("comboBoxSleepEnable"));
    QCOMPARE(page->valueList().at(13)->parentWidget()->objectName(), QStringLiteral("groupBoxoBalanceSettings"));

    QStringList buttons;
    for (QPushButton *b : page->findChildren<QPushButton *>())
        buttons << b->objectName();
    buttons.sort();
    QStringList wantedButtons = {
        "btnBatteryParametersRead", "btnBatteryParametersWrite", "btnBalanceSettingsRead", "btnBalanceSettingsWrite",
        "btnLimitSetingRead", "btnLimitSetingWrite", "btnSysInformationRead", "btnPowerParametersRead",
        "btnPowerParametersWrite", "btnHeatingParameterRead", "btnHeatingParameterWrite",
        "btnSystemSwitchEnableRead", "btnSystemSwitchEnableWrite", "btnSystemParameterImport",
        "btnSystemParameterExport", "btnSystemParameterReadAll", "btnSystemParameterWirteAll", "pushButton"};
    wantedButtons.sort();
    QCOMPARE(buttons, wantedButtons);

    // The eight boxes in two rows of four, each over two rows of the page's grid.
    auto *outer = page->findChild<QGridLayout *>("gridLayout_9");
    QVERIFY(outer);
    const QList<QPair<const char *, QPoint>> cells = {
        {"groupBoxBatteryParameters", {0, 0}}, {"groupBoxoBalanceSettings", {0, 2}}, {"groupBox_2", {0, 4}},
        {"groupBoxSystemInformation", {0, 6}}, {"groupBoxPowerParameters", {3, 0}},
        {"groupBoxHeatingFilm", {3, 2}}, {"groupBox", {3, 4}}, {"groupBoxSystemConfig", {3, 6}}};
    for (const auto &cell : cells) {
        auto *group = page->findChild<QGroupBox *>(cell.first);
        QVERIFY2(group, cell.first);
        int row, column, rowSpan, columnSpan;
        outer->getItemPosition(outer->indexOf(group), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(row, column), cell.second);
        QCOMPARE(rowSpan, 2);
    }
    auto *config = page->findChild<QGridLayout *>("gridLayout_3");
    int row, column, rowSpan, columnSpan;
    config->getItemPosition(config->indexOf(button("pushButton")), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QVector<int>({row, column, columnSpan}), QVector<int>({8, 1, 3}));

    QCOMPARE(button("btnSystemParameterWirteAll")->text(), QStringLiteral("Write all"));
    QVERIFY(!button("pushButton")->isEnabled());
    QCOMPARE(page->findChild<QGroupBox *>("groupBox_2")->title(), QStringLiteral("Limit parametes"));
    for (QGroupBox *group : page->findChildren<QGroupBox *>())
        QCOMPARE(group->font().pointSize(), 11);
}

void TestSettingsWindow::formStartsEmpty()
{
    int noSelection = 0;
    int blank = 0;
    for (QComboBox *combo : page->valueList()) {
        QVERIFY(combo->currentText().isEmpty());
        if (combo->currentIndex() == -1)
            ++noSelection;
        else if (combo->currentIndex() == 0 && combo->isEditable() && combo->itemText(0).isEmpty())
            ++blank;
    }
    QCOMPARE(noSelection, 12);
    QCOMPARE(blank, 16);
    QVERIFY(!box("comboBoxBatteryType")->isEditable());
    QVERIFY(box("comboBoxCurrentSensor")->isEditable());
    QCOMPARE(box("comboBoxCurrentSensor")->currentIndex(), -1);
}

void TestSettingsWindow::formFitsTheScreens()
{
    // The page gets about 1200 x 650 on a 1366 x 768 screen, with the program's style sheet.
    QFile sheet(":/Ubuntu.qss");
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QFont font = qApp->font();
    qApp->setFont(QFont(QString::fromUtf8("微软雅黑"), 10));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    QCoreApplication::processEvents();
    auto restoreFont = qScopeGuard([font]() { qApp->setFont(font); });
    // Made as the program makes it: font and style sheet first.
    SettingsWindow fresh;
    fresh.show();
    const QSize needed = fresh.minimumSizeHint();
    QVERIFY2(needed.width() <= 1200 && needed.height() <= 650,
             qPrintable(QString("%1 x %2").arg(needed.width()).arg(needed.height())));
    for (const QSize &size : {QSize(1200, 650), QSize(1750, 950)}) {
        fresh.resize(size);
        QCoreApplication::processEvents();
        for (QComboBox *combo : fresh.valueList()) {
            QVERIFY(combo->width() >= combo->minimumWidth());
            QVERIFY(combo->height() >= 25 && combo->height() <= 32);
            const QRect inBox = combo->geometry();
            QVERIFY(combo->parentWidget()->rect().contains(inBox));
        }
        for (QGroupBox *group : fresh.findChildren<QGroupBox *>())
            QVERIFY(fresh.rect().contains(group->geometry()));
    }
}

// ---- Reading -------------------------------------------------------------------

void TestSettingsWindow::readAllFillsEveryGroup()
{
    bmsArea.serialPortOpen = 1;
    button("btnSystemParameterReadAll")->click();
    deliver(settingsImage());

    QCOMPARE(shownValues(), settingsImageTexts());
    QCOMPARE(edit("lineEditModificationDate")->text(), QStringLiteral("20240105"));
    QCOMPARE(edit("lineEditUpdateFlag")->text(), QStringLiteral("2"));
    QCOMPARE(edit("lineEditUpdateCounts")->text(), QStringLiteral("7"));
    QCOMPARE(edit("lineEditWrssi")->text(), QStringLiteral("-67"));
    // The current sensor has no blank item: its first suggestion takes the value.
    QCOMPARE(box("comboBoxCurrentSensor")->currentIndex(), 0);
    QCOMPARE(box("comboBoxCurrentSensor")->itemText(0), QStringLiteral("120"));
    QCOMPARE(box("comboBoxCurrentSensor")->itemText(1), QStringLiteral("100"));

    for (int i = 0; i < 8; ++i)
        QCOMPARE(int(bmsArea.systemSettingReadFlags[i]), 0);
    QVERIFY(boxes->waitFor("reading completed"));
    QCOMPARE(boxes->count("reading completed"), 1);
    QCOMPARE(int(bmsArea.readCompletedAnnounce), 0);

    // A battery type the list does not hold leaves the box without an item.
    QByteArray odd = settingsImage();
    odd[2] = 7;
    readAll(odd);
    QCOMPARE(box("comboBoxBatteryType")->currentIndex(), -1);
}

void TestSettingsWindow::readOfOneGroupFillsOnlyThatGroup()
{
    bmsArea.serialPortOpen = 1;
    boxes->setLeaveOpen(true);
    button("btnLimitSetingRead")->click();
    QCOMPARE(int(bmsArea.systemSettingReadFlags[4]), 1);
    QCOMPARE(int(bmsArea.readCompletedAnnounce), 1);
    deliver(settingsImage());

    // The completion note: parentless, titled "info", no icon, and it closes by itself.
    QVERIFY(boxes->waitFor("reading completed"));
    QPointer<QMessageBox> note;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *candidate = qobject_cast<QMessageBox *>(widget);
        if (candidate && candidate->isVisible() && candidate->text() == QLatin1String("reading completed"))
            note = candidate;
    }
    QVERIFY(note);
    QCOMPARE(note->icon(), QMessageBox::NoIcon);
    QCOMPARE(note->windowTitle(), QStringLiteral("info"));
    QCOMPARE(note->parentWidget(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(note.isNull() || !note->isVisible(), 5000);
    boxes->setLeaveOpen(false);

    QCOMPARE(box("comboBoxlimitEnable")->currentText(), QStringLiteral("ON"));
    QCOMPARE(box("comboBoxlimitModel")->currentText(), QStringLiteral("Active"));
    QCOMPARE(box("comboBoxlimitCurrent")->currentText(), QStringLiteral("12.0"));
    QCOMPARE(box("comboBoxSystemCellsNumber")->currentText(), QString());
    QCOMPARE(box("comboBoxPwrEnable")->currentIndex(), -1);
    QVERIFY(edit("lineEditWrssi")->text().isEmpty());
}

void TestSettingsWindow::backgroundReplyChangesNothing()
{
    readAll(settingsImage());
    const QStringList before = shownValues();

    QByteArray other = settingsImage();
    other[0] = 9;
    other[96] = 0;
    deliver(other);
    QTest::qWait(300);
    QCOMPARE(shownValues(), before);
    QCOMPARE(boxes->seen().size(), 0);

    // A reply after a read that timed out (flags cleared by the link) announces nothing.
    bmsArea.readCompletedAnnounce = 1;
    deliver(other);
    QTest::qWait(300);
    QCOMPARE(boxes->seen().size(), 0);
}

void TestSettingsWindow::readWithPortClosedAsksForThePort()
{
    bmsArea.readCompletedAnnounce = 1;
    button("btnSystemParameterReadAll")->click();
    QVERIFY(boxes->waitFor("Please open the serial port first"));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(int(bmsArea.systemSettingReadFlags[i]), 0);
    QCOMPARE(int(bmsArea.readCompletedAnnounce), 0);
    QCOMPARE(boxes->seen().first().title, QStringLiteral("info"));

    // A write with the port closed lowers its flags and asks for the port too.
    boxes->clear();
    bmsArea.systemSettingWriteFlags[0] = 1;
    bmsArea.systemSettingWriteFlags[6] = 1;
    button("btnSystemParameterWirteAll")->click();
    QVERIFY(boxes->waitFor("Please open the serial port first"));
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 0);
    QVERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
}

// ---- Writing -------------------------------------------------------------------

void TestSettingsWindow::writeEncodesEachGroup()
{
    readAll(settingsImage());
    bmsArea.serialPortOpen = 1;

    type("comboBoxSystemCellsNumber", "15");
    choose("comboBoxBatteryType", 3);
    type("comboBoxFullCap", "100");
    type("comboBoxCycles", "0");
    button("btnBatteryParametersWrite")->click();
    const BmsSystemSettingRecord &r = bmsArea.systemSetting;
    QCOMPARE(int(r.u8(0)), 15);
    QCOMPARE(int(r.u16(2)), 3);
    QCOMPARE(int(r.u16(6)), 10000);
    QCOMPARE(int(r.u16(10)), 0);
    QCOMPARE(int(r.u16(12)), 10000);   // the cycle marker
    QCOMPARE(int(bmsArea.systemSettingWriteFlags[6]), 1);
    QCOMPARE(int(bmsArea.writeArmed[BlockSystemSetting]), 1);
    QCOMPARE(int(bmsArea.parameterWritePending), 1);
    QCOMPARE(bmsArea.writeImage[BlockSystemSetting], r.toByteArray());

    bmsArea.clearWriteFlags(BlockSystemSetting);
    type("comboBoxOpenHeatingThreshold", "-3.7");
    type("comboBoxCloseHeatingThreshold", "5");
    choose("comboBoxheatEnableSwitch", 0);
    button("btnHeatingParameterWrite")->click();
    QCOMPARE(int(r.u16(72)), 0);
    QCOMPARE(int(r.s16(74)), -37);
    QCOMPARE(int(r.s16(76)), 50);

    bmsArea.clearWriteFlags(BlockSystemSetting);
    choose("comboBoxBalanceEnable", 0);
    choose("comboBoxIdleBalance", 1);
    type("comboBoxThresholdVoltage", "3350");
    button("btnBalanceSettingsWrite")->click();
    QCOMPARE(int(r.u8(66)), 0);
    QCOMPARE(int(r.u8(67)), 1);
    QCOMPARE(int(r.u16(68)), 3350);

    bmsArea.clearWriteFlags(BlockSystemSetting);
    type("comboBoxlimitCurrent", "12");
    choose("comboBoxlimitModel", 0);
    button("btnLimitSetingWrite")->click();
    QCOMPARE(int(r.s16(94)), 120);
    QCOMPARE(int(r.u8(93)), 0);
    QCOMPARE(int(r.u8(92)), 1);

    bmsArea.clearWriteFlags(BlockSystemSetting);
    type("comboBoxInspectionTime", "4");
    button("btnPowerParametersWrite")->click();
    QCOMPARE(int(r.u16(62)), 4);
    QCOMPARE(int(r.u16(20)), 120);
    QCOMPARE(boxes->count(" Parameter error, please check the parameters !"), 0);
    QCOMPARE(boxes->count("Are you sure you want to write ?"), 5);
}

void TestSettingsWindow::switchWriteKeepsTheOtherBits()
{
    readAll(settingsImage());   // switch word 0x8025
    choose("comboBoxPwrEnable", 1);
    choose("comboBoxBuzzerEnable", 0);
    choose("comboBoxledAlaramEn", 0);
    choose("comboBoxTripEnable", 0);
    choose("comboBoxSleepEnable", 1);
    button("btnSystemSwitchEnableWrite")->click();
    QCOMPARE(int(bmsArea.systemSetting.systemSwitchEnable()), 0x8031);
    QCOMPARE(int(bmsArea.systemSettingWriteFlags[1]), 1);
}

void TestSettingsWindow::valuesAreRoundedAndCheckedForFit_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("stored");   // signed 16-bit, or the byte for 8-bit fields

    QTest::newRow("threshold rounded") << "comboBoxOpenHeatingThreshold" << "2.3" << 74 << true << 23;
    QTest::newRow("negative rounded") << "comboBoxCloseHeatingThreshold" << "-4.6" << 76 << true << -46;
    QTest::newRow("threshold not a number") << "comboBoxOpenHeatingThreshold" << "warm" << 74 << false << 0;
    QTest::newRow("threshold empty") << "comboBoxOpenHeatingThreshold" << "" << 74 << false << 0;
    QTest::newRow("threshold too big") << "comboBoxOpenHeatingThreshold" << "4000" << 74 << false << 0;
    QTest::newRow("limit below 1 A") << "comboBoxlimitCurrent" << "0.5" << 94 << false << 0;
    QTest::newRow("limit just below 1 A") << "comboBoxlimitCurrent" << "-0.96" << 94 << false << 0;
    QTest::newRow("limit 1 A") << "comboBoxlimitCurrent" << "1" << 94 << true << 10;
    QTest::newRow("limit negative") << "comboBoxlimitCurrent" << "-3.7" << 94 << true << -37;
    QTest::newRow("limit rounded") << "comboBoxlimitCurrent" << "57.65" << 94 << true << 577;
    QTest::newRow("cells 256") << "comboBoxSystemCellsNumber" << "256" << 0 << false << 0;
    QTest::newRow("cells 0") << "comboBoxSystemCellsNumber" << "0" << 0 << false << 0;
    QTest::newRow("capacity 656 Ah") << "comboBoxDesignCap" << "656" << 8 << false << 0;
    QTest::newRow("capacity 655 Ah") << "comboBoxDesignCap" << "655" << 8 << true << -36;  // 65500
    QTest::newRow("cycles not a number") << "comboBoxCycles" << "many" << 10 << false << 0;
    QTest::newRow("cycles negative") << "comboBoxCycles" << "-1" << 10 << false << 0;
    QTest::newRow("cycles 65535") << "comboBoxCycles" << "65535" << 10 << true << -1;
    QTest::newRow("sensor 65536") << "comboBoxCurrentSensor" << "65536" << 20 << false << 0;
    QTest::newRow("sensor decimal") << "comboBoxCurrentSensor" << "1.5" << 20 << false << 0;
}

void TestSettingsWindow::valuesAreRoundedAndCheckedForFit()
{
    QFETCH(QString, combo);
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(bool, accepted);
    QFETCH(int, stored);

    readAll(settingsImage());
    const QByteArray before = bmsArea.systemSetting.toByteArray();
    box(combo.toLatin1())->setEditText(text);
    QWidget *groupBox = box(combo.toLatin1())->parentWidget();
    for (QPushButton *b : groupBox->findChildren<QPushButton *>()) {
        if (b->objectName().endsWith("Write"))
            b->click();
    }
    if (accepted) {
        const int value = offset == 0 ? int(bmsArea.systemSetting.u8(offset)) : int(bmsArea.systemSetting.s16(offset));
        QCOMPARE(value, stored);
        QCOMPARE(int(bmsArea.parameterWritePending), 1);
    } else {
        QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));
        QCOMPARE(bmsArea.systemSetting.toByteArray(), before);
        QCOMPARE(int(bmsArea.parameterWritePending), 0);
        QVERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
        QCOMPARE(int(bmsArea.parameterErrorCount), 0);
    }
}

void TestSettingsWindow::refusedValueLowersOnlyThisPressFlags()
{
    readAll(settingsImage());
    // Another page's write is armed and waiting.
    bmsArea.primaryWriteRequest[9] = 1;
    bmsArea.armWrite(BlockPrimaryProtection);
    // A settings write of an earlier press is armed too.
    bmsArea.systemSettingWriteFlags[1] = 1;
    bmsArea.armWrite(BlockSystemSetting);

    type("comboBoxDiffVoltage", "x");
    button("btnBalanceSettingsWrite")->click();
    QVERIFY(boxes->waitFor(" Parameter error, please check the parameters !"));
    QCOMPARE(boxes->seen().last().title, QStringLiteral("Warning!"));
    QCOMPARE(int(bmsArea.systemSettingWriteFlags[4]), 0);
    QCOMPARE(int(bmsArea.systemSettingWriteFlags[1]), 1);
    QCOMPARE(int(bmsArea.primaryWriteRequest[9]), 1);
    QCOMPARE(int(bmsArea.writeArmed[BlockPrimaryProtection]), 1);
    QCOMPARE(int(bmsArea.parameterWritePending), 1);
}

void TestSettingsWindow::declinedWriteLowersOnlyThisPressFlags()
{
    readAll(settingsImage());
    bmsArea.primaryWriteRequest[9] = 1;
    bmsArea.armWrite(BlockPrimaryProtection);
    const QByteArray before = bmsArea.systemSetting.toByteArray();

    type("comboBoxSystemCellsNumber", "8");
    boxes->queueAnswer(QMessageBox::No);
    button("btnSystemParameterWirteAll")->click();
    QVERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
    QCOMPARE(bmsArea.systemSetting.toByteArray(), before);
    QCOMPARE(int(bmsArea.writeArmed[BlockPrimaryProtection]), 1);
    QCOMPARE(int(bmsArea.parameterWritePending), 1);

    // With nothing else armed, No leaves nothing pending.
    bmsArea.disarmAllWrites();
    bmsArea.primaryWriteRequest[9] = 0;
    boxes->queueAnswer(QMessageBox::No);
    button("btnSystemSwitchEnableWrite")->click();
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
    QVERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
}

void TestSettingsWindow::errorsOfAnotherPageDoNotRefuse()
{
    readAll(settingsImage());
    bmsArea.parameterErrorCount = 3;   // left by another page's calibration path
    button("btnHeatingParameterWrite")->click();
    QCOMPARE(int(bmsArea.parameterWritePending), 1);
    QCOMPARE(int(bmsArea.parameterErrorCount), 0);
    QCOMPARE(boxes->count(" Parameter error, please check the parameters !"), 0);
}

void TestSettingsWindow::unreadRegistersRefuseTheWrite()
{
    // Values entered by hand; the block has not been read since the port opened.
    bmsArea.serialPortOpen = 1;
    const auto typeValues = [this] {
        for (QComboBox *combo : page->valueList()) {
            if (combo->isEditable())
                combo->setEditText("20");
            else
                combo->setCurrentIndex(1);
        }
    };
    typeValues();
    // The power range carries registers the page does not edit.
    button("btnPowerParametersWrite")->click();
    QVERIFY(boxes->waitFor("Please read the parameters first"));
    QCOMPARE(boxes->seen().last().title, QStringLiteral("info"));
    QVERIFY(!bmsArea.anyWriteFlag(BlockSystemSetting));
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
    QCOMPARE(int(bmsArea.systemSetting.u16(20)), 0);

    // So do Write all and the switch word, whose other bits would go back unread.
    boxes->clear();
    button("btnSystemParameterWirteAll")->click();
    QVERIFY(boxes->waitFor("Please read the parameters first"));
    boxes->clear();
    button("btnSystemSwitchEnableWrite")->click();
    QVERIFY(boxes->waitFor("Please read the parameters first"));
    QCOMPARE(int(bmsArea.parameterWritePending), 0);

    // So do groups whose range the page encodes completely: what stands in
    // them was not shown from this pack. Once read, they go out.
    boxes->clear();
    button("btnBatteryParametersWrite")->click();
    button("btnLimitSetingWrite")->click();
    QTRY_COMPARE(boxes->count("Please read the parameters first"), 2);
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
    readAll(QByteArray(BmsSystemSettingRecord::Size, '\0'));
    QVERIFY(bmsArea.blockReadInSession(BlockSystemSetting));
    typeValues();
    button("btnBatteryParametersWrite")->click();
    button("btnLimitSetingWrite")->click();
    QCOMPARE(boxes->count("Please read the parameters first"), 0);
    QCOMPARE(int(bmsArea.systemSettingWriteFlags[6]), 1);
    QCOMPARE(int(bmsArea.systemSettingWriteFlags[2]), 1);
    QCOMPARE(int(bmsArea.parameterWritePending), 1);
    QCOMPARE(int(bmsArea.systemSetting.u8(0)), 20);
    QCOMPARE(int(bmsArea.systemSetting.s16(94)), 200);

    // Another pack: its background poll makes the block read, not the values
    // shown from the pack of before.
    bmsArea.startLinkSession();
    QVERIFY(bmsArea.setSystemSettingParams(QByteArray(BmsSystemSettingRecord::Size, '\0')));
    QVERIFY(bmsArea.blockReadInSession(BlockSystemSetting));
    bmsArea.systemSettingReady = 0;
    boxes->clear();
    for (const char *write : {"btnSystemParameterWirteAll", "btnBatteryParametersWrite", "btnPowerParametersWrite"})
        button(write)->click();
    QTRY_COMPARE(boxes->count("Please read the parameters first"), 3);
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
}

void TestSettingsWindow::armedImageSurvivesALaterReply()
{
    readAll(settingsImage());
    type("comboBoxCellsSHIPvoltage", "2100");
    button("btnPowerParametersWrite")->click();
    QCOMPARE(int(bmsArea.parameterWritePending), 1);
    const QByteArray armed = bmsArea.writeImage[BlockSystemSetting];
    QCOMPARE(int(BmsSystemSettingRecord{}.Size), armed.size());

    // A background poll lands before the frame goes out.
    deliver(settingsImage());
    QCOMPARE(int(bmsArea.systemSetting.u16(64)), 2000);
    QCOMPARE(bmsArea.writeImage[BlockSystemSetting], armed);
    QCOMPARE(int(quint8(armed[64])) | (int(quint8(armed[65])) << 8), 2100);
}

// ---- Language ------------------------------------------------------------------

void TestSettingsWindow::languageSwitchKeepsValues()
{
    QVERIFY(useTestLanguage());
    readAll(settingsImage());
    type("comboBoxDiffVoltage", "45");   // typed, not written

    page->change_trans(1);
    QCOMPARE(page->findChild<QLabel *>("labelSystemCellsNumber")->text(), QString::fromUtf8("电芯数量"));
    QCOMPARE(box("comboBoxlimitEnable")->currentText(), QString::fromUtf8("开"));
    QStringList expected = settingsImageTexts();
    expected[15] = "45";
    const QStringList shown = shownValues();
    // Numbers stay; the fixed choices keep their items, now in the other language.
    for (int i = 0; i < shown.size(); ++i) {
        if (page->valueList().at(i)->isEditable())
            QCOMPARE(shown.at(i), expected.at(i));
    }
    QCOMPARE(shown.at(2), QString::fromUtf8("三元锂"));
    QCOMPARE(shown.at(26), QString::fromUtf8("关"));
    QCOMPARE(box("comboBoxCurrentSensor")->currentText(), QStringLiteral("120"));
    QCOMPARE(edit("lineEditWrssi")->text(), QStringLiteral("-67"));

    // Back to English: no English file in this folder, the source texts return.
    page->change_trans(0);
    QCOMPARE(page->findChild<QLabel *>("labelSystemCellsNumber")->text(), QStringLiteral("Cells Number"));
    QCOMPARE(shownValues(), expected);
}

void TestSettingsWindow::fourthLanguageChangesNothing()
{
    QVERIFY(useTestLanguage());
    page->change_trans(1);
    readAll(settingsImage());
    const QStringList before = shownValues();
    page->change_trans(3);
    QCOMPARE(page->findChild<QLabel *>("labelSystemCellsNumber")->text(), QString::fromUtf8("电芯数量"));
    QCOMPARE(shownValues(), before);
}

// ---- Parameter file ------------------------------------------------------------

void TestSettingsWindow::exportThenImportRoundTrips()
{
    readAll(settingsImage());
    type("comboBoxCycles", "abc");   // an odd text travels verbatim
    const QStringList exported = shownValues();
    const QString path = filePath("system param.xml");
    answerNextFileDialog(path);
    button("btnSystemParameterExport")->click();
    QCOMPARE(pendingFileDialogAnswers(), 0);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DocumentElement>\n"));
    QCOMPARE(xml.count("<Param "), 28);
    QVERIFY(xml.contains("    <Param Index=\"24\" Name=\"PWR enable \">ON</Param>")
            || xml.contains("    <Param Name=\"PWR enable \" Index=\"24\">ON</Param>"));
    QCOMPARE(xml.count("Name=\"Enable switch\""), 2);

    // Clear the page, then bring the file back.
    for (QComboBox *combo : page->valueList()) {
        if (combo->isEditable())
            combo->setEditText("1");
        else
            combo->setCurrentIndex(0);
    }
    answerNextFileDialog(path);
    button("btnSystemParameterImport")->click();
    QCOMPARE(shownValues(), exported);
    QCOMPARE(boxes->seen().size(), 0);
}

void TestSettingsWindow::exportAndImportInAnotherLanguage_data()
{
    // 0 English, 1 the test's Chinese, 2 the program's Russian file beside the test.
    QTest::addColumn<int>("savedIn");
    QTest::addColumn<int>("shownIn");
    QTest::newRow("Chinese file, English page") << 1 << 0;
    QTest::newRow("Russian file, Chinese page") << 2 << 1;
    QTest::newRow("English file, Russian page") << 0 << 2;
}

void TestSettingsWindow::exportAndImportInAnotherLanguage()
{
    QFETCH(int, savedIn);
    QFETCH(int, shownIn);
    QVERIFY(useTestLanguage());
    readAll(settingsImage());
    page->change_trans(savedIn);
    const QStringList saved = shownValues();
    const QString path = filePath("saved.xml");
    answerNextFileDialog(path);
    button("btnSystemParameterExport")->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    QVERIFY(xml.contains(page->titleList().at(0)->text()));
    QVERIFY(xml.contains(QString(">%1</Param>").arg(saved.at(23))));

    // Every value changed: numbers typed over, the other item of each list chosen.
    auto changeAll = [this]() {
        for (QComboBox *combo : page->valueList()) {
            if (combo->isEditable())
                combo->setEditText("1");
            else
                combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
        }
    };
    changeAll();
    answerNextFileDialog(path);
    button("btnSystemParameterImport")->click();
    QCOMPARE(shownValues(), saved);

    // Shown in another language, the lists' values are found in the file's.
    page->change_trans(shownIn);
    const QStringList expected = shownValues();
    QVERIFY(expected.at(2) != saved.at(2) && expected.at(13) != saved.at(13));
    changeAll();
    answerNextFileDialog(path);
    button("btnSystemParameterImport")->click();
    QCOMPARE(shownValues(), expected);
    QCOMPARE(boxes->seen().size(), 0);

    // A Write all then sends the file's values.
    button("btnSystemParameterWirteAll")->click();
    const BmsSystemSettingRecord &r = bmsArea.systemSetting;
    QCOMPARE(int(r.u16(2)), 1);
    QCOMPARE(int(r.u8(66)) + 2 * int(r.u8(67)), 1);
    QCOMPARE(int(r.u16(72)), 1);
    QCOMPARE(int(r.u8(92)) + 2 * int(r.u8(93)), 3);
    QCOMPARE(int(r.systemSwitchEnable()), 0x8025);
    QCOMPARE(int(r.u16(58)), 2900);
}

void TestSettingsWindow::malformedFileChangesNothing()
{
    readAll(settingsImage());
    const QStringList before = shownValues();
    const QString path = filePath("broken.xml");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<DocumentElement>\n    <Param Index=\"1\" Name=\"x\">9</Param>\n    <Param Index=\"2\"");
    file.close();

    answerNextFileDialog(path);
    button("btnSystemParameterImport")->click();
    QTRY_COMPARE(boxes->seen().size(), 1);
    QCOMPARE(boxes->seen().first().title, QStringLiteral("Warning!"));
    QVERIFY2(boxes->seen().first().text.contains("broken.xml"), qPrintable(boxes->seen().first().text));
    QCOMPARE(shownValues(), before);

    // Entries that cannot be placed are reported, the others applied.
    boxes->clear();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<?xml version=\"1.0\"?>\n<DocumentElement>\n    <Param Index=\"1\" Name=\"x\">9</Param>\n"
               "    <Param Index=\"99\" Name=\"y\">9</Param>\n    <Param Name=\"z\">9</Param>\n"
               "    <Param Index=\"3\">Lithium air</Param>\n</DocumentElement>\n");
    file.close();
    answerNextFileDialog(path);
    button("btnSystemParameterImport")->click();
    QTRY_COMPARE(boxes->seen().size(), 1);
    QCOMPARE(boxes->seen().first().title, QStringLiteral("Warning!"));
    QVERIFY2(boxes->seen().first().text.startsWith(QStringLiteral("2 entries of the file")),
             qPrintable(boxes->seen().first().text));
    // A value that no list offers in any language is named by its Index and not applied.
    QVERIFY(boxes->seen().first().text.contains(QStringLiteral("1 values of the file")));
    QVERIFY(boxes->seen().first().text.endsWith(QStringLiteral("(Index 3).")));
    QCOMPARE(box("comboBoxSystemCellsNumber")->currentText(), QStringLiteral("9"));
    QCOMPARE(box("comboBoxBatteryType")->currentText(), QStringLiteral("Lithium ternary"));
    readAll(settingsImage());

    // A missing file is reported the same way.
    boxes->clear();
    answerNextFileDialog(filePath("missing.xml"));
    button("btnSystemParameterImport")->click();
    QTRY_COMPARE(boxes->seen().size(), 1);
    QVERIFY(boxes->seen().first().text.contains("missing.xml"));
    QCOMPARE(shownValues(), before);
}

void TestSettingsWindow::unwritableFileIsReported()
{
    const QString path = filePath("no such folder/system param.xml");
    answerNextFileDialog(path);
    button("btnSystemParameterExport")->click();
    QTRY_COMPARE(boxes->seen().size(), 1);
    QCOMPARE(boxes->seen().first().title, QStringLiteral("Warning!"));
    QVERIFY(boxes->seen().first().text.contains("system param.xml"));
}

void TestSettingsWindow::cancelledDialogDoesNothing()
{
    readAll(settingsImage());
    const QStringList before = shownValues();

    // Each dialog is looked at, then cancelled: caption, proposed name and filter.
    struct Seen
    {
        QString caption, name;
        QStringList filters;
    };
    auto lookThenCancel = [](Seen *seen) {
        QTimer *poll = new QTimer;
        poll->setInterval(20);
        QObject::connect(poll, &QTimer::timeout, [poll, seen]() {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->stop();
            poll->deleteLater();
            seen->caption = dialog->windowTitle();
            if (auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                seen->name = nameEdit->text();
            seen->filters = dialog->nameFilters();
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        poll->start();
    };
    Seen import, exportDialog;
    lookThenCancel(&import);
    button("btnSystemParameterImport")->click();
    lookThenCancel(&exportDialog);
    button("btnSystemParameterExport")->click();
    QCOMPARE(import.caption, QStringLiteral("Save File"));
    QCOMPARE(import.filters, QStringList{QStringLiteral("file ( *.xml)")});
    QCOMPARE(exportDialog.caption, QStringLiteral("Save File"));
    QCOMPARE(exportDialog.name, QStringLiteral("system param"));
    QCOMPARE(exportDialog.filters, QStringList{QStringLiteral("file ( *.xml)")});
    QTest::qWait(100);
    QCOMPARE(shownValues(), before);
    QCOMPARE(boxes->seen().size(), 0);
    QCOMPARE(QDir(tempDir->path()).entryList(QDir::Files).size(), 0);
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
