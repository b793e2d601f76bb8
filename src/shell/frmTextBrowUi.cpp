#include "shell/frmTextBrowUi.h"

#include "platform/FileLists.h"
#include "platform/Widgets.h"
#include "shell/frmTextBrow.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
template <class T> T *named(T *w, const char *name)
{
    w->setObjectName(QLatin1String(name));
    return w;
}
} // namespace

void Ui_frmTextBrow::setupUi(frmTextBrow *w)
{
    w->setObjectName(QStringLiteral("frmTextBrow"));
    w->setWindowTitle(QStringLiteral("View Source Files"));
    w->resize(900, 620);
    auto *layout = new QHBoxLayout(w);

    auto *left = new QVBoxLayout;
    Drive1 = named(new DriveList(w), "Drive1");
    Dir1 = named(new FolderList(w), "Dir1");
    File1 = named(new FileList(w), "File1");
    Text2 = named(new QLineEdit(w), "Text2");
    TypeNoAltLetters(Text2);
    left->addWidget(new QLabel(QStringLiteral("Select Drive:"), w));
    left->addWidget(Drive1);
    left->addWidget(new QLabel(QStringLiteral("Select Folder:"), w));
    left->addWidget(Dir1, 1);
    left->addWidget(new QLabel(QStringLiteral("Select File:"), w));
    left->addWidget(File1, 1);
    auto *pattern = new QHBoxLayout;
    pattern->addWidget(new QLabel(QStringLiteral("Pattern:"), w));
    pattern->addWidget(Text2, 1);
    left->addLayout(pattern);
    layout->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    auto *current = new QHBoxLayout;
    Label1 = named(new QLabel(w), "Label1");
    Label1->setTextFormat(Qt::PlainText);
    current->addWidget(new QLabel(QStringLiteral("Current file:"), w));
    current->addWidget(Label1, 1);
    right->addLayout(current);
    right->addWidget(new QLabel(QStringLiteral("View of Selected File"), w));
    RichTextBox1 = named(new QPlainTextEdit(w), "RichTextBox1");
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichTextBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    right->addWidget(RichTextBox1, 1);
    auto *buttons = new QHBoxLayout;
    Check1 = named(new QCheckBox(QStringLiteral("Use external viewer"), w), "Check1");
    cmdSetFont = named(new QPushButton(QStringLiteral("Set &Font"), w), "cmdSetFont");
    Command1 = named(new QPushButton(QStringLiteral("OK"), w), "Command1");
    cmdSetFont->setAutoDefault(false);
    buttons->addWidget(Check1);
    buttons->addWidget(cmdSetFont);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    right->addLayout(buttons);
    layout->addLayout(right, 2);
}
