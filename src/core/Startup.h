#pragma once
// Start-up pieces that need no window: constants, built-in defaults, folders, the
// decimal separator and the settings-file version gate.

#include <QString>
#include <QStringList>

// Step 1 of the start routine: title, help and manual names, web addresses, the
// settings-file version.
void SetRunConstants();
// Built-in defaults of the program-wide variables and settings.
void InitGlobals();
void InitAppPath();
void InitUserFolders();
// Steps 3 to 7 of the start routine (units, section labels, version tags, option
// presets, file extension).
void SetStartupPresets();
// The decimal separator is "." inside this process; nothing outside it changes.
QString GetDecimalSeparator();
void SetDecimalSeparator(const QString &Sep);
void ForceDecimalPoint();
void RestoreDecimalSeparator();
// Step 9: reads the settings file into memory; creates it from the current values
// when missing and rebuilds it when its version differs. Returns false when an
// existing file could not be read: the program then says so, runs on its built-in
// values and leaves the file as it is.
bool CheckSettingsFile();
// Runs steps 1 to 11 of the start routine (all but the main window).
void StartupBeforeWindow();
// The command line: the arguments joined by blanks with every double quote removed,
// made absolute against 'workingDir'; "" when there are none.
QString JoinCommandLine(const QStringList &args, const QString &workingDir);
