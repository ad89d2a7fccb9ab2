#include "bmsdataarea.h"
#include "homewindow.h"
#include "mainwindow.h"
#include "moniterwindow.h"
#include "protectionwindow.h"
#include "recordwindow.h"
#include "settingswindow.h"
#include "updatewindow.h"
#include "userwindow.h"
#include "startup.h"

#include "boxes.h"
#include "fakebootloader.h"
#include "iapengine.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The main window: pages and side bar, language switch, first-click reads, status strip.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pagesStandInOrder();
    void sideBarSwitchesPages_data();
    void sideBarSwitchesPages();
    void pagesAreWiredTogether();
    void languageReachesPagesInOrderThenMainWindow();
    void builtPagesSwitchInTheirPlace();
    void mainWindowShowsOneLanguageAtATime();
    void fourthLanguageWithoutFileShowsEnglish();
    void languageListIsReadableWhenOpen();
    void russianNamesKeepButtonsAndPagesApart();
    void windowAndBoxesFitInEveryLanguage_data();
    void windowAndBoxesFitInEveryLanguage();
    void languageRequestOfUserPageIsApplied();
    void firstClickReadsOnlyOnceWhilePortOpen_data();
    void firstClickReadsOnlyOnceWhilePortOpen();
    void statusStripShowsLinkAndIdentity();
    void activityBarRunsWhileLinkActive();
    void closingWritesTheMonitorsRows_data();
    void closingWritesTheMonitorsRows();
    void saveDialogsAddTheFilterExtension_data();
    void saveDialogsAddTheFilterExtension();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <typename T> T *child(const char *name) const
    {
        T *widget = window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    // Records the switches that the placeholder pages receive, in order.
    void traceLanguageSwitches();

    QTemporaryDir workDir;
    QString startDir;
    std::unique_ptr<MainWindow> window;
    QStringList trace;
    bool traceTranslators = false;
};

// A translator installed or removed anywhere: the application hears of it at once.
bool TestMainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (traceTranslators && watched == qApp && event->type() == QEvent::LanguageChange
        && (trace.isEmpty() || trace.last() != "translator"))
        trace << "translator";
    return QObject::eventFilter(watched, event);
}

void TestMainWindow::initTestCase()
{
    // The main window's own translation files, in a working directory of the test's own.
    QVERIFY(workDir.isValid());
    for (const char *file : {"Language_zh_CN.qm", "Language_be_CN.qm"})
        QVERIFY(QFile::copy(QString::fromLatin1(CELLWICK_TEST_QM_DIR "/") + file, workDir.filePath(file)));
    startDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
}

void TestMainWindow::init()
{
    BmsDataArea::reset();
    trace.clear();
    window.reset(new MainWindow);
}

void TestMainWindow::cleanup()
{
    traceTranslators = false;
    qApp->removeEventFilter(this);
    window.reset();
}

void TestMainWindow::traceLanguageSwitches()
{
    auto note = [this](const QString &page) {
        return [this, page](int language) { trace << QString("%1 %2").arg(page).arg(language); };
    };
    connect(window->moniterWindow(), &MoniterWindow::languageSwitchReceived, this, note("MoniterWindow"));
    connect(window->recordWindow(), &RecordWindow::languageSwitchReceived, this, note("RecordWindow"));
    connect(window->userWindow(), &UserWindow::languageSwitchReceived, this, note("UserWindow"));
    connect(window->updateWindow(), &UpdateWindow::languageSwitchReceived, this, note("UpdateWindow"));
    // Connected after the pages: runs once every page has had the signal.
    connect(window.get(), &MainWindow::languagechange, this, [this](int language) {
        trace << QString("pages done %1, main window still %2").arg(language).arg(window->currentLanguage());
    });
}

