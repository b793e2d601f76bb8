#include "shell/DescriptionBox.h"

#include "core/ProjectFile.h"
#include "platform/Widgets.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

namespace {

// The start or the end of the box's line at 'position': a line ends at the end of its
// block or at a line separator inside it.
int lineStart(const QTextDocument *doc, int position)
{
    const QTextBlock block = doc->findBlock(position);
    const QString text = block.text();
    return block.position() + int(QStringView(text).left(position - block.position()).lastIndexOf(QChar::LineSeparator) + 1);
}

int lineEnd(const QTextDocument *doc, int position)
{
    const QTextBlock block = doc->findBlock(position);
    const QString text = block.text();
    const qsizetype end = text.indexOf(QChar::LineSeparator, position - block.position());
    return block.position() + int(end < 0 ? text.size() : end);
}

// The text between two positions of one line, as the box gives it back.
QString between(QTextDocument *doc, int from, int to)
{
    QTextCursor c(doc);
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    return BoxPlainText(c.selectedText());
}

bool endsLine(QChar c) { return c == u'\r' || c == u'\n'; }

// Where character 'at' of 'joined' lands in the box once 'shown' (the same text with
// CR LF ending each line and more lines broken) is put in, each line end one character.
int shownPosition(QStringView joined, QStringView shown, qsizetype at)
{
    qsizetype i = 0, j = 0;
    int box = 0;
    while (i < at && j < shown.size()) {
        if (shown.at(j) == u'\r') {
            // A line end of the text, or a break the wrapping added inside a line.
            if (endsLine(joined.at(i)))
                i += joined.at(i) == u'\r' && i + 1 < joined.size() && joined.at(i + 1) == u'\n' ? 2 : 1;
            j += 2;
        } else {
            ++i;
            ++j;
        }
        ++box;
    }
    return box;
}

} // namespace

void DescriptionBox::insertFromMimeData(const QMimeData *source)
{
    const QString pasted = source && source->hasText() && !isReadOnly() ? BoxPlainText(source->text()) : QString();
    if (pasted.isEmpty()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QTextCursor cursor = textCursor();
    if (!HasLongLine(pasted)) {
        // As typed, in one step of undo; a block per line would cost far more than the text.
        InsertLongPlainText(cursor, pasted);
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    // The lines the text lands in are broken whole, the text before and after it on them
    // included, as a save breaks them.
    QTextDocument *doc = document();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    const int start = lineStart(doc, from);
    const int end = lineEnd(doc, to);
    const QString head = between(doc, start, from);
    const QString joined = head + pasted + between(doc, to, end);
    const QString shown = WrapLongLines(joined);
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    InsertLongPlainText(cursor, shown);
    // The caret ends after the pasted text, as after any paste.
    cursor.setPosition(start + shownPosition(joined, shown, head.size() + pasted.size()));
    setTextCursor(cursor);
    ensureCursorVisible();
}
