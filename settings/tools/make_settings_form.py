#!/usr/bin/env python3
"""Writes settingswindow.ui, the form of the system-settings page.

Run from anywhere: python3 settings/tools/make_settings_form.py
The generated .ui is what the build uses; this script only keeps the
repetitive parts (value lists, size limits) in one readable place.
"""
import os
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))


def rng(a, b, s=1):
    return [str(v) for v in range(a, b + 1, s)]


CAPACITY = [""] + rng(10, 100, 10) + ["150", "200", "280", "300", "320", "400"]
OFF_ON = ["OFF", "ON"]

# Value lists (item 0 first; "" is the blank slot a read fills).
ITEMS = {
    "comboBoxSystemCellsNumber": [""] + rng(3, 32),
    "comboBoxCellsNTCNumber": [""] + rng(2, 16, 2),
    "comboBoxBatteryType": ["Lithium iron", "Lithium ternary", "Nanobattery", "Lithium titanate"],
    "comboBoxRemaninCap": CAPACITY,
    "comboBoxFullCap": CAPACITY,
    "comboBoxDesignCap": CAPACITY,
    "comboBoxCycles": [""] + rng(0, 32),
    "comboBoxCurrentSensor": ["50", "100", "200", "300", "400", "500"],
    "comboBoxSelfConsumption": [""] + rng(3, 32),
    "comboBoxIdleSleepDelay": [""] + rng(1, 10),
    "comboBoxCellsSleepVoltage": [""] + rng(2800, 3100, 100),
    "comboBoxInspectionTime": [""] + rng(1, 5),
    "comboBoxCellsSHIPvoltage": [""] + rng(1500, 2500, 100),
    "comboBoxThresholdVoltage": ["", "3200", "3300"] + rng(3350, 4150, 50),
    "comboBoxDiffVoltage": [""] + rng(20, 100, 10),
    "comboBoxOpenHeatingThreshold": [""] + rng(0, 10),
    "comboBoxCloseHeatingThreshold": [""] + rng(5, 20, 5),
    "comboBoxlimitCurrent": [""] + rng(10, 250, 10),
    "comboBoxlimitModel": ["Passive", "Active"],
}
for name in ("comboBoxBalanceEnable", "comboBoxIdleBalance", "comboBoxheatEnableSwitch",
             "comboBoxlimitEnable", "comboBoxPwrEnable", "comboBoxBuzzerEnable",
             "comboBoxledAlaramEn", "comboBoxTripEnable", "comboBoxSleepEnable"):
    ITEMS[name] = OFF_ON

# Combo boxes that show nothing until a read, an import or the operator selects an item.
NO_SELECTION = ["comboBoxBatteryType", "comboBoxPwrEnable", "comboBoxBuzzerEnable",
                "comboBoxledAlaramEn", "comboBoxTripEnable", "comboBoxSleepEnable",
                "comboBoxlimitModel", "comboBoxlimitEnable", "comboBoxheatEnableSwitch",
                "comboBoxCurrentSensor", "comboBoxIdleBalance", "comboBoxBalanceEnable"]

MAXW = 16777215


def prop(name, inner, stdset=True):
    extra = '' if stdset else ' stdset="0"'
    return '<property name="%s"%s>%s</property>' % (name, extra, inner)


def size(w, h):
    return '<size><width>%d</width><height>%d</height></size>' % (w, h)


def policy(h, v):
    return prop("sizePolicy", '<sizepolicy hsizetype="%s" vsizetype="%s"><horstretch>0</horstretch>'
                '<verstretch>0</verstretch></sizepolicy>' % (h, v))


def string(text):
    if text == "":
        return "<string/>"
    return "<string>%s</string>" % escape(text)


spacer_counter = {"h": 0, "v": 0}


