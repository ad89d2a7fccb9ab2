#include "protectiontables.h"

#include "valueparse.h"

#include <QStringList>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr qint64 I32Min = std::numeric_limits<qint32>::min();
constexpr qint64 I32Max = std::numeric_limits<qint32>::max();
constexpr qint64 I16Min = std::numeric_limits<qint16>::min();
constexpr qint64 I16Max = std::numeric_limits<qint16>::max();

// Offsets within a 20-byte item of the primary record.
constexpr int ItemProtect = 0;
constexpr int ItemRelease = 4;
constexpr int ItemAlarm = 8;
constexpr int ItemDelay = 12;
constexpr int ItemEnable = 13;
constexpr int ItemLatchLimit = 15;
constexpr int ItemReleaseTime = 16;

// Start of each item of the primary record.
constexpr int CellOverVoltage = 0;
constexpr int CellUnderVoltage = 20;
constexpr int PackOverVoltage = 40;
constexpr int PackUnderVoltage = 60;
constexpr int DischargeOverTemp = 80;
constexpr int ChargeOverTemp = 100;
constexpr int MosfetOverTemp = 120;
constexpr int DischargeUnderTemp = 140;
constexpr int ChargeUnderTemp = 160;
constexpr int DischargeOverCurrent1 = 180;
constexpr int ChargeOverCurrent1 = 200;

// Offsets within a 12-byte item of the secondary record.
constexpr int AfeProtect = 2;
constexpr int AfeRelease = 4;
constexpr int AfeDelayIndex = 6;
constexpr int AfeReleaseTime = 7;
constexpr int AfeLatchLimit = 8;
constexpr int AfeEnable = 9;

constexpr int CellOverVoltage2 = 0;
constexpr int CellUnderVoltage2 = 12;
constexpr int ChargeOverCurrent2 = 48;
constexpr int DischargeOverCurrent2 = 60;
constexpr int DischargeOverCurrent3 = 72;
constexpr int ShortCircuit = 84;

// A 32-bit threshold typed in the record's unit; 0 refused.
ProtectionField wholeI32(const char *combo, int offset)
{
    return {combo, offset, FieldWidth::I32, ParseKind::Whole, 1.0, 0, I32Min, I32Max, true};
}

// A 32-bit threshold typed in display units; 0 refused.
ProtectionField scaledI32(const char *combo, int offset, double scale, int decimals)
{
    return {combo, offset, FieldWidth::I32, ParseKind::Scaled, scale, decimals, I32Min, I32Max, true};
}

// An under-temperature threshold (0.1 degC): at most 30.0 degC, 0 allowed.
ProtectionField underTemp(const char *combo, int offset)
{
    return {combo, offset, FieldWidth::I32, ParseKind::Scaled, 10.0, 1, I32Min, 300, false};
}

// A temperature (0.1 degC) whose value must fit 16 bits, stored with the given width; 0 refused.
ProtectionField temp16(const char *combo, int offset, FieldWidth width)
{
    return {combo, offset, width, ParseKind::Scaled, 10.0, 1, I16Min, I16Max, true};
}

// A byte: delay, latch limit or release time, 1 to 255.
ProtectionField byteField(const char *combo, int offset)
{
    return {combo, offset, FieldWidth::U8, ParseKind::Whole, 1.0, 0, 1, 255, true};
}

// A 16-bit threshold of the secondary record; 0 refused.
ProtectionField wholeI16(const char *combo, int offset)
{
    return {combo, offset, FieldWidth::I16, ParseKind::Whole, 1.0, 0, I16Min, I16Max, true};
}

// A delay code: the position of the selected item.
ProtectionField delayIndex(const char *combo, int offset)
{
    return {combo, offset, FieldWidth::U8, ParseKind::Index, 1.0, 0, 0, 255, false};
}

QVector<ProtectionField> voltageItem(const char *alarm, const char *protect, const char *delay,
                                     const char *release, int item, bool pack)
{
    if (pack) {
        return {scaledI32(alarm, item + ItemAlarm, 1000.0, 2),
                scaledI32(protect, item + ItemProtect, 1000.0, 2),
                byteField(delay, item + ItemDelay),
                scaledI32(release, item + ItemRelease, 1000.0, 2)};
    }
    return {wholeI32(alarm, item + ItemAlarm), wholeI32(protect, item + ItemProtect),
            byteField(delay, item + ItemDelay), wholeI32(release, item + ItemRelease)};
}

