// The design window driven through its controls: how a failed check is shown, what OK,
// Cancel and the close box store, and the live vibration estimate.

#include "DesignFixtures.h"
#include "design/DesignCaptions.h"

#include <QAbstractButton>
#include <QDialog>
#include <QGroupBox>
#include <QTimer>

#include <tuple>


namespace {

const QString kNumeric = "Κάποια τιμή δεν έχει αριθμητική μορφή!";
const QString kNumericEnglish = "One of the input values is not numeric!";
const QString kModified = "Blast Design Parameters Modified";
constexpr int kCriticalOk = 16;

using DesignWindow = DesignWindowFixture;

} // namespace

// A failed check shows its message (critical, OK only), brings its tabs forward and
// selects its field; the window stays open and nothing is stored.
TEST_F(DesignWindow, FailedCheckShowsItsMessageTabAndField)
{
    const struct {
        const char *control, *text;
        QString message;
        int tab1, tab2, tab3; // SSTab1, SSTab2 and SSTab3 afterwards; they start at 0, 2 and 3
        const char *focus; // nullptr: a disabled field takes no focus
    } rows[] = {
        {"txtFortio", "12", "Το Φορτίο κυμαίνεται μεταξύ 0,1m και 10m!", 0, 2, 3, "txtFortio"},
        {"txtEpigD", "abc", "Ο Συντελεστής Επιγόμωσης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", 0, 1, 3,
         "txtEpigD"},
        {"txtDiametros", "15", "Η Διάμετρος Διατρήματος κυμαίνεται μεταξύ 15mm και 500mm!", 0, 2, 0, "txtDiametros"},
        // A 16-bit count of the production mode not chosen.
        {"txtDX", "40000", "Τα διατρήματα ανά σειρά πρέπει να είναι Θετικά!", 0, 2, 1, nullptr},
        {"cmbNoEpif", "3", "Ο Αριθμός Ελευθέρων Επιφανειών πρέπει να είναι 1<=N<=2 !", 0, 2, 2, "cmbNoEpif"},
        // Values the record cannot hold, on their own fields.
        {"txtCostExpl", "1e39", kNumericEnglish, 0, 2, 3, "txtCostExpl"},
        {"txtCostBooster", "1e39", kNumericEnglish, 0, 2, 3, "txtCostBooster"},
        {"txtCostDrill", "1e39", kNumericEnglish, 0, 2, 3, "txtCostDrill"},
        {"txtCostCap", "-1e39", kNumericEnglish, 0, 2, 3, "txtCostCap"},
        {"txtCostInit", "1e39", kNumericEnglish, 0, 2, 3, "txtCostInit"},
        {"txtDistance", "1e39", kNumericEnglish, 2, 2, 3, "txtDistance"},
        // The numeric test moves no tab and no focus.
        {"txtFortio", "abc", kNumericEnglish, 0, 2, 3, "txtCostDrill"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.control) + " " + r.text);
        fakeMessageBox().boxes.clear();
        open();
        tabs("SSTab2")->setCurrentIndex(2);
        tabs("SSTab3")->setCurrentIndex(3);
        edit("txtCostDrill")->setFocus();
        type("txtYpsos", "10.5");
        type(r.control, r.text);
        ASSERT_TRUE(fakeMessageBox().boxes.isEmpty());

        click("cmdOK");
        ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(lastBox(), r.message);
        EXPECT_EQ(fakeMessageBox().boxes.last().buttons, kCriticalOk);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(tabs("SSTab1")->currentIndex(), r.tab1);
        EXPECT_EQ(tabs("SSTab2")->currentIndex(), r.tab2);
        EXPECT_EQ(tabs("SSTab3")->currentIndex(), r.tab3);
        if (QWidget *field = r.focus ? find(r.focus) : nullptr) {
            EXPECT_TRUE(w->focusWidget() == field || field->isAncestorOf(w->focusWidget()));
            if (auto *e = qobject_cast<QLineEdit *>(field)) {
                EXPECT_EQ(e->selectedText(), field->objectName() == r.control ? e->text() : QString());
            }
        }
        // Every edit stays on view for the user to mend; nothing is stored.
        EXPECT_EQ(edit("txtYpsos")->text(), "10.5");
        if (auto *e = qobject_cast<QLineEdit *>(find(r.control))) {
            EXPECT_EQ(e->text(), r.text);
        }
        EXPECT_EQ(project().BlastDesign.Burden, 3.0f);
        EXPECT_EQ(project().BlastDesign.BenchHeight, 12.0f);
        EXPECT_EQ(project().BlastDesign.Distance, 600.0f);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
    }
}

