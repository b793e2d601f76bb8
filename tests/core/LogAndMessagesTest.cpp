// History log, message boxes, titles and the error handler.

#include "CoreTables.h"
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
    const QMap<QString, int> buttons = {
        {"Retry", mb::Retry}, {"Cancel", mb::Cancel}, {"RetryCancel", mb::RetryCancel}, {"OkOnly", mb::OkOnly}};
    const QMap<QString, int> results = {{"Retry", errres::Retry}, {"Next", errres::Next}, {"Leave", errres::Leave},
                                        {"Cancelled", errres::Cancelled}, {"Leave6", errres::Leave6}};
    for (const QStringList &row : coreTable("error-handler.tsv")) {
        SCOPED_TRACE(row.join(' ').toStdString());
        const RuntimeError error(row[0].toInt());
        fakeMessageBox().boxes.clear();
        EXPECT_EQ(ErrorHandler(false, error), tableValue(results, row[3]));
        EXPECT_TRUE(fakeMessageBox().boxes.isEmpty());
        if (!row[1].isEmpty())
            fakeMessageBox().script(tableValue(buttons, row[1]));
        EXPECT_EQ(ErrorHandler(true, error), tableValue(results, row[2]));
        EXPECT_EQ(MessageTexts(), rowTail(row, 5));
        if (!row[5].isEmpty()) {
            EXPECT_EQ(fakeMessageBox().boxes[0].buttons, tableValue(buttons, row[4]));
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
