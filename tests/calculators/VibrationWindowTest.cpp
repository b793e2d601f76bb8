// The vibration-limit window: the chart of each regulation, the checks, OK and Cancel,
// and the drawn chart itself (the line and the marker where the axes put them).

#include "CalculatorFixture.h"
#include "calculators/frmVibration.h"

#include "support/TextFit.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLogValueAxis>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>
#include <QXYSeries>

namespace {
class VibrationWindow : public InputDialogFixture<frmVibration> {
protected:
    void SetUp() override
    {
        InputDialogFixture::SetUp();
        settings().EnglishMenus = 1;
    }
    QChartView *view() { return child<QChartView>("MSChart1"); }
    QChart *chart() { return view()->chart(); }
    QList<QPointF> seriesPoints(const char *name)
    {
        for (QAbstractSeries *s : chart()->series())
            if (s->objectName() == QLatin1String(name))
                return static_cast<QXYSeries *>(s)->points();
        ADD_FAILURE() << name;
        return {};
    }
    QAbstractAxis *axis(Qt::Orientation o)
    {
        const auto axes = chart()->axes(o);
        return axes.isEmpty() ? nullptr : axes.first();
    }
    std::pair<double, double> range(Qt::Orientation o)
    {
        if (auto *log = qobject_cast<QLogValueAxis *>(axis(o)))
            return {log->min(), log->max()};
        auto *lin = qobject_cast<QValueAxis *>(axis(o));
        return lin ? std::pair{lin->min(), lin->max()} : std::pair{-1.0, -1.0};
    }
    // The texts the chart shows (titles and axis labels), once it is laid out.
    QStringList shownTexts()
    {
        view()->grab();
        QStringList texts;
        for (QGraphicsItem *item : view()->scene()->items())
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item); text && text->isVisible())
                texts << text->toPlainText();
        return texts;
    }
};

// Whether a pixel near 'at' is mostly of the wanted hue.
bool colourNear(const QImage &image, QPoint at, bool red)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (!image.rect().contains(p))
                continue;
            const QColor c = image.pixelColor(p);
            if (red ? (c.red() > 150 && c.green() < 90 && c.blue() < 90)
                    : (c.blue() > 150 && c.red() < 90 && c.green() < 90))
                return true;
        }
    return false;
}
} // namespace

TEST_F(VibrationWindow, OpensOnTheUsChartAndFollowsTheChoices)
{
    open();
    EXPECT_TRUE(child<QRadioButton>("optKanonismos_0")->isChecked());
    EXPECT_FALSE(child<QGroupBox>("frsBuilding")->isEnabled());
    EXPECT_EQ(chart()->title(), "US Regulation for Safe Vibration Limits");
    // On log axes the US line starts at the lower end, not at 0 Hz.
    EXPECT_EQ(seriesPoints("limit").first(), QPointF(1, 5.08));
    EXPECT_EQ(seriesPoints("point"), (QList<QPointF>{{60, 50}}));
    EXPECT_EQ(axis(Qt::Horizontal)->titleText(), "Frequency (Hz)");
    EXPECT_EQ(axis(Qt::Vertical)->titleText(), "Vibration Velocity (mm/sec)");

    // A German chart: the building type chosen from category A.
    Click(w.get(), "optKanonismos_1");
    EXPECT_TRUE(child<QRadioButton>("optKatigoria_0")->isChecked());
    EXPECT_TRUE(child<QGroupBox>("frsBuilding")->isEnabled());
    EXPECT_EQ(chart()->title(), "German Regulation for Safe Vibration Limits - Category A");
    Click(w.get(), "optKatigoria_2");
    EXPECT_EQ(seriesPoints("limit"), (QList<QPointF>{{0, 3}, {10, 3}, {50, 8}, {100, 10}}));
    // Back to the US: the category is kept, greyed; the Spanish chart starts again at A.
    Click(w.get(), "optKanonismos_0");
    EXPECT_EQ(chart()->title(), "US Regulation for Safe Vibration Limits");
    EXPECT_TRUE(child<QRadioButton>("optKatigoria_2")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("optKatigoria_2")->isEnabled());
    Click(w.get(), "optKanonismos_2");
    EXPECT_TRUE(child<QRadioButton>("optKatigoria_0")->isChecked());
    child("txtTaxytita")->setText("20");
    EXPECT_EQ(chart()->title(), "Spanish Regulation for Safe Vibration Limits - Category A");
    EXPECT_EQ(seriesPoints("point"), (QList<QPointF>{{60, 20}}));
}

