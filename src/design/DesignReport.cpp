#include "design/DesignReport.h"

#include "core/Messages.h"
#include "core/NumText.h"
#include "design/DesignRun.h"

using numtext::Format;
using numtext::PadDots;
using numtext::Val;

namespace {

constexpr int kLabelWidth = 45;

// Labels of both languages side by side.
struct Label {
    const char16_t *english;
    const char16_t *greek;
    QString text(bool en) const { return QString::fromUtf16(en ? english : greek); }
};

QString line(const QString &label, const QString &value, const QString &unit = QString())
{
    return PadDots(label, kLabelWidth) + value + unit + kCrLf;
}

QString header(const Label &l, bool en) { return l.text(en) + kCrLf; }

// ---- page 1 -------------------------------------------------------------------

const Label kHeadDesign{u"[Design Parameters]", u"[Παράμετροι Σχεδιασμού]"};
const Label kHeadExplosives{u"[Data on Explosives]", u"[Στοιχεία Εκρηκτικών]"};
const Label kHeadProduction{u"[Production Data]", u"[Στοιχεία Παραγωγής]"};

const Label kP1Burden{u"Burden", u"Φορτίο"};
const Label kP1StemCoef{u"Stemming Coefficient", u"Συντελεστής Επιγόμωσης"};
const Label kP1SubCoef{u"Subdrilling Coefficient", u"Συντελεστής Υποδιάτρησης"};
const Label kP1SpaceCoef{u"Spacing Coefficient", u"Συντελεστής Απόστασης"};
const Label kP1StemCoefD{u"Stemming Coefficient (x Dia)", u"Συντελεστής Επιγόμωσης (Δ)"};
const Label kP1SubCoefD{u"Subdrilling Coefficient (x Dia)", u"Συντελεστής Υποδιάτρησης (Δ)"};
const Label kP1SpaceCoefD{u"Spacing Coefficient (x Dia)", u"Συντελεστής Απόστασης (Δ)"};
const Label kP1Diameter{u"Blasthole Diameter", u"Διάμετρος Διατρήματος"};
const Label kP1ExplDensity{u"Density of Explosive", u"Πυκνότητα Εκρηκτικού"};
const Label kP1Booster{u"Booster per Blasthole", u"Βάρος Ενίσχυσης ανά Διάτρημα"};
const Label kP1BoosterDensity{u"Booster Density", u"Πυκνότητα Ενίσχυσης"};
const Label kP1BenchHeight{u"Bench Height", u"Υψος Βαθμίδας"};
const Label kP1RockDensity{u"Rock Density", u"Πυκνότητα Πετρώματος"};
const Label kP1Production{u"Design Production", u"Παραγωγή Σχεδιασμού"};
const Label kP1ProductionGrid{u"Design Production (grid)", u"Παραγωγή Σχεδιασμού (κάναβος)"};
const Label kP1MaxPerDelay{u"Maximum Number of Blastholes/Delay",
                           u"Μέγιστος Αρ. Διατρημάτων / Επιβράδυνση"};
const Label kP1FreeFaces{u"Number of Free Surfaces", u"Αριθμός Ελεύθερων Επιφανειών"};
const Label kP1MaxRows{u"Maximum Number or Rows", u"Μέγιστος Αριθμός Σειρών"};
const Label kP1Initiation{u"Initiation Type", u"Τύπος Εναυσης"};

// The letter that joins holes per row and rows: Greek capital Chi in both languages.
const QString kChi = QString(QChar(0x03A7));

// ---- page 2 and grid ----------------------------------------------------------

const Label kHeadSolution{u"[Selected Solution]", u"[Επιλεγμένη Λύση]"};
const Label kGridParameter{u"Parameter", u"Παράμετρος"};
const Label kGridValue{u"Value", u"Τιμή"};

// A row of page 2: the grid label, then the two page labels of a two-valued row.
struct Row2 {
    Label grid;
    Label pageA; // single-valued rows: the page label
    Label pageB;
};

const Row2 kBurden{{u"Burden", u"Φορτίο"}, {u"Burden", u"Φορτίο"}, {}};
const Row2 kSpacing{{u"Spacing", u"Απόσταση"}, {u"Spacing", u"Απόσταση"}, {}};
const Row2 kStemming{{u"Stemming", u"Επιγόμωση"}, {u"Stemming", u"Επιγόμωση"}, {}};
const Row2 kSubdrilling{{u"Subdrilling", u"Υποδιάτρηση"}, {u"Subdrilling", u"Υποδιάτρηση"}, {}};
const Row2 kBenchHeight{{u"Bench Height", u"Υψος Βαθμίδας"}, {u"Bench Height", u"Υψος Βαθμίδας"}, {}};
const Row2 kChargeLength{{u"Height of Explosive Column", u"Υψος Γόμωσης"},
                         {u"Height of Explosive Column", u"Υψος Γόμωσης"},
                         {}};
const Row2 kHoles{{u"Number of Blastholes", u"Αριθμός Διατρημάτων"},
                  {u"Number of Blastholes", u"Αριθμός Διατρημάτων"},
                  {}};
const Row2 kTarget{{u"Production Target", u"Επιθυμητή Παραγωγή"},
                   {u"Production Target (a)", u"Επιθυμητή Παραγωγή (α)"},
                   {u"Production Target (b)", u"Επιθυμητή Παραγωγή (β)"}};
const Row2 kActual{{u"Production Actual", u"Πραγματική Παραγωγή"},
                   {u"Production Actual (a)", u"Πραγματική Παραγωγή (α)"},
                   {u"Production Actual (b)", u"Πραγματική Παραγωγή (β)"}};
// The Greek first line carries a Latin "(a)".
const Row2 kDifference{{u"Production Difference", u"Διαφορά Παραγωγής"},
                       {u"Production Difference (a)", u"Διαφορά Παραγωγής (a)"},
                       {u"Production Difference (b)", u"Διαφορά Παραγωγής (β)"}};
const Row2 kArea{{u"Extracted Area (Width x Depth)", u"Εξορυσσόμενες Διαστάσεις (Πλάτος X Βάθος)"},
                 {u"Extracted Area (Width x Depth)", u"Εξορυσσόμενες Διαστάσεις (Πλάτος X Βάθος)"},
                 {}};
const Row2 kPerHole{{u"Production per Blasthole", u"Παραγωγή ανά Διάτρημα"},
                    {u"Production per Blasthole (a)", u"Παραγωγή ανά Διάτρημα (α)"},
                    {u"Production per Blasthole (b)", u"Παραγωγή ανά Διάτρημα (β)"}};
const Row2 kMainPerHole{{u"Explosive Mass per Blasthole", u"Βάρος Κυρίως Εκρηκτικού ανά Διάτρημα"},
                        {u"Explosive Mass per Blasthole", u"Βάρος Κυρίως Εκρηκτικού ανά Διάτρημα"},
                        {}};
const Row2 kBoosterPerHole{{u"Booster Mass per Blasthole", u"Βάρος Ενισχυτικού ανά Διάτρημα"},
                           {u"Booster Mass per Blasthole", u"Βάρος Ενισχυτικού ανά Διάτρημα"},
                           {}};
const Row2 kChargePerHole{{u"Total Explosives per Blasthole", u"Συν. Βάρος Εκρηκτικών ανά Διάτρημα"},
                          {u"Total Explosives per Blasthole", u"Συν. Βάρος Εκρηκτικών ανά Διάτρημα"},
                          {}};
const Row2 kExplosiveMass{{u"Total Explosives in Blast", u"Συνολικό Βάρος Εκρηκτικών στην Ανατίναξη"},
                          {u"Total Explosives in Blast", u"Συνολικό Βάρος Εκρηκτικών στην Ανατίναξη"},
                          {}};
const Row2 kChargeVolume{{u"Total Explosives Volume per Blasthole", u"Όγκος Γόμωσης ανά Διάτρημα"},
                         {u"Total Explosives Volume per Blasthole (a)", u"Όγκος Γόμωσης ανά Διάτρημα (α)"},
                         {u"Total Explosives Volume per Blasthole (b)", u"Όγκος Γόμωσης ανά Διάτρημα (β)"}};
const Row2 kTotalChargeVolume{{u"Total Explosives Volume in Blast", u"Συνολικός Όγκος Γόμωσης"},
                              {u"Total Explosives Volume in Blast (a)", u"Συνολικός Όγκος Γόμωσης (α)"},
                              {u"Total Explosives Volume in Blast (b)", u"Συνολικός Όγκος Γόμωσης (β)"}};
const Row2 kLinearDensity{{u"Linear Explosives Density", u"Γραμμική Πυκνότητα Γόμωσης"},
                          {u"Linear Explosives Density", u"Γραμμική Πυκνότητα Γόμωσης"},
                          {}};
const Row2 kStemmingVolume{{u"Stemming Volume per Blasthole", u"Όγκος Επιγόμωσης ανά Διάτρημα"},
                           {u"Stemming Volume per Blasthole", u"Όγκος Επιγόμωσης ανά Διάτρημα"},
                           {}};
const Row2 kTotalStemmingVolume{{u"Total Stemming Volume in Blast", u"Συνολικός Όγκος Επιγόμωσης"},
                                {u"Total Stemming Volume in Blast", u"Συνολικός Όγκος Επιγόμωσης"},
                                {}};
const Row2 kPowder1{{u"Powder Factor (1)", u"Συνολικός Συντελεστής Κατανάλωσης (1)"},
                    {u"Powder Factor (1a)", u"Συνολικός Συντελεστής Κατανάλωσης (1α)"},
                    {u"Powder Factor (1b)", u"Συνολικός Συντελεστής Κατανάλωσης (1β)"}};
const Row2 kPowder2{{u"Powder Factor (2)", u"Συνολικός Συντελεστής Κατανάλωσης (2)"},
                    {u"Powder Factor (2a)", u"Συνολικός Συντελεστής Κατανάλωσης (2α)"},
                    {u"Powder Factor (2b)", u"Συνολικός Συντελεστής Κατανάλωσης (2β)"}};
const Row2 kDrill1{{u"Drilling Factor (1)", u"Συντελεστής Διάτρησης (1)"},
                   {u"Drilling Factor (1a)", u"Συντελεστής Διάτρησης (1α)"},
                   {u"Drilling Factor (1b)", u"Συντελεστής Διάτρησης (1β)"}};
const Row2 kDrill2{{u"Drilling Factor (2)", u"Συντελεστής Διάτρησης (2)"},
                   {u"Drilling Factor (2a)", u"Συντελεστής Διάτρησης (2α)"},
                   {u"Drilling Factor (2b)", u"Συντελεστής Διάτρησης (2β)"}};
const Row2 kDelayCharge{{u"Explosives per Delay", u"Βάρος Εκρηκτικών ανά Επιβράδυνση"},
                        {u"Explosives per Delay", u"Βάρος Εκρηκτικών ανά Επιβράδυνση"},
                        {}};
const Row2 kCostExpl{{u"Explosives Cost", u"Κόστος Εκρηκτικών"},
                     {u"Explosives Cost", u"Κοστος Ανατίναξης"},
                     {}};
const Row2 kCostBooster{{u"Booster Cost", u"Κόστος Ενίσχυσης"},
                        {u"Booster Cost", u"Κοστος Ενίσχυσης"},
                        {}};
const Row2 kCostInit{{u"Initiation Cost", u"Κόστος Εναυσης"},
                     {u"Initiation Cost", u"Κοστος Εναυσης"},
                     {}};
const Row2 kCostDrill{{u"Drilling Cost", u"Κόστος Διάτρησης"},
                      {u"Drilling Cost", u"Κοστος Διάτρησης"},
                      {}};
const Row2 kCostTotal{{u"Total Cost", u"Συνολικό Κόστος Ανατίναξης"},
                      {u"Total Cost", u"Συνολικό Κόστος Ανατίναξης"},
                      {}};
const Row2 kCostUnit{{u"Unit Blast Cost", u"Μοναδιαίο Κόστος Ανατίναξης"},
                     {u"Unit Blast Cost", u"Μοναδιαίο Κόστος Ανατίναξης"},
                     {}};

// Units, the same in both languages; each carries its own leading blank.
const QString uM = QStringLiteral(" m");
const QString uTon = QStringLiteral(" ton");
const QString uM3 = QStringLiteral(" m^3");
const QString uKg = QStringLiteral(" kg");
const QString uL = QStringLiteral(" L");
const QString uKgPerM = QStringLiteral(" kg/m");
const QString uE = QStringLiteral(" E");
const QString uEPerM3 = QStringLiteral(" E/m^3");
const QString uKgPerM3Rock = QStringLiteral(" kg(εκρ.) / m^3(πετρ.)");
const QString uKgPerTonRock = QStringLiteral(" kg(εκρ.) / ton(πετρ.)");
const QString uM3RockPerKg = QStringLiteral(" m^3(πετρ.) / kg(εκρ.)");
const QString uTonRockPerKg = QStringLiteral(" ton(πετρ.) / kg(εκρ.)");
const QString uMDrillPerM3 = QStringLiteral(" m(διατρ.) / m^3(πετρ.)");
const QString uMDrillPerTon = QStringLiteral(" m(διατρ.) / ton(πετρ.)");
const QString uM3PerMDrill = QStringLiteral(" m^3(πετρ.) / m(διατρ.)");
const QString uTonPerMDrill = QStringLiteral(" ton(πετρ.) / m(διατρ.)");

const QString f2 = QStringLiteral("0.00");
const QString f3 = QStringLiteral("0.000");

// Writes page 2 and the grid row by row.
class Page2Writer {
public:
    Page2Writer(bool en, ReportGrid &grid) : m_en(en), m_grid(grid) {}

