#include "tablestyles.h"

#include <QHeaderView>
#include <QTableWidget>

namespace TableStyles {

QString tableSheet()
{
    return QString::fromUtf8("QTableView{\n"
                             "text-align:center;\n"
                             "background-color: rgba(255, 255, 255, 0);\n"
                             "alternate-background-color:#e3edf9;\n"
                             "font:14px \"微软雅黑\";\n"
                             "color:#100000;\n"
                             "gridline-color: #ccddf0;\n"
                             "}");
}

QString horizontalHeaderSheet()
{
    return QString::fromUtf8("QHeaderView::section{\n"
                             "color: black;\n"
                             "font:bold 14px \"微软雅黑\";\n"
                             "text-align:center;\n"
                             "height:32px;\n"
                             "background-color: #d1dff0;\n"
                             "border:1px solid #8faac9;\n"
                             "border-left:none;\n"
                             "}");
}

QString verticalHeaderSheet()
{
    return QString::fromUtf8("QHeaderView::section{\n"
                             "color: black;\n"
                             "font:bold 14px \"微软雅黑\";\n"
                             "width:60px;\n"
                             "text-align:center;\n"
                             "background-color: #d1dff0;\n"
                             "border:1px solid #8faac9;\n"
                             "border-left:none;\n"
                             "}");
}

namespace {
void setSheet(QWidget *widget, const QString &sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}
} // namespace

void apply(QTableWidget *table)
{
    setSheet(table, tableSheet());
    setSheet(table->horizontalHeader(), horizontalHeaderSheet());
    setSheet(table->verticalHeader(), verticalHeaderSheet());
}

} // namespace TableStyles
