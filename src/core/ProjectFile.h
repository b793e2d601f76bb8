#pragma once
// The project data file: a line-oriented text file in six layouts, told apart by the
// tag on the first line. The writer always writes the newest layout; the reader takes
// what the file's layout holds and leaves the rest at the defaults of File > New.
//
// Failures (a file that cannot be opened or written, a file that ends before its
// layout does) throw RuntimeError with the classic error numbers; the caller's error
// tail decides what happens next.

#include "core/ProgramState.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Compares the tag (case-sensitive, whole field) with the known version tags, newest
// first, and sets FileVersionCode to 50 + the index of the match. An unknown tag shows
// "Invalid File Type" and returns false, leaving FileVersionCode unchanged.
bool CheckFileType(const QString &Tag);

// Re-wraps ProjectDescription: lines that are empty or only blanks are dropped, a
// line longer than 60 characters (without its surrounding blanks) is broken by
// WrapLine; the lines are joined with CR LF, with none after the last.
void WrapDescription();
// The same for any description text, which it leaves as it is. A wrapped text wraps
// to itself.
QString WrappedDescription(const QString &desc);
// The description as the dialog shows it: each line longer than 60 characters (without
// its surrounding blanks) broken by WrapLine, as a save breaks it; every other line,
// blank ones too, as it is. Lines end with CR LF, none after the last.
QString WrapLongLines(const QString &desc);
// Whether WrapLongLines breaks any line of the text.
bool HasLongLine(const QString &desc);
// Breaks one line into pieces of at most 60 characters, preferring to end a piece
// with a blank in columns 41 to 60; the pieces are joined with CR LF.
QString WrapLine(const QString &Line);

// The project as the file holds it, CR LF line ends (the text that SaveProjectFile writes).
QString ProjectFileText(const ProjectState &p);

// The body of File > Save: logs "Saving: " & CurrentFile and writes the project to
// CurrentFile in UTF-8 through a temporary file and a rename, so that a failed save
// leaves the previous file intact. ProjectSaved becomes 255 only when the file was
// written. Throws RuntimeError on failure.
bool SaveProjectFile();

// The body of File > Open after its save question: resets the project (FileNew with
// the name kept), logs "Opening: " & CurrentFile and reads it. Returns false when the
// tag is rejected. A rejected file, or one that fails while it is read (the error is
// thrown on), leaves CurrentFile = "Untitled" so that no later Save writes over it.
bool OpenProjectFile();

// Reads project text already in memory (lines ending in CR LF or LF), as
// OpenProjectFile does after opening the file. Used by OpenProjectFile and the fuzzer.
bool ReadProjectText(const QString &text);

// Decodes the bytes of a project file: UTF-8, or Windows-1253 (Greek) when the bytes
// are not valid UTF-8.
QString DecodeProjectBytes(const QByteArray &bytes);

// The lines of a project file, read one at a time.
class ProjectLineReader {
public:
    // Lines end in CR LF or LF; a last line without a line end counts as a line.
    explicit ProjectLineReader(const QString &text);
    // The next whole line; throws RuntimeError 62 (past end) when there is none.
    QString nextLine();
    bool atEnd() const { return m_next >= m_lines.size(); }

private:
    QStringList m_lines;
    qsizetype m_next = 0;
};

// Reads the description block: a first line "##StartDesc##" is skipped, then every
// line up to "##EndDesc##" that is not empty or only blanks is appended to
// ProjectDescription followed by CR LF.
void ReadDescription(ProjectLineReader &reader);
