// Values typed by the operator: scaling, rounding, refusal and display.
#include "valueparse.h"

#include <QtTest>

#include <limits>

class TestValueParse : public QObject
{
    Q_OBJECT

private slots:
    void scaledRounding_data();
    void scaledRounding();
    void scaledRefused_data();
    void scaledRefused();
    void wholeNumbers_data();
    void wholeNumbers();
    void formatting();
};

static const qint64 anyMin = std::numeric_limits<qint64>::min();
static const qint64 anyMax = std::numeric_limits<qint64>::max();

void TestValueParse::scaledRounding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("scale");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("pack volts") << "57.60" << 1000.0 << qint64(57600);
    QTest::newRow("blanks trimmed") << " 3.35 " << 1000.0 << qint64(3350);
    QTest::newRow("negative tenths") << "-4.6" << 10.0 << qint64(-46);
    QTest::newRow("whole volts") << "5" << 1000.0 << qint64(5000);
    QTest::newRow("plus sign") << "+1.25" << 10.0 << qint64(13);
    QTest::newRow("half up") << "0.05" << 10.0 << qint64(1);
    QTest::newRow("half away from zero") << "-0.05" << 10.0 << qint64(-1);
    QTest::newRow("below half") << "0.04" << 10.0 << qint64(0);
    QTest::newRow("below half negative") << "-0.04" << 10.0 << qint64(0);
    QTest::newRow("half that double misses") << "2.675" << 100.0 << qint64(268);
    QTest::newRow("negative half that double misses") << "-2.675" << 100.0 << qint64(-268);
    QTest::newRow("half of 1.005") << "1.005" << 100.0 << qint64(101);
    QTest::newRow("many decimals") << "3600.4999" << 1.0 << qint64(3600);
    QTest::newRow("leading point") << ".5" << 1.0 << qint64(1);
    QTest::newRow("trailing point") << "7." << 1.0 << qint64(7);
    QTest::newRow("scale below one") << "1250" << 0.01 << qint64(13);
    QTest::newRow("other scale, half") << "2.5" << 3.0 << qint64(8);
    QTest::newRow("other scale, negative half") << "-2.5" << 3.0 << qint64(-8);
    QTest::newRow("other scale") << "1.1" << 3.0 << qint64(3);
    QTest::newRow("other scale, large") << "1000000000000000" << 3.0 << qint64(3000000000000000);
    QTest::newRow("largest") << "9223372036854775807" << 1.0 << anyMax;
    QTest::newRow("smallest") << "-9223372036854775808" << 1.0 << anyMin;
}

void TestValueParse::scaledRounding()
{
    QFETCH(QString, text);
    QFETCH(double, scale);
    QFETCH(qint64, expected);
    const ParsedValue parsed = parseScaledValue(text, scale, anyMin, anyMax);
    QVERIFY(parsed.ok);
    QCOMPARE(parsed.value, expected);
}

void TestValueParse::scaledRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("scale");
    QTest::addColumn<qint64>("minimum");
    QTest::addColumn<qint64>("maximum");

    for (const char *text : {"", "   ", "abc", "12a", "1e3", "nan", "inf", "-inf", "1,5", "-", ".", "1.2.3", "0x10",
                             "- 5"})
        QTest::newRow(qPrintable(QStringLiteral("not a number \"%1\"").arg(text))) << text << 1000.0 << anyMin << anyMax;

    QTest::newRow("capacity too big") << "655.36" << 100.0 << qint64(0) << qint64(65535);
    QTest::newRow("negative for unsigned") << "-0.1" << 10.0 << qint64(0) << qint64(65535);
    QTest::newRow("8-bit delay") << "256" << 1.0 << qint64(0) << qint64(255);
    QTest::newRow("16-bit temperature") << "4000" << 10.0 << qint64(-32768) << qint64(32767);
    QTest::newRow("rounds over maximum") << "254.5" << 1.0 << qint64(0) << qint64(254);
    QTest::newRow("beyond 64 bits") << "9223372036854775808" << 1.0 << anyMin << anyMax;
    QTest::newRow("beyond 64 bits negative") << "-9223372036854775809" << 1.0 << anyMin << anyMax;
    QTest::newRow("twenty digits") << "99999999999999999999" << 1.0 << anyMin << anyMax;
    QTest::newRow("scaled beyond 64 bits") << "9300000000000000" << 1000.0 << anyMin << anyMax;
    QTest::newRow("hundreds of digits") << QString("1") + QString(400, '0') << 1000.0 << anyMin << anyMax;
    QTest::newRow("hundreds of digits, other scale") << QString("1") + QString(300, '0') << 3.0 << anyMin << anyMax;
    QTest::newRow("beyond double") << QString("1") + QString(400, '0') << 3.0 << anyMin << anyMax;
}