void TestMainWindow::pagesStandInOrder()
{
    const QStackedWidget *stack = child<QStackedWidget>("stackedWidget");
    QCOMPARE(stack, window->pageStack());
    QCOMPARE(stack->count(), 7);
    const QStringList classes = {"HomeWindow", "MoniterWindow", "RecordWindow", "ProtectionWindow",
                                 "SettingsWindow", "UserWindow", "UpdateWindow"};
    for (int i = 0; i < classes.size(); ++i)
        QCOMPARE(QString::fromLatin1(stack->widget(i)->metaObject()->className()), classes.at(i));
    const QList<QWidget *> accessors = {window->homeWindow(), window->moniterWindow(), window->recordWindow(),
                                        window->protectionWindow(), window->settingsWindow(),
                                        window->userWindow(), window->updateWindow()};
    for (int i = 0; i < accessors.size(); ++i)
        QCOMPARE(stack->widget(i), accessors.at(i));
    QCOMPARE(stack->currentIndex(), 0);
    QVERIFY(child<QAbstractButton>("btnHome")->isChecked());
}

void TestMainWindow::sideBarSwitchesPages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("page");
    QTest::newRow("home") << "btnHome" << "Home" << 0;
    QTest::newRow("monitor") << "btnMonitor" << "Monitor" << 1;
    QTest::newRow("record") << "btnRecord" << "Record" << 2;
    QTest::newRow("protection") << "btnProtection" << "Protect" << 3;
    QTest::newRow("settings") << "btnSettings" << "System" << 4;
    QTest::newRow("user") << "btnUser" << "User" << 5;
    QTest::newRow("update") << "btnUpdate" << "Update" << 6;
}

void TestMainWindow::sideBarSwitchesPages()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(int, page);
    QStackedWidget *stack = window->pageStack();
    // Start from another page, so that the click has something to change.
    child<QAbstractButton>(page == 6 ? "btnHome" : "btnUpdate")->click();
    QVERIFY(stack->currentIndex() != page);

    QAbstractButton *sideButton = window->findChild<QAbstractButton *>(button);
    QVERIFY(sideButton);
    QCOMPARE(sideButton->text(), text);
    QVERIFY(!sideButton->icon().isNull());
    sideButton->click();
    QCOMPARE(stack->currentIndex(), page);
    QVERIFY(sideButton->isChecked());
    // Only one side-bar button shows as chosen.
    int checked = 0;
    for (const char *name : {"btnHome", "btnMonitor", "btnRecord", "btnProtection", "btnSettings", "btnUser",
                             "btnUpdate"})
        checked += child<QAbstractButton>(name)->isChecked() ? 1 : 0;
    QCOMPARE(checked, 1);
}

void TestMainWindow::pagesAreWiredTogether()
{
    HomeWindow *home = window->homeWindow();
    UpdateWindow *update = window->updateWindow();
    RecordWindow *record = window->recordWindow();
    // disconnect() tells whether the connection was there.
    QVERIFY(disconnect(record, &RecordWindow::signalFromRecordWindow, home, &HomeWindow::sendCmdRecordDataToBms_cmd));
    QVERIFY(disconnect(record, &RecordWindow::signal_restartFromRecordWindow, home,
                       &HomeWindow::sendCmdRecordDataToBms_cmd));
    QVERIFY(disconnect(update, &UpdateWindow::signalFromUpdateWindowOpenCom, home, &HomeWindow::close_serialPort));
    QVERIFY(disconnect(update, &UpdateWindow::signalFromUpdateWindowoDownloadFinish, home,
                       &HomeWindow::Connect_clicked));
    QVERIFY(disconnect(home, &HomeWindow::signalFromHomWindowon_pushButtonSearch_clicked, update,
                       &UpdateWindow::onHomeWindowSearchClicked));
    QVERIFY(disconnect(home, &HomeWindow::signalFromHomWindowComID_activated, update,
                       &UpdateWindow::onHomeWindowComIdActivated));
    QVERIFY(disconnect(home, &HomeWindow::signalFromHomWindowComBaud_activated, update,
                       &UpdateWindow::onHomeWindowComBaudActivated));
    QVERIFY(disconnect(update, &UpdateWindow::signalFromUpdateWindowHandOverPending, home,
                       &HomeWindow::holdPortSearch));
    QVERIFY(disconnect(window.get(), &MainWindow::signalFromMinWindowProtect_clicked, window->protectionWindow(),
                       &ProtectionWindow::onMainWindowProtectClicked));
    QVERIFY(disconnect(window.get(), &MainWindow::signalFromMinWindowSystemSeting_clicked,
                       window->settingsWindow(), &SettingsWindow::onMainWindowSystemSettingClicked));
    QVERIFY(disconnect(window.get(), &MainWindow::signalFromMinWindowUserSeting_clicked, window->userWindow(),
                       &UserWindow::onMainWindowUserClicked));
    // Every page, the built ones included, follows the language switch.
    for (int i = 0; i < window->pageStack()->count(); ++i)
        QVERIFY2(disconnect(window.get(), SIGNAL(languagechange(int)), window->pageStack()->widget(i),
                            SLOT(change_trans(int))),
                 window->pageStack()->widget(i)->metaObject()->className());
}

