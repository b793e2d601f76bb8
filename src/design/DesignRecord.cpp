#include "design/DesignRecord.h"

#include "core/NumText.h"

#include <cmath>

using numtext::Format;
using numtext::General;
using numtext::Val;

namespace {
const QString k2 = QStringLiteral("0.00");
const QString k0 = QStringLiteral("0");

bool toSingle(const QString &text, float &out)
{
    out = static_cast<float>(Val(text));
    return std::isfinite(out);
}

bool toCount(const QString &text, int16_t &out)
{
    const double v = Val(text);
    return v >= -32768.0 && v <= 32767.0 && numtext::TryCInt(v, out);
}

// "0.00" of a value that must be finite to be shown (a single with 7 significant
// digits, a product in double with 15).
template <class T> std::optional<QString> fixed2(T v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return Format(v, k2);
}
} // namespace

DesignTexts DesignRecordTexts(const BlastDesignRec &d)
{
    DesignTexts t;
    DesignInputs &in = t.inputs;
    in.txtFortio = Format(d.Burden, k2);
    in.txtEpigomosi = Format(d.StemCoefB, k2);
    in.txtYpodiatrisi = Format(d.SubdrillCoefB, k2);
    in.txtApostasi = Format(d.SpacingCoefB, k2);
    in.txtEpigD = Format(d.StemCoefD, k0);
    in.txtYpodD = Format(d.SubdrillCoefD, k0);
    in.txtApostasiD = Format(d.SpacingCoefD, k0);
    in.SSTab2 = d.CoefBasis;
    in.txtDiametros = General(d.Diameter);
    in.txtEidvarek = Format(d.ExplDensity, k2);
    in.txtEnisxysi = General(d.BoosterMass);
    in.txtEidvarEE = General(d.BoosterDensity);
    in.txtEidvarPe = Format(d.RockDensity, k2);
    in.txtYpsos = Format(d.BenchHeight, k2);
    in.optProduction = d.ProductionMode;
    in.txtParagogi = General(d.TargetTons);
    in.txtDX = General(int(d.HolesX));
    in.txtDY = General(int(d.HolesY));
    in.optEnausi = d.Pattern;
    in.txtMaxNperDelay = General(d.MaxHolesPerDelay);
    in.cmbNoEpif = General(d.FreeFaces);
    in.txtSeires = General(int(d.MaxRows));
    in.txtCostExpl = General(d.CostExpl);
    in.txtCostBooster = General(d.CostBooster);
    in.txtCostDrill = General(d.CostDrill);
    in.txtCostCap = General(d.CostCap);
    in.txtCostInit = General(d.CostInit);

    VibrationTexts &v = t.vibration;
    v.txtKatanalosiAnaEpivradynsi = General(d.ChargePerDelay);
    v.txtDistance = General(d.Distance);
    v.txtStatherak = General(d.SiteK);
    v.txtStatheran = General(d.SiteN);
    return t;
}

bool ReadDesignRecord(const DesignInputs &in, const VibrationTexts &vib, BlastDesignRec &rec, bool withPrices)
{
    BlastDesignRec r = rec;
    bool ok = toSingle(in.txtFortio, r.Burden) && toSingle(in.txtEpigomosi, r.StemCoefB) &&
              toSingle(in.txtYpodiatrisi, r.SubdrillCoefB) && toSingle(in.txtApostasi, r.SpacingCoefB) &&
              toSingle(in.txtEpigD, r.StemCoefD) && toSingle(in.txtYpodD, r.SubdrillCoefD) &&
              toSingle(in.txtApostasiD, r.SpacingCoefD) && toSingle(in.txtDiametros, r.Diameter) &&
              toSingle(in.txtEidvarek, r.ExplDensity) && toSingle(in.txtEidvarPe, r.RockDensity) &&
              toSingle(in.txtYpsos, r.BenchHeight) && toSingle(in.txtParagogi, r.TargetTons) &&
              toSingle(in.txtMaxNperDelay, r.MaxHolesPerDelay) &&
              toSingle(vib.txtKatanalosiAnaEpivradynsi, r.ChargePerDelay) && toSingle(vib.txtDistance, r.Distance) &&
              toSingle(vib.txtStatherak, r.SiteK) && toSingle(vib.txtStatheran, r.SiteN) &&
              toSingle(in.cmbNoEpif, r.FreeFaces) && toCount(in.txtSeires, r.MaxRows) &&
              toSingle(in.txtEnisxysi, r.BoosterMass) && toSingle(in.txtEidvarEE, r.BoosterDensity) &&
              toCount(in.txtDX, r.HolesX) && toCount(in.txtDY, r.HolesY);
    if (ok && withPrices)
        ok = toSingle(in.txtCostCap, r.CostCap) && toSingle(in.txtCostInit, r.CostInit) &&
             toSingle(in.txtCostDrill, r.CostDrill) && toSingle(in.txtCostExpl, r.CostExpl) &&
             toSingle(in.txtCostBooster, r.CostBooster);
    if (!ok)
        return false;
    r.CoefBasis = int16_t(in.SSTab2);
    r.Pattern = int16_t(in.optEnausi);
    r.ProductionMode = int16_t(in.optProduction);
    rec = r;
    return true;
}

std::optional<BurdenSourceTexts> BurdenFromCalculator(int index, const QString &resultText, const ProjectState &p)
{
    // Calculators that give the burden in feet: the number of the result as a single,
    // in metres.
    auto feetToMetres = [&] { return fixed2(double(static_cast<float>(Val(resultText))) * 0.3048); };
    auto inchesToMm = [](float inches) { return fixed2(double(inches) * 25.4); };

    std::optional<QString> burden, diameter;
    BurdenSourceTexts t;
    switch (index) {
    case 0:
        burden = feetToMetres();
        diameter = inchesToMm(p.AndersonDiam);
        break;
    case 1:
        burden = feetToMetres();
        diameter = inchesToMm(p.AshDiam);
        t.explosiveDensity = General(p.AshExplDens);
        t.rockDensity = General(p.AshRockSG);
        break;
    case 2:
        burden = resultText;
        diameter = General(p.FraenkelDiam);
        break;
    case 3:
        burden = feetToMetres();
        diameter = inchesToMm(p.KonyaDiam);
        t.explosiveDensity = General(p.KonyaExplSG);
        t.rockDensity = General(p.KonyaRockSG);
        break;
    case 4:
        burden = resultText;
        diameter = fixed2(p.LangeforsDiam);
        t.explosiveDensity = General(p.LangeforsCompaction);
        break;
    case 5:
        burden = resultText;
        diameter = fixed2(p.PearseDiam);
        break;
    case 6:
        burden = resultText;
        diameter = inchesToMm(p.JimenoDiam);
        break;
    default:
        return std::nullopt;
    }
    if (!burden || !diameter)
        return std::nullopt;
    t.burden = *burden;
    t.diameter = *diameter;
    return t;
}
