// The Ash, Fraenkel, Konya, Langefors, Pearse and Jimeno windows.

#include "CalculatorFixture.h"
#include "calculators/AngleSketch.h"
#include "calculators/BurdenEquations.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {

enum { Ash = 1, Fraenkel = 2, Konya = 3, Langefors = 4, Pearse = 5, Jimeno = 6 };

using Texts = std::vector<std::pair<const char *, const char *>>;

class CalculatorWindows : public CalculatorTest {
protected:
    static void expectTexts(QWidget *w, const Texts &expected)
    {
        for (const auto &[name, value] : expected)
            EXPECT_EQ(text(w, QString::fromLatin1(name)), QString::fromUtf8(value)) << name;
    }
    static QString caption(QWidget *w, const QString &control, int tab)
    {
        if (control.isEmpty())
            return w->windowTitle();
        QObject *o = w->findChild<QObject *>(control);
        if (auto *t = qobject_cast<QTabWidget *>(o))
            return t->tabText(tab);
        if (auto *g = qobject_cast<QGroupBox *>(o))
            return g->title();
        if (auto *l = qobject_cast<QLabel *>(o))
            return l->text();
        if (auto *b = qobject_cast<QPushButton *>(o))
            return b->text();
        if (auto *list = qobject_cast<QComboBox *>(o))
            return list->itemText(tab);
        ADD_FAILURE() << control.toStdString();
        return {};
    }
    static QTabWidget *tabs(QWidget *w) { return child<QTabWidget>(w, "SSTab1"); }
};

