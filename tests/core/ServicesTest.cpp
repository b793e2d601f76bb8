// The registry's do-nothing defaults: what each answers, and that every use is reported.

#include "TestSupport.h"
#include "core/Errors.h"
#include "core/Services.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(Services, DefaultsAnswerLikeADesktopWithoutTheServiceAndReportTheirUse)
{
    QStringList used;
    services().onDefaultUsed = [&used](const char *service) { used << QString::fromLatin1(service); };
    const Services none; // nothing installed

    EXPECT_EQ(none.messageBox->show("Save?", mb::YesNoCancel | mb::DefaultButton2, "T"), mb::No);
    none.clipboard->setText("x");
    EXPECT_EQ(none.clipboard->text(), QString());
    EXPECT_EQ(none.folders->documents(), QString());
    EXPECT_FALSE(none.folders->applicationDir().isEmpty());
    EXPECT_EQ(none.fonts->fixedFont(), "DejaVu Sans Mono");
    EXPECT_FALSE(none.opener->openDocument("/tmp/a.txt"));
    EXPECT_FALSE(none.fileDialog->run(FileDialogRequest()).has_value());
    EXPECT_FALSE(none.fileDialog->printerSetup());
    try {
        none.printer->begin();
        ADD_FAILURE() << "a job started without a printer";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), err::PrinterError);
    }
    EXPECT_FALSE(none.helpViewer->showTopic("help.htm", 3));
    bool failed = false;
    auto download = none.downloader->start(DownloadRequest(), {}, [&failed](const DownloadResult &r) { failed = !r.ok; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(failed);
    EXPECT_FALSE(none.fileAssociation->associate(FileAssociationRequest()).isEmpty());

    EXPECT_EQ(used, QStringList({"message box", "clipboard", "clipboard", "folders", "folders", "fonts", "opener",
                                 "file dialog", "file dialog", "printer", "help viewer", "downloader",
                                 "file association"}));
}
