// History log, message boxes, titles and the error handler.

#include "TestSupport.h"
#include "core/Errors.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/Startup.h"

#include <gtest/gtest.h>

namespace {
void logOn(int maxSize = 4096)
{
    settings().DisplayHistoryWin = 1;
    settings().MaxDisplaySize = static_cast<int16_t>(maxSize);
}
} // namespace

TEST(HistoryLog, NumbersLinesAndSkipsWhileHidden)
{
    logOn();
    LogMessage("one");
    settings().DisplayHistoryWin = 0;
    LogMessage("hidden");
    settings().DisplayHistoryWin = 1;
    LogMessage("two");
    EXPECT_EQ(historyLog().text(), "1. one\r\n2. two\r\n");
}

TEST(HistoryLog, WrapsAfter16384)
{
    logOn(16384);
    messageState().MsgCounter = 16383;
    LogMessage("a");
    LogMessage("b");
    EXPECT_EQ(historyLog().text(), "16384. a\r\n1. b\r\n");
}

TEST(HistoryLog, TrimsToTwoLinesWhenFull)
{
    logOn(4096);
    for (int i = 0; i < 400; ++i)
        LogMessage(QString(20, QChar('x')));
    // Whenever the pane reached the limit it kept two lines before the new one.
    const QString text = historyLog().text();
    EXPECT_LT(text.size(), 4096 + 40);
    historyLog().setText(QString(4100, QChar('y')) + "\r\nL1\r\nL2\r\nL3\r\n");
    LogMessage("new");
    EXPECT_EQ(historyLog().text(), "L2\r\nL3\r\n401. new\r\n");
}

TEST(HistoryLog, ListenerMirrorsText)
{
    logOn();
    QString seen;
    historyLog().setListener([&](const QString &t) { seen = t; });
    LogMessage("x");
    EXPECT_EQ(seen, "1. x\r\n");
    historyLog().setText("");
    EXPECT_EQ(seen, "");
    historyLog().setListener(nullptr);
}

TEST(ShowMessage, TitlesAndLogging)
{
    StartCoreForTest();
    historyLog().setText("");
    messageState().MsgCounter = 0;
    // An empty global title is logged as "Message: " and becomes the application title.
    QString &title = messageState().TitleError;
    title.clear();
    ShowMessage("first", mb::OkOnly, title);
    EXPECT_EQ(fakeMessageBox().boxes.last().title, "Tessolan Primer");
    EXPECT_EQ(title, "Tessolan Primer");
    ShowMessage("second", mb::OkOnly, title);
    EXPECT_EQ(historyLog().text(), "1. Message: first\r\n2. Tessolan Primer: second\r\n");

    SetModuleTitles(10);
    EXPECT_EQ(messageState().TitleRangeError, "Settings: Range Error");
    EXPECT_EQ(messageState().TitleInvalidChar, "Settings: Invalid Character");
    EXPECT_EQ(messageState().TitleLogicError, "Settings: Logic Error");
    EXPECT_EQ(messageState().MsgTitle, "Message");
    SetModuleTitles(5);
    EXPECT_EQ(messageState().TitleError, "Error");

    ShowHelpHint();
    EXPECT_EQ(fakeMessageBox().boxes.last().title, "Help");
    EXPECT_EQ(fakeMessageBox().boxes.last().buttons, mb::Exclamation);
    EXPECT_TRUE(historyLog().text().endsWith(
        "Help: Position the cursor on any item on the form and press F1 for context-sensitive Help\r\n"));

    // The unlogged box logs nothing.
    const QString before = historyLog().text();
    MsgBox("quiet", mb::Critical);
    EXPECT_EQ(historyLog().text(), before);
    EXPECT_EQ(fakeMessageBox().boxes.last().title, "Tessolan Primer");
}

