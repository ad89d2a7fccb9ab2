#include "bmsdataarea.h"

BmsDataArea bmsArea;

namespace {
void markBlockRead(BmsDataArea &area, BmsBlock block)
{
    area.blockSession[block] = area.readSession + 1;
}

template <typename Record>
bool store(Record &record, quint8 &ready, const QByteArray &payload)
{
    if (!record.assign(payload))
        return false;
    ready = 1;
    return true;
}
} // namespace

bool BmsDataArea::setRealtimeData(const QByteArray &payload)
{
    return store(realtime, realtimeReady, payload);
}

bool BmsDataArea::setProtectionParams(const QByteArray &payload)
{
    if (!store(primaryProtection, primaryReadDone, payload))
        return false;
    markBlockRead(*this, BlockPrimaryProtection);
    return true;
}

bool BmsDataArea::setSecondaryProtectionParams(const QByteArray &payload)
{
    if (!store(secondaryProtection, secondaryReadDone, payload))
        return false;
    markBlockRead(*this, BlockSecondaryProtection);
    return true;
}

bool BmsDataArea::setSystemSettingParams(const QByteArray &payload)
{
    if (!store(systemSetting, systemSettingReady, payload))
        return false;
    markBlockRead(*this, BlockSystemSetting);
    return true;
}

bool BmsDataArea::setUserSettingParams(const QByteArray &payload)
{
    if (!store(userSetting, userSettingReady, payload))
        return false;
    markBlockRead(*this, BlockUserSetting);
    return true;
}

bool BmsDataArea::setCalibrationParams(const QByteArray &payload)
{
    if (!store(calibration, calibrationReady, payload))
        return false;
    markBlockRead(*this, BlockCalibration);
    return true;
}

bool BmsDataArea::setWifiMqttParams(const QByteArray &payload)
{
    if (!store(wifiMqtt, wifiMqttReady, payload))
        return false;
    markBlockRead(*this, BlockWifiMqtt);
    return true;
}

bool BmsDataArea::setHistoryRecord(const QByteArray &payload)
{
    if (payload.size() < BmsHistoryRecord::Size)
        return false;
    history.assign(payload);
    if (historyFirstRequest) {
        historyFirstRequest = 0;
        historyRecordCount = history.recordCount();
        historyRecordIndex = history.recordCount();
    }
    historyRecordReady = 1;
    return true;
}

bool BmsDataArea::setIdentityBlock(const QByteArray &payload)
{
    if (!identity.assign(payload))
        return false;
    identityRequest = 0;
    identityReady = 1;
    return true;
}

quint8 *BmsDataArea::writeFlags(BmsBlock block, int *count)
{
    return const_cast<quint8 *>(static_cast<const BmsDataArea *>(this)->writeFlags(block, count));
}

const quint8 *BmsDataArea::writeFlags(BmsBlock block, int *count) const
{
    switch (block) {
    case BlockPrimaryProtection:
        *count = 10;
        return primaryWriteRequest;
    case BlockSecondaryProtection:
        *count = 6;
        return secondaryWriteRequest;
    case BlockSystemSetting:
        *count = 7;
        return systemSettingWriteFlags;
    case BlockUserSetting:
        *count = 5;
        return userSettingWriteFlags;
    case BlockCalibration:
        *count = 1;
        return &lineLossWriteRequest;
    case BlockWifiMqtt:
        *count = 1;
        return &wifiMqttWriteRequest;
    case BlockCount:
        break;
    }
    *count = 0;
    return nullptr;
}

bool BmsDataArea::anyWriteFlag(BmsBlock block)
{
    int count = 0;
    const quint8 *flags = writeFlags(block, &count);
    for (int i = 0; i < count; ++i) {
        if (flags[i])
            return true;
    }
    return false;
}

void BmsDataArea::clearWriteFlags(BmsBlock block)
{
    int count = 0;
    quint8 *flags = writeFlags(block, &count);
    for (int i = 0; i < count; ++i) {
        flags[i] = 0;
        confirmedSerial[block][i] = 0;
        confirmedImage[block][i].clear();
    }
}

void BmsDataArea::lowerWriteFlag(BmsBlock block, int flagIndex)
{
    int count = 0;
    quint8 *flags = writeFlags(block, &count);
    if (flagIndex < 0 || flagIndex >= count)
        return;
    flags[flagIndex] = 0;
    confirmedSerial[block][flagIndex] = 0;
    confirmedImage[block][flagIndex].clear();
}