TEST_F(CalculatorWindows, CaptionsAndLoadLinesInBothLanguages)
{
    struct Cap { const char *control; int tab; const char *english, *greek; };
    const struct { int index; const char *name; const char *logName /* nullptr: nothing logged */; std::vector<Cap> caps; } windows[] = {
        {Ash, "frmAsh", "Ash",
         {{"", -1, "Empirical Burden Calculations by Ash", "Εμπειρική Εξίσωση του Ash"},
          {"SSTab1", 0, "Calculation of Effective Burden", "Υπολογισμός Ενεργού Φορτίου"},
          {"SSTab1", 1, "Calculation of Burden Coefficient", "Υπολογισμός Συντελεστή Φορτίου Κβ"},
          {"frmInput1", -1, "Input Data", "Εισαγωγή Δεδομένων"},
          {"frmResults2", -1, "Results", "Αποτελέσματα"},
          {"frmInput2", -1, "Input Data", "Εισαγωγή Δεδομένων"},
          {"Label2", -1, "Burden Coefficient:", "Συντελεστής Φορτίου Κβ:"},
          {"Label11", -1, "Explosive Density:", "Πυκνότητα Χρησιμοποιούμενου Εκρηκτικού:"}}},
        {Fraenkel, "frmFraenkel", "Fraenkel",
         {{"", -1, "Empirical Burden Calculations by Fraenkel", "Εμπειρική Εξίσωση του Fraenkel"},
          {"frmInput", -1, "Input Data", "Εισαγωγή Δεδομένων"},
          {"Label4", -1, "Resistence to Blasting:", "Αντίσταση στην Έκρηξη:"},
          {"Label9", -1, "Burden:", "Φορτίο:"}}},
        {Konya, "frmKonya", "Konya",
         {{"", -1, "Empirical Burden Calculations by Konya", "Εμπειρική Εξίσωση του Konya"},
          {"frmResults", -1, "Results", "Αποτελέσματα"},
          {"Label1", -1, "Blasthole Diameter:", "Διάμετρος της Εκρηκτικής Στήλης:"},
          {"Label14", -1, "Constant:", "Σταθερά:"},
          {"cmdConst", -1, "Constant", "Constant"}}},
        {Langefors, "frmLangefors", nullptr,
         {{"", -1, "Empirical Burden Calculations by Langefors", "Εμπειρική Εξίσωση του Langefors"},
          {"frmEisagogiLangefors", -1, "Input Data", "Εισαγωγή Δεδομένων"},
          {"frmApotelesmataLangefors", -1, "Results", "Αποτελέσματα"},
          {"lblDiametros", -1, "Blasthole Diameter:", "Διάμετρος Διατρήματος:"},
          {"Label6", -1, "Drillhole Inclination Coefficient:", "Συντελεστής Κλίσης Διατρήματος:"},
          {"Label8", -1, "Maximum Burden:", "Μέγιστο Φορτίο:"},
          {"cmbSyntelestis", 2, "Hole Incl. oo:1", "κλίση oo:1"},
          {"lblSxedio", -1, "Hole Incl. = 90", "Κλίση Διατρ. 90"}}},
        {Pearse, "frmPearse", "Pearse",
         {{"", -1, "Empirical Burden Calculations by Pearse", "Εμπειρική Εξίσωση του Pearse"},
          {"Label2", -1, "Blasting Coefficient:", "Συντελεστής Ανατίναξης:"},
          {"Label4", -1, "Tensile Strength of Rock:", "Αντοχή Πετρώματος σε Εφελκυσμό:"}}},
        {Jimeno, "frmJimeno", nullptr,
         {{"", -1, "Εμπειρική Εξίσωση του Jimeno", "Εμπειρική Εξίσωση του Jimeno"},
          {"SSTab1", 1, "Calculation of Burden Coefficient", "Υπολογισμός Συντελεστή F"},
          {"frsEisagogiAsh", -1, "Input Data", "Εισαγωγή Δεδομένων"},
          {"frsApotelesmataKb", -1, "Results", "Αποτελέσματα"},
          {"Label28", -1, "Reference Rock Seismic Velocity:", "Σεισμική Ταχύτητα Πετρώματος Αναφοράς:"},
          {"Label14", -1, "Burden Coefficient:", "Συντελεστής F:"}}},
    };
    for (const auto &win : windows) {
        for (const int16_t english : {1, 0}) {
            SCOPED_TRACE(std::string(win.name) + (english ? " English" : " Greek"));
            settings().EnglishMenus = english;
            m_logStart = historyLog().text().size();
            QWidget *w = open(win.index);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->objectName(), win.name);
            for (const Cap &c : win.caps)
                EXPECT_EQ(caption(w, QString::fromLatin1(c.control), c.tab), QString::fromUtf8(english ? c.english : c.greek))
                    << c.control;
            const QString logLine =
                !win.logName ? QString()
                             : QString::number(messageState().MsgCounter) + ". " +
                                   (english ? QString::fromLatin1(win.logName) + " Burden Calculations."
                                            : QString::fromUtf8("Υπολογισμός φορτίου κατά ") + win.logName + ".") +
                                   "\r\n";
            EXPECT_EQ(newLog(), logLine);
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
            child<QPushButton>(w, "btnCancel")->click();

            // Loaded hidden for its result in the other language, then opened after the
            // language changed: every caption, the list included, is in the new one.
            settings().EnglishMenus = int16_t(1 - english);
            w = LoadCalculator(win.index);
            settings().EnglishMenus = english;
            bool seen = false;
            QTimer::singleShot(0, w, [&] {
                seen = w->isVisible();
                for (const Cap &c : win.caps)
                    EXPECT_EQ(caption(w, QString::fromLatin1(c.control), c.tab),
                              QString::fromUtf8(english ? c.english : c.greek))
                        << "opened later: " << c.control;
                if (auto *list = w->findChild<QComboBox *>("cmbSyntelestis")) {
                    EXPECT_EQ(list->currentIndex(), 2);
                    EXPECT_EQ(text(w, "txtFortio"), "5.05");
                }
                child<QPushButton>(w, "btnCancel")->click();
            });
            OpenCalculator(win.index, nullptr);
            EXPECT_TRUE(seen);
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        }
    }
}

