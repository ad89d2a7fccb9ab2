// The protection page end to end: its buttons and boxes against the fake BMS
// over a pseudo-terminal, through the home page's link.

#include <QtTest>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "bmsdataarea.h"
#include "boxes.h"
#include "fakebms.h"
#include "homefixture.h"
#include "homewindow.h"
#include "protectionwindow.h"

namespace {

const QString ReadingCompleted = QStringLiteral("reading completed");
const QString WrittenOk = QStringLiteral("Parameter written successfully !");
const QString ParameterError = QStringLiteral(" Parameter error, please check the parameters !");
const QString ReadFirst = QStringLiteral("Please read the parameters first");
const QString OpenPortFirst = QStringLiteral("Please open the serial port first");

void put(QByteArray &image, int offset, int width, qint64 value)
{
    for (int i = 0; i < width; ++i)
        image[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

qint64 get(const QByteArray &image, int offset, int width)
{
    quint32 bits = 0;
    for (int i = 0; i < width; ++i)
        bits |= static_cast<quint32>(static_cast<quint8>(image.at(offset + i))) << (8 * i);
    if (width == 4)
        return static_cast<qint32>(bits);
    if (width == 2)
        return static_cast<qint16>(bits);
    return bits;
}

// A primary block as a BMS might hold it; every byte not set here keeps a
// pattern of its own, so that a byte sent back wrongly shows.
QByteArray primaryImage()
{
    QByteArray image(252, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(0x40 + i % 7);
    put(image, 0, 4, 3650);   // cell OV protect, mV
    put(image, 4, 4, 3550);   // release
    put(image, 8, 4, 3600);   // alarm
    put(image, 12, 1, 2);     // delay
    put(image, 40, 4, 58400); // pack OV protect, mV
    put(image, 44, 4, 54000);
    put(image, 48, 4, 57600);
    put(image, 52, 1, 255);
    put(image, 160, 4, -200); // charge UT protect, 0.1 degC
    put(image, 226, 2, -200); // ambient UT alarm
    put(image, 180, 4, 150000);
    put(image, 238, 2, 250);  // SOC cut-off, 0.1 %
    put(image, 242, 2, 150);  // SOC alarm
    put(image, 244, 2, 200);  // cell difference alarm, mV
    return image;
}

QByteArray secondaryImage(quint16 afeModel)
{
    QByteArray image(100, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(0x20 + i % 5);
    put(image, 2, 2, 4250);   // cell OV2 protect
    put(image, 4, 2, 4150);   // release
    put(image, 6, 1, afeModel == 1 ? 10 : 3);  // delay position
    put(image, 14, 2, 2500);
    put(image, 16, 2, 2740);
    put(image, 18, 1, 2);
    put(image, 50, 2, 120);   // OCC2
    put(image, 52, 2, -3);
    put(image, 54, 1, 4);
    put(image, 55, 1, 1);
    put(image, 56, 1, 2);
    put(image, 62, 2, 250);   // OCD2
    put(image, 64, 2, 4);
    put(image, 66, 1, 5);
    put(image, 67, 1, 3);
    put(image, 68, 1, 7);
    put(image, 74, 2, 550);   // OCD3
    put(image, 76, 2, 2);
    put(image, 78, 1, 6);
    put(image, 79, 1, 5);
    put(image, 80, 1, 9);
    put(image, 86, 2, 350);   // SCD
    put(image, 88, 2, 3);
    put(image, 90, 1, 1);
    put(image, 91, 1, 2);
    put(image, 92, 1, 5);
    put(image, 98, 2, afeModel);
    return image;
}

// One value typed or chosen on the page and where the BMS must find it.
struct Edit
{
    const char *combo;
    const char *text;    // typed (primary) or chosen by text (secondary); empty: by position
    int position;        // chosen position of a delay box
    int offset;
    int width;
    qint64 value;
};

struct GroupWrite
{
    const char *name;
    const char *button;
    int start;
    int count;
    QVector<Edit> edits;
    QVector<int> enableBytes;
};

const QVector<GroupWrite> &primaryWrites()
{
    static const QVector<GroupWrite> writes = {
        {"OV1", "btnOV1Write", 0, 27,
         {{"comboBoxCellOV1alarm", "3700", 0, 8, 4, 3700}, {"comboBoxCellOVP1", "3750", 0, 0, 4, 3750},
          {"comboBoxCellOV1Delay", "3", 0, 12, 1, 3}, {"comboBoxCellOV1Release", "3500", 0, 4, 4, 3500},
          {"comboBoxPackOV1alarm", "57.60", 0, 48, 4, 57600}, {"comboBoxPackOVP1", "58.4", 0, 40, 4, 58400},
          {"comboBoxPackOV1Delay", "4", 0, 52, 1, 4}, {"comboBoxPackOV1Release", "54.00", 0, 44, 4, 54000}},
         {13, 53}},
        {"UV1", "btnUV1Write", 10, 27,
         {{"comboBoxCellUV1alarm", "2900", 0, 28, 4, 2900}, {"comboBoxCellUVP1", "2800", 0, 20, 4, 2800},
          {"comboBoxCellUV1Delay", "5", 0, 32, 1, 5}, {"comboBoxCellUV1Release", "3000", 0, 24, 4, 3000},
          {"comboBoxPackUV1alarm", "42.5", 0, 68, 4, 42500}, {"comboBoxPackUVP1", "40.00", 0, 60, 4, 40000},
          {"comboBoxPackUV1Delay", "6", 0, 72, 1, 6}, {"comboBoxPackUV1Release", "45.05", 0, 64, 4, 45050}},
         {33, 73}},
        {"OT", "btnOT_Write", 40, 17,
         {{"comboBoxOTC_alarm", "55.5", 0, 108, 4, 555}, {"comboBoxOTC_P", "60", 0, 100, 4, 600},
          {"comboBoxOTC_Delay", "7", 0, 112, 1, 7}, {"comboBoxOTC_Release", "50", 0, 104, 4, 500},
          {"comboBoxOTD_alarm", "65", 0, 88, 4, 650}, {"comboBoxOTD_P", "70", 0, 80, 4, 700},
          {"comboBoxOTD_Delay", "8", 0, 92, 1, 8}, {"comboBoxOTD_Release", "60.4", 0, 84, 4, 604}},
         {113, 93}},
        {"UT", "btnUT_Write", 70, 17,
         {{"comboBoxUTC_alarm", "5", 0, 168, 4, 50}, {"comboBoxUTC_P", "-20", 0, 160, 4, -200},
          {"comboBoxUTC_Delay", "9", 0, 172, 1, 9}, {"comboBoxUTC_Release", "30", 0, 164, 4, 300},
          {"comboBoxUTD_alarm", "-4.6", 0, 148, 4, -46}, {"comboBoxUTD_P", "0", 0, 140, 4, 0},
          {"comboBoxUTD_Delay", "10", 0, 152, 1, 10}, {"comboBoxUTD_Release", "-15", 0, 144, 4, -150}},
         {173, 153}},
        {"ambient", "btnOTA_Write", 110, 6,
         {{"comboBoxOTA_alarm", "65", 0, 220, 2, 650}, {"comboBoxOTA_Release", "60", 0, 224, 2, 600},
          {"comboBoxUTA_alarm", "-20", 0, 226, 2, -200}, {"comboBoxUTA_Release", "-10.5", 0, 230, 2, -105}},
         {}},
        {"OCC1", "btnOCC1Write", 100, 10,
         {{"comboBoxOCC1alarm", "150.5", 0, 208, 4, 150500}, {"comboBoxOCCP1", "160", 0, 200, 4, 160000},
          {"comboBoxOCC1Delay", "11", 0, 212, 1, 11}, {"comboBoxOCC1Release", "-1", 0, 204, 4, -1000},
          {"comboBoxOCC1Latchlimit", "3", 0, 215, 1, 3}, {"comboBoxOCC1ReleaseTime", "4", 0, 216, 1, 4}},
         {213}},
        {"OCD1", "btnOCD1Write", 90, 10,
         {{"comboBoxOCD1alarm", "200", 0, 188, 4, 200000}, {"comboBoxOCDP1", "220.0", 0, 180, 4, 220000},
          {"comboBoxOCD1Delay", "12", 0, 192, 1, 12}, {"comboBoxOCD1Release", "5", 0, 184, 4, 5000},
          {"comboBoxOCD1Latchlimit", "6", 0, 195, 1, 6}, {"comboBoxOCD1ReleaseTime", "255", 0, 196, 1, 255}},
         {193}},
        {"MOSFET", "btnMOSFET_Write", 60, 10,
         {{"comboBoxFETalarm", "85", 0, 128, 4, 850}, {"comboBoxFETprotect", "-3276.8", 0, 120, 4, -32768},
          {"comboBoxOTFdelay", "13", 0, 132, 1, 13}, {"comboBoxOTFrelease", "80", 0, 124, 4, 800}},
         {133}},
        {"SOC", "btnSOC_Write", 116, 9,
         {{"comboBoxSOC_Alarm", "20", 0, 242, 2, 200}, {"comboBoxSOC_cut_off", "5", 0, 238, 2, 50},
          {"comboBoxDiffalarm", "300", 0, 244, 2, 300}},
         {240}},
    };
    return writes;
}

const QVector<GroupWrite> &secondaryWrites()
{
    static const QVector<GroupWrite> writes = {
        {"OV2", "btnOV2_Write", 0, 6,
         {{"comboBoxCellOVP2", "4400", 0, 2, 2, 4400}, {"comboBoxCellOV2_Delay", "", 12, 6, 1, 12},
          {"comboBoxCellOV2_Release", "4200", 0, 4, 2, 4200}},
         {9}},
        {"UV2", "btnUV2_Write", 6, 6,
         {{"comboBoxCellUVP2", "2440", 0, 14, 2, 2440}, {"comboBoxCellUV2_Delay", "", 15, 18, 1, 15},
          {"comboBoxCellUV2_Release", "3340", 0, 16, 2, 3340}},
         {21}},
        {"SCD", "btnSCD_Write", 42, 6,
         {{"comboBoxSCD", "800", 0, 86, 2, 800}, {"comboBoxSCD_Delay", "", 7, 90, 1, 7},
          {"comboBoxSCD_Release", "5", 0, 88, 2, 5}, {"comboBoxSCD_Latchlimit", "10", 0, 92, 1, 10},
          {"comboBoxSCD_ReleaseTime", "4", 0, 91, 1, 4}},
         {}},
        {"OCC2", "btnOCC2_Write", 24, 6,
         {{"comboBoxOCCP2", "400", 0, 50, 2, 400}, {"comboBoxOCC2_Delay", "", 9, 54, 1, 9},
          {"comboBoxOCC2_Release", "-5", 0, 52, 2, -5}, {"comboBoxOCC2_Latchlimit", "1", 0, 56, 1, 1},
          {"comboBoxOCC2_ReleaseTime", "5", 0, 55, 1, 5}},
         {57}},
        {"OCD2", "btnOCD2_Write", 30, 12,
         {{"comboBoxOCDP2", "500", 0, 62, 2, 500}, {"comboBoxOCD2_Delay", "", 11, 66, 1, 11},
          {"comboBoxOCD2_Release", "1", 0, 64, 2, 1}, {"comboBoxOCD2_Latchlimit", "8", 0, 68, 1, 8},
          {"comboBoxOCD2_ReleaseTime", "2", 0, 67, 1, 2}, {"comboBoxOCDP3", "600", 0, 74, 2, 600},
          {"comboBoxOCD3_Delay", "", 14, 78, 1, 14}, {"comboBoxOCD3_Release", "3", 0, 76, 2, 3},
          {"comboBoxOCD3_Latchlimit", "4", 0, 80, 1, 4}, {"comboBoxOCD3_ReleaseTime", "1", 0, 79, 1, 1}},
         {69, 81}},
    };
    return writes;
}

} // namespace

class TestProtectionWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readOv1SendsTheRequestAndShowsTheValues();
    void secondaryReadShowsTheDelaysOfTheBmsModel();
    void aPrimaryReplyFillsNoSecondaryGroup();
    void damagedRepliesEndTheReadOnce_data();
    void damagedRepliesEndTheReadOnce();
    void readAndWriteWithThePortClosed();
    void firstTabClickAndSideBarReadOnce();

    void writeEachPrimaryGroup();
    void writeEachSecondaryGroup();
    void refusedValuesSendNothing();
    void answeringNoSendsNothing();
    void answeringNoLeavesAnotherPagesWriteArmed();
    void writeOverUnreadRegistersIsRefused();
    void anotherPathsErrorCountDoesNotRefuse();
    void writesWaitForTheirConfirmation();
    void anotherPackIsNotWrittenWithThisPacksValues();
    void valuesLeftAsReadGoBackExactly();

    void languageSwitchKeepsTheValues();
    void exportThenImportRestoresEveryValue();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void indexesOutOfRangeAreSkipped();
    void exportToAnUnwritablePlaceIsReported();

private:
    QComboBox *box(const char *name) const
    {
        QComboBox *b = page->findChild<QComboBox *>(QLatin1String(name));
        Q_ASSERT_X(b, "box", name);
        return b;
    }
    QPushButton *button(const char *name) const
    {
        QPushButton *b = page->findChild<QPushButton *>(QLatin1String(name));
        Q_ASSERT_X(b, "button", name);
        return b;
    }
    bool openPort();
    bool readBoth();
    bool applyEdit(const Edit &edit);
    void answerConfirmationLater(int ms, QMessageBox::StandardButton answer, std::function<void()> whileOpen);
    QList<BmsRequest> writes(quint8 command) const;
    QStringList shown(const QVector<ParameterWidgetNames> &list) const;
    bool useTestLanguage();
    QString filePath(const QString &name) const { return tempDir->filePath(name); }

    std::unique_ptr<HomeFixture> fixture;
    ProtectionWindow *page = nullptr;
    BoxWatcher *boxes = nullptr;
    std::unique_ptr<QTemporaryDir> tempDir;
    QString startDir;
};

void TestProtectionWindow::init()
{
    startDir = QDir::currentPath();
    tempDir = std::make_unique<QTemporaryDir>();
    fixture = std::make_unique<HomeFixture>();
    fixture->bms().block(0x02) = primaryImage();
    fixture->bms().block(0x04) = secondaryImage(1);
    page = new ProtectionWindow;
    page->show();
    boxes = new BoxWatcher;
}

void TestProtectionWindow::cleanup()
{
    delete boxes;
    delete page;
    fixture.reset();
    QDir::setCurrent(startDir);
}

bool TestProtectionWindow::openPort()
{
    return fixture->open(2);
}

bool TestProtectionWindow::readBoth()
{
    const int before = boxes->count(ReadingCompleted);
    button("btnReadAllProtect_1")->click();
    button("btnReadAllProtect_2")->click();
    return QTest::qWaitFor([&] { return boxes->count(ReadingCompleted) >= before + 2; }, 15000);
}

bool TestProtectionWindow::applyEdit(const Edit &edit)
{
    QComboBox *b = box(edit.combo);
    if (b->isEditable()) {
        b->setEditText(QLatin1String(edit.text));
        return true;
    }
    const int index = *edit.text ? b->findText(QLatin1String(edit.text)) : edit.position;
    if (index < 0 || index >= b->count())
        return false;
    b->setCurrentIndex(index);
    return true;
}

// Leaves the next write confirmation open for `ms`, runs `whileOpen` and then answers it.
void TestProtectionWindow::answerConfirmationLater(int ms, QMessageBox::StandardButton answer,
                                                  std::function<void()> whileOpen)
{
    boxes->setLeaveOpen(true);
    QTimer::singleShot(ms, [this, answer, whileOpen] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *confirm = qobject_cast<QMessageBox *>(widget);
            if (!confirm || !confirm->isVisible() || confirm->text() != QLatin1String("Are you sure you want to write ?"))
                continue;
            whileOpen();
            boxes->setLeaveOpen(false);
            confirm->button(answer)->click();
            return;
        }
    });
}

QList<BmsRequest> TestProtectionWindow::writes(quint8 command) const
{
    QList<BmsRequest> found;
    for (const BmsRequest &request : fixture->bms().requests()) {
        if (request.command == command)
            found << request;
    }
    return found;
}

QStringList TestProtectionWindow::shown(const QVector<ParameterWidgetNames> &list) const
{
    QStringList texts;
    for (const ParameterWidgetNames &names : list)
        texts << box(names.combo)->currentText();
    return texts;
}

bool TestProtectionWindow::useTestLanguage()
{
    const QString target = filePath("Language_zh_CN.qm");
    if (!QFile::exists(target) && !QFile::copy(QStringLiteral(PROTECTION_TEST_QM), target))
        return false;
    return QDir::setCurrent(tempDir->path());
}

// ---- Reading ---------------------------------------------------------------------

void TestProtectionWindow::readOv1SendsTheRequestAndShowsTheValues()
{
    QVERIFY(openPort());
    fixture->bms().clearRequests();
    boxes->setLeaveOpen(true);
    button("btnOV1Read")->click();
    QVERIFY(boxes->waitFor(ReadingCompleted, 10000));
    // A plain note without an icon that closes itself.
    QPointer<QMessageBox> note;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *candidate = qobject_cast<QMessageBox *>(widget);
        if (candidate && candidate->isVisible() && candidate->text() == ReadingCompleted)
            note = candidate;
    }
    QVERIFY(note);
    QCOMPARE(note->icon(), QMessageBox::NoIcon);
    QCOMPARE(note->windowTitle(), QString("info"));
    QTRY_VERIFY_WITH_TIMEOUT(note.isNull() || !note->isVisible(), 5000);
    boxes->setLeaveOpen(false);

