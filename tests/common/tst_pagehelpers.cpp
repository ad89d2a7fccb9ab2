// Message boxes, file dialogs, language switching and keeping values across it.
#include "boxes.h"
#include "filedialogs.h"
#include "formvaluekeeper.h"
#include "messageboxes.h"
#include "pagetranslator.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("PageTranslatorTest", text);
}

// Runs `answer` on the modal window once one is up (a box or dialog run by exec()).
void whenModal(std::function<void(QWidget *)> answer)
{
    QTimer *poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, answer]() {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(modal);
        }
    });
    poll->start();
}

// A form with the kinds of widgets a page has and a retranslateUi like uic's: it sets every
// item text by position and the line edit's form text, and selects nothing.
struct MiniForm
{
    QWidget page;
    QComboBox *value = new QComboBox(&page);       // editable value box, item 0 is the read slot
    QComboBox *fixedValue = new QComboBox(&page);  // value box that is not editable
    QComboBox *unkept = new QComboBox(&page);      // like value, but nobody keeps it
    QComboBox *code = new QComboBox(&page);        // code box: the position is the value
    QLineEdit *edit = new QLineEdit(&page);

    MiniForm()
    {
        value->setEditable(true);
        unkept->setEditable(true);
        for (QComboBox *box : {value, fixedValue, unkept})
            box->addItems({QString(), QStringLiteral("3550"), QStringLiteral("3600")});
        code->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
        retranslateUi();
    }
    void retranslateUi()
    {
        for (QComboBox *box : {value, fixedValue, unkept}) {
            box->setItemText(0, QString());
            box->setItemText(1, translated("3550"));
            box->setItemText(2, translated("3600"));
        }
        code->setItemText(0, translated("OFF"));
        code->setItemText(1, translated("ON"));
        edit->setText(translated("Hello"));
    }
};

} // namespace

class TestPageHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void infoAndWarningBoxesDoNotBlock();
    void selfClosingBoxClosesItself();
    void askYesNoAnswers();
    void fileDialogsAreQtDialogs();

    void translatorSwitchesOneLanguageAtATime();
    void translatorsOfAllWindowsShowOneLanguage();
    void translatorLooksInWorkingDirectoryThenBesideProgram();
    void qtOwnTextsFollowTheLanguage();
    void keeperKeepsValuesAcrossLanguageSwitch();
    void keeperSkipsDeletedWidgets();

private:
    void copyQm(const QString &fileName);

    QString startDirectory;
    QScopedPointer<QTemporaryDir> workDir;
};

void TestPageHelpers::initTestCase()
{
    startDirectory = QDir::currentPath();
}

void TestPageHelpers::init()
{
    workDir.reset(new QTemporaryDir);
    QVERIFY(workDir->isValid());
    QVERIFY(QDir::setCurrent(workDir->path()));
}

void TestPageHelpers::cleanup()
{
    QDir::setCurrent(startDirectory);
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox *>(widget) || qobject_cast<QFileDialog *>(widget))
            delete widget;
    }
}

void TestPageHelpers::copyQm(const QString &fileName)
{
    QVERIFY(QFile::copy(QStringLiteral(CELLWICK_TEST_QM_DIR "/") + fileName, fileName));
}

void TestPageHelpers::infoAndWarningBoxesDoNotBlock()
{
    QWidget page;
    page.show();
    // Should a box block, this closes it, and the checks below fail instead of the test hanging.
    QTimer::singleShot(10000, []() {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    QElapsedTimer clock;
    clock.start();
    QPointer<QMessageBox> info = openInfoBox(&page, QStringLiteral("Please open the serial port first"));
    QPointer<QMessageBox> warning = openWarningBox(&page, QStringLiteral("Communication timeout !"));
    QVERIFY(clock.elapsed() < 5000);

    QVERIFY(info && warning);
    QVERIFY(info->isVisible());
    QCOMPARE(info->windowTitle(), QStringLiteral("info"));
    QCOMPARE(info->text(), QStringLiteral("Please open the serial port first"));
    QCOMPARE(info->icon(), QMessageBox::Information);
    QCOMPARE(info->parentWidget(), &page);
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->windowTitle(), QStringLiteral("Warning!"));
    QCOMPARE(warning->icon(), QMessageBox::Warning);
    QCOMPARE(warning->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));

    // Answering a box deletes it.
    QTest::mouseClick(info->button(QMessageBox::Ok), Qt::LeftButton);
    warning->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(info.isNull());
    QTRY_VERIFY(warning.isNull());
}

void TestPageHelpers::selfClosingBoxClosesItself()
{
    QPointer<QMessageBox> box = openSelfClosingBox(QStringLiteral("reading completed"), 100);
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->parentWidget(), nullptr);
    QCOMPARE(box->windowTitle(), QStringLiteral("info"));
    QCOMPARE(box->text(), QStringLiteral("reading completed"));
    QTRY_VERIFY_WITH_TIMEOUT(box.isNull(), 10000);

    // Closed by the operator before its time: the pending close goes with it.
    QPointer<QMessageBox> early = openSelfClosingBox(QStringLiteral("Parameter written successfully !"), 200);
    early->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(early.isNull());
    QTest::qWait(400);
}

