#pragma once
// The update manifest "korvendo_version.txt" on the program's web server, and the rules
// around it: reading its version field, validating it, comparing versions, naming the
// setup file, and the age of this release.

#include <QByteArray>
#include <QDate>
#include <QString>

// The manifest's address below the download folder.
QString ManifestFileName();
// Larger manifests are refused: the real one is a single short line.
constexpr qint64 kMaxManifestBytes = 1024;

// The first field of the first line, as a sequential Input field reads it: leading blanks
// skipped, the field ends at a comma or the line end, a quoted field loses its quotes;
// then one trailing LF and one trailing CR are dropped while the text is longer than one
// character.
QString ReadManifestField(const QByteArray &bytes);

struct ManifestInfo {
    bool valid = false;
    QString version; // digits only, at least four: it becomes part of a URL and a file name
    QString sha256;  // 64 hex digits, lower case: the checksum of the setup file
};

// "version,sha256" on the first line. Anything else (a longer manifest, a version that is
// not four or more digits, a missing or malformed checksum) is invalid.
ManifestInfo ParseManifest(const QByteArray &bytes);

// The server's version is newer when its text sorts after the current one, character by
// character: "2208" is newer than "2207", "10000" is not, "3" is.
bool IsNewerVersion(const QString &server, const QString &current);

// "Korvendo" & version & ".exe".
QString SetupFileName(const QString &version);

// The release date of this version, and the whole days from it to 'today'.
QDate ReleaseDate();
qint64 DaysSinceRelease(const QDate &today);
