#include "core/Settings.h"

#include "core/Checks.h"
#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/IniFile.h"
#include "core/Messages.h"
#include "core/NumText.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/Utilities.h"

#include <span>
#include <utility>

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kFileMenu = QStringLiteral("FileMenu");
const QString kTextBrowse = QStringLiteral("TextBrowse");
const QString kBlastOptions = QStringLiteral("BlastOptions");
const QString kVersion = QStringLiteral("Version");

struct Store {
    IniDocument doc;
    bool heldBack = false;
};
Store &store()
{
    static Store s;
    return s;
}
IniDocument &doc() { return store().doc; }

// How a key is read and written.
enum class Kind {
    Int,       // leading number, limited to [min, max] (out of range -> min)
    FontSize,  // limited to 7..24 and made a whole number (halves to even)
    FontName,  // "" becomes the first available screen font
    Text,      // as read
    DataPath,  // "" or "0" -> DefaultDataPath; "\" added; a missing folder -> DefaultDataPath
    Extension, // "" or "0" -> DefaultFileExtension
};

// One key of a section with its variable; the table order is the order written.
struct Key {
    const char *name;
    Kind kind;
    int16_t SettingsState::*integer = nullptr;
    float SettingsState::*single = nullptr;
    QString SettingsState::*text = nullptr;
    double min = 0, max = 0;
    const char *missing = nullptr; // the text read when the key is missing or empty
};

constexpr Key intKey(const char *name, int16_t SettingsState::*f, double min, double max,
                     const char *missing = nullptr)
{
    return Key{name, Kind::Int, f, nullptr, nullptr, min, max, missing};
}
constexpr Key textKey(const char *name, Kind kind, QString SettingsState::*f)
{
    return Key{name, kind, nullptr, nullptr, f};
}
constexpr Key sizeKey(const char *name, float SettingsState::*f)
{
    return Key{name, Kind::FontSize, nullptr, f, nullptr, 7, 24};
}

using S = SettingsState;
const Key kSettingsKeys[] = {
    intKey("DefaultUnits", &S::DefaultUnits, 0, 1),
    intKey("DisplayHistoryWin", &S::DisplayHistoryWin, 0, 1),
    intKey("MaxDisplaySize", &S::MaxDisplaySize, 4096, 16384),
    textKey("DisplayFontName", Kind::FontName, &S::DisplayFontName),
    sizeKey("DisplayFontSize", &S::DisplayFontSize),
    intKey("DisplayFontBold", &S::DisplayFontBold, -1, 0),
    intKey("DisplayFontItalic", &S::DisplayFontItalic, -1, 0),
    intKey("KeepFileNames", &S::KeepFileNames, 0, 1),
    intKey("ShowDisclaim", &S::ShowDisclaim, 0, 1),
    intKey("MaxMainMenu", &S::MaxMainMenu, 0, 1),
    intKey("EnableMainMenuToolbar", &S::EnableMainMenuToolbar, 0, 1),
    intKey("ShortRecentFiles", &S::ShortRecentFiles, 0, 1),
    intKey("LoadLastInputFile", &S::LoadLastInputFile, 0, 1),
    intKey("RemindAnnualUpdates", &S::RemindAnnualUpdates, 0, 1),
    intKey("CopyExampleFiles", &S::CopyExampleFiles, 0, 1, "1"),
    textKey("DataPath", Kind::DataPath, &S::DataPath),
    textKey("FileExtension", Kind::Extension, &S::FileExtension),
    textKey("ExternalEditor", Kind::Text, &S::ExternalEditor),
};
const Key kTextBrowseKeys[] = {
    textKey("BrowseFontName", Kind::FontName, &S::BrowseFontName),
    sizeKey("BrowseFontSize", &S::BrowseFontSize),
    intKey("BrowseFontBold", &S::BrowseFontBold, -1, 0),
    intKey("BrowseFontItalic", &S::BrowseFontItalic, -1, 0),
    textKey("BrowseDefaultFilter", Kind::Text, &S::BrowseDefaultFilter),
    intKey("BrowseUseNotepad", &S::BrowseUseNotepad, 0, 1),
};
const Key kBlastOptionKeys[] = {
    intKey("EnglishMenus", &S::EnglishMenus, 0, 1),
    intKey("ShowAllBlastDesign", &S::ShowAllBlastDesign, 0, 1),
    intKey("PrintModuleHeader", &S::PrintModuleHeader, 0, 1),
    intKey("EnableMohrCircles", &S::EnableMohrCircles, 0, 1),
    intKey("ShowInternalPlotCoords", &S::ShowInternalPlotCoords, 0, 1),
    intKey("ShowBurdenCalcWarning", &S::ShowBurdenCalcWarning, 0, 1),
};

QString readText(const QString &section, const QString &key, const char *missing = nullptr)
{
    return doc().value(section, key, missing ? QString::fromLatin1(missing) : QString());
}

int16_t readInt(const QString &section, const QString &key, double min, double max, const char *missing = nullptr)
{
    double v = numtext::Val(readText(section, key, missing));
    return LimitRange(v, min, max);
}

QString readDataPath(const QString &text)
{
    if (text.isEmpty() || text == QLatin1String("0"))
        return paths().DefaultDataPath;
    const QString data = WithSlash(text.trimmed());
    return ValidPath(data, kTrue) ? data : paths().DefaultDataPath;
}

