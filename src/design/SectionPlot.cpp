#include "design/SectionPlot.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <initializer_list>

namespace {

// The flags given, in order, as the bits 1, 2 and 4 of a code.
template <class Flags, class Flag> int bitCode(Flags flags, std::initializer_list<Flag> bits)
{
    int code = 0;
    int bit = 1;
    for (Flag f : bits) {
        if (flags & f)
            code |= bit;
        bit <<= 1;
    }
    return code;
}

int buttonCode(Qt::MouseButtons buttons)
{
    return bitCode(buttons, {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton});
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return bitCode(modifiers, {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier});
}

} // namespace

SectionPlot::SectionPlot(float scaleWidth, float scaleHeight, QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    const int frame = 2 * frameWidth();
    setFixedSize(int(std::lround(scaleWidth / kTwipsPerPixel)) + frame,
                 int(std::lround(scaleHeight / kTwipsPerPixel)) + frame);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMouseTracking(true); // moves are reported without a button as well
}

float SectionPlot::ScaleWidth() const { return float(contentsRect().width() * kTwipsPerPixel); }
float SectionPlot::ScaleHeight() const { return float(contentsRect().height() * kTwipsPerPixel); }

void SectionPlot::Cls()
{
    m_lines.clear();
    update();
}

void SectionPlot::setLines(std::vector<SectionLine> lines)
{
    m_lines = std::move(lines);
    update();
}

QPointF SectionPlot::toPicture(const QPointF &widgetPos) const
{
    const QPointF inner = widgetPos - QPointF(contentsRect().topLeft());
    return inner * kTwipsPerPixel;
}

QPointF SectionPlot::toWidget(double X, double Y) const
{
    return QPointF(X, Y) / kTwipsPerPixel + QPointF(contentsRect().topLeft());
}

void SectionPlot::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    for (const SectionLine &l : m_lines) {
        QPen pen(QColor::fromRgb(QRgb(l.Colour)));
        pen.setWidthF(l.DrawWidth * kTwipsPerPixel);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(l.X1, l.Y1, l.X2, l.Y2));
    }
}

void SectionPlot::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = toPicture(event->position());
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}

void SectionPlot::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = toPicture(event->position());
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}

void SectionPlot::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF p = toPicture(event->position());
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}