    QCOMPARE(fixture->bms().countRequests(0x02), 1);
    QCOMPARE(writes(0x02).first().raw, QByteArray::fromHex("A5000200 00007EEA17"));

    const QList<QPair<const char *, QString>> expected = {
        {"comboBoxCellOV1alarm", "3600"}, {"comboBoxCellOVP1", "3650"}, {"comboBoxCellOV1Delay", "2"},
        {"comboBoxCellOV1Release", "3550"}, {"comboBoxPackOV1alarm", "57.60"}, {"comboBoxPackOVP1", "58.40"},
        {"comboBoxPackOV1Delay", "255"}, {"comboBoxPackOV1Release", "54.00"}};
    for (const auto &pair : expected) {
        QCOMPARE(box(pair.first)->itemText(0), pair.second);
        QCOMPARE(box(pair.first)->currentIndex(), 0);
        QCOMPARE(box(pair.first)->currentText(), pair.second);
    }
    // Only the group asked for is filled.
    QCOMPARE(box("comboBoxUTC_P")->itemText(0), QString());
    QCOMPARE(int(bmsArea.primaryReadRequest[8]), 0);

    // Read all brings negative temperatures, currents and SOC.
    button("btnReadAllProtect_1")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->count(ReadingCompleted), 2, 10000);
    QCOMPARE(box("comboBoxUTC_P")->currentText(), QString("-20.0"));
    QCOMPARE(box("comboBoxUTA_alarm")->currentText(), QString("-20.0"));
    QCOMPARE(box("comboBoxOCDP1")->currentText(), QString("150.0"));
    QCOMPARE(box("comboBoxSOC_cut_off")->currentText(), QString("25"));
}

