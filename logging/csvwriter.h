#pragma once

#include <QString>

class QTableWidget;

// The CSV files of the logging pages: the monitor's log files and both pages'
// exports. A file holds the table's header labels on its first line and then
// one line per row, top row first; every field is followed by a comma (the
// last one too) and every line ends with a line end written in text mode, so
// the platform's own line end is stored. The text goes out in the system
// locale's encoding, without a byte-order mark. A cell without an item gives
// an empty field.
namespace CsvWriter {

// One field as it is stored: a text holding a comma, a double quote, a
// carriage return or a line feed is put in double quotes with its own quotes
// doubled, so that a spreadsheet keeps the columns; any other text as it is.
QString field(const QString &text);

// The whole file as text, with "\n" line ends.
QString tableText(const QTableWidget &table);

// Writes the table to path, replacing a file of that name (the operator has
// confirmed that in the save dialog). The old file stays whole until the new
// one is complete. Returns false, with a reason in errorText, when the file
// cannot be written; nothing half-written is left behind.
bool exportTable(const QTableWidget &table, const QString &path, QString *errorText = nullptr);

// Writes the table to a new file in directory dir, creating the directory
// when it is missing: baseName + ".csv", or baseName + "_2.csv", "_3.csv" ...
// when that name is taken. An existing file is never replaced. Returns the
// path written, or an empty text with a reason in errorText when no file could
// be written (then none is left behind).
QString writeNewTable(const QTableWidget &table, const QString &dir, const QString &baseName,
                      QString *errorText = nullptr);

// A serial number as it may stand in a file name: NUL characters and every
// character but the letters A-Z and a-z, the digits, ".", "_" and "-" are
// dropped, so a name built with it stays in its folder and opens everywhere.
QString fileNamePart(const QString &serialNumber);

// The PC's local date and time in the file-name format "yyyy-MM-dd-hh-mm-ss".
QString fileTimeStamp();

} // namespace CsvWriter
