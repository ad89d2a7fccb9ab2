#pragma once

#include "pagetranslator.h"

#include <QString>
#include <QWidget>

class QTimer;

namespace Ui {
class MoniterWindow;
}

// The monitor page: while "Recorded data" is ticked, every live record that
// the link stores becomes one row of the table. At the row limit chosen in
// "Number of records" the table goes into a log file in "moniterdata" under
// the working directory and is emptied, and so do the rows left in it when
// the program ends; "Export" writes it to a file of the
// operator's choosing, "Clear" empties it. The page sends no request of its
// own: rows come at the pace of the link's live-data poll.
class MoniterWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MoniterWindow(QWidget *parent = nullptr);
    ~MoniterWindow() override;

    // The timer's handler: adds a row for a new live record and writes the
    // log file at the row limit.
    void timeUpdateMoniter();
    // Columns and header labels for the current record's cell and sensor
    // counts, and the table's view settings.
    void setupMoniterTable();
    void setTableStyle();
    // Writes the whole table to a new log file; true when it was written.
    // A failure is shown once until a log file is written again.
    bool saveMoniterData();
    // For the end of the program: writes the rows still in the table to a
    // log file of their own and empties it. True when the program may end:
    // the rows were written, there were none, or, when they could not be
    // written, the operator has been told and chose to close all the same.
    bool saveBeforeClose();

signals:
    // Each language switch received, after the page has switched.
    void languageSwitchReceived(int language);

public slots:
    void on_btnMonierClear_clicked();
    void on_btnMonierExport_clicked();
    void change_trans(int language);

private:
    void addRow();
    // Writes the table to a new file in the log folder; on failure, the path
    // it was meant for and the reason.
    bool writeLogFile(QString *failedPath, QString *reason);

    Ui::MoniterWindow *ui = nullptr;
    QTimer *moniterTimer = nullptr;
    PageTranslator translator;
    // The header labels last set, so unchanged ones are not set again.
    QStringList headerLabels;
    // A log file failure was shown and no log file was written since.
    bool logFailureShown = false;
};
