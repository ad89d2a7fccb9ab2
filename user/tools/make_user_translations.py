#!/usr/bin/env python3
"""Adds the texts of the user page's form to translations/UserWindow_<lang>.ts.

Every translatable text of user/userwindow.ui goes into context "UserWindow"
of the English, Chinese and Russian files. A text that a file already holds is
left as it stands, and so is every other message of the file; new texts are
added at the end of the context. Run it after changing the form:

    python3 user/tools/make_user_translations.py
"""

import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
FORM = os.path.join(HERE, '..', 'userwindow.ui')
FOLDER = os.path.join(HERE, '..', '..', 'translations')
CONTEXT = 'UserWindow'

# Source text: (Simplified Chinese, Russian). Texts not listed (numbers, makers'
# protocol names, language names) read the same in every language.
WORDS = {
    'Form': ('窗体', 'Форма'),
    'Set information': ('设置信息', 'Настройки'),
    'WIFI/MQTT parmaeters': ('WIFI/MQTT参数', 'Параметры WIFI/MQTT'),
    'Calibration information': ('校准信息', 'Калибровка'),
    'Inverter parameters': ('逆变器参数', 'Параметры инвертора'),
    'CAN BUS': ('CAN协议', 'Протокол CAN'),
    'RS485': ('RS485协议', 'Протокол RS485'),
    'Max charging voltage(V)': ('最大充电电压(V)', 'Макс. напряжение заряда (В)'),
    'Max charging current(A)': ('最大充电电流(A)', 'Макс. ток заряда (А)'),
    'Max discharge current(A)': ('最大放电电流(A)', 'Макс. ток разряда (А)'),
    'Discharge Cut-off Voltage(V)': ('放电截止电压(V)', 'Напряжение отсечки разряда (В)'),
    'Forced Charge Request 1 SOC (%)': ('强制充电请求1 SOC(%)', 'Запрос прин. заряда 1, SOC (%)'),
    'Forced Charge Release 1 SOC (%)': ('强制充电解除1 SOC(%)', 'Отмена прин. заряда 1, SOC (%)'),
    'Forced Charge Request 2 SOC (%)': ('强制充电请求2 SOC(%)', 'Запрос прин. заряда 2, SOC (%)'),
    'Forced Charge Release 2 SOC (%)': ('强制充电解除2 SOC(%)', 'Отмена прин. заряда 2, SOC (%)'),
    'Read': ('读取', 'Чтение'),
    'Write': ('写入', 'Запись'),
    'Com parameters': ('通信参数', 'Параметры связи'),
    'BMS adrss': ('BMS地址', 'Адрес BMS'),
    'CAN BAUD': ('CAN波特率', 'Скорость CAN'),
    'System commands': ('系统命令', 'Системные команды'),
    'BMS Reset': ('BMS复位', 'Сброс BMS'),
    'Reset BMS': ('复位BMS', 'Сбросить BMS'),
    'BMS RTC time:': ('BMS时钟:', 'Часы BMS:'),
    'Update the BMS RTC time': ('更新BMS时钟', 'Обновить часы BMS'),
    'Production information': ('生产信息', 'Производственные данные'),
    'BMS  SN:': ('BMS序列号:', 'Серийный № BMS:'),
    'PACK SN:': ('PACK序列号:', 'Серийный № батареи:'),
    'Manufacture Date:': ('生产日期:', 'Дата выпуска:'),
    'Manufacture Name:': ('制造商:', 'Производитель:'),
    'Order Number:': ('订单号:', 'Номер заказа:'),
    'Battery Name:': ('电池名称:', 'Название батареи:'),
    'Version information': ('版本信息', 'Версии'),
    'Hardware version:': ('硬件版本:', 'Версия платы:'),
    'Software version:': ('软件版本:', 'Версия ПО:'),
    'Protocol version:': ('协议版本:', 'Версия протокола:'),
    'User ': ('用户', 'Пользователь'),
    'Language': ('语言', 'Язык'),
    'Pass word': ('密码', 'Пароль'),
    'Read all': ('全部读取', 'Прочитать всё'),
    'Write all': ('全部写入', 'Записать всё'),
    'Server Address:': ('服务器地址:', 'Адрес сервера:'),
    'Port:': ('端口:', 'Порт:'),
    'Client ID:': ('客户端ID:', 'ID клиента:'),
    'Suggest using PACK SN as the Client ID': ('建议使用PACK序列号作为客户端ID',
                                               'Совет: ID клиента = серийный № батареи'),
    'Username:': ('用户名:', 'Имя пользователя:'),
    'MQTT Password:': ('MQTT密码:', 'Пароль MQTT:'),
    'WIFI SSID:': ('WIFI名称:', 'Имя сети WIFI:'),
    'WIFI Password:': ('WIFI密码:', 'Пароль WIFI:'),
    'Setting': ('设置', 'Установить'),
    'Calibration parameters': ('校准参数', 'Параметры калибровки'),
    'Zero current(A)': ('零点电流(A)', 'Нулевой ток (А)'),
    'DisCharging current(A)': ('放电电流(A)', 'Ток разряда (А)'),
    'Charging current(A)': ('充电电流(A)', 'Ток заряда (А)'),
    'Cells reference volt(mV)': ('单体参考电压(mV)', 'Опорное напр. ячеек (мВ)'),
    'Pack reference volt(V)': ('总压参考电压(V)', 'Опорное напр. батареи (В)'),
    'Calibration': ('校准', 'Калибровать'),
    'Reset': ('复位', 'Сброс'),
    'One click calibration': ('一键校准', 'Калибровка одним нажатием'),
    'Line loss compensation': ('线损补偿', 'Компенсация потерь в линии'),
}

