#include "listlanguages.h"

#include "pagetranslator.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTranslator>
#include <QWidget>

namespace {

// The pages' languages: English, Simplified Chinese, Russian.
constexpr int PageLanguageCount = 3;

// Gives every text of one context as its source text and leaves the others to the
// translators below it.
class SourceTextTranslator : public QTranslator
{
public:
    explicit SourceTextTranslator(const char *context)
        : ownContext(context)
    {
    }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (context && sourceText && ownContext == context)
            return QString::fromUtf8(sourceText);
        return QString();
    }

    bool isEmpty() const override { return false; }

private:
    const QByteArray ownContext;
};

} // namespace

ListLanguages::ListLanguages(const char *translationContext, const QHash<QString, QStringList> &itemSources)
    : context(translationContext)
    , sources(itemSources)
{
    for (int language = 0; language < PageLanguageCount; ++language) {
        const QString path = PageTranslator::filePath(language);
        QSharedPointer<QTranslator> translator(new QTranslator);
        if (!path.isEmpty() && translator->load(path))
            translators.append(translator);
    }
}

QStringList ListLanguages::textsOf(const QString &source) const
{
    const QByteArray sourceText = source.toUtf8();
    QStringList texts{source};
    for (const QSharedPointer<QTranslator> &translator : translators) {
        const QString text = translator->translate(context.constData(), sourceText.constData());
        if (!text.isEmpty())
            texts << text;
    }
    return texts;
}

int ListLanguages::find(const QComboBox *box, const QString &text) const
{
    const int shown = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (shown >= 0 || text.isEmpty())
        return shown;
    const QStringList items = sources.value(box->objectName());
    for (int i = 0; i < items.size() && i < box->count(); ++i) {
        if (items.at(i).isEmpty())
            continue;
        const QStringList texts = textsOf(items.at(i));
        if (texts.contains(text) && texts.contains(box->itemText(i)))
            return i;
    }
    return -1;
}

QHash<QString, QStringList> sourceItemTexts(const char *context, const std::function<void(QWidget *)> &build)
{
    SourceTextTranslator untranslated(context);
    QCoreApplication::installTranslator(&untranslated);
    QHash<QString, QStringList> sources;
    {
        QWidget scratch;
        build(&scratch);
        for (const QComboBox *box : scratch.findChildren<QComboBox *>()) {
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            sources.insert(box->objectName(), items);
        }
    }
    QCoreApplication::removeTranslator(&untranslated);
    return sources;
}