void TestProtectionWindow::secondaryReadShowsTheDelaysOfTheBmsModel()
{
    QVERIFY(openPort());
    QVERIFY(!button("btnOCC2_Read")->isEnabled());
    button("btnOV2_Read")->click();
    QVERIFY(boxes->waitFor(ReadingCompleted, 10000));

    QCOMPARE(box("comboBoxAFEmodel")->currentText(), QString("S"));
    QCOMPARE(box("comboBoxCellOV2_Delay")->count(), 16);
    QCOMPARE(box("comboBoxCellOV2_Delay")->currentText(), QString("6S"));
    QCOMPARE(box("comboBoxCellOVP2")->currentText(), QString("4250"));
    QCOMPARE(box("comboBoxCellOV2_Release")->currentText(), QString("4150"));
    QCOMPARE(box("comboBoxSCD_Delay")->itemText(1), QString("64uS"));
    QVERIFY(button("btnOCC2_Read")->isEnabled());
    QVERIFY(box("comboBoxOCD3_Delay")->isEnabled());

    // A BMS of model M brings the short lists back.
    fixture->bms().block(0x04) = secondaryImage(0);
    button("btnReadAllProtect_2")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->count(ReadingCompleted), 2, 10000);
    QCOMPARE(box("comboBoxAFEmodel")->currentText(), QString("M"));
    QCOMPARE(box("comboBoxCellOV2_Delay")->count(), 4);
    QCOMPARE(box("comboBoxCellOV2_Delay")->currentText(), QString("8S"));
    QCOMPARE(box("comboBoxCellUV2_Delay")->currentText(), QString("8S"));
    QCOMPARE(box("comboBoxOCD2_Delay")->currentText(), QString("160mS"));
    QVERIFY(!button("btnOCC2_Write")->isEnabled());
    QVERIFY(!box("comboBoxOCCP2")->isEnabled());
}

