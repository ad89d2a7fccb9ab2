#!/usr/bin/env python3
"""Writes user/userwindow.ui, the form of the user page.

The page is one tab widget with three tabs: the settings of the pack
(inverter, communication, system commands, production, version, language and
access code), the WiFi/MQTT parameters and the calibration with the line-loss
compensation. The tables below are the whole content of the form; run this
script after changing them and commit the .ui it writes:

    python3 user/tools/make_user_form.py

The page must fit beside the side bar on a 1366 x 768 screen (about
1200 x 650 pixels), so the form is compact where it has to be: the page and
the tab widget may shrink to what their contents need, the first tab's boxes
take the height of their rows rather than their preferred height, the
inverter and production rows stand closer together with the style sheet's
field height, and the button that sets the BMS clock never gets narrower than
its text.
"""

import os
import sys
from xml.sax.saxutils import escape

# ---------------------------------------------------------------------------
# Value lists

CANBUS = ['0.Pylon V2.06', '1.Deye', '2.Growatt', '3.Luxpower', '4.Goodwe', '5.SMA',
          '6.Victron', '7.SOROUPS', '8.GINLONG/Solis', '9.MEGAREVO', '10.INVT', '11.OuLu',
          '12.MUST', '13.TBB', '14.SoFar', '15.Schneider', '16.SOLAX'] + \
         ['%d.Custom' % i for i in range(17, 24)] + ['%d.reserve' % i for i in range(24, 32)]
RS485 = ['0.Pylon V3.5', '1.Deye', '2.Growatt', '3.Luxpower', '4.Voltronic', '5.Modbus',
         '6.SOLAX', '7.BlueSun', '8.Lux_modbus', '9.SMK'] + ['%d.Custom' % i for i in range(10, 24)]


def rng(first, last):
    return [str(v) for v in range(first, last + 1)]


SOC = rng(5, 20)
UART_BAUD = ['', '9600', '19200', '38400', '57600', '115200']

# The language selector: item texts and the compiled-in images beside them.
LANGUAGES = [('English', ':/EN02.png'), ('简体中文', ':/CN02.png'),
             ('Русский', ':/eryu.png'), ('Вьетнам', ':/belang.png')]
IMAGES_QRC = 'images/userimages.qrc'

# ---------------------------------------------------------------------------
# Widget properties. Each helper gives (name, xml value) pairs.

MAX = 16777215


def string(text):
    return '<string/>' if text == '' else '<string>%s</string>' % escape(text)


def text(t):
    return [('text', string(t))]


def title(t):
    return [('title', string(t))]


def policy(h, v):
    return [('sizePolicy', '<sizepolicy hsizetype="%s" vsizetype="%s"><horstretch>0</horstretch>'
             '<verstretch>0</verstretch></sizepolicy>' % (h, v))]


def size(w, h):
    return '<size><width>%d</width><height>%d</height></size>' % (w, h)


def minimum(w, h):
    return [('minimumSize', size(w, h))]


def maxh(h):
    return [('maximumSize', size(MAX, h))]


def maximum(w, h):
    return [('maximumSize', size(w, h))]


def font(points):
    return [('font', '<font><pointsize>%d</pointsize></font>' % points)]


def boolean(name, value):
    return [(name, '<bool>%s</bool>' % ('true' if value else 'false'))]


def enum(name, value):
    return [(name, '<enum>%s</enum>' % value)]


LEFT_VCENTER = [('alignment', '<set>Qt::AlignLeading|Qt::AlignLeft|Qt::AlignVCenter</set>')]

# ---------------------------------------------------------------------------
# Tree. A widget is ('widget', class, name, props, children, extra); a grid is
# ('grid', name, props, cells) with cells (row, col, rowspan, colspan, node); a
# spacer is ('spacer', w, h, hpolicy, vpolicy).


def widget(cls, name, props=(), children=None, extra=None):
    return ('widget', cls, name, list(props), children, extra)


def label(name, t, props=()):
    return widget('QLabel', name, text(t) + list(props))


def button(name, t, props=()):
    return widget('QPushButton', name, text(t) + list(props))


def combo(name, items, props=(), editable=False):
    props = list(props) + (boolean('editable', True) if editable else [])
    return widget('QComboBox', name, props, extra=('items', items))


