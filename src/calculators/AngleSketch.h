#pragma once
// A picture box that paints an inclination sketch (lines and arc in picture coordinates)
// mapped, aspect kept, from a fixed coordinate box into the widget: every sketch the box
// holds is shown whole, never clipped.

#include "core/Checks.h"

#include <QRectF>
#include <QTransform>
#include <QWidget>

class AngleSketch : public QWidget {
    Q_OBJECT
public:
    AngleSketch(const QRectF &coordinates, QWidget *parent = nullptr);

    void setDiagram(const AngleDiagram &diagram);
    const AngleDiagram &diagram() const { return m_diagram; }
    bool hasDiagram() const { return m_hasDiagram; }
    // From sketch coordinates to widget pixels.
    QTransform mapping() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF m_coordinates;
    AngleDiagram m_diagram;
    bool m_hasDiagram = false;
};
