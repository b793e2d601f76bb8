// The seven burden calculator windows: load, captions, checks, commit and cancel, and
// what only one of them has (keystroke echoes, the two tabs, a constant, a list, spin
// buttons).

#include "CalculatorFixture.h"
#include "calculators/AngleSketch.h"


#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {

enum { Anderson = 0, Ash = 1, Fraenkel = 2, Konya = 3, Langefors = 4, Pearse = 5, Jimeno = 6 };

class CalculatorWindows : public CalculatorTest {
protected:
    // The caption of a control (a tab's or a list item's by its index), or its text.
    static QString caption(QWidget *w, const QString &control, int tab)
    {
        if (control.isEmpty())
            return w->windowTitle();
        QObject *o = w->findChild<QObject *>(control);
        if (auto *t = qobject_cast<QTabWidget *>(o))
            return t->tabText(tab);
        if (auto *g = qobject_cast<QGroupBox *>(o))
            return g->title();
        if (auto *b = qobject_cast<QPushButton *>(o))
            return b->text();
        if (auto *list = qobject_cast<QComboBox *>(o))
            return list->itemText(tab);
        return text(w, control.toLatin1().constData());
    }
    static QTabWidget *tabs(QWidget *w) { return child<QTabWidget>(w, "SSTab1"); }
};

TEST_F(CalculatorWindows, StoredValuesAndCaptionsInBothLanguages)
{
    // The rows of each window, by the calculator its first cell names.
    QList<QStringList> shown[kCalculatorCount];
    for (const QStringList &row : testTable("calculators/windows.tsv"))
        shown[calculatorIndex(row[0])] << row;
    const bool logged[] = {true, true, true, true, false, true, false}; // Langefors and Jimeno log no load
    for (int index = 0; index < kCalculatorCount; ++index) {
        const QString name = CalculatorDefinition(index)->name;
        for (const int16_t english : {1, 0}) {
            SCOPED_TRACE(name.toStdString() + (english ? " English" : " Greek"));
            const auto expectWindow = [&](QWidget *w) {
                ASSERT_FALSE(shown[index].isEmpty());
                for (const QStringList &row : shown[index])
                    EXPECT_EQ(caption(w, row[1], row[2].toInt()), row[english ? 3 : 4]) << row[1].toStdString();
            };
            settings().EnglishMenus = english;
            m_logStart = historyLog().text().size();
            QWidget *w = open(index);
            ASSERT_NE(w, nullptr);
            expectWindow(w);
            const QString logLine =
                !logged[index] ? QString()
                               : QString::number(messageState().MsgCounter) + ". " +
                                     (english ? name + " Burden Calculations."
                                              : QString::fromUtf8("Υπολογισμός φορτίου κατά ") + name + ".") +
                                     "\r\n";
            EXPECT_EQ(newLog(), logLine);
            Click(w, "btnCancel");

            // Loaded hidden for its result in the other language, then opened after the
            // language changed: every caption, the list included, is in the new one.
            settings().EnglishMenus = int16_t(1 - english);
            w = LoadCalculator(index);
            settings().EnglishMenus = english;
            bool seen = false;
            QTimer::singleShot(0, w, [&] {
                seen = w->isVisible();
                SCOPED_TRACE("opened later");
                expectWindow(w);
                Click(w, "btnCancel");
            });
            OpenCalculator(index, nullptr);
            EXPECT_TRUE(seen);
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        }
    }
}

TEST_F(CalculatorWindows, AndersonRecomputesAtEveryKeystroke)
{
    QWidget *w = open(Anderson);
    for (const QStringList &s : testTable("calculators/anderson-keys.tsv")) {
        SCOPED_TRACE(s.join(' ').toStdString());
        fakeMessageBox().boxes.clear();
        QLineEdit *box = child(w, s[0].toLatin1().constData());
        typeKeys(box, unescapeCell(s[1]));
        EXPECT_EQ(box->text(), s[2]);
        EXPECT_EQ(QStringList({text(w, "txtFortio"), text(w, "Label7"), text(w, "Label8"), text(w, "Label9")}),
                  s.mid(3, 4));
        EXPECT_EQ(MessageTexts(), s[7].isEmpty() ? QStringList{} : QStringList{s[7]});
    }
    // The window's own messages are not logged; only the load line is there.
    EXPECT_EQ(newLog().count("\r\n"), 1);
}

