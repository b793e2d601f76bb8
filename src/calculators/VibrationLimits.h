#pragma once
// The vibration-limit charts as plain functions: the limit lines of three regulations
// (one per building category for German and Spanish), the checks of the measured point
// and the content of the chart for a regulation, a category, the two box texts and the
// language. The window only draws what ChartContent gives.

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// One limit line: its drawing procedure, axes, Y scale, points and titles.
struct VibrationLimit {
    QString procedure; // PlotUSRegulation, PlotGermanCategoryA, ...
    bool logAxes = false;
    double yMax = 0;
    int yDivisions = 0;
    QList<QPointF> points; // (frequency Hz, velocity mm/s), in row order
    QString english;
    QString greek;
};
constexpr int kVibrationLimitCount = 7;
// Members in the order of their procedures: US, German A, B, C, Spanish A, B, C.
const VibrationLimit &VibrationLimitMember(int member);
// The member a regulation (0 US, 1 German, 2 Spanish) and category (0 A, 1 B, 2 C)
// draw: US whatever the category.
int VibrationLimitFor(int regulation, int category);

// The first check of the two boxes that fails: English and Greek message and the box
// that gets the focus ("" for the numeric check, which moves no focus).
struct VibrationPointFailure {
    QString control;
    QString english;
    QString greek;
};
std::optional<VibrationPointFailure> FirstVibrationPointFailure(const QString &txtSyxnotita,
                                                                const QString &txtTaxytita);

// What the chart shows. Points are where they are drawn: on logarithmic axes a
// coordinate of 0 lies at that axis's lower end. The measured point is always inside:
// Y ends at the member's maximum and X at its largest limit frequency (on logarithmic
// axes the decade at or above it), or, for a larger velocity or frequency, at the
// decade (logarithmic) or the multiple of the axis's step (linear) next above it.
struct VibrationChart {
    int member = 0;
    QString title;
    QString xTitle;
    QString yTitle;
    bool logAxes = false;
    QList<QPointF> limit;
    QPointF point;        // as drawn
    QPointF measured;     // the measured frequency and velocity; (0, 0) when a check fails
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    int yDivisions = 0;   // major divisions of a linear Y axis
    // A grown linear axis ticks at the multiples of these from 0 (0: not grown).
    double xTickInterval = 0, yTickInterval = 0;
};
// The steps a linear frequency axis is drawn in.
constexpr int kLinearXDivisions = 4;
VibrationChart ChartContent(int regulation, int category, const QString &txtSyxnotita,
                            const QString &txtTaxytita, bool english);