PATTERNS = [
    (re.compile(r'^UART(\d) BAUD$'), ('UART{0}波特率', 'Скорость UART{0}')),
    (re.compile(r'^Cells_(\d\d) \(uΩ\)$'), ('电芯_{0} (uΩ)', 'Ячейка_{0} (мкОм)')),
    (re.compile(r'^(\d+)\.Custom$'), ('{0}.自定义', '{0}.Свой')),
    (re.compile(r'^(\d+)\.reserve$'), ('{0}.保留', '{0}.Резерв')),
]


def translated(source, lang):
    if lang == 'en_CN':
        return source
    which = 0 if lang == 'zh_CN' else 1
    if source in WORDS:
        return WORDS[source][which]
    for pattern, texts in PATTERNS:
        m = pattern.match(source)
        if m:
            return texts[which].format(m.group(1))
    return source


def form_texts():
    texts = []
    for element in ET.parse(FORM).getroot().iter('string'):
        source = element.text or ''
        if source and element.get('notr') != 'true' and source not in texts:
            texts.append(source)
    return texts


def message(source, translation):
    return ('    <message>\n        <source>%s</source>\n        <translation>%s</translation>\n'
            '    </message>\n' % (escape(source), escape(translation)))


def update(lang, texts):
    path = os.path.join(FOLDER, 'UserWindow_%s.ts' % lang)
    if os.path.exists(path):
        with open(path, encoding='utf-8') as f:
            content = f.read()
    else:
        content = ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n<TS version="2.1" language="%s">\n'
                   '<context>\n    <name>%s</name>\n</context>\n</TS>\n' % (lang, CONTEXT))
    root = ET.fromstring(content)
    held = set()
    for context in root.findall('context'):
        if context.findtext('name') == CONTEXT:
            held = {m.findtext('source') for m in context.findall('message')}
    added = ''.join(message(t, translated(t, lang)) for t in texts if t not in held)
    start = content.find('<name>%s</name>' % CONTEXT)
    if start < 0:
        sys.exit('%s has no context %s' % (path, CONTEXT))
    end = content.find('</context>', start)
    content = content[:end] + added + content[end:]
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(content)


if __name__ == '__main__':
    texts = form_texts()
    for lang in ('en_CN', 'zh_CN', 'ru_CN'):
        update(lang, texts)
