#include "filedialogs.h"

#include <QFileDialog>

QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &proposedName, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, proposedName, filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString chooseOpenFile(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}