def line(name, props=()):
    return widget('QLineEdit', name, list(props))


def spacer(w, h, hpolicy, vpolicy):
    return ('spacer', w, h, hpolicy, vpolicy)


def grid(name, cells, props=()):
    return ('grid', name, list(props), cells)


def at(row, col, node, rowspan=1, colspan=1):
    return (row, col, rowspan, colspan, node)


def group(name, t, props, layout):
    return widget('QGroupBox', name, title(t) + list(props), children=layout)


def margins(m):
    return [(side, '<number>%d</number>' % m) for side in ('leftMargin', 'topMargin', 'rightMargin', 'bottomMargin')]


def spacing(h, v):
    return [('horizontalSpacing', '<number>%d</number>' % h), ('verticalSpacing', '<number>%d</number>' % v)]


# ---- Tab 0: settings of the pack -------------------------------------------

INVERTER_ROWS = [
    ('labelCanbus', 'CAN BUS', 'comboBoxCanbus', CANBUS, False, (120, 30)),
    ('labelRs485', 'RS485', 'comboBoxRs485', RS485, False, (120, 28)),
    ('labelMaxChargingVolt', 'Max charging voltage(V)', 'comboBoxMaxChargingVolt', rng(54, 58), True, (0, 28)),
    ('labelMaxChargingCur', 'Max charging current(A)', 'comboBoxMaxChargingCur',
     ['50', '100', '150', '200'], True, (0, 28)),
    ('labelMaxDischargingCur', 'Max discharge current(A)', 'comboBoxMaxDischargingCur',
     ['-50', '-100', '-150', '-200'], True, (0, 28)),
    ('labelDischargeCutOff', 'Discharge Cut-off Voltage(V)', 'comboBoxDischargeCutOff', rng(40, 48), True, (80, 28)),
    ('labelForcedChargeRequest1SOC', 'Forced Charge Request 1 SOC (%)', 'comboBoxForcedChargeRequest1SOC',
     SOC, True, (80, 28)),
    ('labelForcedChargeRelease1SOC', 'Forced Charge Release 1 SOC (%)', 'comboBoxForcedChargeRelease1SOC',
     SOC, True, (80, 28)),
    ('labelForcedChargeRequest2SOC', 'Forced Charge Request 2 SOC (%)', 'comboBoxForcedChargeRequest2SOC',
     SOC, True, (80, 28)),
    ('labelForcedChargeRelease2SOC', 'Forced Charge Release 2 SOC (%)', 'comboBoxForcedChargeRelease2SOC',
     SOC, True, (80, 28)),
]


def inverter():
    cells = []
    for row, (lab, t, cmb, items, editable, (mw, mh)) in enumerate(INVERTER_ROWS):
        cells.append(at(row, 0, label(lab, t, policy('Preferred', 'MinimumExpanding'))))
        cells.append(at(row, 1, spacer(20, 20, 'Fixed', 'Minimum')))
        cells.append(at(row, 2, combo(cmb, items, policy('Preferred', 'MinimumExpanding') + minimum(mw, 26)
                                      + maxh(35), editable)))
    cells.append(at(10, 2, spacer(20, 20, 'Minimum', 'Preferred')))
    cells.append(at(11, 0, button('btnInverterParametersRead', 'Read', policy('Preferred', 'MinimumExpanding')
                                  + minimum(0, 32) + maxh(40) + font(11))))
    cells.append(at(11, 1, spacer(20, 20, 'Fixed', 'Minimum')))
    cells.append(at(11, 2, button('btnInverterParametersWrite', 'Write', policy('MinimumExpanding', 'MinimumExpanding')
                                  + minimum(100, 32) + maxh(40) + font(11))))
    return group('groupBoxInverter', 'Inverter parameters', policy('Preferred', 'Preferred') + font(11),
                 grid('gridLayout_3', cells, margins(4) + spacing(11, 3)))


