#include "writegroups.h"

const QVector<WriteGroup> &writeGroups()
{
    static const QVector<WriteGroup> groups = {
        // Primary protection, command 0x03.
        {BlockPrimaryProtection, 0, true, 0x03, 0, 126, "primary write all"},
        {BlockPrimaryProtection, 9, false, 0x03, 0, 27, "OV1"},
        {BlockPrimaryProtection, 8, false, 0x03, 10, 27, "UV1"},
        {BlockPrimaryProtection, 7, false, 0x03, 100, 10, "OCC1"},
        {BlockPrimaryProtection, 6, false, 0x03, 90, 10, "OCD1"},
        {BlockPrimaryProtection, 5, false, 0x03, 40, 17, "OT"},
        {BlockPrimaryProtection, 4, false, 0x03, 70, 17, "UT"},
        {BlockPrimaryProtection, 2, false, 0x03, 60, 10, "MOSFET"},
        {BlockPrimaryProtection, 3, false, 0x03, 110, 6, "ambient"},
        {BlockPrimaryProtection, 1, false, 0x03, 116, 9, "SOC"},
        // Secondary protection, command 0x05.
        {BlockSecondaryProtection, 5, true, 0x05, 0, 50, "secondary write all"},
        {BlockSecondaryProtection, 4, false, 0x05, 0, 6, "OV2"},
        {BlockSecondaryProtection, 3, false, 0x05, 6, 6, "UV2"},
        {BlockSecondaryProtection, 2, false, 0x05, 42, 6, "SCD"},
        {BlockSecondaryProtection, 0, false, 0x05, 30, 12, "OCD2"},
        {BlockSecondaryProtection, 1, false, 0x05, 24, 6, "OCC2"},
        // System settings, command 0x0C.
        {BlockSystemSetting, 0, true, 0x0C, 0, 49, "settings write all"},
        {BlockSystemSetting, 6, false, 0x0C, 0, 6, "battery"},
        {BlockSystemSetting, 5, false, 0x0C, 10, 25, "power"},
        {BlockSystemSetting, 4, false, 0x0C, 33, 3, "balance"},
        {BlockSystemSetting, 3, false, 0x0C, 36, 3, "heating"},
        {BlockSystemSetting, 2, false, 0x0C, 46, 2, "limit"},
        {BlockSystemSetting, 1, false, 0x0C, 48, 1, "switch"},
        // User settings, command 0x18.
        {BlockUserSetting, 0, true, 0x18, 0, 88, "user write all"},
        {BlockUserSetting, 3, false, 0x18, 24, 49, "production"},
        {BlockUserSetting, 2, false, 0x18, 21, 3, "RTC"},
        {BlockUserSetting, 4, false, 0x18, 0, 9, "inverter"},
        {BlockUserSetting, 1, false, 0x18, 74, 14, "com"},
        // Line loss, command 0x1E: the whole calibration record.
        {BlockCalibration, 0, true, 0x1E, 0, 29, "line loss"},
        // WiFi/MQTT, command 0x07: the whole record.
        {BlockWifiMqtt, 0, true, 0x07, 0, 122, "WiFi/MQTT"},
    };
    return groups;
}

const WriteGroup *findWriteGroup(BmsBlock block, int flagIndex)
{
    for (const WriteGroup &group : writeGroups()) {
        if (group.block == block && group.flagIndex == flagIndex)
            return &group;
    }
    return nullptr;
}

bool writeNeedsRead(BmsBlock block, const QVector<int> &encodedRegisters)
{
    if (bmsArea.blockReadInSession(block))
        return false;
    int count = 0;
    const quint8 *raised = bmsArea.writeFlags(block, &count);
    for (int flag = 0; flag < count; ++flag) {
        const WriteGroup *range = raised[flag] ? findWriteGroup(block, flag) : nullptr;
        if (!range)
            continue;
        for (int reg = range->start; reg < range->start + range->count; ++reg) {
            if (!encodedRegisters.contains(reg))
                return true;
        }
    }
    return false;
}
