#include "TestSupport.h"

#include "core/Messages.h"
#include "core/ProgramState.h"
#include "core/Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <gtest/gtest.h>

#include <memory>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
std::unique_ptr<QTemporaryDir> g_home;
FakeMessageBox *g_box = nullptr;
FakeClipboard *g_clip = nullptr;
FakeFolders *g_folders = nullptr;
FakeFonts *g_fonts = nullptr;
FakeClock *g_clock = nullptr;
FakeOpener *g_opener = nullptr;
FakeFileDialog *g_dialog = nullptr;
FakeHelpViewer *g_help = nullptr;
FakePrinter *g_printer = nullptr;
} // namespace

void installFreshTestEnvironment()
{
    g_home = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/primer-test-XXXXXX"));
    const QString home = g_home->path();
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
    qputenv("XDG_CACHE_HOME", (home + "/.cache").toUtf8());
    qputenv("XDG_STATE_HOME", (home + "/.local/state").toUtf8());
    QDir().mkpath(home + "/.runtime");
    QFile::setPermissions(home + "/.runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", (home + "/.runtime").toUtf8());

    ResetProgramState();

    // Every service a test does not fake fails that test when used: a forgotten fake
    // shows up as a failure, never as a quiet pass on a do-nothing default.
    Services &s = services();
    s = Services();
    s.onDefaultUsed = [](const char *service) {
        ADD_FAILURE() << "the test used the " << service << " service without installing a fake for it";
    };
    s.messageBox = std::make_unique<FakeMessageBox>();
    g_box = static_cast<FakeMessageBox *>(s.messageBox.get());
    s.clipboard = std::make_unique<FakeClipboard>();
    g_clip = static_cast<FakeClipboard *>(s.clipboard.get());
    s.folders = std::make_unique<FakeFolders>(home);
    g_folders = static_cast<FakeFolders *>(s.folders.get());
    s.fonts = std::make_unique<FakeFonts>();
    g_fonts = static_cast<FakeFonts *>(s.fonts.get());
    s.clock = std::make_unique<FakeClock>();
    g_clock = static_cast<FakeClock *>(s.clock.get());
    s.opener = std::make_unique<FakeOpener>();
    g_opener = static_cast<FakeOpener *>(s.opener.get());
    s.fileDialog = std::make_unique<FakeFileDialog>();
    g_dialog = static_cast<FakeFileDialog *>(s.fileDialog.get());
    s.helpViewer = std::make_unique<FakeHelpViewer>();
    g_help = static_cast<FakeHelpViewer *>(s.helpViewer.get());
    s.printer = std::make_unique<FakePrinter>();
    s.downloader = std::make_unique<FakeDownloader>();
    g_printer = static_cast<FakePrinter *>(s.printer.get());
}

FakeMessageBox &fakeMessageBox() { return *g_box; }
FakeClipboard &fakeClipboard() { return *g_clip; }
FakeFolders &fakeFolders() { return *g_folders; }
FakeFonts &fakeFonts() { return *g_fonts; }
FakeClock &fakeClock() { return *g_clock; }
FakeOpener &fakeOpener() { return *g_opener; }
FakeFileDialog &fakeFileDialog() { return *g_dialog; }
FakeHelpViewer &fakeHelpViewer() { return *g_help; }
FakePrinter &fakePrinter() { return *g_printer; }
QString testHome() { return g_home ? g_home->path() : QString(); }

void StartCoreForTest() { StartupBeforeWindow(); }

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray testData(const QString &name)
{
    const QString path = QStringLiteral(PRIMER_TEST_DATA "/") + name;
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    return readFile(path);
}

QString testDataText(const QString &name) { return QString::fromUtf8(testData(name)); }

namespace {
// The capabilities that let root pass file permission checks.
constexpr unsigned kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool capabilities(__user_cap_data_struct (&data)[2], bool set)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}
} // namespace

ScopedOwnerPermissions::ScopedOwnerPermissions()
{
    __user_cap_data_struct data[2]{};
    if (!capabilities(data, false))
        return;
    m_saved[0] = data[0].effective;
    m_saved[1] = data[1].effective;
    data[0].effective &= ~kOverrides;
    m_ok = capabilities(data, true);
}

ScopedOwnerPermissions::~ScopedOwnerPermissions()
{
    __user_cap_data_struct data[2]{};
    if (!m_ok || !capabilities(data, false))
        return;
    data[0].effective = m_saved[0];
    data[1].effective = m_saved[1];
    capabilities(data, true);
}
