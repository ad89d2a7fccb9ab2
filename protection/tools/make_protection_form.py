#!/usr/bin/env python3
"""Writes protection/protectionwindow.ui, the form of the protection page.

The form holds two tabs of parameter groups. Every group is a grid: labels in
the left column, value combo boxes on the right, Read and Write on the last
row. The tables below are the whole content of the form; run this script after
changing them and commit the .ui it writes:

    python3 protection/tools/make_protection_form.py
"""

import os
import sys
from xml.sax.saxutils import escape

# ---------------------------------------------------------------------------
# Value lists

EMPTY = ['']          # item 0 of a value combo box: the slot a read fills


def rng(first, last, step=1):
    """Every value from first to last inclusive, step apart (either direction)."""
    step = abs(step) if last >= first else -abs(step)
    return [str(v) for v in range(first, last + step, step)]


def volts(first, last):
    """Pack voltages in whole volts written with two decimals."""
    return ['%d.00' % v for v in range(first, last + 1)]


DELAY_1_10 = EMPTY + rng(1, 10)
RELEASE_TIME = EMPTY + rng(1, 5)
LATCH_LIMIT = EMPTY + rng(0, 10)
HOT = EMPTY + rng(55, 70)
COLD = EMPTY + rng(5, -45, 5)

CELL_OV = EMPTY + rng(3550, 3800, 50) + rng(4150, 4300, 50)
CELL_OV_RELEASE = EMPTY + rng(3350, 3800, 50) + ['3900', '4000'] + rng(4150, 4300, 50)
PACK_OV_ALARM = EMPTY + ['54.00', '56.00', '57.60']
PACK_OVP = EMPTY + ['55.00', '56.00', '57.60']
PACK_OV_RELEASE = EMPTY + ['50.00', '51.00', '52.00', '53.00', '54.00', '56.00', '57.60', '54.00']

_CURRENT_TAIL = rng(60, 100, 10) + rng(105, 145, 5) + rng(155, 220, 5) + rng(230, 330, 10)
OC_ALARM = EMPTY + ['10', '20', '50', '40'] + _CURRENT_TAIL
OC_PROTECT = EMPTY + ['20', '50', '40'] + _CURRENT_TAIL

# Delay codes: the item position is the value stored in the BMS.
DELAY_16 = ['10mS', '20mS', '40mS', '60mS', '80mS', '100mS', '200mS', '400mS',
            '600mS', '800mS', '1S', '2S', '4S', '8S', '10S', '20S']
CELL_OV2_DELAY = ['1S', '2S', '4S', '8S']
CELL_UV2_DELAY = ['1S', '4S', '8S', '16S']
SCD_DELAY = ['70uS', '100uS', '200uS', '400uS']
OCD2_DELAY = ['4mS', '10mS', '20mS', '40mS', '80mS', '160mS', '320mS', '640mS']

# ---------------------------------------------------------------------------
# Groups
#
# A row is (label, label text, combo box, items, options); options:
#   'label_off' label disabled, 'combo_off' combo box disabled,
#   'visible' maximum visible items, 'index' current index after setup.

OFF = {'combo_off': True}
BOTH_OFF = {'combo_off': True, 'label_off': True}
DELAY_CODE = {'visible': 16, 'index': 0}


class Group:
    def __init__(self, name, title, rows, buttons, layout='single'):
        self.name = name
        self.title = title
        self.rows = rows
        self.buttons = buttons
        self.layout = layout


def rw(prefix):
    return [('btn%sRead' % prefix, 'Read'), ('btn%sWrite' % prefix, 'Write')]


def rw_(prefix):
    return [('btn%s_Read' % prefix, 'Read'), ('btn%s_Write' % prefix, 'Write')]


