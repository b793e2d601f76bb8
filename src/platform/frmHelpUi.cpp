// The widgets of the help window.

#include "platform/frmHelp.h"
#include "platform/Widgets.h"
#include "platform/frmHelpUi.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

void Ui_frmHelp::setupUi(frmHelp *w)
{
    w->setObjectName(QStringLiteral("frmHelp"));
    w->setWindowTitle(QStringLiteral("Tessolan Primer Help"));
    w->resize(900, 640);
    auto *outer = new QVBoxLayout(w);

    auto *buttons = new QHBoxLayout;
    auto button = [w, buttons](const char *name, const QString &text) {
        auto *b = new QToolButton(w);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(b);
        return b;
    };
    cmdBack = button("cmdBack", QStringLiteral("Back"));
    cmdForward = button("cmdForward", QStringLiteral("Forward"));
    cmdHome = button("cmdHome", QStringLiteral("Contents"));
    buttons->addStretch();
    outer->addLayout(buttons);

    auto *split = new QSplitter(Qt::Horizontal, w);
    tabNav = WholeTabs(new QTabWidget(split));
    tabNav->setObjectName(QStringLiteral("tabNav"));
    lstContents = new QListWidget;
    lstContents->setObjectName(QStringLiteral("lstContents"));
    tabNav->addTab(lstContents, QStringLiteral("Contents"));

    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    txtIndex = new QLineEdit(indexPage);
    txtIndex->setObjectName(QStringLiteral("txtIndex"));
    TypeNoAltLetters(txtIndex);
    txtIndex->setPlaceholderText(QStringLiteral("Type the word you look for"));
    lstIndex = new QListWidget(indexPage);
    lstIndex->setObjectName(QStringLiteral("lstIndex"));
    indexLayout->addWidget(txtIndex);
    indexLayout->addWidget(lstIndex);
    tabNav->addTab(indexPage, QStringLiteral("Index"));

    txtPage = new QTextBrowser(split);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setOpenLinks(true);
    txtPage->setOpenExternalLinks(false);
    split->addWidget(tabNav);
    split->addWidget(txtPage);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({240, 660});
    outer->addWidget(split);
}