QVector<ProtectionField> overTempItem(const char *alarm, const char *protect, const char *delay,
                                      const char *release, int item)
{
    return {scaledI32(alarm, item + ItemAlarm, 10.0, 1), scaledI32(protect, item + ItemProtect, 10.0, 1),
            byteField(delay, item + ItemDelay), scaledI32(release, item + ItemRelease, 10.0, 1)};
}

QVector<ProtectionField> underTempItem(const char *alarm, const char *protect, const char *delay,
                                       const char *release, int item)
{
    return {underTemp(alarm, item + ItemAlarm), underTemp(protect, item + ItemProtect),
            byteField(delay, item + ItemDelay), underTemp(release, item + ItemRelease)};
}

QVector<ProtectionField> currentItem(const char *alarm, const char *protect, const char *delay,
                                     const char *release, const char *latch, const char *releaseTime,
                                     int item)
{
    return {scaledI32(alarm, item + ItemAlarm, 1000.0, 1), scaledI32(protect, item + ItemProtect, 1000.0, 1),
            byteField(delay, item + ItemDelay), scaledI32(release, item + ItemRelease, 1000.0, 1),
            byteField(latch, item + ItemLatchLimit), byteField(releaseTime, item + ItemReleaseTime)};
}

QVector<ProtectionField> afeItem(const char *protect, const char *delay, const char *release,
                                 const char *latch, const char *releaseTime, int item)
{
    QVector<ProtectionField> fields{wholeI16(protect, item + AfeProtect),
                                    delayIndex(delay, item + AfeDelayIndex),
                                    wholeI16(release, item + AfeRelease)};
    if (latch)
        fields << byteField(latch, item + AfeLatchLimit) << byteField(releaseTime, item + AfeReleaseTime);
    return fields;
}

template <typename T>
QVector<T> operator+(QVector<T> a, const QVector<T> &b)
{
    a += b;
    return a;
}

QStringList numbered(const QStringList &values, const char *unit)
{
    QStringList texts;
    for (const QString &value : values)
        texts << value + QLatin1String(unit);
    return texts;
}

} // namespace