    template <class T>
    void one(const Row2 &row, T value, const QString &fmt, const QString &unit)
    {
        const QString text = Format(value, fmt);
        m_grid.AddGridRow(row.grid.text(m_en), text + unit, QString());
        m_page += line(row.pageA.text(m_en), text, unit);
    }

    template <class T, class U>
    void two(const Row2 &row, T a, U b, const QString &fmt, const QString &unitA,
             const QString &unitB)
    {
        two(row, a, b, fmt, fmt, unitA, unitB);
    }

    // Grid and page may use different patterns.
    template <class T, class U>
    void two(const Row2 &row, T a, U b, const QString &gridFmt, const QString &pageFmt,
             const QString &unitA, const QString &unitB)
    {
        m_grid.AddGridRow(row.grid.text(m_en), Format(a, gridFmt) + unitA, Format(b, gridFmt) + unitB);
        m_page += line(row.pageA.text(m_en), Format(a, pageFmt), unitA);
        m_page += line(row.pageB.text(m_en), Format(b, pageFmt), unitB);
    }

    // A row whose grid and page texts are given whole.
    void custom(const Row2 &row, const QString &grid2, const QString &grid3, const QString &pageValue)
    {
        m_grid.AddGridRow(row.grid.text(m_en), grid2, grid3);
        m_page += line(row.pageA.text(m_en), pageValue);
    }

