#include "battery1.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

Battery1::Battery1(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

double Battery1::fillRatio() const
{
    if (!isEnabled() || m_maximum <= m_minimum || m_value <= m_minimum)
        return 0.0;
    return std::min(1.0, double(m_value - m_minimum) / double(m_maximum - m_minimum));
}

QSize Battery1::sizeHint() const
{
    return QSize(44, 110);
}

QSize Battery1::minimumSizeHint() const
{
    return QSize(22, 60);
}

void Battery1::setValue(int millivolts)
{
    if (millivolts == m_value)
        return;
    m_value = millivolts;
    update();
}

void Battery1::setRange(int minimum, int maximum)
{
    if (maximum <= minimum)
        return;
    m_minimum = minimum;
    m_maximum = maximum;
    update();
}

void Battery1::setMaximum(int maximum)
{
    setRange(m_minimum, maximum);
}

void Battery1::setStale(bool stale)
{
    if (stale == m_stale)
        return;
    m_stale = stale;
    update();
}

void Battery1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

// Colour of the filling: red when nearly empty, amber in the lower half, green above.
static QColor fillColour(double ratio)
{
    if (ratio < 0.2)
        return QColor(214, 48, 49);
    if (ratio < 0.5)
        return QColor(240, 165, 0);
    return QColor(46, 170, 80);
}

// Horizontal gradient that makes a flat rectangle look like a cylinder.
static QLinearGradient cylinder(const QRectF &rect, const QColor &colour)
{
    QLinearGradient gradient(rect.topLeft(), rect.topRight());
    gradient.setColorAt(0.0, colour.darker(135));
    gradient.setColorAt(0.35, colour.lighter(130));
    gradient.setColorAt(0.55, colour);
    gradient.setColorAt(1.0, colour.darker(150));
    return gradient;
}

void Battery1::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // Keep the cell's proportions: at most half as wide as it is high.
    const qreal margin = 2.0;
    const qreal availableWidth = width() - 2 * margin;
    const qreal availableHeight = height() - 2 * margin;
    if (availableWidth < 6 || availableHeight < 12)
        return;
    const qreal bodyWidth = std::min(availableWidth, availableHeight * 0.5);
    const qreal capHeight = std::max<qreal>(3.0, availableHeight * 0.06);
    const qreal capWidth = bodyWidth * 0.42;
    const qreal left = (width() - bodyWidth) / 2.0;

    const QRectF cap(left + (bodyWidth - capWidth) / 2.0, margin, capWidth, capHeight + 2);
    const QRectF body(left, margin + capHeight, bodyWidth, availableHeight - capHeight);
    const qreal radius = std::min<qreal>(6.0, bodyWidth * 0.18);

    const bool enabled = isEnabled();
    const QColor outline = enabled ? QColor(70, 78, 90) : QColor(170, 174, 180);
    const QColor shell = enabled ? QColor(226, 230, 236) : QColor(240, 241, 243);

    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(cylinder(cap, enabled ? QColor(150, 156, 166) : shell));
    painter.drawRoundedRect(cap, 1.5, 1.5);

    painter.setBrush(cylinder(body, shell));
    painter.drawRoundedRect(body, radius, radius);

    const double ratio = fillRatio();
    if (ratio > 0.0) {
        const qreal inset = std::max<qreal>(2.0, bodyWidth * 0.08);
        const QRectF inner = body.adjusted(inset, inset, -inset, -inset);
        const qreal fillHeight = inner.height() * ratio;
        const QRectF fill(inner.left(), inner.bottom() - fillHeight, inner.width(), fillHeight);

        QPainterPath clip;
        clip.addRoundedRect(inner, radius * 0.6, radius * 0.6);
        painter.save();
        painter.setClipPath(clip);
        painter.setPen(Qt::NoPen);
        painter.setBrush(cylinder(fill, m_stale ? QColor(176, 182, 190) : fillColour(ratio)));
        painter.drawRect(fill);
        painter.restore();
    }

    // Scale marks at a quarter, half and three quarters of the range.
    painter.setPen(QPen(enabled ? QColor(120, 128, 140, 150) : QColor(200, 202, 206), 1.0));
    for (int mark = 1; mark <= 3; ++mark) {
        const qreal y = body.bottom() - body.height() * mark / 4.0;
        painter.drawLine(QPointF(body.left() + 1, y), QPointF(body.left() + bodyWidth * 0.22, y));
    }
}
