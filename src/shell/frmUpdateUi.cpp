#include "shell/frmUpdate.h"
#include "shell/frmUpdateUi.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

void Ui_frmUpdate::setupUi(frmUpdate *w)
{
    w->setObjectName(QStringLiteral("frmUpdate"));
    w->setWindowTitle(QStringLiteral("Program Update"));
    auto *outer = new QHBoxLayout(w);
    auto *left = new QVBoxLayout;
    auto label = [w](const char *name) {
        auto *l = new QLabel(w);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(true);
        return l;
    };
    lblInfo = label("lblInfo");
    lblUpdate = label("lblUpdate");
    lblUpdate->setMinimumWidth(380);
    lblLastVer = label("lblLastVer");
    Label2 = label("Label2");
    Label2->setText(QStringLiteral("URL to program web page:"));
    Picture1 = new QFrame(w);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    auto *pic = new QHBoxLayout(Picture1);
    pic->setContentsMargins(0, 0, 0, 0);
    lblURL = new QLabel(Picture1);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    lblURL->setCursor(Qt::PointingHandCursor);
    pic->addWidget(lblURL);
    ProgressBar1 = new QProgressBar(w);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    lblbytes = label("lblbytes");
    chkShow = new QCheckBox(QStringLiteral("Disable check for program updates"), w);
    chkShow->setObjectName(QStringLiteral("chkShow"));
    for (QWidget *x : {static_cast<QWidget *>(lblInfo), static_cast<QWidget *>(lblUpdate),
                       static_cast<QWidget *>(lblLastVer), static_cast<QWidget *>(ProgressBar1),
                       static_cast<QWidget *>(lblbytes), static_cast<QWidget *>(Label2),
                       static_cast<QWidget *>(Picture1), static_cast<QWidget *>(chkShow)})
        left->addWidget(x);
    outer->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    auto button = [w, right](const char *name, const QString &text) {
        auto *b = new QPushButton(text, w);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        right->addWidget(b);
        return b;
    };
    cmdCheck = button("cmdCheck", QStringLiteral("Check for Updates"));
    cmdDownUpdate = button("cmdDownUpdate", QStringLiteral("Download Update"));
    cmdInstall = button("cmdInstall", QStringLiteral("Install Update"));
    right->addStretch();
    Command1 = button("Command1", QStringLiteral("OK"));
    outer->addLayout(right);
}
