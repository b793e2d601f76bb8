#pragma once
// Program-wide state: one struct per concern, each reached through one accessor.
// Everything starts zero-filled, as at process start; InitGlobals and FileNew give
// the built-in values. Tests call ResetProgramState() to start from scratch.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

// Byte flags are 255 for true and 0 for false.
constexpr uint8_t kTrue = 255;
constexpr uint8_t kFalse = 0;

// Constants and run-wide values set by the start routine.
struct AppState {
    QString AppTitle;
    QString ProgramName; // never given a value: always ""
    QString HelpFileName;
    QString ManualFileName;
    QString HomePageURL;
    QString DownloadBaseURL;
    QString CurrentINIFileVersion;
    QString INIFileVersion;
    bool ResetIniOnVersionChange = false;
    QString SavedDecimalSeparator;
    QString ProcessDecimalSeparator; // the one this process uses; "" until it is set
    QString DefaultFileExtension;
    std::array<QString, 2> UnitSystemNames;
    // 18 quantities, [i][0] English suffix, [i][1] Metric suffix.
    std::array<std::array<QString, 2>, 18> UnitLabels;
    int16_t UnitsStartTab = 0;
    std::array<QString, 14> SectionLabels; // used 1..13
    std::array<QString, 6> VersionTags;
    int16_t LastPage = 0;
    int16_t FileVersionCode = 0;
    QString SystemTempPath;
    QString CommandLine;      // the start-up file argument, already joined
    QString HelpFile;         // the application's help file (AppPath & HelpFileName)
    QString BrowseLastFolder; // folder last shown by the text browser
    QString ExeName;          // the program's file name, without its folder
};

struct PathState {
    QString AppPath;      // program folder, ends with "/"
    QString UserPath;     // documents/MyKorvendo/ or AppPath
    QString UserTempPath; // documents/MyKorvendo/Temp/ or AppPath
    QString IniFile;
    QString DefaultDataPath; // never given a value: always ""
    QString WorkPath;
};

// Values of the settings file, named after their keys.
struct SettingsState {
    // [Settings]
    int16_t DefaultUnits = 0;
    int16_t DisplayHistoryWin = 0;
    int16_t MaxDisplaySize = 0;
    QString DisplayFontName;
    float DisplayFontSize = 0;
    int16_t DisplayFontBold = 0;
    int16_t DisplayFontItalic = 0;
    int16_t KeepFileNames = 0;
    int16_t ShowDisclaim = 0;
    int16_t MaxMainMenu = 0;
    int16_t EnableMainMenuToolbar = 0;
    int16_t ShortRecentFiles = 0;
    int16_t LoadLastInputFile = 0;
    int16_t RemindAnnualUpdates = 0;
    int16_t CopyExampleFiles = 0;
    QString DataPath;
    QString FileExtension;
    QString ExternalEditor;
    // [TextBrowse]
    QString BrowseFontName;
    float BrowseFontSize = 0;
    int16_t BrowseFontBold = 0;
    int16_t BrowseFontItalic = 0;
    QString BrowseDefaultFilter;
    int16_t BrowseUseNotepad = 0;
    // [BlastOptions]
    int16_t EnglishMenus = 0;
    int16_t ShowAllBlastDesign = 0;
    int16_t PrintModuleHeader = 0;
    int16_t EnableMohrCircles = 0;
    int16_t ShowInternalPlotCoords = 0;
    int16_t ShowBurdenCalcWarning = 0;
};

// The recent-files list ([FileMenu]); entries 1..4, index 0 unused.
struct RecentFilesState {
    int16_t MaxLastFiles = 0;
    std::array<QString, 5> LastFile;
    std::array<int16_t, 5> LastFileMode{};
    std::array<QString, 5> LastFileLong;
    uint8_t RecentFilesShown = 0;
    // The File menu's recent-file items as shown: captions of items 1..4, and which
    // items exist (element 0 is the separator above them).
    std::array<QString, 5> MenuCaption;
    std::array<bool, 5> MenuItemVisible{};
};

struct MessageState {
    int16_t MsgCounter = 0;
    QString MsgTitle;
    QString TitleRangeError;
    QString TitleRangeWarning;
    QString TitleInvalidChar;
    QString TitleError;
    QString TitleLogicError;
};

// The inputs of one bench-blast design, in the record's field order.
struct BlastDesignRec {
    float Burden = 0;
    float StemCoefB = 0;
    float SubdrillCoefB = 0;
    float SpacingCoefB = 0;
    float StemCoefD = 0;
    float SubdrillCoefD = 0;
    float SpacingCoefD = 0;
    int16_t CoefBasis = 0;
    float Diameter = 0;
    float ExplDensity = 0;
    float RockDensity = 0;
    float BenchHeight = 0;
    float TargetTons = 0;
    float MaxHolesPerDelay = 0;
    float ChargePerDelay = 0;
    float Distance = 0;
    float SiteK = 0;
    float SiteN = 0;
    float FreeFaces = 0;
    int16_t Pattern = 0;
    int16_t MaxRows = 0;
    float BoosterMass = 0;
    float BoosterDensity = 0;
    int16_t ProductionMode = 0;
    int16_t HolesX = 0;
    int16_t HolesY = 0;
    float CostCap = 0;
    float CostInit = 0;
    float CostDrill = 0;
    float CostExpl = 0;
    float CostBooster = 0;
};

