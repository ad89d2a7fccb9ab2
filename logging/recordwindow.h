#pragma once

#include "pagetranslator.h"

#include <QString>
#include <QWidget>

class QTimer;

namespace Ui {
class RecordWindow;
}

// The record page: reads the history records stored in the BMS one request
// at a time, shows them in a table, deletes the BMS's history and exports the
// table. The page never talks to the serial link itself: it raises and clears
// the history flags of the data area and emits the two request signals that
// the main window connects to the home page.
class RecordWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RecordWindow(QWidget *parent = nullptr);
    ~RecordWindow() override;

signals:
    void languageSwitchReceived(int language);
    // Requests the next record.
    void signalFromRecordWindow();
    // Requests the same record again after a silence.
    void signal_restartFromRecordWindow();

public slots:
    void on_btnRecordClear_clicked();
    void on_btnRecordRead_clicked();
    void on_btnRecordExport_clicked();
    void on_btnRecordPause_clicked();
    void timeUpdateRecord();
    void change_trans(int language);
    void recordTimeoutceck();

private:
    // Columns, view options and header labels for the record at hand and the
    // rows the table already holds.
    void setupRecordTable();
    void setTableStyle();
    // One row from the stored record, or the end of a complete reading.
    void addHistoryRecordRow();
    // The end of a reading, however it ends: flags down, the port free to
    // close, the buttons back to their idle texts.
    void finishReading();
    // The end of a reading that did not complete: the rows read beside the
    // reading's count, and the box that says why.
    void endIncompleteReading(const QString &why);
    // The link ended the reading: says why, unless the operator ended it.
    void endReadingGivenUp();
    // The poll's pace: every 10 ms on a precise timer during a reading.
    void setPollPace(bool reading);
    void showButtonTexts();
    void emptyTable();

    Ui::RecordWindow *ui = nullptr;
    QTimer *recordPollTimer = nullptr;
    QTimer *recordTimeoutTimer = nullptr;
    // The page shows a reading as running (Read reads "Stop").
    bool readingShown = false;
    // The count of the reading's first reply, -1 until it has come: a reading
    // holds one count of one pack's records, whole.
    int readingCount = -1;
    // The serial of the pack whose history the table shows, once a reading
    // has filled it.
    QString tableSerial;
    bool tableSerialKnown = false;
    // What the table's headers were built for: its cell and sensor columns,
    // those of its widest row.
    bool headersCurrent = false;
    int headerCells = 0;
    int headerSensors = 0;
    int dateColumnWidth = 0;
    PageTranslator translator;
};
