#include "BareMainWindow.h"

#include "shell/MainCaptions.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>

QMainWindow *bareMainWindow()
{
    auto *w = new QMainWindow;
    w->resize(960, 760);
    QMenuBar *bar = w->menuBar();
    auto fill = [](QMenu *menu, int count, const QString &prefix) {
        for (int i = 0; i < count; ++i) {
            QAction *a = menu->addAction(QStringLiteral("%1 %2").arg(prefix).arg(i));
            a->setObjectName(QStringLiteral("%1_%2").arg(prefix).arg(i));
        }
    };
    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    fill(file, 17, QStringLiteral("mnuFileItem"));
    file->actions().at(0)->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    file->actions().at(1)->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    file->actions().at(2)->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    file->actions().at(7)->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    file->actions().at(9)->setShortcut(QKeySequence(QStringLiteral("Ctrl+B")));
    for (int i : {4, 8, 10, 15})
        file->actions().at(i)->setSeparator(true);
    QMenu *input = bar->addMenu(QStringLiteral("&Input"));
    fill(input, 1, QStringLiteral("mnuEditItem"));
    fill(input->addMenu(QStringLiteral("Burden Calculations")), 7, QStringLiteral("mnuFortioItem"));
    fill(input, 1, QStringLiteral("mnuEditItem2"));
    fill(input->addMenu(QStringLiteral("Vibrations")), 2, QStringLiteral("mnuDonisiItem"));
    fill(bar->addMenu(QStringLiteral("Videos")), 3, QStringLiteral("mnuVideosItem"));
    fill(bar->addMenu(QStringLiteral("&Utilities")), 8, QStringLiteral("mnuUtilItem"));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    fill(help, 11, QStringLiteral("mnuHelpItem"));
    help->actions().at(0)->setShortcut(QKeySequence(Qt::Key_F1));
    // The captions of the language switch, written once as the program does.
    for (const MenuCaption &c : MainMenuCaptions())
        if (QAction *a = w->findChild<QAction *>(c.item))
            a->setText(c.english);
    QToolBar *tools = w->addToolBar(QStringLiteral("Toolbar1"));
    for (int i = 1; i <= 5; ++i)
        tools->addAction(QIcon(QStringLiteral(":/shell/images/open.svg")), QString::number(i));
    w->setCentralWidget(new QPlainTextEdit);
    return w;
}
