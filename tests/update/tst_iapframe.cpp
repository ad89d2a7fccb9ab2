// IAP frames and the image file loader.
#include "crc16.h"
#include "iapengine.h"
#include "iapframe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

quint16 be16(const QByteArray &bytes, int offset)
{
    return quint16((quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1)));
}

quint16 le16(const QByteArray &bytes, int offset)
{
    return quint16(quint8(bytes.at(offset)) | (quint8(bytes.at(offset + 1)) << 8));
}

quint32 le32(const QByteArray &bytes, int offset)
{
    return le16(bytes, offset) | (quint32(le16(bytes, offset + 2)) << 16);
}

QByteArray reply(quint8 command, const QByteArray &payload)
{
    QByteArray frame = QByteArray::fromHex("A501") + char(command);
    const int len = payload.size() + 2;
    frame += char(len >> 8);
    frame += char(len & 0xFF);
    frame += payload;
    const quint16 crc = crc16ModbusValue(frame);
    frame += char(crc >> 8);
    frame += char(crc & 0xFF);
    return frame;
}

// Sets or clears the immutable flag: not even root may open the file for writing.
bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

} // namespace

class TestIapFrame : public QObject
{
    Q_OBJECT

private slots:
    void init() { IapDownloadArea::reset(); }

    void requestFramesCarryTheirLayout();
    void applicationNameAndTag();
    void repliesAreCheckedWithoutReadingPastThem();
    void replyCrcCoversTheWholeReply_data();
    void replyCrcCoversTheWholeReply();
    void imageChecksumAddsExchangedBlockCrcs();

    void imageFilesLoadIntoTheZeroFilledBuffer();
    void refusedFilesKeepTheEarlierImage();
};

void TestIapFrame::requestFramesCarryTheirLayout()
{
    IapRecord record;
    record.status = IapStatusHandshake;
    record.dataLength = IapHandshakeDataLength;
    record.blockCount = 3;
    record.fileSize = 2100;
    record.imageChecksum = 0x01020304;
    record.flashAddress = IapAppBootFlashBase;
    const QByteArray handshake = buildIapFrame(7, IapHandshakeApp, record);
    QCOMPARE(handshake.size(), 79);
    QCOMPARE(handshake.left(5), QByteArray::fromHex("A507F0004C"));
    QCOMPARE(le16(handshake, 5 + 52), quint16(3));
    QCOMPARE(le16(handshake, 5 + 54), quint16(1));
    QCOMPARE(le16(handshake, 5 + 56), quint16(0x004A));
    QCOMPARE(le32(handshake, 5 + 60), quint32(0x01020304));
    QCOMPARE(le32(handshake, 5 + 64), quint32(2100));
    QCOMPARE(le32(handshake, 5 + 68), quint32(0x08021800));
    QCOMPARE(be16(handshake, 77), crc16ModbusValue(handshake.left(77)));

    QByteArray block(IapBlockSize, '\0');
    for (int i = 0; i < block.size(); ++i)
        block[i] = char(i * 7);
    record.blockCrc = iapBlockCrc(reinterpret_cast<const quint8 *>(block.constData()));
    const QByteArray frame = buildIapFrame(7, IapBlockRequest, record, block);
    QCOMPARE(frame.size(), 1103);
    QCOMPARE(be16(frame, 3), quint16(0x044C));
    // The block's CRC goes high byte first, unlike the other fields.
    QCOMPARE(be16(frame, 5 + 48), crc16ModbusValue(block));
    QCOMPARE(frame.mid(77, IapBlockSize), block);
    QCOMPARE(be16(frame, 1101), crc16ModbusValue(frame.left(1101)));

    QCOMPARE(iapFrameDump(QByteArray::fromHex("A501F10a")), QStringLiteral(" A5 01 F1 0A"));
}

