#include "design/SectionDrawing.h"

#include "core/Checks.h"
#include "core/NumText.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

using numtext::Format;
using numtext::General;
using numtext::Val;

namespace {

// World values beyond this cannot pass through the single-precision mapping.
constexpr double kMaxWorldCoordinate = 1.0e30;

void clearView(SectionView &v)
{
    v.PlotExtent = 0;
    v.XMin = v.XMax = v.YMin = v.YMax = 0;
    v.ViewWidth = v.ViewHeight = 0;
}

// The window for the current crossing: the view size split at the crossing.
void placeWindow(SectionView &v)
{
    const double SW = v.ScaleWidth;
    const double SH = v.ScaleHeight;
    if (!(SW > 0) || !(SH > 0)) {
        v.XMin = v.XMax = v.YMin = v.YMax = 0;
        return;
    }
    const double X0 = v.OriginX();
    const double Y0 = v.OriginY();
    v.XMax = float((SW - X0) * v.ViewWidth / SW);
    v.XMin = float(-X0 * v.ViewWidth / SW);
    v.YMax = float(Y0 * v.ViewHeight / SH);
    v.YMin = float(-(SH - Y0) * v.ViewHeight / SH);
}

bool usableWorld(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(),
                       [](double c) { return std::isfinite(c) && std::fabs(c) <= kMaxWorldCoordinate; });
}

bool usablePicture(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(),
                       [](double c) { return std::isfinite(c) && std::fabs(c) <= kMaxPictureCoordinate; });
}

// A world coordinate as the read-out shows it: at most 2 decimals, no trailing zeros.
QString readOut(float value) { return General(Val(Format(value, QStringLiteral("#0.##")))); }

} // namespace

SectionInputs SectionInputsFrom(const DesignRunState &s, float benchHeight)
{
    SectionInputs in;
    in.BenchHeight = benchHeight;
    in.Burden = s.Burden;
    in.RowDistance = s.RowDistance;
    in.RowCount = s.RowCount;
    in.Stemming = s.Stemming;
    in.ChargeLength = s.ChargeLength;
    in.MaxRows = s.MaxRows;
    return in;
}

void CalcViewExtents(SectionView &v, const SectionInputs &in)
{
    const double E = std::max(1.5 * double(in.BenchHeight), 1.5 * in.MaxRows * double(in.Burden));
    const float width = float(1.2 * E);
    if (!std::isfinite(E) || !(E > 0) || !std::isfinite(width)) {
        clearView(v);
        return;
    }
    v.PlotExtent = float(E);
    v.XMin = 0;
    v.XMax = v.PlotExtent;
    v.ViewWidth = v.XMax - v.XMin;
    if (float(1.2 * double(v.XMax)) > v.ViewWidth)
        v.ViewWidth = float(1.2 * double(v.XMax));
    v.YMin = 0;
    v.YMax = v.PlotExtent;
    v.ViewHeight = v.YMax - v.YMin;
    if (float(1.2 * double(v.YMax)) > v.ViewHeight)
        v.ViewHeight = float(1.2 * double(v.YMax));
}

std::vector<SectionLine> RescalePlot(SectionView &v, const SectionInputs &in)
{
    CalcViewExtents(v, in);
    placeWindow(v);
    if (!v.HasWindow())
        return {};
    return DrawSectionView(v, in);
}

void MoveAxesOrigin(SectionView &v, float X, float Y)
{
    if (!std::isfinite(X) || !std::isfinite(Y))
        return;
    const float SW = std::max(0.0f, v.ScaleWidth);
    const float SH = std::max(0.0f, v.ScaleHeight);
    X = std::clamp(X, 0.0f, SW);
    Y = std::clamp(Y, 0.0f, SH);
    v.xaxis = AxisLine{0, Y, SW, Y};
    v.yaxis = AxisLine{X, 0, X, SH};
    placeWindow(v);
}

double HoleX(const SectionView &v, const SectionInputs &in, int row)
{
    return double(v.PlotExtent) - double(in.Burden) - double(row - 1) * double(in.RowDistance);
}

std::vector<SectionLine> DrawSectionView(const SectionView &v, const SectionInputs &in)
{
    std::vector<SectionLine> lines;
    if (!(v.ViewWidth > 0) || !(v.ViewHeight > 0))
        return lines;
    // A line that cannot be placed on the picture is left out; the rest is drawn.
    auto line = [&](double x1, double y1, double x2, double y2, uint32_t colour, int width) {
        if (!usableWorld({x1, y1, x2, y2}))
            return;
        const PicturePoint a = WorldToPicture(v, x1, y1);
        const PicturePoint b = WorldToPicture(v, x2, y2);
        if (!usablePicture({a.X, a.Y, b.X, b.Y}))
            return;
        lines.push_back(SectionLine{a.X, a.Y, b.X, b.Y, colour, width});
    };

    const double E = v.PlotExtent;
    const double H = in.BenchHeight;
    line(E, H, 0, H, sectioncolour::Bench, 2); // bench top
    line(E, 0, E, H, sectioncolour::Bench, 2); // bench face; the floor is y = 0

    const double T = in.Stemming;
    const double Lc = in.ChargeLength;
    for (int i = 1; i <= in.RowCount; ++i) {
        const double x = HoleX(v, in, i);
        line(x, H - T, x, H, sectioncolour::Stemming, 4);
        line(x, H - T - Lc, x, H - T, sectioncolour::Charge, 4);
    }
    return lines;
}

PicturePoint WorldToPicture(const SectionView &v, double x, double y)
{
    const float X0 = v.OriginX();
    const float Y0 = v.OriginY();
    if (!(v.ViewWidth > 0) || !(v.ViewHeight > 0))
        return PicturePoint{X0, Y0};
    // x = 0 at the crossing, x = ViewWidth one picture width to the right of it;
    // y = 0 at the crossing, y = ViewHeight one picture height above it.
    return PicturePoint{MapLinear(X0, X0 + v.ScaleWidth, float(x), 0, v.ViewWidth),
                        MapLinear(Y0, Y0 - v.ScaleHeight, float(y), 0, v.ViewHeight)};
}

WorldPoint PictureToWorld(const SectionView &v, float X, float Y)
{
    return WorldPoint{MapLinear2(v.xaxis.X1, v.xaxis.X2, X, v.XMin, v.XMax),
                      MapLinear2(v.yaxis.Y1, v.yaxis.Y2, Y, v.YMax, v.YMin)};
}

QString CoordinateCaption(const SectionView &v, float X, float Y, bool english)
{
    const WorldPoint w = PictureToWorld(v, X, Y);
    return (english ? QStringLiteral("Coordinates: (X=") : QStringLiteral("Συντεταγμένες: (X="))
           + readOut(w.x) + QStringLiteral(", Y=") + readOut(w.y) + QLatin1Char(')');
}

QString InternalCoordinateCaption(float X, float Y, bool english)
{
    return (english ? QStringLiteral("Int. Coordinates: (X=") : QStringLiteral("Εσωτ. Συντεταγμένες: (X="))
           + General(X) + QStringLiteral(", Y=") + General(Y) + QLatin1Char(')');
}