const QVector<ProtectionGroup> &primaryProtectionGroups()
{
    static const QVector<ProtectionGroup> groups = {
        {"OV1", BlockPrimaryProtection, 8, 9,
         voltageItem("comboBoxCellOV1alarm", "comboBoxCellOVP1", "comboBoxCellOV1Delay",
                     "comboBoxCellOV1Release", CellOverVoltage, false)
             + voltageItem("comboBoxPackOV1alarm", "comboBoxPackOVP1", "comboBoxPackOV1Delay",
                           "comboBoxPackOV1Release", PackOverVoltage, true),
         {{CellOverVoltage + ItemEnable, 1}, {PackOverVoltage + ItemEnable, 1}}, nullptr},
        {"UV1", BlockPrimaryProtection, 7, 8,
         voltageItem("comboBoxCellUV1alarm", "comboBoxCellUVP1", "comboBoxCellUV1Delay",
                     "comboBoxCellUV1Release", CellUnderVoltage, false)
             + voltageItem("comboBoxPackUV1alarm", "comboBoxPackUVP1", "comboBoxPackUV1Delay",
                           "comboBoxPackUV1Release", PackUnderVoltage, true),
         {{CellUnderVoltage + ItemEnable, 1}, {PackUnderVoltage + ItemEnable, 1}}, nullptr},
        {"OT", BlockPrimaryProtection, 4, 5,
         overTempItem("comboBoxOTC_alarm", "comboBoxOTC_P", "comboBoxOTC_Delay", "comboBoxOTC_Release",
                      ChargeOverTemp)
             + overTempItem("comboBoxOTD_alarm", "comboBoxOTD_P", "comboBoxOTD_Delay",
                            "comboBoxOTD_Release", DischargeOverTemp),
         {{ChargeOverTemp + ItemEnable, 1}, {DischargeOverTemp + ItemEnable, 1}}, nullptr},
        {"UT", BlockPrimaryProtection, 2, 4,
         underTempItem("comboBoxUTC_alarm", "comboBoxUTC_P", "comboBoxUTC_Delay", "comboBoxUTC_Release",
                       ChargeUnderTemp)
             + underTempItem("comboBoxUTD_alarm", "comboBoxUTD_P", "comboBoxUTD_Delay",
                             "comboBoxUTD_Release", DischargeUnderTemp),
         {{ChargeUnderTemp + ItemEnable, 1}, {DischargeUnderTemp + ItemEnable, 1}}, nullptr},
        {"ambient", BlockPrimaryProtection, 1, 3,
         {temp16("comboBoxOTA_alarm", 220, FieldWidth::I16), temp16("comboBoxOTA_Release", 224, FieldWidth::I16),
          temp16("comboBoxUTA_alarm", 226, FieldWidth::I16), temp16("comboBoxUTA_Release", 230, FieldWidth::I16)},
         {{222, 0}, {228, 0}}, nullptr},
        {"OCC1", BlockPrimaryProtection, 6, 7,
         currentItem("comboBoxOCC1alarm", "comboBoxOCCP1", "comboBoxOCC1Delay", "comboBoxOCC1Release",
                     "comboBoxOCC1Latchlimit", "comboBoxOCC1ReleaseTime", ChargeOverCurrent1),
         {{ChargeOverCurrent1 + ItemEnable, 1}}, nullptr},
        {"OCD1", BlockPrimaryProtection, 5, 6,
         currentItem("comboBoxOCD1alarm", "comboBoxOCDP1", "comboBoxOCD1Delay", "comboBoxOCD1Release",
                     "comboBoxOCD1Latchlimit", "comboBoxOCD1ReleaseTime", DischargeOverCurrent1),
         {{DischargeOverCurrent1 + ItemEnable, 1}}, nullptr},
        {"MOSFET", BlockPrimaryProtection, 3, 2,
         {temp16("comboBoxFETalarm", MosfetOverTemp + ItemAlarm, FieldWidth::I32),
          temp16("comboBoxFETprotect", MosfetOverTemp + ItemProtect, FieldWidth::I32),
          byteField("comboBoxOTFdelay", MosfetOverTemp + ItemDelay),
          temp16("comboBoxOTFrelease", MosfetOverTemp + ItemRelease, FieldWidth::I32)},
         {{MosfetOverTemp + ItemEnable, 1}}, nullptr},
        {"SOC", BlockPrimaryProtection, 0, 1,
         {// Whole percent, stored in 0.1 %.
          {"comboBoxSOC_Alarm", 242, FieldWidth::I16, ParseKind::WholeTimes10, 10.0, 0, 1, 255, true},
          {"comboBoxSOC_cut_off", 238, FieldWidth::I16, ParseKind::WholeTimes10, 10.0, 0, I16Min / 10,
           I16Max / 10, true},
          wholeI16("comboBoxDiffalarm", 244)},
         {{240, 1}}, "comboBoxSOC_Release"},
    };
    return groups;
}

const QVector<ProtectionGroup> &secondaryProtectionGroups()
{
    static const QVector<ProtectionGroup> groups = {
        {"OV2", BlockSecondaryProtection, 4, 4,
         afeItem("comboBoxCellOVP2", "comboBoxCellOV2_Delay", "comboBoxCellOV2_Release", nullptr, nullptr,
                 CellOverVoltage2),
         {{CellOverVoltage2 + AfeEnable, 1}}, nullptr},
        {"UV2", BlockSecondaryProtection, 3, 3,
         afeItem("comboBoxCellUVP2", "comboBoxCellUV2_Delay", "comboBoxCellUV2_Release", nullptr, nullptr,
                 CellUnderVoltage2),
         {{CellUnderVoltage2 + AfeEnable, 1}}, nullptr},
        {"SCD", BlockSecondaryProtection, 0, 2,
         afeItem("comboBoxSCD", "comboBoxSCD_Delay", "comboBoxSCD_Release", "comboBoxSCD_Latchlimit",
                 "comboBoxSCD_ReleaseTime", ShortCircuit),
         {}, nullptr},
        {"OCC2", BlockSecondaryProtection, 2, 1,
         afeItem("comboBoxOCCP2", "comboBoxOCC2_Delay", "comboBoxOCC2_Release", "comboBoxOCC2_Latchlimit",
                 "comboBoxOCC2_ReleaseTime", ChargeOverCurrent2),
         {{ChargeOverCurrent2 + AfeEnable, 1}}, nullptr},
        {"OCD2", BlockSecondaryProtection, 1, 0,
         afeItem("comboBoxOCDP2", "comboBoxOCD2_Delay", "comboBoxOCD2_Release", "comboBoxOCD2_Latchlimit",
                 "comboBoxOCD2_ReleaseTime", DischargeOverCurrent2)
             + afeItem("comboBoxOCDP3", "comboBoxOCD3_Delay", "comboBoxOCD3_Release",
                       "comboBoxOCD3_Latchlimit", "comboBoxOCD3_ReleaseTime", DischargeOverCurrent3),
         {{DischargeOverCurrent2 + AfeEnable, 1}, {DischargeOverCurrent3 + AfeEnable, 1}}, nullptr},
    };
    return groups;
}

