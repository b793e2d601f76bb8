// The design window driven through its controls: the options, what OK, Cancel and the
// close box store, the live vibration estimate, the calculators' burden
// and the captions of both languages.

#include "DesignFixtures.h"

#include <QDialog>
#include <QGroupBox>
#include <QTimer>

namespace {

const QString kNumeric = "Κάποια τιμή δεν έχει αριθμητική μορφή!";
const QString kNumericEnglish = "One of the input values is not numeric!";
const QString kModified = "Blast Design Parameters Modified";
constexpr int kCriticalOk = 16;

using DesignWindow = DesignWindowFixture;

} // namespace

// The choices every opening starts with (none of them is stored); the initiation
// pattern and the production mode enable the boxes they read.
TEST_F(DesignWindow, OptionsEnableTheBoxesTheyUse)
{
    using Names = std::vector<const char *>;
    const Names spacing = {"txtApostasi", "txtApostasiD"}, grid = {"txtDX", "txtDY"};
    const struct {
        const char *option;
        Names enabled, disabled, checked = {}, unchecked = {};
    } rows[] = {
        {nullptr,
         {"txtApostasi", "txtApostasiD", "txtParagogi", "txtFortio"},
         {"txtDX", "txtDY", "Text1", "Text2", "Text3"},
         {"chkRound", "chkRound2", "chkMaxNDelay", "optFortio_7"}, {"chkSort"}},
        {"optEnausi_2", {}, spacing}, // diagonal: the layout search sets the spacing
        {"optEnausi_0", spacing, {}},
        {"optEnausi_3", {}, spacing}, // V pattern, likewise
        {"optEnausi_1", spacing, {}},
        {"optProduction_1", grid, {"txtParagogi"}},
        {"optProduction_0", {"txtParagogi"}, grid},
    };
    open();
    for (const auto &r : rows) {
        SCOPED_TRACE(r.option ? r.option : "on opening");
        if (r.option)
            Click(w.get(), r.option);
        for (const char *box : r.enabled)
            EXPECT_TRUE(edit(box)->isEnabled()) << box;
        for (const char *box : r.disabled)
            EXPECT_FALSE(edit(box)->isEnabled()) << box;
        for (const char *option : r.checked)
            EXPECT_TRUE(find<QAbstractButton>(option)->isChecked()) << option;
        for (const char *option : r.unchecked)
            EXPECT_FALSE(find<QAbstractButton>(option)->isChecked()) << option;
    }
}

// OK stores every box and option: the window opened again shows each stored value
// (counts to the even neighbour), and the project is marked changed.
TEST_F(DesignWindow, OkStoresEveryInput)
{
    const struct {
        const char *control, *typed, *shown;
    } rows[] = {
        {"txtFortio", "4.25", "4.25"},     {"txtEpigomosi", "0.8", "0.80"},     {"txtYpodiatrisi", "0.25", "0.25"},
        {"txtApostasi", "1.2", "1.20"},    {"txtEpigD", "25", "25"},            {"txtYpodD", "8", "8"},
        {"txtApostasiD", "35", "35"},      {"txtDiametros", "102", "102"},      {"txtEidvarek", "1.15", "1.15"},
        {"txtEidvarPe", "2.7", "2.70"},    {"txtYpsos", "10.5", "10.50"},       {"txtParagogi", "5000", "5000"},
        {"txtDX", "6.5", "6"},             {"txtDY", "3", "3"},                 {"txtMaxNperDelay", "3", "3"},
        {"txtDistance", "10", "10"},       {"txtStatherak", "1000", "1000"},    {"txtStatheran", "1", "1"},
        {"cmbNoEpif", "2", "2"},           {"txtSeires", "4", "4"},             {"txtEnisxysi", "0.5", "0.5"},
        {"txtEidvarEE", "1.3", "1.3"},     {"txtCostCap", "2", "2"},            {"txtCostInit", "0.5", "0.5"},
        {"txtCostDrill", "6", "6"},        {"txtCostExpl", "1.1", "1.1"},       {"txtCostBooster", "2.2", "2.2"},
        {"txtKatanalosiAnaEpivradynsi", "100", "100"},
    };
    open();
    Click(w.get(), "optProduction_1");
    Click(w.get(), "optEnausi_2");
    tabs("SSTab2")->setCurrentIndex(1);
    for (const auto &r : rows)
        type(r.control, r.typed);
    EXPECT_EQ(text("txtTaxytita"), "1000.00");
    Click(w.get(), "cmdOK");
    EXPECT_EQ(MessageTexts(), QStringList());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(project().VibVelocity, 1000.0f);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    EXPECT_EQ(flags().FileEmpty, kFalse);
    EXPECT_EQ(flags().ParametersLoaded, kTrue);
    EXPECT_TRUE(LogSince(0).contains(kModified));

    open();
    for (const auto &r : rows)
        EXPECT_EQ(text(r.control), r.shown) << r.control;
    EXPECT_EQ(tabs("SSTab2")->currentIndex(), 1);
    EXPECT_TRUE(find<QAbstractButton>("optProduction_1")->isChecked());
    EXPECT_TRUE(find<QAbstractButton>("optEnausi_2")->isChecked());
}

