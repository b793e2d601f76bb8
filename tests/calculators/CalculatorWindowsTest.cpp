// The seven burden calculator windows: load, captions, checks, commit and cancel, and
// what only one of them has (keystroke echoes, the two tabs, a constant, a list, spin
// buttons).

#include "CalculatorFixture.h"
#include "calculators/AngleSketch.h"
#include "calculators/BurdenEquations.h"

#include "core/Services.h"
#include "platform/QtServices.h"

#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {

enum { Anderson = 0, Ash = 1, Fraenkel = 2, Konya = 3, Langefors = 4, Pearse = 5, Jimeno = 6 };

using Texts = std::vector<std::pair<const char *, const char *>>;

class CalculatorWindows : public CalculatorTest {
protected:
    static void expectTexts(QWidget *w, const Texts &expected)
    {
        for (const auto &[name, value] : expected)
            EXPECT_EQ(text(w, name), QString::fromUtf8(value)) << name;
    }
    static QString caption(QWidget *w, const char *control, int tab)
    {
        if (!*control)
            return w->windowTitle();
        QObject *o = Child<QObject>(w, control);
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
        ADD_FAILURE() << control;
        return {};
    }
    static QTabWidget *tabs(QWidget *w) { return child<QTabWidget>(w, "SSTab1"); }
    // Brings forward the tab that holds the box (two-tab windows).
    static void reveal(QWidget *w, QLineEdit *box)
    {
        if (auto *t = Child<QTabWidget>(w, "SSTab1"))
            t->setCurrentIndex(t->widget(0)->isAncestorOf(box) ? 0 : 1);
    }
};

