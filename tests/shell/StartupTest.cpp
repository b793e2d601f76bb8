// The program starts, shows its window and closes through the shutdown sequence.

#include "ProgramFixture.h"
#include "core/IniFile.h"

#include <QPlainTextEdit>

TEST(Startup, StartsShowsAndClosesCleanly)
{
    QPointer<frmMain> w = StartProgram({}, testHome());
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    // The disclaimer of a first start, then the history pane with the settings line first.
    EXPECT_EQ(fakeMessageBox().boxes.value(0).title, "Disclaimer");
    const QString pane = w->findChild<QPlainTextEdit *>("txtMain")->toPlainText();
    EXPECT_TRUE(pane.startsWith("1. Saving default settings to file: " + paths().IniFile)) << pane.toStdString();
    EXPECT_TRUE(pane.contains("File initialized. Use Edit-Project Parameters to enter data"));
    EXPECT_EQ(project().CurrentFile, "Untitled");

    const QString ini = paths().IniFile;
    EXPECT_TRUE(w->close());
    QApplication::processEvents();
    // Closing writes the recent-files section.
    EXPECT_TRUE(historyLog().text().endsWith("Saving default settings to file: " + ini + "\r\n"));
    EXPECT_EQ(ReadINI("FileMenu", "MaxLastFiles", ini), "0");
}
