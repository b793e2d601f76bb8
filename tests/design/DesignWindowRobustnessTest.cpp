// Odd inputs typed anywhere, in any order, never crash the design window and never put
// a value that is not finite on a page.

#include "DesignFixtures.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QRandomGenerator>

using DesignWindowRobustness = DesignWindowFixture;

TEST_F(DesignWindowRobustness, RandomEditsTabsAndPagingNeverBreakIt)
{
    const QStringList samples = {"", "0", "-1", "1e39", "1e-39", "abc", ".", "-", "3.5", "100000", "0.001",
                                 "32768", "-32769", "2", "1", "0.4", "nan", "inf", "7", "99999999"};
    for (int english : {1, 0}) {
        QRandomGenerator rng(20261206 + english); // the same sequence every run
        settings().EnglishMenus = static_cast<int16_t>(english);
        settings().ShowAllBlastDesign = 1;
        frmBlastDesign &d = open();
        const auto edits = d.findChildren<QLineEdit *>();
        const auto tabs = d.findChildren<QTabWidget *>();
        const auto checks = d.findChildren<QCheckBox *>();
        const auto radios = d.findChildren<QRadioButton *>();
        for (int step = 0; step < 1500; ++step) {
            switch (rng.bounded(6)) {
            case 0:
            case 1:
                if (auto *e = edits[rng.bounded(edits.size())]; e->isEnabled())
                    e->setText(samples[rng.bounded(samples.size())]);
                break;
            case 2:
                if (auto *t = tabs[rng.bounded(tabs.size())])
                    t->setCurrentIndex(rng.bounded(t->count()));
                break;
            case 3: checks[rng.bounded(checks.size())]->click(); break;
            case 4:
                if (auto *r = radios[rng.bounded(radios.size())]; r->isEnabled())
                    r->click();
                break;
            default:
                scroll()->setValue(rng.bounded(-2, 40));
                type("cmbNoEpif", samples[rng.bounded(samples.size())]);
            }
            QApplication::processEvents();
        }
        for (const QString &page : reportPages().OutBuf) {
            EXPECT_FALSE(page.contains("nan", Qt::CaseInsensitive));
            EXPECT_FALSE(page.contains("inf ", Qt::CaseInsensitive));
        }
        for (QLabel *l : d.findChildren<QLabel *>())
            EXPECT_FALSE(l->text().contains("nan", Qt::CaseInsensitive)) << l->objectName().toStdString();
    }
}
