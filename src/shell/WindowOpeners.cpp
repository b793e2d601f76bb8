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

void ConnectWindows(frmMain *w)
{
    for (int i = 0; i < kCalculatorCount; ++i)
        if (CalculatorAvailable(i))
            w->setWindowOpener(w->mnuFortioItem[i], [w, i] { OpenCalculator(i, w); });
    w->setWindowOpener(w->mnuEditItem[2], [w] { OpenBlastDesign(w); });
    w->setWindowOpener(w->mnuDonisiItem[0], [w] { OpenVibration(w); });
    w->setWindowOpener(w->mnuDonisiItem[1], [w] { OpenScaleDist(w); });
    w->setWindowOpener(w->mnuUtilItem[2], [w] { OpenUnits(w); });
    w->setWindowOpener(w->mnuFileItem[7], [] { ShowPrintPreview(); });
    w->setWindowOpener(w->mnuUtilItem[0], [w] { ShowSettingsDialog(w); });
    w->setWindowOpener(w->mnuFileItem[9], [] { ShowTextBrowser(); });

    // Help menu and videos.
    for (int i : {0, 1, 2, 4, 8, 10})
        w->setWindowOpener(w->mnuHelpItem[i], [w, i] { HelpMenu(i, w); });
    for (int i = 0; i < 3; ++i)
        w->setWindowOpener(w->mnuVideosItem[i], [i] { PlayVideo(i); });
    InstallHelpKey(w);
    w->setWindowOpener(w->mnuEditItem[0], [w] { OpenBlastDesc(w->fileCommands(), w); });
    w->setWindowOpener(w->mnuUtilItem[1], [w] { OpenBlastOpts(w); });
}
