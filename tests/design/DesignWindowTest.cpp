// The design window driven through its controls: the options, what OK, Cancel and the
// close box store, the live vibration estimate, the calculators' burden
// and the captions of both languages.

#include "DesignFixtures.h"

#include <QDialog>
#include <QGroupBox>
#include <QTest>
#include <QTimer>

namespace {

const QString kNumeric = "Κάποια τιμή δεν έχει αριθμητική μορφή!";
const QString kNumericEnglish = "One of the input values is not numeric!";
const QString kModified = "Blast Design Parameters Modified";

using DesignWindow = DesignWindowFixture;

} // namespace

// The choices every opening starts with (none of them is stored); the initiation
// pattern and the production mode enable the boxes they read
// (tests/data/design/options.tsv).
TEST_F(DesignWindow, OptionsEnableTheBoxesTheyUse)
{
    open();
    for (const QStringList &r : testTable(QStringLiteral("design/options.tsv"))) {
        SCOPED_TRACE(r[0].toStdString());
        if (!r[0].isEmpty())
            Click(w.get(), qPrintable(r[0]));
        for (int column = 1; column <= 4; ++column)
            for (const QString &name : r.value(column).split(u' ', Qt::SkipEmptyParts)) {
                const QByteArray n = name.toLatin1();
                const bool state =
                    column <= 2 ? find(n.constData())->isEnabled() : find<QAbstractButton>(n.constData())->isChecked();
                EXPECT_EQ(state, column % 2 == 1) << n.constData();
            }
    }
}

// OK stores every box and option (tests/data/design/ok-stores.tsv): the window opened
// again shows each stored value, and the project is marked changed. Cancel and the
// close box store nothing.
TEST_F(DesignWindow, WhatOkAndCancelStore)
{
    const QList<QStringList> rows = testTable(QStringLiteral("design/ok-stores.tsv"));
    open();
    Click(w.get(), "optProduction_1");
    Click(w.get(), "optEnausi_2");
    tabs("SSTab2")->setCurrentIndex(1);
    for (const QStringList &r : rows)
        type(qPrintable(r[0]), r[1]);
    EXPECT_EQ(text("txtTaxytita"), "1000.00");
    Click(w.get(), "cmdOK");
    EXPECT_EQ(MessageTexts(), QStringList());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(project().VibVelocity, 1000.0f);
    EXPECT_EQ(flags().ProjectSaved, kFalse);
    EXPECT_TRUE(LogSince(0).contains(kModified));

    open();
    for (const QStringList &r : rows)
        EXPECT_EQ(text(qPrintable(r[0])), r[2]) << r[0].toStdString();
    EXPECT_EQ(tabs("SSTab2")->currentIndex(), 1);
    EXPECT_TRUE(find<QAbstractButton>("optProduction_1")->isChecked());
    EXPECT_TRUE(find<QAbstractButton>("optEnausi_2")->isChecked());

    for (const char *button : {"cmdCancel", "the close box"}) {
        SCOPED_TRACE(button);
        flags().ProjectSaved = kTrue;
        historyLog().setText(QString());
        type("txtFortio", "4");
        type("txtDistance", "300");
        if (QByteArray(button) == "cmdCancel")
            Click(w.get(), button);
        else
            w->close();
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(project().BlastDesign.Burden, 4.25f);
        EXPECT_EQ(project().VibVelocity, 1000.0f);
        EXPECT_EQ(flags().ProjectSaved, kTrue);
        EXPECT_FALSE(LogSince(0).contains(kModified));
        open();
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
    EXPECT_EQ(fakeMessageBox().boxes.last().buttons, 16); // critical, OK only
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
    EXPECT_EQ(text("Label31"), "32.81 ft");
}

// Each calculator button warns (when the setting asks for it) that the burden is not
// taken over, opens its calculator modally and afterwards takes the calculator's burden
// into a locked burden box, with its diameter (read-only) and densities where it has
// them, in red; the user's own value (7) unlocks the boxes again and writes nothing
// (tests/data/design/calculator-burden.tsv).
TEST_F(DesignWindow, CalculatorButtonsHandTheirBurdenOver)
{
    const QString warning = "Attention: Burden parameters are not automatically transfered from the Blast Design Form";
    settings().ShowBurdenCalcWarning = 1;
    open();
    auto red = [this](const char *box) { return edit(box)->palette().color(QPalette::Text) == QColor(Qt::red); };
    const QList<QStringList> rows = testTable(QStringLiteral("design/calculator-burden.tsv"));
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList &r = rows[i];
        const bool calculator = !r[0].isEmpty();
        SCOPED_TRACE(i);
        fakeMessageBox().boxes.clear();
        const QByteArray option = QByteArray("optFortio_") + QByteArray::number(i);
        if (calculator) {
            QString seen;
            QTimer::singleShot(0, w.get(), [&seen] {
                if (auto *dlg = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                    seen = dlg->objectName();
                    Click(dlg, "btnOk");
                }
            });
            Click(w.get(), QByteArray("btnShow_" + QByteArray::number(i)).constData());
            EXPECT_EQ(seen, r[0]);
            EXPECT_EQ(MessageTexts(), QStringList{warning});
        } else {
            Click(w.get(), option.constData());
        }
        EXPECT_TRUE(find<QAbstractButton>(option.constData())->isChecked());
        EXPECT_EQ(text("txtFortio"), r[1]);
        EXPECT_EQ(edit("txtFortio")->isEnabled(), !calculator);
        EXPECT_EQ(text("txtDiametros"), r[2]);
        EXPECT_EQ(edit("txtDiametros")->isReadOnly(), calculator);
        EXPECT_EQ(red("txtDiametros"), calculator);
        EXPECT_EQ(text("txtEidvarek"), r[3]);
        EXPECT_EQ(text("txtEidvarPe"), r[4]);
        EXPECT_EQ(red("txtEidvarek"), r[5] == "1");
        EXPECT_EQ(red("txtEidvarPe"), r[6] == "1");
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
// the one on OK does). The window opens at the size its captions need: once shown it
// neither grows nor moves when the events of the showing are through.
TEST_F(DesignWindow, CaptionsAndMessagesFollowTheLanguage)
{
    for (int english : {1, 0}) {
        settings().EnglishMenus = static_cast<int16_t>(english);
        fakeMessageBox().boxes.clear();
        frmBlastDesign &d = open();
        auto placed = [&d] {
            return QStringLiteral("%1x%2 at %3,%4").arg(d.width()).arg(d.height()).arg(d.x()).arg(d.y());
        };
        const QString opening = placed();
        QTest::qWait(20);
        EXPECT_EQ(placed(), opening) << english;
        for (const QStringList &c : testTable(QStringLiteral("design/captions.tsv"))) {
            QObject *o = c[0].isEmpty() ? &d : d.findChild<QObject *>(c[0]);
            ASSERT_NE(o, nullptr) << qPrintable(c[0]);
            QString shown = d.windowTitle();
            if (auto *t = qobject_cast<QTabWidget *>(o))
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