OV1 = Group('groupBoxProtectOV1', 'Over voltage 1', [
    ('labelCellOV1alarm', 'Cell OV alarm(mV)', 'comboBoxCellOV1alarm', CELL_OV, {}),
    ('labelCellOVP1', 'Cell OVP(mV)', 'comboBoxCellOVP1', CELL_OV, {}),
    ('labelCellOV1Delay', 'Delay (S)', 'comboBoxCellOV1Delay', DELAY_1_10, {}),
    ('labelCellOV1Release', 'Release(mV)', 'comboBoxCellOV1Release', CELL_OV_RELEASE, {}),
    ('labelPackOV1alarm', 'Pack OV alarm(V)', 'comboBoxPackOV1alarm', PACK_OV_ALARM, {}),
    ('labelPackOVP1', 'Pack OVP(V)', 'comboBoxPackOVP1', PACK_OVP, {}),
    ('labelPackOV1Delay', 'Delay (S)', 'comboBoxPackOV1Delay', DELAY_1_10, {}),
    ('labelPackOV1Release', 'Release(V)', 'comboBoxPackOV1Release', PACK_OV_RELEASE, {}),
], rw('OV1'))

CONFIG1 = Group('groupBoxProtectConfig', 'Config', [], [
    ('btnImportProtection1Param', 'Import'),
    ('btnExportProtection1Param', 'Export'),
    ('btnReadAllProtect_1', 'Read all'),
    ('btnWriteAllProtect_1', 'Write all'),
    ('pushButton', 'Set default parameters'),
], layout='config')

OCC1 = Group('groupBoxProtectOCC1', 'Over current charge 1', [
    ('labelOCC1alarm', 'OCC alarm(A)', 'comboBoxOCC1alarm', OC_ALARM, {}),
    ('labelOCCP1', 'OCC Protect(A)', 'comboBoxOCCP1', OC_PROTECT, {}),
    ('labelOCC1Delay', 'OCC Delay (S)', 'comboBoxOCC1Delay', DELAY_1_10, {}),
    ('labelOCC1Release', 'OCC Release(A)', 'comboBoxOCC1Release', EMPTY + rng(-1, -5), {}),
    ('labelOCC1Latchlimit', 'OCC Latchlimit  ', 'comboBoxOCC1Latchlimit', LATCH_LIMIT, {}),
    ('labelOCC1ReleaseTime', 'ReleaseTime(S)', 'comboBoxOCC1ReleaseTime', RELEASE_TIME, {}),
], rw('OCC1'))

SOC = Group('groupBoxSOC_cut_off', 'SOC cut-off', [
    ('labelSOC_Alarm', 'SOC alarm(%)', 'comboBoxSOC_Alarm', EMPTY + rng(25, 0, 5), {}),
    ('labelSOC_cut_off', 'SOC cut off(%)', 'comboBoxSOC_cut_off', EMPTY + rng(20, 0, 5), {}),
    ('labelSOC_Delay', 'Delay (S)', 'comboBoxSOC_Delay', DELAY_1_10, OFF),
    ('labelSOC_Release', 'Release(%)', 'comboBoxSOC_Release', EMPTY + rng(20, 0, 5), OFF),
    ('labelDiffalarm', 'Diff alarm(mV)', 'comboBoxDiffalarm', EMPTY + rng(20, 0, 5), {}),
], rw_('SOC'))

OCD1 = Group('groupBoxProtectOCD1', 'Over current discharge 1', [
    ('labelOCD1alarm', 'OCD alarm(A)', 'comboBoxOCD1alarm', OC_ALARM, {}),
    ('labelOCDP1', 'OCD Protect(A)  ', 'comboBoxOCDP1', OC_PROTECT, {}),
    ('labelOCD1Delay', 'OCD Delay (S)', 'comboBoxOCD1Delay', DELAY_1_10, {}),
    ('labelOCD1Release', 'OCD Release(A)', 'comboBoxOCD1Release', EMPTY + rng(1, 5), {}),
    ('labelOCD1Latchlimit', 'OCD Latchlimit', 'comboBoxOCD1Latchlimit', LATCH_LIMIT, {}),
    ('labelOCD1ReleaseTime', 'ReleaseTime(S)', 'comboBoxOCD1ReleaseTime', RELEASE_TIME, {}),
], rw('OCD1'))