def spacer(kind, w=None, h=None):
    """kind: 'hfix' (fixed width w), 'vexp' (expanding, 20 x 40), 'vfix' (fixed height h)."""
    if kind == "hfix":
        key, orient, stype, hint = "h", "Qt::Horizontal", "QSizePolicy::Fixed", size(w, h)
    elif kind == "vexp":
        key, orient, stype, hint = "v", "Qt::Vertical", "QSizePolicy::Expanding", size(20, 40)
    else:
        key, orient, stype, hint = "v", "Qt::Vertical", "QSizePolicy::Fixed", size(20, h)
    n = spacer_counter[key]
    spacer_counter[key] += 1
    base = "horizontalSpacer" if key == "h" else "verticalSpacer"
    name = base if n == 0 else "%s_%d" % (base, n + 1)
    return ('<spacer name="%s">%s%s%s</spacer>' % (
        name, prop("orientation", "<enum>%s</enum>" % orient),
        prop("sizeType", "<enum>%s</enum>" % stype), prop("sizeHint", hint, stdset=False)))


def label(name, text, pol=("Preferred", "Preferred")):
    parts = []
    if pol is not None:
        parts.append(policy(*pol))
    parts.append(prop("text", string(text)))
    return '<widget class="QLabel" name="%s">%s</widget>' % (name, "".join(parts))


def combo(name, editable, pol, minw=100):
    parts = []
    if editable is not None:
        parts.append(prop("editable", "<bool>%s</bool>" % ("true" if editable else "false")))
    parts.append(policy(*pol))
    parts.append(prop("minimumSize", size(minw, 25)))
    parts.append(prop("maximumSize", size(MAXW, 32)))
    if name in NO_SELECTION:
        parts.append(prop("currentIndex", "<number>-1</number>"))
    for text in ITEMS[name]:
        parts.append("<item>%s</item>" % prop("text", string(text)))
    return '<widget class="QComboBox" name="%s">%s</widget>' % (name, "".join(parts))


def button(name, text, pol, minw=None, minh=32, maxh=35, enabled=True):
    parts = []
    if not enabled:
        parts.append(prop("enabled", "<bool>false</bool>"))
    parts.append(policy(*pol))
    parts.append(prop("minimumSize", size(minw or 0, minh)))
    parts.append(prop("maximumSize", size(MAXW, maxh)))
    parts.append(prop("text", string(text)))
    return '<widget class="QPushButton" name="%s">%s</widget>' % (name, "".join(parts))


def lineedit(name, limited=True):
    parts = []
    if limited:
        parts.append(policy("Expanding", "Preferred"))
        parts.append(prop("minimumSize", size(120, 25)))
        parts.append(prop("maximumSize", size(MAXW, 32)))
    return '<widget class="QLineEdit" name="%s">%s</widget>' % (name, "".join(parts))


def item(row, col, inner, colspan=1, rowspan=1):
    span = ""
    if rowspan != 1:
        span += ' rowspan="%d"' % rowspan
    if colspan != 1:
        span += ' colspan="%d"' % colspan
    return '<item row="%d" column="%d"%s>%s</item>' % (row, col, span, inner)


BOX_MARGINS = [("leftMargin", 4), ("rightMargin", 4)]


def grid(name, items, hspacing=None, vspacing=None, margins=BOX_MARGINS):
    parts = []
    if margins:
        for side, value in margins:
            parts.append(prop(side, "<number>%d</number>" % value))
    if hspacing is not None:
        parts.append(prop("horizontalSpacing", "<number>%d</number>" % hspacing))
    if vspacing is not None:
        parts.append(prop("verticalSpacing", "<number>%d</number>" % vspacing))
    return '<layout class="QGridLayout" name="%s">%s%s</layout>' % (name, "".join(parts), "".join(items))


def groupbox(name, title, pol, layout, minw=None):
    # Horizontally Preferred rather than MinimumExpanding: a MinimumExpanding box never gets
    # narrower than its size hint, and the page must fit about 1200 pixels.
    if pol[0] == "MinimumExpanding":
        pol = ("Preferred", pol[1])
    parts = [policy(*pol)]
    if minw:
        parts.append(prop("minimumSize", size(minw, 0)))
    parts.append(prop("font", "<font><pointsize>11</pointsize></font>"))
    parts.append(prop("title", string(title)))
    return '<widget class="QGroupBox" name="%s">%s%s</widget>' % (name, "".join(parts), layout)


