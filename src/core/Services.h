#pragma once
// The desktop services the program reaches through narrow interfaces. The Qt
// implementations live in platform/, recording fakes in platform/fakes/; one registry
// holds the ones in use (installed at start-up, or by the test harness).

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// Message-box button sets, icons, default buttons and answers, by their classic codes.
namespace mb {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int AbortRetryIgnore = 2;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int RetryCancel = 5;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int DefaultButton1 = 0;
constexpr int DefaultButton2 = 256;
constexpr int DefaultButton3 = 512;

constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;

// The answer a box gives when its default button is taken (Enter).
int DefaultAnswer(int buttons);
} // namespace mb

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // Shows a modal box; returns the button pressed (mb::Ok, mb::Yes, ...).
    virtual int show(const QString &text, int buttons, const QString &title) = 0;
};

class IClipboard {
public:
    virtual ~IClipboard() = default;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

class IFolders {
public:
    virtual ~IFolders() = default;
    virtual QString documents() const = 0; // no trailing "/"; "" when unknown
    virtual QString downloads() const = 0;
    virtual QString systemTemp() const = 0;
    virtual QString applicationDir() const = 0;
};

class IFonts {
public:
    virtual ~IFonts() = default;
    virtual QStringList screenFonts() const = 0;
    virtual QStringList printerFonts() const = 0;
    // The system's general and fixed-pitch families (used when no wanted name exists).
    virtual QString generalFont() const = 0;
    virtual QString fixedFont() const = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime now() const = 0;
};

// How an opening ended. The desktop's opener tells by its exit code what went wrong
// (3 or 4: nothing opens that kind of file; 2: the file is missing); any other program
// only that it failed, and with which code.
struct OpenOutcome {
    enum Result { Opened, NotStarted, NoViewer, FileMissing, ExitCode, Signalled };
    Result result = Opened;
    int exitCode = 0; // the failing exit code, for ExitCode; the signal, for Signalled
    QString program;  // the program that was run: the desktop's opener or the viewer
    bool opened() const { return result == Opened; }
};

// Opens a document or a web address with the desktop's opener, or starts a program.
// Each starts it and returns at once; 'done' gets the outcome once, from the event loop
// (a fake may give it at once): a failure when the program cannot start or ends with a
// failure within a few seconds; opened when it ends well, or still runs then (it is left
// to run on, and is never ended with this program). abandon() drops every outcome not
// yet given, for a program that is ending; the programs started run on.
class IOpener {
public:
    using Done = std::function<void(const OpenOutcome &outcome)>;
    virtual ~IOpener() = default;
    virtual void openDocument(const QString &path, Done done) = 0;
    virtual void openUrl(const QString &url, Done done) = 0;
    virtual void startProgram(const QString &program, const QStringList &args, Done done) = 0;
    virtual void abandon() = 0;
};

struct FileDialogRequest {
    bool save = false;          // Save As (true) or Open (false)
    QString title;
    QString initialDir;         // "" = not set
    QString fileName;           // preset name
    QStringList filters;        // "Description (*.ext)" entries
    int filterIndex = 1;        // 1-based preselected filter
    QString defaultSuffix;      // appended when the user types none
    bool mustExist = false;     // open: file and path must exist
    bool confirmOverwrite = false;
};

// A screen font as the font dialog presets and returns it.
struct FontChoice {
    QString name;
    double size = 0; // points
    bool bold = false;
    bool italic = false;
    bool operator==(const FontChoice &) const = default;
};

class IFileDialog {
public:
    virtual ~IFileDialog() = default;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> run(const FileDialogRequest &request) = 0;
    // The printer-setup dialog; false when cancelled.
    virtual bool printerSetup() = 0;
    // The font dialog (screen fonts), preset with 'preset'; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice &preset) = 0;
};

// A printer font as the print routines set it.
struct PrinterFont {
    QString name;
    double size = 0; // points
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;
};

// The page printer, in twips (1440 per inch) from the top-left of the printable area.
class IPrinter {
public:
    virtual ~IPrinter() = default;
    // Starts a document; throws RuntimeError 482 when there is no printer.
    virtual void begin() = 0;
    // True between begin() and end().
    virtual bool isActive() const = 0;
    virtual PrinterFont font() const = 0;
    virtual void setFont(const PrinterFont &font) = 0;
    virtual double printableWidth() const = 0;
    virtual double printableHeight() const = 0;
    // Width of the text, and height of one printed line, in the current font.
    virtual double textWidth(const QString &text) const = 0;
    virtual double lineHeight() const = 0;
    // Draws text with its top-left corner at (x, y).
    virtual void drawText(double x, double y, const QString &text) = 0;
    virtual void newPage() = 0;
    // Ends the document (the printer starts printing); nothing when none is open.
    virtual void end() = 0;
};

// The program's help window: its contents list, its index, or the topic of a
// help-context number. 'helpFile' names the contents page of the help.
class IHelpViewer {
public:
    virtual ~IHelpViewer() = default;
    virtual bool showContents(const QString &helpFile) = 0;
    virtual bool showIndex(const QString &helpFile) = 0;
    virtual bool showTopic(const QString &helpFile, int context) = 0;
    virtual void closeAll() = 0;
};

// One https download. The body goes to 'localFile' (written to a temporary name and
// renamed over it only when everything checked out) or, with no file, stays in memory.
struct DownloadRequest {
    QString url;
    QString localFile;         // "" keeps the body in memory
    qint64 maxBytes = -1;      // a longer body fails with tooLarge (-1: no limit)
    QString sha256;            // 64 hex digits the body must hash to ("" for no check)
    int idleTimeoutMs = 30000; // this long without data ends the download
    int totalTimeoutMs = 0;    // the whole download's limit (0: none)
};

struct DownloadResult {
    bool ok = false;       // status 200, the whole body received (and written, and verified)
    bool tooLarge = false; // the body was longer than maxBytes
    QByteArray body;       // the body, for a download kept in memory
};

// A running download; destroying it cancels the download: nothing is kept and its
// completion is never reported.
class IDownload {
public:
    virtual ~IDownload() = default;
};

class IDownloader {
public:
    // After each chunk read (at most 16384 bytes): the number of chunks and of bytes so far.
    using Progress = std::function<void(int chunks, qint64 bytes)>;
    using Done = std::function<void(const DownloadResult &result)>;
    virtual ~IDownloader() = default;
    // Starts a download and returns at once; 'done' is called once, from the event
    // loop, unless the returned download is destroyed first. Never throws.
    virtual std::unique_ptr<IDownload> start(const DownloadRequest &request, Progress progress, Done done) = 0;
};

// A download that fails at once: 'done' gets a failed result from the event loop,
// unless the download is destroyed first.
std::unique_ptr<IDownload> FailedDownload(IDownloader::Done done);

// What the program asks of the desktop when it associates its project files.
struct FileAssociationRequest {
    QString extension;   // letters and digits only ("KVD"); files match it in any case
    QString programPath; // the program's full path, opened with the file as its argument
    QString typeComment; // the description of the file type
    QByteArray iconSvg;  // the icon shown for the files and the program
};

class IFileAssociation {
public:
    virtual ~IFileAssociation() = default;
    // Associates the files for the current user. Returns "" when every file was
    // written and every step succeeded, else a text naming the step that failed.
    virtual QString associate(const FileAssociationRequest &request) = 0;
};

// The do-nothing object of each service, used where no implementation is installed.
// Each one answers like a desktop without that service (no box shown: the default
// button; no clipboard: empty text; no printer: error 482 at the start of a job) and
// reports its use to Services::onDefaultUsed. Adding a service: its interface above,
// its default in Services.cpp (a DefaultService<> specialisation) and a slot below.
template <class Interface>
std::unique_ptr<Interface> DefaultService();
template <> std::unique_ptr<IMessageBox> DefaultService<IMessageBox>();
template <> std::unique_ptr<IClipboard> DefaultService<IClipboard>();
template <> std::unique_ptr<IFolders> DefaultService<IFolders>();
template <> std::unique_ptr<IFonts> DefaultService<IFonts>();
template <> std::unique_ptr<IClock> DefaultService<IClock>();
template <> std::unique_ptr<IOpener> DefaultService<IOpener>();
template <> std::unique_ptr<IFileDialog> DefaultService<IFileDialog>();
template <> std::unique_ptr<IPrinter> DefaultService<IPrinter>();
template <> std::unique_ptr<IHelpViewer> DefaultService<IHelpViewer>();
template <> std::unique_ptr<IDownloader> DefaultService<IDownloader>();
template <> std::unique_ptr<IFileAssociation> DefaultService<IFileAssociation>();

// One service of the registry; never empty. Assigning an implementation installs it;
// assigning nullptr puts the do-nothing default back.
template <class Interface>
class ServiceSlot {
public:
    ServiceSlot() : m_impl(DefaultService<Interface>()) {}
    ServiceSlot(const ServiceSlot &) = delete;
    ServiceSlot &operator=(const ServiceSlot &) = delete;
    // Moves swap, so neither side is ever left empty.
    ServiceSlot(ServiceSlot &&other) noexcept : ServiceSlot() { m_impl.swap(other.m_impl); }
    ServiceSlot &operator=(ServiceSlot &&other) noexcept
    {
        m_impl.swap(other.m_impl);
        return *this;
    }
    template <class Impl>
    ServiceSlot &operator=(std::unique_ptr<Impl> impl)
    {
        m_impl = impl ? std::unique_ptr<Interface>(std::move(impl)) : DefaultService<Interface>();
        return *this;
    }
    ServiceSlot &operator=(std::nullptr_t)
    {
        m_impl = DefaultService<Interface>();
        return *this;
    }
    Interface *operator->() const { return m_impl.get(); }
    Interface &operator*() const { return *m_impl; }
    Interface *get() const { return m_impl.get(); }

private:
    std::unique_ptr<Interface> m_impl;
};

struct Services {
    ServiceSlot<IMessageBox> messageBox;
    ServiceSlot<IClipboard> clipboard;
    ServiceSlot<IFolders> folders;
    ServiceSlot<IFonts> fonts;
    ServiceSlot<IClock> clock;
    ServiceSlot<IOpener> opener;
    ServiceSlot<IFileDialog> fileDialog;
    ServiceSlot<IPrinter> printer;
    ServiceSlot<IHelpViewer> helpViewer;
    ServiceSlot<IDownloader> downloader;
    ServiceSlot<IFileAssociation> fileAssociation;

    // Told the service's name whenever a do-nothing default is used. The program
    // leaves it empty; the test harness fails the test that installed no fake.
    std::function<void(const char *service)> onDefaultUsed;
};

// The registry in use.
Services &services();
