#ifndef VALUEPARSE_H
#define VALUEPARSE_H

#include <QString>
#include <QtGlobal>

// Result of parsing a value typed by the operator: ok is false for a refused value,
// and value is then 0 and must not be used.
struct ParsedValue
{
    bool ok = false;
    qint64 value = 0;
};

// Decimal text (blanks trimmed, optional sign, digits with an optional point) times `scale`,
// rounded to the nearest integer, halves away from zero, on the exact decimal value of the text
// ("57.60" x1000 -> 57600, "-4.6" x10 -> -46, "0.05" x10 -> 1). A text that is not such a number
// (empty, letters, "1e3", "nan") is refused; so is a result outside [minimum, maximum]: it is
// never wrapped or clamped.
ParsedValue parseScaledValue(const QString &text, double scale, qint64 minimum, qint64 maximum);

// Whole number in base 10 (blanks trimmed, optional sign). "1.5", "", "abc" are refused, as is
// a number outside [minimum, maximum].
ParsedValue parseWholeNumber(const QString &text, qint64 minimum, qint64 maximum);

// raw / divisor in fixed notation with `decimals` decimals: formatScaledValue(57600, 1000, 2) == "57.60".
// With a divisor that is a power of ten the rounding is done on integers, halves away from zero
// (120050 / 1000 with one decimal is "120.1", 350 / 1000 is "0.4", -350 / 1000 is "-0.4").
// A value that rounds to zero is shown without a minus sign.
QString formatScaledValue(qint64 raw, double divisor, int decimals);

class QComboBox;

// A value box filled from the BMS remembers the value read with the text shown for it, so that
// writing the box back unchanged sends the exact value read, not the coarser one shown.
void rememberReadValue(QComboBox *box, qint64 raw);
// True, with the value read, while the box still shows item 0 with the text it was filled with.
bool unchangedReadValue(const QComboBox *box, qint64 *raw);
// The box's text no longer comes from the BMS (a file was imported into it).
void forgetReadValue(QComboBox *box);

#endif // VALUEPARSE_H
