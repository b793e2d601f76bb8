#pragma once
// Reading and writing whole files safely. A file is read only when it is a regular
// file of a sane size (never a blocking open of a pipe or device, never an allocation
// of a huge file's size); a file is written through a temporary file and a rename,
// every write and the flush checked first, so a failed write leaves the old file as
// it was.

#include <QByteArray>
#include <QString>

// The largest project or settings file the program reads (either is a few KB).
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

// The whole file. Throws RuntimeError: 53 when it does not exist, 76 when its folder
// does not, 70 without permission, 75 ("Path/File access error") for a folder, pipe,
// device or socket, 75 with a text naming the file and its size when it is larger
// than maxBytes, 57 for a read error.
QByteArray ReadRegularFile(const QString &path, qint64 maxBytes = kMaxFileBytes);

// Replaces the file with 'bytes' through a temporary file beside it and a rename.
// Where no temporary file can be made (a read-only folder) but the file itself is
// writable, the file is written in place. Throws RuntimeError (61 disk full, 70
// permission, 75 a folder, 76 no such folder, 57 other failures); nothing is
// replaced then.
void WriteFileSafely(const QString &path, const QByteArray &bytes);
