// Option-button arrays, text selection on focus, the Qt message box codes.

#include "TestSupport.h"
#include "core/Messages.h"
#include "platform/QtServices.h"
#include "platform/Widgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// The index of the checked button of an array, and setting it (its handler runs); an
// index past the array is reported and leaves every button clear.
TEST(OptionArrays, GetSetAndBadIndex)
{
    StartCoreForTest();
    struct {
        QWidget parent;
        QList<QRadioButton *> buttons;
        QList<int> clicked;
    } a;
    for (int i = 0; i < 4; ++i) {
        a.buttons << new QRadioButton(&a.parent);
        QObject::connect(a.buttons[i], &QRadioButton::toggled, [&a, i](bool on) {
            if (on)
                a.clicked << i;
        });
    }
    EXPECT_EQ(GetOptionIndex(a.buttons), 0); // none checked: the lower bound
    SetArrayIndex(a.buttons, 2);
    EXPECT_EQ(GetOptionIndex(a.buttons), 2);
    EXPECT_EQ(a.clicked, QList<int>{2});
    SetArrayIndex(a.buttons, 1);
    EXPECT_TRUE(a.buttons[1]->isChecked());
    EXPECT_FALSE(a.buttons[2]->isChecked());
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());

    for (auto *b : a.buttons)
        b->setAutoExclusive(false);
    a.buttons[0]->setChecked(true);
    EXPECT_EQ(GetOptionIndex(a.buttons), 1) << "the last checked wins";
    SetModuleTitles(10);
    SetArrayIndex(a.buttons, 5);
    ASSERT_EQ(fakeMessageBox().boxes.size(), 1);
    EXPECT_EQ(fakeMessageBox().boxes[0].text, "Internal Error: SetArrayIndex. Check input/form data.");
    EXPECT_EQ(fakeMessageBox().boxes[0].title, "Settings: Range Error");
    for (auto *b : a.buttons)
        EXPECT_FALSE(b->isChecked());
}

TEST(Widgets, FocusSelectsWholeText)
{
    QWidget w;
    auto *layout = new QVBoxLayout(&w);
    auto *a = new QLineEdit("12.5", &w);
    auto *b = new QLineEdit("other", &w);
    layout->addWidget(a);
    layout->addWidget(b);
    SelectTextOnFocus(b);
    w.show();
    QApplication::setActiveWindow(&w);
    a->setFocus();
    b->setFocus();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(b->selectedText(), "other");
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

TEST(Widgets, WindowsFitTheScreenAndCentreOverTheirOwner)
{
    const QRect screen(0, 0, 1024, 768);
    const QMargins frame(4, 32, 4, 4);
    const struct {
        const char *what;
        QSize size, minimum;
        QPoint centre;
        QRect expected; // the frame's rectangle
    } cases[] = {
        {"centred over the owner", {400, 300}, {0, 0}, {500, 400}, {296, 232, 408, 336}},
        {"kept inside at the right", {400, 300}, {0, 0}, {1000, 400}, {616, 232, 408, 336}},
        {"kept inside at the top", {400, 300}, {0, 0}, {500, 10}, {296, 0, 408, 336}},
        {"a tall window shrinks to fit", {960, 760}, {0, 0}, {512, 384}, {28, 0, 968, 768}},
        {"never below its minimum", {1200, 900}, {1100, 800}, {512, 384}, {0, 0, 1108, 836}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FittedWindowRect(c.size, c.minimum, frame, screen, c.centre), c.expected) << c.what;
}

TEST(QtMessageBoxService, ButtonCodes)
{
    // Answer the real box from a timer: its default and escape buttons map to the codes.
    QtMessageBox box;
    struct Case {
        int buttons;
        bool escape;
        int expected;
    } cases[] = {{mb::YesNoCancel | mb::Question, false, mb::Yes},
                 {mb::YesNoCancel | mb::DefaultButton3, false, mb::Cancel},
                 {mb::YesNo | mb::DefaultButton2, false, mb::No},
                 {mb::RetryCancel, true, mb::Cancel},
                 {mb::OkOnly | mb::Critical, false, mb::Ok}};
    for (const Case &c : cases) {
        QTimer::singleShot(0, [&] {
            auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(m, nullptr);
            if (c.escape)
                m->escapeButton()->click();
            else
                m->defaultButton()->click();
        });
        EXPECT_EQ(box.show("text", c.buttons, "title"), c.expected) << c.buttons;
    }
}