void TestIapFrame::applicationNameAndTag()
{
    IapRecord record;
    record.setApplicationName(QStringLiteral("ABCDEFGHIJKLMNOP"));
    QByteArray bytes = record.toBytes();
    QCOMPARE(bytes.left(8), QByteArray("GHIJKLMN"));
    QCOMPARE(bytes.mid(14, 8), QByteArray("GHIJKLMN"));

    record.setApplicationName(QStringLiteral("fw1234.bin"));
    bytes = record.toBytes();
    QCOMPARE(bytes.left(8), QByteArray(".bin\0\0\0\0", 8));
    QCOMPARE(bytes.mid(8, 12), QByteArray("fw1234.bin\0\0", 12));

    record.setApplicationName(QString(50, QLatin1Char('x')) + QStringLiteral("é"));
    bytes = record.toBytes();
    QCOMPARE(bytes.mid(8, 40), QByteArray(40, 'x'));
    QCOMPARE(bytes.size(), IapRecordSize);
}

void TestIapFrame::repliesAreCheckedWithoutReadingPastThem()
{
    IapRecord record;
    record.blockIndex = 5;
    record.status = 1;
    record.flashAddress = 0x400;
    const QByteArray good = reply(IapBlockRequest, record.toBytes());
    QCOMPARE(good.size(), 79);
    IapReply parsed = parseIapReply(good);
    QVERIFY(parsed.good);
    QCOMPARE(parsed.len, quint16(0x004A));
    QCOMPARE(parsed.record.blockIndex, quint16(5));
    QCOMPARE(parsed.record.flashAddress, quint32(0x400));
    QCOMPARE(parsed.computedCrc, parsed.receivedCrc);

    // One byte too many, a frame cut short, a LEN past the bytes, a few bytes only.
    QVERIFY(!parseIapReply(good + '\0').good);
    QVERIFY(!parseIapReply(good.left(60)).good);
    QByteArray longLen = good;
    longLen[3] = char(0x7F);
    QVERIFY(!parseIapReply(longLen).good);
    parsed = parseIapReply(QByteArray::fromHex("A503F1"));
    QVERIFY(!parsed.good);
    QVERIFY(parsed.hasHeader);
    QCOMPARE(parsed.command, quint8(0xF1));

    // A good CRC over a payload shorter than one record is no good reply either.
    parsed = parseIapReply(reply(IapBlockRequest, QByteArray(10, '\1')));
    QVERIFY(parsed.crcOk);
    QVERIFY(!parsed.good);
}

void TestIapFrame::replyCrcCoversTheWholeReply_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<bool>("good");
    IapRecord record;
    record.blockIndex = 2;
    record.status = 1;
    QTest::newRow("one record") << reply(IapBlockRequest, record.toBytes()) << true;
    QTest::newRow("a record and a block")
        << reply(IapBlockRequest, record.toBytes() + QByteArray(IapBlockSize, '\x5C')) << true;
    QTest::newRow("one byte past a record and a block")
        << reply(IapBlockRequest, record.toBytes() + QByteArray(IapBlockSize + 1, '\x5C')) << false;

    // LEN 0xFFFC to 0xFFFF: a CRC taken over a 16-bit count of the bytes
    // before it covers 65535 (all of them: refused for its length alone), 0, 1
    // or 2 of them. Each buffer ends in that CRC.
    for (int len = 0xFFFC; len <= 0xFFFF; ++len) {
        QByteArray frame = QByteArray::fromHex("A501F1") + char(len >> 8) + char(len & 0xFF);
        frame += record.toBytes();
        frame += QByteArray(len + 3 - frame.size(), '\0');
        const quint16 wrapped = crc16ModbusValue(frame.left(quint16(frame.size())));
        frame += char(wrapped >> 8);
        frame += char(wrapped & 0xFF);
        QTest::newRow(qPrintable(QStringLiteral("LEN %1, 16-bit CRC count").arg(len, 4, 16))) << frame << false;
    }
}

void TestIapFrame::replyCrcCoversTheWholeReply()
{
    QFETCH(QByteArray, buffer);
    QFETCH(bool, good);
    const IapReply parsed = parseIapReply(buffer);
    QCOMPARE(parsed.good, good);
    QCOMPARE(parsed.crcOk, good);
}