TEST_F(CalculatorWindows, StoredValuesAndCaptionsInBothLanguages)
{
    struct Cap { const char *control; int tab; const char *english, *greek; };
    const struct {
        int index;
        const char *name, *logName; // logName nullptr: nothing logged
        std::vector<Cap> caps;
        Texts texts; // the boxes and echoes of a new project
    } windows[] = {
        {Anderson, "frmAnderson", "Anderson",
         {{"", -1, "Empirical Burden Calculations by Anderson", "Εμπειρική Εξίσωση του Anderson"},
          {"Label1", -1, "Blasthole Diameter:", "Διάμετρος Διατρήματος:"}},
         {{"txtDiametros", "4"}, {"txtMikos", "30"}, {"txtFortio", "10.95"}, {"Label7", "10.16 cm"},
          {"Label8", "9.14 m"}, {"Label9", "3.34 m"}}},
        {Ash, "frmAsh", "Ash",
         {{"", -1, "Empirical Burden Calculations by Ash", "Εμπειρική Εξίσωση του Ash"},
          {"SSTab1", 0, "Calculation of Effective Burden", "Υπολογισμός Ενεργού Φορτίου"},
          {"SSTab1", 1, "Calculation of Burden Coefficient", "Υπολογισμός Συντελεστή Φορτίου Κβ"},
          {"Label11", -1, "Explosive Density:", "Πυκνότητα Χρησιμοποιούμενου Εκρηκτικού:"}},
         {{"txtDiametros", "4"}, {"txtKb", "25.54"}, {"txtSyntelestis", "25.54"}, {"txtFortio", "8.51"},
          {"txtFortioM", "2.59"}, {"Label4", "10.16 cm"}, {"txtEidvar0", "2.57"}, {"txtTaxytita1", "3100"}}},
        {Fraenkel, "frmFraenkel", "Fraenkel",
         {{"", -1, "Empirical Burden Calculations by Fraenkel", "Εμπειρική Εξίσωση του Fraenkel"},
          {"Label4", -1, "Resistence to Blasting:", "Αντίσταση στην Έκρηξη:"}},
         {{"txtDiametros", "100"}, {"txtMikos", "10"}, {"txtYpsos", "7"}, {"txtAntistasi", "2"}, {"txtFortio", "5.70"}}},
        {Konya, "frmKonya", "Konya",
         {{"", -1, "Empirical Burden Calculations by Konya", "Εμπειρική Εξίσωση του Konya"},
          {"cmdConst", -1, "Constant", "Constant"}},
         {{"txtStathera", "3.59"}, {"txtFortio", "9.96"}, {"txtFortioM", "3.04"}, {"Label11", "10.16 cm"}}},
        {Langefors, "frmLangefors", nullptr,
         {{"", -1, "Empirical Burden Calculations by Langefors", "Εμπειρική Εξίσωση του Langefors"},
          {"frmApotelesmataLangefors", -1, "Results", "Αποτελέσματα"},
          {"cmbSyntelestis", 2, "Hole Incl. oo:1", "κλίση oo:1"},
          {"lblSxedio", -1, "Hole Incl. = 90", "Κλίση Διατρ. 90"}},
         {{"txtVathmos", "1.2"}, {"txtStathera", "0.45"}, {"txtFortio", "5.05"}, {"lblSyntelestis", "f=1.00"}}},
        {Pearse, "frmPearse", "Pearse",
         {{"", -1, "Empirical Burden Calculations by Pearse", "Εμπειρική Εξίσωση του Pearse"},
          {"Label4", -1, "Tensile Strength of Rock:", "Αντοχή Πετρώματος σε Εφελκυσμό:"}},
         {{"txtSyntelestis", "1"}, {"txtFortio", "2.58"}, {"Label12", "1160320 psi"}, {"Label13", "1740.48 psi"}}},
        {Jimeno, "frmJimeno", nullptr,
         {{"", -1, "Εμπειρική Εξίσωση του Jimeno", "Εμπειρική Εξίσωση του Jimeno"},
          {"SSTab1", 1, "Calculation of Burden Coefficient", "Υπολογισμός Συντελεστή F"},
          {"frsApotelesmataKb", -1, "Results", "Αποτελέσματα"},
          {"Label14", -1, "Burden Coefficient:", "Συντελεστής F:"}},
         {{"txtKb", "1.00"}, {"txtSyntelestis", "1.00"}, {"txtFortio", "3.04"}, {"Label7", "9.97 ft"},
          {"Label4", "10.16 cm"}, {"txtTaxytita2b", "3660"}}},
    };
    for (const auto &win : windows) {
        for (const int16_t english : {1, 0}) {
            SCOPED_TRACE(std::string(win.name) + (english ? " English" : " Greek"));
            const auto expectWindow = [&](QWidget *w) {
                for (const Cap &c : win.caps)
                    EXPECT_EQ(caption(w, c.control, c.tab), QString::fromUtf8(english ? c.english : c.greek))
                        << c.control;
                expectTexts(w, win.texts);
                if (auto *list = Child<QComboBox>(w, "cmbSyntelestis"))
                    EXPECT_EQ(list->currentIndex(), 2);
            };
            settings().EnglishMenus = english;
            m_logStart = historyLog().text().size();
            QWidget *w = open(win.index);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->objectName(), win.name);
            expectWindow(w);
            const QString logLine =
                !win.logName ? QString()
                             : QString::number(messageState().MsgCounter) + ". " +
                                   (english ? QString::fromLatin1(win.logName) + " Burden Calculations."
                                            : QString::fromUtf8("Υπολογισμός φορτίου κατά ") + win.logName + ".") +
                                   "\r\n";
            EXPECT_EQ(newLog(), logLine);
            Click(w, "btnCancel");

            // Loaded hidden for its result in the other language, then opened after the
            // language changed: every caption, the list included, is in the new one.
            settings().EnglishMenus = int16_t(1 - english);
            w = LoadCalculator(win.index);
            settings().EnglishMenus = english;
            bool seen = false;
            QTimer::singleShot(0, w, [&] {
                seen = w->isVisible();
                SCOPED_TRACE("opened later");
                expectWindow(w);
                Click(w, "btnCancel");
            });
            OpenCalculator(win.index, nullptr);
            EXPECT_TRUE(seen);
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        }
    }
    EXPECT_EQ(project().AshKb, 30.0f); // the computed coefficient is stored only by OK
    EXPECT_EQ(project().JimenoCoef, 1.0f);
}