// The choices every opening starts with (none of them is stored); the initiation
// pattern and the production mode enable the boxes they read.
TEST_F(DesignWindow, OptionsEnableTheBoxesTheyUse)
{
    const QStringList spacing = {"txtApostasi", "txtApostasiD"}, grid = {"txtDX", "txtDY"};
    const struct {
        const char *option;
        QStringList enabled, disabled, checked = {}, unchecked = {};
    } rows[] = {
        {nullptr, spacing + QStringList{"txtParagogi", "txtFortio"}, grid,
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
            click(r.option);
        for (const QString &box : r.enabled)
            EXPECT_TRUE(edit(box)->isEnabled()) << box.toStdString();
        for (const QString &box : r.disabled)
            EXPECT_FALSE(edit(box)->isEnabled()) << box.toStdString();
        for (const QString &option : r.checked)
            EXPECT_TRUE(find<QAbstractButton>(option)->isChecked()) << option.toStdString();
        for (const QString &option : r.unchecked)
            EXPECT_FALSE(find<QAbstractButton>(option)->isChecked()) << option.toStdString();
    }
}

TEST_F(DesignWindow, OkStoresEveryInput)
{
    open();
    click("optProduction_1");
    click("optEnausi_2");
    tabs("SSTab2")->setCurrentIndex(1);
    using R = const BlastDesignRec &;
    const struct {
        const char *control, *text; // nullptr: set above
        double stored;
        double (*field)(R);
    } rows[] = {
        {"txtFortio", "4.25", 4.25f, [](R d) { return double(d.Burden); }},
        {"txtEpigomosi", "0.8", 0.8f, [](R d) { return double(d.StemCoefB); }},
        {"txtYpodiatrisi", "0.25", 0.25f, [](R d) { return double(d.SubdrillCoefB); }},
        {"txtApostasi", "1.2", 1.2f, [](R d) { return double(d.SpacingCoefB); }},
        {"txtEpigD", "25", 25, [](R d) { return double(d.StemCoefD); }},
        {"txtYpodD", "8", 8, [](R d) { return double(d.SubdrillCoefD); }},
        {"txtApostasiD", "35", 35, [](R d) { return double(d.SpacingCoefD); }},
        {nullptr, nullptr, 1, [](R d) { return double(d.CoefBasis); }},
        {"txtDiametros", "102", 102, [](R d) { return double(d.Diameter); }},
        {"txtEidvarek", "1.15", 1.15f, [](R d) { return double(d.ExplDensity); }},
        {"txtEidvarPe", "2.7", 2.7f, [](R d) { return double(d.RockDensity); }},
        {"txtYpsos", "10.5", 10.5f, [](R d) { return double(d.BenchHeight); }},
        {nullptr, nullptr, 1, [](R d) { return double(d.ProductionMode); }},
        {"txtParagogi", "5000", 5000, [](R d) { return double(d.TargetTons); }},
        {"txtDX", "6.5", 6, [](R d) { return double(d.HolesX); }}, // to the even neighbour
        {"txtDY", "3", 3, [](R d) { return double(d.HolesY); }},
        {"txtMaxNperDelay", "3", 3, [](R d) { return double(d.MaxHolesPerDelay); }},
        {"txtKatanalosiAnaEpivradynsi", "100", 100, [](R d) { return double(d.ChargePerDelay); }},
        {"txtDistance", "10", 10, [](R d) { return double(d.Distance); }},
        {"txtStatherak", "1000", 1000, [](R d) { return double(d.SiteK); }},
        {"txtStatheran", "1", 1, [](R d) { return double(d.SiteN); }},
        {"cmbNoEpif", "2", 2, [](R d) { return double(d.FreeFaces); }},
        {nullptr, nullptr, 2, [](R d) { return double(d.Pattern); }},
        {"txtSeires", "4", 4, [](R d) { return double(d.MaxRows); }},
        {"txtEnisxysi", "0.5", 0.5f, [](R d) { return double(d.BoosterMass); }},
        {"txtEidvarEE", "1.3", 1.3f, [](R d) { return double(d.BoosterDensity); }},
        {"txtCostCap", "2", 2, [](R d) { return double(d.CostCap); }},
        {"txtCostInit", "0.5", 0.5f, [](R d) { return double(d.CostInit); }},
        {"txtCostDrill", "6", 6, [](R d) { return double(d.CostDrill); }},
        {"txtCostExpl", "1.1", 1.1f, [](R d) { return double(d.CostExpl); }},
        {"txtCostBooster", "2.2", 2.2f, [](R d) { return double(d.CostBooster); }},
    };
    for (const auto &r : rows)
        if (r.control)
            type(r.control, r.text);
    EXPECT_EQ(edit("txtTaxytita")->text(), "1000.00");

    click("cmdOK");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty()) << lastBox().toStdString();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i].field(project().BlastDesign), rows[i].stored) << "row " << i;
    EXPECT_EQ(project().VibVelocity, 1000.0f);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    EXPECT_EQ(flags().FileEmpty, kFalse);
    EXPECT_EQ(flags().ParametersLoaded, kTrue);
    EXPECT_TRUE(logged(kModified));
}