    QString &page() { return m_page; }

private:
    bool m_en;
    ReportGrid &m_grid;
    QString m_page;
};

} // namespace

// ---- grid ---------------------------------------------------------------------

QString ReportGrid::TextMatrix(int row, int col) const
{
    if (row < 0 || row >= Rows() || col < 0 || col >= 4)
        return QString();
    return Cells[size_t(row)][size_t(col)];
}

void ReportGrid::Clear(int cols)
{
    Cells.clear();
    ColWidths.clear();
    FixedRows = 0;
    Cols = qBound(0, cols, 4);
    ColWidths.assign(size_t(Cols), 0);
}

void ReportGrid::AddGridRow(const QString &Text1, const QString &Text2, const QString &Text3)
{
    Cells.push_back({QString(), Text1, Text2, Text3});
}

void ReportGrid::FinishLayout()
{
    ColWidths = {300, 4000, 2200, 2200};
    FixedRows = Cells.empty() ? 0 : 1;
}

// ---- pages --------------------------------------------------------------------

QString BuildReportPage1(const DesignInputs &in, bool en)
{
    auto val2 = [](const QString &text) { return Format(Val(text), f2); };
    auto val0 = [](const QString &text) { return Format(Val(text), QStringLiteral("0")); };

    QString p = header(kHeadDesign, en);
    p += line(kP1Burden.text(en), val2(in.txtFortio), uM);
    p += line(kP1StemCoef.text(en), val2(in.txtEpigomosi));
    p += line(kP1SubCoef.text(en), val2(in.txtYpodiatrisi));
    p += line(kP1SpaceCoef.text(en), val2(in.txtApostasi));
    p += line(kP1StemCoefD.text(en), val2(in.txtEpigD));
    p += line(kP1SubCoefD.text(en), val2(in.txtYpodD));
    p += line(kP1SpaceCoefD.text(en), val2(in.txtApostasiD));

    p += header(kHeadExplosives, en);
    p += line(kP1Diameter.text(en), val2(in.txtDiametros), QStringLiteral(" mm"));
    p += line(kP1ExplDensity.text(en), val2(in.txtEidvarek), QStringLiteral(" g/cm^3"));
    p += line(kP1Booster.text(en), val2(in.txtEnisxysi), uKg);
    p += line(kP1BoosterDensity.text(en), val2(in.txtEidvarEE), QStringLiteral(" g/cm^3"));
    p += kCrLf;

    p += header(kHeadProduction, en);
    p += line(kP1BenchHeight.text(en), val2(in.txtYpsos), uM);
    p += line(kP1RockDensity.text(en), val2(in.txtEidvarPe), QStringLiteral(" g/cm^3"));
    if (in.optProduction == 0)
        p += line(kP1Production.text(en), val2(in.txtParagogi), uTon);
    else
        p += line(kP1ProductionGrid.text(en), val0(in.txtDX) + kChi + val0(in.txtDY));
    p += line(kP1MaxPerDelay.text(en), val0(in.txtMaxNperDelay));
    p += line(kP1FreeFaces.text(en), val0(in.cmbNoEpif));
    p += line(kP1MaxRows.text(en), val0(in.txtSeires));
    p += line(kP1Initiation.text(en), Format(double(in.optEnausi), QStringLiteral("0")));
    p += kCrLf;
    return p;
}