UV1 = Group('groupBoxProtectUV1', 'Under voltage 1', [
    ('labelCellUV1alarm', 'Cell UV alarm(mV)', 'comboBoxCellUV1alarm', EMPTY + rng(2900, 2400, 50), {}),
    ('labelCellUVP1', 'Cell UVP(mV)', 'comboBoxCellUVP1',
     EMPTY + ['2900', '2850'] + rng(2750, 2200, 50), {}),
    ('labelCellUV1Delay', 'Delay (S)', 'comboBoxCellUV1Delay', DELAY_1_10, {}),
    ('labelCellUV1Release', 'Release(mV)', 'comboBoxCellUV1Release', EMPTY + rng(2500, 3450, 50), {}),
    ('labelPackUV1alarm', 'Pack UV alarm(V)', 'comboBoxPackUV1alarm', EMPTY + volts(39, 45), {}),
    ('labelPackUVP1', 'Pack UVP(V)', 'comboBoxPackUVP1', EMPTY + volts(39, 45), {}),
    ('labelPackUV1Delay', 'Delay (S)', 'comboBoxPackUV1Delay', DELAY_1_10, {}),
    ('labelPackUV1Release', 'Release(V)', 'comboBoxPackUV1Release', EMPTY + volts(39, 54), {}),
], rw('UV1'))

MOSFET = Group('groupBoxMOSFET', 'MOSFET temperature', [
    ('labelFETalarm', 'FET alarm(℃)', 'comboBoxFETalarm', EMPTY + rng(65, 105), {}),
    ('labelFETprotect', 'FET OTF(℃)', 'comboBoxFETprotect', HOT, {}),
    ('labelOTFdelay', 'Delay (S)', 'comboBoxOTFdelay', DELAY_1_10, {}),
    ('labelOTFrelease', 'Release(℃)', 'comboBoxOTFrelease', HOT, {}),
], rw_('MOSFET'))

AMBIENT = Group('groupBox', 'Ambient temperature', [
    ('labelOTA_alarm', 'OTA alarm(℃)', 'comboBoxOTA_alarm', HOT, {}),
    ('labelOTA_P', 'OTA_P(℃)', 'comboBoxOTA_P', HOT, BOTH_OFF),
    ('labelOTA_Delay', 'Delay (S)', 'comboBoxOTA_Delay', DELAY_1_10, BOTH_OFF),
    ('labelOTA_Release', 'Release(℃)', 'comboBoxOTA_Release', HOT, {}),
    ('labelUTA_alarm', 'UTA alarm(℃)', 'comboBoxUTA_alarm', COLD, {}),
    ('labelUTA_P', 'UTA_P(℃)', 'comboBoxUTA_P', COLD, BOTH_OFF),
    ('labelUTA_Delay', 'Delay (S)', 'comboBoxUTA_Delay', DELAY_1_10, BOTH_OFF),
    ('labelUTA_Release', 'Release(℃)', 'comboBoxUTA_Release', COLD, {}),
], rw_('OTA'))

UT = Group('groupBoxProtectUT', 'Cells under temperature', [
    ('labelUTC_alarm', 'UTC alarm(℃)', 'comboBoxUTC_alarm', COLD, {}),
    ('labelUTC_P', 'UTC_P(℃)', 'comboBoxUTC_P', COLD, {}),
    ('labelUTC_Delay', 'Delay (S)', 'comboBoxUTC_Delay', DELAY_1_10, {}),
    ('labelUTC_Release', 'Release(℃)', 'comboBoxUTC_Release', COLD, {}),
    ('labelUTD_alarm', 'UTD alarm(℃)', 'comboBoxUTD_alarm', COLD, {}),
    ('labelUTD_P', 'UTD_P(℃)', 'comboBoxUTD_P', COLD, {}),
    ('labelUTD_Delay', 'Delay (S)', 'comboBoxUTD_Delay', DELAY_1_10, {}),
    ('labelUTD_Release', 'Release(℃)', 'comboBoxUTD_Release', COLD, {}),
], rw_('UT'))