TEST_F(CalculatorWindows, AndersonRecomputesAtEveryKeystroke)
{
    QWidget *w = open(Anderson);
    QLineEdit *d = child(w, "txtDiametros");
    QLineEdit *L = child(w, "txtMikos");
    const char *notNumeric = "One of the input values is not numeric!";
    const struct { QLineEdit *box; const char *keys, *boxText, *fortio, *label7, *label8, *label9, *message; } steps[] = {
        {L, "\b\b", "", "0.00", "10.16 cm", "0.00 m", "0.00 m", nullptr}, // empty counts as 0
        {L, "45", "45", "13.42", "10.16 cm", "13.72 m", "4.09 m", nullptr},
        {L, "x", "45x", "13.42", "10.16 cm", "0.00 m", "4.09 m", notNumeric},
        {L, "\b", "45", "13.42", "10.16 cm", "13.72 m", "4.09 m", nullptr},
        {d, "\b", "", "0.00", "0.00 cm", "13.72 m", "0.00 m", nullptr},
        {d, ".", ".", "0.00", "0.00 cm", "13.72 m", "0.00 m", notNumeric},
        {d, "5", ".5", "4.74", "1.27 cm", "13.72 m", "1.44 m", nullptr},
        {d, "e", ".5e", "4.74", "0.00 cm", "13.72 m", "1.44 m", notNumeric},
        {d, "1", ".5e1", "15.00", "12.70 cm", "13.72 m", "4.57 m", nullptr},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(std::string(s.boxText));
        fakeMessageBox().boxes.clear();
        typeKeys(s.box, QString::fromUtf8(s.keys));
        EXPECT_EQ(s.box->text(), QString::fromUtf8(s.boxText));
        EXPECT_EQ(QStringList({text(w, "txtFortio"), text(w, "Label7"), text(w, "Label8"), text(w, "Label9")}),
                  QStringList({s.fortio, s.label7, s.label8, s.label9}));
        EXPECT_EQ(MessageTexts(), s.message ? QStringList{QString::fromUtf8(s.message)} : QStringList{});
    }
    // The window's own messages are not logged; only the load line is there.
    EXPECT_EQ(newLog().count("\r\n"), 1);
}

