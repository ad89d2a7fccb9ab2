#ifndef PARAMETERFILE_H
#define PARAMETERFILE_H

#include <QList>
#include <QString>
#include <QVector>

class QComboBox;
class QDomDocument;
class QDomElement;
class QLabel;
class ListLanguages;

// XML parameter files: UTF-8, the declaration <?xml version="1.0" encoding="UTF-8"?> on the first
// line, the root element DocumentElement on its own line, then one
//     <Param Index="i" Name="label">value</Param>
// per line, indented by 4 blanks, in the order given.
struct ParameterFileEntry
{
    int index = 0;
    QString name;
    QString value;
};

// Appends <Param Index="index" Name="name">value</Param> to root.
void saveXMLNode(QDomDocument *doc, QDomElement *root, int index, QString name, QString value);

// Writes the entries as a parameter file. The file is replaced only when it has been written
// completely. false + *error (a sentence naming the file) when it cannot be opened or written, or
// when a value or name holds a control character that XML cannot carry (nothing is written then).
// A carriage return in a value is written as a character reference, so it reads back as itself.
bool writeParameterFile(const QString &path, const QVector<ParameterFileEntry> &entries, QString *error);

// Reads the child elements of the root in document order (their names are not looked at). An
// element whose Index is missing, not a decimal integer or outside 1..maxIndex is skipped and
// counted in *skipped. false + *error (a sentence naming the file) when the file cannot be opened,
// is not well-formed XML or has no root element; *entries and *skipped are then left as they were.
// Any of the out pointers may be null.
bool readParameterFile(const QString &path, int maxIndex, QVector<ParameterFileEntry> *entries,
                       int *skipped, QString *error);

// A page's entries: Index i + 1, the text of label i as Name and the current text of value box i
// as value, for every label. Each Name also goes to the debug output.
QVector<ParameterFileEntry> parameterEntries(const QList<QLabel *> &titles, const QList<QComboBox *> &values);

// The warning for entries of a file that were read but not applied.
QString skippedEntriesMessage(int skipped, const QString &path, int maxIndex);

// The warning for every entry of a file that was read but not applied: those skipped by
// readParameterFile and those whose value no list offers (their Index in unknownValues). Empty
// when there are none.
QString notAppliedMessage(int skipped, const QList<int> &unknownValues, const QString &path, int maxIndex);

// Puts a file's value into a value box: an editable box takes it as its edit text; another box
// selects the item that reads it, case included, in the language shown or else in another of the
// program's languages (lists). false when no item reads it: the box keeps its selection. An empty
// value is no value for a box without an empty item: it keeps its selection too.
bool applyParameterValue(QComboBox *box, const QString &value, const ListLanguages &lists);

#endif // PARAMETERFILE_H