PM = ("Preferred", "MinimumExpanding")
PE = ("Preferred", "Expanding")
PP = ("Preferred", "Preferred")
MME = ("Minimum", "MinimumExpanding")
ME = ("Minimum", "Expanding")

# Children are listed in creation order (which is also the focus order).
battery = groupbox("groupBoxBatteryParameters", "Battery parameters", ("MinimumExpanding", "Expanding"), grid(
    "gridLayout_2", [
        item(6, 2, combo("comboBoxCycles", True, PM)),
        item(3, 0, label("labelRemaninCap", "Remaining Capacity(AH)", PM)),
        item(0, 2, combo("comboBoxSystemCellsNumber", True, PM)),
        item(5, 0, label("labelDesignCap", "Design Capacity(AH)", PM)),
        item(4, 2, combo("comboBoxFullCap", True, PM)),
        item(0, 0, label("labelSystemCellsNumber", "Cells Number", PM)),
        item(8, 2, button("btnBatteryParametersWrite", "Write", MME, minw=100)),
        item(6, 0, label("labelCycles", "Number of cycles", PM)),
        item(1, 0, label("labelCellsNTCNumber", "Cells NTC Number", PM)),
        item(1, 2, combo("comboBoxCellsNTCNumber", True, PM)),
        item(8, 0, button("btnBatteryParametersRead", "Read", PM)),
        item(5, 2, combo("comboBoxDesignCap", True, PM)),
        item(4, 0, label("labelFullCap", "Full Capacity(AH)", PM)),
        item(2, 2, combo("comboBoxBatteryType", False, PM, minw=126)),
        item(2, 0, label("labelBatteryType", "Battery Type", PM)),
        item(3, 2, combo("comboBoxRemaninCap", True, PM)),
        item(7, 2, spacer("vexp")),
        item(8, 1, spacer("hfix", 5, 5)),
    ], hspacing=7, vspacing=5))

switches = groupbox("groupBox", "System switch enable", PE, grid(
    "gridLayout_7", [
        item(0, 0, label("labelEnablePWR", "PWR enable ", PP)),
        item(0, 2, combo("comboBoxPwrEnable", None, PE)),
        item(1, 0, label("label_Buzzer", "Buzzer enable", None)),
        item(1, 2, combo("comboBoxBuzzerEnable", None, PE)),
        item(2, 0, label("labelLEDen", "LED alarm EN", None)),
        item(2, 2, combo("comboBoxledAlaramEn", None, PE)),
        item(3, 0, label("label_trip", "Trip enable", None)),
        item(3, 2, combo("comboBoxTripEnable", None, PP)),
        item(4, 0, label("label_sleep", "Sleep enable", None)),
        item(4, 2, combo("comboBoxSleepEnable", None, PP)),
        item(6, 0, button("btnSystemSwitchEnableRead", "Read", ME)),
        item(6, 2, button("btnSystemSwitchEnableWrite", "Write", ME, minw=100)),
        item(5, 2, spacer("vexp")),
        item(6, 1, spacer("hfix", 10, 20)),
    ]), minw=300)

sysinfo = groupbox("groupBoxSystemInformation", "System information", ("MinimumExpanding", "Expanding"), grid(
    "gridLayout", [
        item(3, 0, label("labelUpdateFlag", "Update Flag", PP)),
        item(2, 0, label("labelModificationDate", "Modifi date", PP)),
        item(3, 1, lineedit("lineEditUpdateFlag")),
        item(7, 1, button("btnSysInformationRead", "Read", MME, minw=80)),
        item(4, 1, lineedit("lineEditUpdateCounts")),
        item(4, 0, label("labelUpdateCounts", "Update counts", PP)),
        item(2, 1, lineedit("lineEditModificationDate")),
        item(5, 0, label("labelWrssi", "WRSSI", None)),
        item(5, 1, lineedit("lineEditWrssi", limited=False)),
        item(6, 1, spacer("vexp")),
    ], vspacing=5))

