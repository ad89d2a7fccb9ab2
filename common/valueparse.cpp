#include "valueparse.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QVariant>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

// Sign, integer digits, fraction digits of a plain decimal number; false when the text is not one.
bool splitDecimal(const QString &text, bool *negative, QString *integerDigits, QString *fractionDigits)
{
    static const QRegularExpression pattern(QStringLiteral("^([+-]?)([0-9]*)(?:\\.([0-9]*))?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    *negative = match.captured(1) == QLatin1String("-");
    *integerDigits = match.captured(2);
    *fractionDigits = match.captured(3);
    return !integerDigits->isEmpty() || !fractionDigits->isEmpty();
}

// Returns k when scale is exactly 10^k for a small k, which makes decimal shifting exact.
bool powerOfTen(double scale, int *exponent)
{
    for (int k = -18; k <= 18; ++k) {
        if (scale == std::pow(10.0, k)) {
            *exponent = k;
            return true;
        }
    }
    return false;
}

ParsedValue inRange(bool negative, quint64 magnitude, qint64 minimum, qint64 maximum)
{
    ParsedValue result;
    qint64 value = 0;
    if (negative) {
        const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + 1u;
        if (magnitude > limit)
            return result;
        value = magnitude == limit ? std::numeric_limits<qint64>::min() : -qint64(magnitude);
    } else {
        if (magnitude > quint64(std::numeric_limits<qint64>::max()))
            return result;
        value = qint64(magnitude);
    }
    if (value < minimum || value > maximum)
        return result;
    result.ok = true;
    result.value = value;
    return result;
}

// Exact path: shift the decimal point by `exponent` places and round on the digits left over.
ParsedValue scaleExactly(bool negative, const QString &integerDigits, const QString &fractionDigits,
                         int exponent, qint64 minimum, qint64 maximum)
{
    QString whole = integerDigits;
    QString rest = fractionDigits;
    if (exponent >= 0) {
        const QString moved = rest.left(exponent);
        whole += moved + QString(exponent - moved.size(), QLatin1Char('0'));
        rest = rest.mid(exponent);
    } else {
        const int shift = -exponent;
        if (whole.size() < shift)
            whole = QString(shift - whole.size(), QLatin1Char('0')) + whole;
        rest = whole.right(shift) + rest;
        whole.chop(shift);
    }
    int firstNonZero = 0;
    while (firstNonZero < whole.size() && whole.at(firstNonZero) == QLatin1Char('0'))
        ++firstNonZero;
    whole = whole.mid(firstNonZero);
    if (whole.size() > 19)
        return ParsedValue();
    quint64 magnitude = 0;
    if (!whole.isEmpty()) {
        bool ok = false;
        magnitude = whole.toULongLong(&ok, 10);
        if (!ok)
            return ParsedValue();
    }
    if (!rest.isEmpty() && rest.at(0) >= QLatin1Char('5')) {
        if (magnitude == std::numeric_limits<quint64>::max())
            return ParsedValue();
        ++magnitude;
    }
    return inRange(negative && magnitude != 0, magnitude, minimum, maximum);
}

// General scale: double arithmetic, with products a few ulps short of a half counted as the half.
ParsedValue scaleInDouble(const QString &text, double scale, qint64 minimum, qint64 maximum)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(scale))
        return ParsedValue();
    const double product = number * scale;
    if (!std::isfinite(product))
        return ParsedValue();
    const double magnitude = std::fabs(product);
    double rounded = std::floor(magnitude);
    // A few ulps of slack, never more than a tiny fraction: large numbers have no fraction to round.
    const double slack = std::fmin(8 * DBL_EPSILON * std::fmax(1.0, magnitude), 1e-9);
    if (magnitude - rounded >= 0.5 - slack)
        rounded += 1.0;
    // 2^63 is exactly representable; anything at or above it does not fit.
    if (rounded >= 9223372036854775808.0)
        return ParsedValue();
    return inRange(product < 0 && rounded != 0, quint64(rounded), minimum, maximum);
}

} // namespace

ParsedValue parseScaledValue(const QString &text, double scale, qint64 minimum, qint64 maximum)
{
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
    if (!splitDecimal(text, &negative, &integerDigits, &fractionDigits))
        return ParsedValue();
    int exponent = 0;
    if (powerOfTen(scale, &exponent))
        return scaleExactly(negative, integerDigits, fractionDigits, exponent, minimum, maximum);
    return scaleInDouble(text, scale, minimum, maximum);
}

ParsedValue parseWholeNumber(const QString &text, qint64 minimum, qint64 maximum)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    ParsedValue result;
    if (!pattern.match(trimmed).hasMatch())
        return result;
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok, 10);
    if (!ok || value < minimum || value > maximum)
        return result;
    result.ok = true;
    result.value = value;
    return result;
}

QString formatScaledValue(qint64 raw, double divisor, int decimals)
{
    int exponent = 0;
    if (decimals >= 0 && decimals <= 9 && powerOfTen(divisor, &exponent) && exponent >= 0 && exponent <= 9
        && raw > -(qint64(1) << 40) && raw < (qint64(1) << 40)) {
        qint64 unit = 1;
        for (int i = 0; i < decimals; ++i)
            unit *= 10;
        qint64 den = 1;
        for (int i = 0; i < exponent; ++i)
            den *= 10;
        const quint64 magnitude = quint64(raw < 0 ? -raw : raw) * quint64(unit);
        const quint64 rounded = (2 * magnitude + quint64(den)) / (2 * quint64(den));
        QString text = QString::number(rounded / quint64(unit));
        if (decimals > 0)
            text += QLatin1Char('.') + QStringLiteral("%1").arg(rounded % quint64(unit), decimals, 10, QLatin1Char('0'));
        if (raw < 0 && rounded != 0)
            text.prepend(QLatin1Char('-'));
        return text;
    }
    QString text = QString::number(double(raw) / divisor, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && !text.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        text.remove(0, 1);
    return text;
}

namespace {
const char ReadTextProperty[] = "cellwickReadText";
const char ReadValueProperty[] = "cellwickReadValue";
} // namespace

void rememberReadValue(QComboBox *box, qint64 raw)
{
    box->setProperty(ReadTextProperty, box->itemText(0));
    box->setProperty(ReadValueProperty, raw);
}

bool unchangedReadValue(const QComboBox *box, qint64 *raw)
{
    const QVariant text = box->property(ReadTextProperty);
    if (!text.isValid() || box->currentIndex() != 0 || box->currentText() != text.toString())
        return false;
    *raw = box->property(ReadValueProperty).toLongLong();
    return true;
}

void forgetReadValue(QComboBox *box)
{
    box->setProperty(ReadTextProperty, QVariant());
    box->setProperty(ReadValueProperty, QVariant());
}
