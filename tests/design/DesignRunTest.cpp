// The design run: reading the inputs, the derived lengths, selecting alternatives
// and the designs that are reported as impossible.

#include "DesignFixtures.h"
#include "TestSupport.h"

#include "core/ProgramState.h"
#include "design/DesignRun.h"

#include <gtest/gtest.h>

TEST(DesignRun, DerivedLengthsFromEitherCoefficientBasis)
{
    struct Case {
        const char *what;
        int tab;
        int round;
        const char *burden;
        float Burden, Stemming, Subdrilling, Spacing;
    } cases[] = {
        // Burden basis: 1.0, 0.3 and 1.5 times the burden.
        {"rounded burden", 0, 1, "3.456", 3.46f, 3.46f, 1.04f, 5.19f},
        {"unrounded burden", 0, 0, "3.456", 3.456f, 3.456f, float(3.456f * 0.3), float(3.456f * 1.5)},
        // Diameter basis: 80 mm times 20, 10 and 40, in metres.
        {"diameter tab", 1, 1, "3", 3.0f, 1.6f, 0.8f, 3.2f},
        {"absolute tab is read like the diameter tab", 2, 1, "3", 3.0f, 1.6f, 0.8f, 3.2f},
    };
    for (const Case &c : cases) {
        DesignInputs in = DefaultDesignInputs();
        in.SSTab2 = c.tab;
        in.chkRound = c.round;
        in.txtFortio = QString::fromLatin1(c.burden);
        DesignSession session;
        session.RunDesign(in);
        const DesignRunState &s = session.runState();
        EXPECT_EQ(s.Burden, c.Burden) << c.what;
        EXPECT_EQ(s.Stemming, c.Stemming) << c.what;
        EXPECT_EQ(s.Subdrilling, c.Subdrilling) << c.what;
        EXPECT_EQ(s.Spacing, c.Spacing) << c.what;
    }
}

TEST(DesignRun, CountsAndDensitiesAsRead)
{
    struct Case {
        const char *faces;
        const char *rows;
        int16_t FreeFaces, MaxRows;
    } cases[] = {{"2", "2", 2, 2}, {"2.5", "2.5", 2, 2}, {"1.5", "3.5", 2, 4}, {" 1abc", "1", 1, 1}};
    for (const Case &c : cases) {
        DesignInputs in = DefaultDesignInputs();
        in.cmbNoEpif = QString::fromLatin1(c.faces);
        in.txtSeires = QString::fromLatin1(c.rows);
        DesignSession session;
        session.RunDesign(in);
        EXPECT_EQ(session.runState().FreeFaces, c.FreeFaces) << c.faces;
        EXPECT_EQ(session.runState().MaxRows, c.MaxRows) << c.rows;
    }
    DesignSession session;
    session.RunDesign(DefaultDesignInputs());
    const DesignRunState &s = session.runState();
    EXPECT_EQ(s.TargetTons, 4000.0f);
    EXPECT_EQ(s.TargetVolume, float(4000.0 / double(2.6f)));
    EXPECT_EQ(s.RockDensity, 2.6f);
    EXPECT_EQ(s.ExplosiveDensity, 0.9f);
    EXPECT_EQ(s.BoosterDensity, 1.2f);
    EXPECT_EQ(s.BoosterMass, 1.0f);
    EXPECT_EQ(s.ProductionMode, 0);
    EXPECT_EQ(s.InitiationPattern, 0);
}

TEST(DesignRun, SelectingAnAlternativeOutsideTheListChangesNothing)
{
    settings().EnglishMenus = 1;
    DesignInputs in = DefaultDesignInputs();
    DesignSession session;
    ASSERT_TRUE(session.RunDesign(in).ok());
    const QString page2 = reportPages().OutBuf[2];
    for (int index : {0, -1, 21, 32767}) {
        const DesignOutcome o = session.SelectAlternative(index, in);
        EXPECT_EQ(o.status, DesignStatus::InvalidAlternative) << index;
        EXPECT_FALSE(o.hasDelayCharge);
        EXPECT_EQ(session.SelectedAlternative(), 9);
        EXPECT_EQ(session.runState().TotalHoles, 9);
        EXPECT_EQ(reportPages().OutBuf[2], page2);
    }
    DesignSession empty;
    EXPECT_EQ(empty.SelectAlternative(1, in).status, DesignStatus::InvalidAlternative);
}

