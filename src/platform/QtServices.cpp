#include "platform/QtServices.h"
#include "platform/XdgFileAssociation.h"

#include "platform/QtDownloader.h"
#include "platform/ModalWindows.h"
#include "platform/QtPrinter.h"
#include "platform/Widgets.h"
#include "platform/frmHelp.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace {
struct ButtonSpec {
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonSpec> buttonsOf(int buttons)
{
    switch (buttons & 7) {
    case mb::OkCancel: return {{QMessageBox::Ok, mb::Ok}, {QMessageBox::Cancel, mb::Cancel}};
    case mb::AbortRetryIgnore:
        return {{QMessageBox::Abort, mb::Abort}, {QMessageBox::Retry, mb::Retry}, {QMessageBox::Ignore, mb::Ignore}};
    case mb::YesNoCancel:
        return {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}, {QMessageBox::Cancel, mb::Cancel}};
    case mb::YesNo: return {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}};
    case mb::RetryCancel: return {{QMessageBox::Retry, mb::Retry}, {QMessageBox::Cancel, mb::Cancel}};
    default: return {{QMessageBox::Ok, mb::Ok}};
    }
}
} // namespace

int QtMessageBox::show(const QString &text, int buttons, const QString &title)
{
    // On the heap: the window it belongs to may go while it waits for its answer.
    ModalWindow<QMessageBox> box(QApplication::activeWindow());
    box->setWindowTitle(title);
    box->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (buttons & 0x70) {
    case mb::Critical: box->setIcon(QMessageBox::Critical); break;
    case mb::Question: box->setIcon(QMessageBox::Question); break;
    case mb::Exclamation: box->setIcon(QMessageBox::Warning); break;
    case mb::Information: box->setIcon(QMessageBox::Information); break;
    default: box->setIcon(QMessageBox::NoIcon); break;
    }
    const QList<ButtonSpec> specs = buttonsOf(buttons);
    QMessageBox::StandardButtons set;
    for (const ButtonSpec &s : specs)
        set |= s.button;
    box->setStandardButtons(set);
    const int defIndex = (buttons & mb::DefaultButton3) ? 2 : (buttons & mb::DefaultButton2) ? 1 : 0;
    box->setDefaultButton(specs.value(defIndex < specs.size() ? defIndex : 0).button);
    // Escape answers Cancel where there is one, else the only button.
    for (const ButtonSpec &s : specs)
        if (s.answer == mb::Cancel || specs.size() == 1)
            box->setEscapeButton(s.button);
    // The box sizes itself to its text alone: a short text would cut its title under a
    // window manager, so the box is kept as wide as the title needs in a title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        const QMargins margins = grid->contentsMargins();
        const int width = TitleBarWidth(box.get()) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), 0, 0, 1,
                      grid->columnCount());
    }
    box.exec();
    // A box that went unanswered closes as its close box would.
    const auto clicked = box ? box->standardButton(box->clickedButton()) : QMessageBox::NoButton;
    for (const ButtonSpec &s : specs)
        if (s.button == clicked)
            return s.answer;
    return specs.size() > 1 && (buttons & 7) != mb::YesNo ? mb::Cancel : specs.first().answer;
}

void QtClipboard::setText(const QString &text) { QGuiApplication::clipboard()->setText(text); }
QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

QString QtFolders::documents() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
QString QtFolders::downloads() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
}
QString QtFolders::systemTemp() const { return QDir::tempPath(); }
QString QtFolders::applicationDir() const { return QCoreApplication::applicationDirPath(); }

QStringList QtFonts::screenFonts() const { return QFontDatabase::families(); }
QStringList QtFonts::printerFonts() const { return QFontDatabase::families(); }
QString QtFonts::generalFont() const
{
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}
QString QtFonts::fixedFont() const
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

