#include "shell/frmUpdate.h"

#include "core/Messages.h"
#include "core/Opening.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/UpdateManifest.h"
#include "core/Utilities.h"
#include "platform/ModalWindows.h"
#include "platform/Widgets.h"
#include "shell/frmUpdateUi.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kIdleMs = 30000;   // a download ends after this long without data
constexpr int kStartupMs = 5000; // the start-up check gives up after this long

QString currentVersion() { return GetVersionString(0); }

// "" when the desktop names none: never the file system's root or the current folder.
QString downloadsFolder()
{
    const QString folder = services().folders->downloads().trimmed();
    return folder.isEmpty() ? QString() : WithSlash(folder);
}

// The SHA-256 of a file in lower-case hex; "" when it cannot be read.
QString fileSha256(const QString &path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&f))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

DownloadRequest manifestRequest(int idleMs, int totalMs)
{
    DownloadRequest r;
    r.url = appState().DownloadBaseURL + ManifestFileName();
    r.maxBytes = kMaxManifestBytes; // kept in memory, never in a shared folder
    r.idleTimeoutMs = idleMs;
    r.totalTimeoutMs = totalMs;
    return r;
}

// The program's web page in the desktop's browser; a failure names it and the reason,
// over whatever window is active then.
void openWebPage(const QString &url)
{
    OpenUrlOnce(url, [url](const OpenOutcome &outcome) {
        if (!outcome.opened())
            ShowNotOpened(url, outcome);
    });
}

void setLinkLook(QLabel *label, const char *colour, bool underline)
{
    label->setStyleSheet(QStringLiteral("QLabel { color: %1; text-decoration: %2; }")
                             .arg(QLatin1String(colour), underline ? QStringLiteral("underline") : QStringLiteral("none")));
}

// The check at every start: in the background, after the main window is shown.
class StartupCheck : public QObject {
public:
    StartupCheck(QWidget *mainWindow, const ProgramCloser &closer)
        : QObject(mainWindow), m_main(mainWindow), m_closer(closer)
    {
        QTimer::singleShot(0, this, [this] { begin(); });
    }

private:
    void begin()
    {
        m_download = services().downloader->start(manifestRequest(kStartupMs, kStartupMs), nullptr,
                                                  [this](const DownloadResult &r) {
                                                      QTimer::singleShot(0, this, [this, r] { evaluate(r); });
                                                  });
        if (!m_download)
            deleteLater();
    }

    void evaluate(const DownloadResult &result)
    {
        m_download.reset();
        // A failure or an unusable manifest shows nothing at start-up.
        const ManifestInfo info = result.ok ? ParseManifest(result.body) : ManifestInfo();
        if (!info.valid) {
            deleteLater();
            return;
        }
        const QString current = currentVersion();
        LogMessage(QStringLiteral("Server/Current: ") + info.version + u'/' + current);
        if (!IsNewerVersion(info.version, current)) {
            deleteLater();
            return;
        }
        // The question waits until no other window holds the user: the answer may end
        // the program.
        WhenNoModalWindow(this, [this] { ask(); });
    }

    void ask()
    {
        deleteLater();
        const QString text =
            IsEnglish() ? QStringLiteral("A new Korvendo version is available. \r\n\r\n"
                                         "Note that the desktop may ask you for permission to download and install it. "
                                         "\r\n\r\nProceed with Download and Install?")
                        : QStringLiteral("Υπάρχει νέα έκδοση του Korvendo. \r\n\r\n"
                                         "Σημειώστε ότι το περιβάλλον εργασίας μπορεί να σας ζητήσει άδεια για τη λήψη "
                                         "και την εγκατάστασή της. \r\n\r\nΝα γίνει λήψη και εγκατάσταση;");
        const int answer = MsgBox(text, mb::YesNoCancel | mb::Question);
        if (answer != mb::Yes || !m_main)
            return;
        auto *w = new frmUpdate(m_main, m_closer);
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        w->RunAutoUpdate();
    }

    QPointer<QWidget> m_main;
    ProgramCloser m_closer;
    std::unique_ptr<IDownload> m_download;
};
} // namespace

frmUpdate::frmUpdate(QWidget *parent, ProgramCloser closer)
    : GuardedDialog(parent), ui(std::make_unique<Ui_frmUpdate>()), m_closer(std::move(closer))
{
    ui->setupUi(this);
    CenterForm(this);
    connect(ui->cmdCheck, &QPushButton::clicked, this, &frmUpdate::cmdCheck_Click);
    connect(ui->cmdDownUpdate, &QPushButton::clicked, this, &frmUpdate::cmdDownUpdate_Click);
    connect(ui->cmdInstall, &QPushButton::clicked, this, &frmUpdate::cmdInstall_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &frmUpdate::Command1_Click);
    ui->lblURL->installEventFilter(this);
    Form_Load();
}

frmUpdate::~frmUpdate() = default;

