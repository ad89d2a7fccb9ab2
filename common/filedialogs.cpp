#include "filedialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

// The extensions that a name filter offers, in its order: "file ( *.xml)" gives "xml".
// Patterns with wildcards after the dot ("*.*", "*") name no extension.
QStringList filterExtensions(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;()*?\\[\\]]+)"));
    QStringList extensions;
    auto matches = pattern.globalMatch(filter);
    while (matches.hasNext())
        extensions << matches.next().captured(1);
    return extensions;
}

// The name the file is written under: as chosen when it ends in one of the filter's extensions
// (in any case), else with the filter's first extension added.
QString withFilterExtension(const QString &path, const QString &filter)
{
    const QStringList extensions = filterExtensions(filter);
    if (extensions.isEmpty())
        return path;
    const QString fileName = QFileInfo(path).fileName();
    for (const QString &extension : extensions) {
        if (fileName.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive))
            return path;
    }
    return path + QLatin1Char('.') + extensions.first();
}

// The question Qt's own save dialog asks, in its words and translations, for the name written.
bool confirmReplace(QWidget *parent, const QString &caption, const QString &path)
{
    QMessageBox box(QMessageBox::Warning, caption,
                    QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                        .arg(QFileInfo(path).fileName()),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

QString chooseSaveFile(QWidget *parent, const QString &caption, const QString &proposedName, const QString &filter)
{
    QString proposal = proposedName;
    for (;;) {
        QString selectedFilter;
        // The dialog would ask about the name typed, which may not be the one written.
        const QString chosen = QFileDialog::getSaveFileName(
            parent, caption, proposal, filter, &selectedFilter,
            QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty())
            return QString();
        const QString path = withFilterExtension(chosen, selectedFilter.isEmpty() ? filter : selectedFilter);
        const QFileInfo target(path);
        if (!(target.exists() || target.isSymLink()) || confirmReplace(parent, caption, path))
            return path;
        proposal = path;
    }
}

QString chooseOpenFile(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}