namespace {
// How long an opener is waited for. One still running then has found its viewer (some
// openers run it in the foreground): the file counts as opened.
constexpr int kOpenerWaitMs = 4000;

// The parent of every opener's process. It is never deleted: deleting a running process
// object ends its program, and a viewer still open when this program ends runs on.
QObject *openerProcesses()
{
    static QObject *const keeper = new QObject;
    return keeper;
}

OpenOutcome failure(OpenOutcome::Result result, int exitCode = 0)
{
    OpenOutcome o;
    o.result = result;
    o.exitCode = exitCode;
    return o;
}

// One run of an opener or viewer. It tells its outcome once, from the event loop: a
// failure when the program cannot start or ends with a failure within the wait; opened
// when it ends well, or still runs when the wait is over. The object goes when the
// program has ended.
class OpenerProcess : public QProcess {
public:
    OpenerProcess(bool desktopOpener, std::function<void(const OpenOutcome &)> settled)
        : QProcess(openerProcesses()), m_desktopOpener(desktopOpener), m_settled(std::move(settled))
    {
        // Nothing shared with this program: what the opener or its viewer writes goes
        // nowhere (a pipe nobody reads would stall it, and one of this program's own would
        // mix its messages into ours and stay open after this program ends).
        setStandardInputFile(QProcess::nullDevice());
        setStandardOutputFile(QProcess::nullDevice());
        setStandardErrorFile(QProcess::nullDevice());
        m_wait.setSingleShot(true);
        connect(&m_wait, &QTimer::timeout, this, [this] { settle({}); });
        connect(this, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                settle(failure(OpenOutcome::NotStarted));
                deleteLater();
            }
        });
        connect(this, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
            settle(outcomeOf(code, status));
            deleteLater();
        });
    }

    void run(const QString &program, const QStringList &args)
    {
        setProgram(program);
        setArguments(args);
        m_wait.start(kOpenerWaitMs);
        start();
    }

private:
    OpenOutcome outcomeOf(int code, QProcess::ExitStatus status) const
    {
        if (status == QProcess::CrashExit)
            return failure(OpenOutcome::Signalled, code); // the code is the signal's number
        if (code == 0)
            return {};
        if (m_desktopOpener && (code == 3 || code == 4))
            return failure(OpenOutcome::NoViewer);
        if (m_desktopOpener && code == 2)
            return failure(OpenOutcome::FileMissing);
        return failure(OpenOutcome::ExitCode, code);
    }

    void settle(OpenOutcome outcome)
    {
        m_wait.stop();
        if (!m_settled)
            return;
        outcome.program = program();
        // Never inside start(), which reports a program that cannot start at once.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [settled = std::exchange(m_settled, nullptr), outcome] { settled(outcome); }, Qt::QueuedConnection);
    }

    bool m_desktopOpener;
    std::function<void(const OpenOutcome &)> m_settled;
    QTimer m_wait;
};
} // namespace

DesktopOpener::~DesktopOpener() { abandon(); }

void DesktopOpener::run(const QString &program, const QStringList &args, bool desktopOpener, Done done)
{
    auto waiting = std::make_shared<Done>(std::move(done));
    std::erase_if(m_waiting, [](const std::weak_ptr<Done> &w) { return w.expired(); });
    m_waiting.push_back(waiting);
    auto *process = new OpenerProcess(desktopOpener, [waiting](const OpenOutcome &outcome) {
        if (Done d = std::exchange(*waiting, nullptr))
            d(outcome);
    });
    process->run(program, args);
}

void DesktopOpener::openDocument(const QString &path, Done done)
{
    // An absolute path: a name starting with "-" is never taken for an option.
    run(QStringLiteral("xdg-open"), {QFileInfo(path).absoluteFilePath()}, true, std::move(done));
}

void DesktopOpener::openUrl(const QString &url, Done done)
{
    run(QStringLiteral("xdg-open"), {url}, true, std::move(done));
}

void DesktopOpener::startProgram(const QString &program, const QStringList &args, Done done)
{
    run(program, args, false, std::move(done));
}

void DesktopOpener::abandon()
{
    // Each outcome on its way finds nothing to tell; what it held goes now.
    for (const std::weak_ptr<Done> &w : m_waiting)
        if (std::shared_ptr<Done> d = w.lock())
            *d = nullptr;
    m_waiting.clear();
}

