#ifndef LISTLANGUAGES_H
#define LISTLANGUAGES_H

#include <QByteArray>
#include <QHash>
#include <QSharedPointer>
#include <QStringList>
#include <QVector>

#include <functional>

class QComboBox;
class QTranslator;
class QWidget;

// A form's lists as the program shows them in each of the pages' languages (0 English,
// 1 Simplified Chinese, 2 Russian), so that an item saved as text while one language was shown is
// found again while another is. The texts are read from the same .qm files that the pages load
// (PageTranslator), through translators of its own that are never installed: the language shown
// does not change.
class ListLanguages
{
public:
    // context: the form's translation context; sources: the English source text of each item of
    // the form's combo boxes, by object name.
    ListLanguages(const char *translationContext, const QHash<QString, QStringList> &itemSources);

    // The position of the item of box that reads text: first as the box shows its items now, then
    // as the form's item at that position reads in any of the languages; -1 when none does. An item
    // that no longer shows its form text in some language (a value a read put there, a list the page
    // has replaced) is found only by the text it shows.
    int find(const QComboBox *box, const QString &text) const;

private:
    // The source text and its translation in every language that has one.
    QStringList textsOf(const QString &source) const;

    QByteArray context;
    QHash<QString, QStringList> sources;
    QVector<QSharedPointer<QTranslator>> translators;
};

// The items of every combo box that build() creates on the widget it is given, by object name,
// taken while every text of context is given as its English source text. The language shown is
// the same before and after.
QHash<QString, QStringList> sourceItemTexts(const char *context, const std::function<void(QWidget *)> &build);

// The lists of a uic form class, whose retranslateUi sets every item from its English source text
// in the given context. The form is built once, on a widget of its own that is never shown.
template <class Form>
ListLanguages formListLanguages(const char *context)
{
    static const QHash<QString, QStringList> sources = sourceItemTexts(context, [](QWidget *scratch) {
        Form form;
        form.setupUi(scratch);
    });
    return ListLanguages(context, sources);
}

#endif // LISTLANGUAGES_H