void readKey(const QString &section, const Key &k)
{
    SettingsState &s = settings();
    const QString name = QLatin1String(k.name);
    switch (k.kind) {
    case Kind::Int: s.*k.integer = readInt(section, name, k.min, k.max, k.missing); break;
    case Kind::FontSize: s.*k.single = readInt(section, name, k.min, k.max); break;
    case Kind::FontName: {
        const QString font = readText(section, name);
        s.*k.text = font.isEmpty() ? GetScreenFont() : font;
        break;
    }
    case Kind::Text: s.*k.text = readText(section, name); break;
    case Kind::DataPath: s.*k.text = readDataPath(readText(section, name)); break;
    case Kind::Extension: {
        const QString ext = readText(section, name);
        s.*k.text = (ext.isEmpty() || ext == QLatin1String("0")) ? appState().DefaultFileExtension : ext;
        break;
    }
    }
}

void writeKey(const QString &section, const Key &k)
{
    const SettingsState &s = settings();
    const QString name = QLatin1String(k.name);
    if (k.integer)
        doc().setValue(section, name, QString::number(s.*k.integer));
    else if (k.single)
        doc().setValue(section, name, numtext::General(s.*k.single));
    else
        doc().setValue(section, name, s.*k.text);
}

// The sections held in key tables, by number ([FileMenu], 3, has routines of its own);
// an unknown number has no keys.
std::pair<QString, std::span<const Key>> tableSection(int Section)
{
    switch (Section) {
    case 2: return {kSettings, kSettingsKeys};
    case 4: return {kTextBrowse, kTextBrowseKeys};
    case 10: return {kBlastOptions, kBlastOptionKeys};
    default: return {};
    }
}

// [FileMenu]: MaxLastFiles, then per entry these three keys with its number.
const char *const kEntryKeys[] = {"LastFile", "LastFileMode", "LastFileLong"};

void readFileMenuSection()
{
    RecentFilesState &r = recentFiles();
    r.MaxLastFiles = readInt(kFileMenu, QStringLiteral("MaxLastFiles"), 0, 4);
    for (int i = 1; i <= r.MaxLastFiles; ++i) {
        const QString n = QString::number(i);
        r.LastFile[i] = readText(kFileMenu, QLatin1String(kEntryKeys[0]) + n);
        // The file mode has no range; a value beyond 16 bits is limited, not an overflow.
        r.LastFileMode[i] = readInt(kFileMenu, QLatin1String(kEntryKeys[1]) + n, -32768, 32767);
        r.LastFileLong[i] = readText(kFileMenu, QLatin1String(kEntryKeys[2]) + n);
    }
}

void writeFileMenuSection()
{
    RecentFilesState &r = recentFiles();
    doc().setValue(kFileMenu, QStringLiteral("MaxLastFiles"), QString::number(r.MaxLastFiles));
    double n = r.MaxLastFiles;
    r.MaxLastFiles = LimitRange(n, 0, 4);
    for (int i = 1; i <= r.MaxLastFiles; ++i) {
        const QString k = QString::number(i);
        doc().setValue(kFileMenu, QLatin1String(kEntryKeys[0]) + k, r.LastFile[i]);
        doc().setValue(kFileMenu, QLatin1String(kEntryKeys[1]) + k, QString::number(r.LastFileMode[i]));
        doc().setValue(kFileMenu, QLatin1String(kEntryKeys[2]) + k, r.LastFileLong[i]);
    }
}

// Reads or writes one section: [FileMenu] (3) by its routines, the others by their keys.
void transferSection(int Section, bool write)
{
    if (Section == 3)
        return write ? writeFileMenuSection() : readFileMenuSection();
    const auto [section, keys] = tableSection(Section);
    for (const Key &k : keys)
        write ? writeKey(section, k) : readKey(section, k);
}

} // namespace

SettingsLoad LoadSettingsFile(QString *reason)
{
    Store &s = store();
    s = Store();
    try {
        s.doc = IniDocument::parse(ReadRegularFile(paths().IniFile));
        return SettingsLoad::Loaded;
    } catch (const RuntimeError &e) {
        if (e.number() == err::FileNotFound)
            return SettingsLoad::Missing;
        if (reason)
            *reason = e.text();
        s.heldBack = true;
        return SettingsLoad::Unreadable;
    }
}

void ClearSettingsFile()
{
    store().doc = IniDocument();
    store().heldBack = false;
}

bool SettingsFileHeldBack() { return store().heldBack; }

QString GetINIFileVersion() { return readText(kVersion, QStringLiteral("INIFileVersion")); }

void SaveINIFileVersion() { doc().setValue(kVersion, QStringLiteral("INIFileVersion"), appState().INIFileVersion); }

void ReadSettings(int Section) { transferSection(Section, false); }

void WriteSettings(int Section) { transferSection(Section, true); }

void ReadAllSettings()
{
    ReadSettings(2);
    ReadSettings(3);
    ReadSettings(4);
    ReadSettings(10);
}

bool SaveDefaultSettings(int Which)
{
    const QString &file = paths().IniFile;
    LogMessage(QStringLiteral("Saving default settings to file: ") + file);
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
    default: return true;
    }
    if (store().heldBack)
        return false;
    try {
        WriteFileSafely(file, doc().toBytes());
        return true;
    } catch (const RuntimeError &e) {
        ShowMessage(QStringLiteral("The settings could not be saved to: ") + BoundedText(file) + QStringLiteral(" (")
                        + e.text() + QStringLiteral("). They hold until the program is closed."),
                    mb::OkOnly | mb::Exclamation, messageState().TitleError);
        return false;
    }
}
