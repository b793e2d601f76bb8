#include "calculators/BurdenCalculators.h"
#include "calculators/frmAnderson.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Project.h"
#include "core/Services.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Types into a box key by key, as a user does; "\b" is Backspace.
void typeKeys(QLineEdit *box, const QString &keys)
{
    for (const QChar c : keys) {
        const int key = c == u'\b' ? int(Qt::Key_Backspace) : int(c.toUpper().unicode());
        const QString text = c == u'\b' ? QString() : QString(c);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(box, &release);
    }
}

class AndersonWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartCoreForTest();
        ResetProjectDefaults(255, 255);
        m_logStart = historyLog().text().size();
    }
    void TearDown() override
    {
        UnloadAllCalculators();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What the history log gained since the test began.
    QString newLog() const { return historyLog().text().mid(m_logStart); }

    static frmAnderson *load()
    {
        auto *w = qobject_cast<frmAnderson *>(LoadCalculator(0));
        EXPECT_NE(w, nullptr);
        return w;
    }
    static frmAnderson *open()
    {
        frmAnderson *w = load();
        w->show();
        return w;
    }
    template <class T> static T *child(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static QString text(QWidget *w, const char *name)
    {
        if (auto *box = w->findChild<QLineEdit *>(QString::fromLatin1(name)))
            return box->text();
        return child<QLabel>(w, name)->text();
    }
    static QStringList boxTexts()
    {
        QStringList texts;
        for (const auto &b : fakeMessageBox().boxes)
            texts << b.text;
        return texts;
    }

    qsizetype m_logStart = 0;
};

TEST_F(AndersonWindow, LoadShowsTheDefaultBlockInTheChosenLanguage)
{
    struct {
        int16_t english;
        const char *title, *label1, *label2, *label3, *input, *results, *logLine;
    } cases[] = {
        {1, "Empirical Burden Calculations by Anderson", "Blasthole Diameter:", "Blasthole Length:", "Burden:",
         "Input Data", "Results", ". Anderson Burden Calculations.\r\n"},
        {0, "Εμπειρική Εξίσωση του Anderson", "Διάμετρος Διατρήματος:", "Μήκος Διατρήματος:", "Φορτίο:",
         "Εισαγωγή Δεδομένων", "Αποτελέσματα", ". Υπολογισμός φορτίου κατά Anderson.\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.english);
        settings().EnglishMenus = c.english;
        m_logStart = historyLog().text().size();
        frmAnderson *w = open();
        // The default block: burden in feet, echoes in cm and m, no message.
        EXPECT_EQ(text(w, "txtDiametros"), "4");
        EXPECT_EQ(text(w, "txtMikos"), "30");
        EXPECT_EQ(text(w, "txtFortio"), "10.95");
        EXPECT_EQ(text(w, "Label7"), "10.16 cm");
        EXPECT_EQ(text(w, "Label8"), "9.14 m");
        EXPECT_EQ(text(w, "Label9"), "3.34 m");
        EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(text(w, "Label1"), QString::fromUtf8(c.label1));
        EXPECT_EQ(text(w, "Label2"), QString::fromUtf8(c.label2));
        EXPECT_EQ(text(w, "Label3"), QString::fromUtf8(c.label3));
        EXPECT_EQ(child<QGroupBox>(w, "frmInput")->title(), QString::fromUtf8(c.input));
        EXPECT_EQ(child<QGroupBox>(w, "frmResults")->title(), QString::fromUtf8(c.results));
        EXPECT_EQ(child<QPushButton>(w, "btnOk")->text(), "OK");
        EXPECT_EQ(child<QPushButton>(w, "btnCancel")->text(), "Cancel");
        EXPECT_EQ(child<QPushButton>(w, "btnHelp")->text(), "Help");
        EXPECT_TRUE(newLog().endsWith(QString::fromUtf8(c.logLine)));
        EXPECT_EQ(newLog().count("\r\n"), 1);
        child<QPushButton>(w, "btnCancel")->click();
    }
}

TEST_F(AndersonWindow, RecomputesAtEveryKeystroke)
{
    frmAnderson *w = open();
    QLineEdit *d = child<QLineEdit>(w, "txtDiametros");
    QLineEdit *L = child<QLineEdit>(w, "txtMikos");
    struct Step {
        QLineEdit *box;
        const char *keys;
        const char *boxText, *fortio, *label7, *label8, *label9;
        const char *message; // the box shown by this step, or nullptr
    } steps[] = {
        {L, "\b\b", "", "0.00", "10.16 cm", "0.00 m", "0.00 m", nullptr}, // empty counts as 0
        {L, "4", "4", "4.00", "10.16 cm", "1.22 m", "1.22 m", nullptr},
        {L, "5", "45", "13.42", "10.16 cm", "13.72 m", "4.09 m", nullptr},
        {L, "x", "45x", "13.42", "10.16 cm", "0.00 m", "4.09 m", "One of the input values is not numeric!"},
        {L, "\b", "45", "13.42", "10.16 cm", "13.72 m", "4.09 m", nullptr},
        {d, "\b", "", "0.00", "0.00 cm", "13.72 m", "0.00 m", nullptr},
        {d, ".", ".", "0.00", "0.00 cm", "13.72 m", "0.00 m", "One of the input values is not numeric!"},
        {d, "5", ".5", "4.74", "1.27 cm", "13.72 m", "1.44 m", nullptr},
        {d, "e", ".5e", "4.74", "0.00 cm", "13.72 m", "1.44 m", "One of the input values is not numeric!"},
        {d, "1", ".5e1", "15.00", "12.70 cm", "13.72 m", "4.57 m", nullptr},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(std::string(s.boxText));
        fakeMessageBox().boxes.clear();
        typeKeys(s.box, QString::fromUtf8(s.keys));
        EXPECT_EQ(s.box->text(), QString::fromUtf8(s.boxText));
        EXPECT_EQ(text(w, "txtFortio"), QString::fromUtf8(s.fortio));
        EXPECT_EQ(text(w, "Label7"), QString::fromUtf8(s.label7));
        EXPECT_EQ(text(w, "Label8"), QString::fromUtf8(s.label8));
        EXPECT_EQ(text(w, "Label9"), QString::fromUtf8(s.label9));
        EXPECT_EQ(boxTexts(), s.message ? QStringList{QString::fromUtf8(s.message)} : QStringList{});
    }
    // The window's own messages are not logged; only the load line is there.
    EXPECT_EQ(newLog().count("\r\n"), 1);
}

TEST_F(AndersonWindow, NegativeValueShowsItsMessageAndSelectsTheBox)
{
    struct {
        int16_t english;
        const char *diameterMessage, *lengthMessage;
    } cases[] = {
        {1, "Blasthole diameter must be positive!", "Blasthole length must be positive!"},
        {0, "Η διάμετρος πρέπει να είναι θετική!", "Το μήκος πρέπει να είναι Θετικό!"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.english);
        settings().EnglishMenus = c.english;
        fakeMessageBox().boxes.clear();
        frmAnderson *w = open();
        QLineEdit *d = child<QLineEdit>(w, "txtDiametros");
        QLineEdit *L = child<QLineEdit>(w, "txtMikos");

        L->setFocus();
        d->selectAll();
        typeKeys(d, "-");
        // "-" alone is not numeric: that message, and the focus stays where it was.
        ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
        EXPECT_EQ(fakeMessageBox().boxes[0].text,
                  c.english ? QString("One of the input values is not numeric!")
                            : QString("Κάποια τιμή δέν έχει αριθμητική μορφή!"));
        EXPECT_EQ(w->focusWidget(), L);

        typeKeys(d, "2");
        ASSERT_EQ(fakeMessageBox().boxes.size(), 2);
        const RecordedBox box = fakeMessageBox().boxes[1];
        EXPECT_EQ(box.text, QString::fromUtf8(c.diameterMessage));
        EXPECT_EQ(box.buttons, mb::Critical | mb::OkOnly);
        EXPECT_EQ(box.title, "Tessolan Primer");
        EXPECT_EQ(w->focusWidget(), d);
        EXPECT_EQ(d->selectedText(), "-2");
        EXPECT_EQ(text(w, "txtFortio"), "10.95"); // the result keeps its text

        // The selection is replaced by the next keystroke.
        typeKeys(d, "3");
        EXPECT_EQ(d->text(), "3");
        EXPECT_EQ(text(w, "txtFortio"), "9.49");

        L->selectAll();
        typeKeys(L, "-1");
        EXPECT_EQ(fakeMessageBox().boxes.last().text, QString::fromUtf8(c.lengthMessage));
        EXPECT_EQ(w->focusWidget(), L);
        EXPECT_EQ(L->selectedText(), "-1");
        child<QPushButton>(w, "btnCancel")->click();
    }
}

TEST_F(AndersonWindow, OkWithAFailingCheckKeepsTheWindowOpen)
{
    frmAnderson *w = open();
    QLineEdit *L = child<QLineEdit>(w, "txtMikos");
    L->selectAll();
    typeKeys(L, "-5");
    fakeMessageBox().boxes.clear();

    child<QPushButton>(w, "btnOk")->click();
    EXPECT_EQ(boxTexts(), QStringList{"Blasthole length must be positive!"});
    EXPECT_EQ(LoadedCalculator(0), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->OkPressed);

    // Closing from the title bar afterwards stores nothing.
    w->close();
    EXPECT_EQ(LoadedCalculator(0), nullptr);
    EXPECT_EQ(project().AndersonHoleLen, 30.0f);
    EXPECT_FALSE(newLog().contains("Parameters Modified"));
    EXPECT_EQ(flags().ProjectSaved, kTrue);
    EXPECT_EQ(flags().FileEmpty, kTrue);
    EXPECT_EQ(flags().ParametersLoaded, kFalse);
}

TEST_F(AndersonWindow, CancelAndCloseBoxStoreNothing)
{
    for (const char *how : {"cancel", "close", "escape"}) {
        SCOPED_TRACE(how);
        frmAnderson *w = open();
        QLineEdit *d = child<QLineEdit>(w, "txtDiametros");
        d->selectAll();
        typeKeys(d, "7");
        EXPECT_EQ(text(w, "txtFortio"), "14.49");
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
        frmAnderson *again = open();
        EXPECT_NE(again, w);
        EXPECT_EQ(text(again, "txtDiametros"), "4");
        EXPECT_EQ(text(again, "txtFortio"), "10.95");
        child<QPushButton>(again, "btnCancel")->click();
    }
}

TEST_F(AndersonWindow, OkStoresLogsAndMarksTheProject)
{
    frmAnderson *w = open();
    QLineEdit *d = child<QLineEdit>(w, "txtDiametros");
    QLineEdit *L = child<QLineEdit>(w, "txtMikos");
    d->selectAll();
    typeKeys(d, "5");
    L->selectAll();
    typeKeys(L, "12.5");
    child<QPushButton>(w, "btnOk")->click();

    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    EXPECT_EQ(LoadedCalculator(0), nullptr);
    EXPECT_EQ(project().AndersonDiam, 5.0f);
    EXPECT_EQ(project().AndersonHoleLen, 12.5f);
    EXPECT_TRUE(newLog().endsWith(". Anderson Parameters Modified\r\n"));
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    EXPECT_EQ(flags().FileEmpty, kFalse);
    EXPECT_EQ(flags().ParametersLoaded, kTrue);

    // The commit line is English in both languages.
    settings().EnglishMenus = 0;
    frmAnderson *again = open();
    EXPECT_EQ(text(again, "txtDiametros"), "5");
    EXPECT_EQ(text(again, "txtMikos"), "12.5");
    EXPECT_EQ(text(again, "txtFortio"), "7.91");
    child<QPushButton>(again, "btnOk")->click();
    EXPECT_TRUE(newLog().endsWith(". Anderson Parameters Modified\r\n"));
}

TEST_F(AndersonWindow, ValuesBeyondSinglePrecisionAreNeverShownNorStored)
{
    frmAnderson *w = open();
    QLineEdit *d = child<QLineEdit>(w, "txtDiametros");
    d->selectAll();
    typeKeys(d, "1e39"); // "1e" on the way is not numeric
    EXPECT_EQ(boxTexts(), QStringList{"One of the input values is not numeric!"});
    // The last value that could be computed stays in the result and the echo.
    EXPECT_EQ(text(w, "txtFortio"), "173.21");
    EXPECT_EQ(text(w, "Label7"), "2540.00 cm");

    child<QLineEdit>(w, "txtMikos")->selectAll();
    typeKeys(child<QLineEdit>(w, "txtMikos"), "2");
    EXPECT_EQ(text(w, "txtFortio"), "173.21");
    EXPECT_EQ(text(w, "Label8"), "0.61 m");

    // OK passes the checks; the diameter that a single cannot hold keeps its stored value.
    child<QPushButton>(w, "btnOk")->click();
    EXPECT_EQ(project().AndersonDiam, 4.0f);
    EXPECT_EQ(project().AndersonHoleLen, 2.0f);
    EXPECT_TRUE(newLog().endsWith(". Anderson Parameters Modified\r\n"));
}

TEST_F(AndersonWindow, HelpShowsTheLoggedHint)
{
    frmAnderson *w = open();
    child<QPushButton>(w, "btnHelp")->click();
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].title, "Help");
    EXPECT_EQ(fakeMessageBox().boxes[0].text,
              "Position the cursor on any item on the form and press F1 for context-sensitive Help");
    EXPECT_TRUE(newLog().contains("Help: Position the cursor"));
    EXPECT_EQ(LoadedCalculator(0), w);
}

