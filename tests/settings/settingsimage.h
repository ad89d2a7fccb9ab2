#pragma once

// A known system-setting register image and the texts the page shows for it,
// shared by the page's tests.
#include "bmsrecords.h"

#include <QByteArray>
#include <QStringList>

inline QByteArray settingsImage()
{
    BmsSystemSettingRecord r;
    r.setU8(0, 16);          // cells
    r.setU8(1, 4);           // NTC sensors
    r.setU16(2, 1);          // Lithium ternary
    r.setU16(4, 999);        // 9.99 Ah remaining
    r.setU16(6, 28000);      // 280 Ah full
    r.setU16(8, 30000);      // 300 Ah design
    r.setU16(10, 123);       // cycles
    r.setU16(12, 0);
    for (int reg = 7; reg <= 9; ++reg)
        r.setU16(2 * reg, static_cast<quint16>(0x0700 + reg));
    r.setU16(20, 120);       // current sensor
    for (int reg = 11; reg <= 27; ++reg)
        r.setU16(2 * reg, static_cast<quint16>(0xA000 + reg));
    r.setU16(56, 12);        // self consumption
    r.setU16(58, 2900);      // sleep voltage
    r.setU16(60, 5);         // idle sleep delay
    r.setU16(62, 3);         // inspection time
    r.setU16(64, 2000);      // ship voltage
    r.setU8(66, 1);          // balance on
    r.setU8(67, 0);          // idle balance off
    r.setU16(68, 3400);
    r.setU16(70, 30);
    r.setU16(72, 1);         // heating on
    r.setU16(74, static_cast<quint16>(-25));
    r.setU16(76, 50);
    r.setText(78, 8, QStringLiteral("20240105"));
    r.setU16(86, static_cast<quint16>(-67));
    r.setU8(88, 2);
    r.setU8(89, 7);
    r.setU16(90, 0x4545);
    r.setU8(92, 1);          // limit on
    r.setU8(93, 1);          // active
    r.setU16(94, 120);       // 12.0 A
    r.setU16(96, 0x8025);    // PWR and LED on, bits 5 and 15 set
    return r.toByteArray();
}

// What the 28 parameters show after reading settingsImage(), in file order.
inline QStringList settingsImageTexts()
{
    return {"16", "4", "Lithium ternary", "9", "280", "300", "123",
            "120", "12", "5", "2900", "3", "2000",
            "ON", "3400", "30", "OFF",
            "ON", "-2.5", "5.0",
            "ON", "Active", "12.0",
            "ON", "OFF", "ON", "OFF", "OFF"};
}