QString BuildReportPage2(const DesignRunState &s, const ReportValues &v, bool en, ReportGrid &grid)
{
    grid.AddGridRow(kGridParameter.text(en), kGridValue.text(en), kGridValue.text(en));
    Page2Writer w(en, grid);
    w.page() = header(kHeadSolution, en);

    w.one(kBurden, s.Burden, f2, uM);
    w.one(kSpacing, s.Spacing, f2, uM);
    w.one(kStemming, s.Stemming, f2, uM);
    {
        // The page line of the sub-drilling has its unit without the blank.
        const QString text = Format(s.Subdrilling, f2);
        w.custom(kSubdrilling, text + uM, QString(), text + QStringLiteral("m"));
    }
    w.one(kBenchHeight, s.BenchHeight, f2, uM);
    w.one(kChargeLength, s.ChargeLength, f2, uM);
    {
        const QString count = numtext::General(int(s.TotalHoles));
        const QString grid3 = QStringLiteral("(") + kChi + QStringLiteral(" = ")
                              + QString::number(s.HolesPerRow) + QStringLiteral(",  Y= ")
                              + QString::number(s.RowCount) + QStringLiteral(")");
        w.custom(kHoles, count, grid3, count + QStringLiteral(" ") + grid3);
    }
    if (s.ProductionMode == 0)
        w.two(kTarget, s.TargetTons, s.TargetVolume, f2, uTon, uM3);
    w.two(kActual, s.ActualTons, s.ActualVolume, f2, uTon, uM3);
    w.two(kDifference, s.TonsDiff, s.VolumeDiff, f2, uTon, uM3);
    {
        const QString width = Format(s.BlockWidth, f2);
        const QString depth = Format(s.BlockDepth, f2);
        w.custom(kArea, width + uM, depth + uM, width + QStringLiteral(" m X ") + depth + uM);
    }
    w.two(kPerHole, v.TonsPerHole, v.VolumePerHole, f2, uTon, uM3);
    w.one(kMainPerHole, v.MainExplosivePerHole, f2, uKg);
    w.one(kBoosterPerHole, s.BoosterMass, f2, uKg);
    w.one(kChargePerHole, s.ChargePerHole, f2, uKg);
    w.one(kExplosiveMass, s.ExplosiveMass, f2, uKg);
    w.two(kChargeVolume, v.ChargeVolumeM3, v.ChargeVolumeL, f3, uM3, uL);
    w.two(kTotalChargeVolume, v.TotalChargeVolumeM3, v.TotalChargeVolumeL, f3, uM3, uL);
    w.one(kLinearDensity, v.LinearChargeDensity, f2, uKgPerM);
    w.one(kStemmingVolume, v.StemmingVolumeM3, f3, uM3);
    w.one(kTotalStemmingVolume, v.TotalStemmingVolumeM3, f3, uM3);
    w.two(kPowder1, s.PowderFactorVol, s.PowderFactorTon, f2, uKgPerM3Rock, uKgPerTonRock);
    w.two(kPowder2, v.PowderFactorVol2, v.PowderFactorTon2, f2, uM3RockPerKg, uTonRockPerKg);
    w.two(kDrill1, s.DrillFactorVol, s.DrillFactorTon, f3, uMDrillPerM3, uMDrillPerTon);
    w.two(kDrill2, v.DrillFactorVol2, v.DrillFactorTon2, f2, f3, uM3PerMDrill, uTonPerMDrill);
    w.one(kDelayCharge, s.DelayCharge, f2, uKg);
    w.one(kCostExpl, s.CostExplosives, f2, uE);
    w.one(kCostBooster, s.CostBooster, f2, uE);
    w.one(kCostInit, s.CostInitiation, f2, uE);
    w.one(kCostDrill, s.CostDrilling, f2, uE);
    w.one(kCostTotal, s.CostTotal, f2, uE);
    w.one(kCostUnit, s.CostPerVolume, f2, uEPerM3);
    return w.page();
}

QString ImpossibleLayoutLabel(bool en)
{
    return en ? QStringLiteral("Impossible layout") : QStringLiteral("Αδύνατη διάταξη");
}

QString BuildImpossiblePage2(const QString &reason, bool en, ReportGrid &grid)
{
    grid.AddGridRow(kGridParameter.text(en), kGridValue.text(en), kGridValue.text(en));
    grid.AddGridRow(ImpossibleLayoutLabel(en), QString(), QString());
    return header(kHeadSolution, en) + reason + kCrLf;
}
