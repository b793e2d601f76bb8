// Option-button arrays, long plain texts, the Qt message box: its codes and its width.

#include "support/WindowDriver.h"
#include "core/Messages.h"
#include "platform/QtServices.h"
#include "platform/Widgets.h"
#include "support/TextFit.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// The index of the checked button of an array, and setting it; an
// index past the array is reported and leaves every button clear.
TEST(OptionArrays, GetSetAndBadIndex)
{
    StartCoreForTest();
    QWidget parent;
    QList<QRadioButton *> buttons;
    for (int i = 0; i < 4; ++i)
        buttons << new QRadioButton(&parent);
    EXPECT_EQ(GetOptionIndex(buttons), 0); // none checked: the lower bound
    SetArrayIndex(buttons, 2);
    EXPECT_EQ(GetOptionIndex(buttons), 2);
    SetArrayIndex(buttons, 5);
    EXPECT_EQ(MessageTexts(), QStringList{"Internal Error: SetArrayIndex. Check input/form data."});
    for (auto *b : buttons)
        EXPECT_FALSE(b->isChecked());
}

TEST(Widgets, LongPlainTextReadsBackAsSetPlainTextGivesIt)
{
    QString manyLines;
    for (int i = 0; i < 1000; ++i)
        manyLines += QString::number(i) + (i % 3 ? "\r\n" : "\n");
    const QString texts[] = {"", "one line", "a\r\nb\rc\n\nd\n", QString(20000, 'x') + "\ny", manyLines,
                             QStringLiteral("Γόμωση\u2029ά\u2028b")};
    for (const QString &text : texts) {
        SCOPED_TRACE(text.left(40).toStdString());
        QPlainTextEdit plain, grouped;
        plain.setPlainText(text);
        SetLongPlainText(&grouped, text);
        EXPECT_EQ(grouped.toPlainText(), plain.toPlainText());
        // Lines share blocks: a few hundred lines to a block at most.
        EXPECT_LE(grouped.blockCount(), plain.blockCount() / 256 + 2);
    }
}

// A box selects its text whenever it gets the focus, but keeps text, caret and selection
// when the focus only comes back to it with its window's activation; a new opening of
// the window selects again.
TEST(Widgets, ABoxSelectsOnFocusUnlessTheFocusComesBackToIt)
{
    QWidget window, other;
    auto *first = new QLineEdit(QStringLiteral("12.5"), &window);
    auto *second = new QLineEdit(QStringLiteral("40"), &window);
    new QVBoxLayout(&window);
    window.layout()->addWidget(first);
    window.layout()->addWidget(second);
    SelectTextOnFocus(first);
    SelectTextOnFocus(second);
    auto activate = [](QWidget *w) {
        QApplication::setActiveWindow(w);
        QApplication::processEvents();
    };
    window.show();
    activate(&window);
    first->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(first->selectedText(), "12.5"); // as the window opens
    first->setCursorPosition(2);
    other.show();
    activate(&other);
    activate(&window);
    EXPECT_EQ(window.focusWidget(), first);
    EXPECT_EQ(first->selectedText(), ""); // back from another window: the caret stays
    EXPECT_EQ(first->cursorPosition(), 2);
    second->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(second->selectedText(), "40");
    // A check sends the user elsewhere while another window is up: that box selects.
    activate(&other);
    FocusFailedBox(first);
    activate(&window);
    EXPECT_EQ(first->selectedText(), "12.5");
    // Closed and opened again: the box that had the focus selects once more.
    first->setCursorPosition(1);
    window.hide();
    window.show();
    activate(&window);
    EXPECT_EQ(window.focusWidget(), first);
    EXPECT_EQ(first->selectedText(), "12.5");
    // Inside a typing scope of the box being typed, a failed check moves nothing.
    {
        const TypingScope typing(first);
        EXPECT_FALSE(FocusFailedBox(second));
    }
    EXPECT_EQ(window.focusWidget(), first);
    EXPECT_TRUE(FocusFailedBox(second));
    EXPECT_EQ(window.focusWidget(), second);
    // A window deleted inside a typing scope is not written as the scope ends.
    auto *gone = new QWidget;
    auto *box = new QLineEdit(gone);
    box->setFocus();
    {
        const TypingScope typing(box);
        ASSERT_TRUE(InTypingScope(box));
        delete gone;
    }
}

// The real box, answered from a timer: its default and escape buttons map to the codes,
// and a box with a short text is still as wide as its title needs in a title bar, measured
// in the box's own font, whatever its icon and buttons.
TEST(QtMessageBoxService, ButtonCodesAndWideEnoughForItsTitle)
{
    QtMessageBox box;
    const struct {
        const char *text;
        int buttons;
        const char *title;
        bool escape;
        int expected;
    } cases[] = {{"x", mb::OkOnly, "Project Description: Error", false, mb::Ok},
                 {"Saved", mb::OkOnly | mb::Information, "Περιγραφή έργου: Σφάλμα κατά την αποθήκευση", false, mb::Ok},
                 {"?", mb::YesNo | mb::Question | mb::DefaultButton2, "Blasting Parameters: Range Warning", false, mb::No},
                 {"A text far longer than its title, which alone sets the width of the box", mb::OkOnly, "T", false, mb::Ok},
                 {"text", mb::YesNoCancel | mb::Question, "title", false, mb::Yes},
                 {"text", mb::YesNoCancel | mb::DefaultButton3, "title", false, mb::Cancel},
                 {"text", mb::RetryCancel, "title", true, mb::Cancel},
                 {"text", mb::OkOnly | mb::Critical, "title", false, mb::Ok}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title);
        QStringList cuts;
        QTimer::singleShot(0, [&] {
            auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(m, nullptr);
            EXPECT_EQ(m->windowTitle(), QString::fromUtf8(c.title));
            cuts = CutTexts(m);
            (c.escape ? m->escapeButton() : m->defaultButton())->click();
        });
        EXPECT_EQ(box.show(QString::fromUtf8(c.text), c.buttons, QString::fromUtf8(c.title)), c.expected);
        EXPECT_EQ(cuts, QStringList());
    }
}
