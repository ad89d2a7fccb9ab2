#include "pagetranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace {

// Every live window translator, so a switch can clear them all.
QList<PageTranslator *> &allTranslators()
{
    static QList<PageTranslator *> translators;
    return translators;
}

// Qt's own texts: one translator for the whole program.
struct QtTexts {
    QTranslator *translator = nullptr;
    int language = -1;
};

QtTexts &qtTexts()
{
    static QtTexts texts;
    return texts;
}

void removeQtTexts()
{
    QtTexts &texts = qtTexts();
    if (texts.translator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(texts.translator);
    delete texts.translator;
    texts.translator = nullptr;
    texts.language = -1;
}

void switchQtTexts(int language)
{
    QtTexts &texts = qtTexts();
    if (texts.translator && texts.language == language)
        return;
    removeQtTexts();
    const QString name = PageTranslator::qtFileName(language);
    if (name.isEmpty())
        return;
    auto *translator = new QTranslator;
    if (!translator->load(name, QLibraryInfo::location(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return;
    }
    texts.translator = translator;
    texts.language = language;
}

// The fourth language's translator: answers for the window's own context even where
// the file has no translation, with the English source text, so that the pages'
// translators are not asked for the window's texts.
class OwnContextTranslator : public QTranslator
{
public:
    explicit OwnContextTranslator(const QByteArray &context)
        : ownContext(context)
    {
    }

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isNull() && context && sourceText && ownContext == context)
            return QString::fromUtf8(sourceText);
        return text;
    }

    bool isEmpty() const override { return false; }

private:
    const QByteArray ownContext;
};

} // namespace

PageTranslator::PageTranslator()
{
    allTranslators().append(this);
}

PageTranslator::PageTranslator(const char *ownContext)
    : PageTranslator()
{
    context = QByteArray(ownContext);
}

PageTranslator::~PageTranslator()
{
    removeInstalled();
    allTranslators().removeOne(this);
    if (allTranslators().isEmpty())
        removeQtTexts();
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

QStringList PageTranslator::searchDirectories()
{
    QStringList directories{QDir::currentPath()};
    if (QCoreApplication::instance())
        directories << QCoreApplication::applicationDirPath();
    return directories;
}

QString PageTranslator::filePath(int language, bool allowFourth)
{
    const QString name = QFileInfo(fileName(language, allowFourth)).fileName();
    if (name.isEmpty())
        return QString();
    for (const QString &directory : searchDirectories()) {
        const QString path = QDir(directory).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

QString PageTranslator::qtFileName(int language)
{
    switch (language) {
    case 1:
        return QStringLiteral("qt_zh_CN");
    case 2:
        return QStringLiteral("qt_ru");
    default:
        return QString();
    }
}

int PageTranslator::qtLanguage()
{
    return qtTexts().translator ? qtTexts().language : -1;
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
    const QString file = filePath(language, allowFourth);
    if (language == 3 && allowFourth) {
        removeInstalled();
        QTranslator *translator =
            context.isEmpty() ? new QTranslator : new OwnContextTranslator(context);
        const bool loaded = !file.isEmpty() && translator->load(file);
        if ((!loaded && context.isEmpty()) || !QCoreApplication::installTranslator(translator)) {
            delete translator;
            return false;
        }
        installed.append(translator);
        installedLanguage = language;
        return loaded;
    }

    const bool known = !fileName(language, allowFourth).isEmpty();
    for (PageTranslator *window : qAsConst(allTranslators())) {
        if (window->installedLanguage != language || !known)
            window->removeInstalled();
    }
    switchQtTexts(known ? language : 0);
    if (file.isEmpty())
        return false;
    if (installedLanguage == language)
        return true;
    QTranslator *translator = new QTranslator;
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed.append(translator);
    installedLanguage = language;
    return true;
}