// The project's velocity is the estimate on view when OK is accepted; Cancel, the
// close box and a refused OK store nothing.
TEST_F(DesignWindow, WhatClosingStores)
{
    const struct {
        const char *what;
        float storedCharge; // the charge per delay the project holds before opening
        std::vector<std::pair<const char *, const char *>> typed;
        std::vector<const char *> buttons; // nullptr: the close box
        bool stored;
        float velocity;
    } rows[] = {
        {"OK: to two decimals", 400, {{"txtDistance", "350"}}, {"cmdOK"}, true, 11.72f},
        {"Cancel", 400, {{"txtFortio", "4"}, {"txtDistance", "300"}}, {"cmdCancel"}, false, 50},
        {"close box", 400, {{"txtFortio", "4"}, {"txtDistance", "300"}}, {nullptr}, false, 50},
        {"refused OK, then Cancel", 400, {{"txtDistance", "10"}, {"txtFortio", "12"}}, {"cmdOK", "cmdCancel"}, false, 50},
        {"OK without an estimate: the project keeps its velocity", 0, {}, {"cmdOK"}, true, 50},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        ResetProjectDefaults(255, 255);
        historyLog().setText(QString());
        project().BlastDesign.ChargePerDelay = r.storedCharge;
        open();
        for (const auto &[control, text] : r.typed)
            type(control, text);
        for (const char *button : r.buttons) {
            if (button)
                click(button);
            else
                w->close();
        }
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(project().VibVelocity, r.velocity);
        EXPECT_EQ(project().BlastDesign.Burden, 3.0f);
        if (!r.stored) {
            EXPECT_EQ(project().BlastDesign.Distance, 600.0f);
        }
        EXPECT_EQ(flags().ProjectSaved, r.stored ? kFalse : kTrue);
        EXPECT_EQ(logged(kModified), r.stored);
    }
}

