#include "core/FileAccess.h"

#include "core/Errors.h"
#include "core/Messages.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// The classic number for a file that could not be opened.
int openErrorNumber(const QString &path, int e)
{
    if (e == ENOENT && !QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return err::PathNotFound;
    return ErrnoToError(e);
}

} // namespace

QByteArray ReadRegularFile(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    if (path.isEmpty())
        throw RuntimeError(err::FileNotFound);
    // Non-blocking, so that a named pipe or a device never stops the program in open().
    Fd file;
    file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file.fd < 0)
        throw RuntimeError(openErrorNumber(path, errno));
    struct stat st {};
    if (::fstat(file.fd, &st) != 0)
        throw RuntimeError(ErrnoToError(errno));
    if (!S_ISREG(st.st_mode))
        throw RuntimeError(err::PathFileAccess);
    if (st.st_size > maxBytes)
        throw RuntimeError(err::PathFileAccess,
                           QStringLiteral("File too large: %1 holds %2 bytes, more than the %3 bytes a file may hold")
                               .arg(BoundedText(path))
                               .arg(static_cast<qint64>(st.st_size))
                               .arg(maxBytes));
    // The size may change while the file is read: never read past the limit.
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(st.st_size) + 1);
    qsizetype have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > maxBytes)
                throw RuntimeError(err::PathFileAccess,
                                   QStringLiteral("File too large: %1 holds more than the %2 bytes a file may hold")
                                       .arg(BoundedText(path))
                                       .arg(maxBytes));
            bytes.resize(std::min<qsizetype>(maxBytes + 1, have * 2 + 4096));
        }
        const ssize_t n = ::read(file.fd, bytes.data() + have, static_cast<size_t>(bytes.size() - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw RuntimeError(err::DeviceIO);
        }
        if (n == 0)
            break;
        have += n;
    }
    bytes.truncate(have);
    return bytes;
}

void WriteFileSafely(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!QFileInfo(info.absolutePath()).isDir())
        throw RuntimeError(err::PathNotFound);
    if (info.isDir())
        throw RuntimeError(err::PathFileAccess);

    QSaveFile file(path);
    // A read-only folder holding a writable file: write the file in place.
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int e = errno;
        if (file.error() == QFileDevice::PermissionsError || e == EACCES || e == EPERM || e == EROFS)
            throw RuntimeError(err::PermissionDenied);
        throw RuntimeError(e != 0 ? ErrnoToError(e) : err::PathFileAccess);
    }
    // QSaveFile's commit can miss a failure of its last buffered write and rename a
    // short file over the old one: every write and the flush are checked first.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int e = errno;
        file.cancelWriting();
        throw RuntimeError(e == ENOSPC || e == EDQUOT ? err::DiskFull : err::DeviceIO);
    }
    errno = 0;
    if (!file.commit()) {
        const int e = errno;
        throw RuntimeError(e == ENOSPC || e == EDQUOT ? err::DiskFull : e != 0 ? ErrnoToError(e) : err::DeviceIO);
    }
}