TEST_F(AndersonWindow, ResultTextLoadsTheWindowHidden)
{
    EXPECT_EQ(LoadedCalculator(0), nullptr);
    EXPECT_EQ(CalculatorResultText(0), "10.95");
    QWidget *w = LoadedCalculator(0);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(newLog().count("Anderson Burden Calculations."), 1);

    // A loaded window is not loaded again: its result stays that of its load.
    project().AndersonDiam = 9;
    EXPECT_EQ(CalculatorResultText(0), "10.95");
    EXPECT_EQ(LoadedCalculator(0), w);
    EXPECT_EQ(newLog().count("Anderson Burden Calculations."), 1);

    // Opened later, it shows the boxes as they were filled; closing unloads it, and the
    // next reading loads it again from the stored block.
    QTimer::singleShot(0, w, [w] {
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->findChild<QLineEdit *>("txtDiametros")->text(), "4");
        w->findChild<QPushButton *>("btnCancel")->click();
    });
    OpenCalculator(0, nullptr);
    EXPECT_EQ(LoadedCalculator(0), nullptr);
    EXPECT_EQ(CalculatorResultText(0), "16.43"); // square root of 9 x 30
    EXPECT_EQ(newLog().count("Anderson Burden Calculations."), 2);
}

TEST_F(AndersonWindow, OpenRunsModallyUntilOk)
{
    QWidget owner;
    QTimer::singleShot(0, &owner, [] {
        auto *w = qobject_cast<frmAnderson *>(LoadedCalculator(0));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isModal());
        w->txtMikos->selectAll();
        typeKeys(w->txtMikos, "40");
        EXPECT_EQ(w->txtFortio->text(), "12.65");
        w->btnOk->click();
    });
    OpenCalculator(0, &owner);
    EXPECT_EQ(project().AndersonHoleLen, 40.0f);
    EXPECT_EQ(CalculatorResultText(0), "12.65");
}