TEST_F(CalculatorWindows, DefaultProjectResults)
{
    const struct { int index; Texts texts; } cases[] = {
        {Ash, {{"txtDiametros", "4"}, {"txtKb", "25.54"}, {"txtSyntelestis", "25.54"}, {"txtFortio", "8.51"},
               {"txtFortioM", "2.59"}, {"Label4", "10.16 cm"}, {"txtEidvar0", "2.57"}, {"txtTaxytita1", "3100"}}},
        {Fraenkel, {{"txtDiametros", "100"}, {"txtMikos", "10"}, {"txtYpsos", "7"}, {"txtAntistasi", "2"},
                    {"txtFortio", "5.70"}}},
        {Konya, {{"txtStathera", "3.59"}, {"txtFortio", "9.96"}, {"txtFortioM", "3.04"}, {"Label11", "10.16 cm"}}},
        {Langefors, {{"txtVathmos", "1.2"}, {"txtStathera", "0.45"}, {"txtFortio", "5.05"},
                     {"lblSyntelestis", "f=1.00"}, {"lblSxedio", "Hole Incl. = 90"}}},
        {Pearse, {{"txtSyntelestis", "1"}, {"txtFortio", "2.58"}, {"Label12", "1160320 psi"}, {"Label13", "1740.48 psi"}}},
        {Jimeno, {{"txtKb", "1.00"}, {"txtSyntelestis", "1.00"}, {"txtFortio", "3.04"}, {"Label7", "9.97 ft"},
                  {"Label4", "10.16 cm"}, {"txtTaxytita2b", "3660"}}},
    };
    settings().EnglishMenus = 1;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        QWidget *w = open(c.index);
        expectTexts(w, c.texts);
        EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    }
    EXPECT_EQ(project().AshKb, 30.0f); // the computed coefficient is stored only by OK
    EXPECT_EQ(project().JimenoCoef, 1.0f);
}

TEST_F(CalculatorWindows, ChecksOfEachWindow)
{
    const char *range = "\r\n\r\nValue '%1' is outside input range\r\n\r\nValid range is: %2";
    const struct { int index; const char *box, *typed, *message /* nullptr: passes */, *range; const char *fortio; } cases[] = {
        {Ash, "txtDiametros", "20", nullptr, nullptr, "42.57"},
        {Ash, "txtDiametros", "20.5", "Hole Diameter: ", "0-20", "8.51"},
        {Ash, "txtDiametros", "", "Hole Diameter: \r\n\r\nBlank field not allowed", nullptr, "8.51"},
        {Ash, "txtEidvar1", "0", nullptr, nullptr, "8.51"}, // txtKb keeps its text
        {Fraenkel, "txtYpsos", "10", nullptr, nullptr, "6.34"},
        {Fraenkel, "txtYpsos", "10.5", "Charge Length: ", "0-10", "5.70"},
        {Fraenkel, "txtAntistasi", "0.5", "Blasting Resistence: ", "1-6", "5.70"},
        {Fraenkel, "txtDiametros", "0", nullptr, nullptr, "0.00"},
        {Konya, "txtEidvarPe", "0", nullptr, nullptr, "9.96"},
        {Konya, "txtEidvarek", "0", nullptr, nullptr, "0.00"},
        {Konya, "txtEidvarPe", "-1", "Rock density must be positive!", nullptr, "9.96"},
        {Langefors, "txtVathmos", "1.6", nullptr, nullptr, "5.83"},
        {Langefors, "txtVathmos", "1.61", "Explosive compaction must be positive!", nullptr, "5.05"},
        {Pearse, "txtSyntelestis", "1.25", "Blasting Coefficient: ", "0.7-1.2", "2.58"},
        {Jimeno, "txtEidvar2b", "-1", "Density must be positive!", nullptr, "3.04"},
    };
    settings().EnglishMenus = 1;
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        QWidget *w = open(c.index);
        QLineEdit *b = box(w, QString::fromLatin1(c.box));
        if (auto *t = w->findChild<QTabWidget *>("SSTab1"))
            t->setCurrentWidget(t->widget(t->indexOf(t->widget(0)->isAncestorOf(b) ? t->widget(0) : t->widget(1))));
        fakeMessageBox().boxes.clear();
        b->setText(QString::fromUtf8(c.typed)); // as pasted: one change
        QString expected;
        if (c.message)
            expected = QString::fromUtf8(c.message) +
                       (c.range ? QString::fromLatin1(range).arg(QString::fromUtf8(c.typed), c.range) : QString());
        EXPECT_EQ(boxTexts().isEmpty() ? QString() : boxTexts().last(), expected);
        if (c.message) {
            EXPECT_EQ(w->focusWidget(), b);
            EXPECT_EQ(b->selectedText(), QString::fromUtf8(c.typed));
        }
        EXPECT_EQ(text(w, "txtFortio"), QString::fromLatin1(c.fortio));
        UnloadAllCalculators();
    }
}

