// The design window driven through its controls: opening on the stored design, the
// input checks with their messages, tabs and focus, OK / Cancel / close box, the
// vibration estimate, the burden sources, the switches and the captions.

#include "TestSupport.h"
#include "calculators/BurdenCalculators.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "design/DesignCaptions.h"
#include "design/frmBlastDesign.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kNumeric = "Κάποια τιμή δεν έχει αριθμητική μορφή!";
const QString kModified = "Blast Design Parameters Modified";
constexpr int kCriticalOk = 16;

class DesignWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        ResetProjectDefaults(255, 255);
        historyLog().setText(QString());
    }
    void TearDown() override
    {
        w.reset();
        UnloadAllCalculators();
    }

    frmBlastDesign &open()
    {
        w = std::make_unique<frmBlastDesign>();
        w->show();
        QApplication::setActiveWindow(w.get());
        return *w;
    }

    template <class T = QWidget> T *find(const QString &name) const
    {
        T *c = w->findChild<T *>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QLabel *label(const QString &name) const { return find<QLabel>(name); }
    QTabWidget *tabs(const QString &name) const { return find<QTabWidget>(name); }
    void click(const QString &name) const { find<QAbstractButton>(name)->click(); }
    void type(const QString &name, const QString &text) const
    {
        if (auto *combo = w->findChild<QComboBox *>(name))
            combo->setEditText(text);
        else
            edit(name)->setText(text);
    }
    QString lastBox() const
    {
        return fakeMessageBox().boxes.isEmpty() ? QString() : fakeMessageBox().boxes.last().text;
    }
    bool logged(const QString &line) const { return historyLog().text().contains(line); }

    std::unique_ptr<frmBlastDesign> w;
};

} // namespace

TEST_F(DesignWindow, OpensOnTheStoredDesign)
{
    open();
    const std::pair<const char *, const char *> boxes[] = {
        {"txtFortio", "3.00"},       {"txtEpigomosi", "1.00"},    {"txtYpodiatrisi", "0.30"}, {"txtApostasi", "1.50"},
        {"txtEpigD", "20"},          {"txtYpodD", "10"},          {"txtApostasiD", "40"},     {"txtDiametros", "80"},
        {"txtEidvarek", "0.90"},     {"txtEnisxysi", "1"},        {"txtEidvarEE", "1.2"},     {"txtEidvarPe", "2.60"},
        {"txtYpsos", "12.00"},       {"txtParagogi", "4000"},     {"txtDX", "0"},             {"txtDY", "0"},
        {"txtMaxNperDelay", "2"},    {"txtSeires", "2"},          {"txtCostExpl", "1"},       {"txtCostBooster", "1.5"},
        {"txtCostDrill", "5"},       {"txtCostCap", "1"},         {"txtCostInit", "0"},
        {"txtKatanalosiAnaEpivradynsi", "400"}, {"txtDistance", "600"}, {"txtStatherak", "1142.7"},
        {"txtStatheran", "1.6"},     {"txtTaxytita", "4.95"},
    };
    for (const auto &[name, text] : boxes)
        EXPECT_EQ(edit(name)->text(), QString::fromLatin1(text)) << name;
    const std::pair<const char *, const char *> labels[] = {
        {"Label18", "0.19 in/sec"}, {"Label31", "1968.48 ft"}, {"Label29", "881.84 lbs"},
        {"Label27", "3.00 m"},      {"Label33", "0.90 m"},     {"Label34", "4.50 m"},
        {"Label49", "1.60 m"},      {"Label50", "0.80 m"},     {"Label51", "3.20 m"},
    };
    for (const auto &[name, text] : labels)
        EXPECT_EQ(label(name)->text(), QString::fromLatin1(text)) << name;

    auto *faces = find<QComboBox>("cmbNoEpif");
    EXPECT_EQ(faces->currentText(), "1");
    ASSERT_EQ(faces->count(), 2);
    EXPECT_EQ(faces->itemText(1), "2");

    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(tabs("SSTab2")->currentIndex(), 0);
    EXPECT_TRUE(find<QRadioButton>("optFortio_7")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optEnausi_0")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optProduction_0")->isChecked());
    EXPECT_TRUE(find<QRadioButton>("optDispMode_0")->isChecked());
    EXPECT_TRUE(edit("txtFortio")->isEnabled());
    EXPECT_FALSE(edit("txtDiametros")->isReadOnly());
    EXPECT_TRUE(edit("txtParagogi")->isEnabled());
    EXPECT_FALSE(edit("txtDX")->isEnabled());
    EXPECT_FALSE(edit("txtDY")->isEnabled());
    for (const char *name : {"chkRound", "chkRound2", "chkMaxNDelay"})
        EXPECT_TRUE(find<QCheckBox>(name)->isChecked()) << name;
    EXPECT_FALSE(find<QCheckBox>("chkSort")->isChecked());
    EXPECT_TRUE(find("HScroll1")->isHidden());
    EXPECT_FALSE(find("grdOutput")->isHidden());
    EXPECT_TRUE(find("RichTextBox1")->isHidden());
    for (const char *name : {"cmdPrevPage", "cmdNextPage", "cmdCopyPage", "cmdCopyAll", "cmdPrintPage", "cmdPrintAll"})
        EXPECT_TRUE(find(name)->isHidden()) << name;
    // Every documented control of the drawing tab exists for the drawing step.
    for (const char *name : {"picPlan", "picBlast", "lblCoord", "lblIntCoord", "Text1", "Text2", "Text3"})
        find(name);
    EXPECT_FALSE(w->OkPressed);
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

