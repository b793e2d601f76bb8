#pragma once
// The text box of the project description dialog. A pasted or dropped text that holds a
// line longer than a saved file holds is shown as an opened description is shown: the
// lines it lands in are broken as the next save will break them and put in at once,
// however long they are. Any other text goes in as typed, also at once, however many
// lines it has: its lines are gathered into blocks, as the text browser gathers them.

#include <QPlainTextEdit>

class DescriptionBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData *source) override;
};
