#include "pagetranslator.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace {
// Every live window translator, so a switch can clear them all.
QList<PageTranslator *> &allTranslators()
{
    static QList<PageTranslator *> translators;
    return translators;
}
} // namespace

PageTranslator::PageTranslator()
{
    allTranslators().append(this);
}

PageTranslator::~PageTranslator()
{
    removeInstalled();
    allTranslators().removeOne(this);
}

QString PageTranslator::fileName(int language, bool allowFourth)
{
    switch (language) {
    case 0:
        return QStringLiteral("./Language_en_CN.qm");
    case 1:
        return QStringLiteral("./Language_zh_CN.qm");
    case 2:
        return QStringLiteral("./Language_ru_CN.qm");
    case 3:
        return allowFourth ? QStringLiteral("./Language_be_CN.qm") : QString();
    default:
        return QString();
    }
}

void PageTranslator::removeInstalled()
{
    for (QTranslator *translator : qAsConst(installed)) {
        if (QCoreApplication::instance())
            QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed.clear();
    installedLanguage = -1;
}

bool PageTranslator::switchTo(int language, bool allowFourth)
{
    const QString file = fileName(language, allowFourth);
    if (language == 3 && allowFourth) {
        removeInstalled();
    } else {
        for (PageTranslator *window : qAsConst(allTranslators())) {
            if (window->installedLanguage != language || file.isEmpty())
                window->removeInstalled();
        }
        if (!file.isEmpty() && installedLanguage == language)
            return true;
    }
    if (file.isEmpty())
        return false;
    QTranslator *translator = new QTranslator;
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed.append(translator);
    installedLanguage = language;
    return true;
}
