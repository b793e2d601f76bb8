#include "core/Startup.h"

#include "core/FileAccess.h"
#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Services.h"
#include "core/Settings.h"
#include "core/Utilities.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLocale>

#include <clocale>

void SetRunConstants()
{
    AppState &a = appState();
    a.AppTitle = QStringLiteral("Tessolan Primer");
    a.HelpFileName = QStringLiteral("index.html"); // the contents page of the help
    a.ManualFileName = QStringLiteral("Korvendo.PDF");
    a.HomePageURL = QStringLiteral("https://www.tessolan.com/blasting-tools/");
    a.DownloadBaseURL = QStringLiteral("https://www.tessolan.com/wp-content/uploads/2022/08/");
    a.CurrentINIFileVersion = QStringLiteral("080122");
    a.ResetIniOnVersionChange = true;
}

void InitAppPath()
{
    const QString dir = services().folders->applicationDir();
    paths().AppPath = WithSlash(dir.trimmed().isEmpty() ? QDir::currentPath() : dir);
    appState().ExeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

namespace {
// Creates the folder (errors ignored); the folder itself when it exists afterwards,
// else the program folder.
QString makeUserFolder(const QString &folder)
{
    QDir().mkpath(folder);
    return QFileInfo(folder).isDir() ? folder : paths().AppPath;
}
} // namespace

void InitUserFolders()
{
    PathState &p = paths();
    const QString docs = services().folders->documents();
    if (docs.isEmpty()) {
        p.UserPath = p.UserTempPath = p.AppPath;
        return;
    }
    const QString base = WithSlash(docs);
    p.UserPath = makeUserFolder(base + QStringLiteral("MyKorvendo/"));
    p.UserTempPath = makeUserFolder(base + QStringLiteral("MyKorvendo/Temp/"));
}

void InitGlobals()
{
    AppState &a = appState();
    a.UnitSystemNames = {QStringLiteral("ft, in, lbs, psi, pcf"), QStringLiteral("m, cm, kN, MPa, kN/m3")};
    static const char *const labels[18][2] = {
        {" (ft)", " (m)"}, {" (psi)", " (MPa)"}, {" (pcf)", " (kN/m3)"}, {" (in)", " (cm)"},
        {" (psf)", " (kPa)"}, {" (lbs)", " (kN)"}, {" (tons)", " (tn)"}, {" (ft)", " (cm)"},
        {" (ksi)", " (MPa)"}, {" (tons)", " (MN)"}, {" (tons/ft)", " (MN/m)"}, {" (in)", " (mm)"},
        {" (tons)", " (kN)"}, {" (tons/ft)", " (kN/m)"}, {" (million psi)", " (GPa)"},
        {" (kips/ft)", " (kN/m)"}, {" (kip-ft/ft^2)", " (kN-m/m^2)"}, {" (ton-ft/ft^2)", " (kN-m/m^2)"}};
    for (int i = 0; i < 18; ++i)
        a.UnitLabels[i] = {QString::fromLatin1(labels[i][0]), QString::fromLatin1(labels[i][1])};
    a.UnitsStartTab = 0;
    RecentFilesState &r = recentFiles();
    for (int i = 1; i <= 4; ++i) {
        r.LastFile[i].clear();
        r.LastFileLong[i].clear();
    }

    InitAppPath();
    InitUserFolders();
    a.SystemTempPath = WithSlash(services().folders->systemTemp());
    // The help pages are built into the program.
    a.HelpFile = QStringLiteral("qrc:/help/") + a.HelpFileName;
    paths().WorkPath = paths().DefaultDataPath;

    SettingsState &s = settings();
    s.DefaultUnits = 0;
    project().CurrentUnits = 0;
    s.DisplayHistoryWin = 1;
    s.MaxDisplaySize = 2048;
    s.KeepFileNames = 1;
    s.ShowDisclaim = 1;
    s.MaxMainMenu = 0;
    s.DataPath = paths().DefaultDataPath;
    s.BrowseDefaultFilter.clear();
    s.ExternalEditor = QStringLiteral("xdg-open");
    s.EnableMainMenuToolbar = 1;
    s.ShortRecentFiles = 0;
    s.LoadLastInputFile = 0;
    s.RemindAnnualUpdates = 1;
    s.CopyExampleFiles = 1;
    s.BrowseFontName = GetScreenFont();
    s.BrowseFontSize = 10;
    s.BrowseFontBold = 0;
    s.BrowseFontItalic = 0;
    s.BrowseUseNotepad = 0;
    s.DisplayFontName = GetScreenFont();
    s.DisplayFontSize = 10;
    s.DisplayFontBold = 0;
    s.DisplayFontItalic = 0;
    a.BrowseLastFolder.clear();

    flags().ProjectSaved = kTrue;
    flags().FileEmpty = kTrue;
    a.FileVersionCode = 0;
    messageState().MsgCounter = 0;
    messageState().MsgTitle = QStringLiteral("Message");
}

void SetStartupPresets()
{
    AppState &a = appState();
    SettingsState &s = settings();
    s.DefaultUnits = 1;
    project().CurrentUnits = 2;
    a.SectionLabels = {};
    a.SectionLabels[1] = QStringLiteral("Project Description: ");
    a.SectionLabels[2] = QStringLiteral("Blasting Parameters: ");
    a.SectionLabels[10] = QStringLiteral("Settings: ");
    a.SectionLabels[11] = QStringLiteral("Program Options: ");
    a.SectionLabels[12] = QStringLiteral("Unit Conversion: ");
    a.VersionTags = {QStringLiteral("ENDOKORV_200"), QStringLiteral("KORV_ENDO_205"), QStringLiteral("KORV_ENDO_206"),
                     QStringLiteral("KORV_ENDO_207"), QStringLiteral("KORV_ENDO_208"), QStringLiteral("KORV_ENDO_209")};
    a.LastPage = 3;
    s.EnglishMenus = 1;
    s.ShowAllBlastDesign = 0;
    s.PrintModuleHeader = 1;
    s.EnableMohrCircles = 1;
    s.ShowInternalPlotCoords = 1;
    s.ShowBurdenCalcWarning = 1;
    a.DefaultFileExtension = QStringLiteral("KVD");
    s.FileExtension = QStringLiteral("KVD");
}

// The process's own numeric conventions. The user's desktop settings are never
// touched: only this process reads and writes numbers with ".".
QString GetDecimalSeparator()
{
    const QString &sep = appState().ProcessDecimalSeparator;
    return sep.isEmpty() ? QLocale::system().decimalPoint() : sep;
}

void SetDecimalSeparator(const QString &Sep)
{
    appState().ProcessDecimalSeparator = Sep;
    if (Sep == QLatin1String(".")) {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_NUMERIC, "C");
    } else {
        QLocale::setDefault(QLocale::system());
        std::setlocale(LC_NUMERIC, "");
    }
}