void TestValueParse::scaledRefused()
{
    QFETCH(QString, text);
    QFETCH(double, scale);
    QFETCH(qint64, minimum);
    QFETCH(qint64, maximum);
    const ParsedValue parsed = parseScaledValue(text, scale, minimum, maximum);
    QVERIFY(!parsed.ok);
}

void TestValueParse::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("plain") << "12" << true << qint64(12);
    QTest::newRow("blanks and minus") << " -7 " << true << qint64(-7);
    QTest::newRow("plus") << "+5" << true << qint64(5);
    QTest::newRow("leading zeros") << "007" << true << qint64(7);
    QTest::newRow("upper bound") << "255" << true << qint64(255);
    QTest::newRow("over bound") << "256" << false << qint64(0);
    QTest::newRow("under bound") << "-129" << false << qint64(0);
    QTest::newRow("decimal") << "1.5" << false << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("letters") << "abc" << false << qint64(0);
    QTest::newRow("exponent") << "1e2" << false << qint64(0);
    QTest::newRow("hexadecimal") << "0x1F" << false << qint64(0);
    QTest::newRow("overflow") << "99999999999999999999" << false << qint64(0);
}

void TestValueParse::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, expected);
    const ParsedValue parsed = parseWholeNumber(text, -128, 255);
    QCOMPARE(parsed.ok, ok);
    if (ok)
        QCOMPARE(parsed.value, expected);
}

void TestValueParse::formatting()
{
    QCOMPARE(formatScaledValue(57600, 1000, 2), QStringLiteral("57.60"));
    QCOMPARE(formatScaledValue(-46, 10, 1), QStringLiteral("-4.6"));
    QCOMPARE(formatScaledValue(12345, 100, 2), QStringLiteral("123.45"));
    QCOMPARE(formatScaledValue(3550, 1, 0), QStringLiteral("3550"));
    QCOMPARE(formatScaledValue(-1, 1000, 2), QStringLiteral("0.00"));
    // Halves round away from zero whatever their binary form.
    QCOMPARE(formatScaledValue(120050, 1000, 1), QStringLiteral("120.1"));
    QCOMPARE(formatScaledValue(350, 1000, 1), QStringLiteral("0.4"));
    QCOMPARE(formatScaledValue(-350, 1000, 1), QStringLiteral("-0.4"));
    QCOMPARE(formatScaledValue(58405, 1000, 2), QStringLiteral("58.41"));
    QCOMPARE(formatScaledValue(-25, 10, 0), QStringLiteral("-3"));
    // What is shown parses back to the same raw value.
    for (qint64 raw : {qint64(57600), qint64(-46), qint64(65535), qint64(-32768), qint64(1)}) {
        const ParsedValue back = parseScaledValue(formatScaledValue(raw, 100, 2), 100, anyMin, anyMax);
        QVERIFY(back.ok);
        QCOMPARE(back.value, raw);
    }
}

QTEST_GUILESS_MAIN(TestValueParse)
#include "tst_valueparse.moc"