TEST_F(CalculatorWindows, TwoTabCascadeAndCrossTabCheck)
{
    const struct {
        int index;
        const char *tab1Box, *tab1Value, *coefficient, *burden, *zeroDivisor, *zeroBurden, *badBox, *badMessage;
        float ProjectState::*storedCoefficient;
    } cases[] = {
        {Ash, "txtTaxytita1", "3100", "25.54", "8.51", "txtEidvar1", "10.00", "txtTaxytita0",
         "Detonation velocity must be positive!", &ProjectState::AshKb},
        {Jimeno, "txtEidvar2b", "1.3", "1.00", "3.04", "txtEidvar1b", "3.04", "txtTaxytita1a",
         "Detonation velocity must be positive!", &ProjectState::JimenoCoef},
    };
    settings().EnglishMenus = 1;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        // A zero divisor on tab 1: the burden stays the one of the stored coefficient.
        project().AshRockSG = 0;
        project().JimenoE1b = 0;
        QWidget *w = open(c.index);
        EXPECT_EQ(text(w, "txtKb"), "");
        EXPECT_EQ(text(w, "txtSyntelestis"), c.index == Ash ? "30" : "1");
        EXPECT_EQ(text(w, "txtFortio"), QString::fromLatin1(c.zeroBurden));
        EXPECT_EQ(tabs(w)->currentIndex(), 0);
        UnloadAllCalculators();
        ResetProjectDefaults(255, 255);

        w = open(c.index);
        // A coefficient typed on tab 0 recomputes the burden ...
        retype(box(w, "txtSyntelestis"), "2");
        EXPECT_NE(text(w, "txtFortio"), QString::fromLatin1(c.burden));
        // ... until a change on tab 1 overwrites it with the computed one.
        tabs(w)->setCurrentIndex(1);
        retype(box(w, QString::fromLatin1(c.tab1Box)), QString::fromLatin1(c.tab1Value));
        EXPECT_EQ(text(w, "txtSyntelestis"), QString::fromLatin1(c.coefficient));
        EXPECT_EQ(text(w, "txtFortio"), QString::fromLatin1(c.burden));

        // A bad box on tab 1 stops typing on tab 0 too, and comes forward with its text selected.
        QLineEdit *bad = box(w, QString::fromLatin1(c.badBox));
        retype(bad, "-5");
        tabs(w)->setCurrentIndex(0);
        fakeMessageBox().boxes.clear();
        retype(box(w, "txtDiametros"), "5");
        EXPECT_EQ(boxTexts(), QStringList{QString::fromUtf8(c.badMessage)});
        EXPECT_EQ(tabs(w)->currentIndex(), 1);
        EXPECT_EQ(w->focusWidget(), bad);
        EXPECT_EQ(bad->selectedText(), "-5");
        EXPECT_EQ(text(w, "txtFortio"), QString::fromLatin1(c.burden));
        bad->setText("3000");
        EXPECT_EQ(project().*c.storedCoefficient, c.index == Ash ? 30.0f : 1.0f);
        child<QPushButton>(w, "btnOk")->click();
        EXPECT_EQ(project().*c.storedCoefficient, text(w, "txtSyntelestis").toFloat());
        UnloadAllCalculators();
        ResetProjectDefaults(255, 255);

        // A stored value that fails a check shows its message once per computation.
        fakeMessageBox().boxes.clear();
        project().AshVodRef = -1;
        project().JimenoT1a = -1;
        w = LoadCalculator(c.index);
        EXPECT_EQ(boxTexts(), QStringList(2, QString::fromUtf8(c.badMessage)));
        w->show();
        EXPECT_EQ(tabs(w)->currentIndex(), 1);
        EXPECT_EQ(w->focusWidget(), box(w, c.index == Ash ? "txtTaxytita0" : "txtTaxytita1a"));
        UnloadAllCalculators();
        ResetProjectDefaults(255, 255);
    }
}

