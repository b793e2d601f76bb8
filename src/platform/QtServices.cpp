#include "platform/QtServices.h"
#include "platform/XdgFileAssociation.h"

#include "platform/QtDownloader.h"
#include "platform/QtPrinter.h"
#include "platform/Widgets.h"
#include "platform/frmHelp.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
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
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (buttons & 0x70) {
    case mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case mb::Question: box.setIcon(QMessageBox::Question); break;
    case mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case mb::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    const QList<ButtonSpec> specs = buttonsOf(buttons);
    QMessageBox::StandardButtons set;
    for (const ButtonSpec &s : specs)
        set |= s.button;
    box.setStandardButtons(set);
    const int defIndex = (buttons & mb::DefaultButton3) ? 2 : (buttons & mb::DefaultButton2) ? 1 : 0;
    box.setDefaultButton(specs.value(defIndex < specs.size() ? defIndex : 0).button);
    // Escape answers Cancel where there is one, else the only button.
    for (const ButtonSpec &s : specs)
        if (s.answer == mb::Cancel || specs.size() == 1)
            box.setEscapeButton(s.button);
    // The box sizes itself to its text alone: a short text would cut its title under a
    // window manager, so the box is kept as wide as the title needs in a title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const QMargins margins = grid->contentsMargins();
        const int width = TitleBarWidth(&box) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), 0, 0, 1,
                      grid->columnCount());
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
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

// Runs the program and waits for its exit with the event loop running, so the window
// stays live. Fails when the program cannot start or exits with a failure (xdg-open
// exits 3 or 4 when nothing can open the file).
bool runOpener(const QString &program, const QStringList &args)
{
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments(args);
    // No pipes: a viewer that writes much would stall on a pipe nobody reads.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());

    enum class Outcome { Waiting, Opened, Failed } outcome = Outcome::Waiting;
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, [&](int code, QProcess::ExitStatus status) {
        outcome = status == QProcess::NormalExit && code == 0 ? Outcome::Opened : Outcome::Failed;
        loop.quit();
    });
    QObject::connect(process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            outcome = Outcome::Failed;
            loop.quit();
        }
    });
    QTimer::singleShot(kOpenerWaitMs, &loop, &QEventLoop::quit);
    process->start();
    if (outcome == Outcome::Waiting)
        loop.exec();

    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
    } else {
        // Still running: the viewer is up. The process is left to end on its own
        // (never killed with the program) and the object goes with it.
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        QObject::connect(process, &QProcess::errorOccurred, process, &QObject::deleteLater);
        return true;
    }
    return outcome == Outcome::Opened;
}
} // namespace

bool DesktopOpener::openDocument(const QString &path)
{
    // An absolute path: a name starting with "-" is never taken for an option.
    return runOpener(QStringLiteral("xdg-open"), {QFileInfo(path).absoluteFilePath()});
}
bool DesktopOpener::openUrl(const QString &url) { return runOpener(QStringLiteral("xdg-open"), {url}); }
bool DesktopOpener::startProgram(const QString &program, const QStringList &args)
{
    return runOpener(program, args);
}

std::optional<QString> QtFileDialog::run(const FileDialogRequest &r)
{
    QFileDialog dlg(QApplication::activeWindow(), r.title, r.initialDir);
    dlg.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setNameFilters(r.filters);
    // Selected as the dialog keeps it: it simplifies each filter's blanks.
    const QStringList kept = dlg.nameFilters();
    if (r.filterIndex >= 1 && r.filterIndex <= kept.size())
        dlg.selectNameFilter(kept.at(r.filterIndex - 1));
    if (!r.defaultSuffix.isEmpty())
        dlg.setDefaultSuffix(r.defaultSuffix);
    if (!r.confirmOverwrite)
        dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.fileName.isEmpty())
        dlg.selectFile(r.fileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first();
}

bool QtFileDialog::printerSetup()
{
    // The setup applies to the printer that the program prints on.
    if (auto *installed = dynamic_cast<QtPrinter *>(services().printer.get())) {
        QPrintDialog dlg(&installed->qprinter(), QApplication::activeWindow());
        return dlg.exec() == QDialog::Accepted;
    }
    QPrinter printer;
    QPrintDialog dlg(&printer, QApplication::activeWindow());
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
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
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
