#pragma once
// The page printer over one QPrinter and a QPainter, addressed in twips.

#include "core/Services.h"

#include <QFont>
#include <memory>

class QPainter;
class QPrinter;

class QtPrinter : public IPrinter {
public:
    // The system's default printer.
    QtPrinter();
    // Prints into a PDF file instead of a printer.
    explicit QtPrinter(const QString &pdfFile);
    ~QtPrinter() override;

    void begin() override;
    bool isActive() const override;
    PrinterFont font() const override { return m_font; }
    void setFont(const PrinterFont &font) override;
    double printableWidth() const override;
    double printableHeight() const override;
    double textWidth(const QString &text) const override;
    double lineHeight() const override;
    void drawText(double x, double y, const QString &text) override;
    void newPage() override;
    void end() override;

    // The QPrinter that the printer-setup dialog edits (made on first use).
    QPrinter &qprinter() const;

private:
    double twipsPerPixel() const;
    QFont qfont() const;

    QString m_pdfFile;
    mutable std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    PrinterFont m_font;
};
