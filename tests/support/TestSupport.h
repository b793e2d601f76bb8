#pragma once
// Test harness: every test starts with a fresh HOME and XDG folders, the zero-filled
// program state, an empty history log and fresh recording fakes.

#include "platform/fakes/FakePrinter.h"
#include "platform/fakes/Fakes.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

FakeMessageBox &fakeMessageBox();
FakeClipboard &fakeClipboard();
FakeFolders &fakeFolders();
FakeFonts &fakeFonts();
FakeClock &fakeClock();
FakeOpener &fakeOpener();
FakeFileDialog &fakeFileDialog();
FakeHelpViewer &fakeHelpViewer();
FakePrinter &fakePrinter();

// The fresh HOME of the running test.
QString testHome();

// Runs the program's start-up steps that need no window (constants, defaults, the
// settings file, reading it), as the program does before the main window.
void StartCoreForTest();

// Writes a file with exact bytes (creating folders); returns its path.
QString writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
// What a program run to its end wrote to its output and error output, trimmed.
QString runTool(const QString &program, const QStringList &args);
// The key=value lines of one [section] of a settings file, in their order.
QStringList iniSection(const QString &path, const QString &section);

// While it lives, no file can grow beyond 'bytes' (a full disk for the program's
// writes, even for root); the signal that would end the process is ignored.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~ScopedFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_handler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit &) = delete;
    ScopedFileSizeLimit &operator=(const ScopedFileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_handler)(int) = nullptr;
};

// The bytes and the UTF-8 text of a file under tests/data/ (a missing file fails the test).
QByteArray testData(const QString &name);
QString testDataText(const QString &name);
// The rows of a tab-separated table under tests/data/: one row a line, its cells split
// by tabs; blank lines and lines starting with "#" are left out. Every row has as many
// cells as the first (a row ending in a list is padded with empty cells, read with
// rowTail). A table without rows, or a row of another width, fails the test.
QList<QStringList> testTable(const QString &name);
// The cells of a row from 'first' on, without the empty cells that pad it at its end.
QStringList rowTail(const QStringList &row, int first);
// A table cell with its escapes "\r", "\n", "\b" (Backspace) and "\uXXXX" (one UTF-16 unit)
// written out.
QString unescapeCell(const QString &cell);
// The index of a table's key among the keys its test knows; a key it does not know
// (misspelt) fails the test and gives -1, so that no row or case is skipped unnoticed.
int tableKey(const QString &key, const QStringList &known);
// The value a table's key names in 'map'; a key the map lacks fails the test.
template <class T> T tableValue(const QMap<QString, T> &map, const QString &key)
{
    tableKey(key, map.keys());
    return map.value(key);
}

// While it lives, this thread's file permissions bind root as they bind the file's
// owner (the capabilities that override them are set aside). ok() is false where
// they could not be set aside; a test then skips.
class ScopedOwnerPermissions {
public:
    ScopedOwnerPermissions();
    ~ScopedOwnerPermissions();
    bool ok() const { return m_ok; }
    ScopedOwnerPermissions(const ScopedOwnerPermissions &) = delete;
    ScopedOwnerPermissions &operator=(const ScopedOwnerPermissions &) = delete;

private:
    bool m_ok = false;
    unsigned m_saved[2] = {0, 0};
};

#include <ostream>
// Readable QString values in test failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