void TestPageHelpers::askYesNoAnswers()
{
    for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        whenModal([&](QWidget *modal) {
            QMessageBox *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(answer)->click();
        });
        const bool yes = askYesNo(nullptr, QStringLiteral("Are you sure you want to write ?"));
        QCOMPARE(yes, answer == QMessageBox::Yes);
        QCOMPARE(title, QStringLiteral("Warning!"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
    }
}

void TestPageHelpers::fileDialogsAreQtDialogs()
{
    const QString chosen = QDir(workDir->path()).filePath(QStringLiteral("Primary protection.xml"));
    QString caption;
    whenModal([&](QWidget *modal) {
        QFileDialog *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        caption = dialog->windowTitle();
    });
    answerNextFileDialog(chosen);
    QCOMPARE(chooseSaveFile(nullptr, QStringLiteral("Save File"), QStringLiteral("Primary protection"),
                            QStringLiteral("file ( *.xml)")),
             chosen);
    QCOMPARE(caption, QStringLiteral("Save File"));

    whenModal([](QWidget *modal) {
        QFileDialog *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        dialog->reject();
    });
    QCOMPARE(chooseOpenFile(nullptr, QStringLiteral("Save File"), QStringLiteral("file ( *.xml)")), QString());
}

void TestPageHelpers::translatorSwitchesOneLanguageAtATime()
{
    for (const char *name : {"Language_en_CN.qm", "Language_zh_CN.qm", "Language_ru_CN.qm", "Language_be_CN.qm"})
        copyQm(QString::fromLatin1(name));

    PageTranslator translator;
    QVERIFY(translator.switchTo(1));
    QCOMPARE(translated("Hello"), QStringLiteral("你好"));
    QVERIFY(translator.switchTo(2));
    QCOMPARE(translated("Hello"), QStringLiteral("Привет"));
    QVERIFY(translator.switchTo(0));
    QCOMPARE(translated("Hello"), QStringLiteral("Hello (en)"));

    // The fourth language only where it is allowed; otherwise English source texts.
    QVERIFY(!translator.switchTo(3));
    QCOMPARE(translated("Hello"), QStringLiteral("Hello"));
    QVERIFY(translator.switchTo(3, true));
    QCOMPARE(translated("Hello"), QStringLiteral("Вітаю"));
    QVERIFY(!translator.switchTo(4, true));
    QVERIFY(!translator.switchTo(-1));
    QCOMPARE(translated("Hello"), QStringLiteral("Hello"));

    // A missing file leaves English, never the language shown before.
    QVERIFY(translator.switchTo(2));
    QVERIFY(QFile::remove(QStringLiteral("Language_zh_CN.qm")));
    QVERIFY(!translator.switchTo(1));
    QCOMPARE(translated("Hello"), QStringLiteral("Hello"));
}

void TestPageHelpers::translatorsOfAllWindowsShowOneLanguage()
{
    copyQm(QStringLiteral("Language_ru_CN.qm"));
    copyQm(QStringLiteral("Language_be_CN.qm"));
    {
        PageTranslator home;
        PageTranslator settings;
        QVERIFY(home.switchTo(2));
        QVERIFY(settings.switchTo(2));
        QCOMPARE(translated("Hello"), QStringLiteral("Привет"));
        // The first window to switch lets go of every window's old language: with the
        // Chinese file missing it shows the source texts, not the Russian the other
        // window has not switched away from yet.
        QVERIFY(!home.switchTo(1));
        QCOMPARE(translated("Hello"), QStringLiteral("Hello"));

        // The fourth language replaces only the main window's own translator: the
        // pages keep theirs.
        QVERIFY(home.switchTo(2));
        {
            PageTranslator main;
            QVERIFY(main.switchTo(2));
            QVERIFY(main.switchTo(3, true));
            QCOMPARE(translated("Hello"), QStringLiteral("Вітаю"));
        }
        QCOMPARE(translated("Hello"), QStringLiteral("Привет"));
    }
    // A window that goes away takes its translator with it.
    QCOMPARE(translated("Hello"), QStringLiteral("Hello"));
}

void TestPageHelpers::translatorLooksInWorkingDirectoryThenBesideProgram()
{
    // Started from elsewhere: the working directory has no file, the program's folder has.
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Language_ru_CN.qm"));
    QFile::remove(besideProgram);
    QVERIFY(QFile::copy(QStringLiteral(CELLWICK_TEST_QM_DIR "/Language_ru_CN.qm"), besideProgram));
    const auto removeAgain = qScopeGuard([&] { QFile::remove(besideProgram); });

    PageTranslator translator;
    QVERIFY(translator.switchTo(2));
    QCOMPARE(translated("Hello"), QStringLiteral("Привет"));
    QCOMPARE(QFileInfo(PageTranslator::filePath(2)), QFileInfo(besideProgram));

    // A file in the working directory comes first.
    QVERIFY(QFile::copy(QStringLiteral(CELLWICK_TEST_QM_DIR "/Language_zh_CN.qm"),
                        QStringLiteral("Language_ru_CN.qm")));
    QVERIFY(!translator.switchTo(0));
    QVERIFY(translator.switchTo(2));
    QCOMPARE(translated("Hello"), QStringLiteral("你好"));
    QCOMPARE(PageTranslator::filePath(1), QString());
}

void TestPageHelpers::qtOwnTextsFollowTheLanguage()
{
    // Qt's own translations come from its translations folder, whether or not the
    // program's files are found.
    const auto yesButton = [] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Warning!"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    };
    const QString lookIn = QStringLiteral("Look in:");
    {
        PageTranslator home;
        PageTranslator settings;
        QCOMPARE(yesButton(), QStringLiteral("&Yes"));
        QVERIFY(!home.switchTo(1));
        QCOMPARE(PageTranslator::qtLanguage(), 1);
        const QString chineseYes = yesButton();
        QVERIFY2(chineseYes.contains(QStringLiteral("是")), qPrintable(chineseYes));
        QVERIFY(QCoreApplication::translate("QFileDialog", "Look in:") != lookIn);

        QVERIFY(!settings.switchTo(2));
        const QString russianYes = yesButton();
        QVERIFY2(russianYes.contains(QStringLiteral("Да")), qPrintable(russianYes));

        // The fourth language is the main window's: Qt's texts stay with the pages.
        PageTranslator main;
        QVERIFY(!main.switchTo(3, true));
        QCOMPARE(yesButton(), russianYes);

        QVERIFY(!home.switchTo(0));
        QCOMPARE(PageTranslator::qtLanguage(), -1);
        QCOMPARE(yesButton(), QStringLiteral("&Yes"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
    }
}

void TestPageHelpers::keeperKeepsValuesAcrossLanguageSwitch()
{
    copyQm(QStringLiteral("Language_zh_CN.qm"));
    MiniForm form;
    // Values as a read from the BMS leaves them: in item 0, selected.
    for (QComboBox *box : {form.value, form.fixedValue, form.unkept}) {
        box->setItemText(0, QStringLiteral("3612"));
        box->setCurrentIndex(0);
    }
    form.fixedValue->setItemText(0, QStringLiteral("5"));
    form.code->setCurrentIndex(0);
    form.edit->setText(QStringLiteral("typed"));

    PageTranslator translator;
    FormValueKeeper keeper;
    keeper.keepItemZero(form.value);
    keeper.keepItemZero(form.fixedValue);
    keeper.keepIndex(form.code);
    keeper.keepText(form.edit);
    QVERIFY(translator.switchTo(1));
    form.retranslateUi();
    QCOMPARE(form.unkept->currentText(), QString()); // what a switch does to a box not kept

    QSignalSpy indexSpy(form.value, SIGNAL(currentIndexChanged(int)));
    QSignalSpy textSpy(form.value, SIGNAL(currentTextChanged(QString)));
    QSignalSpy codeSpy(form.code, SIGNAL(currentIndexChanged(int)));
    QSignalSpy editSpy(form.edit, SIGNAL(textChanged(QString)));
    keeper.restore();

    QCOMPARE(form.value->itemText(0), QStringLiteral("3612"));
    QCOMPARE(form.value->currentIndex(), 0);
    QCOMPARE(form.value->currentText(), QStringLiteral("3612"));
    QCOMPARE(form.fixedValue->currentText(), QStringLiteral("5"));
    QCOMPARE(form.code->currentIndex(), 0);
    QCOMPARE(form.code->currentText(), QStringLiteral("关闭"));
    QCOMPARE(form.edit->text(), QStringLiteral("typed"));
    QCOMPARE(indexSpy.count() + textSpy.count() + codeSpy.count() + editSpy.count(), 0);

    // An operator's text that is none of the items, typed over a chosen suggestion.
    form.value->setCurrentIndex(2);
    form.value->setEditText(QStringLiteral("3625"));
    form.code->setCurrentIndex(1);
    keeper.keepItemZero(form.value);
    keeper.keepIndex(form.code);
    keeper.keepText(form.edit);
    QVERIFY(!translator.switchTo(0)); // no English file here: the source texts
    form.retranslateUi();
    keeper.restore();
    QCOMPARE(form.value->currentIndex(), 2);
    QCOMPARE(form.value->currentText(), QStringLiteral("3625"));
    QCOMPARE(form.value->itemText(0), QStringLiteral("3612"));
    QCOMPARE(form.code->currentText(), QStringLiteral("ON"));
    QCOMPARE(form.code->itemText(0), QStringLiteral("OFF"));
    QCOMPARE(form.edit->text(), QStringLiteral("typed"));
}

void TestPageHelpers::keeperSkipsDeletedWidgets()
{
    FormValueKeeper keeper;
    QComboBox *box = new QComboBox;
    box->addItems({QStringLiteral("a"), QStringLiteral("b")});
    QLineEdit *edit = new QLineEdit;
    keeper.keepItemZero(box);
    keeper.keepText(edit);
    delete box;
    delete edit;
    keeper.restore();
}

QTEST_MAIN(TestPageHelpers)
#include "tst_pagehelpers.moc"
