#include "mainwindow.h"
#include "startup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <QIcon>
#include <QImage>
#include <QtTest>

// Start-up pieces: the compiled-in style sheet and images, the font choice.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void styleSheetComesFromResources();
    void missingStyleSheetGivesEmptySheet();
    void sideBarImagesAreCompiledIn();
    void fontFollowsScreenSize_data();
    void fontFollowsScreenSize();
    void everyPageGetsTheApplicationFont();
};

void TestStartup::styleSheetComesFromResources()
{
    const QString sheet = loadStyleSheet();
    QVERIFY(sheet.contains("QFrame#frameSideBar"));
    QVERIFY(sheet.contains("QGroupBox::title"));
    QCOMPARE(sheet, loadStyleSheet(":/Ubuntu.qss"));

    // The sheet is one Qt accepts: applied to a widget it changes its look.
    QWidget frame;
    frame.setStyleSheet(sheet);
    frame.ensurePolished();
}

void TestStartup::missingStyleSheetGivesEmptySheet()
{
    QTest::ignoreMessage(QtDebugMsg, "qss file open error");
    QVERIFY(loadStyleSheet(":/no-such.qss").isEmpty());
}

void TestStartup::sideBarImagesAreCompiledIn()
{
    for (const char *name : {":/home.png", ":/monitor.png", ":/record.png", ":/protection.png",
                             ":/settings.png", ":/user.png", ":/update.png"}) {
        const QImage image(QString::fromLatin1(name));
        QVERIFY2(!image.isNull(), name);
        QCOMPARE(image.size(), QSize(48, 48));
        QVERIFY2(image.hasAlphaChannel(), name);
    }
}

void TestStartup::fontFollowsScreenSize_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("points");
    QTest::newRow("full HD") << QSize(1920, 1080) << 11;
    QTest::newRow("larger") << QSize(2560, 1440) << 11;
    QTest::newRow("one column short") << QSize(1919, 1080) << 10;
    QTest::newRow("one row short") << QSize(1920, 1079) << 10;
    QTest::newRow("laptop") << QSize(1366, 768) << 10;
    QTest::newRow("tall but narrow") << QSize(1080, 1920) << 10;
    QTest::newRow("no screen") << QSize() << 10;
}

void TestStartup::fontFollowsScreenSize()
{
    QFETCH(QSize, screen);
    QFETCH(int, points);
    QCOMPARE(applicationFontPointSize(screen), points);
    const QFont font = applicationFont(screen);
    QCOMPARE(font.family(), QString::fromUtf8("微软雅黑"));
    QCOMPARE(font.pointSize(), points);
}

void TestStartup::everyPageGetsTheApplicationFont()
{
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Screen resolution: ")));
    const std::unique_ptr<MainWindow> window = startMainWindow(*qApp);
    const int points = applicationFontPointSize(QGuiApplication::primaryScreen()->size());
    // Widgets deep inside the pages, built before the window was shown.
    for (const char *name : {"labelCellOV1alarm", "comboBoxSystemCellsNumber", "comboBoxBaud"}) {
        const QWidget *widget = window->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(widget, name);
        QCOMPARE(widget->font().family(), QString::fromUtf8("微软雅黑"));
        QCOMPARE(widget->font().pointSize(), points);
    }
    // A hint ("Limit 20 words", "Password") is painted visibly dimmer than a value.
    window->show();
    int hints = 0;
    for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
        if (edit->placeholderText().isEmpty())
            continue;
        ++hints;
        const QPalette palette = edit->palette();
        const int text = palette.color(QPalette::Text).lightness();
        const int hint = palette.color(QPalette::PlaceholderText).lightness();
        QVERIFY2(hint - text >= 60, qPrintable(edit->objectName()));
    }
    QVERIFY(hints >= 8);
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
