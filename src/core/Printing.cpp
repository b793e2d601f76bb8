#include "core/Printing.h"

#include "core/Errors.h"
#include "core/ProgramState.h"
#include "core/Utilities.h"

#include <QDateTime>

namespace {

IPrinter &printer()
{
    return *services().printer;
}

// Output before a start opens a document, as the printer does on its first line.
IPrinter &activePrinter()
{
    IPrinter &p = printer();
    if (!p.isActive())
        p.begin();
    return p;
}

void setItalic(IPrinter &p, bool italic)
{
    PrinterFont f = p.font();
    f.italic = italic;
    p.setFont(f);
}

void printHeader(IPrinter &p)
{
    PrintJob &job = printJob();
    setItalic(p, true);
    p.drawText(printgeom::LeftMargin, printgeom::HeaderTop, PrintHeaderText());
    // The page number ends 1152 plus a fifth of its width from the right edge.
    const QString pageText = QStringLiteral("Page: ") + QString::number(job.PageNo);
    const double x = p.printableWidth() - printgeom::PageNoRightMargin - 1.2 * p.textWidth(pageText);
    p.drawText(x, printgeom::HeaderTop, pageText);
    job.CurrentX = printgeom::LeftMargin;
    job.CurrentY = printgeom::TextTop;
    setItalic(p, false);
}

void startNewPage(IPrinter &p, bool header)
{
    PrintJob &job = printJob();
    p.newPage();
    ++job.PageNo;
    job.CurrentX = 0;
    job.CurrentY = 0;
    if (header)
        printHeader(p);
}

void printLine(const QString &text)
{
    IPrinter &p = activePrinter();
    PrintJob &job = printJob();
    job.CurrentX = printgeom::LeftMargin;
    p.drawText(job.CurrentX, job.CurrentY, text);
    job.CurrentY += p.lineHeight();
    job.CurrentX = 0;
    if (job.CurrentY > p.printableHeight() - printgeom::BottomReserve)
        startNewPage(p, true);
}

} // namespace

QString PrintHeaderText()
{
    const PrintJob &job = printJob();
    return appState().ProgramName + QStringLiteral(" Version: ") + GetVersionString(1) + QStringLiteral(", ")
           + job.PrintDate + QStringLiteral(", ") + job.PrintTime;
}

PrinterFont DefaultPrinterFont()
{
    PrinterFont f;
    f.name = GetPrinterFont();
    f.size = 9;
    return f;
}

void SetPrinterFont(IPrinter &Obj) { Obj.setFont(DefaultPrinterFont()); }

void PrintText(int Mode, const QString &Text)
{
    PrintJob &job = printJob();
    switch (Mode) {
    case printmode::StartJob: {
        IPrinter &p = printer();
        if (!p.isActive())
            p.begin();
        SetPrinterFont(p);
        const QDateTime now = services().clock->now();
        job.PrintDate = now.toString(QStringLiteral("M/d/yyyy"));
        job.PrintTime = now.toString(QStringLiteral("HH:mm:ss"));
        job.PageNo = 1;
        printHeader(p);
        break;
    }
    case printmode::Line:
        printLine(Text);
        break;
    case printmode::Text: {
        // Only CR LF-terminated lines are printed; a last piece without one is not.
        qsizetype from = 0;
        for (;;) {
            const qsizetype at = Text.indexOf(QStringLiteral("\r\n"), from);
            if (at < 0)
                break;
            printLine(Text.mid(from, at - from));
            from = at + 2;
        }
        break;
    }
    case printmode::NewPage:
        startNewPage(activePrinter(), true);
        break;
    case printmode::BlankPage:
        startNewPage(activePrinter(), false);
        break;
    case printmode::EndJob:
        printer().end();
        break;
    default:
        break;
    }
}

void PrintDocument(const QString &text, const std::function<bool(const std::function<void()> &)> &step)
{
    const std::pair<int, QString> steps[] = {
        {printmode::StartJob, QString()}, {printmode::Text, text}, {printmode::EndJob, QString()}};
    for (const auto &[mode, stepText] : steps) {
        if (!step([mode = mode, &stepText = stepText] { PrintText(mode, stepText); }))
            return;
        // A document that could not be started (its error answered with Cancel) takes no
        // lines: each would only fail again with the same error.
        if (mode == printmode::StartJob && !printer().isActive())
            return;
    }
}
