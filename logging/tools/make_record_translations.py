#!/usr/bin/env python3
"""Writes translations/RecordWindow_{en,zh,ru}_CN.ts, the texts of the record page.

Every text of the page with its Simplified Chinese and Russian translation; the
English file maps every text to itself. Run after changing the table and commit
the .ts files it writes:

    python3 logging/tools/make_record_translations.py
"""

import os
from xml.sax.saxutils import escape

# (source, Simplified Chinese, Russian)
TEXTS = [
    ('Form', '窗体', 'Форма'),
    ('Read', '读取', 'Чтение'),
    ('Stop', '停止', 'Стоп'),
    ('Pause', '暂停', 'Пауза'),
    ('Continue', '继续', 'Продолжить'),
    ('Delete record', '删除记录', 'Удалить записи'),
    ('Numbers:', '条数:', 'Записей:'),
    ('Export', '导出', 'Экспорт'),
    ('Save', '保存', 'Сохранить'),
    ('(*.csv)', '(*.csv)', '(*.csv)'),
    ('info', '提示', 'инфо'),
    ('Warning!', '警告!', 'Внимание!'),
    ('Please open the serial port first', '请先打开串口', 'Сначала откройте последовательный порт'),
    ('Please stop reading the history first', '请先停止读取历史记录', 'Сначала остановите чтение истории'),
    ('Are you sure you want to delete record ?', '确定要删除记录吗？', 'Удалить записи истории?'),
    ('History reading completed !', '历史记录读取完成！', 'Чтение истории завершено!'),
    ('No History !', '无历史记录！', 'Истории нет!'),
    ('Communication timeout !', '通讯超时！', 'Тайм-аут связи!'),
    ('The file could not be written:', '文件无法写入：', 'Не удалось записать файл:'),
    ('Date', '日期', 'Дата'),
    ('Voltage(V)', '电压(V)', 'Напряжение(В)'),
    ('Current(A)', '电流(A)', 'Ток(А)'),
    ('SOC(%)', 'SOC(%)', 'SOC(%)'),
    ('SOH(%)', 'SOH(%)', 'SOH(%)'),
    ('FCC(AH)', '满充容量(AH)', 'Полная ёмк.(А·ч)'),
    ('Cycles', '循环次数', 'Циклы'),
    ('AlarmSates', '告警状态', 'Предупреждения'),
    ('Protect1', '保护1', 'Защита1'),
    ('Protect2', '保护2', 'Защита2'),
    ('FaultSates', '故障状态', 'Отказы'),
    ('SystemStates', '系统状态', 'Состояние системы'),
    ('TempFET(℃)', 'MOS温度(℃)', 'Темп. MOSFET(℃)'),
    ('TempAMB(℃)', '环境温度(℃)', 'Темп. среды(℃)'),
    ('Cell_', '单体_', 'Яч_'),
    ('Cell', '电芯', 'Яч'),
    ('Temp', '温度', 'Темп'),
    ('Cell overvoltage;', '单体过压;', 'Перенапряжение ячейки;'),
    ('Cell undervoltage;', '单体欠压;', 'Недонапряжение ячейки;'),
    ('Over voltage;', '总压过压;', 'Перенапряжение батареи;'),
    ('Under voltage;', '总压欠压;', 'Недонапряжение батареи;'),
    ('Discharge overcurrent;', '放电过流;', 'Сверхток разряда;'),
    ('Charge overcurrent;', '充电过流;', 'Сверхток заряда;'),
    ('Charging high temperature;', '充电高温;', 'Высокая темп. заряда;'),
    ('Charging low temperature;', '充电低温;', 'Низкая темп. заряда;'),
    ('Discharging high temperature;', '放电高温;', 'Высокая темп. разряда;'),
    ('Discharging low temperature;', '放电低温;', 'Низкая темп. разряда;'),
    ('Environmental high temperature;', '环境高温;', 'Высокая темп. среды;'),
    ('Environmental low temperature;', '环境低温;', 'Низкая темп. среды;'),
    ('MOS high temperature alarm;', 'MOS高温告警;', 'Высокая темп. MOS;'),
    ('MOS high temperature;', 'MOS高温;', 'Перегрев MOS;'),
    ('Differential pressure;', '压差过大;', 'Разбаланс ячеек;'),
    ('High battery;', '电量过高;', 'Высокий заряд;'),
    ('Low battery;', '电量过低;', 'Низкий заряд;'),
    ('Cell overvoltage 2;', '单体过压2;', 'Перенапряжение ячейки 2;'),
    ('Charge overcurrent 2;', '充电过流2;', 'Сверхток заряда 2;'),
    ('Discharge overcurrent 2;', '放电过流2;', 'Сверхток разряда 2;'),
    ('Discharge overcurrent 3;', '放电过流3;', 'Сверхток разряда 3;'),
    ('Short circuit;', '短路;', 'Короткое замыкание;'),
    ('CHG_MOS fault;', '充电MOS故障;', 'Отказ CHG_MOS;'),
    ('DSG_MOS fault;', '放电MOS故障;', 'Отказ DSG_MOS;'),
    ('NTC fault;', 'NTC故障;', 'Отказ NTC;'),
    ('AFE fault;', 'AFE故障;', 'Отказ AFE;'),
    ('HEAT fault;', '加热故障;', 'Отказ подогрева;'),
    ('Power Failure;', '电源故障;', 'Сбой питания;'),
    ('CHG_MOS_ON;', '充电MOS开;', 'CHG_MOS вкл.;'),
    ('DSG_MOS_ON;', '放电MOS开;', 'DSG_MOS вкл.;'),
    ('CHGING;', '充电中;', 'Заряд;'),
    ('DSGING;', '放电中;', 'Разряд;'),
    ('LOAD;', '负载;', 'Нагрузка;'),
    ('LIMIT;', '限流;', 'Ограничение;'),
    ('HEATING;', '加热中;', 'Подогрев;'),
    ('CHARGER;', '充电器;', 'ЗУ;'),
]


def write(lang, column):
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'translations')
    path = os.path.join(root, 'RecordWindow_%s_CN.ts' % lang)
    lines = ['<?xml version="1.0" encoding="utf-8"?>', '<!DOCTYPE TS>',
             '<TS version="2.1" language="%s_CN">' % lang, '<context>', '    <name>RecordWindow</name>']
    for entry in TEXTS:
        lines += ['    <message>',
                  '        <source>%s</source>' % escape(entry[0]),
                  '        <translation>%s</translation>' % escape(entry[column]),
                  '    </message>']
    lines += ['</context>', '</TS>', '']
    with open(path, 'w', encoding='utf-8') as out:
        out.write('\n'.join(lines))


write('en', 0)
write('zh', 1)
write('ru', 2)