void frmUpdate::Form_Load()
{
    SetupFile.clear();
    ui->lblbytes->clear();
    ui->cmdDownUpdate->setEnabled(false);
    ui->cmdInstall->setEnabled(false);
    const QString hint = QStringLiteral("You may manually update ")
                         + QStringLiteral("the program by downloading and installing the new setup file.");
    setLinkLook(ui->lblURL, "black", false);
    const QDate today = services().clock->now().date();
    ui->lblUpdate->setText(
        QStringLiteral("This version was released ") + QString::number(DaysSinceRelease(today))
        + QStringLiteral(" days ago. ")
        + QStringLiteral("Although major updates may not be scheduled, interim updates may be released with bug fixes. ")
        + QStringLiteral("Check for an updated version by visiting the program web page below or click on 'Check for "
                         "updates'.  ")
        + QStringLiteral("\n\n") + hint);
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toUpper();
    setWindowTitle(windowTitle() + QStringLiteral(" for ") + program);
    ui->lblURL->setText(appState().HomePageURL);
    ui->lblInfo->setText(QStringLiteral("Current Program Version: ") + GetVersionString(1) + u'\n'
                         + QStringLiteral("Current Revision Date: ") + ReleaseDate().toString(QStringLiteral("dd-MMM-yyyy")));
    ui->lblLastVer->setText(QStringLiteral("Version Available: "));
}

void frmUpdate::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_download.reset(); // a running download ends here and keeps nothing
    if (ui->chkShow->isChecked())
        settings().RemindAnnualUpdates = 0;
    SaveDefaultSettings(2);
}

void frmUpdate::unloading(int) { Form_Unload(); }

void frmUpdate::Command1_Click() { accept(); }

QString frmUpdate::setupPath() const
{
    const QString folder = downloadsFolder();
    return folder.isEmpty() ? QString() : folder + SetupFile;
}

void frmUpdate::setBusy(bool busy)
{
    // One transfer at a time: nothing starts another while one runs.
    ui->cmdCheck->setEnabled(!busy);
    ui->cmdDownUpdate->setEnabled(!busy && m_newer);
    ui->cmdInstall->setEnabled(!busy && !m_verifiedPath.isEmpty());
    ui->Command1->setEnabled(!busy);
}

IDownloader::Progress frmUpdate::showProgress()
{
    // Every download, the manifest's too, shows its read calls and bytes from nought.
    ui->lblbytes->clear();
    ui->ProgressBar1->setValue(0);
    return [this](int chunks, qint64 bytes) {
        ui->ProgressBar1->setValue(chunks % 100);
        ui->lblbytes->setText(QString::number(bytes));
    };
}

void frmUpdate::endStep()
{
    setBusy(false);
    emit finished();
}

void frmUpdate::RunAutoUpdate()
{
    AutoUpdate = true;
    cmdCheck_Click();
}

void frmUpdate::cmdCheck_Click()
{
    if (busy() || m_unloaded)
        return;
    m_download = services().downloader->start(manifestRequest(kIdleMs, 0), showProgress(), [this](const DownloadResult &r) {
        QTimer::singleShot(0, this, [this, r] { evaluateManifest(r); });
    });
    if (!m_download) {
        QTimer::singleShot(0, this, [this] { evaluateManifest(DownloadResult()); });
        return;
    }
    setBusy(true);
}

void frmUpdate::evaluateManifest(const DownloadResult &result)
{
    m_download.reset();
    if (m_unloaded)
        return; // closed while the answer was on its way
    setBusy(false);
    ui->lblLastVer->setStyleSheet(QStringLiteral("QLabel { color: red; }"));
    if (!result.ok && !result.tooLarge) {
        ui->lblLastVer->setText(QStringLiteral("Internet Connection Failed"));
        AutoUpdate = false;
        endStep();
        return;
    }
    const ManifestInfo info = ParseManifest(result.ok ? result.body : QByteArray(kMaxManifestBytes + 1, ' '));
    if (!info.valid) {
        ShowMessage(QStringLiteral("Invalid information for new version. Check with developer."), mb::OkCancel);
        AutoUpdate = false;
        endStep();
        return;
    }
    const QString current = currentVersion();
    SetupFile = SetupFileName(info.version);
    m_setupSha = info.sha256;
    m_verifiedPath.clear();
    ui->lblLastVer->setText(QStringLiteral("Server Version: ") + info.version + QStringLiteral(" / Current Version: ")
                            + current);
    m_newer = IsNewerVersion(info.version, current);
    setBusy(false);
    if (!m_newer) {
        MsgBox(QStringLiteral("Program is up to date"), mb::OkCancel);
        AutoUpdate = false;
        endStep();
        return;
    }
    if (AutoUpdate
        || MsgBox(QStringLiteral("A new version is available. Download?"), mb::YesNoCancel | mb::Question) == mb::Yes) {
        downloadSetup();
        return;
    }
    endStep();
}