// The project's velocity is the estimate on view when OK is accepted; Cancel and the
// close box store nothing.
TEST_F(DesignWindow, WhatClosingStores)
{
    const struct {
        const char *what;
        float storedCharge; // the charge per delay the project holds before opening
        std::vector<std::pair<const char *, const char *>> typed;
        const char *button; // nullptr: the close box
        bool stored;
        float velocity;
    } rows[] = {
        {"OK: to two decimals", 400, {{"txtDistance", "350"}}, "cmdOK", true, 11.72f},
        {"Cancel", 400, {{"txtFortio", "4"}, {"txtDistance", "300"}}, "cmdCancel", false, 50},
        {"close box", 400, {{"txtFortio", "4"}, {"txtDistance", "300"}}, nullptr, false, 50},
        {"OK without an estimate: the project keeps its velocity", 0, {}, "cmdOK", true, 50},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        ResetProjectDefaults(255, 255);
        historyLog().setText(QString());
        project().BlastDesign.ChargePerDelay = r.storedCharge;
        open();
        for (const auto &[control, text] : r.typed)
            type(control, text);
        if (r.button)
            Click(w.get(), r.button);
        else
            w->close();
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(project().VibVelocity, r.velocity);
        EXPECT_EQ(project().BlastDesign.Burden, 3.0f);
        EXPECT_EQ(project().BlastDesign.Distance, r.stored ? project().BlastDesign.Distance : 600.0f);
        EXPECT_EQ(flags().ProjectSaved, r.stored ? kFalse : kTrue);
        EXPECT_EQ(LogSince(0).contains(kModified), r.stored);
    }
}

// Every vibration box reaches the estimate and the imperial echoes as it is typed; a
// refused charge says so at once, and a distance beyond a single leaves the last estimate.
TEST_F(DesignWindow, VibrationEstimateFollowsTheBoxes)
{
    open();
    EXPECT_EQ(text("txtTaxytita"), "4.95");
    EXPECT_EQ(text("Label18"), "0.19 in/sec");
    type("txtKatanalosiAnaEpivradynsi", "0");
    EXPECT_EQ(MessageTexts(), QStringList{"Το Βάρος Εκρηκτικών ανά Επιβράδυνση πρεπει να είναι θετικό"});
    EXPECT_EQ(fakeMessageBox().boxes.last().buttons, kCriticalOk);
    EXPECT_EQ(w->focusWidget(), edit("txtKatanalosiAnaEpivradynsi"));
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 0); // no tab is brought forward
    EXPECT_EQ(text("txtTaxytita"), "4.95");
    type("txtKatanalosiAnaEpivradynsi", "400");
    type("txtDistance", "1e39");
    EXPECT_EQ(MessageTexts().size(), 1);
    EXPECT_EQ(text("txtTaxytita"), "4.95");

    type("txtDistance", "10");
    type("txtKatanalosiAnaEpivradynsi", "100");
    type("txtStatherak", "1000");
    type("txtStatheran", "1");
    EXPECT_EQ(text("txtTaxytita"), "1000.00");
    EXPECT_EQ(text("Label18"), "39.37 in/sec");
    EXPECT_EQ(text("Label29"), "220.46 lbs");
    EXPECT_EQ(text("Label31"), "32.81 ft");
}

