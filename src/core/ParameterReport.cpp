#include "core/ParameterReport.h"

#include "core/Messages.h"
#include "core/NumText.h"
#include "core/ProgramState.h"
#include "core/ProjectFile.h"

#include <vector>

namespace {

struct Row {
    const char16_t *english;
    const char16_t *greek;
    float value;
};

struct Block {
    const char16_t *english;
    const char16_t *greek;
    std::vector<Row> rows;
};

} // namespace

void LoadOutBuf0(int mode)
{
    Q_UNUSED(mode);
    const ProjectState &p = project();
    const bool english = IsEnglish();
    QString &page = reportPages().OutBuf[0];
    page.clear();
    auto line = [&page](const QString &text) { page += text + kCrLf; };

    if (settings().PrintModuleHeader == 1) {
        // The major number keeps its sign position: two blanks after the colon.
        line(QStringLiteral("Korvendo module build: ") + numtext::FileForm(VersionMajor()).chopped(1) + u'.'
             + QString::number(VersionMinor()) + u'.' + QString::number(VersionRevision()));
        line(QStringLiteral("Project File: ") + p.CurrentFile);
        line(QStringLiteral("Input Units: Mixed"));
    }
    line(QStringLiteral("[PROJECT TITLE]"));
    line(p.ProjectTitle);
    line(QString());
    line(QStringLiteral("[PROJECT DESCRIPTION]"));
    WrapDescription();
    line(p.ProjectDescription);

    const Block blocks[] = {
        {u"[Parameters for equation by Konya]", u"[Παράμετροι για την εξίσωση Konya]",
         {{u"Blasthole diameter", u"Διάμετρος διατρήματος", p.KonyaDiam},
          {u"Explosive density", u"Πυκνότητα εκρηκτικού", p.KonyaExplSG},
          {u"Rock density", u"Πυκνότητα πετρώματος", p.KonyaRockSG}}},
        {u"[Parameters for equation by Anderson]", u"[Παράμετροι για την εξίσωση Anderson]",
         {{u"Blasthole diameter", u"Διάμετρος διατρήματος", p.AndersonDiam},
          {u"Blasthole length", u"Μήκος διατρήματος", p.AndersonHoleLen}}},
        {u"[Parameters for equation by Fraenkel]", u"[Παράμετροι για την εξίσωση Fraenkel]",
         {{u"Blasthole diameter", u"Διάμετρος διατρήματος", p.FraenkelDiam},
          {u"Blasthole length", u"Μήκος διατρήματος", p.FraenkelHoleLen},
          {u"Height of explosive column", u"Υψος εκρηκτικής στήλης", p.FraenkelChargeLen},
          {u"Resistance to blast", u"Αντίσταση στην έκρηξη", p.FraenkelResist}}},
        {u"[Parameters for equation by Pearse]", u"[Παράμετροι για την εξίσωση Pearse]",
         {{u"Blasthole diameter", u"Διάμετρος διατρήματος", p.PearseDiam},
          {u"Blast coefficient", u"Συντελεστής ανατίναξης", p.PearseCoef},
          {u"Blast pressure", u"Πίεση έκρηξης", p.PearsePressure},
          {u"Tensile strength of rock", u"Αντοχή πετρώματος σε εφελκυσμό", p.PearseTensile}}},
        {u"[Parameters for equation by Langefors]", u"[Παράμετροι για την εξίσωση Langefors]",
         {{u"Blasthole diameter", u"Διάμετρος διατρήματος", p.LangeforsDiam},
          {u"Explosive confinement", u"Βαθμός περιορισμού εκρηκτικού", p.LangeforsCompaction},
          {u"Explosive power", u"Ισχύς εκρηκτικού", p.LangeforsStrength},
          {u"Rock constant", u"Σταθερά πετρώματος", p.LangeforsRockConst},
          {u"Coefficient for blasthole inclination", u"Συντελεστής κλίσης διατρήματος", p.LangeforsFixation},
          {u"Spacing to burden ratio", u"Λόγος απόστασης προς φορτίο", p.LangeforsSpacingRatio}}},
        {u"[Parameters for equation by Ash]", u"[Παράμετροι για την εξίσωση Ash]",
         {{u"Blasthole diameter", u"Διάμετρος διατρήματος", p.AshDiam},
          {u"Coefficient", u"Συντελεστής", p.AshKb},
          {u"Rock density - reference", u"Πυκνότητα πετρώματος - αναφοράς", p.AshRockSGRef},
          {u"Rock density - actual", u"Πυκνότητα πετρώματος", p.AshRockSG},
          {u"Explosive density - reference", u"Πυκνότητα εκρηκτικού - αναφοράς", p.AshExplDensRef},
          {u"Explosive density - actual", u"Πυκνότητα εκρηκτικού", p.AshExplDens},
          {u"Detonation velocity - reference explosive", u"Ταχύτητα διάδοσης παλμών - αναφοράς", p.AshVodRef},
          {u"Detonation velocity - actual", u"Ταχύτητα διάδοσης παλμών", p.AshVod}}},
        {u"[Parameters for equation by Jimeno]", u"[Παράμετροι για την εξίσωση Jimeno]",
         {{u"Blasthole diameter", u"Διάμετρος διατρήματος", p.JimenoDiam},
          {u"Coefficient", u"Συντελεστής", p.JimenoCoef},
          {u"Rock density - reference", u"Πυκνότητα πετρώματος - αναφοράς", p.JimenoE1a},
          {u"Rock density - actual", u"Πυκνότητα πετρώματος", p.JimenoE1b},
          {u"P-wave velocity for reference rock", u"Ταχύτητα σεισμικών κυμάτων πετρώματος αναφ.", p.JimenoT1a},
          {u"P-wave velocity for actual rock", u"Ταχύτητα σεισμικών κυμάτων πετρώματος", p.JimenoT1b},
          {u"Explosive density - reference", u"Πυκνότητα εκρηκτικού - αναφοράς", p.JimenoE2a},
          {u"Explosive density - actual", u"Πυκνότητα εκρηκτικού", p.JimenoE2b},
          {u"Detonation velocity - reference explosive", u"Ταχύτητα διάδοσης παλμών - αναφοράς", p.JimenoT2a},
          {u"Detonation velocity - actual explosive", u"Ταχύτητα διάδοσης παλμών", p.JimenoT2b}}},
    };

    for (const Block &b : blocks) {
        line(QString());
        line(QString::fromUtf16(english ? b.english : b.greek));
        for (const Row &r : b.rows)
            line(numtext::PadDots(QString::fromUtf16(english ? r.english : r.greek), 45) + numtext::General(r.value));
    }
}
