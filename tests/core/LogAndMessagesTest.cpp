// History log, message boxes, titles and the error handler.

#include "TestSupport.h"
#include "WindowDriver.h"
#include "core/Errors.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Startup.h"

#include <gtest/gtest.h>

TEST(HistoryLog, NumbersWrapsAndTrims)
{
    StartCoreForTest();
    historyLog().setText("");
    messageState().MsgCounter = 0;
    settings().MaxDisplaySize = 4096;
    // An empty title is logged as "Message: " and becomes the application title; the
    // unlogged box and a hidden pane log nothing.
    QString title;
    ShowMessage("one", mb::OkOnly, title);
    EXPECT_EQ(title, "Tessolan Primer");
    MsgBox("quiet", mb::Critical);
    EXPECT_EQ(fakeMessageBox().boxes.last().title, "Tessolan Primer");
    settings().DisplayHistoryWin = 0;
    LogMessage("hidden");
    settings().DisplayHistoryWin = 1;
    ShowMessage("two", mb::OkOnly, title);
    EXPECT_EQ(historyLog().text(), "1. Message: one\r\n2. Tessolan Primer: two\r\n");

    // The number wraps after 16384.
    historyLog().setText("");
    messageState().MsgCounter = 16383;
    LogMessage("a");
    LogMessage("b");
    EXPECT_EQ(historyLog().text(), "16384. a\r\n1. b\r\n");

    // A full pane keeps its last two lines before the new one.
    historyLog().setText(QString(4100, QChar('y')) + "\r\nL1\r\nL2\r\nL3\r\n");
    LogMessage("new");
    EXPECT_EQ(historyLog().text(), "L2\r\nL3\r\n2. new\r\n");
    for (int i = 0; i < 400; ++i)
        LogMessage(QString(20, QChar('x')));
    EXPECT_LT(historyLog().text().size(), 4096 + 40);
}

TEST(ErrorHandler, ClassesBoxesAndResults)
{
    StartCoreForTest();
    SetModuleTitles(10);
    const char *retry = "Error occurred: File not found (53)";
    // answer: the scripted button; quiet: the result without messages; box "": none.
    const struct { int number, answer, expected, quiet; const char *box; int buttons; } cases[] = {
        {53, mb::Retry, errres::Retry, errres::Next, retry, mb::RetryCancel},
        {53, mb::Cancel, errres::Next, errres::Next, retry, mb::RetryCancel},
        {6, 0, errres::Leave, errres::Leave, "Error occurred: Overflow (6). Procedure Terminated", mb::OkOnly},
        {32755, 0, errres::Cancelled, errres::Cancelled, "", 0},
        {err::DatabaseSyntax, 0, errres::Leave6, errres::Leave6,
         "Error occurred: Syntax error in query (-2147217900). Procedure Terminated", mb::OkOnly},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number);
        fakeMessageBox().boxes.clear();
        EXPECT_EQ(ErrorHandler(false, RuntimeError(c.number)), c.quiet);
        EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        if (c.answer)
            fakeMessageBox().script(c.answer);
        EXPECT_EQ(ErrorHandler(true, RuntimeError(c.number)), c.expected);
        EXPECT_EQ(MessageTexts(), *c.box ? QStringList{c.box} : QStringList());
        if (*c.box) {
            EXPECT_EQ(fakeMessageBox().boxes[0].buttons, c.buttons);
            EXPECT_EQ(fakeMessageBox().boxes[0].title, "Settings: Error");
        }
    }
    historyLog().setText("");
    messageState().MsgCounter = 0;
    ErrorHandler(true, RuntimeError(75));
    ErrorHandler(true, RuntimeError(32755));
    EXPECT_EQ(historyLog().text(),
              "1. Error  75:Path/File access error\r\n"
              "2. Settings: Error: Error occurred: Path/File access error (75). Procedure Terminated\r\n"
              "3. Cancel was selected.\r\n");
}
