#pragma once

#include <QString>

class QTableWidget;

// The look of the logging pages' tables: one style sheet on the table, one on
// its horizontal header and one on its vertical header.
namespace TableStyles {

QString tableSheet();
QString horizontalHeaderSheet();
QString verticalHeaderSheet();

// Sets the three sheets on the table and its headers; a sheet already in
// place is left alone, so that a table restyled with every new row is not
// polished again and again.
void apply(QTableWidget *table);

} // namespace TableStyles
