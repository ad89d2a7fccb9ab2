#pragma once

#include "bmsdataarea.h"

#include <QStringList>
#include <QVector>
#include <QtGlobal>

// The field maps of the two protection records, the rules by which a combo box
// text is accepted and scaled, and the widget lists of the parameter files.
// Read by the fill, the write path and the parameter files alike.

enum class FieldWidth { I32, I16, U8 };

enum class ParseKind {
    Whole,         // whole number in the record's unit
    Scaled,        // decimal in display units, times `scale`, rounded
    WholeTimes10,  // whole number in display units, stored times 10
    Index          // the combo box's current index (code boxes)
};

struct ProtectionField
{
    const char *comboName;
    int offset;          // byte offset in the record
    FieldWidth width;
    ParseKind parse;
    double scale;        // Scaled: multiplier from display units to the record's unit
    int decimals;        // Scaled: decimals shown
    qint64 minimum;      // accepted range; for WholeTimes10 the range of the typed number
    qint64 maximum;
    bool zeroRefused;    // 0 is not an accepted value
};

struct FixedByte
{
    int offset;
    quint8 value;
};

struct ProtectionGroup
{
    const char *name;
    BmsBlock block;
    int readFlag;        // index into primaryReadRequest / secondaryReadRequest
    int writeFlag;       // index into primaryWriteRequest / secondaryWriteRequest
    QVector<ProtectionField> fields;
    QVector<FixedByte> fixedBytes;  // stored by every write of the group
    const char *resetCombo;         // a combo box the fill only sets back to item 0, or nullptr
};

// Read-all and write-all markers.
constexpr int PrimaryReadAllFlag = 9;
constexpr int PrimaryWriteAllFlag = 0;
constexpr int SecondaryReadAllFlag = 5;
constexpr int SecondaryWriteAllFlag = 5;
constexpr int PrimaryReadFlagCount = 10;
constexpr int SecondaryReadFlagCount = 6;
constexpr int PrimaryWriteFlagCount = 10;
constexpr int SecondaryWriteFlagCount = 6;

// Byte offset of the AFE model (register 49) in the secondary record.
constexpr int AfeModelOffset = 2 * SecondaryProtectionRecord::AfeModelRegister;

// Primary groups in the order OV1, UV1, OT, UT, ambient, OCC1, OCD1, MOSFET, SOC.
const QVector<ProtectionGroup> &primaryProtectionGroups();
// Secondary groups in the order OV2, UV2, SCD, OCC2, OCD2 (with OCD3).
const QVector<ProtectionGroup> &secondaryProtectionGroups();
// The group by name ("OV1", "OCD2", ...), or nullptr.
const ProtectionGroup *findProtectionGroup(const char *name);

// A field's value as stored in a record image.
qint64 fieldValue(const quint8 *record, const ProtectionField &field);
// Stores a value into a record image (little-endian, the field's width).
void storeField(quint8 *record, const ProtectionField &field, qint64 value);
// The text a read shows for a stored value (not for Index fields).
QString fieldText(const ProtectionField &field, qint64 value);

// Result of checking one combo box text against its field.
struct FieldParse
{
    bool ok = false;
    qint64 value = 0;   // value to store, in the record's unit
};
// Parses and checks a text (Index fields: pass the index as text).
FieldParse parseFieldText(const ProtectionField &field, const QString &text);
// Checks an index of a code box.
FieldParse acceptIndex(const ProtectionField &field, int index);

// One parameter of a parameter file: its label and its combo box.
struct ParameterWidgetNames
{
    const char *label;
    const char *combo;
};
// The 61 parameters of the primary file and the 40 of the secondary file, in Index order.
const QVector<ParameterWidgetNames> &primaryParameterWidgets();
const QVector<ParameterWidgetNames> &secondaryParameterWidgets();

// Delay lists that follow the AFE model (0 = M, 1 = S).
struct AfeDelayList
{
    const char *comboName;
    QStringList modelM;
    QStringList modelS;
};
const QVector<AfeDelayList> &afeDelayLists();
// Widgets enabled under model S and disabled under model M.
const QStringList &afeModelSWidgets();
