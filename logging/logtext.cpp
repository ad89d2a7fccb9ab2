#include "logtext.h"

#include "valueparse.h"

#include <QCoreApplication>

QString statusText(const char *context, quint32 word, const StatusBit *rows, std::size_t count)
{
    QString text;
    for (std::size_t i = 0; i < count; ++i) {
        if (word & (quint32(1) << rows[i].bit))
            text += QCoreApplication::translate(context, rows[i].text);
    }
    return text;
}

QString hundredths(qint64 value)
{
    return formatScaledValue(value, 100, 2);
}

QString tenths(qint64 value)
{
    return QString::number(value * 0.1, 'g', 6);
}
