// Draws the side-bar icons of the main window (48 x 48 PNG, light strokes on a
// transparent ground, for the dark side bar) and the small marks that the style
// sheet uses for combo boxes and check boxes.
//
//   g++ -std=c++17 -fPIC sidebaricons.cpp -o sidebaricons $(pkg-config --cflags --libs Qt5Gui)
//   ./sidebaricons ../images/sidebar
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor ink(0xE8, 0xEE, 0xF4);
const QColor accent(0x5F, 0xB8, 0xF0);

QPen strokePen(qreal width = 3.0, const QColor &colour = ink)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void drawHome(QPainter &p)
{
    p.setPen(strokePen());
    QPainterPath roof;
    roof.moveTo(6, 24);
    roof.lineTo(24, 8);
    roof.lineTo(42, 24);
    p.drawPath(roof);
    p.drawPolyline(QPolygonF({QPointF(11, 21), QPointF(11, 41), QPointF(37, 41), QPointF(37, 21)}));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(20, 28, 8, 13), 1.5, 1.5);
}

void drawMonitor(QPainter &p)
{
    p.setPen(strokePen(2.5));
    p.drawRoundedRect(QRectF(5, 8, 38, 27), 3, 3);
    p.drawLine(QPointF(17, 41), QPointF(31, 41));
    p.drawLine(QPointF(24, 35), QPointF(24, 41));
    p.setPen(strokePen(2.5, accent));
    p.drawPolyline(QPolygonF({QPointF(10, 24), QPointF(16, 24), QPointF(20, 14), QPointF(26, 30),
                              QPointF(30, 20), QPointF(38, 20)}));
}

void drawRecord(QPainter &p)
{
    p.setPen(strokePen(2.5));
    p.drawRoundedRect(QRectF(9, 5, 30, 38), 3, 3);
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(15, 14 + i * 7), QPointF(33, 14 + i * 7));
    p.setPen(strokePen(2.5, accent));
    p.setBrush(QColor(0x2B, 0x3A, 0x4A));
    p.drawEllipse(QPointF(33, 35), 8, 8);
    p.drawLine(QPointF(33, 35), QPointF(33, 31));
    p.drawLine(QPointF(33, 35), QPointF(36, 37));
}

void drawProtection(QPainter &p)
{
    QPainterPath shield;
    shield.moveTo(24, 5);
    shield.lineTo(40, 11);
    shield.cubicTo(40, 28, 33, 37, 24, 43);
    shield.cubicTo(15, 37, 8, 28, 8, 11);
    shield.closeSubpath();
    p.setPen(strokePen(2.5));
    p.drawPath(shield);
    p.setPen(strokePen(3.0, accent));
    p.drawPolyline(QPolygonF({QPointF(16, 24), QPointF(22, 30), QPointF(32, 18)}));
}

void drawSettings(QPainter &p)
{
    const QPointF centre(24, 24);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal angle = 2 * M_PI * i / (teeth * 4);
        const qreal radius = (i % 4 == 1 || i % 4 == 2) ? 18.5 : 14.0;
        const QPointF point(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    p.setPen(strokePen(2.5));
    p.drawPath(gear);
    p.setPen(strokePen(3.0, accent));
    p.drawEllipse(centre, 5.5, 5.5);
}

void drawUser(QPainter &p)
{
    p.setPen(strokePen(2.5));
    p.drawEllipse(QPointF(24, 16), 8, 8);
    QPainterPath body;
    body.moveTo(8, 42);
    body.cubicTo(8, 30, 16, 27, 24, 27);
    body.cubicTo(32, 27, 40, 30, 40, 42);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawPath(body);
}

void drawUpdate(QPainter &p)
{
    p.setPen(strokePen(3.0, accent));
    p.drawLine(QPointF(24, 6), QPointF(24, 29));
    p.drawPolyline(QPolygonF({QPointF(15, 21), QPointF(24, 30), QPointF(33, 21)}));
    p.setPen(strokePen(2.5));
    p.drawPolyline(QPolygonF({QPointF(7, 30), QPointF(7, 41), QPointF(41, 41), QPointF(41, 30)}));
}

void drawArrowDown(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5B, 0x6B, 0x7B));
    p.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(9, 3), QPointF(5, 8)}));
}

void drawCheck(QPainter &p)
{
    p.setPen(strokePen(2.0, Qt::white));
    p.drawPolyline(QPolygonF({QPointF(3, 7.5), QPointF(6, 10.5), QPointF(11, 3.5)}));
}

bool render(const QString &path, const std::function<void(QPainter &)> &draw, int size = 48)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QList<QPair<QString, std::function<void(QPainter &)>>> icons = {
        {"home", drawHome}, {"monitor", drawMonitor}, {"record", drawRecord},
        {"protection", drawProtection}, {"settings", drawSettings}, {"user", drawUser},
        {"update", drawUpdate}};
    int failures = 0;
    for (const auto &icon : icons) {
        const QString path = folder + "/" + icon.first + ".png";
        if (!render(path, icon.second)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    if (!render(folder + "/arrow-down.png", drawArrowDown, 10))
        ++failures;
    if (!render(folder + "/check.png", drawCheck, 14))
        ++failures;
    return failures == 0 ? 0 : 1;
}
