#include "platform/fakes/FakePrinter.h"

#include "core/Errors.h"

void FakePrinter::begin()
{
    if (!available)
        throw NoPrinterError();
    ++begins;
    m_active = true;
    current = PrintedDocument();
    current.pages.append(QList<PrintedText>());
}

void FakePrinter::drawText(double x, double y, const QString &text)
{
    if (!m_active)
        throw RuntimeError(err::PrinterError);
    current.pages.last().append(PrintedText{x, y, text, m_font});
}

void FakePrinter::newPage()
{
    if (!m_active)
        throw RuntimeError(err::PrinterError);
    current.pages.append(QList<PrintedText>());
}

void FakePrinter::end()
{
    if (!m_active)
        return;
    m_active = false;
    documents.append(current);
    current = PrintedDocument();
}