void TestMainWindow::languageReachesPagesInOrderThenMainWindow()
{
    traceLanguageSwitches();
    QComboBox *selector = child<QComboBox>("comboBoxLanguage");
    QCOMPARE(selector->count(), 4);
    QCOMPARE(selector->itemText(1), QString::fromUtf8("简体中文"));
    QAbstractButton *homeButton = child<QAbstractButton>("btnHome");

    selector->setCurrentIndex(1);
    QCOMPARE(trace, QStringList({"MoniterWindow 1", "RecordWindow 1", "UserWindow 1", "UpdateWindow 1",
                                 "pages done 1, main window still 0"}));
    QCOMPARE(window->currentLanguage(), 1);
    QCOMPARE(homeButton->text(), QString::fromUtf8("首页"));
    QCOMPARE(child<QLabel>("labelBmsSnTitle")->text(), QString::fromUtf8("BMS序列号:"));

    // The fourth language reaches the pages as well, and the main window has a file for it.
    trace.clear();
    selector->setCurrentIndex(3);
    QCOMPARE(trace, QStringList({"MoniterWindow 3", "RecordWindow 3", "UserWindow 3", "UpdateWindow 3",
                                 "pages done 3, main window still 1"}));
    QCOMPARE(homeButton->text(), QString::fromUtf8("Trang chủ"));

    trace.clear();
    selector->setCurrentIndex(0);
    QCOMPARE(trace.size(), 5);
    QCOMPARE(homeButton->text(), QString("Home"));
    QCOMPARE(window->currentLanguage(), 0);
}

void TestMainWindow::builtPagesSwitchInTheirPlace()
{
    // The built pages (home, protection, settings, update) show their turn by switching translators.
    traceLanguageSwitches();
    qApp->installEventFilter(this);
    traceTranslators = true;
    child<QComboBox>("comboBoxLanguage")->setCurrentIndex(1);
    QCOMPARE(trace, QStringList({"translator", "MoniterWindow 1", "RecordWindow 1", "translator", "UserWindow 1",
                                 "UpdateWindow 1", "translator", "pages done 1, main window still 0", "translator"}));
}

void TestMainWindow::mainWindowShowsOneLanguageAtATime()
{
    QComboBox *selector = child<QComboBox>("comboBoxLanguage");
    QAbstractButton *homeButton = child<QAbstractButton>("btnHome");
    selector->setCurrentIndex(1);
    QCOMPARE(homeButton->text(), QString::fromUtf8("首页"));
    // No Russian file here: the English texts come back, not the Chinese ones.
    selector->setCurrentIndex(2);
    QCOMPARE(homeButton->text(), QString("Home"));
    QCOMPARE(child<QAbstractButton>("btnProtection")->text(), QString("Protect"));

    // Texts that the program sets are kept across a switch.
    bmsArea.linkStateText = "BMS is connected !";
    bmsArea.bmsSnText = "SN-0001";
    QTRY_COMPARE(child<QLabel>("labelLinkState")->text(), QString("BMS is connected !"));
    QTRY_COMPARE(child<QLabel>("labelBmsSn")->text(), QString("SN-0001"));
    selector->setCurrentIndex(1);
    QCOMPARE(child<QLabel>("labelLinkState")->text(), QString("BMS is connected !"));
    QCOMPARE(child<QLabel>("labelBmsSn")->text(), QString("SN-0001"));
    QVERIFY(!child<QLabel>("labelDateTime")->text().isEmpty());
}

