#pragma once
// The settings file, held in memory: read and parsed once per start, changed section
// by section in memory, and written as a whole by SaveDefaultSettings.

#include <QString>

// Reads the settings file (IniFile) into memory, replacing what was held.
enum class SettingsLoad {
    Loaded,     // the file was read
    Missing,    // there is no file: the settings start empty
    Unreadable, // the file exists but cannot be read (or is too large): it is kept
                // as it is and never written during this run
};
SettingsLoad LoadSettingsFile(QString *reason = nullptr);
// Forgets the file's contents (the next save writes a fresh file); used to rebuild it.
void ClearSettingsFile();
// True while the settings file could not be read at start: saves leave it alone.
bool SettingsFileHeldBack();

QString GetINIFileVersion();
void SaveINIFileVersion();
// Section 2 = [Settings], 3 = [FileMenu], 4 = [TextBrowse], 10 = [BlastOptions].
// Reading applies the range rules to the values held in memory; writing puts the
// section's current values into memory (SaveDefaultSettings writes the file).
void ReadSettings(int Section);
void WriteSettings(int Section);
void ReadAllSettings();
// Logs "Saving default settings to file: " & IniFile, puts the sections into memory
// (1 all four, 2 [Settings], 3 [FileMenu], 4 [TextBrowse], 10 [BlastOptions]), then
// writes the whole file once through a temporary file and a rename. Returns false
// when the file was not written: a failed write is logged and shown once under
// TitleError naming the file (the old file stays as it was, the settings hold for
// this run); a file held back since start-up is not written, without a message.
bool SaveDefaultSettings(int Which);