const ProtectionGroup *findProtectionGroup(const char *name)
{
    for (const QVector<ProtectionGroup> *groups : {&primaryProtectionGroups(), &secondaryProtectionGroups()}) {
        for (const ProtectionGroup &group : *groups) {
            if (std::strcmp(group.name, name) == 0)
                return &group;
        }
    }
    return nullptr;
}

qint64 fieldValue(const quint8 *record, const ProtectionField &field)
{
    const quint8 *p = record + field.offset;
    switch (field.width) {
    case FieldWidth::I32:
        return static_cast<qint32>(static_cast<quint32>(p[0]) | (static_cast<quint32>(p[1]) << 8)
                                   | (static_cast<quint32>(p[2]) << 16) | (static_cast<quint32>(p[3]) << 24));
    case FieldWidth::I16:
        return static_cast<qint16>(static_cast<quint16>(p[0] | (p[1] << 8)));
    case FieldWidth::U8:
        return p[0];
    }
    return 0;
}

void storeField(quint8 *record, const ProtectionField &field, qint64 value)
{
    quint8 *p = record + field.offset;
    const quint32 bits = static_cast<quint32>(value);
    switch (field.width) {
    case FieldWidth::I32:
        p[2] = static_cast<quint8>(bits >> 16);
        p[3] = static_cast<quint8>(bits >> 24);
        Q_FALLTHROUGH();
    case FieldWidth::I16:
        p[1] = static_cast<quint8>(bits >> 8);
        Q_FALLTHROUGH();
    case FieldWidth::U8:
        p[0] = static_cast<quint8>(bits);
        break;
    }
}

namespace {

// The stored value in display units, rounded on integers so that halves go
// the same way everywhere (350 mA shows as 0.4 A, 120050 mA as 120.1 A).
QString shownScaled(qint64 value, double scale, int decimals)
{
    return formatScaledValue(value, scale, decimals);
}

} // namespace

QString fieldText(const ProtectionField &field, qint64 value)
{
    switch (field.parse) {
    case ParseKind::Scaled:
        return shownScaled(value, field.scale, field.decimals);
    case ParseKind::WholeTimes10:
        return shownScaled(value, 10.0, 0);
    case ParseKind::Whole:
    case ParseKind::Index:
        break;
    }
    return QString::number(value);
}

FieldParse parseFieldText(const ProtectionField &field, const QString &text)
{
    ParsedValue parsed;
    switch (field.parse) {
    case ParseKind::Whole:
        parsed = parseWholeNumber(text, field.minimum, field.maximum);
        break;
    case ParseKind::Scaled:
        parsed = parseScaledValue(text, field.scale, field.minimum, field.maximum);
        break;
    case ParseKind::WholeTimes10:
        parsed = parseWholeNumber(text, field.minimum, field.maximum);
        if (parsed.ok && field.zeroRefused && parsed.value == 0)
            return {};
        parsed.value *= 10;
        break;
    case ParseKind::Index:
        parsed = parseWholeNumber(text, field.minimum, field.maximum);
        break;
    }
    FieldParse result;
    if (!parsed.ok || (field.zeroRefused && parsed.value == 0))
        return result;
    result.ok = true;
    result.value = parsed.value;
    return result;
}

FieldParse acceptIndex(const ProtectionField &field, int index)
{
    FieldParse result;
    if (index < field.minimum || index > field.maximum)
        return result;
    result.ok = true;
    result.value = index;
    return result;
}

