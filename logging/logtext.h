#pragma once

#include <QString>
#include <QtGlobal>

#include <cstddef>

// Texts of the cells that the monitor and record tables share.

// One bit of a status word and its English text, marked for the page's context.
struct StatusBit
{
    int bit;
    const char *text;
};

// The translations (in `context`) of the rows whose bit is set in `word`, in the
// order of the rows, joined without separator (each text ends in ";").
QString statusText(const char *context, quint32 word, const StatusBit *rows, std::size_t count);

template <std::size_t N>
QString statusText(const char *context, quint32 word, const StatusBit (&rows)[N])
{
    return statusText(context, word, rows, N);
}

// A value in hundredths with two decimals: 5760 gives "57.60".
QString hundredths(qint64 value);

// A value in tenths with up to six significant digits and no trailing zeros: 255 gives "25.5", 250 "25".
QString tenths(qint64 value);
