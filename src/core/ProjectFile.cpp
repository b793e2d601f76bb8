#include "core/ProjectFile.h"

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/Messages.h"
#include "core/NumText.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/Services.h"

#include <QStringDecoder>
#include <QStringTokenizer>

#include <cfloat>
#include <cmath>
#include <vector>

namespace {

const QString kStartDesc = QStringLiteral("##StartDesc##");
const QString kEndDesc = QStringLiteral("##EndDesc##");
constexpr int kWrapWidth = 60;

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// True when the text is empty or holds only blanks.
bool isBlankLine(QStringView s)
{
    for (QChar c : s)
        if (c != u' ')
            return false;
    return true;
}

// The text without its leading and trailing blanks (spaces only, as the wrap counts them).
QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == u' ')
        ++b;
    while (e > b && s.at(e - 1) == u' ')
        --e;
    return s.mid(b, e - b);
}

// Calls 'f' with each line of the text; CR LF, CR and LF each end a line.
template <class F> void forEachLine(QStringView text, F f)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        f(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    f(text.mid(start));
}

// One value of a parameter line: a Single, an Integer, or an Integer written as 0 and
// skipped on reading.
struct Slot {
    float *single = nullptr;
    int16_t *integer = nullptr;
};

// One line of the parameter part of the file, with the lowest version code whose
// files hold it.
struct LineItem {
    int from;
    std::vector<Slot> values;
};

Slot single(float &v) { return Slot{&v, nullptr}; }
Slot integer(int16_t &v) { return Slot{nullptr, &v}; }
Slot zero() { return Slot{}; }

// Every line after the description, in file order.
std::vector<LineItem> parameterLines(ProjectState &p)
{
    BlastDesignRec &d = p.BlastDesign;
    ScaleDistRec &s = p.ScaleDist;
    std::vector<LineItem> items;
    auto one = [&items](int from, Slot slot) { items.push_back({from, {slot}}); };

    one(50, single(p.AndersonDiam));
    one(50, single(p.AndersonHoleLen));
    for (float *v : {&p.AshDiam, &p.AshKb, &p.AshRockSGRef, &p.AshRockSG, &p.AshExplDensRef, &p.AshExplDens,
                     &p.AshVodRef, &p.AshVod})
        one(50, single(*v));
    for (float *v : {&p.JimenoDiam, &p.JimenoCoef, &p.JimenoE1a, &p.JimenoE1b, &p.JimenoE2a, &p.JimenoE2b,
                     &p.JimenoT1a, &p.JimenoT1b, &p.JimenoT2a, &p.JimenoT2b})
        one(54, single(*v));
    for (float *v : {&p.FraenkelDiam, &p.FraenkelHoleLen, &p.FraenkelChargeLen, &p.FraenkelResist})
        one(50, single(*v));
    for (float *v : {&p.KonyaDiam, &p.KonyaExplSG, &p.KonyaRockSG})
        one(50, single(*v));
    items.push_back({55, {single(p.KonyaConst), zero(), zero(), zero(), zero()}});
    items.push_back({55, {single(d.CostExpl), single(d.CostBooster)}});
    items.push_back({55, {single(d.CostCap), single(d.CostDrill), single(d.CostInit)}});
    for (float *v : {&p.LangeforsDiam, &p.LangeforsCompaction, &p.LangeforsStrength, &p.LangeforsRockConst,
                     &p.LangeforsFixation, &p.LangeforsSpacingRatio})
        one(50, single(*v));
    for (float *v : {&p.PearseDiam, &p.PearseCoef, &p.PearsePressure, &p.PearseTensile})
        one(50, single(*v));
    for (float *v : {&d.Burden, &d.StemCoefB, &d.SubdrillCoefB, &d.SpacingCoefB})
        one(50, single(*v));
    one(51, integer(d.CoefBasis));
    for (float *v : {&d.StemCoefD, &d.SubdrillCoefD, &d.SpacingCoefD})
        one(51, single(*v));
    for (float *v : {&d.Diameter, &d.ExplDensity, &d.RockDensity, &d.BenchHeight, &d.TargetTons,
                     &d.MaxHolesPerDelay, &d.ChargePerDelay, &d.Distance, &d.SiteK, &d.SiteN, &d.FreeFaces})
        one(50, single(*v));
    one(50, integer(d.Pattern));
    one(51, integer(d.MaxRows));
    one(51, single(d.BoosterMass));
    one(51, single(d.BoosterDensity));
    for (int16_t *v : {&d.ProductionMode, &d.HolesX, &d.HolesY})
        one(53, integer(*v));
    one(50, single(p.VibFrequency));
    one(50, single(p.VibVelocity));
    for (float *v : {&s.K, &s.N, &s.D, &s.Q})
        one(52, single(*v));
    one(52, integer(s.VibrationMode));
    one(52, integer(s.CalcMode));
    for (float *v : {&s.Distance, &s.Mass, &s.RangeMin, &s.RangeMax, &s.RangeStep})
        one(52, single(*v));
    return items;
}

