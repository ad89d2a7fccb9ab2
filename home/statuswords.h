#pragma once

#include <QStringList>
#include <QtGlobal>

// The five status words of the live data and the texts of their bits.
enum class StatusWord {
    Alarm,          // u32 at byte 108
    Protection1,    // u32 at byte 112
    Protection2,    // u32 at byte 116
    Fault,          // u16 at byte 104
    SystemState     // u16 at byte 102
};

// One bit and its English text (translation context "HomeWindow").
struct StatusBitText
{
    int bit;
    const char *text;
};

// The rows of one word, in the order the bits are tested for the logs
// (not always the bit order). Bits without a row have no text.
int statusBitTexts(StatusWord word, const StatusBitText **rows);

// Translated texts of the bits set in `value` that have a text, lowest bit first: the
// rows above and the bits that only the history's tables name (the home page's texts).
QStringList statusWordTexts(StatusWord word, quint32 value);
