#include "statuswords.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace {

const StatusBitText alarmTexts[] = {
    {0, QT_TRANSLATE_NOOP("HomeWindow", "Cell overvoltage")},
    {1, QT_TRANSLATE_NOOP("HomeWindow", "Cell undervoltage")},
    {2, QT_TRANSLATE_NOOP("HomeWindow", "Over voltage")},
    {3, QT_TRANSLATE_NOOP("HomeWindow", "Under voltage")},
    {5, QT_TRANSLATE_NOOP("HomeWindow", "Discharge overcurrent")},
    {6, QT_TRANSLATE_NOOP("HomeWindow", "Charge overcurrent")},
    {7, QT_TRANSLATE_NOOP("HomeWindow", "Charging high temperature")},
    {8, QT_TRANSLATE_NOOP("HomeWindow", "Charging low temperature")},
    {11, QT_TRANSLATE_NOOP("HomeWindow", "Environmental high temperature")},
    {13, QT_TRANSLATE_NOOP("HomeWindow", "MOS high temperature alarm")},
    {14, QT_TRANSLATE_NOOP("HomeWindow", "Differential pressure")},
    {15, QT_TRANSLATE_NOOP("HomeWindow", "Cell overvoltage")},
    {16, QT_TRANSLATE_NOOP("HomeWindow", "High battery")},
    {17, QT_TRANSLATE_NOOP("HomeWindow", "Low battery")},
    {18, QT_TRANSLATE_NOOP("HomeWindow", "Discharge overcurrent 2")},
    {19, QT_TRANSLATE_NOOP("HomeWindow", "Discharge overcurrent 3")},
    {4, QT_TRANSLATE_NOOP("HomeWindow", "Short circuit")},
};

const StatusBitText protection1Texts[] = {
    {0, QT_TRANSLATE_NOOP("HomeWindow", "Cell overvoltage")},
    {1, QT_TRANSLATE_NOOP("HomeWindow", "Cell undervoltage")},
    {2, QT_TRANSLATE_NOOP("HomeWindow", "Over voltage")},
    {3, QT_TRANSLATE_NOOP("HomeWindow", "Under voltage")},
    {5, QT_TRANSLATE_NOOP("HomeWindow", "Discharge overcurrent")},
    {6, QT_TRANSLATE_NOOP("HomeWindow", "Charge overcurrent")},
    {7, QT_TRANSLATE_NOOP("HomeWindow", "Charging high temperature")},
    {8, QT_TRANSLATE_NOOP("HomeWindow", "Charging low temperature")},
    {11, QT_TRANSLATE_NOOP("HomeWindow", "Environmental high temperature")},
    {13, QT_TRANSLATE_NOOP("HomeWindow", "MOS high temperature")},
    {14, QT_TRANSLATE_NOOP("HomeWindow", "Differential pressure")},
    {16, QT_TRANSLATE_NOOP("HomeWindow", "High battery")},
    {17, QT_TRANSLATE_NOOP("HomeWindow", "Low battery")},
};

const StatusBitText protection2Texts[] = {
    {15, QT_TRANSLATE_NOOP("HomeWindow", "Cell overvoltage 2")},
    {18, QT_TRANSLATE_NOOP("HomeWindow", "Discharge overcurrent 2")},
    {19, QT_TRANSLATE_NOOP("HomeWindow", "Discharge overcurrent 3")},
    {4, QT_TRANSLATE_NOOP("HomeWindow", "Short circuit")},
};

const StatusBitText faultTexts[] = {
    {0, QT_TRANSLATE_NOOP("HomeWindow", "CHG_MOS fault")},
    {1, QT_TRANSLATE_NOOP("HomeWindow", "DSG_MOS fault")},
    {2, QT_TRANSLATE_NOOP("HomeWindow", "NTC fault")},
    {3, QT_TRANSLATE_NOOP("HomeWindow", "AFE fault")},
    {4, QT_TRANSLATE_NOOP("HomeWindow", "AFE fault")},
    {5, QT_TRANSLATE_NOOP("HomeWindow", "HEAT fault")},
    {6, QT_TRANSLATE_NOOP("HomeWindow", "Power Failure")},
};

const StatusBitText systemStateTexts[] = {
    {0, QT_TRANSLATE_NOOP("HomeWindow", "CHG_MOS_ON")},
    {1, QT_TRANSLATE_NOOP("HomeWindow", "DSG_MOS_ON")},
    {2, QT_TRANSLATE_NOOP("HomeWindow", "CHGING")},
    {3, QT_TRANSLATE_NOOP("HomeWindow", "DSGING")},
    {4, QT_TRANSLATE_NOOP("HomeWindow", "LOAD")},
    {5, QT_TRANSLATE_NOOP("HomeWindow", "LIMIT")},
    {6, QT_TRANSLATE_NOOP("HomeWindow", "HEATING")},
    {7, QT_TRANSLATE_NOOP("HomeWindow", "CHARGER")},
};

// Bits that the history tables name and the monitor tables do not: the home
// page shows the union of both, so no alarm the BMS reports goes unshown.
const StatusBitText alarmHistoryTexts[] = {
    {9, QT_TRANSLATE_NOOP("HomeWindow", "Discharging high temperature")},
    {10, QT_TRANSLATE_NOOP("HomeWindow", "Discharging low temperature")},
    {12, QT_TRANSLATE_NOOP("HomeWindow", "Environmental low temperature")},
};

const StatusBitText protection2HistoryTexts[] = {
    {28, QT_TRANSLATE_NOOP("HomeWindow", "Charge overcurrent 2")},
};

template <size_t N>
int rowsOf(const StatusBitText (&table)[N], const StatusBitText **rows)
{
    *rows = table;
    return int(N);
}

} // namespace

int statusBitTexts(StatusWord word, const StatusBitText **rows)
{
    switch (word) {
    case StatusWord::Alarm:
        return rowsOf(alarmTexts, rows);
    case StatusWord::Protection1:
        return rowsOf(protection1Texts, rows);
    case StatusWord::Protection2:
        return rowsOf(protection2Texts, rows);
    case StatusWord::Fault:
        return rowsOf(faultTexts, rows);
    case StatusWord::SystemState:
        return rowsOf(systemStateTexts, rows);
    }
    *rows = nullptr;
    return 0;
}

QStringList statusWordTexts(StatusWord word, quint32 value)
{
    const StatusBitText *rows = nullptr;
    const int count = statusBitTexts(word, &rows);

    const StatusBitText *extra = nullptr;
    int extraCount = 0;
    switch (word) {
    case StatusWord::Alarm:
    case StatusWord::Protection1:
        extraCount = rowsOf(alarmHistoryTexts, &extra);
        break;
    case StatusWord::Protection2:
        extraCount = rowsOf(protection2HistoryTexts, &extra);
        break;
    case StatusWord::Fault:
    case StatusWord::SystemState:
        break;
    }

    std::vector<const StatusBitText *> set;
    for (int i = 0; i < count; ++i) {
        if (value & (quint32(1) << rows[i].bit))
            set.push_back(&rows[i]);
    }
    for (int i = 0; i < extraCount; ++i) {
        if (value & (quint32(1) << extra[i].bit))
            set.push_back(&extra[i]);
    }
    std::stable_sort(set.begin(), set.end(),
                     [](const StatusBitText *a, const StatusBitText *b) { return a->bit < b->bit; });

    QStringList texts;
    for (const StatusBitText *row : set)
        texts << QCoreApplication::translate("HomeWindow", row->text);
    return texts;
}
