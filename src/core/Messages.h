#pragma once
// Logging to the history log (kept in the program state), logged and unlogged message
// boxes, and message titles.

#include "core/ProgramState.h"

#include <QString>

struct OpenOutcome;

// The end of every line of a message, a report, the history log and the files.
inline const QString kCrLf = QStringLiteral("\r\n");

// Text from a file, a setting or the user, cut for a message box: at most maxChars
// characters, a cut text ending in "...".
QString BoundedText(const QString &text, int maxChars = 300);

// Appends "n. Msg" CR LF to the history pane (when DisplayHistoryWin is 1).
void LogMessage(const QString &Msg);

// Logs, then shows a box; an empty Title is replaced, in the caller's variable, by the
// application title. Returns the button pressed.
int ShowMessage(const QString &Msg, int Buttons, QString &Title,
                const QString &HelpFile = QString(), int Context = 0);
// Convenience for a literal title (the replacement is not seen by anyone).
int ShowMessage(const QString &Msg, int Buttons, const QString &Title = QString());

// An unlogged message box (the calculators' and design window's own checks, prompts).
// An empty title shows the application title.
int MsgBox(const QString &Msg, int Buttons = 0, const QString &Title = QString());

// Sets MsgTitle and the five titles from SectionLabels(FormIndex).
void SetModuleTitles(int FormIndex);

// The Help button of every input window.
void ShowHelpHint();

// Tells (and logs) that the desktop could not open a file or web address, naming it
// and the reason.
void ShowNotOpened(const QString &target, const OpenOutcome &outcome);

// The text of the current language: English when EnglishMenus is 1.
QString Lang(const QString &english, const QString &greek);
bool IsEnglish();
