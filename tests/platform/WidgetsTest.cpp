// Option-button arrays, text selection on focus, the Qt message box codes.

#include "support/WindowDriver.h"
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
    QWidget parent;
    QList<QRadioButton *> buttons;
    for (int i = 0; i < 4; ++i)
        buttons << new QRadioButton(&parent);
    bool handled = false;
    QObject::connect(buttons[2], &QRadioButton::toggled, [&](bool on) { handled = on; });
    EXPECT_EQ(GetOptionIndex(buttons), 0); // none checked: the lower bound
    SetArrayIndex(buttons, 2);
    EXPECT_EQ(GetOptionIndex(buttons), 2);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
    SetArrayIndex(buttons, 5);
    EXPECT_EQ(MessageTexts(), QStringList{"Internal Error: SetArrayIndex. Check input/form data."});
    for (auto *b : buttons)
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
    const auto numbers = [](const QString &cell) {
        QList<int> n;
        for (const QString &v : cell.split(' '))
            n << v.toInt();
        return n;
    };
    for (const QStringList &c : testTable("platform/window-placement.tsv")) {
        const QList<int> size = numbers(c[1]), minimum = numbers(c[2]), centre = numbers(c[3]), frame = numbers(c[4]);
        EXPECT_EQ(FittedWindowRect({size[0], size[1]}, {minimum[0], minimum[1]}, QMargins(4, 32, 4, 4),
                                   QRect(0, 0, 1024, 768), {centre[0], centre[1]}),
                  QRect(frame[0], frame[1], frame[2], frame[3]))
            << c[0].toStdString();
    }
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