void TestProtectionWindow::aPrimaryReplyFillsNoSecondaryGroup()
{
    // Both tabs asked for; only the primary record has come.
    bmsArea.serialPortOpen = 1;
    button("btnOV1Read")->click();
    button("btnOV2_Read")->click();
    QVERIFY(bmsArea.setProtectionParams(primaryImage()));
    QVERIFY(boxes->waitFor(ReadingCompleted, 5000));

    QCOMPARE(box("comboBoxCellOVP1")->currentText(), QString("3650"));
    QCOMPARE(box("comboBoxCellOVP2")->itemText(0), QString());
    QCOMPARE(int(bmsArea.secondaryReadRequest[4]), 1);

    QVERIFY(bmsArea.setSecondaryProtectionParams(secondaryImage(1)));
    QTRY_COMPARE_WITH_TIMEOUT(boxes->count(ReadingCompleted), 2, 5000);
    QCOMPARE(box("comboBoxCellOVP2")->currentText(), QString("4250"));
    QCOMPARE(int(bmsArea.secondaryReadRequest[4]), 0);
}

void TestProtectionWindow::damagedRepliesEndTheReadOnce_data()
{
    QTest::addColumn<bool>("badCrc");   // else cut short
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("baud");
    QTest::newRow("bad CRC") << true << 0 << 2;
    QTest::newRow("short") << false << 0 << 2;
    QTest::newRow("bad CRC, 150 ms late at 9600") << true << 150 << 0;
    // The record stored for nobody (the page's read given up) shows nothing.
    QTest::newRow("stored after the read was given up") << true << -1 << 2;
}

// The first five replies to the read come damaged: the read ends with one
// box, nothing more goes out for it, and nothing is shown as read.
void TestProtectionWindow::damagedRepliesEndTheReadOnce()
{
    QFETCH(bool, badCrc);
    QFETCH(int, delay);
    QFETCH(int, baud);
    if (delay < 0) {
        bmsArea.serialPortOpen = 1;
        QVERIFY(bmsArea.setProtectionParams(primaryImage()));
        QTest::qWait(600);
        QCOMPARE(boxes->count(ReadingCompleted), 0);
        QCOMPARE(box("comboBoxCellOVP1")->itemText(0), QString());
        QCOMPARE(int(bmsArea.primaryReadDone), 0);
        return;
    }
    FakeBms &bms = fixture->bms();
    QVERIFY(fixture->open(baud));
    bms.setReplyDelay(delay);
    int damaged = 5;
    connect(&bms, &FakeBms::requestReceived, page, [&](const BmsRequest &request) {
        const bool hit = request.command == 0x02 && damaged-- > 0;
        bms.setBadCrc(hit && badCrc);
        bms.setShortReply(hit && !badCrc);
    });
    bms.clearRequests();
    button("btnReadAllProtect_1")->click();
    QVERIFY(boxes->waitFor("Communication timeout !", 10000));
    const int frames = bms.countRequests(0x02);
    QTest::qWait(3000);
    QCOMPARE(bms.countRequests(0x02), frames);
    QVERIFY(frames <= 5);
    QCOMPARE(boxes->count(ReadingCompleted), 0);
    QCOMPARE(boxes->seen().size(), 1);
    QCOMPARE(box("comboBoxCellOVP1")->itemText(0), QString());
}

void TestProtectionWindow::readAndWriteWithThePortClosed()
{
    button("btnReadAllProtect_1")->click();
    QVERIFY(boxes->waitFor(OpenPortFirst));
    for (quint8 flag : bmsArea.primaryReadRequest)
        QCOMPARE(int(flag), 0);

    boxes->clear();
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor(OpenPortFirst));
    QCOMPARE(boxes->seen().size(), 1);  // no confirmation asked
    QCOMPARE(int(bmsArea.primaryWriteRequest[9]), 0);

    // A tab click with the port closed does not use up the automatic read.
    page->findChild<QTabWidget *>("tabWidgetProtect")->tabBarClicked(1);
    QCOMPARE(int(bmsArea.secondaryReadRequest[5]), 0);
}

void TestProtectionWindow::firstTabClickAndSideBarReadOnce()
{
    auto *tabs = page->findChild<QTabWidget *>("tabWidgetProtect");
    emit tabs->tabBarClicked(1);
    QCOMPARE(int(bmsArea.secondaryReadRequest[5]), 0);

    QVERIFY(openPort());
    emit tabs->tabBarClicked(-1);
    QCOMPARE(int(bmsArea.secondaryReadRequest[5]), 0);
    emit tabs->tabBarClicked(1);
    QCOMPARE(int(bmsArea.secondaryReadRequest[5]), 1);
    QVERIFY(boxes->waitFor(ReadingCompleted, 10000));
    QCOMPARE(box("comboBoxCellOVP2")->currentText(), QString("4250"));

    emit tabs->tabBarClicked(0);
    QCOMPARE(int(bmsArea.primaryReadRequest[9]), 0);

    page->onMainWindowProtectClicked();
    QCOMPARE(int(bmsArea.primaryReadRequest[9]), 1);
    QTRY_COMPARE_WITH_TIMEOUT(boxes->count(ReadingCompleted), 2, 10000);
    QCOMPARE(box("comboBoxCellOVP1")->currentText(), QString("3650"));
}

