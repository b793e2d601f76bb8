// The update manifest: its version field, its validation, the version rule and the
// release age.

#include "core/UpdateManifest.h"

#include <gtest/gtest.h>

namespace {
const QByteArray kSha = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";
}

TEST(UpdateManifest, VersionFieldAsASequentialReadGivesIt)
{
    const struct {
        QByteArray bytes;
        const char *field;
    } cases[] = {
        {"2208\r\n", "2208"},
        {"2208\n", "2208"},
        {"2208", "2208"},
        {"   2208,abc\r\n", "2208"},
        {"\"2208\"\r\n", "2208"},
        {"\"22,08\",x", "22,08"},
        {"2208  \r\nnext line", "2208"},
        {"", ""},
        {"\r\n", ""},
        {",2208", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReadManifestField(c.bytes), QString::fromLatin1(c.field)) << c.bytes.toStdString();
}

TEST(UpdateManifest, OnlyDigitsAndAChecksumAreValid)
{
    const struct {
        QByteArray bytes;
        bool valid;
        const char *version;
    } cases[] = {
        {"2208," + kSha + "\r\n", true, "2208"},
        {"10000," + kSha.toUpper(), true, "10000"},
        {"\"2208\",\"" + kSha + "\"\n", true, "2208"},
        {" 2208 , " + kSha + " \r\n", true, "2208"},
        {"2208\r\n", false, ""},                    // no checksum: an older manifest
        {"2208," + kSha.left(63), false, ""},        // short checksum
        {"2208," + kSha + "0", false, ""},           // long checksum
        {"2208," + kSha.left(63) + "g", false, ""},  // not hex
        {"220," + kSha, false, ""},                  // fewer than four digits
        {"22a8," + kSha, false, ""},
        {"../../x," + kSha, false, ""},
        {"2208/evil," + kSha, false, ""},
        {"\"2208\n\n\"," + kSha, false, ""},            // a line feed left in a quoted version
        {"2208,\"" + kSha + "\n\n\"", false, ""},        // and in a quoted checksum
        {"", false, ""},
        {"2208," + kSha + "\r\n" + QByteArray(1000, ' '), false, ""}, // over 1 KB
    };
    for (const auto &c : cases) {
        const ManifestInfo info = ParseManifest(c.bytes);
        EXPECT_EQ(info.valid, c.valid) << c.bytes.left(80).toStdString();
        EXPECT_EQ(info.version, QString::fromLatin1(c.version));
        if (c.valid) {
            EXPECT_EQ(info.sha256, QString::fromLatin1(kSha));
        }
    }
    EXPECT_TRUE(ParseManifest("2208," + kSha + "\r\n" + QByteArray(1024 - 71, ' ')).valid);
}

TEST(UpdateManifest, NewerIsATextComparison)
{
    const struct {
        const char *server, *current;
        bool newer;
    } cases[] = {
        {"2207", "2207", false}, {"2208", "2207", true}, {"10000", "2207", false},
        {"3", "2207", true},     {"2206", "2207", false}, {"22071", "2207", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsNewerVersion(c.server, c.current), c.newer) << c.server << " " << c.current;
}

TEST(UpdateManifest, SetupNameAndReleaseAge)
{
    EXPECT_EQ(SetupFileName("2208"), "Korvendo2208.exe");
    EXPECT_EQ(DaysSinceRelease(QDate(2022, 10, 20)), 0);
    EXPECT_EQ(DaysSinceRelease(QDate(2022, 10, 21)), 1);
    EXPECT_EQ(DaysSinceRelease(QDate(2023, 10, 20)), 365);
    EXPECT_EQ(ReleaseDate().toString("dd-MMM-yyyy"), "20-Oct-2022");
}