COM_ROWS = [
    ('label', 'BMS adrss', 'comboBoxBmsAdrss', [''] + rng(0, 32) + ['255']),
    ('label_2', 'CAN BAUD', 'comboBoxCanBaud', ['', '125', '250', '500', '1000']),
    ('label_3', 'UART1 BAUD', 'comboBoxUart1Baud', UART_BAUD),
    ('label_4', 'UART2 BAUD', 'comboBoxUart2Baud', UART_BAUD),
    ('label_5', 'UART3 BAUD', 'comboBoxUart3Baud', UART_BAUD),
    ('label_6', 'UART4 BAUD', 'comboBoxUart4Baud', UART_BAUD),
    ('label_7', 'UART5 BAUD', 'comboBoxUart5Baud', UART_BAUD),
]


def com():
    common = policy('Expanding', 'MinimumExpanding') + font(11)
    cells = []
    for row, (lab, t, cmb, items) in enumerate(COM_ROWS):
        cells.append(at(row, 1, label(lab, t, common + maxh(40))))
        cells.append(at(row, 3, combo(cmb, items, common + minimum(0, 25) + maxh(35))))
    cells.append(at(7, 3, spacer(20, 40, 'Minimum', 'Expanding')))
    cells.append(at(8, 1, button('btnComRead', 'Read', common + minimum(60, 32) + maxh(40))))
    cells.append(at(8, 2, spacer(20, 20, 'Fixed', 'Minimum')))
    cells.append(at(8, 3, button('btnComWrite', 'Write', common + minimum(60, 32) + maxh(40))))
    return group('groupBox', 'Com parameters', policy('Preferred', 'Preferred') + minimum(320, 0)
                 + maximum(600, MAX) + font(11), grid('gridLayout_6', cells, spacing(11, 5)))


def commands():
    caption = (minimum(120, 30) + maxh(30) + policy('Preferred', 'MinimumExpanding') + font(11)
               + enum('layoutDirection', 'Qt::RightToLeft') + LEFT_VCENTER)
    clock = (boolean('enabled', True) + policy('Minimum', 'MinimumExpanding') + minimum(200, 25) + maxh(35)
             + font(11) + boolean('autoFillBackground', False)
             + [('styleSheet', '<string notr="true">background-color: rgb(255, 255, 255);</string>')]
             + text('') + enum('textFormat', 'Qt::AutoText') + boolean('scaledContents', False)
             + LEFT_VCENTER + boolean('openExternalLinks', False))
    wide = policy('MinimumExpanding', 'MinimumExpanding') + minimum(60, 32) + maxh(40) + font(11)
    cells = [
        at(0, 0, label('labelBmsReset', 'BMS Reset', caption)),
        at(0, 2, button('btnResetBMS', 'Reset BMS', wide)),
        at(1, 0, spacer(20, 40, 'Minimum', 'Expanding')),
        at(2, 0, label('labelBmsTime', 'BMS RTC time:', caption)),
        at(2, 2, widget('QLabel', 'labelBmsSystemTime', clock)),
        at(3, 0, spacer(20, 40, 'Minimum', 'Expanding')),
        at(4, 0, button('btnRTCRead', 'Read', policy('Minimum', 'MinimumExpanding') + minimum(120, 32)
                        + maxh(40) + font(11))),
        at(4, 1, spacer(69, 20, 'Expanding', 'Minimum')),
        at(4, 2, button('btnUpdateSystemTime', 'Update the BMS RTC time', policy('MinimumExpanding', 'MinimumExpanding')
                        + minimum(0, 32) + maxh(40) + font(11))),
    ]
    return group('groupBox_5', 'System commands', font(11), grid('gridLayout_4', cells))


PRODUCTION_ROWS = [
    ('labelBMS_SN', 'BMS  SN:', 'lineEditBMS_SN',
     boolean('enabled', True) + boolean('frame', True) + boolean('dragEnabled', False) + boolean('readOnly', False)),
    ('labelPack_SN', 'PACK SN:', 'lineEditPack_SN', []),
    ('labelManufactureDate', 'Manufacture Date:', 'lineEditManufactureDate', boolean('enabled', True)),
    ('labelManufactureName', 'Manufacture Name:', 'lineEditManufactureName', boolean('enabled', True)),
    ('labelOrderNumber', 'Order Number:', 'lineEditOrderNumber', []),
    ('battery', 'Battery Name:', 'lineEditBatteryName', boolean('enabled', True)),
]


