#ifndef PAGETRANSLATOR_H
#define PAGETRANSLATOR_H

#include <QList>

class QTranslator;

// The translator of one window: one language at a time.
class PageTranslator
{
public:
    PageTranslator() = default;
    ~PageTranslator();
    PageTranslator(const PageTranslator &) = delete;
    PageTranslator &operator=(const PageTranslator &) = delete;

    // Removes every translator this object installed, then loads and installs "./Language_en_CN.qm",
    // "./Language_zh_CN.qm", "./Language_ru_CN.qm" for 0, 1, 2 (and "./Language_be_CN.qm" for 3 when
    // allowFourth), from the working directory. A missing or unreadable file or another index leaves
    // the English source texts. Returns true when a file was installed.
    bool switchTo(int language, bool allowFourth = false);

    // The file switchTo loads for a language, empty for none.
    static QString fileName(int language, bool allowFourth = false);

private:
    void removeInstalled();

    QList<QTranslator *> installed;
};

#endif // PAGETRANSLATOR_H
