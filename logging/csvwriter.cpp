#include "csvwriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QSaveFile>
#include <QTableWidget>
#include <QTextStream>

namespace CsvWriter {

namespace {

// Header line then the rows, each field followed by ",", each line by "\n".
void writeTable(const QTableWidget &table, QTextStream &out)
{
    const int columns = table.columnCount();
    for (int c = 0; c < columns; ++c) {
        const QTableWidgetItem *item = table.horizontalHeaderItem(c);
        // A column without a header item shows its number; the file keeps the shown text.
        const QString label = item ? item->text() : table.model()->headerData(c, Qt::Horizontal).toString();
        out << field(label) << ',';
    }
    out << '\n';
    const int rows = table.rowCount();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (const QTableWidgetItem *item = table.item(r, c))
                out << field(item->text());
            out << ',';
        }
        out << '\n';
    }
}

QString describe(const QFileDevice &file)
{
    return file.errorString();
}

} // namespace

QString field(const QString &text)
{
    bool quote = false;
    for (const QChar ch : text) {
        if (ch == QLatin1Char(',') || ch == QLatin1Char('"') || ch == QLatin1Char('\n')
            || ch == QLatin1Char('\r')) {
            quote = true;
            break;
        }
    }
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString tableText(const QTableWidget &table)
{
    QString text;
    QTextStream out(&text);
    writeTable(table, out);
    out.flush();
    return text;
}

bool exportTable(const QTableWidget &table, const QString &path, QString *errorText)
{
    QSaveFile file(path);
    // A writable file in a folder where no new file can be made is still replaced, in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (errorText)
            *errorText = describe(file);
        return false;
    }
    QTextStream out(&file);
    writeTable(table, out);
    out.flush();
    if (out.status() != QTextStream::Ok || file.error() != QFileDevice::NoError) {
        if (errorText)
            *errorText = describe(file);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (errorText)
            *errorText = describe(file);
        return false;
    }
    return true;
}

QString writeNewTable(const QTableWidget &table, const QString &dir, const QString &baseName, QString *errorText)
{
    QDir().mkpath(dir);
    const QDir folder(dir);
    // Enough tries for any number of files written within one second.
    for (int n = 1; n <= 1000; ++n) {
        const QString name = n == 1 ? baseName + QStringLiteral(".csv")
                                    : QStringLiteral("%1_%2.csv").arg(baseName).arg(n);
        const QString path = folder.filePath(name);
        QFile file(path);
        // NewOnly: the name is taken only when no file holds it, in one step.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Text)) {
            if (file.exists() || QFileInfo(path).isSymLink())
                continue;
            if (errorText)
                *errorText = describe(file);
            return QString();
        }
        QTextStream out(&file);
        writeTable(table, out);
        out.flush();
        bool ok = out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError && file.flush();
        file.close();
        ok = ok && file.error() == QFileDevice::NoError;
        if (!ok) {
            if (errorText)
                *errorText = describe(file);
            file.remove();
            return QString();
        }
        return path;
    }
    if (errorText)
        *errorText = QStringLiteral("no free file name");
    return QString();
}

QString fileNamePart(const QString &serialNumber)
{
    QString part;
    part.reserve(serialNumber.size());
    for (const QChar ch : serialNumber) {
        const ushort u = ch.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '.' || u == '_'
            || u == '-')
            part.append(ch);
    }
    return part;
}

QString fileTimeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss"));
}

} // namespace CsvWriter