// Scaled-distance table inputs.
struct ScaleDistRec {
    float K = 0;
    float N = 0;
    float D = 0;
    float Q = 0;
    int16_t VibrationMode = 0;
    int16_t CalcMode = 0;
    float Distance = 0;
    float Mass = 0;
    float RangeMin = 0;
    float RangeMax = 0;
    float RangeStep = 0;
};

// The project: identity, the seven calculator blocks, the design, the
// scaled-distance inputs and the measured vibration point.
struct ProjectState {
    QString CurrentFile;
    QString PreviousFile;
    QString ProjectTitle;
    QString ProjectDescription;
    int16_t CurrentUnits = 0;
    int16_t FileMode = 0;

    // Anderson
    float AndersonDiam = 0, AndersonHoleLen = 0;
    // Ash
    float AshDiam = 0, AshKb = 0, AshRockSGRef = 0, AshRockSG = 0, AshExplDensRef = 0,
          AshExplDens = 0, AshVodRef = 0, AshVod = 0;
    // Jimeno
    float JimenoDiam = 0, JimenoCoef = 0, JimenoE1a = 0, JimenoE1b = 0, JimenoE2a = 0,
          JimenoE2b = 0, JimenoT1a = 0, JimenoT1b = 0, JimenoT2a = 0, JimenoT2b = 0;
    // Fraenkel
    float FraenkelDiam = 0, FraenkelHoleLen = 0, FraenkelChargeLen = 0, FraenkelResist = 0;
    // Konya
    float KonyaDiam = 0, KonyaExplSG = 0, KonyaRockSG = 0, KonyaConst = 0;
    // Langefors
    float LangeforsDiam = 0, LangeforsCompaction = 0, LangeforsStrength = 0,
          LangeforsRockConst = 0, LangeforsFixation = 0, LangeforsSpacingRatio = 0;
    // Pearse
    float PearseDiam = 0, PearseCoef = 0, PearsePressure = 0, PearseTensile = 0;

    BlastDesignRec BlastDesign;
    BlastDesignRec CurDesign; // the design window's working copy
    ScaleDistRec ScaleDist;
    float VibVelocity = 0;
    float VibFrequency = 0;
};

// Project flags (bytes, 255 true).
struct ProjectFlags {
    uint8_t ProjectSaved = 0;     // no unsaved changes
    uint8_t FileEmpty = 0;        // nothing entered or loaded since New
    uint8_t ParametersLoaded = 0; // locks the unit choice of the description dialog
};

// The report pages OutBuf(0 To LastPage).
struct ReportPages {
    std::array<QString, 4> OutBuf;
};

// The state of the print job in progress, kept between calls.
struct PrintJob {
    QString PrintDate; // m/d/yyyy of the job start
    QString PrintTime; // hh:mm:ss of the job start
    long PageNo = 0;
    double CurrentX = 0; // print position, twips
    double CurrentY = 0;
};

// The history pane's text lives here (CR LF line ends); the pane in the main window
// mirrors it, so lines logged before the window exists are kept.
class HistoryLog {
public:
    const QString &text() const { return m_text; }
    // Replaces the whole text (the pane's Clear command sets "").
    void setText(const QString &text);
    // Called after every change, with the new text.
    void setListener(std::function<void(const QString &)> listener);
    void append(const QString &line); // used by LogMessage
    void trimToLastLines(int keep);   // drop whole lines from the top

private:
    void notify();
    QString m_text;
    std::function<void(const QString &)> m_listener;
};

// The loaded windows of the program that outlive their opening: the main window
// while it exists, and one per burden calculator (empty until first needed, and
// again after an unload).
struct LoadedWindows {
    QPointer<QObject> Main;
    std::array<QPointer<QObject>, 7> Calculators;
    QPointer<QObject> TextBrowser; // while it is open
    // The text browser's copy for the external viewer (a QTemporaryFile the application
    // owns), made at its first use in a run.
    QPointer<QObject> ViewerCopy;
};

// The files and web addresses whose opener is still within its wait: a request for one
// of them starts nothing until its outcome is known.
struct OpenerWaits {
    QStringList Keys;
};

AppState &appState();
PathState &paths();
SettingsState &settings();
RecentFilesState &recentFiles();
MessageState &messageState();
ProjectState &project();
ProjectFlags &flags();
ReportPages &reportPages();
PrintJob &printJob();
HistoryLog &historyLog();
LoadedWindows &loadedWindows();
OpenerWaits &openerWaits();

// Back to the zero-filled state of process start (tests).
void ResetProgramState();

// A confirmed input window marks the project changed, and the listener (the main
// window, which shows the unsaved mark in its caption) is told.
void MarkProjectChanged();
void SetProjectChangedListener(std::function<void()> listener);
// How many times the project was marked changed in this run: a question about unsaved
// work, once answered, holds until this grows.
quint64 ProjectChangeCount();

// The application's version, from the build.
int VersionMajor();
int VersionMinor();
int VersionRevision();
