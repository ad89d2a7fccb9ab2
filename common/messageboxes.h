#ifndef MESSAGEBOXES_H
#define MESSAGEBOXES_H

#include <QMessageBox>
#include <QString>

class QWidget;

// Message boxes of the pages. Texts come in already translated by the caller.
// Every box but askYesNo is non-blocking: it is shown with open() and deleted when it closes,
// so a slot driven by a timer returns at once and the link never runs inside a nested event loop.

// Information box with an OK button.
QMessageBox *openInfoBox(QWidget *parent, const QString &text, const QString &title = QStringLiteral("info"));

// Parentless information box that closes itself after msec milliseconds.
QMessageBox *openSelfClosingBox(const QString &text, int msec = 1000, const QString &title = QStringLiteral("info"));

// Warning box with an OK button.
QMessageBox *openWarningBox(QWidget *parent, const QString &text, const QString &title = QStringLiteral("Warning!"));

// Modal warning box with Yes and No; true when the operator answers Yes.
bool askYesNo(QWidget *parent, const QString &text, const QString &title = QStringLiteral("Warning!"));

#endif // MESSAGEBOXES_H