TEST_F(VibrationWindow, ChecksRedrawWithThePointAtZeroAndOkStoresOnlyThePoint)
{
    open();
    child("txtTaxytita")->setText("-5");
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes.at(0).text, "Particle velocity must be positive!");
    EXPECT_EQ(QApplication::focusWidget(), child("txtTaxytita"));
    EXPECT_EQ(child("txtTaxytita")->selectedText(), "-5");
    // Log axes: the point at (0, 0) sits at the lower ends.
    EXPECT_EQ(seriesPoints("point"), (QList<QPointF>{{1, 1}}));
    child("txtTaxytita")->setText("");
    EXPECT_EQ(fakeMessageBox().boxes.size(), 1);
    child("txtSyxnotita")->setText("6x");
    EXPECT_EQ(fakeMessageBox().boxes.last().text, "One of the input values is not numeric!");

    // A message box does not send the window back to the US chart.
    Click(w.get(), "optKanonismos_1");
    Click(w.get(), "btnHelp");
    w->hide();
    w->show();
    EXPECT_EQ(chart()->title(), "German Regulation for Safe Vibration Limits - Category A");
    Click(w.get(), "btnOk");
    EXPECT_TRUE(w->isVisible());
    w->close();
    EXPECT_EQ(project().VibFrequency, 60);
    EXPECT_FALSE(newLog().contains("Particle velocity")); // the checks' messages are not logged

    m_logStart = historyLog().text().size();
    for (const char *button : {"btnCancel", "btnOk"}) {
        open();
        child("txtTaxytita")->setText("12.5");
        child("txtSyxnotita")->setText("");
        Click(w.get(), button);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(project().VibVelocity, QString(button) == "btnOk" ? 12.5f : 50) << button;
    }
    // Only OK stores, and neither the project nor the history counts it as a change.
    EXPECT_EQ(project().VibFrequency, 0);
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(flags().FileEmpty, kTrue);
    EXPECT_EQ(newLog(), "");
}

TEST_F(VibrationWindow, TheDrawnChartShowsTheLineTheMarkerAndEveryDecade)
{
    // The measured point inside the plot area, also where it lies above every limit; log
    // axes label every decade from the lowest.
    for (const QStringList &c : testTable("calculators/vibration-drawn.tsv")) {
        SCOPED_TRACE(c.join(' ').toStdString());
        const int regulation = c[0].toInt();
        open();
        view()->resize(600, 500);
        Click(w.get(), QStringLiteral("optKanonismos_%1").arg(regulation).toLatin1());
        child("txtSyxnotita")->setText(c[1]);
        child("txtTaxytita")->setText(c[2]);
        QApplication::processEvents();
        const QStringList shown = shownTexts();
        for (const QString &label : c[3].split('|', Qt::SkipEmptyParts))
            EXPECT_TRUE(shown.contains(label)) << "no label " << label.toStdString();
        const QImage image = view()->grab().toImage();
        const auto toView = [this](QPointF value, int series) {
            const QPointF scene = chart()->mapToScene(chart()->mapToPosition(value, chart()->series().at(series)));
            return view()->mapFromScene(scene);
        };
        const QRect plot = view()->mapFromScene(chart()->mapToScene(chart()->plotArea())).boundingRect();
        // The marker at the measured point, within the plot area.
        const QPoint marker = toView({c[1].toDouble(), c[2].toDouble()}, 1);
        EXPECT_TRUE(plot.contains(marker));
        EXPECT_TRUE(colourNear(image, marker, true));
        // The line at the middle of each segment, where the axes put its ends.
        const QList<QPointF> limit = seriesPoints("limit");
        ASSERT_GE(limit.size(), 2);
        for (int i = 0; i + 1 < limit.size(); ++i) {
            const QPoint a = toView(limit[i], 0), b = toView(limit[i + 1], 0);
            EXPECT_TRUE(colourNear(image, (a + b) / 2, false)) << "segment " << i;
        }
        // The line runs to the right end of the frequency axis, grown or not.
        ASSERT_FALSE(limit.isEmpty());
        EXPECT_NEAR(toView(limit.last(), 0).x(), plot.right(), 2);
        // Nothing is drawn on the German chart at 58 mm/s (above every limit).
        if (regulation == 1) {
            EXPECT_FALSE(colourNear(image, toView({20, 58}, 0), false));
            EXPECT_FALSE(colourNear(image, toView({20, 58}, 0), true));
        }
        w.reset();
    }
}

// Odd texts in either box: finite axes that are not empty, finite points, a chart drawn.
TEST_F(VibrationWindow, OddEntriesDrawAFiniteChart)
{
    for (int regulation : {0, 1, 2}) {
        open();
        view()->resize(600, 500);
        Click(w.get(), QStringLiteral("optKanonismos_%1").arg(regulation).toLatin1());
        TypeOddTexts(w.get(), {child("txtSyxnotita"), child("txtTaxytita")}, [this] {
            for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
                const auto [lo, hi] = range(o);
                EXPECT_TRUE(std::isfinite(lo) && std::isfinite(hi) && lo < hi);
            }
            for (const char *series : {"limit", "point"}) {
                EXPECT_FALSE(seriesPoints(series).isEmpty()) << series;
                for (const QPointF &p : seriesPoints(series))
                    EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
            }
            EXPECT_FALSE(view()->grab().isNull());
        });
        w.reset();
    }
}

TEST_F(VibrationWindow, EveryChartTitleIsShownWholeAtTheOpeningSize)
{
    for (int english : {1, 0}) {
        settings().EnglishMenus = int16_t(english);
        open();
        for (int regulation = 0; regulation < 3; ++regulation) {
            Click(w.get(), QStringLiteral("optKanonismos_%1").arg(regulation).toLatin1());
            for (int category = 0; category < 3; ++category) {
                Click(w.get(), QStringLiteral("optKatigoria_%1").arg(category).toLatin1());
                const QStringList cut = CutTexts(w.get());
                EXPECT_TRUE(cut.isEmpty()) << english << " " << regulation << " " << category << ": "
                                           << cut.join(u'\n').toStdString();
            }
        }
        w.reset();
    }
}