// A value pasted into a box: the first failing check shows its message and selects its
// box, the result keeps its text; OK then shows the message again and stays open.
TEST_F(CalculatorWindows, ChecksOfEachWindow)
{
    const char *range = "\r\n\r\nValue '%1' is outside input range\r\n\r\nValid range is: %2";
    const struct { int index; int16_t english; const char *box, *typed, *message /* nullptr: passes */, *range, *fortio; } cases[] = {
        {Anderson, 1, "txtDiametros", "-2", "Blasthole diameter must be positive!", nullptr, "10.95"},
        {Anderson, 0, "txtMikos", "-5", "Το μήκος πρέπει να είναι Θετικό!", nullptr, "10.95"},
        {Anderson, 0, "txtMikos", "x", "Κάποια τιμή δέν έχει αριθμητική μορφή!", nullptr, "10.95"},
        {Ash, 1, "txtDiametros", "20.5", "Hole Diameter: ", "0-20", "8.51"},
        {Ash, 1, "txtDiametros", "", "Hole Diameter: \r\n\r\nBlank field not allowed", nullptr, "8.51"},
        {Ash, 1, "txtEidvar1", "0", nullptr, nullptr, "8.51"}, // txtKb keeps its text
        {Fraenkel, 1, "txtYpsos", "10.5", "Charge Length: ", "0-10", "5.70"},
        {Fraenkel, 1, "txtAntistasi", "0.5", "Blasting Resistence: ", "1-6", "5.70"},
        {Konya, 1, "txtEidvarek", "0", nullptr, nullptr, "0.00"},
        {Konya, 1, "txtEidvarPe", "-1", "Rock density must be positive!", nullptr, "9.96"},
        {Langefors, 1, "txtVathmos", "1.61", "Explosive compaction must be positive!", nullptr, "5.05"},
        {Pearse, 1, "txtSyntelestis", "1.25", "Blasting Coefficient: ", "0.7-1.2", "2.58"},
        {Jimeno, 1, "txtEidvar2b", "-1", "Density must be positive!", nullptr, "3.04"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        settings().EnglishMenus = c.english;
        QWidget *w = open(c.index);
        QLineEdit *b = child(w, c.box);
        reveal(w, b);
        fakeMessageBox().boxes.clear();
        b->setText(QString::fromUtf8(c.typed)); // as pasted: one change
        EXPECT_EQ(text(w, "txtFortio"), QString::fromLatin1(c.fortio));
        if (!c.message) {
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
            UnloadAllCalculators();
            continue;
        }
        const QString expected = QString::fromUtf8(c.message) +
                                 (c.range ? QString::fromLatin1(range).arg(QString::fromUtf8(c.typed), c.range) : QString());
        EXPECT_EQ(MessageTexts(), QStringList{expected});
        EXPECT_EQ(fakeMessageBox().boxes.last().buttons, mb::Critical | mb::OkOnly);
        if (QString(c.typed) != "x") { // "not numeric" leaves the focus where it is
            EXPECT_EQ(w->focusWidget(), b);
            EXPECT_EQ(b->selectedText(), QString::fromUtf8(c.typed));
        }
        fakeMessageBox().boxes.clear();
        Click(w, "btnOk");
        EXPECT_EQ(MessageTexts(), QStringList{expected});
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(LoadedCalculator(c.index), w);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
        UnloadAllCalculators();
    }
}

// A stored value that fails a check (as from a hand-edited project file): the hidden load
// shows its message once per computation and computes nothing; the window still opens,
// modally, with the failing box in front, focused and selected, and OK takes the mended value.
TEST_F(CalculatorWindows, AStoredValueFailingACheckAtTheLoad)
{
    const struct {
        int index;
        float ProjectState::*field;
        const char *message;
        int messages;
        const char *box, *mended, *fortio;
    } cases[] = {
        {Anderson, &ProjectState::AndersonHoleLen, "Blasthole length must be positive!", 1, "txtMikos", "3", "3.46"},
        {Ash, &ProjectState::AshVodRef, "Detonation velocity must be positive!", 2, "txtTaxytita0", "3000", "9.79"},
        {Jimeno, &ProjectState::JimenoT1a, "Detonation velocity must be positive!", 2, "txtTaxytita1a", "3000", "2.89"},
    };
    settings().EnglishMenus = 1;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.box);
        ResetProjectDefaults(255, 255);
        project().*c.field = -3;
        fakeMessageBox().boxes.clear();
        EXPECT_EQ(CalculatorResultText(c.index), "");
        EXPECT_EQ(MessageTexts(), QStringList(c.messages, QString::fromUtf8(c.message)));
        QWidget *w = LoadedCalculator(c.index);
        ASSERT_NE(w, nullptr);
        QTimer::singleShot(0, w, [&] {
            EXPECT_TRUE(w->isVisible() && w->isModal());
            QLineEdit *box = child(w, c.box);
            if (auto *t = Child<QTabWidget>(w, "SSTab1"))
                EXPECT_EQ(t->currentIndex(), 1);
            EXPECT_EQ(w->focusWidget(), box);
            EXPECT_EQ(box->selectedText(), "-3");
            box->setText(QString::fromLatin1(c.mended));
            EXPECT_EQ(text(w, "txtFortio"), c.fortio);
            Click(w, "btnOk");
        });
        OpenCalculator(c.index, nullptr);
        EXPECT_EQ(project().*c.field, QString(c.mended).toFloat());
    }
}

TEST_F(CalculatorWindows, TwoTabCascadeAndCrossTabCheck)
{
    const struct {
        int index;
        const char *tab1Box, *tab1Value, *coefficient, *burden, *zeroBurden, *badBox;
        float ProjectState::*storedCoefficient;
    } cases[] = {
        {Ash, "txtTaxytita1", "3100", "25.54", "8.51", "10.00", "txtTaxytita0", &ProjectState::AshKb},
        {Jimeno, "txtEidvar2b", "1.3", "1.00", "3.04", "3.04", "txtTaxytita1a", &ProjectState::JimenoCoef},
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
        retype(child(w, "txtSyntelestis"), "2");
        EXPECT_NE(text(w, "txtFortio"), QString::fromLatin1(c.burden));
        // ... until a change on tab 1 overwrites it with the computed one.
        tabs(w)->setCurrentIndex(1);
        retype(child(w, c.tab1Box), QString::fromLatin1(c.tab1Value));
        EXPECT_EQ(text(w, "txtSyntelestis"), QString::fromLatin1(c.coefficient));
        EXPECT_EQ(text(w, "txtFortio"), QString::fromLatin1(c.burden));

        // A bad box on tab 1 stops typing on tab 0 too, and comes forward with its text selected.
        QLineEdit *bad = child(w, c.badBox);
        retype(bad, "-5");
        tabs(w)->setCurrentIndex(0);
        fakeMessageBox().boxes.clear();
        retype(child(w, "txtDiametros"), "5");
        EXPECT_EQ(MessageTexts(), QStringList{"Detonation velocity must be positive!"});
        EXPECT_EQ(tabs(w)->currentIndex(), 1);
        EXPECT_EQ(w->focusWidget(), bad);
        EXPECT_EQ(bad->selectedText(), "-5");
        EXPECT_EQ(text(w, "txtFortio"), QString::fromLatin1(c.burden));
        bad->setText("3000");
        EXPECT_EQ(project().*c.storedCoefficient, c.index == Ash ? 30.0f : 1.0f);
        Click(w, "btnOk");
        EXPECT_EQ(project().*c.storedCoefficient, text(w, "txtSyntelestis").toFloat());
        UnloadAllCalculators();
        ResetProjectDefaults(255, 255);
    }
}

