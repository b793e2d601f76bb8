#include "core/Project.h"

#include "core/Messages.h"
#include "core/ProgramState.h"

void ResetProjectDefaults(uint8_t ResetNameFlag, uint8_t ResetUnits)
{
    ProjectState &p = project();
    if (ResetUnits != 0)
        p.CurrentUnits = 2;
    if (ResetNameFlag != 0)
        p.CurrentFile = QStringLiteral("Untitled");

    p.AndersonDiam = 4;
    p.AndersonHoleLen = 30;

    p.AshDiam = 4;
    p.AshKb = 30;
    p.AshRockSGRef = 2.57f;
    p.AshRockSG = 2.7f;
    p.AshExplDensRef = 1.3f;
    p.AshExplDens = 1.2f;
    p.AshVodRef = 3700;
    p.AshVod = 3100;

    p.JimenoDiam = 4;
    p.JimenoCoef = 1.0f;
    p.JimenoE1a = 2.7f;
    p.JimenoE1b = 2.7f;
    p.JimenoE2a = 1.3f;
    p.JimenoE2b = 1.3f;
    p.JimenoT1a = 3500;
    p.JimenoT1b = 3500;
    p.JimenoT2a = 3660;
    p.JimenoT2b = 3660;

    p.FraenkelDiam = 100;
    p.FraenkelHoleLen = 10;
    p.FraenkelChargeLen = 7;
    p.FraenkelResist = 2;

    p.KonyaDiam = 4;
    p.KonyaExplSG = 0.9f;
    p.KonyaRockSG = 2.7f;
    p.KonyaConst = 3.59f;

    p.LangeforsDiam = 100;
    p.LangeforsCompaction = 1.2f;
    p.LangeforsStrength = 1.3f;
    p.LangeforsRockConst = 0.45f;
    p.LangeforsFixation = 1.0f;
    p.LangeforsSpacingRatio = 1.25f;

    p.PearseDiam = 100;
    p.PearseCoef = 1.0f;
    p.PearsePressure = 8000;
    p.PearseTensile = 12;

    // The design record; the production mode and the grid are kept.
    BlastDesignRec &d = p.BlastDesign;
    d.Burden = 3.0f;
    d.StemCoefB = 1.0f;
    d.SubdrillCoefB = 0.3f;
    d.SpacingCoefB = 1.5f;
    d.StemCoefD = 20;
    d.SubdrillCoefD = 10;
    d.SpacingCoefD = 40;
    d.CoefBasis = 0;
    d.Diameter = 80;
    d.ExplDensity = 0.9f;
    d.RockDensity = 2.6f;
    d.BenchHeight = 12;
    d.TargetTons = 4000;
    d.MaxHolesPerDelay = 2;
    d.ChargePerDelay = 400;
    d.Distance = 600;
    d.SiteK = 1142.7f;
    d.SiteN = 1.6f;
    d.FreeFaces = 1;
    d.Pattern = 0;
    d.MaxRows = 2;
    d.BoosterMass = 1.0f;
    d.BoosterDensity = 1.2f;
    d.CostCap = 1.0f;
    d.CostInit = 0;
    d.CostDrill = 5.0f;
    d.CostExpl = 1.0f;
    d.CostBooster = 1.5f;

    // Scaled distance; the calculation mode and the distance are kept.
    ScaleDistRec &s = p.ScaleDist;
    s.K = 1600;
    s.N = 1.6f;
    s.D = 50;
    s.Q = 1.5f;
    s.VibrationMode = 0;
    s.Mass = 1.0f;
    s.RangeMin = 10;
    s.RangeMax = 100;
    s.RangeStep = 10;

    p.VibVelocity = 50;
    p.VibFrequency = 60;

    flags().ProjectSaved = kTrue;
    flags().FileEmpty = kTrue;
    flags().ParametersLoaded = kFalse;
    p.FileMode = 1;
    p.ProjectTitle.clear();
    p.ProjectDescription.clear();
    LogMessage(QStringLiteral("File initialized. Use Edit-Project Parameters to enter data"));
}
