#ifndef PAGETRANSLATOR_H
#define PAGETRANSLATOR_H

#include <QList>

class QTranslator;

// The translator of one window: one language at a time.
//
// Every window keeps its own translator, but they all sit in the one
// application, and a window that retranslates asks all of them. So a switch
// removes the translators of every window, not only its own: while the pages
// switch one after the other, a page must not find its texts in the language
// that another window has not yet let go of. The fourth language belongs to
// the main window alone: switching to it replaces only that window's own
// translator, so the pages keep the language they show.
class PageTranslator
{
public:
    PageTranslator();
    ~PageTranslator();
    PageTranslator(const PageTranslator &) = delete;
    PageTranslator &operator=(const PageTranslator &) = delete;

    // Removes every translator that any window installed for another language (for
    // the fourth language: only this window's), then loads and installs "./Language_en_CN.qm",
    // "./Language_zh_CN.qm", "./Language_ru_CN.qm" for 0, 1, 2 (and "./Language_be_CN.qm" for 3 when
    // allowFourth), from the working directory. A missing or unreadable file or another index leaves
    // the English source texts. Returns true when a file was installed.
    bool switchTo(int language, bool allowFourth = false);

    // The file switchTo loads for a language, empty for none.
    static QString fileName(int language, bool allowFourth = false);

private:
    void removeInstalled();

    QList<QTranslator *> installed;
    int installedLanguage = -1;
};

#endif // PAGETRANSLATOR_H