TEST_F(CalculatorWindows, KonyaConstantUnlocksTheConstant)
{
    QWidget *w = open(Konya);
    QLineEdit *k = box(w, "txtStathera");
    auto *button = child<QPushButton>(w, "cmdConst");
    EXPECT_FALSE(k->isEnabled());
    button->click();
    EXPECT_TRUE(k->isEnabled());
    retype(k, "4");
    EXPECT_EQ(text(w, "txtFortio"), "11.09");
    retype(k, "abc"); // the constant has no check: it counts as 0
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_EQ(text(w, "txtFortio"), "0.00");
    EXPECT_EQ(text(w, "txtFortioM"), "0.00");
    retype(k, "3.5");
    button->click();
    EXPECT_FALSE(k->isEnabled());
    EXPECT_EQ(k->text(), "3.5");
    child<QPushButton>(w, "btnOk")->click();
    EXPECT_EQ(project().KonyaConst, 3.5f);
    EXPECT_TRUE(newLog().endsWith(". Konya Parameters Modified\r\n"));
}

TEST_F(CalculatorWindows, LangeforsListAndSketch)
{
    for (const int16_t english : {1, 0}) {
        SCOPED_TRACE(english);
        settings().EnglishMenus = english;
        QWidget *w = open(Langefors);
        auto *list = child<QComboBox>(w, "cmbSyntelestis");
        auto *pic = child<AngleSketch>(w, "pic");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->itemText(0), english ? "Hole Incl. 3:1" : QString::fromUtf8("κλίση 3:1"));
        EXPECT_EQ(list->currentIndex(), 2);
        pic->resize(120, 140);
        const struct { int item; const char *factor, *caption, *fortio; int angle; } choices[] = {
            {0, "f=0.90", "Hole Incl. = 72", "5.32", 72},
            {1, "f=0.85", "Hole Incl. = 63", "5.47", 63},
            {2, "f=1.00", "Hole Incl. = 90", "5.05", 90},
        };
        for (const auto &c : choices) {
            list->setCurrentIndex(c.item);
            EXPECT_EQ(text(w, "lblSyntelestis"), c.factor);
            EXPECT_EQ(text(w, "lblSxedio"),
                      english ? QString::fromLatin1(c.caption) : QString::fromUtf8("Κλίση Διατρ. %1").arg(c.angle));
            EXPECT_EQ(text(w, "txtFortio"), c.fortio);
            // The whole sketch is mapped inside the picture, never clipped.
            const QTransform t = pic->mapping();
            for (const QLineF &l : pic->diagram().lines) {
                EXPECT_TRUE(pic->rect().contains(t.map(l.p1()).toPoint()));
                EXPECT_TRUE(pic->rect().contains(t.map(l.p2()).toPoint()));
            }
        }
        list->setCurrentIndex(1);
        child<QPushButton>(w, "btnOk")->click();
        EXPECT_EQ(project().LangeforsFixation, 0.85f);
        ResetProjectDefaults(255, 255);
    }
    EXPECT_FALSE(newLog().contains("Langefors Burden Calculations"));

    // Stored factors: the item is found in single precision; any other value selects none.
    const struct { float stored; int item; const char *factor, *fortio; } stored[] = {
        {0.9f, 0, "f=0.90", "5.32"}, {0.95f, -1, "    ", ""}};
    settings().EnglishMenus = 1;
    for (const auto &s : stored) {
        project().LangeforsFixation = s.stored;
        QWidget *w = open(Langefors);
        EXPECT_EQ(child<QComboBox>(w, "cmbSyntelestis")->currentIndex(), s.item);
        expectTexts(w, {{"lblSyntelestis", s.factor}, {"txtFortio", s.fortio}});
        child<QPushButton>(w, "btnOk")->click();
        EXPECT_EQ(project().LangeforsFixation, s.stored);
    }
}