void frmUpdate::cmdDownUpdate_Click()
{
    if (busy() || m_unloaded || SetupFile.isEmpty())
        return;
    downloadSetup();
}

void frmUpdate::downloadSetup()
{
    const QString path = setupPath();
    DownloadRequest r;
    r.url = appState().DownloadBaseURL + SetupFile;
    r.localFile = path;
    r.sha256 = m_setupSha;
    r.idleTimeoutMs = kIdleMs;
    m_verifiedPath.clear();
    if (!path.isEmpty())
        m_download = services().downloader->start(r, showProgress(), [this, path](const DownloadResult &res) {
            QTimer::singleShot(0, this, [this, res, path] { setupDownloaded(res, path); });
        });
    if (!m_download) {
        QTimer::singleShot(0, this, [this, path] { setupDownloaded(DownloadResult(), path); });
        return;
    }
    setBusy(true);
}

void frmUpdate::setupDownloaded(const DownloadResult &result, const QString &path)
{
    m_download.reset();
    if (m_unloaded)
        return; // closed while the answer was on its way
    if (result.ok) {
        m_verifiedPath = path;
        setBusy(false);
        ShowMessage(QStringLiteral("Download completed. Program at: ") + path, mb::OkOnly);
    } else {
        ui->ProgressBar1->setValue(0);
    }
    setBusy(false);
    if (AutoUpdate) {
        autoInstall();
        return;
    }
    emit finished();
}

void frmUpdate::autoInstall()
{
    // Installing ends the program: not while another window holds the user's work.
    WhenNoModalWindow(
        this,
        [this] {
            if (m_unloaded)
                return;
            cmdInstall_Click();
            AutoUpdate = false;
            emit finished();
        },
        this);
}

void frmUpdate::cmdInstall_Click()
{
    if (busy() || m_unloaded)
        return;
    const QString path = setupPath();
    // Handed over already and still waiting for the desktop: nothing is asked again.
    if (IsOpening(path))
        return;
    // Only the file this window downloaded and verified, checked again now.
    if (m_verifiedPath.isEmpty() || m_verifiedPath != path || !QFileInfo(path).isFile()) {
        ShowMessage(QStringLiteral("Update file: ") + path + QStringLiteral(" not found"), mb::OkOnly);
        return;
    }
    if (fileSha256(path) != m_setupSha) {
        m_verifiedPath.clear();
        setBusy(false);
        ShowMessage(QStringLiteral("Operation Failed"), mb::OkOnly);
        return;
    }
    if (AutoUpdate)
        ShowMessage(IsEnglish() ? QStringLiteral("Korvendo will now close to install the new update. The desktop may "
                                                 "ask you for permission to install the new version. ")
                                : QStringLiteral("Το Korvendo θα κλείσει τώρα για να εγκατασταθεί η νέα ενημέρωση. Το "
                                                 "περιβάλλον εργασίας μπορεί να σας ζητήσει άδεια για την εγκατάσταση "
                                                 "της νέας έκδοσης. "),
                    mb::OkOnly);
    // Unsaved work first: Cancel or a failed save keeps the program running.
    if (m_closer.queryClose && !m_closer.queryClose())
        return;
    // A failure keeps the program and says so. Once the setup runs, this window (if still
    // open) closes as soon as no other window holds the user, and the program ends.
    OpenDocumentOnce(path, [self = QPointer<frmUpdate>(this), closer = m_closer, path](const OpenOutcome &outcome) {
        if (!outcome.opened()) {
            ShowMessage(QStringLiteral("Operation Failed") + OpenFailureDetail(outcome, path), mb::OkOnly);
            return;
        }
        WhenNoModalWindow(
            qApp,
            [self, closer] {
                if (self)
                    self->close();
                if (closer.close)
                    closer.close();
            },
            self);
    });
}

bool frmUpdate::eventFilter(QObject *watched, QEvent *event)
{
    // The web address behaves as a link: blue and underlined under the mouse, red while
    // pressed; a click opens it in the desktop's browser.
    if (watched == ui->lblURL) {
        switch (event->type()) {
        case QEvent::Enter: setLinkLook(ui->lblURL, "blue", true); break;
        case QEvent::Leave: setLinkLook(ui->lblURL, "black", false); break;
        case QEvent::MouseButtonPress: setLinkLook(ui->lblURL, "red", true); break;
        case QEvent::MouseButtonRelease:
            setLinkLook(ui->lblURL, "blue", true);
            // A click: the button released over the label, not after dragging off it.
            if (ui->lblURL->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                openWebPage(ui->lblURL->text());
            break;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OpenUpdateWindow(QWidget *owner, const ProgramCloser &closer)
{
    ModalWindow<frmUpdate> dlg(owner, closer);
    dlg.exec();
}

void StartUpdateCheck(QWidget *mainWindow, const ProgramCloser &closer)
{
    if (settings().RemindAnnualUpdates != 1 || !mainWindow)
        return;
    new StartupCheck(mainWindow, closer);
}
