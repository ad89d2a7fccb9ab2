#include "parameterfile.h"

#include "listlanguages.h"
#include "valueparse.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QLabel>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

const char *const rootName = "DocumentElement";
const char *const paramName = "Param";
const char *const indexAttribute = "Index";
const char *const nameAttribute = "Name";

QString translated(const char *text)
{
    return QCoreApplication::translate("ParameterFile", text);
}

// A character that XML 1.0 cannot carry in any form.
bool unwritable(QChar c)
{
    const ushort u = c.unicode();
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF;
}

// Text content with every carriage return as a character reference: a reader
// turns a literal one into a line feed.
void writeText(QXmlStreamWriter *writer, const QString &text)
{
    if (text.isEmpty()) {
        writer->writeCharacters(text);
        return;
    }
    int from = 0;
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i) != QLatin1Char('\r'))
            continue;
        if (i > from)
            writer->writeCharacters(text.mid(from, i - from));
        if (i < text.size())
            writer->writeEntityReference(QStringLiteral("#13"));
        from = i + 1;
    }
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QDomDocument buildDocument(const QVector<ParameterFileEntry> &entries)
{
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement root = doc.createElement(QLatin1String(rootName));
    for (const ParameterFileEntry &entry : entries)
        saveXMLNode(&doc, &root, entry.index, entry.name, entry.value);
    doc.appendChild(root);
    return doc;
}

// Writes the document with an indentation of 4. The attributes go out in a fixed order (Index,
// Name, then any others by name), so the same values always give the same file.
void writeDocument(const QDomDocument &doc, QXmlStreamWriter *writer)
{
    writer->setAutoFormatting(true);
    writer->setAutoFormattingIndent(4);
    writer->writeStartDocument();
    const QDomElement root = doc.documentElement();
    writer->writeStartElement(root.tagName());
    for (QDomElement element = root.firstChildElement(); !element.isNull();
         element = element.nextSiblingElement()) {
        writer->writeStartElement(element.tagName());
        QStringList names;
        const QDomNamedNodeMap attributes = element.attributes();
        for (int i = 0; i < attributes.count(); ++i)
            names << attributes.item(i).nodeName();
        std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
            auto rank = [](const QString &n) {
                return n == QLatin1String(indexAttribute) ? 0 : n == QLatin1String(nameAttribute) ? 1 : 2;
            };
            return rank(a) != rank(b) ? rank(a) < rank(b) : a < b;
        });
        for (const QString &name : qAsConst(names))
            writer->writeAttribute(name, element.attribute(name));
        writeText(writer, element.text());
        writer->writeEndElement();
    }
    writer->writeEndElement();
    writer->writeEndDocument();
}

} // namespace

void saveXMLNode(QDomDocument *doc, QDomElement *root, int index, QString name, QString value)
{
    QDomElement param = doc->createElement(QLatin1String(paramName));
    param.setAttribute(QLatin1String(indexAttribute), index);
    param.setAttribute(QLatin1String(nameAttribute), name);
    param.appendChild(doc->createTextNode(value));
    root->appendChild(param);
}

bool writeParameterFile(const QString &path, const QVector<ParameterFileEntry> &entries, QString *error)
{
    for (const ParameterFileEntry &entry : entries) {
        if (std::any_of(entry.value.cbegin(), entry.value.cend(), unwritable)
            || std::any_of(entry.name.cbegin(), entry.name.cend(), unwritable)) {
            setError(error, translated(QT_TRANSLATE_NOOP("ParameterFile",
                                                         "The file %1 was not written: the parameter %2 holds a "
                                                         "control character, which a parameter file cannot hold."))
                                .arg(shownPath(path))
                                .arg(entry.index));
            return false;
        }
    }
    QSaveFile file(path);
    // Where no temporary file can be made beside the target, write the target itself.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, translated(QT_TRANSLATE_NOOP("ParameterFile", "Cannot open the file %1 for writing: %2.")).arg(shownPath(path), file.errorString()));
        return false;
    }
    QXmlStreamWriter writer(&file);
    writeDocument(buildDocument(entries), &writer);
    if (writer.hasError() || !file.commit()) {
        setError(error, translated(QT_TRANSLATE_NOOP("ParameterFile", "Cannot write the file %1: %2.")).arg(shownPath(path), file.errorString()));
        return false;
    }
    return true;
}