limit = groupbox("groupBox_2", "Limit parametes", PE, grid(
    "gridLayout_8", [
        item(8, 4, button("btnLimitSetingWrite", "Write", ME, minw=100)),
        item(1, 4, combo("comboBoxlimitModel", None, PE)),
        item(5, 4, combo("comboBoxlimitCurrent", True, PE)),
        item(0, 1, label("labelLimtEnable", "Limit enable", PP)),
        item(5, 1, label("labelLimtCurrent", "Limit current(A)", None)),
        item(1, 1, label("labelLimtModel", "Limit model", None)),
        item(8, 1, button("btnLimitSetingRead", "Read", ME)),
        item(0, 4, combo("comboBoxlimitEnable", None, PE)),
        item(6, 4, spacer("vexp")),
        item(8, 3, spacer("hfix", 10, 20)),
    ], vspacing=5), minw=300)

heating = groupbox("groupBoxHeatingFilm", "Heating parameters", ("MinimumExpanding", "Expanding"), grid(
    "gridLayout_4", [
        item(3, 2, combo("comboBoxOpenHeatingThreshold", True, PM)),
        item(6, 0, button("btnHeatingParameterRead", "Read", MME)),
        item(2, 0, label("labelEnableSwitch", "Enable switch", PP)),
        item(6, 2, button("btnHeatingParameterWrite", "Write", MME, minw=100)),
        item(4, 2, combo("comboBoxCloseHeatingThreshold", True, PM)),
        item(3, 0, label("labelOpenHeatingThreshold", "Open Threshold(\u2103) ", PP)),
        item(2, 2, combo("comboBoxheatEnableSwitch", None, PM)),
        item(4, 0, label("labelCloseHeatingThreshold", "Close Threshold(\u2103)", PP)),
        item(5, 2, spacer("vexp")),
        item(6, 1, spacer("hfix", 5, 20)),
    ], hspacing=7, vspacing=5))

power = groupbox("groupBoxPowerParameters", "Power management parameters", ("MinimumExpanding", "Expanding"), grid(
    "gridLayout_5", [
        item(4, 0, label("labelCellsSleepVoltage", "Cells Sleep volt(mV)", PM)),
        item(9, 0, button("btnPowerParametersRead", "Read", MME)),
        item(1, 0, label("labelCurrentSensor", "Current sensor(u\u03a9)", PM)),
        item(2, 2, combo("comboBoxSelfConsumption", True, PM)),
        item(2, 0, label("labelSelfConsumption", "Self consumption(mA)", PM)),
        item(1, 2, combo("comboBoxCurrentSensor", True, ("MinimumExpanding", "MinimumExpanding"))),
        item(7, 2, combo("comboBoxCellsSHIPvoltage", True, PM)),
        item(7, 0, label("labelCellsSHIPvoltage", "Cells SHIP voltage(mV)", PM)),
        item(3, 0, label("labelIdleSleepDelay", "Idle Sleep Delay(min)", PM)),
        item(5, 0, label("labelInspectionTime", "Inspection time(min)", PM)),
        item(4, 2, combo("comboBoxCellsSleepVoltage", True, PM)),
        item(3, 2, combo("comboBoxIdleSleepDelay", True, PM)),
        item(9, 2, button("btnPowerParametersWrite", "Write", MME, minw=100)),
        item(5, 2, combo("comboBoxInspectionTime", True, PM)),
        item(8, 2, spacer("vexp")),
        item(9, 1, spacer("hfix", 5, 5)),
    ], hspacing=7, vspacing=5))