const QVector<ParameterWidgetNames> &primaryParameterWidgets()
{
    static const QVector<ParameterWidgetNames> widgets = {
        {"labelCellOV1alarm", "comboBoxCellOV1alarm"},
        {"labelCellOVP1", "comboBoxCellOVP1"},
        {"labelCellOV1Delay", "comboBoxCellOV1Delay"},
        {"labelCellOV1Release", "comboBoxCellOV1Release"},
        {"labelPackOV1alarm", "comboBoxPackOV1alarm"},
        {"labelPackOVP1", "comboBoxPackOVP1"},
        {"labelPackOV1Delay", "comboBoxPackOV1Delay"},
        {"labelPackOV1Release", "comboBoxPackOV1Release"},
        {"labelCellUV1alarm", "comboBoxCellUV1alarm"},
        {"labelCellUVP1", "comboBoxCellUVP1"},
        {"labelCellUV1Delay", "comboBoxCellUV1Delay"},
        {"labelCellUV1Release", "comboBoxCellUV1Release"},
        {"labelPackUV1alarm", "comboBoxPackUV1alarm"},
        {"labelPackUVP1", "comboBoxPackUVP1"},
        {"labelPackUV1Delay", "comboBoxPackUV1Delay"},
        {"labelPackUV1Release", "comboBoxPackUV1Release"},
        {"labelOCC1alarm", "comboBoxOCC1alarm"},
        {"labelOCCP1", "comboBoxOCCP1"},
        {"labelOCC1Delay", "comboBoxOCC1Delay"},
        {"labelOCC1Release", "comboBoxOCC1Release"},
        {"labelOCC1Latchlimit", "comboBoxOCC1Latchlimit"},
        {"labelOCC1ReleaseTime", "comboBoxOCC1ReleaseTime"},
        {"labelOCD1alarm", "comboBoxOCD1alarm"},
        {"labelOCDP1", "comboBoxOCDP1"},
        {"labelOCD1Delay", "comboBoxOCD1Delay"},
        {"labelOCD1Release", "comboBoxOCD1Release"},
        {"labelOCD1Latchlimit", "comboBoxOCD1Latchlimit"},
        {"labelOCD1ReleaseTime", "comboBoxOCD1ReleaseTime"},
        {"labelOTC_alarm", "comboBoxOTC_alarm"},
        {"labelOTC_P", "comboBoxOTC_P"},
        {"labelOTC_Delay", "comboBoxOTC_Delay"},
        {"labelOTC_Release", "comboBoxOTC_Release"},
        {"labelOTD_alarm", "comboBoxOTD_alarm"},
        {"labelOTD_P", "comboBoxOTD_P"},
        {"labelOTD_Delay", "comboBoxOTD_Delay"},
        {"labelOTD_Release", "comboBoxOTD_Release"},
        {"labelFETalarm", "comboBoxFETalarm"},
        {"labelFETprotect", "comboBoxFETprotect"},
        {"labelOTFdelay", "comboBoxOTFdelay"},
        {"labelOTFrelease", "comboBoxOTFrelease"},
        {"labelUTC_alarm", "comboBoxUTC_alarm"},
        {"labelUTC_P", "comboBoxUTC_P"},
        {"labelUTC_Delay", "comboBoxUTC_Delay"},
        {"labelUTC_Release", "comboBoxUTC_Release"},
        {"labelUTD_alarm", "comboBoxUTD_alarm"},
        {"labelUTD_P", "comboBoxUTD_P"},
        {"labelUTD_Delay", "comboBoxUTD_Delay"},
        {"labelUTD_Release", "comboBoxUTD_Release"},
        {"labelSOC_Alarm", "comboBoxSOC_Alarm"},
        {"labelSOC_cut_off", "comboBoxSOC_cut_off"},
        {"labelSOC_Delay", "comboBoxSOC_Delay"},
        {"labelSOC_Release", "comboBoxSOC_Release"},
        {"labelDiffalarm", "comboBoxDiffalarm"},
        {"labelOTA_alarm", "comboBoxOTA_alarm"},
        {"labelOTA_P", "comboBoxOTA_P"},
        {"labelOTA_Delay", "comboBoxOTA_Delay"},
        {"labelOTA_Release", "comboBoxOTA_Release"},
        {"labelUTA_alarm", "comboBoxUTA_alarm"},
        {"labelUTA_P", "comboBoxUTA_P"},
        {"labelUTA_Delay", "comboBoxUTA_Delay"},
        {"labelUTA_Release", "comboBoxUTA_Release"},
    };
    return widgets;
}

