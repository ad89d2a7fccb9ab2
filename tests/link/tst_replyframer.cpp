// The receive side's frame check.
#include "crc16.h"
#include "replyframer.h"

#include <QtTest>

#include <cstring>
#include <memory>

Q_DECLARE_METATYPE(BmsReply::Status)

namespace {

// The bytes in a heap block of exactly their size, seen through a QByteArray
// that does not own them: a read past the end is caught by the sanitizer.
class ExactBytes
{
public:
    explicit ExactBytes(const QByteArray &bytes)
        : m_data(new char[static_cast<size_t>(qMax(bytes.size(), 1))])
    {
        std::memcpy(m_data.get(), bytes.constData(), static_cast<size_t>(bytes.size()));
        m_view = QByteArray::fromRawData(m_data.get(), bytes.size());
    }
    const QByteArray &bytes() const { return m_view; }

private:
    std::unique_ptr<char[]> m_data;
    QByteArray m_view;
};

QByteArray livePayload()
{
    QByteArray payload(120, '\0');
    for (int i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<char>(i * 3);
    return payload;
}

QByteArray withLength(QByteArray frame, int length)
{
    frame[3] = static_cast<char>(length >> 8);
    frame[4] = static_cast<char>(length & 0xFF);
    return frame;
}

} // namespace

class TestReplyFramer : public QObject
{
    Q_OBJECT

private slots:
    void frames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<BmsReply::Status>("status");
        QTest::addColumn<bool>("hasHeader");
        QTest::addColumn<QByteArray>("payload");

        const QByteArray live = buildBmsReply(0, 0x01, livePayload());
        const QByteArray ack = buildBmsReply(0, 0x03, QByteArray(1, '\1'));
        QByteArray badCrc = live;
        badCrc[badCrc.size() - 1] = static_cast<char>(badCrc.at(badCrc.size() - 1) ^ 0x01);
        QByteArray badPayload = live;
        badPayload[40] = static_cast<char>(badPayload.at(40) ^ 0x10);

        QTest::newRow("good") << live << BmsReply::Good << true << livePayload();
        QTest::newRow("write acknowledgement") << ack << BmsReply::Good << true << QByteArray(1, '\1');
        QTest::newRow("empty payload") << buildBmsReply(0, 0x10, QByteArray()) << BmsReply::Good << true
                                       << QByteArray();
        QTest::newRow("first half of a split reply") << live.left(live.size() / 2) << BmsReply::BadLength
                                                     << true << QByteArray();
        QTest::newRow("all but the last byte") << live.chopped(1) << BmsReply::BadLength << true << QByteArray();
        QTest::newRow("garbage before") << QByteArray::fromHex("0011FE") + live << BmsReply::Good << true
                                        << livePayload();
        QTest::newRow("bytes after the frame") << ack + QByteArray::fromHex("A5A5A5") << BmsReply::Good << true
                                               << QByteArray(1, '\1');
        QTest::newRow("bad CRC") << badCrc << BmsReply::BadCrc << true << QByteArray();
        QTest::newRow("corrupted payload") << badPayload << BmsReply::BadCrc << true << QByteArray();
        QTest::newRow("LEN 0") << withLength(ack, 0) << BmsReply::BadLength << true << QByteArray();
        QTest::newRow("LEN 1") << withLength(ack, 1) << BmsReply::BadLength << true << QByteArray();
        QTest::newRow("LEN past the bytes") << withLength(ack, 4) << BmsReply::BadLength << true << QByteArray();
        QTest::newRow("LEN 65535") << withLength(live, 0xFFFF) << BmsReply::BadLength << true << QByteArray();
        QTest::newRow("LEN short of the payload") << withLength(live, 60) << BmsReply::BadCrc << true
                                                  << QByteArray();
        QTest::newRow("nothing") << QByteArray() << BmsReply::NoFrame << false << QByteArray();
        QTest::newRow("no start byte") << QByteArray::fromHex("0001000003011EDD") << BmsReply::NoFrame << false
                                       << QByteArray();
        QTest::newRow("start byte only") << QByteArray::fromHex("A5") << BmsReply::NoFrame << false
                                         << QByteArray();
        QTest::newRow("address and command only") << QByteArray::fromHex("A50001") << BmsReply::NoFrame << true
                                                   << QByteArray();
        QTest::newRow("header without LEN low byte") << QByteArray::fromHex("A5000100") << BmsReply::NoFrame
                                                     << true << QByteArray();
        QTest::newRow("header only") << live.left(5) << BmsReply::BadLength << true << QByteArray();
    }

    void frames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(BmsReply::Status, status);
        QFETCH(bool, hasHeader);
        QFETCH(QByteArray, payload);
        const ExactBytes exact(bytes);
        const BmsReply reply = parseBmsReply(exact.bytes());
        QCOMPARE(reply.status, status);
        QCOMPARE(reply.ok(), status == BmsReply::Good);
        QCOMPARE(reply.hasHeader, hasHeader);
        QCOMPARE(reply.payload, payload);
    }

    void splitReplyJoined()
    {
        const QByteArray frame = buildBmsReply(0x03, 0x0B, QByteArray(98, '\x5A'));
        const int half = frame.size() / 2;
        QCOMPARE(parseBmsReply(frame.left(half)).status, BmsReply::BadLength);
        const BmsReply joined = parseBmsReply(frame.left(half) + frame.mid(half));
        QVERIFY(joined.ok());
        QCOMPARE(joined.address, quint8(0x03));
        QCOMPARE(joined.command, quint8(0x0B));
        QCOMPARE(joined.payload, QByteArray(98, '\x5A'));
    }

    // A 0xA5 in noise or a damaged frame before the reply does not hide it.
    void replyAfterFalseStarts()
    {
        const QByteArray reply = buildBmsReply(0x07, 0x0B, QByteArray(98, '\x5A'));
        const QByteArray noise = QByteArray::fromHex("00A5FF");
        QByteArray damaged = buildBmsReply(0x01, 0x01, QByteArray(4, '\x11'));
        damaged[6] = static_cast<char>(damaged.at(6) ^ 0x01);
        for (const QByteArray &before : {noise, damaged, noise + damaged}) {
            const ExactBytes exact(before + reply);
            const BmsReply parsed = parseBmsReply(exact.bytes());
            QVERIFY(parsed.ok());
            QCOMPARE(parsed.address, quint8(0x07));
            QCOMPARE(parsed.command, quint8(0x0B));
            QCOMPARE(parsed.payload, QByteArray(98, '\x5A'));
        }
    }

    void headerOfBadFrames()
    {
        QByteArray frame = buildBmsReply(0x42, 0x17, QByteArray(40, 'x'));
        frame[10] = 'y';
        const BmsReply reply = parseBmsReply(frame);
        QCOMPARE(reply.status, BmsReply::BadCrc);
        QCOMPARE(reply.address, quint8(0x42));
        QCOMPARE(reply.command, quint8(0x17));
    }
};

QTEST_GUILESS_MAIN(TestReplyFramer)
#include "tst_replyframer.moc"