TEST_F(DesignWindow, VibrationEstimateFollowsTheBoxes)
{
    open();
    EXPECT_EQ(edit("txtTaxytita")->text(), "4.95");
    EXPECT_EQ(label("Label18")->text(), "0.19 in/sec");
    type("txtKatanalosiAnaEpivradynsi", "0");
    EXPECT_EQ(lastBox(), "Το Βάρος Εκρηκτικών ανά Επιβράδυνση πρεπει να είναι θετικό");
    EXPECT_EQ(fakeMessageBox().boxes.last().buttons, kCriticalOk);
    EXPECT_EQ(w->focusWidget(), edit("txtKatanalosiAnaEpivradynsi"));
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 0); // no tab is brought forward
    EXPECT_EQ(edit("txtTaxytita")->text(), "4.95"); // the last estimate stays
    EXPECT_EQ(label("Label29")->text(), "0.00 lbs");
    // Only a numeric charge is echoed: a number with letters after it is not one.
    type("txtKatanalosiAnaEpivradynsi", "400");
    EXPECT_EQ(label("Label29")->text(), "881.84 lbs");
    type("txtKatanalosiAnaEpivradynsi", "400x");
    EXPECT_EQ(label("Label29")->text(), "0.00 lbs");

    // A distance beyond a single: no message, no estimate, no echo, nothing not finite.
    type("txtKatanalosiAnaEpivradynsi", "400");
    fakeMessageBox().boxes.clear();
    type("txtDistance", "1e39");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_EQ(edit("txtTaxytita")->text(), "4.95");
    EXPECT_EQ(label("Label31")->text(), "1968.48 ft");
    for (QLabel *l : w->findChildren<QLabel *>())
        EXPECT_FALSE(l->text().contains("inf", Qt::CaseInsensitive) || l->text().contains("nan", Qt::CaseInsensitive))
            << l->objectName().toStdString();

    type("txtDistance", "10");
    type("txtKatanalosiAnaEpivradynsi", "100");
    type("txtStatherak", "1000");
    type("txtStatheran", "1");
    EXPECT_EQ(edit("txtTaxytita")->text(), "1000.00");
    EXPECT_EQ(label("Label18")->text(), "39.37 in/sec");
}

// Each calculator's burden is taken over into a locked burden box, with the
// calculator's diameter (read-only) and densities where it has them, in red; the
// user's own value (7) unlocks the boxes again and writes nothing.
TEST_F(DesignWindow, BurdenSources)
{
    const struct {
        const char *option, *burden, *diameter, *explosive, *rock;
        bool explosiveRed, rockRed;
    } rows[] = {
        {"optFortio_0", "3.34", "101.60", "0.90", "2.60", false, false}, // 10.95 ft; 4 in
        {"optFortio_1", "2.59", "101.60", "1.2", "2.7", true, true},
        {"optFortio_2", "5.70", "100", "1.2", "2.7", false, false},
        {"optFortio_3", "3.04", "101.60", "0.9", "2.7", true, true},
        {"optFortio_4", "5.05", "100.00", "1.2", "2.7", true, false},
        {"optFortio_5", "2.58", "100.00", "1.2", "2.7", false, false},
        {"optFortio_6", "3.04", "101.60", "1.2", "2.7", false, false},
        {"optFortio_7", "3.04", "101.60", "1.2", "2.7", false, false},
    };
    open();
    auto colour = [this](const char *box) { return edit(box)->palette().color(QPalette::Text); };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.option);
        const bool calculator = QString(r.option) != "optFortio_7";
        click(r.option);
        EXPECT_EQ(edit("txtFortio")->text(), r.burden);
        EXPECT_EQ(edit("txtFortio")->isEnabled(), !calculator);
        EXPECT_EQ(edit("txtDiametros")->text(), r.diameter);
        EXPECT_EQ(edit("txtDiametros")->isReadOnly(), calculator);
        EXPECT_EQ(colour("txtDiametros"), QColor(calculator ? Qt::red : Qt::black));
        EXPECT_EQ(edit("txtEidvarek")->text(), r.explosive);
        EXPECT_EQ(edit("txtEidvarPe")->text(), r.rock);
        EXPECT_EQ(colour("txtEidvarek"), QColor(r.explosiveRed ? Qt::red : Qt::black));
        EXPECT_EQ(colour("txtEidvarPe"), QColor(r.rockRed ? Qt::red : Qt::black));
    }
}

