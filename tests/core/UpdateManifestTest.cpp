// The update manifest: its fields, its validation and the version rule.

#include "core/UpdateManifest.h"

#include <gtest/gtest.h>

TEST(UpdateManifest, OnlyDigitsAndAChecksumAreValid)
{
    const QByteArray sha = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";
    const struct { QByteArray bytes; const char *version; /* "" = not valid */ } cases[] = {
        {"2208," + sha + "\r\n", "2208"},
        {"10000," + sha.toUpper() + "\n", "10000"},
        {"\"2208\",\"" + sha + "\"\n", "2208"},
        {" 2208 , " + sha + " \r\n", "2208"},
        {"2208," + sha + "\r\n" + QByteArray(1024 - 71, ' '), "2208"}, // 1 KB exactly
        {"2208," + sha + "\r\n" + QByteArray(1000, ' '), ""},           // over 1 KB
        {"2208\r\n", ""},                                               // no checksum: an older manifest
        {"2208," + sha.left(63), ""},                                   // short checksum
        {"2208," + sha + "0", ""},                                      // long checksum
        {"2208," + sha.left(63) + "g", ""},                             // not hex
        {"220," + sha, ""},                                             // fewer than four digits
        {"22a8," + sha, ""},
        {"../../x," + sha, ""},
        {"2208/evil," + sha, ""},
        {"\"2208\n\n\"," + sha, ""},     // a line feed left in a quoted version
        {"2208,\"" + sha + "\n\n\"", ""}, // and in a quoted checksum
        {"," + sha, ""},
        {"", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.left(80).toStdString());
        const ManifestInfo info = ParseManifest(c.bytes);
        EXPECT_EQ(info.valid, *c.version != 0);
        EXPECT_EQ(info.version, QString::fromLatin1(c.version));
        EXPECT_EQ(info.sha256, info.valid ? QString::fromLatin1(sha) : QString());
    }
}

TEST(UpdateManifest, NewerIsATextComparison)
{
    const struct { const char *server, *current; bool newer; } cases[] = {
        {"2207", "2207", false}, {"2208", "2207", true}, {"10000", "2207", false},
        {"3", "2207", true},     {"2206", "2207", false}, {"22071", "2207", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsNewerVersion(c.server, c.current), c.newer) << c.server << " " << c.current;
}