// Each calculator button warns (when the setting asks for it) that the burden is not
// taken over, opens its calculator modally and afterwards takes the calculator's burden
// into a locked burden box, with its diameter (read-only) and densities where it has
// them, in red; the user's own value (7) unlocks the boxes again and writes nothing.
TEST_F(DesignWindow, CalculatorButtonsHandTheirBurdenOver)
{
    const QString warning = "Attention: Burden parameters are not automatically transfered from the Blast Design Form";
    const struct {
        const char *calculator, *burden, *diameter, *explosive, *rock;
        bool explosiveRed, rockRed;
    } rows[] = {
        {"frmAnderson", "3.34", "101.60", "0.90", "2.60", false, false}, // 10.95 ft; 4 in
        {"frmAsh", "2.59", "101.60", "1.2", "2.7", true, true},
        {"frmFraenkel", "5.70", "100", "1.2", "2.7", false, false},
        {"frmKonya", "3.04", "101.60", "0.9", "2.7", true, true},
        {"frmLangefors", "5.05", "100.00", "1.2", "2.7", true, false},
        {"frmPearse", "2.58", "100.00", "1.2", "2.7", false, false},
        {"frmJimeno", "3.04", "101.60", "1.2", "2.7", false, false},
        {nullptr, "3.04", "101.60", "1.2", "2.7", false, false},
    };
    settings().ShowBurdenCalcWarning = 1;
    open();
    auto red = [this](const char *box) { return edit(box)->palette().color(QPalette::Text) == QColor(Qt::red); };
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const auto &r = rows[i];
        SCOPED_TRACE(i);
        fakeMessageBox().boxes.clear();
        QString seen;
        QTimer::singleShot(0, [&seen] {
            if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                seen = dlg->objectName();
                Click(dlg, "btnOk");
            }
        });
        const QByteArray option = QByteArray("optFortio_") + QByteArray::number(i);
        if (r.calculator) {
            Click(w.get(), QByteArray("btnShow_" + QByteArray::number(i)).constData());
            EXPECT_EQ(seen, r.calculator);
            EXPECT_EQ(MessageTexts(), QStringList{warning});
        } else {
            Click(w.get(), option.constData());
        }
        EXPECT_TRUE(find<QAbstractButton>(option.constData())->isChecked());
        EXPECT_EQ(text("txtFortio"), r.burden);
        EXPECT_EQ(edit("txtFortio")->isEnabled(), !r.calculator);
        EXPECT_EQ(text("txtDiametros"), r.diameter);
        EXPECT_EQ(edit("txtDiametros")->isReadOnly(), r.calculator != nullptr);
        EXPECT_EQ(red("txtDiametros"), r.calculator != nullptr);
        EXPECT_EQ(text("txtEidvarek"), r.explosive);
        EXPECT_EQ(text("txtEidvarPe"), r.rock);
        EXPECT_EQ(red("txtEidvarek"), r.explosiveRed);
        EXPECT_EQ(red("txtEidvarPe"), r.rockRed);
    }
    // Without the warning the calculator opens at once; Help shows its hint.
    settings().ShowBurdenCalcWarning = 0;
    fakeMessageBox().boxes.clear();
    QTimer::singleShot(0, [] { qobject_cast<QDialog *>(QApplication::activeModalWidget())->reject(); });
    Click(w.get(), "btnShow_0");
    EXPECT_TRUE(find<QAbstractButton>("optFortio_0")->isChecked());
    Click(w.get(), "cmdHelp");
    EXPECT_EQ(MessageTexts(),
              QStringList{"Position the cursor on any item on the form and press F1 for context-sensitive Help"});
}

// Every caption of tests/data/design/captions.tsv is on its control in the chosen
// language, and the numeric test of the vibration page speaks that language too (as
// the one on OK does).
TEST_F(DesignWindow, CaptionsAndMessagesFollowTheLanguage)
{
    const QStringList lines = testDataText(QStringLiteral("design/captions.tsv")).split(u'\n', Qt::SkipEmptyParts);
    for (int english : {1, 0}) {
        settings().EnglishMenus = static_cast<int16_t>(english);
        fakeMessageBox().boxes.clear();
        frmBlastDesign &d = open();
        for (const QString &line : lines) {
            const QStringList c = line.split(u'\t');
            if (line.startsWith(u'#') || c.size() != 4)
                continue;
            QString shown;
            QObject *o = c[0].isEmpty() ? &d : d.findChild<QObject *>(c[0]);
            ASSERT_NE(o, nullptr) << qPrintable(c[0]);
            if (c[0].isEmpty())
                shown = d.windowTitle();
            else if (auto *t = qobject_cast<QTabWidget *>(o))
                shown = t->tabText(c[1].toInt());
            else if (auto *b = qobject_cast<QAbstractButton *>(o))
                shown = b->text();
            else if (auto *g = qobject_cast<QGroupBox *>(o))
                shown = g->title();
            else if (auto *l = qobject_cast<QLabel *>(o))
                shown = l->text();
            EXPECT_EQ(shown, english ? c[2] : c[3]) << qPrintable(c[0]) << " " << english;
        }
        type("txtDistance", "abc");
        EXPECT_EQ(MessageTexts(), QStringList{english ? kNumericEnglish : kNumeric});
    }
}