TEST(DesignRun, PagingRecomputesTheReportForEachAlternative)
{
    settings().EnglishMenus = 1;
    DesignInputs in = DefaultDesignInputs();
    DesignSession session;
    ASSERT_TRUE(session.RunDesign(in).ok());
    const QString best = reportPages().OutBuf[2];

    const DesignOutcome o = session.SelectAlternative(15, in);
    ASSERT_TRUE(o.ok());
    const QStringList lines = reportPages().OutBuf[2].split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[7].toStdString(), "Number of Blastholes.........................10 (Χ = 5,  Y= 2)");
    EXPECT_EQ(lines[12].toStdString(), "Production Difference (a)....................-212.00 ton");
    EXPECT_EQ(lines[13].toStdString(), "Production Difference (b)....................-81.54 m^3");
    EXPECT_EQ(lines[14].toStdString(), "Extracted Area (Width x Depth)...............22.50 m X 6.00 m");
    EXPECT_EQ(session.grid().TextMatrix(7, 3).toStdString(), "(Χ = 5,  Y= 2)");
    // 5 holes per delay x 45.04 kg.
    EXPECT_EQ(o.delayChargeText.toStdString(), "225.18");

    // Prices are read again at each selection; an empty box costs nothing.
    in.txtCostDrill = QString();
    ASSERT_TRUE(session.SelectAlternative(9, in).ok());
    EXPECT_TRUE(reportPages().OutBuf[2].contains(
        QStringLiteral("Drilling Cost................................0.00 E\r\n")));
    in.txtCostDrill = QStringLiteral("5");
    ASSERT_TRUE(session.SelectAlternative(9, in).ok());
    EXPECT_EQ(reportPages().OutBuf[2], best);
}

TEST(DesignRun, OneRowLayoutsOfADiagonalSearchReportTheirOwnSpacing)
{
    settings().EnglishMenus = 1;
    DesignInputs in = DefaultDesignInputs();
    in.optEnausi = 2;
    DesignSession session;
    ASSERT_TRUE(session.RunDesign(in).ok());
    ASSERT_TRUE(session.SelectAlternative(10, in).ok()); // 1 row x 10 holes
    EXPECT_EQ(session.grid().TextMatrix(2, 2).toStdString(), "4.50 m");
    EXPECT_EQ(session.runState().RowDistance, 0.0f);
    ASSERT_TRUE(session.SelectAlternative(15, in).ok()); // 2 rows x 5 holes
    EXPECT_EQ(session.grid().TextMatrix(2, 2).toStdString(), "4.24 m");
    EXPECT_EQ(session.runState().RowDistance, 4.24f);
}

// Designs whose column cannot hold explosive are impossible, never negative.
TEST(DesignRun, ImpossibleDesignsAreReportedAsSuch)
{
    struct Case {
        const char *what;
        void (*change)(DesignInputs &);
        const char *english;
    } cases[] = {
        {"stemming longer than the hole",
         [](DesignInputs &i) {
             i.txtYpsos = QStringLiteral("2");
             i.txtEpigomosi = QStringLiteral("2.0");
         },
         "Impossible design: the explosive column (sub-drilling + bench height - stemming) is zero or "
         "negative."},
        {"stemming as long as the hole",
         [](DesignInputs &i) {
             i.txtYpodiatrisi = QStringLiteral("1");
             i.txtYpsos = QStringLiteral("3");
             i.txtEpigomosi = QStringLiteral("2");
         },
         "Impossible design: the explosive column (sub-drilling + bench height - stemming) is zero or "
         "negative."},
        {"booster larger than the column", [](DesignInputs &i) { i.txtEnisxysi = QStringLiteral("100"); },
         "Impossible design: the booster takes more room than the explosive column, which would give a "
         "negative explosive mass."},
    };
    for (const Case &c : cases) {
        settings().EnglishMenus = 1;
        DesignInputs in = DefaultDesignInputs();
        c.change(in);
        DesignSession session;
        const DesignOutcome o = session.RunDesign(in);
        EXPECT_EQ(o.status, DesignStatus::ImpossibleDesign) << c.what;
        EXPECT_TRUE(o.showMessage) << c.what;
        EXPECT_EQ(o.messageEnglish.toStdString(), c.english) << c.what;
        EXPECT_TRUE(o.messageGreek.startsWith(QStringLiteral("Αδύνατος σχεδιασμός:"))) << c.what;
        EXPECT_FALSE(o.hasDelayCharge) << c.what;
        EXPECT_GT(session.SelectedAlternative(), 0) << c.what;
        const DesignRunState &s = session.runState();
        EXPECT_EQ(s.ExplosiveMass, 0.0f) << c.what;
        EXPECT_EQ(s.CostTotal, 0.0f) << c.what;
        EXPECT_EQ(s.CostPerVolume, 0.0f) << c.what;
        ExpectPage(reportPages().OutBuf[2], PageText({u"[Selected Solution]"}) + o.messageEnglish + QStringLiteral("\r\n"));
        EXPECT_FALSE(reportPages().OutBuf[1].isEmpty()) << c.what;
    }
}