OT = Group('groupBoxProtectOT', 'Cell over temperature', [
    ('labelOTC_alarm', 'OTC alarm(℃)', 'comboBoxOTC_alarm', HOT, {}),
    ('labelOTC_P', 'OTC_P(℃)', 'comboBoxOTC_P', HOT, {}),
    ('labelOTC_Delay', 'Delay (S)', 'comboBoxOTC_Delay', DELAY_1_10, {}),
    ('labelOTC_Release', 'Release(℃)', 'comboBoxOTC_Release', HOT, {}),
    ('labelOTD_alarm', 'OTD alarm(℃)', 'comboBoxOTD_alarm', HOT, {}),
    ('labelOTD_P', 'OTD_P(℃)', 'comboBoxOTD_P', HOT, {}),
    ('labelOTD_Delay', 'Delay (S)', 'comboBoxOTD_Delay', DELAY_1_10, {}),
    ('labelOTD_Release', 'Release(℃)', 'comboBoxOTD_Release', HOT, {}),
], rw_('OT'))

OV2 = Group('groupBoxProtectOV_2', 'Over voltage 2', [
    ('labelCellOV2_Alarm', 'Cell OV alarm(mV)', 'comboBoxCellOV2_Alarm',
     EMPTY + rng(3550, 4150, 50) + rng(4150, 4350, 50), OFF),
    ('labelCellOVP2', 'Cell OVP(mV)', 'comboBoxCellOVP2',
     EMPTY + rng(3600, 4250, 50) + rng(4350, 4500, 50), {}),
    ('labelCellOV2_Delay', 'Delay (mS)', 'comboBoxCellOV2_Delay', CELL_OV2_DELAY, DELAY_CODE),
    ('labelCellOV2_Release', 'Release(mV)', 'comboBoxCellOV2_Release', CELL_OV_RELEASE, {}),
    ('labelPackOV2_Alarm', 'Pack OV alarm(V)', 'comboBoxPackOV2_Alarm', PACK_OV_ALARM, BOTH_OFF),
    ('labelPackOVP2', 'Pack OVP(V)', 'comboBoxPackOVP2', PACK_OVP, BOTH_OFF),
    ('labelPackOV2_Delay', 'Delay (mS)', 'comboBoxPackOV2_Delay', DELAY_1_10, BOTH_OFF),
    ('labelPackOV2_Release', 'Release(V)', 'comboBoxPackOV2_Release', PACK_OV_RELEASE, BOTH_OFF),
], rw_('OV2'), layout='spaced')

OCC2 = Group('groupBoxProtectOCC2', 'Over current charge 2', [
    ('labelOCC2_Alarm', 'OCC2 alarm(A)', 'comboBoxOCC2_Alarm', OC_ALARM, BOTH_OFF),
    ('labelOCCP2', 'OCC2 Protect(A)', 'comboBoxOCCP2', EMPTY + rng(80, 400, 10), OFF),
    ('labelOCC2_Delay', 'OCC2 Delay (mS)', 'comboBoxOCC2_Delay', DELAY_16,
     {'combo_off': True, 'visible': 16, 'index': -1}),
    ('labelOCC2_Release', 'OCC2 Release(A)', 'comboBoxOCC2_Release', EMPTY + rng(-1, -5), OFF),
    ('labelOCC2_Latchlimit', 'OCC2 Latchlimit', 'comboBoxOCC2_Latchlimit', LATCH_LIMIT, OFF),
    ('labelOCC2_ReleaseTime', 'ReleaseTime(S)', 'comboBoxOCC2_ReleaseTime', RELEASE_TIME, OFF),
], rw_('OCC2'), layout='spaced')

SC = Group('groupBoxProtectSC', 'Short circuit', [
    ('labelSCD', 'SCD Protect(A)', 'comboBoxSCD', EMPTY + rng(100, 600, 50) + ['700', '800'], {}),
    ('labelSCD_Delay', 'SCD Delay (uS)', 'comboBoxSCD_Delay', SCD_DELAY, DELAY_CODE),
    ('labelSCD_Release', 'SCD Release(A)', 'comboBoxSCD_Release', EMPTY + rng(1, 5), {}),
    ('labelSCD_Latchlimit', 'SCD Latchlimit ', 'comboBoxSCD_Latchlimit', LATCH_LIMIT, {}),
    ('labelSCD_ReleaseTime', 'ReleaseTime(S)', 'comboBoxSCD_ReleaseTime', RELEASE_TIME, {}),
], rw_('SCD'), layout='spaced')

