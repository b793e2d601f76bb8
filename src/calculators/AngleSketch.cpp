#include "calculators/AngleSketch.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

AngleSketch::AngleSketch(const QRectF &coordinates, QWidget *parent) : QWidget(parent), m_coordinates(coordinates)
{
    setMinimumSize(120, 140);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void AngleSketch::setDiagram(const AngleDiagram &diagram)
{
    m_diagram = diagram;
    m_hasDiagram = true;
    update();
}

QTransform AngleSketch::mapping() const
{
    const QRectF target = QRectF(rect()).adjusted(2, 2, -2, -2);
    if (m_coordinates.isEmpty() || target.isEmpty())
        return {};
    const double scale = std::min(target.width() / m_coordinates.width(), target.height() / m_coordinates.height());
    // Centre the scaled box in the widget.
    const double dx = target.left() + (target.width() - m_coordinates.width() * scale) / 2;
    const double dy = target.top() + (target.height() - m_coordinates.height() * scale) / 2;
    QTransform t;
    t.translate(dx, dy);
    t.scale(scale, scale);
    t.translate(-m_coordinates.left(), -m_coordinates.top());
    return t;
}

void AngleSketch::paintEvent(QPaintEvent *)
{
    if (!m_hasDiagram)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QTransform t = mapping();
    for (const QLineF &l : m_diagram.lines)
        p.drawLine(t.map(l));
    // The arc from the base line to the inclined line (angles counter-clockwise, y down).
    const double r = m_diagram.arcRadius;
    const QRectF circle(m_diagram.arcCentre.x() - r, m_diagram.arcCentre.y() - r, 2 * r, 2 * r);
    const double span = (m_diagram.arcEndRad - m_diagram.arcStartRad) * 180.0 / M_PI;
    p.drawArc(t.mapRect(circle), int(std::lround(m_diagram.arcStartRad * 180.0 / M_PI * 16)), int(std::lround(span * 16)));
}