const QVector<ParameterWidgetNames> &secondaryParameterWidgets()
{
    static const QVector<ParameterWidgetNames> widgets = {
        {"labelCellOV2_Alarm", "comboBoxCellOV2_Alarm"},
        {"labelCellOVP2", "comboBoxCellOVP2"},
        {"labelCellOV2_Delay", "comboBoxCellOV2_Delay"},
        {"labelCellOV2_Release", "comboBoxCellOV2_Release"},
        {"labelPackOV2_Alarm", "comboBoxPackOV2_Alarm"},
        {"labelPackOVP2", "comboBoxPackOVP2"},
        {"labelPackOV2_Delay", "comboBoxPackOV2_Delay"},
        {"labelPackOV2_Release", "comboBoxPackOV2_Release"},
        {"labelOCC2_Alarm", "comboBoxOCC2_Alarm"},
        {"labelOCCP2", "comboBoxOCCP2"},
        {"labelOCC2_Delay", "comboBoxOCC2_Delay"},
        {"labelOCC2_Release", "comboBoxOCC2_Release"},
        {"labelOCC2_Latchlimit", "comboBoxOCC2_Latchlimit"},
        {"labelOCC2_ReleaseTime", "comboBoxOCC2_ReleaseTime"},
        {"labelCellUV2_Alarm", "comboBoxCellUV2_Alarm"},
        {"labelCellUVP2", "comboBoxCellUVP2"},
        {"labelCellUV2_Delay", "comboBoxCellUV2_Delay"},
        {"labelCellUV2_Release", "comboBoxCellUV2_Release"},
        {"labelPackUV2_Alarm", "comboBoxPackUV2_Alarm"},
        {"labelPackUVP2", "comboBoxPackUVP2"},
        {"labelPackUV2_Delay", "comboBoxPackUV2_Delay"},
        {"labelPackUV2_Release", "comboBoxPackUV2_Release"},
        {"labelOCD2_Alarm", "comboBoxOCD2_Alarm"},
        {"labelOCDP2", "comboBoxOCDP2"},
        {"labelOCD2_Delay", "comboBoxOCD2_Delay"},
        {"labelOCD2_Release", "comboBoxOCD2_Release"},
        {"labelOCD2_Latchlimit", "comboBoxOCD2_Latchlimit"},
        {"labelOCD2_ReleaseTime", "comboBoxOCD2_ReleaseTime"},
        {"labelOCD2_Alarm_2", "comboBoxOCD3_Alarm"},
        {"labelOCDP2_2", "comboBoxOCDP3"},
        {"labelOCD2_Delay_2", "comboBoxOCD3_Delay"},
        {"labelOCD2_Release_2", "comboBoxOCD3_Release"},
        {"labelOCD2_Latchlimit_2", "comboBoxOCD3_Latchlimit"},
        {"labelOCD2_ReleaseTime_2", "comboBoxOCD3_ReleaseTime"},
        {"labelSCD", "comboBoxSCD"},
        {"labelSCD_Delay", "comboBoxSCD_Delay"},
        {"labelSCD_Release", "comboBoxSCD_Release"},
        {"labelSCD_Latchlimit", "comboBoxSCD_Latchlimit"},
        {"labelSCD_ReleaseTime", "comboBoxSCD_ReleaseTime"},
        {"labelAFEmodel", "comboBoxAFEmodel"},
    };
    return widgets;
}

const QVector<AfeDelayList> &afeDelayLists()
{
    static const QStringList voltageDelaysS{
        "100mS", "200mS", "300mS", "400mS", "600mS", "800mS", "1S", "2S",
        "3S", "4S", "6S", "8S", "10S", "20S", "30S", "40S"};
    static const QVector<AfeDelayList> lists = {
        {"comboBoxCellOV2_Delay", {"1S", "2S", "4S", "8S"}, voltageDelaysS},
        {"comboBoxCellUV2_Delay", {"1S", "4S", "8S", "16S"}, voltageDelaysS},
        {"comboBoxSCD_Delay", {"70uS", "100uS", "200uS", "400uS"},
         numbered({"0", "64", "128", "192", "256", "320", "384", "448", "512", "576", "640", "704", "768",
                   "832", "896", "960"},
                  "uS")},
        {"comboBoxOCD2_Delay", {"4mS", "10mS", "20mS", "40mS", "80mS", "160mS", "320mS", "640mS"},
         {"50mS", "100mS", "200mS", "400mS", "600mS", "800mS", "1S", "2S", "4S", "6S", "8S", "10S", "15S",
          "20S", "30S", "40S"}},
    };
    return lists;
}

const QStringList &afeModelSWidgets()
{
    static const QStringList widgets{
        "comboBoxOCCP2", "comboBoxOCC2_Delay", "comboBoxOCC2_Release", "comboBoxOCC2_Latchlimit",
        "comboBoxOCC2_ReleaseTime", "comboBoxOCDP3", "comboBoxOCD3_Delay", "comboBoxOCD3_Release",
        "comboBoxOCD3_Latchlimit", "comboBoxOCD3_ReleaseTime", "btnOCC2_Read", "btnOCC2_Write"};
    return widgets;
}