// ---- Writing ---------------------------------------------------------------------

void TestProtectionWindow::writeEachPrimaryGroup()
{
    QVERIFY(openPort());
    QVERIFY(readBoth());
    QByteArray expected = fixture->bms().block(0x02);

    for (const GroupWrite &group : primaryWrites()) {
        fixture->bms().clearRequests();
        for (const Edit &edit : group.edits) {
            QVERIFY2(applyEdit(edit), edit.combo);
            put(expected, edit.offset, edit.width, edit.value);
        }
        for (int offset : group.enableBytes)
            expected[offset] = 1;
        if (QLatin1String(group.name) == QLatin1String("ambient")) {
            expected[222] = 0;
            expected[228] = 0;
        }
        const int okBefore = boxes->count(WrittenOk);
        button(group.button)->click();
        QVERIFY2(QTest::qWaitFor([&] { return boxes->count(WrittenOk) > okBefore; }, 10000), group.name);

        const QList<BmsRequest> sent = writes(0x03);
        QVERIFY2(!sent.isEmpty(), group.name);
        const QByteArray data = sent.first().data;
        QCOMPARE(int(quint8(data.at(1))), group.start);
        QCOMPARE(int(quint8(data.at(3))), group.count);
        QCOMPARE(data.size(), 4 + 2 * group.count);
        QCOMPARE(data.mid(4), expected.mid(2 * group.start, 2 * group.count));
        // Registers of the range that the group does not edit go back as read.
        QCOMPARE(fixture->bms().block(0x02), expected);
        QCOMPARE(int(bmsArea.parameterWritePending), 0);
    }
    // "57.60" V reaches the BMS as 57600 mV.
    QCOMPARE(get(fixture->bms().block(0x02), 48, 4), qint64(57600));
}

void TestProtectionWindow::writeEachSecondaryGroup()
{
    QVERIFY(openPort());
    QVERIFY(readBoth());
    QByteArray expected = fixture->bms().block(0x04);

    for (const GroupWrite &group : secondaryWrites()) {
        fixture->bms().clearRequests();
        for (const Edit &edit : group.edits) {
            QVERIFY2(applyEdit(edit), edit.combo);
            put(expected, edit.offset, edit.width, edit.value);
        }
        for (int offset : group.enableBytes)
            expected[offset] = 1;
        const int okBefore = boxes->count(WrittenOk);
        button(group.button)->click();
        QVERIFY2(QTest::qWaitFor([&] { return boxes->count(WrittenOk) > okBefore; }, 10000), group.name);

        const QList<BmsRequest> sent = writes(0x05);
        QVERIFY2(!sent.isEmpty(), group.name);
        const QByteArray data = sent.first().data;
        QCOMPARE(int(quint8(data.at(1))), group.start);
        QCOMPARE(int(quint8(data.at(3))), group.count);
        QCOMPARE(data.mid(4), expected.mid(2 * group.start, 2 * group.count));
        QCOMPARE(fixture->bms().block(0x04), expected);
    }
    QCOMPARE(get(fixture->bms().block(0x04), 98, 2), qint64(1));

    // Write all sends the whole record, the AFE model with it.
    fixture->bms().clearRequests();
    const int okBefore = boxes->count(WrittenOk);
    button("btnWriteAllProtect_2")->click();
    QVERIFY(QTest::qWaitFor([&] { return boxes->count(WrittenOk) > okBefore; }, 10000));
    const QList<BmsRequest> sent = writes(0x05);
    QVERIFY(!sent.isEmpty());
    QCOMPARE(sent.first().data.left(4), QByteArray::fromHex("00000032"));
    QCOMPARE(sent.first().data.mid(4), expected);
}

void TestProtectionWindow::refusedValuesSendNothing()
{
    QVERIFY(openPort());
    QVERIFY(readBoth());
    const QByteArray before = bmsArea.primaryProtection.toByteArray();

    box("comboBoxCellOVP1")->setEditText("abc");
    box("comboBoxCellOV1Delay")->setEditText("256");
    box("comboBoxPackOVP1")->setEditText("");
    fixture->bms().clearRequests();
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor(ParameterError));
    QTest::qWait(1500);

    QCOMPARE(boxes->count(ParameterError), 1);
    QCOMPARE(fixture->bms().countRequests(0x03), 0);
    QCOMPARE(int(bmsArea.primaryWriteRequest[9]), 0);
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
    QCOMPARE(int(bmsArea.parameterErrorCount), 0);
    // Nothing of the refused press reaches the record.
    QCOMPARE(bmsArea.primaryProtection.toByteArray(), before);

    // The next good press writes only its own group.
    box("comboBoxCellOVP1")->setEditText("3700");
    box("comboBoxCellOV1Delay")->setEditText("2");
    box("comboBoxPackOVP1")->setEditText("58.40");
    button("btnSOC_Write")->click();
    QVERIFY(boxes->waitFor(WrittenOk, 10000));
    QCOMPARE(writes(0x03).first().data.left(4), QByteArray::fromHex("00740009"));
    QCOMPARE(get(fixture->bms().block(0x02), 0, 4), qint64(3650));
}

void TestProtectionWindow::answeringNoSendsNothing()
{
    QVERIFY(openPort());
    QVERIFY(readBoth());
    boxes->queueAnswer(QMessageBox::No);
    fixture->bms().clearRequests();
    button("btnWriteAllProtect_1")->click();
    QVERIFY(boxes->waitFor("Are you sure you want to write ?"));
    QTest::qWait(1500);

    QCOMPARE(fixture->bms().countRequests(0x03), 0);
    for (quint8 flag : bmsArea.primaryWriteRequest)
        QCOMPARE(int(flag), 0);
    QCOMPARE(int(bmsArea.parameterWritePending), 0);

    // A later write of one group sends that group only.
    button("btnOCC1Write")->click();
    QVERIFY(boxes->waitFor(WrittenOk, 10000));
    QCOMPARE(fixture->bms().countRequests(0x03), 1);
    QCOMPARE(writes(0x03).first().data.left(4), QByteArray::fromHex("0064000a"));
}

