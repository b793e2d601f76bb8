// Odd inputs typed anywhere, in any order, never crash the design window and never put
// a value that is not finite on a page.

#include "DesignFixtures.h"

#include <QCheckBox>
#include <QRandomGenerator>
#include <QRegularExpression>

using DesignWindowRobustness = DesignWindowFixture;

TEST_F(DesignWindowRobustness, RandomEditsTabsAndPagingNeverBreakIt)
{
    const QStringList samples = {"", "0", "-1", "1e39", "1e-39", "abc", "-", "3.5", "0.001", "32768", "nan", "inf"};
    QRandomGenerator rng(20261206); // the same sequence every run
    settings().ShowAllBlastDesign = 1;
    frmBlastDesign &d = open();
    const auto edits = d.findChildren<QLineEdit *>();
    const auto checks = d.findChildren<QAbstractButton *>(QRegularExpression("^(chk|opt)"));
    for (int step = 0; step < 600; ++step) {
        if (auto *e = edits[rng.bounded(edits.size())]; e->isEnabled())
            e->setText(samples[rng.bounded(samples.size())]);
        if (auto *c = checks[rng.bounded(checks.size())]; c->isEnabled())
            c->click();
        showTab(rng.bounded(4));
        scroll()->setValue(rng.bounded(-2, 40));
        QApplication::processEvents();
    }
    for (const QString &page : reportPages().OutBuf) {
        EXPECT_FALSE(page.contains("nan", Qt::CaseInsensitive));
        EXPECT_FALSE(page.contains("inf ", Qt::CaseInsensitive));
    }
    for (QLabel *l : d.findChildren<QLabel *>())
        EXPECT_FALSE(l->text().contains("nan", Qt::CaseInsensitive)) << l->objectName().toStdString();
}
