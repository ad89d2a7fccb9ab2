#ifndef PAGETRANSLATOR_H
#define PAGETRANSLATOR_H

#include <QByteArray>
#include <QList>
#include <QStringList>

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
//
// Qt's own texts (the buttons of message boxes, the file dialogs) follow the
// pages: a switch to Chinese or Russian installs Qt's translation of that
// language, one for the whole program, and English or a missing file removes it.
class PageTranslator
{
public:
    PageTranslator();
    // ownContext: the translation context of the window's own texts. At the fourth
    // language the window shows these texts in English where the fourth file lacks
    // them (or is missing), never in the language the pages keep.
    explicit PageTranslator(const char *ownContext);
    ~PageTranslator();
    PageTranslator(const PageTranslator &) = delete;
    PageTranslator &operator=(const PageTranslator &) = delete;

    // Removes every translator that any window installed for another language (for
    // the fourth language: only this window's), then loads and installs "./Language_en_CN.qm",
    // "./Language_zh_CN.qm", "./Language_ru_CN.qm" for 0, 1, 2 (and "./Language_be_CN.qm" for 3 when
    // allowFourth), found in the working directory or else beside the program. A missing or unreadable
    // file or another index leaves the English source texts. Returns true when a file was installed.
    bool switchTo(int language, bool allowFourth = false);

    // The file switchTo loads for a language, empty for none.
    static QString fileName(int language, bool allowFourth = false);

    // Where switchTo looks for the files, in this order: the working directory, then the
    // folder of the program.
    static QStringList searchDirectories();

    // The path of the file switchTo loads for a language: the first of searchDirectories()
    // that holds fileName(); empty when none does.
    static QString filePath(int language, bool allowFourth = false);

    // The base name of Qt's own translation for a language ("qt_zh_CN", "qt_ru"), empty for
    // English and the fourth language. Looked up in Qt's translations folder.
    static QString qtFileName(int language);

    // The language of Qt's own texts now installed (1 or 2), -1 for English.
    static int qtLanguage();

private:
    void removeInstalled();

    QList<QTranslator *> installed;
    int installedLanguage = -1;
    QByteArray context;
};

#endif // PAGETRANSLATOR_H
