// Where typed keys land: a box selects its value as its window opens and as the user
// moves into it, keeps what was typed when the focus only comes back to it, and a check
// run while the user types leaves the next keys in the box being typed.

#include "WindowDriver.h"
#include "shell/Korvendo.h"
#include "shell/frmMain.h"
#include "core/Messages.h"
#include "platform/QtServices.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Moves into the box as the user does: "open" (it has the focus as its window opens),
// "tab" (Tab pressed until it has) or "click".
void Reach(QWidget *w, QLineEdit *box, const QString &how)
{
    QApplication::processEvents(); // the window's opening, which gives the first box the focus
    if (how == "click") {
        RevealBox(box);
        QTest::mouseClick(box, Qt::LeftButton);
    } else if (how == "tab") {
        for (int i = 0; i < 60 && w->focusWidget() != box; ++i)
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
    }
    QApplication::processEvents();
    EXPECT_EQ(w->focusWidget(), box) << qPrintable(how);
}

// Types key by key into the box with the focus. Each message box that a key brings up
// (the real one) is answered with its default button, and the activation then returns
// to the window, as a window manager gives it back. Returns how many came up.
int TypeThroughMessages(QWidget *w, const QString &keys)
{
    int shown = 0;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++shown;
            m->defaultButton()->click();
        }
    });
    answer.start(5);
    for (const QChar c : keys) {
        QTest::keyClicks(w->focusWidget(), QString(c));
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
    }
    return shown;
}
} // namespace

TEST(FocusAndTyping, ABoxMovedIntoSelectsItsValueSoTheFirstKeyReplacesIt)
{
    QPointer<frmMain> main = StartProgram({}, testHome());
    ASSERT_TRUE(main);
    const QList<QStringList> rows = testTable("shell/first-keys.tsv");
    for (const QStringList &r : rows) {
        SCOPED_TRACE((r[0] + " " + r[1] + " " + r[2]).toStdString());
        DriveDialog(Child<QAction>(main, qPrintable(r[0])), [&](QDialog *w) {
            auto *box = Child<QLineEdit>(w, qPrintable(r[2]));
            ASSERT_NE(box, nullptr);
            Reach(w, box, r[1]);
            EXPECT_FALSE(box->text().isEmpty());
            EXPECT_EQ(box->selectedText(), box->text());
            QTest::keyClicks(box, r[3]);
            EXPECT_EQ(box->text(), r[3]);
        });
    }
    main->close();
}

TEST(FocusAndTyping, AChecksMessageWhileTypingLeavesTheNextKeysInTheirBox)
{
    QPointer<frmMain> main = StartProgram({}, testHome());
    ASSERT_TRUE(main);
    services().messageBox = std::make_unique<QtMessageBox>();
    settings().EnglishMenus = 1;
    const QList<QStringList> rows = testTable("shell/typed-through-checks.tsv");
    for (const QStringList &r : rows) {
        SCOPED_TRACE((r[0] + " " + r[2] + " " + r[3]).toStdString());
        DriveDialog(Child<QAction>(main, qPrintable(r[0])), [&](QDialog *w) {
            for (const QString &option : r[1].split(u' ', Qt::SkipEmptyParts))
                Click(w, qPrintable(option));
            auto *box = Child<QLineEdit>(w, qPrintable(r[2]));
            ASSERT_NE(box, nullptr);
            Reach(w, box, "click");
            EXPECT_EQ(TypeThroughMessages(w, r[3]), r[4].toInt());
            EXPECT_EQ(w->focusWidget(), box);
            EXPECT_EQ(box->text(), r[3]);
            EXPECT_EQ(Child<QLineEdit>(w, qPrintable(r[5]))->text(), r[6]);
            if (!r[7].isEmpty()) {
                auto *table = Child<QTableWidget>(w, "MSHFlexGrid1");
                ASSERT_NE(table, nullptr);
                EXPECT_EQ(table->item(table->rowCount() - 1, 2)->text(), r[7]);
            }
        });
    }
    main->close();
}

TEST(FocusAndTyping, AltWithALetterTypesNothingAndAccessKeysStillWork)
{
    QPointer<frmMain> main = StartProgram({}, testHome());
    ASSERT_TRUE(main);
    fakeMessageBox().boxes.clear(); // the disclaimer of the start
    DriveDialog(Child<QAction>(main, "mnuFortioItem_0"), [](QDialog *w) {
        auto *box = Child<QLineEdit>(w, "txtDiametros");
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_O, Qt::AltModifier);
        EXPECT_EQ(box->text(), "4");
        EXPECT_EQ(MessageTexts(), QStringList());
    });
    Trigger(main, "mnuFileItem_9");
    auto *browser = qobject_cast<QWidget *>(loadedWindows().TextBrowser.data());
    ASSERT_NE(browser, nullptr);
    QApplication::setActiveWindow(browser);
    auto *pattern = Child<QLineEdit>(browser, "Text2");
    ASSERT_NE(pattern, nullptr);
    const QString before = pattern->text();
    QTest::keyClick(pattern, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(pattern->text(), before);
    // "Set &Font": a button pressed by its access key clicks a moment later.
    QTest::keyClick(pattern, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return fakeFileDialog().fontRequests.size() == 1; }, 2000));
    main->close();
}