void TestIapFrame::imageChecksumAddsExchangedBlockCrcs()
{
    quint8 image[2 * IapBlockSize] = {};
    image[0] = 0x5A;
    image[IapBlockSize] = 0x01;
    image[IapBlockSize + 1] = 0x02;
    auto exchanged = [](const QByteArray &block) {
        const quint16 crc = crc16ModbusValue(block);
        return quint32(quint16((crc << 8) | (crc >> 8)));
    };
    const QByteArray first(reinterpret_cast<const char *>(image), IapBlockSize);
    const QByteArray second(reinterpret_cast<const char *>(image + IapBlockSize), IapBlockSize);
    QCOMPARE(iapImageChecksum(image, 1), exchanged(first));
    QCOMPARE(iapImageChecksum(image, 2), exchanged(first) + exchanged(second));
    QCOMPARE(iapImageChecksum(image, 0), quint32(0));
}

void TestIapFrame::imageFilesLoadIntoTheZeroFilledBuffer()
{
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    };
    QString error;
    // An empty file is nothing to download: refused, nothing loaded.
    QCOMPARE(loadIapImage(write("empty.bin", QByteArray()), &error), IapLoadResult::Empty);
    QCOMPARE(iapArea.iapFileLoaded, quint8(0));
    QVERIFY(iapArea.iapFilePath.isEmpty());

    QCOMPARE(loadIapImage(write("big.bin", QByteArray(3000, '\xEE')), &error), IapLoadResult::Loaded);
    QCOMPARE(iapArea.iapBlockCount, 3);
    QCOMPARE(loadIapImage(write("small.bin", QByteArray(1025, '\x11')), &error), IapLoadResult::Loaded);
    QCOMPARE(iapArea.iapBlockCount, 2);
    QCOMPARE(iapArea.iapFileSize, qint64(1025));
    QCOMPARE(iapArea.iapImage[1024], quint8(0x11));
    // Nothing of the larger file is left behind.
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(iapArea.iapImage) + 1025, 3000),
             QByteArray(3000, '\0'));

    QByteArray full(IapImageSize, '\0');
    for (int i = 0; i < full.size(); ++i)
        full[i] = char(i % 251);
    QCOMPARE(loadIapImage(write("full.bin", full), &error), IapLoadResult::Loaded);
    QCOMPARE(iapArea.iapBlockCount, 1024);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(iapArea.iapImage), IapImageSize), full);

    // A write-protected file loads: it is only read.
    const QString locked = write("locked.bin", QByteArray(10, '\x42'));
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    const bool immutable = ::geteuid() != 0 || setImmutable(locked, true);
    QCOMPARE(loadIapImage(locked, &error), IapLoadResult::Loaded);
    QCOMPARE(iapArea.iapImage[9], quint8(0x42));
    if (::geteuid() == 0)
        setImmutable(locked, false);
    if (!immutable)
        QSKIP("the file could not be made write-protected for root");
}

void TestIapFrame::refusedFilesKeepTheEarlierImage()
{
    QTemporaryDir dir;
    QFile good(dir.filePath("good.bin"));
    good.open(QIODevice::WriteOnly);
    good.write(QByteArray(1500, '\x33'));
    good.close();
    QFile tooLarge(dir.filePath("large.bin"));
    tooLarge.open(QIODevice::WriteOnly);
    tooLarge.write(QByteArray(IapImageSize + 1, '\x44'));
    tooLarge.close();

    QString error;
    QCOMPARE(loadIapImage(good.fileName(), &error), IapLoadResult::Loaded);
    QCOMPARE(loadIapImage(tooLarge.fileName(), &error), IapLoadResult::TooLarge);
    QCOMPARE(loadIapImage(dir.path(), &error), IapLoadResult::NotAFile);
    QCOMPARE(loadIapImage(dir.filePath("missing.bin"), &error), IapLoadResult::Unreadable);
    QVERIFY(!error.isEmpty());

    QCOMPARE(iapArea.iapFileLoaded, quint8(1));
    QCOMPARE(iapArea.iapFilePath, good.fileName());
    QCOMPARE(iapArea.iapBlockCount, 2);
    QCOMPARE(iapArea.iapImage[1499], quint8(0x33));
    QCOMPARE(iapArea.iapImage[1500], quint8(0));
}

QTEST_GUILESS_MAIN(TestIapFrame)
#include "tst_iapframe.moc"