TEST_F(CalculatorWindows, PearseSpinButtons)
{
    QWidget *w = open(Pearse);
    auto *spn = child<QWidget>(w, "spnSyntelestis");
    QToolButton *up = nullptr, *down = nullptr;
    for (auto *b : spn->findChildren<QToolButton *>())
        (b->arrowType() == Qt::UpArrow ? up : down) = b;
    ASSERT_TRUE(up && down);
    QLineEdit *k = box(w, "txtSyntelestis");
    const struct { const char *from; bool up; const char *to, *fortio; } steps[] = {
        {"1", false, "0.9", "2.32"}, {"0.7", false, "0.7", "1.81"}, {"1.1", true, "1.2", "3.10"},
        {"1.2", true, "1.2", "3.10"}, {"0.85", true, "1.0", "2.58"},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(std::string(s.from) + (s.up ? " up" : " down"));
        k->setText(QString::fromLatin1(s.from));
        (s.up ? up : down)->click();
        EXPECT_EQ(k->text(), s.to);
        EXPECT_EQ(text(w, "txtFortio"), s.fortio);
    }
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

TEST_F(CalculatorWindows, CancelStoresNothingAndOkCommits)
{
    const struct { int index; const char *box, *typed; float ProjectState::*field; float before, after; const char *name; } cases[] = {
        {Ash, "txtDiametros", "5", &ProjectState::AshDiam, 4, 5, "Ash"},
        {Fraenkel, "txtMikos", "12", &ProjectState::FraenkelHoleLen, 10, 12, "Fraenkel"},
        {Konya, "txtEidvarek", "1.1", &ProjectState::KonyaExplSG, 0.9f, 1.1f, "Konya"},
        {Langefors, "txtLogos", "1.5", &ProjectState::LangeforsSpacingRatio, 1.25f, 1.5f, "Langefors"},
        {Pearse, "txtAntoxi", "10", &ProjectState::PearseTensile, 12, 10, "Pearse"},
        {Jimeno, "txtTaxytita2a", "3000", &ProjectState::JimenoT2a, 3660, 3000, "Jimeno"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool ok : {false, true}) {
            flags().ProjectSaved = kTrue;
            QWidget *w = open(c.index);
            if (auto *t = w->findChild<QTabWidget *>("SSTab1"); t && QString(c.box) != "txtDiametros")
                t->setCurrentIndex(1);
            retype(box(w, QString::fromLatin1(c.box)), QString::fromLatin1(c.typed));
            child<QPushButton>(w, ok ? "btnOk" : "btnCancel")->click();
            EXPECT_EQ(LoadedCalculator(c.index), nullptr);
            EXPECT_EQ(project().*c.field, ok ? c.after : c.before);
            EXPECT_EQ(flags().ProjectSaved, ok ? kFalse : kTrue);
            EXPECT_EQ(newLog().endsWith(QString(". %1 Parameters Modified\r\n").arg(c.name)), ok);
        }
    }
}

} // namespace

namespace {

// Odd texts in every box of every window: nothing breaks, and no result, coefficient or
// echo ever shows a value that is not a finite number.
TEST_F(CalculatorWindows, OddTextsNeverShowANonFiniteValue)
{
    const QString odd[] = {"", "-", ".", "1e39", "-1e39", "1e400", "-1e400", "NaN", "inf", "-inf",
                           QString(5000, '9'), "1" + QString(400, '0') + "e-10", "3.4e38", "1e-400"};
    settings().EnglishMenus = 1;
    for (const int index : {Ash, Fraenkel, Konya, Langefors, Pearse, Jimeno}) {
        QWidget *w = open(index);
        ASSERT_NE(w, nullptr);
        const QList<QLineEdit *> boxes = w->findChildren<QLineEdit *>();
        int inputs = 0;
        for (QLineEdit *typed : boxes) {
            if (typed->isReadOnly())
                continue;
            ++inputs;
            const QString before = typed->text();
            for (const QString &t : odd) {
                SCOPED_TRACE(w->objectName().toStdString() + " " + typed->objectName().toStdString() + " " +
                             t.left(20).toStdString());
                typed->setEnabled(true);
                typed->setText(t);
                for (QLineEdit *shown : boxes) {
                    if (shown == typed)
                        continue;
                    EXPECT_FALSE(shown->text().contains("inf", Qt::CaseInsensitive) ||
                                 shown->text().contains("nan", Qt::CaseInsensitive))
                        << shown->objectName().toStdString() << " " << shown->text().toStdString();
                }
                for (QLabel *label : w->findChildren<QLabel *>())
                    EXPECT_FALSE(label->text().contains("inf", Qt::CaseInsensitive))
                        << label->objectName().toStdString();
                const QString result = text(w, "txtFortio");
                EXPECT_TRUE(result.isEmpty() || std::isfinite(result.toDouble())) << result.toStdString();
            }
            typed->setText(before);
        }
        EXPECT_EQ(inputs, int(CalculatorDefinition(index)->boxes.size()));
        UnloadAllCalculators();
        fakeMessageBox().boxes.clear();
    }
}

} // namespace