TEST_F(DesignWindow, EachCheckShowsItsMessageTabAndField)
{
    struct Row {
        const char *control;
        const char *text;
        int mode; // production mode chosen before
        const char *message;
        const char *inner; // SSTab2 / SSTab3 / nullptr
        int innerTab;
    };
    const Row rows[] = {
        {"txtFortio", "12", 0, "Το Φορτίο κυμαίνεται μεταξύ 0,1m και 10m!", nullptr, 0},
        {"txtEpigomosi", "2.5", 0, "Ο Συντελεστής Επιγόμωσης κυμαίνεται μεταξύ 0,1 και 2,0!", "SSTab2", 0},
        {"txtYpodiatrisi", "0", 0, "Ο Συντελεστής Υποδιάτρησης κυμαίνεται μεταξύ 0,1 και 1,0!", "SSTab2", 0},
        {"txtApostasi", "0.1", 0, "Ο Συντελεστής Απόστασης Διατρημάτων κυμαίνεται μεταξύ 0,1 και 2,0!", "SSTab2", 0},
        {"txtEpigD", "abc", 0, "Ο Συντελεστής Επιγόμωσης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1},
        {"txtYpodD", "0", 0, "Ο Συντελεστής Υποδιάτρησης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1},
        {"txtApostasiD", "-3", 0, "Ο Συντελεστής Απόστασης συναρτήσει διαμέτρου πρέπει να είναι Θετικός!", "SSTab2", 1},
        {"txtDiametros", "15", 0, "Η Διάμετρος Διατρήματος κυμαίνεται μεταξύ 15mm και 500mm!", "SSTab3", 0},
        {"txtEidvarek", "0", 0, "Η Πυκνότητα Εκρηκτικού πρέπει να είναι Θετική", "SSTab3", 0},
        {"txtEnisxysi", "-1", 0, "Το Βάρος του Ενισχυτικού πρέπει να είναι >=0 ", "SSTab3", 0},
        {"txtEidvarEE", "0", 0, "Η Πυκνότητα του Εκρηκτικού Ενίσχυσης πρέπει να είναι Θετική!", "SSTab3", 0},
        {"txtParagogi", "0", 0, "Η Επιθυμητή Παραγωγή πρέπει να είναι Θετική!", "SSTab3", 1},
        {"txtDX", "0.4", 1, "Τα διατρήματα ανά σειρά πρέπει να είναι Θετικά!", "SSTab3", 1},
        {"txtDY", "0", 1, "Ο αριθμός σειρών πρέπει να είναι Θετικός!", "SSTab3", 1},
        {"txtEidvarPe", "0", 0, "Η Πυκνότητα Πετρώματος πρέπει να είναι Θετικό!", "SSTab3", 1},
        {"txtYpsos", "-12", 0, "Το Ύψος Βαθμίδας πρέπει να είναι Θετικό!", "SSTab3", 1},
        {"txtMaxNperDelay", "0.4", 0, "Ο Μέγιστος αριθμός διατρημάτων ανά επιβράδυνση πρέπει να είναι >=0", "SSTab3", 2},
        {"cmbNoEpif", "3", 0, "Ο Αριθμός Ελευθέρων Επιφανειών πρέπει να είναι 1<=N<=2 !", "SSTab3", 2},
        {"txtSeires", "0.4", 0, "Ο Αριθμός Σειρών πρέπει να είναι Θετικός!", "SSTab3", 2},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.control);
        fakeMessageBox().boxes.clear();
        open();
        if (r.mode == 1) {
            click("optProduction_1");
            type("txtDX", "4");
            type("txtDY", "2");
        }
        // Start away from the field's tabs, so bringing them forward shows.
        tabs("SSTab2")->setCurrentIndex(2);
        tabs("SSTab3")->setCurrentIndex(3);
        type(r.control, QString::fromUtf8(r.text));
        ASSERT_TRUE(fakeMessageBox().boxes.isEmpty());

        click("cmdOK");
        ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(lastBox(), QString::fromUtf8(r.message));
        EXPECT_EQ(fakeMessageBox().boxes.last().buttons, kCriticalOk);
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->OkPressed);
        EXPECT_EQ(tabs("SSTab1")->currentIndex(), 0);
        if (r.inner) {
            EXPECT_EQ(tabs(r.inner)->currentIndex(), r.innerTab);
        }
        QWidget *field = find(r.control);
        EXPECT_TRUE(w->focusWidget() == field || field->isAncestorOf(w->focusWidget()));
        if (auto *e = qobject_cast<QLineEdit *>(field)) {
            EXPECT_EQ(e->selectedText(), e->text());
        }
        EXPECT_EQ(project().BlastDesign.Burden, 3.0f);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
    }
}

