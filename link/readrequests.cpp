#include "readrequests.h"

#include "crc16.h"

namespace {

// True when any of the first `count` flag bytes is raised.
bool anySet(const quint8 *flags, int count)
{
    for (int i = 0; i < count; ++i) {
        if (flags[i])
            return true;
    }
    return false;
}

template <int N>
void clearAll(quint8 (&flags)[N])
{
    for (quint8 &flag : flags)
        flag = 0;
}

using A = BmsDataArea;

} // namespace

QByteArray ReadRequest::data() const
{
    return registerRangeData(start, count);
}

int ReadRequest::replySize() const
{
    return kind == Operation || kind == CalibrationOperation ? 1 : 2 * count;
}

const QVector<ReadRequest> &readRequests()
{
    static const QVector<ReadRequest> rows = {
        {ReadRequest::Identity, 0x17, 24, 20,
         [](const A &a) { return a.identityRequest && !a.userSettingReady; },
         [](A &a) { a.identityRequest = 0; },
         // The background handshake is given up silently; the next request goes on.
         [](A &a) { a.identityRequest = 0; return false; }, "identity"},
        {ReadRequest::BlockRead, 0x02, 0, PrimaryProtectionRecord::RegisterCount,
         [](const A &a) { return anySet(a.primaryReadRequest, 10) && !a.primaryReadDone; }, nullptr,
         [](A &a) { clearAll(a.primaryReadRequest); return true; }, "primary protection"},
        {ReadRequest::BlockRead, 0x0B, 0, BmsSystemSettingRecord::RegisterCount,
         [](const A &a) {
             return (anySet(a.systemSettingReadFlags, 8) || a.settingsPollRequest) && !a.systemSettingReady;
         },
         // The reply handler lowers the background poll and asks for the next request at once.
         nullptr,
         [](A &a) {
             // The background poll is dropped too, so it cannot hold back the
             // requests behind it; only a page's read is reported.
             a.settingsPollRequest = 0;
             const bool asked = anySet(a.systemSettingReadFlags, 8);
             clearAll(a.systemSettingReadFlags);
             return asked;
         }, "system settings"},
        {ReadRequest::BlockRead, 0x17, 0, BmsUserSettingRecord::RegisterCount,
         [](const A &a) { return anySet(a.userSettingReadFlags, 5) && !a.userSettingReady; }, nullptr,
         [](A &a) { clearAll(a.userSettingReadFlags); return true; }, "user settings"},
        {ReadRequest::BlockRead, 0x1D, 0, BmsCalibrationRecord::RegisterCount,
         [](const A &a) { return (a.calibrationReadRequest || a.lineLossReadRequest) && !a.calibrationReady; },
         nullptr,
         [](A &a) {
             a.calibrationReadRequest = 0;
             a.lineLossReadRequest = 0;
             return true;
         }, "calibration"},
        {ReadRequest::BlockRead, 0x04, 0, SecondaryProtectionRecord::RegisterCount,
         [](const A &a) { return anySet(a.secondaryReadRequest, 6) && !a.secondaryReadDone; }, nullptr,
         [](A &a) { clearAll(a.secondaryReadRequest); return true; }, "secondary protection"},
        {ReadRequest::Operation, 0x10, 0x16, 0, [](const A &a) { return a.deleteHistoryRequest != 0; },
         [](A &a) { a.deleteHistoryRequest = 0; },
         [](A &a) { a.deleteHistoryRequest = 0; return true; }, "history deletion"},
        // The frame of a calibration operation depends on the flags raised;
        // start and count stand for nothing here.
        {ReadRequest::CalibrationOperation, 0x10, 0, 0,
         [](const A &a) { return anySet(a.calibrationCommandFlags, 10); }, nullptr,
         [](A &a) { clearAll(a.calibrationCommandFlags); return true; }, "calibration operation"},
        {ReadRequest::BlockRead, 0x06, 0, BmsWifiMqttRecord::RegisterCount,
         [](const A &a) { return a.wifiMqttReadRequest != 0; }, nullptr,
         [](A &a) { a.wifiMqttReadRequest = 0; return true; }, "WiFi/MQTT"},
        {ReadRequest::Operation, 0x10, 0x14, 0, [](const A &a) { return a.bmsResetRequest != 0; },
         [](A &a) { a.bmsResetRequest = 0; },
         [](A &a) { a.bmsResetRequest = 0; return true; }, "BMS reset"},
        {ReadRequest::LivePoll, 0x01, 0, BmsRealtimeRecord::RegisterCount, [](const A &) { return true; },
         nullptr, [](A &) { return false; }, "live data"},
    };
    return rows;
}
