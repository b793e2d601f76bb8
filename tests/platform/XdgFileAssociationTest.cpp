// The desktop entry's Exec= line for program paths that need quoting and escapes.

#include "TestSupport.h"
#include "platform/XdgFileAssociation.h"

#include <gtest/gtest.h>

TEST(XdgFileAssociation, ExecLineQuotesAndEscapesTheProgramPath)
{
    for (const QStringList &c : testTable("platform/exec-lines.tsv")) {
        const QString exec = DesktopExecLine(c[0]);
        EXPECT_EQ(exec, c[1]) << c[0].toStdString();
        // The desktop-entry checker accepts the line.
        const QByteArray entry =
            "[Desktop Entry]\nType=Application\nName=Tessolan Primer\nExec=" + exec.toUtf8() + "\nNoDisplay=true\n";
        const QString file = writeFile(testHome() + "/t.desktop", entry);
        EXPECT_EQ(runTool("desktop-file-validate", {file}), "") << c[0].toStdString();
    }
}