void TestProtectionWindow::answeringNoLeavesAnotherPagesWriteArmed()
{
    // The settings page has a confirmed write waiting; the link is not running.
    bmsArea.serialPortOpen = 1;
    bmsArea.systemSettingWriteFlags[6] = 1;
    bmsArea.armWrite(BlockSystemSetting);
    QCOMPARE(int(bmsArea.parameterWritePending), 1);

    boxes->queueAnswer(QMessageBox::No);
    button("btnOV1Write")->click();
    QCOMPARE(int(bmsArea.primaryWriteRequest[9]), 0);
    QCOMPARE(int(bmsArea.parameterWritePending), 1);
    QCOMPARE(int(bmsArea.writeArmed[BlockSystemSetting]), 1);
    QCOMPARE(int(bmsArea.systemSettingWriteFlags[6]), 1);

    // So does a refused value in a group shown from the BMS.
    bmsArea.primaryReadRequest[8] = 1;
    QVERIFY(bmsArea.setProtectionParams(QByteArray(PrimaryProtectionRecord::Size, '\0')));
    QTRY_COMPARE(int(bmsArea.primaryReadRequest[8]), 0);
    box("comboBoxCellOV1alarm")->setEditText("x");
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor(ParameterError));
    QCOMPARE(int(bmsArea.primaryWriteRequest[9]), 0);
    QCOMPARE(int(bmsArea.parameterWritePending), 1);
    QCOMPARE(int(bmsArea.systemSettingWriteFlags[6]), 1);
}

// Against a BMS that acknowledges later than the send tick.
void TestProtectionWindow::writesWaitForTheirConfirmation()
{
    QVERIFY(openPort());
    QVERIFY(readBoth());
    fixture->bms().setReplyDelay(1200);
    for (const Edit &edit : primaryWrites().at(0).edits)   // OV1
        QVERIFY(applyEdit(edit));
    fixture->bms().clearRequests();
    button("btnOV1Write")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!writes(0x03).isEmpty(), 5000);

    // Write all pressed while OV1 waits, answered No: the whole record never
    // reaches the line, neither while the box is open nor after.
    const auto wholeRecords = [this] {
        int count = 0;
        for (const BmsRequest &request : writes(0x03))
            count += request.data.startsWith(QByteArray::fromHex("0000007E")) ? 1 : 0;
        return count;
    };
    int wholeWhileOpen = -1;
    answerConfirmationLater(1500, QMessageBox::No, [&] { wholeWhileOpen = wholeRecords(); });
    button("btnWriteAllProtect_1")->click();
    QCOMPARE(wholeWhileOpen, 0);
    QTRY_COMPARE_WITH_TIMEOUT(boxes->count(WrittenOk), 1, 10000);
    QTest::qWait(1500);
    QCOMPARE(wholeRecords(), 0);
    QCOMPARE(get(fixture->bms().block(0x02), 0, 4), qint64(3750));

    // UV1 pressed again with another value while its first write waits, its
    // acknowledgement landing while the box is open: the BMS ends with the
    // value confirmed last.
    for (const Edit &edit : primaryWrites().at(1).edits)
        QVERIFY(applyEdit(edit));
    button("btnUV1Write")->click();
    QTRY_VERIFY_WITH_TIMEOUT(writes(0x03).last().data.startsWith(QByteArray::fromHex("000A001B")), 10000);
    box("comboBoxCellUVP1")->setEditText(QStringLiteral("2750"));
    answerConfirmationLater(1500, QMessageBox::Yes, [] {});
    button("btnUV1Write")->click();
    QTRY_COMPARE_WITH_TIMEOUT(get(fixture->bms().block(0x02), 20, 4), qint64(2750), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(int(bmsArea.parameterWritePending), 0, 10000);
    QCOMPARE(int(bmsArea.primaryWriteRequest[8]), 0);
}

// Pack 1 read, pack 2 selected: pack 1's registers do not go into pack 2.
void TestProtectionWindow::anotherPackIsNotWrittenWithThisPacksValues()
{
    QVERIFY(openPort());
    QVERIFY(readBoth());
    for (const Edit &edit : primaryWrites().at(0).edits)
        QVERIFY(applyEdit(edit));
    fixture->home().findChild<QComboBox *>(QStringLiteral("comboBoxAddress"))->setCurrentIndex(1);
    fixture->bms().clearRequests();
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor(ReadFirst));
    QTest::qWait(1000);
    QCOMPARE(writes(0x03).size(), 0);
    QCOMPARE(fixture->bms().requests().last().address, quint8(1));

    // A write armed for one pack is cancelled when another is chosen.
    fixture->home().findChild<QComboBox *>(QStringLiteral("comboBoxAddress"))->setCurrentIndex(0);
    QVERIFY(readBoth());
    fixture->bms().setSilent(true);
    button("btnOV1Write")->click();
    // Before its first frame the pack is to name itself; a silent one does not.
    QTRY_VERIFY_WITH_TIMEOUT(fixture->bms().countRequests(0x17) > 0, 5000);
    QCOMPARE(int(bmsArea.parameterWritePending), 1);
    fixture->home().findChild<QComboBox *>(QStringLiteral("comboBoxAddress"))->setCurrentIndex(3);
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
    QVERIFY(boxes->waitFor("The BMS at the other end may have changed:\nParameter writing failed ! The write was not sent.", 1000));
    fixture->bms().clearRequests();
    QTest::qWait(1500);
    QCOMPARE(writes(0x03).size(), 0);

    // One group read from the new pack makes only that group writable: the
    // others still show the pack of before's values.
    fixture->bms().setSilent(false);
    fixture->bms().setAddress(3);
    boxes->clear();
    button("btnOV1Read")->click();
    QVERIFY(boxes->waitFor(ReadingCompleted));
    button("btnWriteAllProtect_1")->click();
    QVERIFY(boxes->waitFor(ReadFirst));
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor("Parameter written successfully !", 10000));
    QCOMPARE(writes(0x03).size(), 1);
    QCOMPARE(writes(0x03).first().address, quint8(3));
}

