#include "shell/WindowOpeners.h"

#include "calculators/BurdenCalculators.h"
#include "calculators/frmScaleDist.h"
#include "calculators/frmUnits.h"
#include "calculators/frmVibration.h"
#include "design/frmBlastDesign.h"
#include "shell/HelpModule.h"
#include "shell/frmBlastDesc.h"
#include "shell/frmBlastOpts.h"
#include "shell/frmMain.h"
#include "shell/frmPreview.h"
#include "shell/frmSet.h"
#include "shell/frmTextBrow.h"
#include "shell/frmUpdate.h"

#include <QPointer>

void ConnectWindows(frmMain *w)
{
    for (int i = 0; i < kCalculatorCount; ++i)
        if (CalculatorAvailable(i))
            w->setWindowOpener(QStringLiteral("mnuFortioItem_%1").arg(i), [w, i] { OpenCalculator(i, w); });
    w->setWindowOpener(QStringLiteral("mnuEditItem_2"), [w] { OpenBlastDesign(w); });
    w->setWindowOpener(QStringLiteral("mnuDonisiItem_0"), [w] { OpenVibration(w); });
    w->setWindowOpener(QStringLiteral("mnuDonisiItem_1"), [w] { OpenScaleDist(w); });
    w->setWindowOpener(QStringLiteral("mnuUtilItem_2"), [w] { OpenUnits(w); });
    w->setWindowOpener(QStringLiteral("mnuFileItem_7"), [] { ShowPrintPreview(); });
    w->setWindowOpener(QStringLiteral("mnuUtilItem_0"), [w] { ShowSettingsDialog(w); });
    w->setWindowOpener(QStringLiteral("mnuFileItem_9"), [] { ShowTextBrowser(); });

    // Help menu and videos.
    for (int i : {0, 1, 2, 4, 8, 10})
        w->setWindowOpener(QStringLiteral("mnuHelpItem_%1").arg(i), [w, i] { HelpMenu(i, w, MainWindowCloser(w)); });
    for (int i = 0; i < 3; ++i)
        w->setWindowOpener(QStringLiteral("mnuVideosItem_%1").arg(i), [i] { PlayVideo(i); });
    InstallHelpKey(w);
    w->setWindowOpener(QStringLiteral("mnuEditItem_0"), [w] { OpenBlastDesc(w->fileCommands(), w); });
    w->setWindowOpener(QStringLiteral("mnuUtilItem_1"), [w] { OpenBlastOpts(w); });
}

ProgramCloser MainWindowCloser(frmMain *w)
{
    const QPointer<frmMain> main(w);
    return ProgramCloser{[main] { return !main || main->QueryClose(); },
                         [main] {
                             if (main)
                                 main->CloseWhenFree();
                         }};
}
