#pragma once
// The picture box of the section drawing (picBlast): paints the lines that
// SectionDrawing computes and reports the mouse in picture units (twips from the
// top-left of its inner area, 15 to the pixel).

#include "design/SectionDrawing.h"

#include <QFrame>
#include <vector>

class SectionPlot : public QFrame {
    Q_OBJECT
public:
    static constexpr double kTwipsPerPixel = 15;

    // Inner area of width x height twips (rounded to whole pixels).
    SectionPlot(float scaleWidth, float scaleHeight, QWidget *parent = nullptr);

    // The inner size in picture units.
    float ScaleWidth() const;
    float ScaleHeight() const;

    // Clears the picture.
    void Cls();
    // Replaces what the picture shows.
    void setLines(std::vector<SectionLine> lines);
    const std::vector<SectionLine> &lines() const { return m_lines; }

    // A widget position (pixels) in picture units, and back.
    QPointF toPicture(const QPointF &widgetPos) const;
    QPointF toWidget(double X, double Y) const;

signals:
    // Button: 1 left, 2 right, 4 middle; Shift: 1 shift, 2 control, 4 alt.
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::vector<SectionLine> m_lines;
};
