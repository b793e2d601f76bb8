#include "platform/QtPrinter.h"

#include "core/Errors.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

QtPrinter::QtPrinter() = default;

QtPrinter::QtPrinter(const QString &pdfFile) : m_pdfFile(pdfFile) {}

QtPrinter::~QtPrinter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

QPrinter &QtPrinter::qprinter() const
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!m_pdfFile.isEmpty()) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(m_pdfFile);
        }
    }
    return *m_printer;
}

void QtPrinter::begin()
{
    QPrinter &printer = qprinter();
    // Without an installed printer only a file chosen as the output can be printed to.
    if (printer.outputFileName().isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty())
        throw NoPrinterError();
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->isActive() && !m_painter->begin(&printer))
        throw RuntimeError(err::PrinterError);
    m_painter->setFont(qfont());
}

bool QtPrinter::isActive() const { return m_painter && m_painter->isActive(); }

QFont QtPrinter::qfont() const
{
    QFont f(m_font.name);
    if (m_font.size > 0)
        f.setPointSizeF(m_font.size);
    f.setBold(m_font.bold);
    f.setItalic(m_font.italic);
    f.setStrikeOut(m_font.strikethrough);
    f.setUnderline(m_font.underline);
    return f;
}

void QtPrinter::setFont(const PrinterFont &font)
{
    m_font = font;
    if (isActive())
        m_painter->setFont(qfont());
}

double QtPrinter::twipsPerPixel() const { return 1440.0 / qprinter().resolution(); }

double QtPrinter::printableWidth() const
{
    const QPrinter &p = qprinter();
    return p.pageLayout().paintRectPixels(p.resolution()).width() * twipsPerPixel();
}

double QtPrinter::printableHeight() const
{
    const QPrinter &p = qprinter();
    return p.pageLayout().paintRectPixels(p.resolution()).height() * twipsPerPixel();
}

double QtPrinter::textWidth(const QString &text) const
{
    return QFontMetricsF(qfont(), &qprinter()).horizontalAdvance(text) * twipsPerPixel();
}

double QtPrinter::lineHeight() const
{
    return QFontMetricsF(qfont(), &qprinter()).lineSpacing() * twipsPerPixel();
}

void QtPrinter::drawText(double x, double y, const QString &text)
{
    if (!isActive())
        throw RuntimeError(err::PrinterError);
    const double k = twipsPerPixel();
    const QFontMetricsF fm(qfont(), &qprinter());
    m_painter->drawText(QPointF(x / k, y / k + fm.ascent()), text);
}

void QtPrinter::newPage()
{
    if (!isActive() || !qprinter().newPage())
        throw RuntimeError(err::PrinterError);
}

void QtPrinter::end()
{
    if (isActive() && !m_painter->end())
        throw RuntimeError(err::PrinterError);
}