void TestProtectionWindow::valuesLeftAsReadGoBackExactly()
{
    QByteArray &image = fixture->bms().block(0x02);
    put(image, 40, 4, 58405);    // pack OV protect, shown as 58.41 V
    put(image, 208, 4, 120050);  // charge overcurrent 1 alarm, shown as 120.1 A
    put(image, 200, 4, 350);     // its protect value, shown as 0.4 A
    QVERIFY(openPort());
    QVERIFY(readBoth());
    QCOMPARE(box("comboBoxPackOVP1")->currentText(), QStringLiteral("58.41"));
    QCOMPARE(box("comboBoxOCC1alarm")->currentText(), QStringLiteral("120.1"));
    QCOMPARE(box("comboBoxOCCP1")->currentText(), QStringLiteral("0.4"));
    const QByteArray before = fixture->bms().block(0x02);
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor(WrittenOk));
    boxes->clear();
    button("btnOCC1Write")->click();
    QVERIFY(boxes->waitFor(WrittenOk));
    QCOMPARE(get(fixture->bms().block(0x02), 40, 4), qint64(58405));
    QCOMPARE(get(fixture->bms().block(0x02), 208, 4), qint64(120050));
    QCOMPARE(get(fixture->bms().block(0x02), 200, 4), qint64(350));

    // An edited text is parsed and scaled.
    boxes->clear();
    box("comboBoxPackOVP1")->setEditText(QStringLiteral("58.40"));
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor(WrittenOk));
    QCOMPARE(get(fixture->bms().block(0x02), 40, 4), qint64(58400));
}

void TestProtectionWindow::writeOverUnreadRegistersIsRefused()
{
    QVERIFY(openPort());
    for (const Edit &edit : primaryWrites().first().edits)
        QVERIFY(applyEdit(edit));
    fixture->bms().clearRequests();
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor(ReadFirst));
    QTest::qWait(1500);

    QCOMPARE(fixture->bms().countRequests(0x03), 0);
    QCOMPARE(int(bmsArea.primaryWriteRequest[9]), 0);
    QCOMPARE(int(bmsArea.parameterWritePending), 0);
    QCOMPARE(fixture->bms().block(0x02), primaryImage());
    QCOMPARE(boxes->seen().last().title, QString("info"));

    // After a read the same write goes through.
    button("btnReadAllProtect_1")->click();
    QVERIFY(boxes->waitFor(ReadingCompleted, 10000));
    for (const Edit &edit : primaryWrites().first().edits)
        QVERIFY(applyEdit(edit));
    button("btnOV1Write")->click();
    QVERIFY(boxes->waitFor(WrittenOk, 10000));
    QCOMPARE(get(fixture->bms().block(0x02), 0, 4), qint64(3750));
}

void TestProtectionWindow::anotherPathsErrorCountDoesNotRefuse()
{
    QVERIFY(openPort());
    QVERIFY(readBoth());
    bmsArea.parameterErrorCount = 3;  // left over by another page
    box("comboBoxDiffalarm")->setEditText("250");
    button("btnSOC_Write")->click();
    QVERIFY(boxes->waitFor(WrittenOk, 10000));
    QCOMPARE(boxes->count(ParameterError), 0);
    QCOMPARE(get(fixture->bms().block(0x02), 244, 2), qint64(250));
}

// ---- Language --------------------------------------------------------------------

void TestProtectionWindow::languageSwitchKeepsTheValues()
{
    QVERIFY(useTestLanguage());
    QVERIFY(openPort());
    QVERIFY(readBoth());
    box("comboBoxCellOV1alarm")->setEditText("3777");
    box("comboBoxCellUV2_Delay")->setCurrentIndex(13);  // "20S" of model S
    const QStringList primaryBefore = shown(primaryParameterWidgets());
    const QStringList secondaryBefore = shown(secondaryParameterWidgets());

    page->change_trans(1);
    QCOMPARE(page->findChild<QLabel *>("labelCellOV1alarm")->text(), QString::fromUtf8("单体过压告警(mV)"));
    QCOMPARE(shown(primaryParameterWidgets()), primaryBefore);
    QCOMPARE(shown(secondaryParameterWidgets()), secondaryBefore);
    QCOMPARE(box("comboBoxCellOVP1")->itemText(0), QString("3650"));
    // The model S lists keep their texts and positions.
    QCOMPARE(box("comboBoxCellOV2_Delay")->itemText(0), QString("100mS"));
    QCOMPARE(box("comboBoxCellOV2_Delay")->currentIndex(), 10);
    QCOMPARE(box("comboBoxCellUV2_Delay")->currentText(), QString("20S"));

    // The fourth language is not the page's: nothing changes.
    page->change_trans(3);
    QCOMPARE(page->findChild<QLabel *>("labelCellOV1alarm")->text(), QString::fromUtf8("单体过压告警(mV)"));
    page->change_trans(0);
    QCOMPARE(page->findChild<QLabel *>("labelCellOV1alarm")->text(), QString("Cell OV alarm(mV)"));
    QCOMPARE(shown(primaryParameterWidgets()), primaryBefore);
}

// ---- Parameter files -------------------------------------------------------------

