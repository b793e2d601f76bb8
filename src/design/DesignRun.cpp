#include "design/DesignRun.h"

#include "core/NumText.h"
#include "core/ProgramState.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numeric>

using numtext::Format;
using numtext::General;
using numtext::RoundHalfEven;
using numtext::Val;

namespace {

bool reportInEnglish() { return settings().EnglishMenus != 0; }

// A whole number (halves to even) that a 16-bit count can hold.
bool fitsCount(double v)
{
    const double r = RoundHalfEven(v);
    return std::isfinite(r) && r >= -32768.0 && r <= 32767.0;
}

bool allFinite(std::initializer_list<float> values)
{
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

// Lengths of the run rounded to 2 decimals, halves to even, on the stored Single.
float round2(float v) { return float(RoundHalfEven(double(v), 2)); }

// Holes fired in one delay by the pattern: rows n, diagonal r, V 2r - 1.
double patternHolesPerDelay(int pattern, int n, int r)
{
    switch (pattern) {
    case 2: return r;
    case 3: return 2.0 * r - 1;
    default: return n;
    }
}

// The block of one layout and the distances stored with it. S is the working
// spacing (already replaced for the diagonal and V patterns), Dp the row distance
// of those patterns. The two searches differ for the modified row: the production
// search leaves out the end burden of two free faces from the volume, the grid
// evaluation puts half a spacing at both ends of a row.
struct Geometry {
    float W = 0, D = 0, V = 0;
    float rowDistance = 0, offsetA = 0, offsetB = 0;
};

Geometry layoutGeometry(int pattern, int faces, int n, int r, double B, double S, double H,
                        float Dp, bool gridMode)
{
    Geometry g;
    g.rowDistance = float(B);
    switch (pattern) {
    case 0:
        g.W = faces == 1 ? float(S * (n - 1) + S) : float(S * (n - 1) + S / 2 + B);
        g.D = float(B * r);
        g.V = float(H * r * B * double(g.W));
        g.offsetA = faces == 1 ? float(S / 2) : float(B);
        g.offsetB = float(S / 2);
        break;
    case 1:
        g.W = faces == 1 ? float(S * (n - 1)) : float(S * (n - 1) + B);
        g.D = float(B * r);
        g.V = (gridMode && faces == 2) ? float(double(g.W) * g.D * H) : float(H * r * B * S * (n - 1));
        if (gridMode)
            g.offsetA = g.offsetB = float(S / 2);
        break;
    default: // diagonal and V
        if (faces == 1)
            g.W = n == 1 ? float(S) : float(S * (n - 1));
        else
            g.W = float(S * (n - 1) + B);
        g.D = r == 1 ? float(B) : float(double(Dp) * (r - 1) + B);
        g.V = float(double(g.W) * g.D * H);
        g.rowDistance = r == 1 ? 0.0f : Dp;
        g.offsetA = faces == 1 ? 0.0f : float(B);
        break;
    }
    return g;
}

// The row distance of the diagonal and V patterns: the burden times the root of 2,
// rounded to 2 decimals.
float diagonalDistance(double burden) { return float(RoundHalfEven(burden * std::sqrt(2.0), 2)); }

// The notice of a spacing replaced by the row distance.
QString spacingNotice(float Dp)
{
    return QStringLiteral("Προσοχή: Τροποποίηθηκε η απόσταση από ")
           + Format(double(Dp) / std::sqrt(2.0), QStringLiteral("0.00")) + QStringLiteral(" σε ")
           + Format(Dp, QStringLiteral("0.00")) + QStringLiteral(" m");
}

// The sort trace: buffered, bounded, and never an obstacle to the sort.
class SortTrace {
public:
    explicit SortTrace(const QString &path)
    {
        if (path.isEmpty())
            return;
        m_file.setFileName(path);
        m_ok = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        m_buffer.reserve(kFlushAt + 256);
    }
    ~SortTrace() { close(); }

    bool wantsLine()
    {
        if (m_lines < kMaxSortTraceLines)
            return m_ok;
        ++m_skipped;
        return false;
    }

    void write(const LayoutAlternative &a, const LayoutAlternative &b)
    {
        ++m_lines;
        const QString text = General(a.VolumeDiff) + QLatin1Char(' ') + General(b.VolumeDiff)
                             + QLatin1Char(' ') + General(int(a.HolesPerRow)) + QLatin1Char(' ')
                             + General(int(a.Rows)) + QLatin1Char(' ') + General(a.Volume)
                             + QStringLiteral("\r\n");
        m_buffer += text.toUtf8();
        if (m_buffer.size() >= kFlushAt)
            flush();
    }

    void close()
    {
        if (!m_file.isOpen())
            return;
        if (m_ok && m_skipped > 0)
            m_buffer += QStringLiteral("... %1 further exchanges not written\r\n").arg(m_skipped).toUtf8();
        flush();
        m_file.close();
    }

private:
    static constexpr qsizetype kFlushAt = 64 * 1024;

    void flush()
    {
        if (m_ok && !m_buffer.isEmpty() && m_file.write(m_buffer) != m_buffer.size())
            m_ok = false; // a full disk ends the trace, not the sort
        m_buffer.clear();
    }

    QFile m_file;
    QByteArray m_buffer;
    bool m_ok = false;
    qint64 m_lines = 0;
    qint64 m_skipped = 0;
};

DesignOutcome outcomeForQuantities(QuantityResult r)
{
    switch (r) {
    case QuantityResult::Ok: return MakeOutcome(DesignStatus::Ok);
    case QuantityResult::ImpossibleLayout: return MakeOutcome(DesignStatus::ImpossibleLayout);
    case QuantityResult::NotFinite: return MakeOutcome(DesignStatus::NotComputable);
    case QuantityResult::ZeroChargeLength: {
        DesignOutcome o = MakeOutcome(DesignStatus::ImpossibleDesign);
        o.messageEnglish = QStringLiteral(
            "Impossible design: the explosive column (sub-drilling + bench height - stemming) is "
            "zero or negative.");
        o.messageGreek = QStringLiteral(
            "Αδύνατος σχεδιασμός: το ύψος γόμωσης (υποδιάτρηση + ύψος βαθμίδας - επιγόμωση) είναι "
            "μηδέν ή αρνητικό.");
        return o;
    }
    case QuantityResult::NegativeExplosive: return MakeOutcome(DesignStatus::ImpossibleDesign);
    }
    return MakeOutcome(DesignStatus::NotComputable);
}

} // namespace

DesignOutcome MakeOutcome(DesignStatus status)
{
    DesignOutcome o;
    o.status = status;
    switch (status) {
    case DesignStatus::Ok:
    case DesignStatus::InvalidAlternative:
    case DesignStatus::NotSorted:
        break;
    case DesignStatus::NoQualifyingLayout:
        o.messageEnglish = QStringLiteral(
            "No layout comes close enough to the production target: every layout differs from it "
            "by the target volume or more. Change the production target, the maximum number of "
            "rows or the initiation pattern.");
        o.messageGreek = QStringLiteral(
            "Καμία διάταξη δεν προσεγγίζει την επιθυμητή παραγωγή: όλες οι διατάξεις διαφέρουν από "
            "αυτήν κατά τον επιθυμητό όγκο ή περισσότερο. Αλλάξτε την επιθυμητή παραγωγή, τον "
            "μέγιστο αριθμό σειρών ή τον τύπο έναυσης.");
        break;
    case DesignStatus::ImpossibleLayout:
        o.messageEnglish = QStringLiteral(
            "Impossible layout: this alternative has no rock volume or no blastholes, so no "
            "quantities or costs can be computed.");
        o.messageGreek = QStringLiteral(
            "Αδύνατη διάταξη: η εναλλακτική αυτή δεν έχει όγκο πετρώματος ή διατρήματα, οπότε δεν "
            "υπολογίζονται ποσότητες και κόστη.");
        break;
    case DesignStatus::ImpossibleDesign:
        o.messageEnglish = QStringLiteral(
            "Impossible design: the booster takes more room than the explosive column, which would "
            "give a negative explosive mass.");
        o.messageGreek = QStringLiteral(
            "Αδύνατος σχεδιασμός: η ενίσχυση καταλαμβάνει περισσότερο χώρο από τη στήλη γόμωσης και "
            "το βάρος του εκρηκτικού θα ήταν αρνητικό.");
        break;
    case DesignStatus::NotComputable:
        o.messageEnglish = QStringLiteral(
            "Impossible layout: the quantities of this layout cannot be computed (a division by "
            "zero or a number out of range).");
        o.messageGreek = QStringLiteral(
            "Αδύνατη διάταξη: οι ποσότητες της διάταξης δεν μπορούν να υπολογιστούν (διαίρεση με "
            "το μηδέν ή αριθμός εκτός ορίων).");
        break;
    case DesignStatus::ZeroHoleVolume:
        o.messageEnglish = QStringLiteral(
            "The bench height, burden and spacing give no rock volume per blasthole "
            "(H x B x S = 0): check the spacing and its coefficient.");
        o.messageGreek = QStringLiteral(
            "Το ύψος βαθμίδας, το φορτίο και η απόσταση δεν δίνουν όγκο πετρώματος ανά διάτρημα "
            "(H x B x S = 0): ελέγξτε την απόσταση και τον συντελεστή της.");
        break;
    case DesignStatus::TooManyLayouts:
        o.messageEnglish = QStringLiteral(
            "The layout search would need more than 32767 layouts (maximum number of rows x "
            "estimated holes per row). Lower the production target or the maximum number of rows, "
            "or raise the burden or the spacing.");
        o.messageGreek = QStringLiteral(
            "Η αναζήτηση διάταξης θα χρειαζόταν περισσότερες από 32767 διατάξεις (μέγιστος αριθμός "
            "σειρών x εκτιμώμενα διατρήματα ανά σειρά). Μειώστε την επιθυμητή παραγωγή ή τον "
            "μέγιστο αριθμό σειρών, ή αυξήστε το φορτίο ή την απόσταση.");
        break;
    case DesignStatus::ValueOutOfRange:
        o.messageEnglish = QStringLiteral(
            "A value of the design is too large to be computed: check the coefficients and the "
            "other inputs.");
        o.messageGreek = QStringLiteral(
            "Μια τιμή του σχεδιασμού είναι πολύ μεγάλη για να υπολογιστεί: ελέγξτε τους συντελεστές "
            "και τα άλλα δεδομένα.");
        break;
    case DesignStatus::CountOutOfRange:
        o.messageEnglish = QStringLiteral(
            "A number of rows, blastholes or blastholes per delay is outside the range the design "
            "can hold (up to 32767).");
        o.messageGreek = QStringLiteral(
            "Ένας αριθμός σειρών, διατρημάτων ή διατρημάτων ανά επιβράδυνση είναι εκτός των "
            "επιτρεπτών ορίων (έως 32767).");
        break;
    }
    return o;
}

QString DesignSession::SortTraceFile()
{
    const QString folder = paths().UserTempPath;
    if (folder.isEmpty())
        return QString();
    return QDir(folder).filePath(QStringLiteral("~tmpout.txt"));
}

void DesignSession::clearReport()
{
    m_pages = {};
    m_grid.Clear(4);
    m_grid.FinishLayout();
    m_values = ReportValues();
}

void DesignSession::clearLayoutFields()
{
    DesignRunState &s = m_state;
    const DesignRunState inputs = s;
    s = DesignRunState();
    // Keep what the run read; drop the layout and everything computed from it.
    s.Burden = inputs.Burden;
    s.Diameter = inputs.Diameter;
    s.Stemming = inputs.Stemming;
    s.Subdrilling = inputs.Subdrilling;
    s.Spacing = inputs.Spacing;
    s.ExplosiveDensity = inputs.ExplosiveDensity;
    s.RockDensity = inputs.RockDensity;
    s.BoosterDensity = inputs.BoosterDensity;
    s.BenchHeight = inputs.BenchHeight;
    s.TargetTons = inputs.TargetTons;
    s.TargetVolume = inputs.TargetVolume;
    s.InitiationPattern = inputs.InitiationPattern;
    s.FreeFaces = inputs.FreeFaces;
    s.MaxRows = inputs.MaxRows;
    s.BoosterMass = inputs.BoosterMass;
    s.HolesPerDelay = inputs.HolesPerDelay;
    s.ProductionMode = inputs.ProductionMode;
    m_selected = 0;
}

void DesignSession::discardAlternatives()
{
    m_alternatives.clear();
    m_alternativeCount = 0;
    m_bestAlternative = 0;
    m_selected = 0;
}

DesignOutcome DesignSession::RunDesign(const DesignInputs &in)
{
    DesignRunState &s = m_state;
    const bool rounding = in.chkRound == 1;

    s.Burden = float(Val(in.txtFortio));
    s.Diameter = float(Val(in.txtDiametros));
    if (rounding) {
        s.Burden = round2(s.Burden);
        s.Diameter = round2(s.Diameter);
    }
    if (in.SSTab2 == 0) {
        s.Stemming = float(double(s.Burden) * Val(in.txtEpigomosi));
        s.Subdrilling = float(double(s.Burden) * Val(in.txtYpodiatrisi));
        s.Spacing = float(double(s.Burden) * Val(in.txtApostasi));
    } else {
        s.Stemming = float(double(s.Diameter) * Val(in.txtEpigD) / 1000);
        s.Subdrilling = float(double(s.Diameter) * Val(in.txtYpodD) / 1000);
        s.Spacing = float(double(s.Diameter) * Val(in.txtApostasiD) / 1000);
    }
    if (rounding) {
        s.Stemming = round2(s.Stemming);
        s.Subdrilling = round2(s.Subdrilling);
        s.Spacing = round2(s.Spacing);
    }

    s.ExplosiveDensity = float(Val(in.txtEidvarek));
    s.RockDensity = float(Val(in.txtEidvarPe));
    s.BoosterDensity = float(Val(in.txtEidvarEE));
    s.BenchHeight = float(Val(in.txtYpsos));
    s.TargetTons = float(Val(in.txtParagogi));
    s.TargetVolume = float(double(s.TargetTons) / s.RockDensity);

    s.InitiationPattern = int16_t(in.optEnausi);
    const double faces = Val(in.cmbNoEpif);
    const double maxRows = Val(in.txtSeires);
    s.BoosterMass = float(Val(in.txtEnisxysi));
    s.HolesPerDelay = float(Val(in.txtMaxNperDelay));
    s.ProductionMode = int16_t(in.optProduction);
    const bool finite = allFinite({s.Burden, s.Diameter, s.Stemming, s.Subdrilling, s.Spacing,
                                   s.ExplosiveDensity, s.RockDensity, s.BoosterDensity,
                                   s.BenchHeight, s.TargetTons, s.BoosterMass});
    if (!finite || !fitsCount(faces) || !fitsCount(maxRows)) {
        discardAlternatives();
        clearLayoutFields();
        clearReport();
        DesignOutcome o = MakeOutcome(finite ? DesignStatus::CountOutOfRange : DesignStatus::ValueOutOfRange);
        o.showMessage = true;
        return o;
    }
    s.FreeFaces = int16_t(RoundHalfEven(faces));
    s.MaxRows = int16_t(RoundHalfEven(maxRows));

    DesignOutcome search = s.ProductionMode == 0 ? DesignByProduction(in) : DesignByHoleCount(in);
    if (!search.ok() || m_bestAlternative < 1) {
        if (search.ok())
            search = MakeOutcome(DesignStatus::NoQualifyingLayout);
        else
            discardAlternatives();
        clearLayoutFields();
        clearReport();
        search.showMessage = true;
        return search;
    }

    DesignOutcome o = SelectAlternative(m_bestAlternative, in);
    o.scrollValue = m_bestAlternative;
    o.showMessage = !o.ok();
    return o;
}

DesignOutcome DesignSession::DesignByProduction(const DesignInputs &in)
{
    DesignRunState &s = m_state;
    m_spacingWarning.clear();

    const double B = s.Burden;
    const double H = s.BenchHeight;
    const double Vt = s.TargetVolume;
    const int pattern = s.InitiationPattern;
    const int faces = s.FreeFaces;
    const bool autoDelay = in.chkMaxNDelay == 1;
    const double entered = s.HolesPerDelay;

    // Everything the data model cannot hold is refused before the array is sized.
    const double volumePerHole = H * B * double(s.Spacing);
    if (!(volumePerHole > 0) || !std::isfinite(volumePerHole)) {
        discardAlternatives();
        return MakeOutcome(DesignStatus::ZeroHoleVolume);
    }
    const double estimate = std::floor(Vt / volumePerHole) + 1;
    if (!std::isfinite(estimate) || estimate > kMaxLayoutCount) {
        discardAlternatives();
        return MakeOutcome(DesignStatus::TooManyLayouts);
    }
    const int32_t N = estimate < 1 ? 0 : int32_t(estimate);
    const int32_t rows = std::max<int32_t>(0, s.MaxRows);
    const int64_t count = int64_t(rows) * N;
    if (count > kMaxLayoutCount) {
        discardAlternatives();
        return MakeOutcome(DesignStatus::TooManyLayouts);
    }
    const bool useEntered = !autoDelay && entered != 0;
    if ((useEntered && !fitsCount(entered))
        || (!useEntered && count > 0 && !fitsCount(patternHolesPerDelay(pattern, N, rows)))) {
        discardAlternatives();
        return MakeOutcome(DesignStatus::CountOutOfRange);
    }

    m_alternatives.assign(size_t(count), LayoutAlternative());
    m_alternativeCount = int16_t(count);
    m_bestAlternative = 0;
    m_selected = 0;
    m_storeTargetVolume = Val(in.txtParagogi) / Val(in.txtEidvarPe);
    float bestDiff = s.TargetVolume;
    float bestHolesPerDelay = 0;
    int16_t k = 0;

    const bool handled = (faces == 1 || faces == 2) && pattern >= 0 && pattern <= 3;
    const float Dp = diagonalDistance(B);
    float W = 0, D = 0, holesPerDelay = 0; // an impossible layout repeats them
    bool spacingChanged = false;

    for (int32_t r = 1; handled && N > 0 && r <= rows; ++r) {
        if (pattern >= 2 && (faces == 2 || r > 1)) {
            s.Spacing = Dp;
            spacingChanged = spacingChanged || faces == 1;
        }
        for (int32_t n = 1; n <= N; ++n) {
            ++k;
            const Geometry g = layoutGeometry(pattern, faces, n, r, B, s.Spacing, H, Dp, false);
            float V = g.V;
            if (pattern == 1 && V == 0) {
                V = kImpossibleVolume; // one hole per row: no block between holes
            } else {
                W = g.W;
                D = g.D;
                holesPerDelay = useEntered ? float(entered) : float(patternHolesPerDelay(pattern, n, r));
                const float diff = float(std::fabs(double(V) - Vt));
                if (diff < bestDiff) {
                    bestDiff = diff;
                    s.HolesPerRow = int16_t(n);
                    s.RowCount = int16_t(r);
                    // The modified row with two free faces keeps its end burden out.
                    s.BlockWidth = (pattern == 1 && faces == 2) ? float(double(s.Spacing) * (n - 1)) : W;
                    s.BlockDepth = D;
                    s.ActualVolume = V;
                    m_bestAlternative = k;
                    bestHolesPerDelay = holesPerDelay;
                }
            }
            StoreAlternative(k, n, r, V, W, D, holesPerDelay, float(B), g.rowDistance, g.offsetA,
                             s.Spacing, g.offsetB);
        }
    }
    if (spacingChanged)
        m_spacingWarning = spacingNotice(Dp);

    s.TotalHoles = int16_t(int32_t(s.HolesPerRow) * s.RowCount);
    if (m_bestAlternative > 0)
        s.HolesPerDelay = bestHolesPerDelay;
    return MakeOutcome(DesignStatus::Ok);
}

DesignOutcome DesignSession::DesignByHoleCount(const DesignInputs &in)
{
    DesignRunState &s = m_state;
    m_spacingWarning.clear();

    const double nValue = RoundHalfEven(Val(in.txtDX));
    const double rValue = RoundHalfEven(Val(in.txtDY));
    const int pattern = s.InitiationPattern;
    const double entered = s.HolesPerDelay;
    if (!fitsCount(nValue) || !fitsCount(rValue) || !fitsCount(nValue * rValue)
        || (entered != 0 && !fitsCount(entered))
        || (entered == 0 && !fitsCount(patternHolesPerDelay(pattern, int(nValue), int(rValue))))) {
        discardAlternatives();
        return MakeOutcome(DesignStatus::CountOutOfRange);
    }
    const int n = int(nValue);
    const int r = int(rValue);

    m_alternatives.assign(1, LayoutAlternative());
    m_alternativeCount = 1;
    m_bestAlternative = 1;
    m_selected = 0;
    m_storeTargetVolume = Val(in.txtParagogi) / Val(in.txtEidvarPe);

    const int faces = s.FreeFaces;
    if ((faces == 1 || faces == 2) && pattern >= 0 && pattern <= 3) {
        const double B = s.Burden;
        const float Dp = diagonalDistance(B);
        if (pattern >= 2 && (faces == 2 || r > 1)) {
            s.Spacing = Dp;
            if (faces == 1)
                m_spacingWarning = spacingNotice(Dp);
        }
        const Geometry g = layoutGeometry(pattern, faces, n, r, B, s.Spacing, s.BenchHeight, Dp, true);
        const float holesPerDelay =
            entered == 0 ? float(patternHolesPerDelay(pattern, n, r)) : float(entered);
        s.ActualVolume = g.V;
        s.HolesPerRow = int16_t(n);
        s.RowCount = int16_t(r);
        s.BlockWidth = g.W;
        s.BlockDepth = g.D;
        s.HolesPerDelay = holesPerDelay;
        StoreAlternative(1, n, r, g.V, g.W, g.D, holesPerDelay, float(B), g.rowDistance, g.offsetA,
                         s.Spacing, g.offsetB);
    }
    s.TotalHoles = int16_t(int32_t(s.HolesPerRow) * s.RowCount);
    return MakeOutcome(DesignStatus::Ok);
}

void DesignSession::StoreAlternative(int16_t Index, int32_t HolesPerRow, int32_t Rows, float Volume,
                                     float Width, float Depth, float HolesPerDelay, float Burden,
                                     float RowDistance, float OffsetA, float Spacing, float OffsetB)
{
    if (Index < 1 || Index > m_alternativeCount)
        return;
    LayoutAlternative &a = m_alternatives[size_t(Index - 1)];
    a.Index = Index;
    a.HolesPerRow = int16_t(HolesPerRow);
    a.Rows = int16_t(Rows);
    a.Width = Width;
    a.Depth = Depth;
    a.Volume = Volume;
    if (Volume == kImpossibleVolume) {
        a.TotalHoles = kImpossibleTotalHoles;
        a.VolumeDiff = kImpossibleVolumeDiff;
    } else {
        a.TotalHoles = int16_t(HolesPerRow * Rows);
        a.VolumeDiff = m_state.ProductionMode != 0 ? 0.0f : float(m_storeTargetVolume - Volume);
    }
    a.HolesPerDelay = int16_t(RoundHalfEven(double(HolesPerDelay)));
    a.Burden = Burden;
    a.RowDistance = RowDistance;
    a.OffsetA = OffsetA;
    a.Spacing = Spacing;
    a.OffsetB = OffsetB;
}

DesignOutcome DesignSession::SelectAlternative(int Index, const DesignInputs &in)
{
    if (Index < 1 || Index > m_alternativeCount)
        return MakeOutcome(DesignStatus::InvalidAlternative);
    const LayoutAlternative &a = m_alternatives[size_t(Index - 1)];
    DesignRunState &s = m_state;
    s.HolesPerRow = a.HolesPerRow;
    s.RowCount = a.Rows;
    s.BlockWidth = a.Width;
    s.BlockDepth = a.Depth;
    s.ActualVolume = a.Volume;
    s.VolumeDiff = a.VolumeDiff;
    s.TonsDiff = float(double(a.VolumeDiff) * s.RockDensity);
    s.HolesPerDelay = a.HolesPerDelay;
    s.TotalHoles = a.TotalHoles;
    s.Burden = a.Burden;
    s.RowDistance = a.RowDistance;
    // The spacing the layout was computed with: a one-row layout of a diagonal or V
    // search keeps the derived spacing although later rows changed the working one.
    s.Spacing = a.Spacing;
    m_selected = Index;
    DesignOutcome o = ReportSolution(in);
    o.scrollValue = Index;
    return o;
}

DesignOutcome DesignSession::SortAlternatives(const DesignInputs &in)
{
    SortTrace trace(SortTraceFile());
    if (in.chkSort != 1)
        return MakeOutcome(DesignStatus::NotSorted);

    // Exchange sort on the keys with a permutation; the records move once at the end.
    const size_t count = size_t(m_alternativeCount);
    std::vector<float> key(count);
    std::vector<size_t> at(count);
    for (size_t i = 0; i < count; ++i)
        key[i] = float(std::fabs(double(m_alternatives[i].VolumeDiff)));
    std::iota(at.begin(), at.end(), size_t(0));

    for (size_t i = 0; i < count; ++i) {
        float current = key[i];
        for (size_t j = i + 1; j < count; ++j) {
            if (key[j] < current) {
                if (trace.wantsLine())
                    trace.write(m_alternatives[at[i]], m_alternatives[at[j]]);
                std::swap(at[i], at[j]);
                const float smaller = key[j];
                key[j] = current;
                current = smaller;
            }
        }
        key[i] = current;
    }
    trace.close();

    std::vector<LayoutAlternative> sorted;
    sorted.reserve(count);
    for (size_t i = 0; i < count; ++i)
        sorted.push_back(m_alternatives[at[i]]);
    m_alternatives.swap(sorted);

    if (count < 1)
        return MakeOutcome(DesignStatus::Ok);
    return SelectAlternative(1, in);
}

DesignOutcome DesignSession::ReportSolution(const DesignInputs &in)
{
    const bool english = reportInEnglish();
    QuantityInputs q;
    q.CostExpl = Val(in.txtCostExpl);
    q.CostCap = Val(in.txtCostCap);
    q.CostInit = Val(in.txtCostInit);
    q.CostBooster = Val(in.txtCostBooster);
    q.CostDrill = Val(in.txtCostDrill);
    q.RoundProduction = in.chkRound2 == 1;
    q.AutoDelay = in.chkMaxNDelay == 1;

    m_grid.Clear(4);
    const QuantityResult result = ComputeQuantities(m_state, q, m_values);
    DesignOutcome o = outcomeForQuantities(result);
    const QString page1 = BuildReportPage1(in, english);
    QString page2;
    if (result == QuantityResult::Ok) {
        page2 = BuildReportPage2(m_state, m_values, english, m_grid);
        o.hasDelayCharge = true;
        o.delayChargeText = Format(m_state.DelayCharge, QStringLiteral("0.00"));
    } else {
        page2 = BuildImpossiblePage2(o.message(english), english, m_grid);
    }
    m_grid.FinishLayout();
    m_pages = {page1, page2};
    return o;
}