TEST_F(DesignWindow, NumericTestMovesNoTabAndNoFocus)
{
    open();
    tabs("SSTab3")->setCurrentIndex(3);
    edit("txtCostExpl")->setFocus();
    type("txtFortio", "abc");
    click("cmdOK");
    EXPECT_EQ(lastBox(), kNumeric);
    EXPECT_EQ(tabs("SSTab3")->currentIndex(), 3);
    EXPECT_EQ(w->focusWidget(), edit("txtCostExpl"));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(DesignWindow, LeavingTheInputTabRunsTheChecks)
{
    open();
    type("txtEidvarek", "0");
    tabs("SSTab1")->setCurrentIndex(2);
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(lastBox(), "Η Πυκνότητα Εκρηκτικού πρέπει να είναι Θετική");
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(tabs("SSTab3")->currentIndex(), 0);
    EXPECT_EQ(w->focusWidget(), edit("txtEidvarek"));

    // Valid inputs: on to the result tab; moving between other tabs checks nothing.
    type("txtEidvarek", "0.9");
    tabs("SSTab1")->setCurrentIndex(1);
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 1);
    type("txtFortio", "12");
    tabs("SSTab1")->setCurrentIndex(2);
    EXPECT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 2);
}

TEST_F(DesignWindow, DrawingTabReadsTheControlsOnceChecked)
{
    open();
    type("txtYpsos", "15");
    type("txtCostDrill", "9");
    tabs("SSTab1")->setCurrentIndex(3);
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_EQ(project().CurDesign.BenchHeight, 15.0f);
    EXPECT_EQ(project().CurDesign.Burden, 3.0f);
    EXPECT_EQ(project().CurDesign.CostDrill, 0.0f); // prices are never read into it
    EXPECT_EQ(project().BlastDesign.BenchHeight, 12.0f);

    // Straight from the input tab to the drawing with a non-numeric input: the run's
    // check and the drawing's check both report it, and no tab changes.
    tabs("SSTab1")->setCurrentIndex(0);
    type("txtYpsos", "x");
    tabs("SSTab1")->setCurrentIndex(3);
    ASSERT_EQ(fakeMessageBox().boxes.size(), 2);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, kNumeric);
    EXPECT_EQ(fakeMessageBox().boxes[1].text, kNumeric);
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 3);
    EXPECT_EQ(project().CurDesign.BenchHeight, 15.0f);
}

