// Build step: prints the program's help pages into the PDF manual that ships beside the
// program. Usage: make-manual <output.pdf>

#include "core/HelpTopics.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <cstdio>

static QString readPage(const QString &file)
{
    QFile f(QStringLiteral(":/help/") + file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-manual <output.pdf>\n");
        return 2;
    }
    const QString contents = readPage(QStringLiteral("index.html"));
    if (contents.isEmpty()) {
        std::fprintf(stderr, "make-manual: the help pages are missing\n");
        return 1;
    }
    QTextDocument doc;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(10);
    doc.setDefaultFont(font);
    doc.setHtml(ManualHtml(contents, readPage));

    // Written beside the target and renamed over it only when complete.
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString part = out + QStringLiteral(".part");
    {
        QPdfWriter pdf(part);
        pdf.setTitle(QStringLiteral("Tessolan Primer Manual"));
        pdf.setCreator(QStringLiteral("Tessolan Primer"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        doc.print(&pdf);
    }
    QFile::remove(out);
    if (!QFile::rename(part, out)) {
        std::fprintf(stderr, "make-manual: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
