#pragma once
// The settings file: reading with the range rules, and writing section by section.

#include <QString>

QString GetINIFileVersion();
void SaveINIFileVersion();
// Section 2 = [Settings], 3 = [FileMenu], 4 = [TextBrowse], 10 = [BlastOptions].
void ReadSettings(int Section);
void WriteSettings(int Section);
void ReadAllSettings();
// Logs "Saving default settings to file: " & IniFile, then writes: 1 all four
// sections, 2 [Settings], 3 [FileMenu], 4 [TextBrowse], 10 [BlastOptions].
void SaveDefaultSettings(int Which);