def production():
    field = policy('Expanding', 'MinimumExpanding') + minimum(0, 26) + maxh(35)
    cells = []
    for row, (lab, t, edit, extra) in enumerate(PRODUCTION_ROWS):
        rows = 2 if lab == 'battery' else 1   # the battery name takes two rows
        cells.append(at(row, 0, label(lab, t, policy('Preferred', 'MinimumExpanding')), rows))
        cells.append(at(row, 2, line(edit, extra + field), rows, 2))
    cells.append(at(1, 1, spacer(10, 20, 'Fixed', 'Minimum')))
    cells.append(at(7, 2, spacer(20, 20, 'Minimum', 'Preferred')))
    cells.append(at(8, 0, button('btnProductionRead', 'Read', policy('Preferred', 'MinimumExpanding')
                                 + minimum(0, 32) + maxh(40) + font(11)), 1, 2))
    cells.append(at(8, 3, button('btnProductionWrite', 'Write', policy('Minimum', 'MinimumExpanding')
                                 + minimum(0, 32) + maxh(40) + font(11))))
    return group('groupProduction', 'Production information', policy('Preferred', 'Preferred')
                 + minimum(400, 0) + font(11), grid('gridLayout', cells, margins(4) + spacing(6, 3)))


VERSION_ROWS = [
    ('labelHardwareVersion', 'Hardware version:', 'lineEditHardwareVersion'),
    ('labelSoftwareVersion', 'Software version:', 'lineEditSoftwareVersion'),
    ('labelProtocolVersion', 'Protocol version:', 'lineEditProtocolVersion'),
]


def version():
    field = policy('Expanding', 'MinimumExpanding') + minimum(0, 25) + maxh(35)
    cells = []
    for row, (lab, t, edit) in enumerate(VERSION_ROWS):
        props = policy('Preferred', 'MinimumExpanding')
        if lab == 'labelProtocolVersion':
            props += minimum(0, 0)
        cells.append(at(row, 0, label(lab, t, props)))
        cells.append(at(row, 1, line(edit, field), 1, 2))
    cells.append(at(3, 1, spacer(20, 40, 'Minimum', 'Expanding')))
    cells.append(at(5, 0, button('btnVersionRead', 'Read', policy('Minimum', 'MinimumExpanding')
                                 + minimum(0, 32) + maxh(40) + font(11))))
    cells.append(at(5, 1, spacer(10, 20, 'Fixed', 'Minimum')))
    layout = spacing(9, 5) + [('rightMargin', '<number>11</number>')]
    return group('groupBoxVersion', 'Version information', policy('Preferred', 'Preferred')
                 + minimum(100, 0) + font(11), grid('gridLayout_5', cells, layout))


def user():
    caption = minimum(0, 35) + maxh(40) + font(12) + LEFT_VCENTER
    language = (policy('MinimumExpanding', 'Fixed') + minimum(0, 35) + maxh(40) + font(12)
                + [('iconSize', size(25, 25))] + boolean('editable', False))
    password = policy('MinimumExpanding', 'Fixed') + minimum(0, 35) + maxh(40) + font(12) \
        + boolean('autoFillBackground', False)
    cells = [
        at(0, 0, label('labelLanguage', 'Language', caption)),
        at(0, 1, spacer(10, 20, 'Fixed', 'Minimum')),
        at(0, 2, widget('QComboBox', 'comboBoxLanguage', language, extra=('icons', LANGUAGES))),
        at(1, 2, spacer(20, 40, 'Minimum', 'Expanding')),
        at(2, 0, label('labelPassword', 'Pass word', caption)),
        at(2, 2, line('lineEditPassword', password)),
        at(3, 2, spacer(20, 40, 'Minimum', 'Expanding')),
        at(4, 0, button('btnUserReadAll', 'Read all', policy('MinimumExpanding', 'MinimumExpanding')
                        + minimum(100, 35) + maxh(40) + font(11))),
        at(4, 2, button('btnUserWriteAll', 'Write all', policy('MinimumExpanding', 'MinimumExpanding')
                        + minimum(0, 35) + maxh(40) + font(11))),
    ]
    return group('groupBox_2', 'User ', policy('MinimumExpanding', 'Preferred') + minimum(320, 0)
                 + maximum(500, MAX) + font(11), grid('gridLayout_7', cells, [('spacing', '<number>11</number>')]))


