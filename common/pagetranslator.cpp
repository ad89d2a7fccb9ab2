#include "pagetranslator.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

PageTranslator::~PageTranslator()
{
    removeInstalled();
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
}

bool PageTranslator::switchTo(int language, bool allowFourth)
{
    removeInstalled();
    const QString file = fileName(language, allowFourth);
    if (file.isEmpty())
        return false;
    QTranslator *translator = new QTranslator;
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed.append(translator);
    return true;
}