# Two levels side by side: rows 0-5 the second discharge level, rows 6-11 the third.
OCD2 = Group('groupBoxProtectOCD2', 'Overcurrent discharge 2', [
    ('labelOCD2_Alarm', 'OCD2 alarm(A)', 'comboBoxOCD2_Alarm', OC_ALARM, BOTH_OFF),
    ('labelOCDP2', 'OCD2 Protect(A)', 'comboBoxOCDP2', EMPTY + rng(80, 500, 10), {}),
    ('labelOCD2_Delay', 'OCD2 Delay (mS)', 'comboBoxOCD2_Delay', OCD2_DELAY, DELAY_CODE),
    ('labelOCD2_Release', 'OCD2 Release(A)', 'comboBoxOCD2_Release', EMPTY + rng(1, 5), {}),
    ('labelOCD2_Latchlimit', 'OCD2 Latchlimit ', 'comboBoxOCD2_Latchlimit', LATCH_LIMIT, {}),
    ('labelOCD2_ReleaseTime', 'ReleaseTime(S)', 'comboBoxOCD2_ReleaseTime', RELEASE_TIME, {}),
    ('labelOCD2_Alarm_2', 'OCD3 alarm(A)', 'comboBoxOCD3_Alarm', OC_ALARM, BOTH_OFF),
    ('labelOCDP2_2', 'OCD3 Protect(A)', 'comboBoxOCDP3', EMPTY + rng(80, 500, 10) + ['550', '600'], OFF),
    ('labelOCD2_Delay_2', 'OCD3 Delay (mS)', 'comboBoxOCD3_Delay', DELAY_16,
     {'combo_off': True, 'visible': 16, 'index': -1}),
    ('labelOCD2_Release_2', 'OCD3 Release(A)', 'comboBoxOCD3_Release', EMPTY + rng(1, 5), OFF),
    ('labelOCD2_Latchlimit_2', 'OCD3 Latchlimit ', 'comboBoxOCD3_Latchlimit', LATCH_LIMIT, OFF),
    ('labelOCD2_ReleaseTime_2', 'ReleaseTime(S)', 'comboBoxOCD3_ReleaseTime', RELEASE_TIME, OFF),
], rw_('OCD2'), layout='double')

CONFIG2 = Group('groupBoxProtectConfig_3', 'Config', [], [
    ('btnImportProtection2Param', 'Import'),
    ('btnExportProtection2Param', 'Export'),
    ('btnReadAllProtect_2', 'Read all'),
    ('btnWriteAllProtect_2', 'Write all'),
], layout='config')

UV2 = Group('groupBoxProtectUV_2', 'Under voltage 2', [
    ('labelCellUV2_Alarm', 'Cell UV alarm(mV)', 'comboBoxCellUV2_Alarm', EMPTY + rng(3150, 2300, 50), OFF),
    ('labelCellUVP2', 'Cell UVP(mV)', 'comboBoxCellUVP2',
     EMPTY + [str(v) for h in range(3100, 2100, -100) for v in (h, h - 60)][:-1], {}),
    ('labelCellUV2_Delay', 'Delay (mS)', 'comboBoxCellUV2_Delay', CELL_UV2_DELAY, DELAY_CODE),
    ('labelCellUV2_Release', 'Release(mV)', 'comboBoxCellUV2_Release',
     EMPTY + [str(v) for h in range(2300, 3400, 100) for v in (h, h + 40)], {}),
    ('labelPackUV2_Alarm', 'Pack UV alarm(V)', 'comboBoxPackUV2_Alarm', EMPTY + volts(39, 45), BOTH_OFF),
    ('labelPackUVP2', 'Pack UVP(V)', 'comboBoxPackUVP2', EMPTY + volts(39, 45), BOTH_OFF),
    ('labelPackUV2_Delay', 'Delay (mS)', 'comboBoxPackUV2_Delay', DELAY_1_10, BOTH_OFF),
    ('labelPackUV2_Release', 'Release(V)', 'comboBoxPackUV2_Release', EMPTY + volts(39, 54), BOTH_OFF),
], rw_('UV2'), layout='spaced')

CHIP = Group('groupBox_2', 'Chip selection', [
    ('labelAFEmodel', 'AFE model', 'comboBoxAFEmodel', ['M', 'S'], {'index': 0}),
], [], layout='chip')

