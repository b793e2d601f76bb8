#pragma once
// The Help menu: the help window's contents and index, the PDF manual, the resource
// documents, the disclaimer, the updates window and the About box; the Videos menu; F1.

#include <QString>

class QWidget;
struct ProgramCloser;

// App.HelpFile: the contents page of the help.
void SetHelpFile();
// The help file for Kind 0, 1 and 2; "" for any other Kind.
QString GetHelpFile(int Kind);
void ShowHelpContents(int Kind);
void ShowHelpIndex(int Kind);
void CloseHelp(int Kind);
// The page of a help-context number.
void ShowHelpTopic(int Context);

// The Help menu's item Index; separators and unknown indexes do nothing. 'owner' is the
// window that modal windows opened here belong to; 'closer' ends the program when the
// updates window installs a new version.
void HelpMenu(int Index, QWidget *owner, const ProgramCloser &closer);
// Help in PDF format: the manual beside the program.
void OpenManual();
// Video 1..3 (Index 0..2), files beside the program.
void PlayVideo(int Index);

// The About box and its text.
QString AboutTitle();
QString AboutText();
void ShowAbout();

// F1 in any window but the main window opens that window's page of the help.
void InstallHelpKey(QWidget *mainWindow);
