#include "CalculatorFixture.h"
#include "calculators/frmAnderson.h"

#include "core/Services.h"
#include "platform/QtServices.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

class AndersonWindow : public CalculatorTest {
protected:
    static frmAnderson *open() { return qobject_cast<frmAnderson *>(CalculatorTest::open(0)); }
    static QString text(QWidget *w, const char *name) { return CalculatorTest::text(w, QString::fromLatin1(name)); }
    template <class T> static T *child(QWidget *w, const char *name)
    {
        return CalculatorTest::child<T>(w, QString::fromLatin1(name));
    }
    static QLineEdit *box(QWidget *w, const char *name) { return CalculatorTest::box(w, QString::fromLatin1(name)); }
};

TEST_F(AndersonWindow, LoadShowsTheDefaultBlockInTheChosenLanguage)
{
    const struct { int16_t english; const char *title, *label1, *results, *logLine; } cases[] = {
        {1, "Empirical Burden Calculations by Anderson", "Blasthole Diameter:", "Results",
         ". Anderson Burden Calculations.\r\n"},
        {0, "Εμπειρική Εξίσωση του Anderson", "Διάμετρος Διατρήματος:", "Αποτελέσματα",
         ". Υπολογισμός φορτίου κατά Anderson.\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.english);
        settings().EnglishMenus = c.english;
        m_logStart = historyLog().text().size();
        frmAnderson *w = open();
        // The default block: burden in feet, echoes in cm and m, no message.
        for (const auto &[name, expected] : {std::pair{"txtDiametros", "4"}, {"txtMikos", "30"}, {"txtFortio", "10.95"},
                                             {"Label7", "10.16 cm"}, {"Label8", "9.14 m"}, {"Label9", "3.34 m"}})
            EXPECT_EQ(text(w, name), expected) << name;
        EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(text(w, "Label1"), QString::fromUtf8(c.label1));
        EXPECT_EQ(child<QGroupBox>(w, "frmResults")->title(), QString::fromUtf8(c.results));
        EXPECT_EQ(newLog(), QString::number(messageState().MsgCounter) + QString::fromUtf8(c.logLine));
        child<QPushButton>(w, "btnCancel")->click();
    }
}

TEST_F(AndersonWindow, RecomputesAtEveryKeystroke)
{
    frmAnderson *w = open();
    QLineEdit *d = child<QLineEdit>(w, "txtDiametros");
    QLineEdit *L = child<QLineEdit>(w, "txtMikos");
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
        EXPECT_EQ(boxTexts(), s.message ? QStringList{QString::fromUtf8(s.message)} : QStringList{});
    }
    // The window's own messages are not logged; only the load line is there.
    EXPECT_EQ(newLog().count("\r\n"), 1);
}

