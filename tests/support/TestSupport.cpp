#include "TestSupport.h"

#include "core/ProgramState.h"
#include "core/Startup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
std::unique_ptr<QTemporaryDir> g_home;

// The fake a service slot holds (the harness installs one in every slot it names below).
template <class Fake, class Slot> Fake &fakeIn(Slot &slot) { return static_cast<Fake &>(*slot); }
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
    s.clipboard = std::make_unique<FakeClipboard>();
    s.folders = std::make_unique<FakeFolders>(home);
    s.fonts = std::make_unique<FakeFonts>();
    s.clock = std::make_unique<FakeClock>();
    s.opener = std::make_unique<FakeOpener>();
    s.fileDialog = std::make_unique<FakeFileDialog>();
    s.helpViewer = std::make_unique<FakeHelpViewer>();
    s.printer = std::make_unique<FakePrinter>();
    s.downloader = std::make_unique<FakeDownloader>();
}

FakeMessageBox &fakeMessageBox() { return fakeIn<FakeMessageBox>(services().messageBox); }
FakeClipboard &fakeClipboard() { return fakeIn<FakeClipboard>(services().clipboard); }
FakeFolders &fakeFolders() { return fakeIn<FakeFolders>(services().folders); }
FakeFonts &fakeFonts() { return fakeIn<FakeFonts>(services().fonts); }
FakeClock &fakeClock() { return fakeIn<FakeClock>(services().clock); }
FakeOpener &fakeOpener() { return fakeIn<FakeOpener>(services().opener); }
FakeFileDialog &fakeFileDialog() { return fakeIn<FakeFileDialog>(services().fileDialog); }
FakeHelpViewer &fakeHelpViewer() { return fakeIn<FakeHelpViewer>(services().helpViewer); }
FakePrinter &fakePrinter() { return fakeIn<FakePrinter>(services().printer); }
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
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAll()).trimmed();
}

QStringList iniSection(const QString &path, const QString &section)
{
    QStringList lines;
    bool inside = false;
    for (const QString &line : QString::fromUtf8(readFile(path)).split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'['))
            inside = line == u'[' + section + u']';
        else if (inside && line.contains(u'='))
            lines << line;
    }
    return lines;
}

QByteArray testData(const QString &name)
{
    const QString path = QStringLiteral(PRIMER_TEST_DATA "/") + name;
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    return readFile(path);
}

QString testDataText(const QString &name) { return QString::fromUtf8(testData(name)); }

QList<QStringList> testTable(const QString &name)
{
    QList<QStringList> rows;
    const QStringList lines = testDataText(name).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString row = lines[i].endsWith(u'\r') ? lines[i].chopped(1) : lines[i];
        if (row.trimmed().isEmpty() || row.startsWith(u'#'))
            continue;
        const QStringList cells = row.split(u'\t');
        // A row of another width fails the test and is left out, so that no test reads
        // past its end.
        if (!rows.isEmpty() && cells.size() != rows.first().size()) {
            ADD_FAILURE() << name.toStdString() << ":" << i + 1 << ": " << cells.size() << " cells, not "
                          << rows.first().size() << " as in the first row";
            continue;
        }
        rows << cells;
    }
    if (rows.isEmpty())
        ADD_FAILURE() << name.toStdString() << ": no rows";
    return rows;
}

QStringList rowTail(const QStringList &row, int first)
{
    QStringList tail = row.mid(first);
    while (!tail.isEmpty() && tail.last().isEmpty())
        tail.removeLast();
    return tail;
}

QString unescapeCell(const QString &cell)
{
    QString out;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell.at(i) != u'\\' || i + 1 == cell.size()) {
            out += cell.at(i);
            continue;
        }
        const QChar kind = cell.at(++i);
        if (kind == u'u') {
            bool ok = false;
            out += QChar(cell.mid(i + 1, 4).toUShort(&ok, 16));
            if (!ok)
                ADD_FAILURE() << "bad escape in " << cell.toStdString();
            i += 4;
        } else {
            out += kind == u'r' ? u'\r' : kind == u'n' ? u'\n' : kind == u'b' ? u'\b' : kind.unicode();
        }
    }
    return out;
}

int tableKey(const QString &key, const QStringList &known)
{
    const int index = int(known.indexOf(key));
    if (index < 0)
        ADD_FAILURE() << "unknown key \"" << key.toStdString() << "\" (known: " << known.join(u' ').toStdString() << ")";
    return index;
}

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
    data[0].effective &= ~kOverrides;
    m_ok = capabilities(data, true);
}

ScopedOwnerPermissions::~ScopedOwnerPermissions()
{
    __user_cap_data_struct data[2]{};
    if (m_ok && capabilities(data, false)) {
        data[0].effective = m_saved[0];
        capabilities(data, true);
    }
}