void TestMainWindow::fourthLanguageWithoutFileShowsEnglish()
{
    QComboBox *selector = child<QComboBox>("comboBoxLanguage");
    QAbstractButton *homeButton = child<QAbstractButton>("btnHome");
    selector->setCurrentIndex(1);
    QCOMPARE(homeButton->text(), QString::fromUtf8("首页"));

    QVERIFY(QFile::rename("Language_be_CN.qm", "Language_be_CN.qm.away"));
    const auto putBack = qScopeGuard([] { QFile::rename("Language_be_CN.qm.away", "Language_be_CN.qm"); });
    // The pages keep Chinese; the main window's own texts are English, not Chinese.
    selector->setCurrentIndex(3);
    QCOMPARE(homeButton->text(), QString("Home"));
    QCOMPARE(child<QLabel>("labelBmsSnTitle")->text(), QString("BMS SN:"));

    selector->setCurrentIndex(1);
    QCOMPARE(homeButton->text(), QString::fromUtf8("首页"));
}

// Every row of the open list, in every language, shows its text against its ground.
void TestMainWindow::languageListIsReadableWhenOpen()
{
    qApp->setStyleSheet(loadStyleSheet());
    const auto plainSheet = qScopeGuard([] { qApp->setStyleSheet(QString()); });
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QComboBox *selector = child<QComboBox>("comboBoxLanguage");
    for (int language = 0; language < selector->count(); ++language) {
        selector->setCurrentIndex(language);
        selector->showPopup();
        QAbstractItemView *list = selector->view();
        QTRY_VERIFY(list->isVisible());
        const QImage shot = list->viewport()->grab().toImage();
        for (int row = 0; row < selector->count(); ++row) {
            const QRect rect = list->visualRect(selector->model()->index(row, 0)) & shot.rect();
            QVERIFY(!rect.isEmpty());
            int darkest = 255;
            int lightest = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    const int grey = qGray(shot.pixel(x, y));
                    darkest = qMin(darkest, grey);
                    lightest = qMax(lightest, grey);
                }
            }
            QVERIFY2(lightest - darkest > 100, qPrintable(QString("language %1, row %2: %3 to %4")
                                                              .arg(language).arg(row).arg(darkest).arg(lightest)));
        }
        selector->hidePopup();
        QTRY_VERIFY(!list->isVisible());
    }
}

// The program's own Russian file: the buttons that read or write every group, and the
// record page and the home page's log, have names of their own.
void TestMainWindow::russianNamesKeepButtonsAndPagesApart()
{
    QTranslator russian;
    QVERIFY(russian.load(QDir(startDir).filePath("Language_ru_CN.qm")));
    for (const char *page : {"ProtectionWindow", "SettingsWindow"}) {
        const QString read = russian.translate(page, "Read");
        const QString write = russian.translate(page, "Write");
        const QString readAll = russian.translate(page, "Read all");
        const QString writeAll = russian.translate(page, "Write all");
        QVERIFY2(!read.isEmpty() && !readAll.isEmpty() && read != readAll, page);
        QVERIFY2(!write.isEmpty() && !writeAll.isEmpty() && write != writeAll, page);
    }
    const QString record = russian.translate("MainWindow", "Record");
    QVERIFY(!record.isEmpty());
    QVERIFY(record != russian.translate("HomeWindow", "Log"));
}

void TestMainWindow::windowAndBoxesFitInEveryLanguage_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1366x768") << QSize(1366, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
}

