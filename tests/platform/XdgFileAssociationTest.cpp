// The desktop entry's Exec= line for program paths that need quoting and escapes.

#include "TestSupport.h"
#include "platform/XdgFileAssociation.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(XdgFileAssociation, ExecLineQuotesAndEscapesTheProgramPath)
{
    const struct { const char *path, *exec; } cases[] = {
        {"/opt/primer/tessolan-primer", R"("/opt/primer/tessolan-primer" %f)"},
        {"/opt/Tessolan Primer/tessolan-primer", R"("/opt/Tessolan Primer/tessolan-primer" %f)"},
        {R"(/opt/say "hi"/p)", R"("/opt/say \\"hi\\"/p" %f)"},
        {"/opt/$HOME/p", R"("/opt/\\$HOME/p" %f)"},
        {"/opt/100%/p", R"("/opt/100%%/p" %f)"},
        {R"(/opt/back\slash/p)", R"("/opt/back\\\\slash/p" %f)"},
        {"/opt/tick`/p", R"("/opt/tick\\`/p" %f)"},
        {"/opt/it's/p", R"("/opt/it's/p" %f)"},
    };
    for (const auto &c : cases) {
        const QString exec = DesktopExecLine(QString::fromUtf8(c.path));
        EXPECT_EQ(exec, QString::fromUtf8(c.exec)) << c.path;
        // The desktop-entry checker accepts the line.
        const QString file = writeFile(testHome() + "/t.desktop",
                                       ("[Desktop Entry]\nType=Application\nName=Tessolan Primer\nExec=" + exec
                                        + "\nNoDisplay=true\n")
                                           .toUtf8());
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start("desktop-file-validate", {file});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << c.path << ": " << p.readAll().toStdString();
    }
    EXPECT_EQ(AssociationMimeType("KVD"), "application/x-tessolan-primer-kvd");
}
