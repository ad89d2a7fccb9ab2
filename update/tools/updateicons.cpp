// Draws the button icons of the update page (32 x 32 PNG, light strokes on a
// transparent ground, for the blue buttons of the style sheet).
//
//   g++ -std=c++17 -fPIC updateicons.cpp -o updateicons $(pkg-config --cflags --libs Qt5Gui)
//   ./updateicons ../images
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QColor ink(0xF4, 0xF7, 0xFA);
const QColor red(0xFF, 0x5A, 0x4A);

QPen strokePen(const QColor &colour = ink, qreal width = 2.6)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Port search: a magnifying glass.
void drawSearch(QPainter &p)
{
    p.setPen(strokePen());
    p.drawEllipse(QPointF(13, 13), 8, 8);
    p.setPen(strokePen(ink, 4));
    p.drawLine(QPointF(19, 19), QPointF(27, 27));
}

// Open/close the port: a red power sign.
void drawPower(QPainter &p)
{
    p.setPen(strokePen(red, 3));
    p.drawArc(QRectF(6, 7, 20, 20), 120 * 16, 300 * 16);
    p.drawLine(QPointF(16, 4), QPointF(16, 16));
}

// Firmware file: a sheet with a folded corner and lines of text.
void drawFile(QPainter &p)
{
    p.setPen(strokePen());
    QPainterPath sheet;
    sheet.moveTo(8, 4);
    sheet.lineTo(19, 4);
    sheet.lineTo(25, 10);
    sheet.lineTo(25, 28);
    sheet.lineTo(8, 28);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({QPointF(19, 4), QPointF(19, 10), QPointF(25, 10)}));
    p.setPen(strokePen(ink, 2));
    for (int y : {15, 19, 23})
        p.drawLine(QPointF(12, y), QPointF(21, y));
}

// Clear the log: a circled cross.
void drawClear(QPainter &p)
{
    p.setPen(strokePen());
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.drawLine(QPointF(11.5, 11.5), QPointF(20.5, 20.5));
    p.drawLine(QPointF(20.5, 11.5), QPointF(11.5, 20.5));
}

bool save(const QString &dir, const char *name, const std::function<void(QPainter &)> &draw)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    const QString path = dir + QLatin1Char('/') + QLatin1String(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool ok = save(dir, "la.png", drawSearch) && save(dir, "power-off-red.png", drawPower)
                    && save(dir, "file.png", drawFile) && save(dir, "clear.png", drawClear);
    return ok ? 0 : 1;
}