// Splits a line into its number fields: leading blanks skipped, a field ends at a
// blank, a comma or the end of the line (a comma after the blanks that end a field
// belongs to that field).
class FieldReader {
public:
    explicit FieldReader(const QString &line) : m_line(line) {}

    QString next()
    {
        const qsizetype n = m_line.size();
        while (m_pos < n && isBlank(m_line.at(m_pos)))
            ++m_pos;
        const qsizetype start = m_pos;
        while (m_pos < n && !isBlank(m_line.at(m_pos)) && m_line.at(m_pos) != u',')
            ++m_pos;
        const QString field = m_line.mid(start, m_pos - start);
        while (m_pos < n && isBlank(m_line.at(m_pos)))
            ++m_pos;
        if (m_pos < n && m_line.at(m_pos) == u',')
            ++m_pos;
        return field;
    }

private:
    const QString &m_line;
    qsizetype m_pos = 0;
};

// A number field: its leading number. One too large for a double, or written as
// infinity or NaN, is an overflow, as is one beyond the range of its type.
double readNumber(const QString &field)
{
    double v = 0;
    if (!numtext::TryVal(field, v))
        throw RuntimeError(err::Overflow);
    return v;
}

float readSingle(const QString &field)
{
    const double v = readNumber(field);
    if (std::fabs(v) > FLT_MAX)
        throw RuntimeError(err::Overflow);
    return static_cast<float>(v);
}

int16_t readInteger(const QString &field) { return numtext::CInt(readNumber(field)); }

// The first field of the tag line: leading blanks skipped, up to a comma or the end.
QString firstField(const QString &line)
{
    qsizetype b = 0;
    while (b < line.size() && isBlank(line.at(b)))
        ++b;
    const qsizetype comma = line.indexOf(u',', b);
    return line.mid(b, comma < 0 ? -1 : comma - b);
}

} // namespace

