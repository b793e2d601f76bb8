#include "shell/frmPreviewUi.h"

#include "shell/frmPreview.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QVBoxLayout>

void Ui_frmPreview::setupUi(frmPreview *w)
{
    w->setObjectName(QStringLiteral("frmPreview"));
    w->setWindowTitle(QStringLiteral("Print Preview"));
    w->resize(760, 560);

    auto *layout = new QVBoxLayout(w);
    RichTextBox1 = new QPlainTextEdit(w);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichTextBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(RichTextBox1, 1);

    auto *buttons = new QHBoxLayout;
    auto button = [w, buttons](const char *name, const char *caption) {
        auto *b = new QPushButton(QString::fromUtf8(caption), w);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    Command1 = button("Command1", "OK");
    Command2 = button("Command2", "&Copy to Clipboard");
    Command3 = button("Command3", "&Print");
    buttons->addStretch(1);
    Command8 = button("Command8", "Help");
    Command1->setDefault(true);
    layout->addLayout(buttons);
}