bool readParameterFile(const QString &path, int maxIndex, QVector<ParameterFileEntry> *entries,
                       int *skipped, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, translated(QT_TRANSLATE_NOOP("ParameterFile", "Cannot open the file %1: %2.")).arg(shownPath(path), file.errorString()));
        return false;
    }
    QXmlStreamReader reader(&file);
    QVector<ParameterFileEntry> found;
    int skippedCount = 0;
    bool haveRoot = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (!haveRoot) {
            haveRoot = true;
            continue;
        }
        // A child of the root: its whole content is read here, so the next start element is
        // again a child of the root.
        const QXmlStreamAttributes attributes = reader.attributes();
        const ParsedValue index = parseWholeNumber(attributes.value(QLatin1String(indexAttribute)).toString(), 1,
                                                   maxIndex);
        ParameterFileEntry entry;
        entry.name = attributes.value(QLatin1String(nameAttribute)).toString();
        entry.value = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        if (!attributes.hasAttribute(QLatin1String(indexAttribute)) || !index.ok) {
            ++skippedCount;
            continue;
        }
        entry.index = int(index.value);
        found.append(entry);
    }
    if (reader.hasError()) {
        setError(error, translated(QT_TRANSLATE_NOOP("ParameterFile",
                                               "The file %1 is not a valid parameter file: %2 (line %3, column %4)."))
                            .arg(shownPath(path), reader.errorString())
                            .arg(reader.lineNumber())
                            .arg(reader.columnNumber()));
        return false;
    }
    if (!haveRoot) {
        setError(error, translated(QT_TRANSLATE_NOOP("ParameterFile", "The file %1 holds no parameters.")).arg(shownPath(path)));
        return false;
    }
    if (entries)
        *entries = found;
    if (skipped)
        *skipped = skippedCount;
    return true;
}

QVector<ParameterFileEntry> parameterEntries(const QList<QLabel *> &titles, const QList<QComboBox *> &values)
{
    QVector<ParameterFileEntry> entries;
    for (int i = 0; i < titles.size() && i < values.size(); ++i) {
        ParameterFileEntry entry;
        entry.index = i + 1;
        entry.name = titles.at(i)->text();
        entry.value = values.at(i)->currentText();
        entries.append(entry);
        qDebug() << entry.name;
    }
    return entries;
}

QString skippedEntriesMessage(int skipped, const QString &path, int maxIndex)
{
    return translated(QT_TRANSLATE_NOOP("ParameterFile", "%1 entries of the file %2 were not applied: their Index "
                                                         "is missing, not a number or not between 1 and %3."))
        .arg(skipped)
        .arg(shownPath(path))
        .arg(maxIndex);
}

QString notAppliedMessage(int skipped, const QList<int> &unknownValues, const QString &path, int maxIndex)
{
    QStringList sentences;
    if (skipped > 0)
        sentences << skippedEntriesMessage(skipped, path, maxIndex);
    if (!unknownValues.isEmpty()) {
        QStringList indexes;
        for (int index : unknownValues)
            indexes << QString::number(index);
        sentences << translated(QT_TRANSLATE_NOOP("ParameterFile",
                                                  "%1 values of the file %2 were not applied: their lists offer no "
                                                  "such item in any of the program's languages (Index %3)."))
                         .arg(unknownValues.size())
                         .arg(shownPath(path), indexes.join(QStringLiteral(", ")));
    }
    return sentences.join(QLatin1Char('\n'));
}

bool applyParameterValue(QComboBox *box, const QString &value, const ListLanguages &lists)
{
    if (box->isEditable()) {
        // The file's text is written as the file gives it, not as the BMS value shown before.
        forgetReadValue(box);
        box->setEditText(value);
        return true;
    }
    const int found = lists.find(box, value);
    if (found < 0)
        return value.isEmpty();
    forgetReadValue(box);
    box->setCurrentIndex(found);
    return true;
}