void TestProtectionWindow::exportThenImportRestoresEveryValue()
{
    QVERIFY(useTestLanguage());
    QVERIFY(openPort());
    QVERIFY(readBoth());
    page->change_trans(1);
    box("comboBoxOTA_P")->setEditText("72.5");
    box("comboBoxCellOV2_Delay")->setCurrentIndex(15);
    const QStringList primaryBefore = shown(primaryParameterWidgets());
    const QStringList secondaryBefore = shown(secondaryParameterWidgets());

    answerNextFileDialog(filePath("primary.xml"));
    button("btnExportProtection1Param")->click();
    answerNextFileDialog(filePath("secondary.xml"));
    button("btnExportProtection2Param")->click();

    QFile file(filePath("primary.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(file.readAll());
    QVERIFY(content.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QVERIFY(content.contains(QString::fromUtf8("单体过压告警(mV)")));
    QVERIFY(content.contains("<DocumentElement>"));
    QCOMPARE(content.count("<Param "), 61);

    // Everything changed, the model back to M.
    for (const ParameterWidgetNames &names : primaryParameterWidgets())
        box(names.combo)->setEditText("1");
    box("comboBoxAFEmodel")->setCurrentIndex(0);
    for (const ParameterWidgetNames &names : secondaryParameterWidgets()) {
        if (qstrcmp(names.combo, "comboBoxAFEmodel") != 0)
            box(names.combo)->setCurrentIndex(box(names.combo)->count() - 1);
    }
    QVERIFY(shown(secondaryParameterWidgets()) != secondaryBefore);

    answerNextFileDialog(filePath("primary.xml"));
    button("btnImportProtection1Param")->click();
    answerNextFileDialog(filePath("secondary.xml"));
    button("btnImportProtection2Param")->click();

    QCOMPARE(shown(primaryParameterWidgets()), primaryBefore);
    // The file's model comes first, so its delays are found in its lists.
    QCOMPARE(shown(secondaryParameterWidgets()), secondaryBefore);
    QCOMPARE(box("comboBoxCellOV2_Delay")->currentText(), QString("40S"));
    QCOMPARE(boxes->seen().size(), 2);  // the two reading boxes, no warning

    // In the page's other language, with model M: the translated delay texts come back too.
    page->change_trans(0);
    fixture->bms().block(0x04) = secondaryImage(0);
    button("btnReadAllProtect_2")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->count(ReadingCompleted), 3, 10000);
    page->change_trans(1);
    QCOMPARE(box("comboBoxCellOV2_Delay")->currentText(), QString::fromUtf8("8秒"));
    const QStringList modelM = shown(secondaryParameterWidgets());
    answerNextFileDialog(filePath("secondary-m.xml"));
    button("btnExportProtection2Param")->click();
    box("comboBoxCellOV2_Delay")->setCurrentIndex(0);
    box("comboBoxCellUV2_Delay")->setCurrentIndex(0);
    answerNextFileDialog(filePath("secondary-m.xml"));
    button("btnImportProtection2Param")->click();
    QCOMPARE(shown(secondaryParameterWidgets()), modelM);

    // The Chinese file in the English page, and back: the delays are found in either language.
    page->change_trans(0);
    const QStringList modelMInEnglish = shown(secondaryParameterWidgets());
    box("comboBoxCellOV2_Delay")->setCurrentIndex(0);
    answerNextFileDialog(filePath("secondary-m.xml"));
    button("btnImportProtection2Param")->click();
    QCOMPARE(box("comboBoxCellOV2_Delay")->currentText(), QString("8S"));
    QCOMPARE(shown(secondaryParameterWidgets()), modelMInEnglish);
    answerNextFileDialog(filePath("secondary-en.xml"));
    button("btnExportProtection2Param")->click();
    page->change_trans(1);
    box("comboBoxCellOV2_Delay")->setCurrentIndex(0);
    answerNextFileDialog(filePath("secondary-en.xml"));
    button("btnImportProtection2Param")->click();
    QCOMPARE(shown(secondaryParameterWidgets()), modelM);
    QCOMPARE(boxes->seen().size(), 3);  // the reading boxes, no warning
}

void TestProtectionWindow::badFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("not XML") << QByteArray("Index=1 3777\n");
    QTest::newRow("malformed") << QByteArray("<?xml version=\"1.0\"?>\n<DocumentElement>\n"
                                             "    <Param Index=\"1\" Name=\"x\">3777</Param>\n"
                                             "    <Param Index=\"2\" Name=\"x\">3777</Parm>\n"
                                             "</DocumentElement>\n");
    QTest::newRow("truncated") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DocumentElement>\n"
                                             "    <Param Index=\"1\" Name=\"Cell OV alarm(mV)\">3777</Param>\n"
                                             "    <Param Index=\"2\" Name=\"Cell OVP(mV)\">37");
    QTest::newRow("empty") << QByteArray();
}

void TestProtectionWindow::badFilesChangeNothing()
{
    QFETCH(QByteArray, content);

    box("comboBoxCellOV1alarm")->setEditText("3600");
    const QStringList before = shown(primaryParameterWidgets());
    const QString path = filePath("bad.xml");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    answerNextFileDialog(path);
    button("btnImportProtection1Param")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->seen().size(), 1, 5000);
    QCOMPARE(boxes->seen().first().title, QString("Warning!"));
    QVERIFY2(boxes->seen().first().text.contains("bad.xml"), qPrintable(boxes->seen().first().text));
    QCOMPARE(shown(primaryParameterWidgets()), before);

    // A missing file is reported the same way.
    answerNextFileDialog(filePath("missing.xml"));
    button("btnImportProtection2Param")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->seen().size(), 2, 5000);
    QVERIFY(boxes->seen().last().text.contains("missing.xml"));
}

void TestProtectionWindow::indexesOutOfRangeAreSkipped()
{
    const QString path = filePath("indexes.xml");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DocumentElement>\n"
               "    <Param Index=\"0\" Name=\"a\">1111</Param>\n"
               "    <Param Index=\"62\" Name=\"b\">2222</Param>\n"
               "    <Param Index=\"x\" Name=\"c\">3333</Param>\n"
               "    <Param Name=\"d\">4444</Param>\n"
               "    <Param Index=\"-1\" Name=\"e\">5555</Param>\n"
               "    <Param Index=\"61\" Name=\"f\">-12.5</Param>\n"
               "    <Param Index=\"1\" Name=\"g\">3777</Param>\n"
               "</DocumentElement>\n");
    file.close();

    QStringList expected = shown(primaryParameterWidgets());
    expected[0] = "3777";
    expected[60] = "-12.5";
    answerNextFileDialog(path);
    button("btnImportProtection1Param")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->seen().size(), 1, 5000);
    QCOMPARE(shown(primaryParameterWidgets()), expected);
    QCOMPARE(boxes->seen().first().title, QString("Warning!"));
    QVERIFY(boxes->seen().first().text.contains("indexes.xml"));
    QVERIFY(boxes->seen().first().text.startsWith("5 "));

    // The secondary file has 40 parameters: Index 41 is out of range there.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<DocumentElement><Param Index=\"41\">70uS</Param><Param Index=\"36\">400uS</Param>"
               "<Param Index=\"40\">Q</Param></DocumentElement>");
    file.close();
    box("comboBoxAFEmodel")->setCurrentIndex(0);
    answerNextFileDialog(path);
    button("btnImportProtection2Param")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->seen().size(), 2, 5000);
    QCOMPARE(box("comboBoxSCD_Delay")->currentText(), QString("400uS"));
    QVERIFY(boxes->seen().last().text.startsWith("1 "));
    // A model that is no item in any language leaves the model shown.
    QVERIFY(boxes->seen().last().text.endsWith("(Index 40)."));
    QCOMPARE(box("comboBoxAFEmodel")->currentText(), QString("M"));
}

void TestProtectionWindow::exportToAnUnwritablePlaceIsReported()
{
    const QString path = filePath("no-such-dir/primary.xml");
    answerNextFileDialog(path);
    button("btnExportProtection1Param")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes->seen().size(), 1, 5000);
    QCOMPARE(boxes->seen().first().title, QString("Warning!"));
    QVERIFY(boxes->seen().first().text.contains("primary.xml"));
    QVERIFY(!QFile::exists(path));

    // A cancelled dialog does nothing.
    answerNextFileDialog(QString());
    button("btnImportProtection1Param")->click();
    QTest::qWait(300);
    QCOMPARE(boxes->seen().size(), 1);
}

QTEST_MAIN(TestProtectionWindow)
#include "tst_protectionwindow.moc"