void ForceDecimalPoint()
{
    const QString user = QLocale::system().decimalPoint();
    appState().SavedDecimalSeparator = user == QLatin1String(",") ? QStringLiteral(",") : QStringLiteral(".");
    SetDecimalSeparator(QStringLiteral("."));
}

void RestoreDecimalSeparator()
{
    SetDecimalSeparator(appState().SavedDecimalSeparator.isEmpty() ? QStringLiteral(".") : appState().SavedDecimalSeparator);
}

bool CheckSettingsFile()
{
    AppState &a = appState();
    const QString &ini = paths().IniFile;
    QString reason;
    switch (LoadSettingsFile(&reason)) {
    case SettingsLoad::Unreadable:
        // The file is kept as it is: the program runs on its built-in values and never
        // writes it during this run.
        ShowMessage(QStringLiteral("The settings file could not be read: ") + BoundedText(ini) + QStringLiteral(" (")
                        + reason
                        + QStringLiteral("). The program runs on its built-in settings and leaves the file as it is."),
                    mb::OkOnly | mb::Exclamation, messageState().TitleError);
        return false;
    case SettingsLoad::Loaded:
        a.INIFileVersion = GetINIFileVersion();
        if (a.INIFileVersion == a.CurrentINIFileVersion || !a.ResetIniOnVersionChange)
            return true;
        // Another version: rebuilt from the current values. The new file replaces the
        // old one only once it has been written in full.
        ClearSettingsFile();
        break;
    case SettingsLoad::Missing: break;
    }
    a.INIFileVersion = a.CurrentINIFileVersion;
    SaveINIFileVersion();
    // A file that could not be written is reported; the values in memory hold for this run.
    SaveDefaultSettings(1);
    return true;
}

void StartupBeforeWindow()
{
    SetRunConstants();
    InitGlobals();
    SetStartupPresets();
    ForceDecimalPoint();
    paths().IniFile = paths().UserPath + QStringLiteral("Korvendo.INI");
    if (CheckSettingsFile())
        ReadAllSettings();
    appState().UnitsStartTab = 1;
}

QString JoinCommandLine(const QStringList &args, const QString &workingDir)
{
    QString line = args.join(QLatin1Char(' '));
    line.remove(QLatin1Char('"'));
    if (line.isEmpty())
        return QString();
    return QDir(workingDir).absoluteFilePath(line);
}