bool BmsDataArea::writeConfirmed(BmsBlock block, int flagIndex) const
{
    int count = 0;
    const quint8 *flags = writeFlags(block, &count);
    return flagIndex >= 0 && flagIndex < count && flags[flagIndex] && confirmedSerial[block][flagIndex] != 0;
}

QByteArray BmsDataArea::recordBytes(BmsBlock block) const
{
    switch (block) {
    case BlockPrimaryProtection:
        return primaryProtection.toByteArray();
    case BlockSecondaryProtection:
        return secondaryProtection.toByteArray();
    case BlockSystemSetting:
        return systemSetting.toByteArray();
    case BlockUserSetting:
        return userSetting.toByteArray();
    case BlockCalibration:
        return calibration.toByteArray();
    case BlockWifiMqtt:
        return wifiMqtt.toByteArray();
    case BlockCount:
        break;
    }
    return QByteArray();
}

void BmsDataArea::armWrite(BmsBlock block)
{
    int count = 0;
    writeFlags(block, &count);
    QList<int> all;
    for (int i = 0; i < count; ++i)
        all << i;
    armWrite(block, all);
}

void BmsDataArea::armWrite(BmsBlock block, const QList<int> &flagIndexes)
{
    writeImage[block] = recordBytes(block);
    int count = 0;
    const quint8 *flags = writeFlags(block, &count);
    const quint32 serial = ++confirmationCount;
    for (int i : flagIndexes) {
        if (i < 0 || i >= count || !flags[i])
            continue;
        confirmedImage[block][i] = writeImage[block];
        confirmedSerial[block][i] = serial;
    }
    writeArmed[block] = 1;
    updateWritePending();
}

void BmsDataArea::disarmWrite(BmsBlock block)
{
    writeArmed[block] = 0;
    for (int i = 0; i < MaxWriteFlags; ++i) {
        confirmedSerial[block][i] = 0;
        confirmedImage[block][i].clear();
    }
    updateWritePending();
}

void BmsDataArea::disarmAllWrites()
{
    for (int b = 0; b < BlockCount; ++b)
        disarmWrite(static_cast<BmsBlock>(b));
    parameterWritePending = 0;
}

void BmsDataArea::updateWritePending()
{
    parameterWritePending = 0;
    for (int b = 0; b < BlockCount; ++b) {
        const BmsBlock block = static_cast<BmsBlock>(b);
        int count = 0;
        const quint8 *flags = writeFlags(block, &count);
        bool confirmed = false;
        for (int i = 0; i < count; ++i) {
            // A flag lowered by a page takes its confirmation with it, so
            // raising it again later does not revive old values.
            if (!flags[i]) {
                confirmedSerial[b][i] = 0;
                confirmedImage[b][i].clear();
            } else if (confirmedSerial[b][i]) {
                confirmed = true;
            }
        }
        if (!confirmed)
            writeArmed[b] = 0;
        if (writeArmed[b])
            parameterWritePending = 1;
    }
}

void BmsDataArea::forgetReads()
{
    ++readSession;
    identityStale = 1;
    dropUnshownRecords();
}

void BmsDataArea::dropUnshownRecords()
{
    // A record stored but not yet shown belongs to the pack of before.
    primaryReadDone = 0;
    secondaryReadDone = 0;
    systemSettingReady = 0;
    userSettingReady = 0;
    calibrationReady = 0;
    wifiMqttReady = 0;
}

bool BmsDataArea::takeReadCompleted(bool filled)
{
    if (!filled || !readCompletedAnnounce)
        return false;
    readCompletedAnnounce = 0;
    return true;
}

bool BmsDataArea::blockReadInSession(BmsBlock block) const
{
    return shownInCurrentSession(blockSession[block]);
}

bool BmsDataArea::shownInCurrentSession(quint32 shownSession) const
{
    return shownSession != 0 && shownSession == readSession + 1;
}

void BmsDataArea::startLinkSession()
{
    forgetReads();
    disarmAllWrites();
}

void BmsDataArea::reset()
{
    bmsArea = BmsDataArea();
}

std::function<QDateTime()> &bmsPcClock()
{
    static std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    return clock;
}

QByteArray bmsClockBytes(const QDateTime &now)
{
    const int year = now.date().year() - 2000;
    // The BMS keeps the year in one byte counted from 2000.
    if (!now.isValid() || year < 0 || year > 255)
        return QByteArray();
    const int parts[] = {year, now.date().month(), now.date().day(), now.time().hour(), now.time().minute(),
                         now.time().second()};
    QByteArray bytes;
    for (int part : parts)
        bytes.append(static_cast<char>(part));
    return bytes;
}