TEST_F(DesignWindow, OkStoresEveryInput)
{
    open();
    const std::pair<const char *, const char *> texts[] = {
        {"txtFortio", "4.25"},     {"txtEpigomosi", "0.8"},  {"txtYpodiatrisi", "0.25"}, {"txtApostasi", "1.2"},
        {"txtEpigD", "25"},        {"txtYpodD", "8"},        {"txtApostasiD", "35"},     {"txtDiametros", "102"},
        {"txtEidvarek", "1.15"},   {"txtEidvarPe", "2.7"},   {"txtYpsos", "10.5"},       {"txtParagogi", "5000"},
        {"txtDX", "6.5"},          {"txtDY", "3"},           {"txtMaxNperDelay", "3"},   {"cmbNoEpif", "2"},
        {"txtSeires", "4"},        {"txtEnisxysi", "0.5"},   {"txtEidvarEE", "1.3"},     {"txtCostCap", "2"},
        {"txtCostInit", "0.5"},    {"txtCostDrill", "6"},    {"txtCostExpl", "1.1"},     {"txtCostBooster", "2.2"},
        {"txtKatanalosiAnaEpivradynsi", "100"}, {"txtDistance", "10"}, {"txtStatherak", "1000"}, {"txtStatheran", "1"},
    };
    click("optProduction_1");
    click("optEnausi_2");
    tabs("SSTab2")->setCurrentIndex(1);
    for (const auto &[name, text] : texts)
        type(name, QString::fromLatin1(text));
    EXPECT_EQ(edit("txtTaxytita")->text(), "1000.00");
    EXPECT_EQ(label("Label18")->text(), "39.37 in/sec");

    click("cmdOK");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty()) << lastBox().toStdString();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);

    const BlastDesignRec &d = project().BlastDesign;
    EXPECT_EQ(d.Burden, 4.25f);
    EXPECT_EQ(d.StemCoefB, 0.8f);
    EXPECT_EQ(d.SubdrillCoefB, 0.25f);
    EXPECT_EQ(d.SpacingCoefB, 1.2f);
    EXPECT_EQ(d.StemCoefD, 25.0f);
    EXPECT_EQ(d.SubdrillCoefD, 8.0f);
    EXPECT_EQ(d.SpacingCoefD, 35.0f);
    EXPECT_EQ(d.CoefBasis, 1);
    EXPECT_EQ(d.Diameter, 102.0f);
    EXPECT_EQ(d.ExplDensity, 1.15f);
    EXPECT_EQ(d.RockDensity, 2.7f);
    EXPECT_EQ(d.BenchHeight, 10.5f);
    EXPECT_EQ(d.ProductionMode, 1);
    EXPECT_EQ(d.TargetTons, 5000.0f);
    EXPECT_EQ(d.HolesX, 6); // 6.5 to the even neighbour
    EXPECT_EQ(d.HolesY, 3);
    EXPECT_EQ(d.MaxHolesPerDelay, 3.0f);
    EXPECT_EQ(d.ChargePerDelay, 100.0f);
    EXPECT_EQ(d.Distance, 10.0f);
    EXPECT_EQ(d.SiteK, 1000.0f);
    EXPECT_EQ(d.SiteN, 1.0f);
    EXPECT_EQ(d.FreeFaces, 2.0f);
    EXPECT_EQ(d.Pattern, 2);
    EXPECT_EQ(d.MaxRows, 4);
    EXPECT_EQ(d.BoosterMass, 0.5f);
    EXPECT_EQ(d.BoosterDensity, 1.3f);
    EXPECT_EQ(d.CostCap, 2.0f);
    EXPECT_EQ(d.CostInit, 0.5f);
    EXPECT_EQ(d.CostDrill, 6.0f);
    EXPECT_EQ(d.CostExpl, 1.1f);
    EXPECT_EQ(d.CostBooster, 2.2f);
    EXPECT_EQ(project().VibVelocity, 1000.0f);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    EXPECT_EQ(flags().FileEmpty, kFalse);
    EXPECT_EQ(flags().ParametersLoaded, kTrue);
    EXPECT_TRUE(logged(kModified));
}

TEST_F(DesignWindow, VelocityIsStoredRoundedToTwoDecimals)
{
    open();
    type("txtDistance", "350"); // 11.7239 mm/s
    EXPECT_EQ(edit("txtTaxytita")->text(), "11.72");
    click("cmdOK");
    EXPECT_EQ(project().VibVelocity, 11.72f);
}