def tab_settings():
    gap = spacer(20, 20, 'Preferred', 'Minimum')
    return grid('gridLayout_13', [
        at(0, 0, inverter()), at(0, 1, gap), at(0, 2, com()), at(0, 3, gap), at(0, 4, commands()),
        at(1, 0, production()), at(1, 1, gap), at(1, 2, version()), at(1, 3, gap), at(1, 4, user()),
    ], margins(4) + [('spacing', '<number>4</number>')])


# ---- Tab 1: WiFi/MQTT parameters --------------------------------------------

def wifi():
    field = minimum(0, 25) + maxh(35)
    cells = []
    rows = [(0, 'label_Server', 'Server Address:', 'lineEdit_serverAddress', []),
            (1, 'label_Port', 'Port:', 'lineEdit_mqttPort', []),
            (2, 'label_ClientID', 'Client ID:', 'lineEdit_clientID', []),
            (5, 'label_Username', 'Username:', 'lineEdit_mqttUsername', text('')),
            (6, 'label_mqttPassword', 'MQTT Password:', 'lineEdit_mqttPassword', []),
            (10, 'label_wifissid', 'WIFI SSID:', 'lineEdit_wifi_ssid', []),
            (11, 'label_wifiPassword', 'WIFI Password:', 'lineEdit_wifi_password', [])]
    for row, lab, t, edit, extra in rows:
        cells.append(at(row, 0, label(lab, t)))
        cells.append(at(row, 2, line(edit, field + extra), 1, 2))
        if edit == 'lineEdit_clientID':
            cells.append(at(3, 2, label('label_8', 'Suggest using PACK SN as the Client ID', font(9))))
            cells.append(at(4, 2, spacer(20, 40, 'Minimum', 'Preferred')))
        elif edit == 'lineEdit_mqttPassword':
            cells.append(at(7, 2, spacer(20, 40, 'Minimum', 'Preferred')))
        elif edit == 'lineEdit_wifi_password':
            cells.append(at(12, 2, spacer(20, 40, 'Minimum', 'Preferred')))
    cells.append(at(15, 0, button('btnWifiParmRead', 'Read', minimum(0, 32) + maxh(40))))
    cells.append(at(15, 2, spacer(20, 20, 'Preferred', 'Minimum')))
    cells.append(at(15, 3, button('btnWifiParmSetting', 'Setting', minimum(0, 32) + maxh(40))))
    return group('groupBox_4', 'WIFI/MQTT parmaeters', minimum(600, 500) + font(11), grid('gridLayout_11', cells))


def tab_wifi():
    return grid('gridLayout_12', [
        at(0, 0, wifi()),
        at(0, 3, spacer(543, 20, 'Preferred', 'Minimum')),
        at(1, 0, spacer(20, 240, 'Minimum', 'Expanding')),
    ])


# ---- Tab 2: calibration and line loss ---------------------------------------

CALIBRATION_ROWS = [
    (0, 'labelZeroCurrent', 'Zero current(A)', 'lineEditZeroCurrent',
     'btnZeroCurrentCalibration', 'btnResetCalibration_zero'),
    (1, 'labelDischargingCurrentCalibration', 'DisCharging current(A)', 'lineEditDischargingCurrentCalibration',
     'btnDischargingCurrentCalibration', 'btnResetCalibration_discharging_current'),
    (2, 'labelChargingCurrentCalibration', 'Charging current(A)', 'lineEditChargingCurrentCalibration',
     'btnChargingCurrentCalibration', 'btnResetCalibration_charging_current'),
    (4, 'labelCellReferenceVolt', 'Cells reference volt(mV)', 'lineEditCellReferenceVolt',
     'btnCellReferenceVoltCalibration', 'btnResetCalibration_cells'),
    (5, 'labelPackReferenceVolt', 'Pack reference volt(V)', 'lineEditPackReferenceVolt',
     'btnPackReferenceVoltCalibration', 'btnResetCalibration_Pack'),
]


