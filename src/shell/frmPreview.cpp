#include "shell/frmPreview.h"

#include "shell/frmPreviewUi.h"

#include "core/Errors.h"
#include "core/Messages.h"
#include "core/Printing.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "platform/Widgets.h"

#include <QPushButton>
#include <QPlainTextEdit>

frmPreview::frmPreview(QWidget *parent) : GuardedDialog(parent), ui(std::make_unique<Ui_frmPreview>())
{
    ui->setupUi(this);
    connect(ui->Command1, &QPushButton::clicked, this, &frmPreview::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmPreview::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &frmPreview::Command3_Click);
    connect(ui->Command8, &QPushButton::clicked, this, &frmPreview::Command8_Click);
    Form_Load();
}

frmPreview::~frmPreview() = default;

void frmPreview::Form_Load()
{
    m_page = 0;
    // A long description makes a long page: shown at once, as the browser shows a file.
    SetLongPlainText(ui->RichTextBox1, reportPages().OutBuf[size_t(m_page)]);
    LogMessage(QStringLiteral("Preview displayed"));
    CenterForm(this);
}

void frmPreview::Command1_Click() { close(); }

void frmPreview::Command2_Click()
{
    services().clipboard->setText(reportPages().OutBuf[size_t(m_page)]);
    LogMessage(QStringLiteral("Output copied to clipboard"));
}

void frmPreview::Command3_Click() { PrintPreview(); }

void frmPreview::Command8_Click() { ShowHelpHint(); }

QString PrintableText(const QString &areaText)
{
    QString text = areaText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(u'\n', QStringLiteral("\r\n"));
    if (!text.isEmpty() && !text.endsWith(QStringLiteral("\r\n")))
        text += QStringLiteral("\r\n");
    return text;
}

void frmPreview::PrintPreview()
{
    if (!m_cancelled) {
        // What is printed is the text area as it stands, line by line as File > Print prints.
        PrintDocument(PrintableText(ui->RichTextBox1->toPlainText()), [this](const std::function<void()> &step) {
            switch (RunWithErrorTail([&] {
                WaitCursor busy;
                step();
            })) {
            case -1:
            case errres::Next: return true;
            case errres::Cancelled: m_cancelled = true; return true;
            default: return false;
            }
        });
    }
    if (m_cancelled) {
        LogMessage(QStringLiteral("Printing aborted"));
        // Reported once: the next Print starts afresh.
        m_cancelled = false;
    }
}

void ShowPrintPreview()
{
    ModalWindow<frmPreview> w;
    w.exec();
}
