#include "core/Settings.h"

#include "core/Checks.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/NumText.h"
#include "core/ProgramState.h"
#include "core/Utilities.h"

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kFileMenu = QStringLiteral("FileMenu");
const QString kTextBrowse = QStringLiteral("TextBrowse");
const QString kBlastOptions = QStringLiteral("BlastOptions");
const QString kVersion = QStringLiteral("Version");

QString ini() { return paths().IniFile; }

QString readText(const QString &section, const QString &key) { return ReadINI(section, key, ini()); }

// A numeric key: its leading number, limited to [min, max] (out of range -> min).
int16_t readInt(const QString &section, const QString &key, double min, double max,
                const QString &def = QString())
{
    double v = numtext::Val(ReadINI(section, key, ini(), def));
    return LimitRange(v, min, max);
}

// A font size: limited to 7..24 and made a whole number (halves to even).
float readFontSize(const QString &section, const QString &key)
{
    double v = numtext::Val(readText(section, key));
    return static_cast<float>(LimitRange(v, 7, 24));
}

QString fontOrDefault(const QString &name) { return name.isEmpty() ? GetScreenFont() : name; }

void write(const QString &section, const QString &key, const QString &value)
{
    WriteINI(section, key, value, ini());
}
void write(const QString &section, const QString &key, int value)
{
    write(section, key, QString::number(value));
}
void write(const QString &section, const QString &key, float value)
{
    write(section, key, numtext::General(value));
}

void readSettingsSection()
{
    SettingsState &s = settings();
    const QString &S = kSettings;
    s.DefaultUnits = readInt(S, QStringLiteral("DefaultUnits"), 0, 1);
    s.DisplayHistoryWin = readInt(S, QStringLiteral("DisplayHistoryWin"), 0, 1);
    s.MaxDisplaySize = readInt(S, QStringLiteral("MaxDisplaySize"), 4096, 16384);
    s.DisplayFontName = fontOrDefault(readText(S, QStringLiteral("DisplayFontName")));
    s.DisplayFontSize = readFontSize(S, QStringLiteral("DisplayFontSize"));
    s.DisplayFontBold = readInt(S, QStringLiteral("DisplayFontBold"), -1, 0);
    s.DisplayFontItalic = readInt(S, QStringLiteral("DisplayFontItalic"), -1, 0);
    s.KeepFileNames = readInt(S, QStringLiteral("KeepFileNames"), 0, 1);
    s.ShowDisclaim = readInt(S, QStringLiteral("ShowDisclaim"), 0, 1);
    s.MaxMainMenu = readInt(S, QStringLiteral("MaxMainMenu"), 0, 1);
    s.EnableMainMenuToolbar = readInt(S, QStringLiteral("EnableMainMenuToolbar"), 0, 1);
    s.ShortRecentFiles = readInt(S, QStringLiteral("ShortRecentFiles"), 0, 1);
    s.LoadLastInputFile = readInt(S, QStringLiteral("LoadLastInputFile"), 0, 1);
    s.RemindAnnualUpdates = readInt(S, QStringLiteral("RemindAnnualUpdates"), 0, 1);
    s.CopyExampleFiles = readInt(S, QStringLiteral("CopyExampleFiles"), 0, 1, QStringLiteral("1"));
    s.ExternalEditor = readText(S, QStringLiteral("ExternalEditor"));

    QString data = readText(S, QStringLiteral("DataPath"));
    if (data.isEmpty() || data == QLatin1String("0")) {
        data = paths().DefaultDataPath;
    } else {
        data = WithSlash(data.trimmed());
        if (!ValidPath(data, kTrue))
            data = paths().DefaultDataPath;
    }
    s.DataPath = data;

    const QString ext = readText(S, QStringLiteral("FileExtension"));
    s.FileExtension = (ext.isEmpty() || ext == QLatin1String("0")) ? appState().DefaultFileExtension : ext;
}

void writeSettingsSection()
{
    const SettingsState &s = settings();
    const QString &S = kSettings;
    write(S, QStringLiteral("DefaultUnits"), s.DefaultUnits);
    write(S, QStringLiteral("DisplayHistoryWin"), s.DisplayHistoryWin);
    write(S, QStringLiteral("MaxDisplaySize"), s.MaxDisplaySize);
    write(S, QStringLiteral("DisplayFontName"), s.DisplayFontName);
    write(S, QStringLiteral("DisplayFontSize"), s.DisplayFontSize);
    write(S, QStringLiteral("DisplayFontBold"), s.DisplayFontBold);
    write(S, QStringLiteral("DisplayFontItalic"), s.DisplayFontItalic);
    write(S, QStringLiteral("KeepFileNames"), s.KeepFileNames);
    write(S, QStringLiteral("ShowDisclaim"), s.ShowDisclaim);
    write(S, QStringLiteral("MaxMainMenu"), s.MaxMainMenu);
    write(S, QStringLiteral("EnableMainMenuToolbar"), s.EnableMainMenuToolbar);
    write(S, QStringLiteral("ShortRecentFiles"), s.ShortRecentFiles);
    write(S, QStringLiteral("LoadLastInputFile"), s.LoadLastInputFile);
    write(S, QStringLiteral("RemindAnnualUpdates"), s.RemindAnnualUpdates);
    write(S, QStringLiteral("CopyExampleFiles"), s.CopyExampleFiles);
    write(S, QStringLiteral("DataPath"), s.DataPath);
    write(S, QStringLiteral("FileExtension"), s.FileExtension);
    write(S, QStringLiteral("ExternalEditor"), s.ExternalEditor);
}

