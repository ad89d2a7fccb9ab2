#!/usr/bin/env python3
"""Writes updatewindow.ui, the form of the firmware-update page.

Run from anywhere: python3 update/tools/make_update_form.py
The generated .ui is what the build uses.
"""
import os
from xml.dom import minidom
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "updatewindow.ui")


def prop(name, inner):
    return '<property name="%s">%s</property>' % (name, inner)


def string(text, notr=False):
    return '<string%s>%s</string>' % (' notr="true"' if notr else '', escape(text))


def size(w, h):
    return '<size><width>%d</width><height>%d</height></size>' % (w, h)


def policy(h, v, hstretch=0):
    return ('<sizepolicy hsizetype="%s" vsizetype="%s"><horstretch>%d</horstretch>'
            '<verstretch>0</verstretch></sizepolicy>' % (h, v, hstretch))


def font(points, bold=None):
    inner = '<pointsize>%d</pointsize>' % points
    if bold is not None:
        inner += '<weight>50</weight><bold>false</bold>'
    return '<font>%s</font>' % inner


def icon(path):
    return '<iconset><normaloff>%s</normaloff>%s</iconset>' % (path, path)


def widget(cls, name, props=(), items=(), notr_items=False, children=''):
    out = '<widget class="%s" name="%s">' % (cls, name)
    out += ''.join(props)
    for text in items:
        out += '<item>%s</item>' % prop('text', string(text, notr_items))
    out += children
    out += '</widget>'
    return out


def spacer(name, orientation, w, h, kind):
    return ('<spacer name="%s">%s%s%s</spacer>'
            % (name, prop('orientation', '<enum>Qt::%s</enum>' % orientation),
               prop('sizeType', '<enum>QSizePolicy::%s</enum>' % kind),
               prop('sizeHint', size(w, h))))


def cell(row, col, content, rowspan=1, colspan=1):
    span = ''
    if rowspan != 1 or colspan != 1:
        span = ' rowspan="%d" colspan="%d"' % (rowspan, colspan)
    return '<item row="%d" column="%d"%s>%s</item>' % (row, col, span, content)


MIN40 = prop('minimumSize', size(0, 40))
ROW_LABEL = [prop('layoutDirection', '<enum>Qt::LeftToRight</enum>'),
             prop('alignment', '<set>Qt::AlignJustify|Qt::AlignVCenter</set>')]


def row_label(name, text, extra=()):
    return widget('QLabel', name, list(extra) + ROW_LABEL + [prop('text', string(text))])


def button(name, text, image, pol, minimum):
    return widget('QPushButton', name, [
        prop('sizePolicy', policy(*pol)), prop('minimumSize', size(*minimum)),
        prop('text', string(text)), prop('icon', icon(image)), prop('iconSize', size(25, 25))])


controls = []
spacer_no = [0]


def next_spacer():
    spacer_no[0] += 1
    return 'controlSpacer%d' % spacer_no[0]


controls.append(cell(0, 0, widget('QLabel', 'labelmodel', [
    prop('textFormat', '<enum>Qt::AutoText</enum>'), prop('text', string('IapModel:'))]), 1, 3))
controls.append(cell(0, 4, widget('QComboBox', 'comboBox_iap_model', [
    prop('sizePolicy', policy('Preferred', 'Preferred')), MIN40, prop('editable', '<bool>false</bool>'),
    prop('maxVisibleItems', '<number>10</number>'), prop('maxCount', '<number>2147483647</number>')],
    ['APPboot', 'IAPboot'])))
controls.append(cell(2, 0, row_label('labelAdrss', 'BMS Adrss:', [prop('font', font(12, bold=False))]), 1, 3))
controls.append(cell(2, 4, widget('QComboBox', 'comboBox_iapAdrss', [MIN40],
                                  [str(i) for i in range(16)], notr_items=True)))
controls.append(cell(4, 0, row_label('label_iap_com', 'Serial port:'), 1, 3))
controls.append(cell(4, 4, widget('QComboBox', 'comboBox_iap_com', [
    prop('sizePolicy', policy('Preferred', 'MinimumExpanding')), MIN40])))
controls.append(cell(4, 6, button('pushButtonSearch_iap', 'Re search port', ':/la.png',
                                  ('Expanding', 'MinimumExpanding'), (0, 40))))
controls.append(cell(6, 0, widget('QLabel', 'label_iap_buad', [
    prop('sizePolicy', policy('Expanding', 'Preferred', 200))] + ROW_LABEL
    + [prop('text', string('Upgrade Baud Rate:'))]), 1, 3))
controls.append(cell(6, 4, widget('QComboBox', 'comboBox_iap_buad', [
    MIN40, prop('iconSize', size(25, 25))], ['9600', '19200', '115200'], notr_items=True)))
controls.append(cell(6, 6, button('iap_btnOpenCom', 'Open', ':/power-off-red.png',
                                  ('Minimum', 'MinimumExpanding'), (0, 40))))