def calibration():
    grow = policy('MinimumExpanding', 'MinimumExpanding')
    field = grow + minimum(0, 25) + maximum(150, 35)
    action = grow + minimum(120, 30) + maxh(35)
    cells = []
    for row, lab, t, edit, calibrate, reset in CALIBRATION_ROWS:
        # The charging current row is two rows high; its value sits in the lower one.
        rows = 2 if row == 2 else 1
        cells.append(at(row, 0, label(lab, t, policy('Preferred', 'MinimumExpanding')), rows))
        extra = boolean('readOnly', True) if edit == 'lineEditZeroCurrent' else []
        cells.append(at(row + rows - 1, 2, line(edit, field + extra)))
        cells.append(at(row, 4, button(calibrate, 'Calibration', action), rows))
        cells.append(at(row, 6, button(reset, 'Reset', action), rows))
        if row == 1:
            cells.append(at(1, 3, spacer(60, 20, 'Preferred', 'Minimum')))
            cells.append(at(1, 5, spacer(60, 20, 'Preferred', 'Minimum')))
        elif row == 2:
            cells.append(at(2, 1, spacer(5, 20, 'Fixed', 'Minimum'), 2, 2))
    cells.append(at(6, 2, spacer(20, 20, 'Minimum', 'Expanding')))
    cells.append(at(7, 0, button('btnCalibrationRead', 'Read', grow + minimum(0, 32) + maxh(40) + font(11))))
    cells.append(at(7, 4, button('pushButton', 'One click calibration', minimum(120, 32) + maxh(40) + font(11)),
                    1, 3))
    return group('groupBoxCalibration', 'Calibration parameters', grow + minimum(0, 0) + font(11),
                 grid('gridLayout_2', cells))