// With the program's own translation files, its style sheet and the font for the screen:
// the window fits a 1366-pixel screen, and the port and battery type boxes show their
// texts whole.
void TestMainWindow::windowAndBoxesFitInEveryLanguage()
{
    QFETCH(QSize, screen);
    const QByteArray ports = qgetenv("CELLWICK_EXTRA_PORTS");
    qputenv("CELLWICK_EXTRA_PORTS", "/dev/ttyUSB0:/dev/pts/12");
    const QFont font = qApp->font();
    qApp->setStyleSheet(loadStyleSheet());
    qApp->setFont(applicationFont(screen));
    QVERIFY(QDir::setCurrent(startDir));
    const auto restore = qScopeGuard([&] {
        window.reset();
        qputenv("CELLWICK_EXTRA_PORTS", ports);
        qApp->setStyleSheet(QString());
        qApp->setFont(font);
        QDir::setCurrent(workDir.path());
    });
    window.reset(new MainWindow);
    window->resize(startWindowSize(window->sizeHint(), window->minimumSizeHint(), screen));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    const auto textRoom = [](QComboBox *box) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = box->isEditable();
        option.frame = true;
        return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width()
               - 2;
    };
    QComboBox *portBox = child<QComboBox>("comboBoxComID");
    QComboBox *batteryType = child<QComboBox>("comboBoxBatteryType");
    QComboBox *selector = child<QComboBox>("comboBoxLanguage");
    for (int language = 0; language < selector->count(); ++language) {
        selector->setCurrentIndex(language);
        // Room for the window's frame and the desktop's panel.
        const QSize room = screen - QSize(16, 40);
        for (int page : {0, 4}) {
            window->pageStack()->setCurrentIndex(page);
            QCoreApplication::processEvents();
            QVERIFY2(window->width() <= room.width() && window->minimumSizeHint().width() <= room.width(),
                     qPrintable(QString("language %1: %2 pixels wide").arg(language).arg(window->width())));
            QVERIFY(window->minimumSizeHint().height() <= room.height());
        }
        for (QComboBox *box : {portBox, batteryType}) {
            for (int item = 0; item < box->count(); ++item) {
                const QString text = box->itemText(item);
                if (box == portBox && !text.startsWith("/dev/"))
                    continue;
                QVERIFY2(box->fontMetrics().boundingRect(text).width() <= textRoom(box),
                         qPrintable(QString("language %1: %2 in %3 pixels").arg(language).arg(text).arg(textRoom(box))));
            }
        }
    }
}

void TestMainWindow::languageRequestOfUserPageIsApplied()
{
    traceLanguageSwitches();
    bmsArea.languageIndex = 1;
    bmsArea.languageChangeRequest = 1;
    QTRY_COMPARE(bmsArea.languageChangeRequest, quint8(0));
    QCOMPARE(window->currentLanguage(), 1);
    QCOMPARE(child<QComboBox>("comboBoxLanguage")->currentIndex(), 1);
    QCOMPARE(child<QAbstractButton>("btnHome")->text(), QString::fromUtf8("首页"));
    // Each page hears the request once.
    QCOMPARE(trace, QStringList({"MoniterWindow 1", "RecordWindow 1", "UserWindow 1", "UpdateWindow 1",
                                 "pages done 1, main window still 0"}));

    // The same language asked again still reaches the pages.
    trace.clear();
    bmsArea.languageChangeRequest = 1;
    QTRY_COMPARE(bmsArea.languageChangeRequest, quint8(0));
    QCOMPARE(trace.size(), 5);

    // An index the selector does not have is dropped.
    trace.clear();
    bmsArea.languageIndex = 9;
    bmsArea.languageChangeRequest = 1;
    QTRY_COMPARE(bmsArea.languageChangeRequest, quint8(0));
    QTest::qWait(120);
    QVERIFY(trace.isEmpty());
    QCOMPARE(window->currentLanguage(), 1);
    QCOMPARE(child<QComboBox>("comboBoxLanguage")->currentIndex(), 1);
}

void TestMainWindow::firstClickReadsOnlyOnceWhilePortOpen_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("page");
    QTest::newRow("protect") << "btnProtection" << 3;
    QTest::newRow("system") << "btnSettings" << 4;
    QTest::newRow("user") << "btnUser" << 5;
}

