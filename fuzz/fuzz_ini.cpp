// Feeds arbitrary bytes to the settings-file reader and writer.

#include "core/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/fuzz.ini");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    f.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    f.close();
    for (const char *section : {"Version", "Settings", "FileMenu"})
        for (const char *key : {"INIFileVersion", "DataPath", "MaxLastFiles"})
            ReadINI(QLatin1String(section), QLatin1String(key), path, QStringLiteral("d"));
    WriteINI(QStringLiteral("Settings"), QStringLiteral("DataPath"), QStringLiteral("x"), path);
    if (ReadINI(QStringLiteral("Settings"), QStringLiteral("DataPath"), path) != QLatin1String("x"))
        __builtin_trap();
    return 0;
}
