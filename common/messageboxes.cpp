#include "messageboxes.h"

#include <QTimer>

namespace {

QMessageBox *openBox(QMessageBox::Icon icon, QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox *box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

} // namespace

QMessageBox *openInfoBox(QWidget *parent, const QString &text, const QString &title)
{
    return openBox(QMessageBox::Information, parent, text, title);
}

QMessageBox *openSelfClosingBox(const QString &text, int msec, const QString &title)
{
    QMessageBox *box = openBox(QMessageBox::Information, nullptr, text, title);
    // The box is the timer's context: closed by hand earlier, it takes the timer with it.
    QTimer::singleShot(msec, box, [box]() { box->done(QMessageBox::Ok); });
    return box;
}

QMessageBox *openWarningBox(QWidget *parent, const QString &text, const QString &title)
{
    return openBox(QMessageBox::Warning, parent, text, title);
}

bool askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}