controls.append(cell(8, 0, row_label('labelUpdateFilePath', 'File Path:'), 1, 3))
controls.append(cell(8, 4, widget('QTextBrowser', 'textBrowserUpdateFilePath', [
    prop('sizePolicy', policy('Expanding', 'Expanding')), prop('maximumSize', size(16777215, 100))]), 1, 3))
controls.append(cell(10, 0, row_label('labelUpdateFileSize', 'File size(bytes):'), 1, 3))
controls.append(cell(10, 4, widget('QLineEdit', 'lineEditUpdateFileSize', [
    prop('sizePolicy', policy('Expanding', 'Expanding')), MIN40]), 1, 3))
controls.append(cell(12, 0, row_label('labelApplicationName', 'Application Name:'), 1, 3))
controls.append(cell(12, 4, widget('QLineEdit', 'lineEditApplicationName', [
    prop('sizePolicy', policy('Expanding', 'Expanding')), MIN40]), 1, 3))
controls.append(cell(14, 0, row_label('labelUpdateProgress', 'Update progress:'), 1, 3))
controls.append(cell(14, 4, widget('QProgressBar', 'progressBarUpdate', [
    prop('sizePolicy', policy('Expanding', 'Expanding')), MIN40, prop('value', '<number>0</number>'),
    prop('alignment', '<set>Qt::AlignCenter</set>')]), 1, 3))
controls.append(cell(16, 0, button('btnFileOpen', 'File', ':/file.png', ('Preferred', 'Preferred'), (200, 50)), 1, 3))
controls.append(cell(16, 3, spacer(next_spacer(), 'Horizontal', 40, 20, 'Preferred')))
controls.append(cell(16, 4, button('btnConfirmUpdate', 'Confirm Update', ':/update.png',
                                   ('Preferred', 'Preferred'), (200, 50))))
controls.append(cell(16, 5, spacer(next_spacer(), 'Horizontal', 80, 20, 'Preferred')))
controls.append(cell(16, 6, button('btnUpdateAgain', 'Clear IAP Info', ':/clear.png',
                                   ('Preferred', 'Preferred'), (200, 50))))
for row in range(1, 16, 2):
    controls.append(cell(row, 4, spacer(next_spacer(), 'Vertical', 20, 10, 'Fixed')))

group = widget('QGroupBox', 'groupBoxUpdate', [
    prop('minimumSize', size(800, 400)), prop('font', font(12)), prop('title', string('Update application'))],
    children='<layout class="QGridLayout" name="gridLayout">%s</layout>' % ''.join(controls))

log_panel = widget('QWidget', 'widget', [prop('minimumSize', size(400, 0))],
                   children='<layout class="QGridLayout" name="gridLayout_3">%s%s</layout>' % (
                       cell(0, 0, widget('QLabel', 'label_2', [prop('text', string('IAP Info'))])),
                       cell(1, 0, widget('QTextBrowser', 'textBrowser_iap', [
                           prop('minimumSize', size(350, 0)), prop('readOnly', '<bool>false</bool>')]))))

top = ''.join([
    cell(0, 1, spacer('verticalSpacerTop', 'Vertical', 20, 40, 'Expanding')),
    cell(1, 0, spacer('horizontalSpacerLeft', 'Horizontal', 173, 20, 'Expanding')),
    cell(1, 1, group),
    cell(1, 3, spacer('horizontalSpacerMiddle', 'Horizontal', 20, 20, 'Fixed')),
    cell(1, 4, log_panel),
    cell(1, 5, spacer('horizontalSpacerRight', 'Horizontal', 20, 20, 'Expanding')),
    cell(1, 6, spacer('horizontalSpacerEdge', 'Horizontal', 10, 20, 'Fixed')),
    cell(3, 1, spacer('verticalSpacerBottom', 'Vertical', 20, 40, 'Preferred')),
])

ui = ('<?xml version="1.0" encoding="UTF-8"?>\n<ui version="4.0">\n<class>UpdateWindow</class>\n'
      + widget('QWidget', 'UpdateWindow', [
          prop('geometry', '<rect><x>0</x><y>0</y><width>1287</width><height>750</height></rect>'),
          prop('windowTitle', string('Form'))],
          # The spacers make the gaps between the panels and at the edges; without the layout's
          # own spacing and side margins on top of them the page fits beside the side bar on a
          # 1366-pixel screen.
          children='<layout class="QGridLayout" name="gridLayout_2">%s</layout>' % (
              prop('leftMargin', '<number>0</number>') + prop('rightMargin', '<number>0</number>')
              + prop('horizontalSpacing', '<number>0</number>') + top))
      + '\n<resources/>\n<connections/>\n</ui>\n')

pretty = minidom.parseString(ui.encode('utf-8')).toprettyxml(indent=' ', encoding='UTF-8').decode('utf-8')
with open(OUT, 'w', encoding='utf-8') as f:
    f.write('\n'.join(line for line in pretty.splitlines() if line.strip()) + '\n')