void TestMainWindow::firstClickReadsOnlyOnceWhilePortOpen()
{
    QFETCH(QString, button);
    QFETCH(int, page);
    QSignalSpy protect(window.get(), &MainWindow::signalFromMinWindowProtect_clicked);
    QSignalSpy system(window.get(), &MainWindow::signalFromMinWindowSystemSeting_clicked);
    QSignalSpy user(window.get(), &MainWindow::signalFromMinWindowUserSeting_clicked);
    QSignalSpy *const spies[] = {&protect, &system, &user};
    QSignalSpy &mine = *spies[page - 3];
    auto count = [&] {
        return page == 3 ? window->protectClicksCounted()
                         : page == 4 ? window->settingsClicksCounted() : window->userClicksCounted();
    };
    QAbstractButton *sideButton = window->findChild<QAbstractButton *>(button);
    QVERIFY(sideButton);

    // Port closed: the page opens, nothing is read, and the first click is still to come.
    sideButton->click();
    QCOMPARE(window->pageStack()->currentIndex(), page);
    QCOMPARE(mine.count(), 0);
    QCOMPARE(count(), 0u);

    bmsArea.serialPortOpen = 1;
    sideButton->click();
    QCOMPARE(mine.count(), 1);
    QCOMPARE(count(), 1u);
    sideButton->click();
    child<QAbstractButton>("btnHome")->click();
    sideButton->click();
    QCOMPARE(mine.count(), 1);
    QCOMPARE(protect.count() + system.count() + user.count(), 1);

    // Closing and opening the port again does not bring it back.
    bmsArea.serialPortOpen = 0;
    sideButton->click();
    bmsArea.serialPortOpen = 1;
    sideButton->click();
    QCOMPARE(mine.count(), 1);
}

void TestMainWindow::statusStripShowsLinkAndIdentity()
{
    QLabel *bmsSn = child<QLabel>("labelBmsSn");
    QLabel *packSn = child<QLabel>("labelPackSn");
    QLabel *clock = child<QLabel>("labelDateTime");
    // Placeholders until the BMS has told its serial numbers.
    QCOMPARE(bmsArea.bmsSnText, QString("--"));
    QCOMPARE(bmsSn->text(), QString("--"));
    QCOMPARE(packSn->text(), QString("--"));

    const QRegularExpression format("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$");
    QVERIFY2(format.match(clock->text()).hasMatch(), qPrintable(clock->text()));
    const QDateTime shown = QDateTime::fromString(clock->text(), "yyyy-MM-dd hh:mm:ss");
    QVERIFY(qAbs(shown.secsTo(QDateTime::currentDateTime())) <= 2);
    // The clock moves on by itself.
    const QString first = clock->text();
    QTRY_VERIFY_WITH_TIMEOUT(clock->text() != first, 3000);
    QVERIFY(format.match(clock->text()).hasMatch());

    bmsArea.bmsSnText = QString("BMS-2024-0815") + QString(7, QChar(0));
    bmsArea.packSnText = "PACK-77";
    bmsArea.bmsSoftwareVersionText = "V1.2.3";
    bmsArea.linkStateText = "BMS disconnect !";
    QTRY_COMPARE(bmsSn->text(), QString("BMS-2024-0815"));
    QTRY_COMPARE(packSn->text(), QString("PACK-77"));
    QTRY_COMPARE(child<QLabel>("labelVersion")->text(), QString("V1.2.3"));
    QTRY_COMPARE(child<QLabel>("labelLinkState")->text(), QString("BMS disconnect !"));
    QVERIFY(!bmsSn->property("stale").toBool());

    // Another pack chosen: what stands there is the pack of before's, greyed
    // until the new one has told its identity.
    child<QComboBox>("comboBoxAddress")->setCurrentIndex(1);
    for (const char *name : {"labelBmsSn", "labelPackSn", "labelVersion"})
        QTRY_VERIFY2(child<QLabel>(name)->property("stale").toBool(), name);
    bmsArea.identityStale = 0;
    QTRY_VERIFY(!packSn->property("stale").toBool());
}

void TestMainWindow::activityBarRunsWhileLinkActive()
{
    QProgressBar *bar = child<QProgressBar>("progressBarActivity");
    QSignalSpy moves(bar, &QProgressBar::valueChanged);
    QTest::qWait(150);
    QCOMPARE(moves.count(), 0);

    bar->setValue(80);
    moves.clear();
    bmsArea.linkActive = 1;
    QTRY_VERIFY(moves.count() >= 4);
    bmsArea.linkActive = 0;
    QCOMPARE(moves.at(0).at(0).toInt(), 90);
    QCOMPARE(moves.at(1).at(0).toInt(), 100);
    QCOMPARE(moves.at(2).at(0).toInt(), 0);
    QCOMPARE(moves.at(3).at(0).toInt(), 10);
    // The link has gone: the bar stops at empty and stays there.
    QTRY_COMPARE(bar->value(), bar->minimum());
    const int stoppedAt = moves.count();
    QTest::qWait(150);
    QCOMPARE(moves.count(), stoppedAt);
}

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

