#ifndef FILEDIALOGS_H
#define FILEDIALOGS_H

#include <QString>

class QWidget;

// File choosers of the pages: Qt's own modal dialogs (never the platform's), so that they look the
// same everywhere and tests can answer them. An empty result means the operator cancelled.

// A name chosen without the selected filter's extension (".csv", ".xml") gets it, so the file is
// named as its filter says. When a file of the name to be written exists, the operator is asked
// whether to replace it; No opens the dialog again with that name.
QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &proposedName, const QString &filter);
QString chooseOpenFile(QWidget *parent, const QString &caption, const QString &filter);

#endif // FILEDIALOGS_H