// Help shows its hint; a calculator button warns, when the setting asks for it, that
// the burden is not taken over, opens the calculator modally, and afterwards takes
// the calculator's burden as its source.
TEST_F(DesignWindow, HelpAndCalculatorButtons)
{
    const QString hint = "Position the cursor on any item on the form and press F1 for context-sensitive Help";
    const QString warning = "Attention: Burden parameters are not automatically transfered from the Blast Design Form";
    const struct {
        const char *button;
        int16_t warn;
        QString box;
        bool calculator;
        const char *burden;
    } rows[] = {
        {"cmdHelp", 1, hint, false, "3.00"},
        {"btnShow_0", 1, warning, true, "3.34"},
        {"btnShow_0", 0, "", true, "3.34"},
    };
    bool shown = false;
    for (const auto &r : rows) {
        SCOPED_TRACE(r.button);
        settings().ShowBurdenCalcWarning = r.warn;
        fakeMessageBox().boxes.clear();
        open();
        shown = false;
        if (r.calculator)
            QTimer::singleShot(0, w.get(), [&shown] {
                auto *c = qobject_cast<QDialog *>(LoadedCalculator(0));
                shown = c && c->isVisible() && c->isModal();
                if (c)
                    c->reject();
            });
        click(r.button);
        EXPECT_EQ(lastBox(), r.box);
        EXPECT_EQ(shown, r.calculator);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(edit("txtFortio")->text(), r.burden);
        EXPECT_EQ(find<QAbstractButton>("optFortio_0")->isChecked(), r.calculator);
    }
}

// The numeric test of the vibration page speaks the menus' language (as the one on OK
// does); the boxes of the absolute page are shown disabled.
TEST_F(DesignWindow, NumericMessageFollowsTheLanguageAndTheAbsoluteBoxesAreDisabled)
{
    const struct {
        int16_t english;
        QString message;
    } rows[] = {{1, kNumericEnglish}, {0, kNumeric}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.english);
        settings().EnglishMenus = r.english;
        fakeMessageBox().boxes.clear();
        open();
        type("txtDistance", "abc");
        EXPECT_EQ(lastBox(), r.message);
        for (const char *box : {"Text1", "Text2", "Text3"})
            EXPECT_FALSE(edit(box)->isEnabled()) << box;
    }
}

// Every caption of the table is on its control in the chosen language.
TEST_F(DesignWindow, CaptionsFollowTheLanguage)
{
    for (int english : {1, 0}) {
        settings().EnglishMenus = static_cast<int16_t>(english);
        frmBlastDesign &d = open();
        for (const DesignCaption &c : DesignCaptions()) {
            const QString &want = english ? c.english : c.greek;
            QString shown;
            QObject *o = c.control.isEmpty() ? &d : d.findChild<QObject *>(c.control);
            ASSERT_NE(o, nullptr) << c.control.toStdString();
            if (c.control.isEmpty())
                shown = d.windowTitle();
            else if (auto *t = qobject_cast<QTabWidget *>(o))
                shown = t->tabText(c.tab);
            else if (auto *b = qobject_cast<QAbstractButton *>(o))
                shown = b->text();
            else if (auto *g = qobject_cast<QGroupBox *>(o))
                shown = g->title();
            else if (auto *l = qobject_cast<QLabel *>(o))
                shown = l->text();
            EXPECT_EQ(shown, want) << c.control.toStdString() << " " << english;
        }
    }
}

// btnShow opens its calculator (after the warning) and takes its burden when it closes.
TEST_F(DesignWindow, CalculatorButtonsOpenTheirCalculatorAndTakeItsBurden)
{
    const char *names[] = {"frmAnderson", "frmAsh", "frmFraenkel", "frmKonya", "frmLangefors", "frmPearse", "frmJimeno"};
    const char *burdens[] = {"3.34", "2.59", "5.70", "3.04", "5.05", "2.58", "3.04"};
    settings().ShowBurdenCalcWarning = 1;
    open();
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        fakeMessageBox().boxes.clear();
        QString seen;
        QTimer::singleShot(0, [&seen] {
            if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                seen = dlg->objectName();
                dlg->findChild<QAbstractButton *>("btnOk")->click();
            }
        });
        click(QString("btnShow_%1").arg(i));
        EXPECT_EQ(seen, names[i]);
        EXPECT_EQ(lastBox(), "Attention: Burden parameters are not automatically transfered from the Blast Design Form");
        EXPECT_TRUE(find<QAbstractButton>(QString("optFortio_%1").arg(i))->isChecked());
        EXPECT_EQ(edit("txtFortio")->text(), burdens[i]);
    }
}
