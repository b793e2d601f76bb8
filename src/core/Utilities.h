#pragma once
// Small shared routines: the version string, the main-window caption text, file and
// folder tests, the file-name part of a path, a text-file copy, fonts, the disclaimer.

#include <QString>
#include <cstdint>

// Style != 0: "major.minor.rr" (2.2.07); Style 0: the same digits without points (2207).
QString GetVersionString(int Style);

// "Korvendo: " & shown name & "*" when the project is unsaved; a name of 51
// characters or more is shown as its first 10, "..." and its last 37.
QString FormCaptionText(const QString &tag = QStringLiteral("Korvendo"));

// True when an entry with this name exists (file or folder); false on any error.
bool FileExists(const QString &FileName);
// True when the folder (or file) exists; an unusable path shows "Invalid path: "
// unless Quiet is 255.
bool ValidPath(const QString &Path, uint8_t Quiet);
// The part after the last "/"; NoExt != 0 cuts before the first "." unless that
// point is the first character. A name ending in "/" gives a message and itself.
QString StripPath(const QString &FileName, int NoExt);
// Copies a text file line by line; messages on failure.
bool CopyTextFile(const QString &Source, const QString &Dest);
// The user's home folder, ending in "/".
QString UserHomeFolder();
// Where the file dialogs and the text browser start: the data folder, or the program's
// documents folder while no data folder is set.
QString DataFolder();
// Appends "/" unless the text already ends with one.
QString WithSlash(const QString &folder);

// Font choice: the first wanted family that the device has, else the system's own.
int FontExists(const QString &FontName, const QStringList &deviceFonts);
QString GetScreenFont();
// The font dialog preset with the four font settings (bold and italic -1/0), which
// take the chosen font (its size a whole number of points from 7 to 24); a cancelled
// dialog gives the preset back.
void ChooseScreenFont(QString &Name, float &Size, int16_t &Bold, int16_t &Italic);
QString GetPrinterFont();

// The disclaimer box, in the current language.
void ShowDisclaimer();
QString DisclaimerText(bool english);
