#include "registerimage.h"

#include <QRegularExpression>

// What "\s* +$" matches at the end goes first, then every NUL, so blanks that
// stand before the zero fill stay.
QString decodeBmsText(const char *data, int width)
{
    QString text = QString::fromUtf8(data, width);
    static const QRegularExpression trailingBlanks(QStringLiteral("\\s* +$"));
    text.remove(trailingBlanks);
    text.remove(QChar(0));
    return text;
}