# Groups in the order their texts are set; (row, column, rowspan, colspan) in
# the tab's grid.
PRIMARY = [
    (OV1, (0, 0, 1, 1)), (CONFIG1, (1, 4, 1, 1)), (OCC1, (0, 1, 1, 1)),
    (SOC, (1, 3, 1, 1)), (OCD1, (1, 1, 1, 1)), (UV1, (1, 0, 1, 1)),
    (MOSFET, (1, 2, 1, 1)), (AMBIENT, (0, 4, 1, 1)), (UT, (0, 3, 1, 1)),
    (OT, (0, 2, 1, 1)),
]
SECONDARY = [
    (OV2, (3, 0, 3, 2)), (OCC2, (1, 3, 1, 1)), (SC, (3, 7, 3, 1)),
    (OCD2, (1, 7, 1, 3)), (CONFIG2, (3, 9, 3, 1)), (UV2, (3, 3, 3, 1)),
    (CHIP, (1, 0, 1, 2)),
]
# Keyboard focus follows the page as it is read: top row, then bottom row.
PRIMARY_FOCUS = [OV1, OCC1, OT, UT, AMBIENT, UV1, OCD1, MOSFET, SOC, CONFIG1]
SECONDARY_FOCUS = [CHIP, OCC2, OCD2, OV2, UV2, SC, CONFIG2]

# ---------------------------------------------------------------------------
# XML

out = []
spacer_count = [0]


def w(depth, text):
    out.append(' ' * depth + text)


def string(text):
    if text == '':
        return '<string/>'
    return '<string>%s</string>' % escape(text)


def prop(depth, name, value):
    w(depth, '<property name="%s">%s</property>' % (name, value))


def cell(row, col, rowspan=1, colspan=1):
    span = ''
    if rowspan != 1:
        span += ' rowspan="%d"' % rowspan
    if colspan != 1:
        span += ' colspan="%d"' % colspan
    return '<item row="%d" column="%d"%s>' % (row, col, span)


def spacer(depth, horizontal, size, expanding):
    kind = 'horizontal' if horizontal else 'vertical'
    spacer_count[0] += 1
    w(depth, '<spacer name="%sSpacer_%d">' % (kind, spacer_count[0]))
    prop(depth + 1, 'orientation', '<enum>Qt::%s</enum>' % ('Horizontal' if horizontal else 'Vertical'))
    if expanding == 'grow':
        # Takes what its row is given, but claims nothing for its group box.
        prop(depth + 1, 'sizeType', '<enum>QSizePolicy::Minimum</enum>')
    elif not expanding:
        prop(depth + 1, 'sizeType', '<enum>QSizePolicy::Fixed</enum>')
    width, height = (size, 20) if horizontal else (20, size)
    w(depth + 1, '<property name="sizeHint" stdset="0"><size><width>%d</width>'
      '<height>%d</height></size></property>' % (width, height))
    w(depth, '</spacer>')


def label(depth, name, text, enabled):
    w(depth, '<widget class="QLabel" name="%s">' % name)
    if not enabled:
        prop(depth + 1, 'enabled', '<bool>false</bool>')
    prop(depth + 1, 'text', string(text))
    w(depth, '</widget>')


def combo(depth, name, items, opts, editable):
    w(depth, '<widget class="QComboBox" name="%s">' % name)
    if opts.get('combo_off'):
        prop(depth + 1, 'enabled', '<bool>false</bool>')
    if editable:
        prop(depth + 1, 'editable', '<bool>true</bool>')
    if 'index' in opts:
        prop(depth + 1, 'currentIndex', '<number>%d</number>' % opts['index'])
    if 'visible' in opts:
        prop(depth + 1, 'maxVisibleItems', '<number>%d</number>' % opts['visible'])
    prop(depth + 1, 'minimumContentsLength', '<number>5</number>')
    for text in items:
        w(depth + 1, '<item>')
        prop(depth + 2, 'text', string(text))
        w(depth + 1, '</item>')
    w(depth, '</widget>')


def button(depth, name, text, enabled=True):
    w(depth, '<widget class="QPushButton" name="%s">' % name)
    if not enabled:
        prop(depth + 1, 'enabled', '<bool>false</bool>')
    prop(depth + 1, 'text', string(text))
    w(depth, '</widget>')