def line_loss():
    cells = []
    for n in range(1, 19):
        row, col = (n - 1) % 6, 3 * ((n - 1) // 6)
        cells.append(at(row, col, label('labelLineloss%02d' % n, 'Cells_%02d (uΩ)' % n,
                                        policy('Preferred', 'MinimumExpanding'))))
        cells.append(at(row, col + 1, line('lineEditLinelossValue_%02d' % n,
                                           policy('MinimumExpanding', 'MinimumExpanding') + minimum(0, 25)
                                           + maximum(100, 35))))
        if row == 2:
            cells.append(at(2, col + 2, spacer(40, 20, 'Expanding', 'Minimum')))
    cells.append(at(2, 9, button('btnCalibrationLineLossRead', 'Read', policy('MinimumExpanding', 'MinimumExpanding')
                                 + minimum(120, 32) + maxh(40) + font(11))))
    cells.append(at(4, 9, button('btnCalibrationLineLossWrite', 'Write', policy('Minimum', 'MinimumExpanding')
                                 + minimum(120, 32) + maxh(40) + font(11))))
    return group('groupBox_3', 'Line loss compensation', [], grid('gridLayout_9', cells))


def tab_calibration():
    return grid('gridLayout_10', [
        at(0, 0, calibration(), 2, 1),
        at(0, 1, spacer(450, 20, 'Preferred', 'Minimum')),
        at(2, 0, spacer(20, 40, 'Minimum', 'Preferred')),
        at(3, 0, line_loss()),
        at(3, 1, spacer(450, 20, 'Preferred', 'Minimum')),
    ])


# ---------------------------------------------------------------------------
# XML

out = []
spacer_count = [0]


def w(depth, s):
    out.append(' ' * depth + s)


def emit_props(depth, props):
    for name, value in props:
        w(depth, '<property name="%s">%s</property>' % (name, value))


def emit_spacer(depth, node):
    _, width, height, hpolicy, vpolicy = node
    horizontal = vpolicy == 'Minimum' and hpolicy != 'Minimum'
    kind = hpolicy if horizontal else vpolicy
    spacer_count[0] += 1
    w(depth, '<spacer name="%sSpacer_%d">' % ('horizontal' if horizontal else 'vertical', spacer_count[0]))
    emit_props(depth + 1, enum('orientation', 'Qt::Horizontal' if horizontal else 'Qt::Vertical')
               + enum('sizeType', 'QSizePolicy::%s' % kind)
               + [('sizeHint" stdset="0', size(width, height))])
    w(depth, '</spacer>')


def emit_grid(depth, node):
    _, name, props, cells = node
    w(depth, '<layout class="QGridLayout" name="%s">' % name)
    emit_props(depth + 1, props)
    for row, col, rowspan, colspan, child in cells:
        span = (' rowspan="%d"' % rowspan if rowspan != 1 else '') + \
               (' colspan="%d"' % colspan if colspan != 1 else '')
        w(depth + 1, '<item row="%d" column="%d"%s>' % (row, col, span))
        emit(depth + 2, child)
        w(depth + 1, '</item>')
    w(depth, '</layout>')


def emit_widget(depth, node):
    _, cls, name, props, children, extra = node
    w(depth, '<widget class="%s" name="%s">' % (cls, name))
    emit_props(depth + 1, props)
    if extra and extra[0] == 'items':
        for item in extra[1]:
            w(depth + 1, '<item>')
            emit_props(depth + 2, text(item))
            w(depth + 1, '</item>')
    elif extra and extra[0] == 'icons':
        for t, image in extra[1]:
            w(depth + 1, '<item>')
            emit_props(depth + 2, text(t) + [('icon', '<iconset resource="%s"><normaloff>%s</normaloff>%s</iconset>'
                                                % (IMAGES_QRC, image, image))])
            w(depth + 1, '</item>')
    if children:
        emit(depth + 1, children)
    w(depth, '</widget>')


def emit(depth, node):
    {'widget': emit_widget, 'grid': emit_grid, 'spacer': emit_spacer}[node[0]](depth, node)


TABS = [('tab', 'Set information', tab_settings), ('tab_3', 'WIFI/MQTT parmaeters', tab_wifi),
        ('tab_2', 'Calibration information', tab_calibration)]


def build():
    w(0, '<?xml version="1.0" encoding="UTF-8"?>')
    w(0, '<ui version="4.0">')
    w(1, '<class>UserWindow</class>')
    w(1, '<widget class="QWidget" name="UserWindow">')
    emit_props(2, [('geometry', '<rect><x>0</x><y>0</y><width>1503</width><height>822</height></rect>')]
               + policy('Expanding', 'Expanding') + minimum(0, 35) + [('windowTitle', string('Form'))])
    w(2, '<layout class="QGridLayout" name="gridLayout_8">')
    emit_props(3, [(side, '<number>0</number>') for side in ('leftMargin', 'topMargin', 'rightMargin', 'bottomMargin')])
    w(3, '<item row="0" column="1">')
    w(4, '<widget class="QTabWidget" name="tabWidget">')
    emit_props(5, policy('Expanding', 'Expanding') + enum('tabPosition', 'QTabWidget::North')
               + enum('tabShape', 'QTabWidget::Rounded') + [('currentIndex', '<number>0</number>')]
               + enum('elideMode', 'Qt::ElideMiddle'))
    for name, t, content in TABS:
        w(5, '<widget class="QWidget" name="%s">' % name)
        w(6, '<attribute name="title">%s</attribute>' % string(t))
        emit(6, content())
        w(5, '</widget>')
    w(4, '</widget>')
    w(3, '</item>')
    w(2, '</layout>')
    w(1, '</widget>')
    w(1, '<resources>')
    w(2, '<include location="%s"/>' % IMAGES_QRC)
    w(1, '</resources>')
    w(1, '<connections/>')
    w(0, '</ui>')


def check():
    text_xml = '\n'.join(out)
    counts = {cls: text_xml.count('<widget class="%s"' % cls)
              for cls in ('QGroupBox', 'QLabel', 'QComboBox', 'QLineEdit', 'QPushButton')}
    counts['QGridLayout'] = text_xml.count('<layout class="QGridLayout"')
    counts['spacers'] = spacer_count[0]
    expected = {'QGroupBox': 9, 'QLabel': 62, 'QComboBox': 18, 'QLineEdit': 40, 'QPushButton': 28,
                'QGridLayout': 13, 'spacers': 44}
    if counts != expected:
        sys.exit('form tables do not add up: %s' % counts)


if __name__ == '__main__':
    build()
    check()
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'userwindow.ui')
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(out) + '\n')