void readFileMenuSection()
{
    RecentFilesState &r = recentFiles();
    r.MaxLastFiles = readInt(kFileMenu, QStringLiteral("MaxLastFiles"), 0, 4);
    for (int i = 1; i <= r.MaxLastFiles; ++i) {
        const QString n = QString::number(i);
        r.LastFile[i] = readText(kFileMenu, QStringLiteral("LastFile") + n);
        // The file mode has no range; a value beyond 16 bits is limited, not an overflow.
        r.LastFileMode[i] = readInt(kFileMenu, QStringLiteral("LastFileMode") + n, -32768, 32767);
        r.LastFileLong[i] = readText(kFileMenu, QStringLiteral("LastFileLong") + n);
    }
}

void writeFileMenuSection()
{
    RecentFilesState &r = recentFiles();
    write(kFileMenu, QStringLiteral("MaxLastFiles"), r.MaxLastFiles);
    double n = r.MaxLastFiles;
    r.MaxLastFiles = LimitRange(n, 0, 4);
    for (int i = 1; i <= r.MaxLastFiles; ++i) {
        const QString k = QString::number(i);
        write(kFileMenu, QStringLiteral("LastFile") + k, r.LastFile[i]);
        write(kFileMenu, QStringLiteral("LastFileMode") + k, r.LastFileMode[i]);
        write(kFileMenu, QStringLiteral("LastFileLong") + k, r.LastFileLong[i]);
    }
}

void readTextBrowseSection()
{
    SettingsState &s = settings();
    const QString &T = kTextBrowse;
    s.BrowseFontName = fontOrDefault(readText(T, QStringLiteral("BrowseFontName")));
    s.BrowseFontSize = readFontSize(T, QStringLiteral("BrowseFontSize"));
    s.BrowseFontBold = readInt(T, QStringLiteral("BrowseFontBold"), -1, 0);
    s.BrowseFontItalic = readInt(T, QStringLiteral("BrowseFontItalic"), -1, 0);
    s.BrowseDefaultFilter = readText(T, QStringLiteral("BrowseDefaultFilter"));
    s.BrowseUseNotepad = readInt(T, QStringLiteral("BrowseUseNotepad"), 0, 1);
}

void writeTextBrowseSection()
{
    const SettingsState &s = settings();
    const QString &T = kTextBrowse;
    write(T, QStringLiteral("BrowseFontName"), s.BrowseFontName);
    write(T, QStringLiteral("BrowseFontSize"), s.BrowseFontSize);
    write(T, QStringLiteral("BrowseFontBold"), s.BrowseFontBold);
    write(T, QStringLiteral("BrowseFontItalic"), s.BrowseFontItalic);
    write(T, QStringLiteral("BrowseDefaultFilter"), s.BrowseDefaultFilter);
    write(T, QStringLiteral("BrowseUseNotepad"), s.BrowseUseNotepad);
}

// [BlastOptions] keys in their order, with their variables.
struct OptionKey {
    const char *key;
    int16_t SettingsState::*field;
};
const OptionKey kOptions[] = {
    {"EnglishMenus", &SettingsState::EnglishMenus},
    {"ShowAllBlastDesign", &SettingsState::ShowAllBlastDesign},
    {"PrintModuleHeader", &SettingsState::PrintModuleHeader},
    {"EnableMohrCircles", &SettingsState::EnableMohrCircles},
    {"ShowInternalPlotCoords", &SettingsState::ShowInternalPlotCoords},
    {"ShowBurdenCalcWarning", &SettingsState::ShowBurdenCalcWarning},
};

void readBlastOptions()
{
    for (const OptionKey &o : kOptions)
        settings().*o.field = readInt(kBlastOptions, QLatin1String(o.key), 0, 1);
}

void writeBlastOptions()
{
    for (const OptionKey &o : kOptions)
        write(kBlastOptions, QLatin1String(o.key), settings().*o.field);
}

} // namespace

QString GetINIFileVersion() { return ReadINI(kVersion, QStringLiteral("INIFileVersion"), ini()); }

void SaveINIFileVersion() { write(kVersion, QStringLiteral("INIFileVersion"), appState().INIFileVersion); }

void ReadSettings(int Section)
{
    switch (Section) {
    case 2: readSettingsSection(); break;
    case 3: readFileMenuSection(); break;
    case 4: readTextBrowseSection(); break;
    case 10: readBlastOptions(); break;
    default: break;
    }
}

void WriteSettings(int Section)
{
    switch (Section) {
    case 2: writeSettingsSection(); break;
    case 3: writeFileMenuSection(); break;
    case 4: writeTextBrowseSection(); break;
    case 10: writeBlastOptions(); break;
    default: break;
    }
}

void ReadAllSettings()
{
    ReadSettings(2);
    ReadSettings(3);
    ReadSettings(4);
    ReadSettings(10);
}

void SaveDefaultSettings(int Which)
{
    LogMessage(QStringLiteral("Saving default settings to file: ") + paths().IniFile);
    switch (Which) {
    case 1:
        WriteSettings(2);
        WriteSettings(3);
        WriteSettings(4);
        WriteSettings(10);
        break;
    case 2:
    case 3:
    case 4:
    case 10: WriteSettings(Which); break;
    default: break;
    }
}