// A value pasted into a box: the first failing check shows its message and selects its
// box, the result keeps its text; OK then shows the message again and stays open.
TEST_F(CalculatorWindows, ChecksOfEachWindow)
{
    const QString range = "\r\n\r\nValue '%1' is outside input range\r\n\r\nValid range is: %2";
    for (const QStringList &c : testTable("calculators/checks.tsv")) {
        SCOPED_TRACE(c.join(' ').toStdString());
        settings().EnglishMenus = int16_t(c[1].toInt());
        const int index = calculatorIndex(c[0]);
        QWidget *w = open(index);
        QLineEdit *b = child(w, c[2].toLatin1().constData());
        RevealBox(b);
        fakeMessageBox().boxes.clear();
        b->setText(c[3]); // as pasted: one change
        EXPECT_EQ(text(w, "txtFortio"), c[6]);
        if (c[4] == "-") {
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
            UnloadAllCalculators();
            continue;
        }
        const QString expected = unescapeCell(c[4]) + (c[5].isEmpty() ? QString() : range.arg(c[3], c[5]));
        EXPECT_EQ(MessageTexts(), QStringList{expected});
        EXPECT_EQ(fakeMessageBox().boxes.last().buttons, mb::Critical | mb::OkOnly);
        if (c[3] != "x") { // "not numeric" leaves the focus where it is
            EXPECT_EQ(w->focusWidget(), b);
            EXPECT_EQ(b->selectedText(), c[3]);
        }
        fakeMessageBox().boxes.clear();
        Click(w, "btnOk");
        EXPECT_EQ(MessageTexts(), QStringList{expected});
        EXPECT_TRUE(w->isVisible());
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
        // Asked again, the hidden window is not loaded again: no further message.
        EXPECT_EQ(CalculatorResultText(c.index), "");
        EXPECT_EQ(MessageTexts().size(), c.messages);
        QWidget *w = LoadedCalculator(c.index);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible());
        QTimer::singleShot(0, w, [&] {
            EXPECT_TRUE(w->isVisible() && w->isModal());
            QLineEdit *box = child(w, c.box);
            if (c.index != Anderson) {
                EXPECT_EQ(tabs(w)->currentIndex(), 1);
            }
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

        // A bad box on tab 1 stops typing on tab 0 too; the typing stays where it is, and
        // OK brings the bad box forward with its text selected.
        QLineEdit *bad = child(w, c.badBox);
        retype(bad, "-5");
        tabs(w)->setCurrentIndex(0);
        fakeMessageBox().boxes.clear();
        QLineEdit *typed = child(w, "txtDiametros");
        retype(typed, "5");
        EXPECT_EQ(MessageTexts(), QStringList{"Detonation velocity must be positive!"});
        EXPECT_EQ(tabs(w)->currentIndex(), 0);
        EXPECT_EQ(w->focusWidget(), typed);
        EXPECT_EQ(typed->cursorPosition(), 1);
        EXPECT_EQ(text(w, "txtFortio"), QString::fromLatin1(c.burden));
        Click(w, "btnOk");
        EXPECT_EQ(tabs(w)->currentIndex(), 1);
        EXPECT_EQ(w->focusWidget(), bad);
        EXPECT_EQ(bad->selectedText(), "-5");
        bad->setText("3000");
        EXPECT_EQ(project().*c.storedCoefficient, c.index == Ash ? 30.0f : 1.0f);
        Click(w, "btnOk");
        EXPECT_EQ(project().*c.storedCoefficient, text(w, "txtSyntelestis").toFloat());
        UnloadAllCalculators();
        ResetProjectDefaults(255, 255);
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
            RevealBox(b);
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
            if (c.after != c.before) {
                EXPECT_EQ(CalculatorResultText(c.index), ok ? shown : stored);
            }
            UnloadAllCalculators();
            ResetProjectDefaults(255, 255);
        }
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
    retype(k, "3.5");
    button->click();
    EXPECT_FALSE(k->isEnabled());
    EXPECT_EQ(k->text(), "3.5");
    Click(w, "btnOk");
    EXPECT_EQ(project().KonyaConst, 3.5f);
}

TEST_F(CalculatorWindows, LangeforsListAndSketch)
{
    settings().EnglishMenus = 1;
    QWidget *w = open(Langefors);
    auto *list = child<QComboBox>(w, "cmbSyntelestis");
    auto *pic = child<AngleSketch>(w, "pic");
    pic->resize(120, 140);
    const struct { int item; const char *factor, *caption, *fortio; } choices[] = {
        {0, "f=0.90", "Hole Incl. = 72", "5.32"},
        {1, "f=0.85", "Hole Incl. = 63", "5.47"},
        {2, "f=1.00", "Hole Incl. = 90", "5.05"},
    };
    for (const auto &c : choices) {
        list->setCurrentIndex(c.item);
        EXPECT_EQ(text(w, "lblSyntelestis"), c.factor);
        EXPECT_EQ(text(w, "lblSxedio"), c.caption);
        EXPECT_EQ(text(w, "txtFortio"), c.fortio);
        // The whole sketch is mapped inside the picture, never clipped.
        const QTransform t = pic->mapping();
        ASSERT_FALSE(pic->diagram().lines.isEmpty());
        for (const QLineF &l : pic->diagram().lines) {
            EXPECT_TRUE(pic->rect().contains(t.map(l.p1()).toPoint()));
            EXPECT_TRUE(pic->rect().contains(t.map(l.p2()).toPoint()));
        }
    }
    list->setCurrentIndex(1);
    Click(w, "btnOk");
    EXPECT_EQ(project().LangeforsFixation, 0.85f);

    // A stored factor of no item selects none and computes nothing; OK keeps it.
    project().LangeforsFixation = 0.95f;
    w = open(Langefors);
    EXPECT_EQ(child<QComboBox>(w, "cmbSyntelestis")->currentIndex(), -1);
    EXPECT_EQ(text(w, "lblSyntelestis"), "    ");
    EXPECT_EQ(text(w, "txtFortio"), "");
    Click(w, "btnOk");
    EXPECT_EQ(project().LangeforsFixation, 0.95f);
}

TEST_F(CalculatorWindows, PearseSpinButtons)
{
    QWidget *w = open(Pearse);
    QToolButton *up = nullptr, *down = nullptr;
    for (auto *b : child<QWidget>(w, "spnSyntelestis")->findChildren<QToolButton *>())
        (b->arrowType() == Qt::UpArrow ? up : down) = b;
    ASSERT_TRUE(up && down);
    QLineEdit *k = child(w, "txtSyntelestis");
    for (const QStringList &s : testTable("calculators/pearse-steps.tsv")) {
        if (s[3].isEmpty())
            continue; // a step the window never offers
        SCOPED_TRACE(s.join(' ').toStdString());
        k->setText(s[0]);
        (tableKey(s[1], {"down", "up"}) == 1 ? up : down)->click();
        EXPECT_EQ(k->text(), s[2]);
        EXPECT_EQ(text(w, "txtFortio"), s[3]);
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
