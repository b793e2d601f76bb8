// Where typed keys land: a box selects its value as its window opens and as the user
// moves into it, keeps what was typed when the focus only comes back to it, and a check
// run while the user types leaves the next keys in the box being typed.

#include "ProgramFixture.h"
#include "core/Messages.h"
#include "platform/QtServices.h"
#include "platform/frmHelp.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

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
// The controls of a window that take typed text: writable boxes and text areas, and
// editable combo boxes.
QList<QWidget *> TextTakers(QWidget *w)
{
    QList<QWidget *> found;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        auto *line = qobject_cast<QLineEdit *>(c);
        auto *area = qobject_cast<QPlainTextEdit *>(c);
        auto *combo = qobject_cast<QComboBox *>(c);
        if ((line && !line->isReadOnly() && !qobject_cast<QComboBox *>(line->parentWidget()))
            || (area && !area->isReadOnly()) || (combo && combo->isEditable()))
            found << c;
    }
    return found;
}

QString TextOf(QWidget *c)
{
    if (auto *combo = qobject_cast<QComboBox *>(c))
        return combo->currentText();
    if (auto *area = qobject_cast<QPlainTextEdit *>(c))
        return area->toPlainText();
    return static_cast<QLineEdit *>(c)->text();
}

// Alt+Q and Alt+Shift+Q (no access key of any window) into every control that takes text.
void TypeAltLetters(QWidget *w)
{
    const QList<QWidget *> takers = TextTakers(w);
    for (QWidget *c : takers) {
        SCOPED_TRACE(c->objectName().toStdString());
        RevealBox(c);
        c->setFocus(Qt::TabFocusReason);
        const QString before = TextOf(c);
        QTest::keyClick(c->window()->focusWidget(), Qt::Key_Q, Qt::AltModifier);
        QTest::keyClick(c->window()->focusWidget(), Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier);
        EXPECT_EQ(TextOf(c), before);
    }
}

class FocusAndTyping : public ProgramTest {
protected:
    void SetUp() override { start(); }
};
} // namespace

TEST_F(FocusAndTyping, ABoxMovedIntoSelectsItsValueSoTheFirstKeyReplacesIt)
{
    for (const QStringList &r : testTable("shell/first-keys.tsv")) {
        SCOPED_TRACE((r[0] + " " + r[1] + " " + r[2]).toStdString());
        DriveDialog(act(qPrintable(r[0])), [&](QDialog *dlg) {
            auto *box = Child<QLineEdit>(dlg, qPrintable(r[2]));
            ASSERT_NE(box, nullptr);
            Reach(dlg, box, r[1]);
            EXPECT_FALSE(box->text().isEmpty());
            EXPECT_EQ(box->selectedText(), box->text());
            QTest::keyClicks(box, r[3]);
            EXPECT_EQ(box->text(), r[3]);
        });
    }
    // Minimised and restored, as a window manager does it (the window loses the
    // activation, goes to the task bar, comes back and is activated again), a window
    // gives its box back as it was: the next key goes on with what was typed.
    DriveDialog(act("mnuFortioItem_0"), [&](QDialog *dlg) {
        auto *box = Child<QLineEdit>(dlg, "txtDiametros");
        QTest::keyClicks(box, "12");
        QApplication::setActiveWindow(w);
        dlg->showMinimized();
        QApplication::processEvents();
        dlg->showNormal();
        QApplication::setActiveWindow(dlg);
        QApplication::processEvents();
        EXPECT_EQ(dlg->focusWidget(), box);
        QTest::keyClicks(box, "3");
        EXPECT_EQ(box->text(), "123");
    });
}

TEST_F(FocusAndTyping, AChecksMessageWhileTypingLeavesTheNextKeysInTheirBox)
{
    services().messageBox = std::make_unique<QtMessageBox>();
    settings().EnglishMenus = 1;
    for (const QStringList &r : testTable("shell/typed-through-checks.tsv")) {
        SCOPED_TRACE((r[0] + " " + r[2] + " " + r[3]).toStdString());
        DriveDialog(act(qPrintable(r[0])), [&](QDialog *dlg) {
            for (const QString &option : r[1].split(u' ', Qt::SkipEmptyParts))
                Click(dlg, qPrintable(option));
            auto *box = Child<QLineEdit>(dlg, qPrintable(r[2]));
            ASSERT_NE(box, nullptr);
            Reach(dlg, box, "click");
            EXPECT_EQ(TypeThroughMessages(dlg, r[3]), r[4].toInt());
            EXPECT_EQ(dlg->focusWidget(), box);
            EXPECT_EQ(box->text(), r[3]);
            EXPECT_EQ(Child<QLineEdit>(dlg, qPrintable(r[5]))->text(), r[6]);
            if (!r[7].isEmpty()) {
                auto *table = Child<QTableWidget>(dlg, "MSHFlexGrid1");
                ASSERT_NE(table, nullptr);
                EXPECT_EQ(table->item(table->rowCount() - 1, 2)->text(), r[7]);
            }
        });
    }
}

TEST_F(FocusAndTyping, AltWithALetterTypesNothingAnywhereAndAccessKeysStillWork)
{
    int windows = 0;
    for (const QStringList &r : testTable("shell/windows.tsv")) {
        if (r[1].isEmpty() || r[1].startsWith("Toolbar") || r[0] == "frmPreview" || r[0] == "frmTextBrow")
            continue;
        SCOPED_TRACE(r[0].toStdString());
        DriveDialog(act(qPrintable(r[1])), [&](QDialog *dlg) {
            windows += !TextTakers(dlg).isEmpty();
            TypeAltLetters(dlg);
        });
    }
    EXPECT_EQ(windows, 13); // description, settings, design, seven calculators, vibration, scaled distance, units
    EXPECT_EQ(MessageTexts(), QStringList());

    Trigger(w, "mnuFileItem_9");
    auto *browser = qobject_cast<QWidget *>(loadedWindows().TextBrowser.data());
    ASSERT_NE(browser, nullptr);
    QApplication::setActiveWindow(browser);
    TypeAltLetters(browser);
    // "Set &Font": a button pressed by its access key clicks a moment later.
    QTest::keyClick(Child<QLineEdit>(browser, "Text2"), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return fakeFileDialog().fontRequests.size() == 1; }, 2000));
    // The help window's index.
    services().helpViewer = std::make_unique<HelpBrowser>();
    Trigger(w, "mnuHelpItem_1");
    QWidget *help = static_cast<HelpBrowser &>(*services().helpViewer).window();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(TextTakers(help).size(), 1);
    TypeAltLetters(help);
}