void TestMainWindow::closingWritesTheMonitorsRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("writable");     // else a file stands where the log folder goes
    QTest::addColumn<bool>("closeAnyway");  // the answer when the rows cannot be written
    // A firmware download runs: 0 none, else the answer to whether to stop it.
    QTest::addColumn<int>("download");
    QTest::newRow("rows into a new file") << 3 << true << true << 0;
    QTest::newRow("no rows: no file") << 0 << true << true << 0;
    QTest::newRow("unwritable: told, stays open") << 2 << false << false << 0;
    QTest::newRow("unwritable: told, closes when asked to") << 2 << false << true << 0;
    QTest::newRow("download running: No keeps it") << 2 << true << true << int(QMessageBox::No);
    QTest::newRow("download running: Yes stops it") << 2 << true << true << int(QMessageBox::Yes);
}

void TestMainWindow::closingWritesTheMonitorsRows()
{
    QFETCH(int, rows);
    QFETCH(bool, writable);
    QFETCH(bool, closeAnyway);
    QFETCH(int, download);
    const QString logDir = workDir.filePath("moniterdata");
    QDir(logDir).removeRecursively();
    QFile::remove(logDir);
    if (!writable) {
        QFile blocker(logDir);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder\n");
    }
    BoxWatcher boxes;
    boxes.setDefaultAnswer(closeAnyway ? QMessageBox::Yes : QMessageBox::No);

    // Live records, below the row limit, as the link stores them.
    window->show();
    auto *table = window->moniterWindow()->findChild<QTableWidget *>("tableWidgetMonier");
    for (int n = 0; n < rows; ++n) {
        BmsRealtimeRecord record;
        record.setU16(0, static_cast<quint16>(5300 + n));
        record.setU16(18, static_cast<quint16>(n));
        record.setU8(28, 1);
        record.setU8(29, 2);
        bmsArea.realtime = record;
        bmsArea.realtimeReady = 1;
        QTRY_COMPARE(table->rowCount(), n + 1);
    }
    QStringList expected;
    for (int r = -1; r < rows; ++r) {
        QString line;
        for (int c = 0; c < table->columnCount(); ++c)
            line += (r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c))->text() + ",";
        expected << line;
    }
    expected << "";

    // A download into the fake boot loader, started on the update page.
    IapDownloadArea::reset();
    std::unique_ptr<FakeBootLoader> loader;
    const QString question = "A firmware download is running. Stop it and leave the BMS in its boot loader?";
    bool searchTaken = true;
    QTimer answerer;
    if (download) {
        loader = std::make_unique<FakeBootLoader>();
        loader->setReplyDelay(300);
        qputenv("CELLWICK_EXTRA_PORTS", loader->portPath().toLocal8Bit());
        UpdateWindow *update = window->updateWindow();
        window->pageStack()->setCurrentWidget(update);
        update->findChild<QPushButton *>("pushButtonSearch_iap")->click();
        auto *ports = update->findChild<QComboBox *>("comboBox_iap_com");
        ports->setCurrentIndex(ports->findText(loader->portPath()));
        update->findChild<QComboBox *>("comboBox_iap_buad")->setCurrentIndex(2);
        QFile image(workDir.filePath("fw.bin"));
        QVERIFY(image.open(QIODevice::WriteOnly));
        image.write(QByteArray(40 * 1024, '\x5A'));
        image.close();
        answerNextFileDialog(image.fileName());
        update->findChild<QPushButton *>("btnFileOpen")->click();
        QTRY_COMPARE(pendingFileDialogAnswers(), 0);
        update->findChild<QPushButton *>("btnConfirmUpdate")->click();
        QTRY_VERIFY(loader->countRequests(IapBlockRequest) > 0);
        // The question is modal: a click on the page behind it goes nowhere. Then
        // the operator answers it.
        boxes.setLeaveOpen(true);
        connect(&answerer, &QTimer::timeout, this, [&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(top);
                if (!box || !box->isVisible() || box->text() != question)
                    continue;
                answerer.stop();
                auto click = [](QWidget *w) {
                    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                      w->mapTo(w->window(), w->rect().center()));
                };
                click(window->updateWindow()->findChild<QPushButton *>("pushButtonSearch_iap"));
                searchTaken = !loader->portInUse();
                click(box->button(QMessageBox::StandardButton(download)));
            }
        });
        answerer.start(50);
    }

    const bool closed = window->close();
    if (download) {
        const int requests = loader->requests().size();
        QVERIFY(!searchTaken);
        QCOMPARE(boxes.count(question), 1);
        QCOMPARE(closed, download == QMessageBox::Yes);
        QCOMPARE(bool(iapArea.iapSessionActive), !closed);
        QCOMPARE(loader->portInUse(), !closed);
        QTest::qWait(1500);
        QCOMPARE(loader->requests().size() > requests, !closed);
        QCOMPARE(boxes.seen().size(), 2);   // the confirmation, the question: no box after
        QCOMPARE(table->rowCount(), closed ? 0 : rows);
        return;
    }
    QCOMPARE(closed, writable || closeAnyway);
    QCOMPARE(window->isVisible(), !closed);
    if (!writable) {
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY2(boxes.seen().at(0).text.contains(QDir::toNativeSeparators(logDir + "/moniter_--_")),
                 qPrintable(boxes.seen().at(0).text));
        QCOMPARE(fileBytes(logDir), QByteArray("not a folder\n"));
        QCOMPARE(table->rowCount(), rows);
        return;
    }
    QVERIFY(boxes.seen().isEmpty());
    const QStringList files = QDir(logDir).entryList(QDir::Files);
    QCOMPARE(files.size(), rows > 0 ? 1 : 0);
    if (rows > 0) {
        QVERIFY2(files.at(0).startsWith("moniter_--_") && files.at(0).endsWith(".csv"), qPrintable(files.at(0)));
        QCOMPARE(QString::fromUtf8(fileBytes(logDir + "/" + files.at(0))).split('\n'), expected);
    }
}