TEST_F(CalculatorWindows, ATypedPointSurvivesTheRealMessageBox)
{
    // The real modal box, answered from the event loop it runs: when it closes, the
    // focus comes back to the box without selecting what was typed. Anderson shows its
    // own numeric message, Ash the range check's.
    services().messageBox = std::make_unique<QtMessageBox>();
    settings().EnglishMenus = 1;
    const struct { int index; const char *burden; } cases[] = {{Anderson, "3.87"}, {Ash, "1.06"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        QWidget *w = open(c.index);
        QApplication::setActiveWindow(w);
        QLineEdit *d = child(w, "txtDiametros");
        d->nextInFocusChain()->setFocus(Qt::TabFocusReason);
        d->setFocus(Qt::BacktabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(d->selectedText(), "4"); // moving in selects the whole text
        int shown = 0;
        QTimer::singleShot(0, [&shown] {
            if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                ++shown;
                m->defaultButton()->click();
            }
        });
        typeKeys(d, ".");
        // The window manager hands the activation back to the window the box belonged to.
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
        typeKeys(d, "5");
        QApplication::processEvents();
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(d->text(), ".5");
        EXPECT_EQ(text(w, "txtFortio"), c.burden); // from a diameter of 0.5 in
        w->close();
        UnloadAllCalculators();
    }
}

// Cancel, the close box and Escape store nothing; OK stores, logs in English in both
// languages and marks the project. Reopening shows what is stored, not what was typed.
TEST_F(CalculatorWindows, CancelStoresNothingAndOkCommits)
{
    const struct { int index; const char *box, *typed; float ProjectState::*field; float before, after; const char *name; } cases[] = {
        {Anderson, "txtDiametros", "5", &ProjectState::AndersonDiam, 4, 5, "Anderson"},
        {Anderson, "txtDiametros", "1e39", &ProjectState::AndersonDiam, 4, 4, "Anderson"}, // no single holds it
        {Ash, "txtDiametros", "5", &ProjectState::AshDiam, 4, 5, "Ash"},
        {Fraenkel, "txtMikos", "12", &ProjectState::FraenkelHoleLen, 10, 12, "Fraenkel"},
        {Konya, "txtEidvarek", "1.1", &ProjectState::KonyaExplSG, 0.9f, 1.1f, "Konya"},
        {Langefors, "txtLogos", "1.5", &ProjectState::LangeforsSpacingRatio, 1.25f, 1.5f, "Langefors"},
        {Pearse, "txtAntoxi", "10", &ProjectState::PearseTensile, 12, 10, "Pearse"},
        {Jimeno, "txtTaxytita2a", "3000", &ProjectState::JimenoT2a, 3660, 3000, "Jimeno"},
    };
    for (const auto &c : cases) {
        for (const char *how : {"cancel", "close", "escape", "ok"}) {
            SCOPED_TRACE(std::string(c.name) + " " + c.typed + " " + how);
            const bool ok = QString(how) == "ok";
            settings().EnglishMenus = int16_t(c.index % 2);
            flags().ProjectSaved = kTrue;
            flags().FileEmpty = kTrue;
            flags().ParametersLoaded = kFalse;
            m_logStart = historyLog().text().size();
            QWidget *w = open(c.index);
            const QString stored = text(w, "txtFortio");
            QLineEdit *b = child(w, c.box);
            reveal(w, b);
            retype(b, QString::fromLatin1(c.typed));
            const QString shown = text(w, "txtFortio");
            fakeMessageBox().boxes.clear(); // "1e" on the way to "1e39" is not numeric
            if (QString(how) == "close") {
                w->close();
            } else if (QString(how) == "escape") {
                QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(w, &esc);
            } else {
                Click(w, ok ? "btnOk" : "btnCancel");
            }
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
            EXPECT_EQ(LoadedCalculator(c.index), nullptr);
            EXPECT_EQ(project().*c.field, ok ? c.after : c.before);
            EXPECT_EQ(flags().ProjectSaved, ok ? kFalse : kTrue);
            EXPECT_EQ(flags().FileEmpty, ok ? kFalse : kTrue);
            EXPECT_EQ(flags().ParametersLoaded, ok ? kTrue : kFalse);
            EXPECT_EQ(newLog().endsWith(QString(". %1 Parameters Modified\r\n").arg(c.name)), ok);
            if (c.after != c.before)
                EXPECT_EQ(CalculatorResultText(c.index), ok ? shown : stored);
            UnloadAllCalculators();
            ResetProjectDefaults(255, 255);
        }
    }
}

TEST_F(CalculatorWindows, ResultTextLoadsTheWindowHiddenOnce)
{
    EXPECT_EQ(CalculatorResultText(Anderson), "10.95");
    QWidget *w = LoadedCalculator(Anderson);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible());
    // A loaded window is not loaded again: its result stays that of its load.
    project().AndersonDiam = 9;
    EXPECT_EQ(CalculatorResultText(Anderson), "10.95");
    EXPECT_EQ(newLog().count("Anderson Burden Calculations."), 1);
    // An index outside the seven calculators gives nothing and opens nothing.
    for (int i : {-1, 7}) {
        EXPECT_EQ(CalculatorResultText(i), "") << i;
        OpenCalculator(i, nullptr); // returns at once
    }
}