DISABLED_BUTTONS = {'pushButton', 'btnOCC2_Read', 'btnOCC2_Write'}


def grid_open(depth, name, stretch=None, margins=(4, 2, 4, 2), spacing=(6, 2), rows=None):
    attr = ' columnstretch="%s"' % stretch if stretch else ''
    if rows is not None:
        # Only the row rows[1] grows when the layout is given more height.
        attr += ' rowstretch="%s"' % ','.join('1' if r == rows[1] else '0' for r in range(rows[0]))
    w(depth, '<layout class="QGridLayout" name="%s"%s>' % (name, attr))
    for side, value in zip(('leftMargin', 'topMargin', 'rightMargin', 'bottomMargin'), margins):
        prop(depth + 1, side, '<number>%d</number>' % value)
    prop(depth + 1, 'horizontalSpacing', '<number>%d</number>' % spacing[0])
    prop(depth + 1, 'verticalSpacing', '<number>%d</number>' % spacing[1])


def item_widget(depth, pos, fn, *args):
    w(depth, cell(*pos))
    fn(depth + 1, *args)
    w(depth, '</item>')


def group(depth, g, editable):
    w(depth, '<widget class="QGroupBox" name="%s">' % g.name)
    prop(depth + 1, 'title', string(g.title))
    d = depth + 1
    layout_name = 'gridLayout_' + g.name
    if g.layout == 'config':
        grid_open(d, layout_name, '1,1', rows=(4, 3))
        names = g.buttons
        for i, (name, text) in enumerate(names[:4]):
            item_widget(d + 1, (i // 2, i % 2), button, name, text, name not in DISABLED_BUTTONS)
        if len(names) > 4:
            name, text = names[4]
            item_widget(d + 1, (2, 0, 1, 2), button, name, text, name not in DISABLED_BUTTONS)
        w(d + 1, cell(3, 0, 1, 2))
        spacer(d + 2, False, 0, 'grow')
        w(d + 1, '</item>')
    elif g.layout == 'double':
        half = len(g.rows) // 2
        grid_open(d, layout_name, '0,1,0,0,1', rows=(half + 2, half))
        for i, (lab, text, cmb, items, opts) in enumerate(g.rows):
            row = i % half
            col = 0 if i < half else 3
            item_widget(d + 1, (row, col), label, lab, text, not opts.get('label_off'))
            item_widget(d + 1, (row, col + 1), combo, cmb, items, opts, editable)
        w(d + 1, cell(0, 2))
        spacer(d + 2, True, 16, False)
        w(d + 1, '</item>')
        w(d + 1, cell(half, 0, 1, 5))
        spacer(d + 2, False, 0, 'grow')
        w(d + 1, '</item>')
        (rname, rtext), (wname, wtext) = g.buttons
        item_widget(d + 1, (half + 1, 0, 1, 2), button, rname, rtext, rname not in DISABLED_BUTTONS)
        item_widget(d + 1, (half + 1, 3, 1, 2), button, wname, wtext, wname not in DISABLED_BUTTONS)
    else:
        # 'single': label, combo; 'spaced': label, gap, combo; 'chip': one row
        combo_col = 2 if g.layout == 'spaced' else 1
        n = len(g.rows)
        grid_open(d, layout_name, '0,0,1' if combo_col == 2 else '0,1',
                  rows=(n + 2, n) if g.buttons else (n + 1, n))
        for row, (lab, text, cmb, items, opts) in enumerate(g.rows):
            item_widget(d + 1, (row, 0), label, lab, text, not opts.get('label_off'))
            item_widget(d + 1, (row, combo_col), combo, cmb, items, opts, editable)
        if combo_col == 2:
            w(d + 1, cell(0, 1))
            spacer(d + 2, True, 4, False)
            w(d + 1, '</item>')
        w(d + 1, cell(n, 0, 1, combo_col + 1))
        spacer(d + 2, False, 0, 'grow')
        w(d + 1, '</item>')
        if g.buttons:
            (rname, rtext), (wname, wtext) = g.buttons
            item_widget(d + 1, (n + 1, 0), button, rname, rtext, rname not in DISABLED_BUTTONS)
            item_widget(d + 1, (n + 1, combo_col), button, wname, wtext, wname not in DISABLED_BUTTONS)
    w(d, '</layout>')
    w(depth, '</widget>')


def tab(depth, name, title, groups, editable, stretch, spacers, rows):
    w(depth, '<widget class="QWidget" name="%s">' % name)
    w(depth + 1, '<attribute name="title">%s</attribute>' % string(title))
    grid_open(depth + 1, 'gridLayout_' + name, stretch, (2, 2, 2, 2), (4, 2), rows)
    for g, pos in groups:
        # Boxes that hold no parameter rows keep their own height.
        top = ' alignment="Qt::AlignTop"' if g.layout in ('config', 'chip') else ''
        w(depth + 2, cell(*pos)[:-1] + top + '>')
        group(depth + 3, g, editable)
        w(depth + 2, '</item>')
    for pos, horizontal, size, expanding in spacers:
        w(depth + 2, cell(*pos))
        spacer(depth + 3, horizontal, size, expanding)
        w(depth + 2, '</item>')
    w(depth + 1, '</layout>')
    w(depth, '</widget>')


def focus_chain(groups):
    chain = []
    for g in groups:
        if g.layout == 'double':
            half = len(g.rows) // 2
            chain += [r[2] for r in g.rows[:half]] + [r[2] for r in g.rows[half:]]
        else:
            chain += [r[2] for r in g.rows]
        chain += [b[0] for b in g.buttons]
    return chain


def build():
    w(0, '<?xml version="1.0" encoding="UTF-8"?>')
    w(0, '<ui version="4.0">')
    w(1, '<class>ProtectionWindow</class>')
    w(1, '<widget class="QWidget" name="ProtectionWindow">')
    prop(2, 'geometry', '<rect><x>0</x><y>0</y><width>1200</width><height>650</height></rect>')
    prop(2, 'windowTitle', string('Form'))
    w(2, '<layout class="QVBoxLayout" name="verticalLayout_ProtectionWindow">')
    for side in ('leftMargin', 'topMargin', 'rightMargin', 'bottomMargin'):
        prop(3, side, '<number>0</number>')
    w(3, '<item>')
    w(4, '<widget class="QTabWidget" name="tabWidgetProtect">')
    prop(5, 'currentIndex', '<number>0</number>')
    tab(5, 'tabProtectlve1', 'Primary protection', PRIMARY, True, '1,1,1,1,1',
        [((2, 0, 1, 5), False, 0, True)], (3, 2))
    tab(5, 'tabProtectlve2', 'Secondary protection', SECONDARY, False,
        '1,0,0,1,0,0,0,1,0,1',
        [((1, 2), True, 12, False), ((1, 4, 1, 3), True, 12, False),
         ((3, 8), True, 12, False), ((2, 0, 1, 10), False, 6, False),
         ((6, 0, 1, 10), False, 0, True)], (7, 6))
    w(4, '</widget>')
    w(3, '</item>')
    w(2, '</layout>')
    w(1, '</widget>')
    w(1, '<tabstops>')
    for name in ['tabWidgetProtect'] + focus_chain(PRIMARY_FOCUS) + focus_chain(SECONDARY_FOCUS):
        w(2, '<tabstop>%s</tabstop>' % name)
    w(1, '</tabstops>')
    w(1, '<resources/>')
    w(1, '<connections/>')
    w(0, '</ui>')


def check():
    groups = [g for g, _ in PRIMARY + SECONDARY]
    rows = [r for g in groups for r in g.rows]
    counts = {
        'group boxes': len(groups),
        'labels': len(rows),
        'combo boxes': len(rows),
        'push buttons': sum(len(g.buttons) for g in groups),
        'items': sum(len(r[3]) for r in rows),
    }
    expected = {'group boxes': 17, 'labels': 101, 'combo boxes': 101,
                'push buttons': 37, 'items': 1484}
    if counts != expected:
        sys.exit('form tables do not add up: %s' % counts)


if __name__ == '__main__':
    check()
    build()
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'protectionwindow.ui')
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(out) + '\n')
