// The desktop entry's Exec= line for program paths that need quoting and escapes.

#include "TestSupport.h"
#include "platform/XdgFileAssociation.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(XdgFileAssociation, ExecLineQuotesAndEscapesTheProgramPath)
{
    for (const QStringList &c : testTable("platform/exec-lines.tsv")) {
        const QString exec = DesktopExecLine(c[0]);
        EXPECT_EQ(exec, c[1]) << c[0].toStdString();
        // The desktop-entry checker accepts the line.
        const QString file = writeFile(testHome() + "/t.desktop",
                                       ("[Desktop Entry]\nType=Application\nName=Tessolan Primer\nExec=" + exec
                                        + "\nNoDisplay=true\n")
                                           .toUtf8());
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start("desktop-file-validate", {file});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << c[0].toStdString() << ": " << p.readAll().toStdString();
    }
}
