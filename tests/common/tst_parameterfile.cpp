// XML parameter files: exact text, round trip, refused and partly bad files.
#include "parameterfile.h"

#include <QtTest>

class TestParameterFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exactText();
    void roundTrip();
    void brokenFilesAreRefused_data();
    void brokenFilesAreRefused();
    void badIndexesAreSkipped();
    void unwritablePath();
    void controlCharacterIsRefused();

private:
    QString pathOf(const QString &name) const { return dir->filePath(name); }
    void writeRaw(const QString &path, const QByteArray &bytes);

    QScopedPointer<QTemporaryDir> dir;
};

void TestParameterFile::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
}

void TestParameterFile::writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

static QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestParameterFile::exactText()
{
    const QVector<ParameterFileEntry> entries = {
        {1, QStringLiteral("Cell OV alarm(mV)"), QStringLiteral("3550")},
        {2, QStringLiteral("Delay (S)"), QString()},
        {3, QStringLiteral("Cell OT alarm(℃)"), QStringLiteral("-4.6")},
        {4, QStringLiteral("A&B \"x\""), QStringLiteral("1<2")},
    };
    const QString path = pathOf(QStringLiteral("Primary protection.xml"));
    QString error;
    QVERIFY2(writeParameterFile(path, entries, &error), qPrintable(error));
    const QByteArray expected = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<DocumentElement>\n"
        "    <Param Index=\"1\" Name=\"Cell OV alarm(mV)\">3550</Param>\n"
        "    <Param Index=\"2\" Name=\"Delay (S)\"></Param>\n"
        "    <Param Index=\"3\" Name=\"Cell OT alarm(℃)\">-4.6</Param>\n"
        "    <Param Index=\"4\" Name=\"A&amp;B &quot;x&quot;\">1&lt;2</Param>\n"
        "</DocumentElement>\n").toUtf8();
    QCOMPARE(readAll(path), expected);
}

void TestParameterFile::roundTrip()
{
    QVector<ParameterFileEntry> entries;
    for (int i = 1; i <= 61; ++i)
        entries.append({i, QStringLiteral("Delay (S)"), QString::number(i * 50)});
    entries[0].value = QString();
    entries[1].name = QStringLiteral("Enable switch ");
    entries[2].value = QStringLiteral("<&> \"' ]]>");
    entries[3].name = QStringLiteral("单体过压告警(mV)");
    entries[3].value = QStringLiteral("开启");
    entries[4].value = QStringLiteral("   ");
    entries[5].value = QStringLiteral(" 3.35 ");
    entries[6].value = QStringLiteral("a\r\nb\rc\td");

    const QString path = pathOf(QStringLiteral("round trip.xml"));
    // An older, longer file under the same name is replaced whole.
    writeRaw(path, QByteArray(100000, ' '));
    QString error;
    QVERIFY2(writeParameterFile(path, entries, &error), qPrintable(error));

    QVector<ParameterFileEntry> back;
    int skipped = -1;
    QVERIFY2(readParameterFile(path, 61, &back, &skipped, &error), qPrintable(error));
    QCOMPARE(skipped, 0);
    QCOMPARE(back.size(), entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(back[i].index, entries[i].index);
        QCOMPARE(back[i].name, entries[i].name);
        QCOMPARE(back[i].value, entries[i].value);
    }
}

void TestParameterFile::brokenFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DocumentElement>\n"
                            "    <Param Index=\"1\" Name=\"a\">1</Param>\n"
                            "    <Param Index=\"2\" Name=\"b\">2</Param>\n</DocumentElement>\n";
    QTest::newRow("truncated") << good.left(good.size() - 30);
    QTest::newRow("no closing root") << good.left(good.indexOf("</DocumentElement>"));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("declaration only") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    QTest::newRow("not xml") << QByteArray("Index,Name,Value\n1,a,1\n");
    QTest::newRow("mismatched tags") << QByteArray("<DocumentElement><Param Index=\"1\">1</Parm></DocumentElement>");
    QTest::newRow("two roots") << QByteArray("<DocumentElement/><DocumentElement/>");
    QTest::newRow("missing file") << QByteArray("-");
}

void TestParameterFile::brokenFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    const QString path = pathOf(QStringLiteral("system param.xml"));
    if (bytes != "-")
        writeRaw(path, bytes);
    QVector<ParameterFileEntry> entries = {{7, QStringLiteral("kept"), QStringLiteral("kept")}};
    int skipped = 99;
    QString error;
    QVERIFY(!readParameterFile(path, 28, &entries, &skipped, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    // A refused file changes nothing the caller holds.
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0].value, QStringLiteral("kept"));
    QCOMPARE(skipped, 99);
}

void TestParameterFile::badIndexesAreSkipped()
{
    const QString path = pathOf(QStringLiteral("odd.xml"));
    writeRaw(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                   "<Root>\n"
                   "    <!-- note -->\n"
                   "    <Param Index=\"28\" Name=\"last\">28</Param>\n"
                   "    <Param Name=\"no index\">x</Param>\n"
                   "    <Param Index=\"abc\">x</Param>\n"
                   "    <Param Index=\"0\">x</Param>\n"
                   "    <Param Index=\"29\">x</Param>\n"
                   "    <Param Index=\"-1\">x</Param>\n"
                   "    <Param Index=\"1.5\">x</Param>\n"
                   "    <Param Index=\"99999999999999999999\">x</Param>\n"
                   "    <Item Index=\"1\" Name=\"other element\">first</Item>\n"
                   "    <Param Index=\"1\">second<b>!</b></Param>\n"
                   "</Root>\n");
    QVector<ParameterFileEntry> entries;
    int skipped = -1;
    QString error;
    QVERIFY2(readParameterFile(path, 28, &entries, &skipped, &error), qPrintable(error));
    QCOMPARE(skipped, 7);
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].index, 28);
    QCOMPARE(entries[0].name, QStringLiteral("last"));
    // Document order is kept, so a later element with the same Index wins when applied in turn.
    QCOMPARE(entries[1].index, 1);
    QCOMPARE(entries[1].value, QStringLiteral("first"));
    QCOMPARE(entries[2].index, 1);
    QCOMPARE(entries[2].value, QStringLiteral("second!"));
}

void TestParameterFile::unwritablePath()
{
    const QVector<ParameterFileEntry> entries = {{1, QStringLiteral("a"), QStringLiteral("1")}};
    for (const QString &path : {pathOf(QStringLiteral("no such folder/file.xml")), dir->path()}) {
        QString error;
        QVERIFY(!writeParameterFile(path, entries, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    }
}

void TestParameterFile::controlCharacterIsRefused()
{
    const QString path = pathOf(QStringLiteral("control.xml"));
    writeRaw(path, "kept");
    QVector<ParameterFileEntry> entries = {{1, QStringLiteral("Delay (S)"), QStringLiteral("5")},
                                           {2, QStringLiteral("Delay (S)"), QStringLiteral("5\x01")}};
    QString error;
    QVERIFY(!writeParameterFile(path, entries, &error));
    QVERIFY2(error.contains(QStringLiteral("control.xml")) && error.contains(QStringLiteral("control character")),
             qPrintable(error));
    QCOMPARE(readAll(path), QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TestParameterFile)
#include "tst_parameterfile.moc"