TEST_F(DesignWindow, FailedOkThenCancelLeavesTheProject)
{
    open();
    type("txtKatanalosiAnaEpivradynsi", "100");
    type("txtDistance", "10");
    type("txtFortio", "12");
    click("cmdOK");
    EXPECT_EQ(lastBox(), "Το Φορτίο κυμαίνεται μεταξύ 0,1m και 10m!");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(project().VibVelocity, 50.0f);

    click("cmdCancel");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(project().BlastDesign.Burden, 3.0f);
    EXPECT_EQ(project().BlastDesign.ChargePerDelay, 400.0f);
    EXPECT_EQ(project().VibVelocity, 50.0f);
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_FALSE(logged(kModified));
}

TEST_F(DesignWindow, CancelAndTheCloseBoxStoreNothing)
{
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        open();
        type("txtFortio", "4");
        type("txtCostDrill", "8");
        type("txtDistance", "300");
        if (closeBox)
            w->close();
        else
            click("cmdCancel");
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(project().BlastDesign.Burden, 3.0f);
        EXPECT_EQ(project().BlastDesign.CostDrill, 5.0f);
        EXPECT_EQ(project().BlastDesign.Distance, 600.0f);
        EXPECT_EQ(project().VibVelocity, 50.0f);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
        EXPECT_FALSE(logged(kModified));
    }
}

TEST_F(DesignWindow, ValuesTheRecordCannotHoldAreRefused)
{
    // A 16-bit count of the production mode not chosen.
    open();
    type("txtDX", "40000");
    click("cmdOK");
    EXPECT_EQ(lastBox(), "Τα διατρήματα ανά σειρά πρέπει να είναι Θετικά!");
    EXPECT_EQ(tabs("SSTab3")->currentIndex(), 1);
    EXPECT_TRUE(w->isVisible());

    // A price beyond the single range: its field, on the economics tab.
    open();
    type("txtCostExpl", "1e39");
    click("cmdOK");
    EXPECT_EQ(lastBox(), kNumeric);
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(tabs("SSTab3")->currentIndex(), 3);
    EXPECT_EQ(w->focusWidget(), edit("txtCostExpl"));
    EXPECT_TRUE(w->isVisible());

    // A distance beyond the single range: no estimate, no echo, then refused on OK.
    open();
    fakeMessageBox().boxes.clear();
    type("txtDistance", "1e39");
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_EQ(edit("txtTaxytita")->text(), "4.95");
    EXPECT_EQ(label("Label31")->text(), "1968.48 ft");
    for (QLabel *l : w->findChildren<QLabel *>())
        EXPECT_FALSE(l->text().contains("inf", Qt::CaseInsensitive) || l->text().contains("nan", Qt::CaseInsensitive))
            << l->objectName().toStdString();
    click("cmdOK");
    EXPECT_EQ(lastBox(), kNumeric);
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 2);
    EXPECT_EQ(w->focusWidget(), edit("txtDistance"));
    EXPECT_EQ(project().BlastDesign.Distance, 600.0f);
    EXPECT_EQ(flags().ProjectSaved, kTrue);
}

TEST_F(DesignWindow, VibrationChecksWhileTyping)
{
    open();
    type("txtKatanalosiAnaEpivradynsi", "0");
    EXPECT_EQ(lastBox(), "Το Βάρος Εκρηκτικών ανά Επιβράδυνση πρεπει να είναι θετικό");
    EXPECT_EQ(fakeMessageBox().boxes.last().buttons, kCriticalOk);
    EXPECT_EQ(w->focusWidget(), edit("txtKatanalosiAnaEpivradynsi"));
    EXPECT_EQ(edit("txtTaxytita")->text(), "4.95");
    EXPECT_EQ(label("Label29")->text(), "0.00 lbs");

    type("txtKatanalosiAnaEpivradynsi", "abc");
    EXPECT_EQ(lastBox(), kNumeric);
    EXPECT_EQ(label("Label29")->text(), "0.00 lbs");

    type("txtKatanalosiAnaEpivradynsi", "400");
    fakeMessageBox().boxes.clear();
    type("txtDistance", "");
    EXPECT_EQ(lastBox(), "Η Απόσταση πρέπει να είναι θετική!");
    EXPECT_EQ(label("Label31")->text(), "0.00 ft");
    EXPECT_EQ(edit("txtTaxytita")->text(), "4.95");
    // No tab is brought forward by these checks.
    EXPECT_EQ(tabs("SSTab1")->currentIndex(), 0);

    type("txtDistance", "10");
    type("txtKatanalosiAnaEpivradynsi", "100");
    type("txtStatherak", "1000");
    type("txtStatheran", "1");
    EXPECT_EQ(edit("txtTaxytita")->text(), "1000.00");
    EXPECT_EQ(label("Label18")->text(), "39.37 in/sec");
    EXPECT_EQ(label("Label29")->text(), "220.46 lbs");
    EXPECT_EQ(label("Label31")->text(), "32.81 ft");
}

