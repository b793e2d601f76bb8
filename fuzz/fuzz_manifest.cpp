// Feeds arbitrary bytes to the update-manifest reader: a valid result is always a short
// digit version and a 64-digit checksum, whatever the server sent.

#include "core/UpdateManifest.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ReadManifestField(bytes);
    const ManifestInfo info = ParseManifest(bytes);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{4,1024}$"));
    static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
    if (info.valid && (!digits.match(info.version).hasMatch() || !hex.match(info.sha256).hasMatch()))
        __builtin_trap();
    if (info.valid && size > static_cast<size_t>(kMaxManifestBytes))
        __builtin_trap();
    return 0;
}