TEST_F(AndersonWindow, ACheckFailingAtAHiddenLoadStillShowsItsMessage)
{
    project().AndersonHoleLen = -3; // as from a hand-edited project file
    EXPECT_EQ(CalculatorResultText(0), ""); // nothing computed since the load
    EXPECT_EQ(boxTexts(), QStringList{"Blasthole length must be positive!"});
    auto *w = qobject_cast<frmAnderson *>(LoadedCalculator(0));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(text(w, "Label8"), "-0.91 m");
    EXPECT_EQ(text(w, "Label9"), "0.00 m");

    // The window still opens; the focus goes to the failing box once it is visible.
    QTimer::singleShot(0, w, [w] {
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->focusWidget(), w->txtMikos);
        EXPECT_EQ(w->txtMikos->selectedText(), "-3");
        typeKeys(w->txtMikos, "3");
        EXPECT_EQ(w->txtFortio->text(), "3.46");
        w->btnOk->click();
    });
    OpenCalculator(0, nullptr);
    EXPECT_EQ(project().AndersonHoleLen, 3.0f);
}

TEST_F(AndersonWindow, OnlyTheAndersonCalculatorIsBuilt)
{
    EXPECT_TRUE(CalculatorAvailable(0));
    for (int i : {-1, 1, 2, 3, 4, 5, 6, 7}) {
        EXPECT_FALSE(CalculatorAvailable(i)) << i;
        EXPECT_EQ(CalculatorResultText(i), "") << i;
        EXPECT_EQ(LoadCalculator(i), nullptr) << i;
        OpenCalculator(i, nullptr); // opens nothing, returns at once
    }
}

} // namespace