TEST_F(DesignWindow, StoredVibrationInputThatFailsKeepsTheProjectVelocity)
{
    project().BlastDesign.ChargePerDelay = 0;
    open();
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(lastBox(), "Το Βάρος Εκρηκτικών ανά Επιβράδυνση πρεπει να είναι θετικό");
    EXPECT_EQ(edit("txtTaxytita")->text(), "");
    EXPECT_EQ(label("Label18")->text(), "0.00 in/sec");
    click("cmdOK");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(project().VibVelocity, 50.0f);
    EXPECT_TRUE(logged(kModified));
}

TEST_F(DesignWindow, CoefficientLengthsFollowTheBoxes)
{
    open();
    type("txtFortio", "x");
    EXPECT_EQ(label("Label27")->text(), "0.00 m");
    EXPECT_EQ(label("Label34")->text(), "0.00 m");
    EXPECT_EQ(label("Label33")->text(), "0.00 m");
    type("txtFortio", "2");
    EXPECT_EQ(label("Label34")->text(), "3.00 m");
    type("txtEpigD", "25");
    EXPECT_EQ(label("Label49")->text(), "2.00 m");
    type("txtDiametros", "");
    EXPECT_EQ(label("Label51")->text(), "0.00 m");
}

TEST_F(DesignWindow, AndersonBurdenIsTakenInMetres)
{
    project().AndersonDiam = 4;
    project().AndersonHoleLen = 25; // burden 10.00 ft
    open();
    ASSERT_TRUE(CalculatorAvailable(0));
    click("optFortio_0");
    EXPECT_EQ(edit("txtFortio")->text(), "3.05");
    EXPECT_FALSE(edit("txtFortio")->isEnabled());
    EXPECT_EQ(edit("txtDiametros")->text(), "101.60");
    EXPECT_TRUE(edit("txtDiametros")->isReadOnly());
    EXPECT_EQ(edit("txtDiametros")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit("txtEidvarek")->text(), "0.90"); // Anderson gives no densities
    EXPECT_EQ(edit("txtEidvarek")->palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_EQ(label("Label27")->text(), "3.05 m");

    // The user's own burden again: the values stay, the boxes can be edited.
    click("optFortio_7");
    EXPECT_EQ(edit("txtFortio")->text(), "3.05");
    EXPECT_TRUE(edit("txtFortio")->isEnabled());
    EXPECT_FALSE(edit("txtDiametros")->isReadOnly());
    EXPECT_EQ(edit("txtDiametros")->palette().color(QPalette::Text), QColor(0, 0, 0));

    click("cmdOK");
    EXPECT_EQ(project().BlastDesign.Burden, 3.05f);
    EXPECT_EQ(project().BlastDesign.Diameter, 101.6f);
}

TEST_F(DesignWindow, CalculatorButtonWarnsThenTakesTheBurden)
{
    struct Row {
        int english;
        int warn;
        const char *warning;
    };
    const Row rows[] = {
        {1, 1, "Attention: Burden parameters are not automatically transfered from the Blast Design Form"},
        {0, 1, "Προσοχή: Οι παράμετροι υπολογισμού φορτίου δεν λαμβάνονται αυτόματα από τη φόρμα σχεδιασμού ανατινάξεων"},
        {1, 0, nullptr},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.english * 10 + r.warn);
        settings().EnglishMenus = int16_t(r.english);
        settings().ShowBurdenCalcWarning = int16_t(r.warn);
        project().AndersonHoleLen = 25;
        open();
        fakeMessageBox().boxes.clear();
        bool calculatorShown = false;
        // The calculator is modal: close it from inside its own loop.
        QTimer::singleShot(0, [&] {
            if (auto *calc = qobject_cast<QDialog *>(LoadedCalculator(0))) {
                calculatorShown = calc->isVisible();
                calc->reject();
            }
        });
        click("btnShow_0");
        EXPECT_TRUE(calculatorShown);
        if (r.warning) {
            ASSERT_FALSE(fakeMessageBox().boxes.isEmpty());
            EXPECT_EQ(fakeMessageBox().boxes.first().text, QString::fromUtf8(r.warning));
            EXPECT_EQ(fakeMessageBox().boxes.first().buttons, 0);
        } else {
            for (const RecordedBox &b : fakeMessageBox().boxes)
                EXPECT_FALSE(b.text.startsWith("Attention"));
        }
        EXPECT_FALSE(w->BurdenPending);
        EXPECT_EQ(w->BurdenSource, 0);
        EXPECT_TRUE(find<QRadioButton>("optFortio_0")->isChecked());
        EXPECT_EQ(edit("txtFortio")->text(), "3.05");
        w.reset();
        UnloadAllCalculators();
    }
}

