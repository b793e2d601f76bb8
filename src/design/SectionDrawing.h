#pragma once
// The section drawing of the design window as plain code: the view window over the
// picture, the world (metres) to picture (twips) mapping, the movable axes crossing
// and the lines of the section. The picture box (SectionPlot) only paints the lines
// and reports the mouse.
//
// World coordinates: x to the right, y upwards, the bench floor at y = 0 and the
// bench face at x = PlotExtent; the world origin lies at the crossing of the two
// invisible axis lines xaxis and yaxis. Picture coordinates: twips from the top-left
// corner of the picture's inner area, y downwards.

#include "design/DesignRunState.h"

#include <QString>
#include <cstdint>
#include <vector>

// One of the invisible axis lines of the picture, in picture units.
struct AxisLine {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// The picture's inner size at window start, and the first axes crossing.
constexpr float kPictureScaleWidth = 5280;
constexpr float kPictureScaleHeight = 4920;
constexpr float kInitialOriginX = 570;
constexpr float kInitialOriginY = 4320;

// The view state of the drawing, form-level fields of the design window.
struct SectionView {
    float PlotExtent = 0; // E, the size of the drawn bench, m
    float XMin = 0, XMax = 0; // world x at the left and right edge of the picture
    float YMin = 0, YMax = 0; // world y at the bottom and top edge
    float ViewWidth = 0, ViewHeight = 0; // world size the picture shows
    bool Dragging = false; // the mouse button is held down on the picture

    float ScaleWidth = kPictureScaleWidth; // the picture's inner size, twips
    float ScaleHeight = kPictureScaleHeight;
    // xaxis runs across the picture at the crossing's height, yaxis down it at the
    // crossing's abscissa.
    AxisLine xaxis{0, kInitialOriginY, kPictureScaleWidth, kInitialOriginY};
    AxisLine yaxis{kInitialOriginX, 0, kInitialOriginX, kPictureScaleHeight};

    float OriginX() const { return yaxis.X1; }
    float OriginY() const { return xaxis.Y1; }
    // A view window exists: XMax or XMin is not zero.
    bool HasWindow() const { return XMax != 0 || XMin != 0; }
};

// What the section shows: the bench height of the window's working copy and the
// layout of the run record.
struct SectionInputs {
    float BenchHeight = 0; // H, CurDesign
    float Burden = 0;      // B
    float RowDistance = 0;
    int RowCount = 0;
    float Stemming = 0;     // T
    float ChargeLength = 0; // Lc
    int MaxRows = 0;
};
SectionInputs SectionInputsFrom(const DesignRunState &s, float benchHeight);

// Colours as 0xRRGGBB.
namespace sectioncolour {
constexpr uint32_t Bench = 0x000000;    // black
constexpr uint32_t Stemming = 0xFFFF00; // yellow
constexpr uint32_t Charge = 0x004040;   // dark blue-green
} // namespace sectioncolour

// One line of the drawing in picture coordinates; DrawWidth in pixels.
struct SectionLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    uint32_t Colour = 0;
    int DrawWidth = 1;
};

// The largest picture coordinate a line may have; a line beyond it is left out, as a
// picture refuses coordinates outside its range.
constexpr double kMaxPictureCoordinate = 1.0e7;

// PlotExtent = the larger of 1.5 H and 1.5 MaxRows B; the view 1.2 times it both
// ways. A bench that gives no finite positive extent gives an empty view.
void CalcViewExtents(SectionView &v, const SectionInputs &in);

// Recomputes the view for the current axes crossing and returns the section's lines
// (none when the view has no window).
std::vector<SectionLine> RescalePlot(SectionView &v, const SectionInputs &in);

// Puts the axes crossing at picture point (X, Y), kept inside the picture, and shifts
// the window so that the world origin lies there; the view size stays. A point that
// is not a finite number changes nothing.
void MoveAxesOrigin(SectionView &v, float X, float Y);

// The lines of the section for the current view: bench top and face, then per row the
// stemming and the explosive column of its hole.
std::vector<SectionLine> DrawSectionView(const SectionView &v, const SectionInputs &in);

// World x of the hole of row i (1-based): one burden behind the face, each further
// row one row distance further back.
double HoleX(const SectionView &v, const SectionInputs &in, int row);

struct PicturePoint {
    double X = 0, Y = 0;
};
// World (m) to picture (twips). The scale is the picture size over the view size,
// whatever the crossing, so a crossing on the picture's edge maps as well as any.
// Always finite; the crossing itself when the view is empty.
PicturePoint WorldToPicture(const SectionView &v, double x, double y);

struct WorldPoint {
    float x = 0, y = 0;
};
// Picture (twips) to world (m), over the view window.
WorldPoint PictureToWorld(const SectionView &v, float X, float Y);

// The read-outs under the pointer: "Coordinates: (X=.., Y=..)" with the world
// coordinates to at most 2 decimals, and "Int. Coordinates: (X=.., Y=..)" with the
// raw picture coordinates; Greek when english is false.
QString CoordinateCaption(const SectionView &v, float X, float Y, bool english);
QString InternalCoordinateCaption(float X, float Y, bool english);
