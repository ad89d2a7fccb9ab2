// The test helpers that answer message boxes and file dialogs.
#include "boxes.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

class TestBoxes : public QObject
{
    Q_OBJECT

private slots:
    void answersModalBox()
    {
        BoxWatcher watcher;
        const int result = QMessageBox::information(nullptr, QStringLiteral("info"),
                                                    QStringLiteral("Please open the serial port first"));
        QCOMPARE(result, int(QMessageBox::Ok));
        QCOMPARE(watcher.seen().size(), 1);
        QCOMPARE(watcher.seen().first().title, QStringLiteral("info"));
        QCOMPARE(watcher.seen().first().text, QStringLiteral("Please open the serial port first"));
        QCOMPARE(watcher.count(QStringLiteral("Please open the serial port first")), 1);
    }

    void scriptedAnswersInOrder()
    {
        BoxWatcher watcher;
        watcher.queueAnswer(QMessageBox::No);
        // An OK box does not use up the scripted No.
        QMessageBox::information(nullptr, QStringLiteral("info"), QStringLiteral("first"));
        QCOMPARE(QMessageBox::warning(nullptr, QStringLiteral("Warning!"), QStringLiteral("sure?"),
                                      QMessageBox::Yes | QMessageBox::No),
                 int(QMessageBox::No));
        QCOMPARE(QMessageBox::warning(nullptr, QStringLiteral("Warning!"), QStringLiteral("sure?"),
                                      QMessageBox::Yes | QMessageBox::No),
                 int(QMessageBox::Yes));
        watcher.setDefaultAnswer(QMessageBox::No);
        QCOMPARE(QMessageBox::question(nullptr, QStringLiteral("Warning!"), QStringLiteral("sure?"),
                                       QMessageBox::Yes | QMessageBox::No),
                 int(QMessageBox::No));
        QCOMPARE(watcher.count(QStringLiteral("sure?")), 3);
        QCOMPARE(watcher.count(QStringLiteral("first")), 1);
        watcher.clear();
        QVERIFY(watcher.seen().isEmpty());
    }

    void nonBlockingBoxes()
    {
        BoxWatcher watcher;
        auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("info"),
                                    QStringLiteral("Operation successful !"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QMessageBox> guard(box);
        QSignalSpy finished(box, &QDialog::finished);
        box->open();
        QVERIFY(watcher.waitFor(QStringLiteral("Operation successful !")));
        QTRY_VERIFY_WITH_TIMEOUT(guard.isNull(), 5000);
        QCOMPARE(finished.size(), 1);
        QVERIFY(!watcher.waitFor(QStringLiteral("never shown"), 100));
    }

    void boxShownAgain()
    {
        // A page may keep one box and show it again: each showing counts.
        BoxWatcher watcher;
        QWidget page;
        page.show();
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning!"), QStringLiteral("Operation failed !"),
                        QMessageBox::Ok, &page);
        for (int round = 1; round <= 2; ++round) {
            box.open();
            QTRY_COMPARE_WITH_TIMEOUT(watcher.count(QStringLiteral("Operation failed !")), round, 5000);
            QTRY_VERIFY_WITH_TIMEOUT(!box.isVisible(), 5000);
        }
        QCOMPARE(box.result(), int(QMessageBox::Ok));
    }

    void leaveOpen()
    {
        BoxWatcher watcher;
        watcher.setLeaveOpen(true);
        QMessageBox box(QMessageBox::Information, QStringLiteral("info"), QStringLiteral("reading completed"));
        box.show();
        QVERIFY(watcher.waitFor(QStringLiteral("reading completed")));
        QTest::qWait(100);
        QVERIFY(box.isVisible());
        QCOMPARE(watcher.count(QStringLiteral("reading completed")), 1);
        box.close();
    }

    void fileDialogs()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("params.xml"));

        answerNextFileDialog(path);
        QCOMPARE(QFileDialog::getSaveFileName(nullptr, QStringLiteral("Save"), dir.path(),
                                              QStringLiteral("XML (*.xml)"), nullptr,
                                              QFileDialog::DontUseNativeDialog),
                 path);
        // A file that does not exist is handed over as well.
        answerNextFileDialog(path);
        QCOMPARE(QFileDialog::getOpenFileName(nullptr, QStringLiteral("Open"), dir.path(),
                                              QStringLiteral("XML (*.xml)"), nullptr,
                                              QFileDialog::DontUseNativeDialog),
                 path);
        answerNextFileDialog(QString());
        QVERIFY(QFileDialog::getOpenFileName(nullptr, QStringLiteral("Open"), dir.path(), QString(), nullptr,
                                             QFileDialog::DontUseNativeDialog)
                    .isEmpty());
        QCOMPARE(pendingFileDialogAnswers(), 0);

        // One dialog object opened twice is answered twice.
        QFileDialog dialog(nullptr, QStringLiteral("Export"), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        for (const QString &name : {QStringLiteral("a.csv"), QStringLiteral("b.csv")}) {
            answerNextFileDialog(dir.filePath(name));
            QCOMPARE(dialog.exec(), int(QDialog::Accepted));
            QCOMPARE(dialog.selectedFiles(), QStringList(dir.filePath(name)));
        }
    }
};

QTEST_MAIN(TestBoxes)
#include "tst_boxes.moc"