TEST_F(DesignWindow, SourcesWithoutACalculatorCannotBeChosen)
{
    open();
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(find("optFortio_" + QString::number(i))->isEnabled(), CalculatorAvailable(i)) << i;
        EXPECT_EQ(find("btnShow_" + QString::number(i))->isEnabled(), CalculatorAvailable(i)) << i;
    }
    EXPECT_TRUE(find("optFortio_7")->isEnabled());
}

TEST_F(DesignWindow, PatternAndProductionSwitches)
{
    open();
    for (int pattern : {2, 3, 1, 0}) {
        click("optEnausi_" + QString::number(pattern));
        const bool typed = pattern < 2;
        EXPECT_EQ(edit("txtApostasi")->isEnabled(), typed) << pattern;
        EXPECT_EQ(edit("txtApostasiD")->isEnabled(), typed) << pattern;
    }
    click("optProduction_1");
    EXPECT_TRUE(edit("txtDX")->isEnabled());
    EXPECT_TRUE(edit("txtDY")->isEnabled());
    EXPECT_FALSE(edit("txtParagogi")->isEnabled());
    click("optProduction_0");
    EXPECT_FALSE(edit("txtDX")->isEnabled());
    EXPECT_TRUE(edit("txtParagogi")->isEnabled());
}

TEST_F(DesignWindow, DisplayModesAndCopyPage)
{
    const char *pageButtons[] = {"cmdPrevPage", "cmdNextPage", "cmdCopyPage", "cmdCopyAll", "cmdPrintPage", "cmdPrintAll"};
    for (int showAll : {0, 1}) {
        SCOPED_TRACE(showAll);
        settings().ShowAllBlastDesign = int16_t(showAll);
        open();
        EXPECT_EQ(find("HScroll1")->isHidden(), showAll == 0);
        reportPages().OutBuf[2] = "second page\r\n";
        reportPages().OutBuf[0].clear();
        click("optDispMode_1");
        EXPECT_EQ(w->CurrentPage, 2);
        EXPECT_EQ(find<QTextEdit>("RichTextBox1")->toPlainText(), "second page\n");
        EXPECT_FALSE(find("RichTextBox1")->isHidden());
        EXPECT_TRUE(find("grdOutput")->isHidden());
        EXPECT_FALSE(reportPages().OutBuf[0].isEmpty()); // page 0 rebuilt
        EXPECT_TRUE(find("HScroll1")->isHidden());
        for (const char *b : pageButtons)
            EXPECT_FALSE(find(b)->isHidden()) << b;

        click("cmdCopyPage");
        EXPECT_EQ(fakeClipboard().text(), "second page\r\n");
        EXPECT_TRUE(logged("Output page # 2 copied to clipboard\r\n"));

        click("optDispMode_0");
        EXPECT_TRUE(find("RichTextBox1")->isHidden());
        EXPECT_FALSE(find("grdOutput")->isHidden());
        EXPECT_EQ(find("HScroll1")->isHidden(), showAll == 0);
        for (const char *b : pageButtons)
            EXPECT_TRUE(find(b)->isHidden()) << b;
    }
}

