#pragma once
// A recording printer: pages of drawn texts with their positions and fonts, a fixed
// character width and line height, and a switch for "no printer".

#include "core/Services.h"

#include <QList>

struct PrintedText {
    double x = 0;
    double y = 0;
    QString text;
    PrinterFont font;
};

struct PrintedDocument {
    QList<QList<PrintedText>> pages;
};

class FakePrinter : public IPrinter {
public:
    void begin() override;
    bool isActive() const override { return m_active; }
    PrinterFont font() const override { return m_font; }
    void setFont(const PrinterFont &font) override { m_font = font; }
    double printableWidth() const override { return width; }
    double printableHeight() const override { return height; }
    double textWidth(const QString &text) const override { return charWidth * text.size(); }
    double lineHeight() const override { return lineSpacing; }
    void drawText(double x, double y, const QString &text) override;
    void newPage() override;
    void end() override;

    // Settings of the fake: US Letter, 120 twips a character, 240 a line.
    double width = 12240;
    double height = 15840;
    double charWidth = 120;
    double lineSpacing = 240;
    bool available = true; // false: no printer, begin() throws NoPrinterError

    // Finished documents, and the one in progress.
    QList<PrintedDocument> documents;
    PrintedDocument current;
    int begins = 0;

private:
    bool m_active = false;
    PrinterFont m_font;
};
