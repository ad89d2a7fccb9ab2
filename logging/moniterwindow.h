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
// The table holds one pack in one layout: when the serial number or the
// cell or sensor count changes, the rows so far go into their own pack's log
// file and the table starts afresh. Rows logged after a silence of the line,
// and the rows of a new layout, wait for the pack that names itself after
// them.
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
    // Makes the table ready for a row of the live record: rows of another
    // pack or layout first go into their log file and the table is emptied.
    // False when they could not be written: they stay, and the record waits.
    bool takePackOfRecord();
    // Once the link has named the pack again, the rows added while it had not
    // are given to that pack: those before them, of the pack of before, go
    // into its log file. False when that file could not be written.
    bool settleUnconfirmedRows(QString *failedPath, QString *reason);
    // From this row on the rows wait for a naming past `namings`.
    void holdRowsFrom(int row, quint32 namings);
    // Writes the first `rows` rows to a new log file named after the serial
    // of the table's pack and removes them; the rows after them stay. On
    // failure, the path it was meant for and the reason, and the table as it was.
    bool writeLeadingRows(int rows, QString *failedPath, QString *reason);
    // Writes the table to a new file in the log folder; on failure, the path
    // it was meant for and the reason.
    bool writeLogFile(QString *failedPath, QString *reason);
    // Shows a log file failure, once until a log file is written again.
    void reportLogFailure(const QString &text, const QString &path, const QString &reason);
    void emptyTable();

    Ui::MoniterWindow *ui = nullptr;
    QTimer *moniterTimer = nullptr;
    PageTranslator translator;
    // The header labels last set, so unchanged ones are not set again.
    QStringList headerLabels;
    // The log file failure shown last, until a log file is written again.
    QString shownLogFailure;
    // The pack and layout of the rows in the table, taken with its first row:
    // the serial number the link names and the cell and sensor columns. The
    // layout stays when the table is emptied (-1 cells before the first row).
    QString rowsSerial;
    int rowsCells = -1;
    int rowsSensors = 0;
    // The first row added while the link had not confirmed which pack is at
    // the other end (-1: none), after a silence or as the first of another
    // layout; it and the rows after it belong to the pack the link names
    // next, that is once BmsDataArea::packNamings has passed namingsBefore.
    int unconfirmedFrom = -1;
    quint32 namingsBefore = 0;
    // BmsDataArea::packNamings when the live record waiting since the ticks
    // before was first refused (-1: none waits).
    qint64 namingsAtRefusal = -1;
};
