// The update manifest: its fields, its validation and the version rule.

#include "CoreTables.h"
#include "core/UpdateManifest.h"

#include <gtest/gtest.h>

TEST(UpdateManifest, OnlyDigitsAndAChecksumAreValidAndNewerIsATextComparison)
{
    const QString sha = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";
    for (const QStringList &row : coreTable("manifest.tsv")) {
        QString bytes = row.value(1);
        bytes.replace("<sha>", sha).replace("<SHA>", sha.toUpper()).replace("<sha63>", sha.left(63));
        SCOPED_TRACE(bytes.left(80).toStdString());
        const ManifestInfo info = ParseManifest(bytes.toLatin1());
        EXPECT_EQ(info.valid, row[0] != "none");
        EXPECT_EQ(info.version, info.valid ? row[0] : QString());
        EXPECT_EQ(info.sha256, info.valid ? sha : QString());
        EXPECT_EQ(info.valid && IsNewerVersion(info.version, "2207"), row[2] == "1");
    }
}
