#pragma once
// What the text-file browser shows of a file, and how it starts the external viewer.

#include <QByteArray>
#include <QString>
#include <QStringList>

// The text of a file: UTF-8 when the bytes are valid UTF-8 (a byte-order mark is
// dropped), else Windows Greek (1253); control characters other than tab, line and
// page breaks show as U+FFFD, so a binary file never reaches the view as raw bytes.
QString DecodeViewText(const QByteArray &bytes);

// The longest piece of a line the browser shows on one line.
constexpr qsizetype kViewPieceLength = 1000;

// The text with every line longer than 'pieceLength' characters shown as pieces of
// that length (never between the two halves of a character that needs two code
// units), so the view never lays out one huge line. Nothing else changes: removing
// the inserted line feeds gives the text back. CR LF, CR, LF and the Unicode line and
// paragraph separators end a line.
QString BreakLongLines(const QString &text, qsizetype pieceLength = kViewPieceLength);

// The external viewer setting as a command for 'file'. "xdg-open", "" and the older
// "Notepad.exe" mean the desktop's own opener; any other text is a program and its
// arguments, split as a shell splits words (never run by a shell), with the file as
// one more argument.
struct ViewerCommand {
    bool desktopOpener = false;
    QString program;
    QStringList arguments;
    bool valid = true; // false: an open quote in the setting
};
ViewerCommand ViewerCommandFor(const QString &externalEditor, const QString &file);