TEST_F(DesignWindow, ResultTabShowsTheScrollBarWhenAllDesignsAreShown)
{
    settings().ShowAllBlastDesign = 1;
    open();
    click("optDispMode_1");
    EXPECT_TRUE(find("HScroll1")->isHidden());
    tabs("SSTab1")->setCurrentIndex(1);
    EXPECT_FALSE(find("HScroll1")->isHidden());
}

TEST_F(DesignWindow, HelpShowsTheHint)
{
    open();
    click("cmdHelp");
    EXPECT_EQ(lastBox(), "Position the cursor on any item on the form and press F1 for context-sensitive Help");
    EXPECT_TRUE(w->isVisible());
}

TEST_F(DesignWindow, CaptionsInBothLanguages)
{
    ASSERT_EQ(DesignCaptionsFor(1).size(), 65u);
    ASSERT_EQ(DesignCaptionsFor(0).size(), 39u);

    auto caption = [this](const QString &control, int tab) -> QString {
        if (control.isEmpty())
            return w->windowTitle();
        QObject *o = w->findChild<QObject *>(control);
        if (auto *t = qobject_cast<QTabWidget *>(o))
            return t->tabText(tab);
        if (auto *b = qobject_cast<QAbstractButton *>(o))
            return b->text();
        if (auto *g = qobject_cast<QGroupBox *>(o))
            return g->title();
        if (auto *l = qobject_cast<QLabel *>(o))
            return l->text();
        ADD_FAILURE() << "no control " << control.toStdString();
        return {};
    };

    for (int english : {1, 0, 2}) {
        SCOPED_TRACE(english);
        settings().EnglishMenus = int16_t(english);
        open();
        for (const DesignCaption &c : DesignCaptions())
            EXPECT_EQ(caption(c.control, c.tab), english == 1 ? c.english : c.greek) << c.control.toStdString();
    }

    // Spot checks of the texts themselves.
    settings().EnglishMenus = 1;
    open();
    EXPECT_EQ(w->windowTitle(), "Blast Design");
    EXPECT_EQ(tabs("SSTab3")->tabText(2), "Initiation");
    EXPECT_EQ(tabs("SSTab1")->tabText(3), "Plots");
    EXPECT_EQ(caption("Label313", -1), "Initiation Cost / Blasthole:");
    EXPECT_EQ(caption("optEnausi_3", -1), "v cut");
    EXPECT_EQ(caption("Frame22", -1), "Enter coefficients as a function of diameter");

    settings().EnglishMenus = 0;
    open();
    EXPECT_EQ(w->windowTitle(), "Σχεδιασμός Ανατίναξης");
    EXPECT_EQ(tabs("SSTab3")->tabText(2), "Εναυση");
    EXPECT_EQ(caption("Label203", -1), "Συντελεστής Απ. Διατρημάτων:");
    EXPECT_EQ(caption("Label206", -1), "Συντελεστής Απ. Διατρημάτων:");
    EXPECT_EQ(caption("Label313", -1), "Κόστος Έναυσης / Διάτρημα ");
    EXPECT_EQ(caption("optProduction_1", -1), "Αριθμός Διατρημάτων (Σειρες χ Διατρήματα)");

    // Captions that are the same in both languages.
    const std::pair<const char *, const char *> fixed[] = {
        {"cmdOK", "Ok"},           {"cmdCancel", "Cancel"},        {"cmdHelp", "Help"},
        {"chkSort", "Sort Optimum"}, {"chkMaxNDelay", "Auto"},     {"optDispMode_1", "Print Mode"},
        {"cmdPrevPage", "P&revious Page"}, {"btnShow_6", "S"},     {"Label32", "mm/sec"},
        {"Label21", "*Β"},         {"Label16", "*B"},              {"Label48", "*d"},
        {"Label4", "mm"},          {"Label14", "tons"},
    };
    for (const auto &[name, text] : fixed)
        EXPECT_EQ(caption(name, -1), QString::fromUtf8(text)) << name;
}

TEST_F(DesignWindow, OpensModallyFromTheMenu)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *design = qobject_cast<frmBlastDesign *>(top); design && design->isVisible()) {
                seen = true;
                design->findChild<QLineEdit *>("txtFortio")->setText("3.5");
                design->findChild<QPushButton *>("cmdOK")->click();
            }
    });
    OpenBlastDesign(nullptr);
    EXPECT_TRUE(seen);
    EXPECT_EQ(project().BlastDesign.Burden, 3.5f);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
}