TEST_F(AndersonWindow, FailingCheckShowsItsMessageAndOkKeepsTheWindowOpen)
{
    const struct { int16_t english; const char *box, *keys, *message; } cases[] = {
        {1, "txtDiametros", "-2", "Blasthole diameter must be positive!"},
        {1, "txtMikos", "-5", "Blasthole length must be positive!"},
        {0, "txtDiametros", "-2", "Η διάμετρος πρέπει να είναι θετική!"},
        {0, "txtMikos", "-5", "Το μήκος πρέπει να είναι Θετικό!"},
        {0, "txtMikos", "x", "Κάποια τιμή δέν έχει αριθμητική μορφή!"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.keys);
        settings().EnglishMenus = c.english;
        frmAnderson *w = open();
        QLineEdit *box = child<QLineEdit>(w, c.box);
        box->selectAll();
        fakeMessageBox().boxes.clear();
        typeKeys(box, QString::fromUtf8(c.keys));
        EXPECT_EQ(boxTexts().last(), QString::fromUtf8(c.message));
        EXPECT_EQ(fakeMessageBox().boxes.last().buttons, mb::Critical | mb::OkOnly);
        EXPECT_EQ(text(w, "txtFortio"), "10.95"); // the result keeps its text
        if (QString(c.keys) != "x") { // a failing bound selects its box; "not numeric" leaves the focus
            EXPECT_EQ(w->focusWidget(), box);
            EXPECT_EQ(box->selectedText(), c.keys);
        }

        fakeMessageBox().boxes.clear();
        child<QPushButton>(w, "btnOk")->click();
        EXPECT_EQ(boxTexts(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(LoadedCalculator(0), w);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
        w->close();
    }
}

TEST_F(AndersonWindow, ATypedPointSurvivesTheRealMessageBox)
{
    // The real modal box, answered from the event loop it runs: when it closes, the
    // focus comes back to the box without selecting what was typed. Anderson shows its
    // own numeric message, Ash the range check's.
    services().messageBox = std::make_unique<QtMessageBox>();
    settings().EnglishMenus = 1;
    const struct { int index; const char *burden; } cases[] = {{0, "3.87"}, {1, "1.06"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        QWidget *w = CalculatorTest::open(c.index);
        QApplication::setActiveWindow(w);
        QLineEdit *d = child<QLineEdit>(w, "txtDiametros");
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

TEST_F(AndersonWindow, CancelCloseBoxAndEscapeStoreNothing)
{
    for (const char *how : {"cancel", "close", "escape"}) {
        SCOPED_TRACE(how);
        frmAnderson *w = open();
        QLineEdit *d = child<QLineEdit>(w, "txtDiametros");
        d->selectAll();
        typeKeys(d, "7");
        if (QString(how) == "cancel")
            child<QPushButton>(w, "btnCancel")->click();
        else if (QString(how) == "close")
            w->close();
        else {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(w, &esc);
        }
        EXPECT_EQ(LoadedCalculator(0), nullptr);
        EXPECT_EQ(project().AndersonDiam, 4.0f);
        EXPECT_FALSE(newLog().contains("Parameters Modified"));
        EXPECT_EQ(flags().ProjectSaved, kTrue);
        // Reopening shows the stored values, not what was typed.
        EXPECT_EQ(CalculatorResultText(0), "10.95");
        UnloadAllCalculators();
    }
}

TEST_F(AndersonWindow, OkStoresLogsAndMarksTheProject)
{
    // A diameter that a single cannot hold passes the checks but keeps its stored value.
    const struct { const char *d, *L; float storedD, storedL; const char *reopened; } cases[] = {
        {"5", "12.5", 5, 12.5f, "7.91"}, {"1e39", "2", 5, 2, "3.16"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.d);
        frmAnderson *w = open();
        for (const auto &[name, keys] : {std::pair{"txtDiametros", c.d}, {"txtMikos", c.L}}) {
            child<QLineEdit>(w, name)->selectAll();
            typeKeys(child<QLineEdit>(w, name), QString::fromUtf8(keys));
        }
        fakeMessageBox().boxes.clear();
        child<QPushButton>(w, "btnOk")->click();
        EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        EXPECT_EQ(LoadedCalculator(0), nullptr);
        EXPECT_EQ(project().AndersonDiam, c.storedD);
        EXPECT_EQ(project().AndersonHoleLen, c.storedL);
        EXPECT_EQ(flags().ProjectSaved, kFalse);
        EXPECT_EQ(flags().FileEmpty, kFalse);
        EXPECT_EQ(flags().ParametersLoaded, kTrue);
        EXPECT_TRUE(newLog().endsWith(". Anderson Parameters Modified\r\n"));
        EXPECT_EQ(CalculatorResultText(0), c.reopened);
        UnloadAllCalculators();
        settings().EnglishMenus = 0; // the commit line is English in both languages
    }
}

TEST_F(AndersonWindow, ResultTextLoadsTheWindowHiddenOnce)
{
    EXPECT_EQ(CalculatorResultText(0), "10.95");
    QWidget *w = LoadedCalculator(0);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible());
    // A loaded window is not loaded again: its result stays that of its load.
    project().AndersonDiam = 9;
    EXPECT_EQ(CalculatorResultText(0), "10.95");
    EXPECT_EQ(newLog().count("Anderson Burden Calculations."), 1);
}

TEST_F(AndersonWindow, AWindowLoadedHiddenOpensInTheLanguageChosenSince)
{
    for (const int16_t before : {1, 0}) {
        SCOPED_TRACE(before);
        settings().EnglishMenus = before;
        EXPECT_EQ(CalculatorResultText(0), "10.95");
        settings().EnglishMenus = int16_t(1 - before);
        auto *w = qobject_cast<frmAnderson *>(LoadedCalculator(0));
        ASSERT_NE(w, nullptr);
        QString title, label;
        QTimer::singleShot(0, w, [&] {
            title = w->windowTitle();
            label = text(w, "Label1");
            child<QPushButton>(w, "btnCancel")->click();
        });
        OpenCalculator(0, nullptr);
        EXPECT_EQ(title, before ? "Εμπειρική Εξίσωση του Anderson" : "Empirical Burden Calculations by Anderson");
        EXPECT_EQ(label, before ? "Διάμετρος Διατρήματος:" : "Blasthole Diameter:");
    }
}

TEST_F(AndersonWindow, ACheckFailingAtAHiddenLoadStillShowsItsMessage)
{
    project().AndersonHoleLen = -3; // as from a hand-edited project file
    EXPECT_EQ(CalculatorResultText(0), ""); // nothing computed since the load
    EXPECT_EQ(boxTexts(), QStringList{"Blasthole length must be positive!"});
    auto *w = qobject_cast<frmAnderson *>(LoadedCalculator(0));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(text(w, "Label9"), "0.00 m");

    // The window still opens, modally, with the boxes as they were filled; the focus goes
    // to the failing box once it is visible.
    QTimer::singleShot(0, w, [w] {
        EXPECT_TRUE(w->isVisible() && w->isModal());
        QLineEdit *txtMikos = box(w, "txtMikos");
        EXPECT_EQ(w->focusWidget(), txtMikos);
        EXPECT_EQ(txtMikos->selectedText(), "-3");
        typeKeys(txtMikos, "3");
        EXPECT_EQ(text(w, "txtFortio"), "3.46");
        child<QPushButton>(w, "btnOk")->click();
    });
    OpenCalculator(0, nullptr);
    EXPECT_EQ(project().AndersonHoleLen, 3.0f);
}

TEST_F(AndersonWindow, AnIndexOutsideTheSevenCalculatorsOpensNothing)
{
    for (int i : {-1, 7}) {
        EXPECT_EQ(CalculatorResultText(i), "") << i;
        OpenCalculator(i, nullptr); // opens nothing, returns at once
    }
}

} // namespace
