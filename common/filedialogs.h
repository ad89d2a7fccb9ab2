#ifndef FILEDIALOGS_H
#define FILEDIALOGS_H

#include <QString>

class QWidget;

// File choosers of the pages: Qt's own modal dialogs (never the platform's), so that they look the
// same everywhere and tests can answer them. An empty result means the operator cancelled.
QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &proposedName, const QString &filter);
QString chooseOpenFile(QWidget *parent, const QString &caption, const QString &filter);

#endif // FILEDIALOGS_H