config = groupbox("groupBoxSystemConfig", "Config", ("MinimumExpanding", "Expanding"), grid(
    "gridLayout_3", [
        item(3, 1, button("btnSystemParameterImport", "Import", ME, minh=35, maxh=40)),
        item(6, 1, button("btnSystemParameterReadAll", "Read all", ME, minh=35, maxh=40)),
        item(6, 3, button("btnSystemParameterWirteAll", "Write all", ME, minh=35, maxh=40)),
        item(3, 3, button("btnSystemParameterExport", "Export", ME, minh=35, maxh=40)),
        item(8, 1, button("pushButton", "Set default parameters", ("Minimum", "Preferred"),
                          minh=35, maxh=40, enabled=False), colspan=3),
        item(2, 1, spacer("vexp")),
        item(3, 2, spacer("hfix", 20, 20)),
        item(5, 1, spacer("vexp")),
        item(7, 1, spacer("vexp")),
    ]))

balance = groupbox("groupBoxoBalanceSettings", "Balanced settings", ("MinimumExpanding", "Preferred"), grid(
    "gridLayout_6", [
        item(3, 0, label("labelIdleBalance", "Idle balance", PP)),
        item(3, 2, combo("comboBoxIdleBalance", None, PM)),
        item(2, 0, label("labelDiffVoltage", "Voltage diff(mV)", PP)),
        item(2, 2, combo("comboBoxDiffVoltage", True, PM)),
        item(5, 0, button("btnBalanceSettingsRead", "Read", MME)),
        item(5, 2, button("btnBalanceSettingsWrite", "Write", MME, minw=100)),
        item(1, 2, combo("comboBoxThresholdVoltage", True, PM)),
        item(0, 2, combo("comboBoxBalanceEnable", None, PM)),
        item(0, 0, label("labelBalanceEnable", "Enable switch", PP)),
        item(1, 0, label("labelThresholdVoltage", "Threshold volt(mV)", PP)),
        item(4, 2, spacer("vexp")),
        item(5, 1, spacer("hfix", 5, 20)),
    ], hspacing=7, vspacing=5))

# The boxes in creation order, with the outer grid's spacers placed among them.
outer = grid("gridLayout_9", [
    item(0, 0, battery, rowspan=2),
    item(0, 1, spacer("hfix", 10, 20)),
    item(3, 4, switches, rowspan=2),
    item(0, 6, sysinfo, rowspan=2),
    item(0, 4, limit, rowspan=2),
    item(0, 3, spacer("hfix", 10, 20)),
    item(1, 5, spacer("hfix", 10, 20)),
    item(2, 0, spacer("vfix", h=10)),
    item(3, 2, heating, rowspan=2),
    item(3, 0, power, rowspan=2),
    item(3, 1, spacer("hfix", 10, 20)),
    item(3, 3, spacer("hfix", 10, 20)),
    item(3, 6, config, rowspan=2),
    item(4, 5, spacer("hfix", 10, 20)),
    item(0, 2, balance, rowspan=2),
], margins=[("leftMargin", 0), ("topMargin", 5), ("rightMargin", 0), ("bottomMargin", 5)], hspacing=0)

page = ('<widget class="QWidget" name="SettingsWindow">'
        + prop("geometry", "<rect><x>0</x><y>0</y><width>1459</width><height>667</height></rect>")
        + policy("Preferred", "Expanding")
        + prop("windowTitle", string("Form"))
        + prop("styleSheet", '<string notr="true"/>')
        + outer + "</widget>")

doc = ('<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0">\n<class>SettingsWindow</class>\n'
       + page + "\n<resources/>\n<connections/>\n</ui>\n")

# Indent for readability.
import xml.dom.minidom  # noqa: E402
pretty = xml.dom.minidom.parseString(doc.encode("utf-8")).toprettyxml(indent=" ", encoding="UTF-8").decode("utf-8")
pretty = "\n".join(line for line in pretty.splitlines() if line.strip())
with open(os.path.join(HERE, "..", "settingswindow.ui"), "w", encoding="utf-8") as out:
    out.write(pretty + "\n")