ProjectLineReader::ProjectLineReader(const QString &text)
{
    m_lines = text.split(u'\n');
    // The line end of the last line does not start another line.
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    for (QString &line : m_lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
}

QString ProjectLineReader::nextLine()
{
    if (atEnd())
        throw RuntimeError(err::InputPastEnd);
    return m_lines.at(m_next++);
}

bool CheckFileType(const QString &Tag)
{
    AppState &a = appState();
    for (int i = 5; i >= 0; --i) {
        if (!a.VersionTags[i].isEmpty() && Tag == a.VersionTags[i]) {
            a.FileVersionCode = static_cast<int16_t>(50 + i);
            return true;
        }
    }
    ShowMessage(QStringLiteral("Invalid File Type"), mb::OkOnly);
    return false;
}

QString WrapLine(const QString &Line)
{
    // One pass over the line: each piece is cut at an index, never by copying the rest.
    const qsizetype n = Line.size();
    QString out;
    qsizetype pos = 0;
    while (n - pos > kWrapWidth) {
        qsizetype cut = kWrapWidth;
        if (Line.at(pos + kWrapWidth - 1) != u' ') {
            // The last blank in columns 59 down to 41 ends the piece, the blank kept.
            for (qsizetype col = kWrapWidth - 1; col >= 41; --col) {
                if (Line.at(pos + col - 1) == u' ') {
                    cut = col;
                    break;
                }
            }
        }
        // Never between the two halves of a character that needs two code units.
        if (Line.at(pos + cut - 1).isHighSurrogate() && Line.at(pos + cut).isLowSurrogate())
            --cut;
        out += QStringView(Line).mid(pos, cut);
        out += kCrLf;
        pos += cut;
    }
    out += QStringView(Line).mid(pos);
    return out;
}

void WrapDescription()
{
    QString &desc = project().ProjectDescription;
    desc = WrappedDescription(desc);
}

QString WrappedDescription(const QString &desc)
{
    if (desc.isEmpty())
        return desc;
    QString out;
    out.reserve(desc.size() + desc.size() / 30);
    // Blank lines, and blank pieces of a long line, are dropped: the result wraps to
    // itself, so a description already wrapped comes back unchanged.
    auto add = [&out](QStringView piece) {
        if (isBlankLine(piece))
            return;
        if (!out.isEmpty())
            out += kCrLf;
        out += piece;
    };
    forEachLine(desc, [&](QStringView line) {
        if (trimBlanks(line).size() <= kWrapWidth) {
            add(line);
            return;
        }
        const QString wrapped = WrapLine(line.toString());
        for (QStringView piece : QStringTokenizer(wrapped, kCrLf))
            add(piece);
    });
    return out;
}

QString WrapLongLines(const QString &desc)
{
    QString out;
    out.reserve(desc.size() + desc.size() / 30);
    bool first = true;
    forEachLine(desc, [&](QStringView line) {
        if (!first)
            out += kCrLf;
        first = false;
        out += trimBlanks(line).size() > kWrapWidth ? WrapLine(line.toString()) : line.toString();
    });
    return out;
}

bool HasLongLine(const QString &desc)
{
    bool found = false;
    forEachLine(desc, [&](QStringView line) { found = found || trimBlanks(line).size() > kWrapWidth; });
    return found;
}

void ReadDescription(ProjectLineReader &reader)
{
    QString &desc = project().ProjectDescription;
    QString line = reader.nextLine();
    if (line == kStartDesc)
        line = reader.nextLine();
    while (line != kEndDesc) {
        if (!isBlankLine(line))
            desc += line + kCrLf;
        line = reader.nextLine();
    }
}

namespace {

// The file's text with the description as given, already wrapped.
QString fileText(const ProjectState &p, const QString &wrappedDescription)
{
    QString out;
    out.reserve(wrappedDescription.size() + wrappedDescription.size() / 30 + 4096);
    auto line = [&out](const QString &text) { out += text + kCrLf; };

    line(appState().VersionTags[5].isEmpty() ? QStringLiteral("KORV_ENDO_209") : appState().VersionTags[5]);
    line(numtext::FileForm(static_cast<int>(p.CurrentUnits)));
    // The title is one line of the file: a line break in it would shift every later item.
    QString title = p.ProjectTitle;
    title.replace(kCrLf, QStringLiteral(" "));
    title.replace(u'\r', u' ');
    title.replace(u'\n', u' ');
    line(title);

    line(kStartDesc);
    for (QStringView d : QStringTokenizer(wrappedDescription, kCrLf)) {
        // A description line that reads like a marker gets a trailing blank, so that
        // it comes back as text instead of ending the block.
        out += d;
        if (d == kStartDesc || d == kEndDesc)
            out += u' ';
        out += kCrLf;
    }
    line(kEndDesc);

    // The one table serves reading and writing; writing only reads through it.
    for (const LineItem &item : parameterLines(const_cast<ProjectState &>(p))) {
        QString text;
        for (const Slot &s : item.values) {
            if (s.single)
                text += numtext::FileForm(*s.single);
            else if (s.integer)
                text += numtext::FileForm(static_cast<int>(*s.integer));
            else
                text += numtext::FileForm(0);
        }
        line(text);
    }
    return out;
}

} // namespace

QString ProjectFileText(const ProjectState &p) { return fileText(p, WrappedDescription(p.ProjectDescription)); }

bool SaveProjectFile()
{
    const QString path = project().CurrentFile;
    LogMessage(QStringLiteral("Saving: ") + path);
    // The description in memory becomes what the file holds.
    WrapDescription();
    const QByteArray bytes = fileText(project(), project().ProjectDescription).toUtf8();

    WriteFileSafely(path, bytes);
    flags().ProjectSaved = kTrue;
    return true;
}

QString DecodeProjectBytes(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder greek("windows-1253");
    if (greek.isValid())
        return greek.decode(bytes);
    return QString::fromLatin1(bytes);
}

bool ReadProjectText(const QString &text)
{
    ProjectState &p = project();
    ProjectLineReader reader(text);

    if (!CheckFileType(firstField(reader.nextLine())))
        return false;
    const int code = appState().FileVersionCode;

    {
        const QString line = reader.nextLine();
        FieldReader fields(line);
        const int16_t units = readInteger(fields.next());
        p.CurrentUnits = (units < 0 || units > 2) ? 0 : units;
    }
    p.ProjectTitle = reader.nextLine();
    p.ProjectDescription.clear();
    ReadDescription(reader);

    for (const LineItem &item : parameterLines(p)) {
        if (item.from > code)
            continue;
        const QString line = reader.nextLine();
        FieldReader fields(line);
        for (const Slot &s : item.values) {
            const QString field = fields.next();
            if (s.single)
                *s.single = readSingle(field);
            else if (s.integer)
                *s.integer = readInteger(field);
        }
    }

    ProjectFlags &f = flags();
    f.ProjectSaved = kTrue;
    f.FileEmpty = kFalse;
    f.ParametersLoaded = kTrue;
    return true;
}

bool OpenProjectFile()
{
    ResetProjectDefaults(kFalse, kTrue);
    ProjectState &p = project();
    LogMessage(QStringLiteral("Opening: ") + p.CurrentFile);
    try {
        const bool accepted = ReadProjectText(DecodeProjectBytes(ReadRegularFile(p.CurrentFile)));
        if (!accepted)
            p.CurrentFile = QStringLiteral("Untitled");
        return accepted;
    } catch (...) {
        // The project no longer is the file's: a later Save must ask for a name.
        p.CurrentFile = QStringLiteral("Untitled");
        throw;
    }
}
