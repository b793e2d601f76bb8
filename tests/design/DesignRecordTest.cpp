// The burden each calculator hands to the design window.

#include "DesignFixtures.h"

// The burden each calculator hands over, converted to metres and millimetres, with the
// densities of the calculators that have them; what is no burden hands nothing over
// (tests/data/design/burden-sources.tsv).
TEST(DesignWindowRecord, BurdenSources)
{
    ResetProjectDefaults(255, 255);
    ProjectState p = project();
    p.AshDiam = 3;
    p.KonyaDiam = 5;
    p.JimenoDiam = 2.5f;
    p.FraenkelDiam = 101.5f;
    p.LangeforsDiam = 90;
    p.PearseDiam = 110.125f;
    for (const QStringList &r : testTable(QStringLiteral("design/burden-sources.tsv"))) {
        const auto t = BurdenFromCalculator(r[0].toInt(), r[1], p);
        QStringList shown = {QStringLiteral("none")};
        if (t)
            shown = {t->burden, t->diameter, t->explosiveDensity.value_or("-"), t->rockDensity.value_or("-")};
        EXPECT_EQ(shown, rowTail(r, 2)) << r[0].toStdString() << " " << r[1].toStdString();
    }
}