TEST_F(CalculatorWindows, KonyaConstantUnlocksTheConstant)
{
    QWidget *w = open(Konya);
    QLineEdit *k = child(w, "txtStathera");
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
    Click(w, "btnOk");
    EXPECT_EQ(project().KonyaConst, 3.5f);
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
        Click(w, "btnOk");
        EXPECT_EQ(project().LangeforsFixation, 0.85f);
        ResetProjectDefaults(255, 255);
    }

    // Stored factors: the item is found in single precision; any other value selects none.
    const struct { float stored; int item; const char *factor, *fortio; } stored[] = {
        {0.9f, 0, "f=0.90", "5.32"}, {0.95f, -1, "    ", ""}};
    settings().EnglishMenus = 1;
    for (const auto &s : stored) {
        project().LangeforsFixation = s.stored;
        QWidget *w = open(Langefors);
        EXPECT_EQ(child<QComboBox>(w, "cmbSyntelestis")->currentIndex(), s.item);
        expectTexts(w, {{"lblSyntelestis", s.factor}, {"txtFortio", s.fortio}});
        Click(w, "btnOk");
        EXPECT_EQ(project().LangeforsFixation, s.stored);
    }
}

TEST_F(CalculatorWindows, PearseSpinButtons)
{
    QWidget *w = open(Pearse);
    QToolButton *up = nullptr, *down = nullptr;
    for (auto *b : child<QWidget>(w, "spnSyntelestis")->findChildren<QToolButton *>())
        (b->arrowType() == Qt::UpArrow ? up : down) = b;
    ASSERT_TRUE(up && down);
    QLineEdit *k = child(w, "txtSyntelestis");
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

// Odd texts in every box of every window: nothing breaks, and no result, coefficient or
// echo ever shows a value that is not a finite number.
TEST_F(CalculatorWindows, OddTextsNeverShowANonFiniteValue)
{
    settings().EnglishMenus = 1;
    for (int index = 0; index < kCalculatorCount; ++index) {
        QWidget *w = open(index);
        ASSERT_NE(w, nullptr);
        SCOPED_TRACE(w->objectName().toStdString());
        QList<QLineEdit *> inputs;
        for (QLineEdit *box : w->findChildren<QLineEdit *>())
            if (!box->isReadOnly())
                inputs << box;
        EXPECT_EQ(inputs.size(), int(CalculatorDefinition(index)->boxes.size()));
        TypeOddTexts(w, inputs, [w] {
            const QString result = text(w, "txtFortio");
            EXPECT_TRUE(result.isEmpty() || std::isfinite(result.toDouble())) << result.toStdString();
        });
        UnloadAllCalculators();
        fakeMessageBox().boxes.clear();
    }
}

} // namespace