TEST(ErrorHandler, ClassesBoxesAndResults)
{
    StartCoreForTest();
    SetModuleTitles(10);
    struct Case {
        int number;
        int answer; // scripted button
        int expected;
        const char *box; // "" = no box
        int buttons;
    } cases[] = {
        {53, mb::Retry, errres::Retry, "Error occurred: File not found (53)", mb::RetryCancel},
        {53, mb::Cancel, errres::Next, "Error occurred: File not found (53)", mb::RetryCancel},
        {482, mb::Retry, errres::Retry, "Error occurred: Printer error (482)", mb::RetryCancel},
        {61, mb::Cancel, errres::Next, "Error occurred: Disk full (61)", mb::RetryCancel},
        {6, 0, errres::Leave, "Error occurred: Overflow (6). Procedure Terminated", mb::OkOnly},
        {9, 0, errres::Leave, "Error occurred: Subscript out of range (9). Procedure Terminated", mb::OkOnly},
        {75, 0, errres::Leave, "Error occurred: Path/File access error (75). Procedure Terminated", mb::OkOnly},
        {32755, 0, errres::Cancelled, "", 0},
        {err::DatabaseSyntax, 0, errres::Leave6, "Error occurred: Syntax error in query (-2147217900). Procedure Terminated", mb::OkOnly},
    };
    for (const Case &c : cases) {
        fakeMessageBox().boxes.clear();
        if (c.answer)
            fakeMessageBox().script(c.answer);
        EXPECT_EQ(ErrorHandler(true, RuntimeError(c.number)), c.expected) << c.number;
        if (*c.box) {
            ASSERT_EQ(fakeMessageBox().boxes.size(), 1) << c.number;
            EXPECT_EQ(fakeMessageBox().boxes[0].text, c.box);
            EXPECT_EQ(fakeMessageBox().boxes[0].buttons, c.buttons);
            EXPECT_EQ(fakeMessageBox().boxes[0].title, "Settings: Error");
        } else {
            EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        }
    }
    // Without messages: 1 for the retry classes, 3, 2 and 6 for the others.
    fakeMessageBox().boxes.clear();
    EXPECT_EQ(ErrorHandler(false, RuntimeError(53)), errres::Next);
    EXPECT_EQ(ErrorHandler(false, RuntimeError(483)), errres::Next);
    EXPECT_EQ(ErrorHandler(false, RuntimeError(76)), errres::Leave);
    EXPECT_EQ(ErrorHandler(false, RuntimeError(32755)), errres::Cancelled);
    EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
}

TEST(ErrorHandler, LogLines)
{
    StartCoreForTest();
    historyLog().setText("");
    messageState().MsgCounter = 0;
    SetModuleTitles(10);
    ErrorHandler(true, RuntimeError(75));
    ErrorHandler(true, RuntimeError(32755));
    EXPECT_EQ(historyLog().text(),
              "1. Error  75:Path/File access error\r\n"
              "2. Settings: Error: Error occurred: Path/File access error (75). Procedure Terminated\r\n"
              "3. Cancel was selected.\r\n");
}

TEST(ErrorHandler, RetryContract)
{
    StartCoreForTest();
    int calls = 0;
    fakeMessageBox().script(mb::Retry);
    fakeMessageBox().script(mb::Cancel);
    const int r = RunWithErrorTail([&] {
        ++calls;
        throw RuntimeError(57);
    });
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(r, errres::Next);
    EXPECT_EQ(RunWithErrorTail([] {}), -1);
}

TEST(Errors, OperatingSystemMapping)
{
    EXPECT_EQ(ErrnoToError(ENOENT), 53);
    EXPECT_EQ(ErrnoToError(ENOSPC), 61);
    EXPECT_EQ(ErrnoToError(EACCES), 70);
    EXPECT_EQ(ErrnoToError(EIO), 57);
    EXPECT_EQ(ErrnoToError(ENOTDIR), 76);
    EXPECT_EQ(ErrnoToError(EISDIR), 75);
    EXPECT_EQ(mb::DefaultAnswer(mb::YesNoCancel | mb::DefaultButton3), mb::Cancel);
    EXPECT_EQ(mb::DefaultAnswer(mb::YesNo | mb::DefaultButton2), mb::No);
    EXPECT_EQ(mb::DefaultAnswer(mb::RetryCancel), mb::Retry);
}