std::optional<QString> QtFileDialog::run(const FileDialogRequest &r)
{
    ModalWindow<QFileDialog> dlg(QApplication::activeWindow(), r.title, r.initialDir);
    dlg->setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg->setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg->setNameFilters(r.filters);
    // Selected as the dialog keeps it: it simplifies each filter's blanks.
    const QStringList kept = dlg->nameFilters();
    if (r.filterIndex >= 1 && r.filterIndex <= kept.size())
        dlg->selectNameFilter(kept.at(r.filterIndex - 1));
    if (!r.defaultSuffix.isEmpty())
        dlg->setDefaultSuffix(r.defaultSuffix);
    if (!r.confirmOverwrite)
        dlg->setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.fileName.isEmpty())
        dlg->selectFile(r.fileName);
    if (dlg.exec() != QDialog::Accepted || !dlg || dlg->selectedFiles().isEmpty())
        return std::nullopt;
    return dlg->selectedFiles().first();
}

bool QtFileDialog::printerSetup()
{
    // The setup applies to the printer that the program prints on.
    if (auto *installed = dynamic_cast<QtPrinter *>(services().printer.get())) {
        ModalWindow<QPrintDialog> dlg(&installed->qprinter(), QApplication::activeWindow());
        return dlg.exec() == QDialog::Accepted;
    }
    // Without the program's printer the dialog sets up a printer of its own.
    ModalWindow<QPrintDialog> dlg(QApplication::activeWindow());
    return dlg.exec() == QDialog::Accepted;
}

namespace {
// The style of a family that draws it with this weight and slant ("Book", "Bold Oblique"),
// "" when it has none. The font dialog opens on the style it is given by name; without
// one it looks for "Normal" or "Regular" and, failing that, takes the family's first
// style, which can be an oblique one.
QString styleOf(const QString &family, bool bold, bool italic)
{
    QString best;
    int bestDistance = 0;
    for (const QString &style : QFontDatabase::styles(family)) {
        // An oblique style slants as an italic one does.
        if (QFontDatabase::font(family, style, 10).italic() != italic)
            continue;
        int distance = std::abs(QFontDatabase::weight(family, style) - (bold ? QFont::Bold : QFont::Normal));
        if (style.contains(QLatin1String("Condensed")) || style.contains(QLatin1String("Expanded")))
            distance += 1000; // a narrower or wider cut only when there is no other
        if (best.isEmpty() || distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}
} // namespace

std::optional<FontChoice> QtFileDialog::chooseFont(const FontChoice &preset)
{
    // The family as the dialog lists it: a name that is not installed shows the family
    // that stands in for it.
    QString family = QFontInfo(QFont(preset.name)).family();
    for (const QString &installed : QFontDatabase::families())
        if (installed.compare(preset.name, Qt::CaseInsensitive) == 0)
            family = installed;
    QFont initial(family);
    if (preset.size > 0)
        initial.setPointSizeF(preset.size);
    initial.setBold(preset.bold);
    initial.setItalic(preset.italic);
    initial.setStyleName(styleOf(family, preset.bold, preset.italic));
    ModalWindow<QFontDialog> dlg(initial, QApplication::activeWindow());
    if (dlg.exec() != QDialog::Accepted || !dlg)
        return std::nullopt;
    const QFont chosen = dlg->selectedFont();
    return FontChoice{chosen.family(), chosen.pointSizeF(), chosen.bold(), chosen.italic()};
}

void InstallQtServices()
{
    Services &s = services();
    s.messageBox = std::make_unique<QtMessageBox>();
    s.clipboard = std::make_unique<QtClipboard>();
    s.folders = std::make_unique<QtFolders>();
    s.fonts = std::make_unique<QtFonts>();
    s.clock = std::make_unique<SystemClock>();
    s.opener = std::make_unique<DesktopOpener>();
    s.fileDialog = std::make_unique<QtFileDialog>();
    s.printer = std::make_unique<QtPrinter>();
    s.helpViewer = std::make_unique<HelpBrowser>();
    s.downloader = std::make_unique<QtDownloader>();
    s.fileAssociation = std::make_unique<XdgFileAssociation>();
}