void TestMainWindow::saveDialogsAddTheFilterExtension_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("start");   // how the file written begins
    const struct
    {
        const char *tag;
        int page;
        const char *button, *extension, *start;
    } dialogs[] = {
        {"monitor export", 1, "btnMonierExport", ".csv", "\n"},
        {"history export", 2, "btnRecordExport", ".csv", "\n"},
        {"primary protection", 3, "btnExportProtection1Param", ".xml", "<?xml"},
        {"secondary protection", 3, "btnExportProtection2Param", ".xml", "<?xml"},
        {"system settings", 4, "btnSystemParameterExport", ".xml", "<?xml"},
    };
    for (const auto &d : dialogs)
        QTest::newRow(d.tag) << d.page << d.button << d.extension << QByteArray(d.start);
}

void TestMainWindow::saveDialogsAddTheFilterExtension()
{
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(QString, extension);
    QFETCH(QByteArray, start);
    BoxWatcher boxes;
    auto *press = window->pageStack()->widget(page)->findChild<QAbstractButton *>(button);
    QVERIFY(press);
    QTemporaryDir dir;
    const QString typed = dir.filePath("kept");
    const QString written = typed + extension;

    // A new name: the file written carries the filter's extension; nothing is asked.
    answerNextFileDialog(typed);
    press->click();
    QCOMPARE(pendingFileDialogAnswers(), 0);
    QVERIFY(!QFile::exists(typed));
    QVERIFY2(fileBytes(written).startsWith(start), fileBytes(written).left(40).constData());
    QVERIFY(boxes.seen().isEmpty());

    // The same name again: asked about the file of that name first. No goes back to the
    // dialog (cancelled here) and leaves the file as it was; Yes replaces it.
    QFile old(written);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old\n");
    old.close();
    const QString question = "kept" + extension + " already exists.\nDo you want to replace it?";
    for (const QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        answerNextFileDialog(typed);
        if (answer == QMessageBox::No)
            answerNextFileDialog(QString());
        boxes.queueAnswer(answer);
        press->click();
        QCOMPARE(pendingFileDialogAnswers(), 0);
        QCOMPARE(boxes.count(question), answer == QMessageBox::No ? 1 : 2);
        QCOMPARE(fileBytes(written).startsWith(start), answer == QMessageBox::Yes);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList("kept" + extension));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
