// Feeds arbitrary bytes to the settings file: the INI document (parsing, lookup, an
// update and writing it back) and the settings reading rules over it.

#include "core/IniFile.h"
#include "core/ProgramState.h"
#include "core/Settings.h"
#include "core/Startup.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const bool ready = [] {
        SetStartupPresets();
        settings().DisplayHistoryWin = 0;
        return true;
    }();
    (void)ready;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    // The document: an update is read back, and writing is stable after one round.
    IniDocument doc = IniDocument::parse(bytes);
    for (const char *section : {"Version", "Settings", "FileMenu"})
        for (const char *key : {"INIFileVersion", "DataPath", "MaxLastFiles"})
            doc.value(QLatin1String(section), QLatin1String(key), QStringLiteral("d"));
    const QString before = doc.value(QStringLiteral("BlastOptions"), QStringLiteral("EnglishMenus"));
    doc.setValue(QStringLiteral("Settings"), QStringLiteral("DataPath"), QStringLiteral("x"));
    const QByteArray written = doc.toBytes();
    const IniDocument again = IniDocument::parse(written);
    if (again.value(QStringLiteral("Settings"), QStringLiteral("DataPath")) != QLatin1String("x"))
        __builtin_trap();
    if (again.value(QStringLiteral("BlastOptions"), QStringLiteral("EnglishMenus")) != before)
        __builtin_trap();
    if (again.toBytes() != written)
        __builtin_trap();

    // The reading rules over the same bytes, as a file read at start.
    paths().IniFile = dir.path() + QStringLiteral("/Korvendo.INI");
    QFile f(paths().IniFile);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    f.write(bytes);
    f.close();
    if (LoadSettingsFile() == SettingsLoad::Loaded)
        ReadAllSettings();
    return 0;
}
