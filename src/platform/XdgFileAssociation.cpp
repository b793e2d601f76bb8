#include "platform/XdgFileAssociation.h"

#include "core/Errors.h"
#include "core/FileAccess.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QSet>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <optional>

namespace {

const QString kProgramId = QStringLiteral("tessolan-primer");
const QString kDesktopFile = kProgramId + QStringLiteral(".desktop");

// An XDG base folder; a relative or empty value is not valid and falls back to the default.
QString baseFolder(const char *variable, const QString &fallback)
{
    const QString env = qEnvironmentVariable(variable);
    if (!env.isEmpty() && QDir::isAbsolutePath(env))
        return env;
    return QDir::homePath() + fallback;
}
QString dataHome() { return baseFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")); }
QString configHome() { return baseFolder("XDG_CONFIG_HOME", QStringLiteral("/.config")); }

// What one attempt may change, kept before it changes anything, so that a failed attempt
// leaves the user's folders as they were: files it wrote are removed or get their old
// bytes back, folders it made are removed.
class Undo {
public:
    // A file the attempt writes (or a desktop tool may write).
    void keepFile(const QString &path)
    {
        keepFolder(QFileInfo(path).absolutePath());
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink()) {
            m_files.insert(path, std::nullopt);
            return;
        }
        QFile f(path);
        if (info.isFile() && !info.isSymLink() && f.open(QIODevice::ReadOnly))
            m_files.insert(path, f.readAll());
        // Anything else (a link, a file it cannot read) it leaves alone.
    }
    // A folder that a desktop tool rewrites as a whole: every file and folder in it.
    void keepTree(const QString &folder)
    {
        keepFolder(folder);
        m_trees << folder;
        for (QDirIterator it(folder, kEntries, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            m_oldEntries.insert(path);
            if (!it.fileInfo().isDir())
                keepFile(path);
        }
    }
    void restore()
    {
        for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
            if (!it.value()) {
                QFile::remove(it.key());
                continue;
            }
            QFile now(it.key());
            if (now.open(QIODevice::ReadOnly) && now.readAll() == *it.value())
                continue;
            now.close();
            try {
                WriteFileSafely(it.key(), *it.value());
            } catch (const RuntimeError &) {
                // Nothing more can be done for this file.
            }
        }
        // Files and folders that appeared in a kept tree, the folders deepest first.
        for (const QString &tree : std::as_const(m_trees)) {
            QStringList folders;
            for (QDirIterator it(tree, kEntries, QDirIterator::Subdirectories); it.hasNext();) {
                const QString path = it.next();
                if (m_oldEntries.contains(path))
                    continue;
                if (it.fileInfo().isDir() && !it.fileInfo().isSymLink())
                    folders << path;
                else
                    QFile::remove(path);
            }
            for (auto f = folders.crbegin(); f != folders.crend(); ++f)
                QDir().rmdir(*f);
        }
        // The folders made on the way, deepest first.
        for (auto f = m_madeFolders.crbegin(); f != m_madeFolders.crend(); ++f)
            QDir().rmdir(*f);
    }

private:
    static constexpr QDir::Filters kEntries = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

    // Remembers the missing folders on the way to this one, outermost first.
    void keepFolder(const QString &folder)
    {
        QStringList missing;
        for (QString f = QDir::cleanPath(folder); !QFileInfo::exists(f); f = QFileInfo(f).absolutePath()) {
            missing.prepend(f);
            if (QFileInfo(f).absolutePath() == f)
                break;
        }
        for (const QString &f : std::as_const(missing))
            if (!m_madeFolders.contains(f))
                m_madeFolders << f;
    }

    QMap<QString, std::optional<QByteArray>> m_files;
    QSet<QString> m_oldEntries;
    QStringList m_trees, m_madeFolders;
};

QString xmlEscaped(const QString &text) { return text.toHtmlEscaped(); }

// The types already listed on the MimeType= line of an existing desktop entry.
QStringList listedTypes(const QString &desktopPath)
{
    if (!QFileInfo(desktopPath).isFile())
        return {};
    QByteArray bytes;
    try {
        bytes = ReadRegularFile(desktopPath, 1024 * 1024);
    } catch (const RuntimeError &) {
        return {};
    }
    for (const QString &line : QString::fromUtf8(bytes).split(u'\n')) {
        if (line.startsWith(QLatin1String("MimeType=")))
            return line.mid(9).trimmed().split(u';', Qt::SkipEmptyParts);
    }
    return {};
}

// Creates the folder and writes the file; "" or the failed step.
QString writeFile(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        return QStringLiteral("The folder %1 could not be created").arg(folder);
    try {
        WriteFileSafely(path, bytes);
    } catch (const RuntimeError &e) {
        return QStringLiteral("The file %1 could not be written (%2)").arg(path, e.text());
    }
    return QString();
}

// Runs a program without a shell; "" when it ran and ended with exit status 0.
QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForStarted(10000))
        return QStringLiteral("The program %1 could not be started").arg(program);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(1000);
        return QStringLiteral("The program %1 did not finish").arg(program);
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QStringLiteral("The program %1 failed (exit status %2)").arg(program).arg(p.exitCode());
    return QString();
}

} // namespace

QString AssociationMimeType(const QString &extension)
{
    return QStringLiteral("application/x-") + kProgramId + u'-' + extension.toLower();
}

QString DesktopExecLine(const QString &programPath)
{
    // Inside a quoted argument '"', '`', '$' and '\' take a backslash; then the value as
    // a whole escapes each backslash again, and '%' is doubled (it starts field codes).
    QString quoted;
    for (const QChar c : programPath) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    QString value;
    for (const QChar c : QString(u'"' + quoted + u'"')) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'%')
            value += QStringLiteral("%%");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value + QStringLiteral(" %f");
}

QString XdgFileAssociation::associate(const FileAssociationRequest &request)
{
    const QString data = dataHome();
    const QString type = AssociationMimeType(request.extension);
    const QString ext = request.extension.toLower();
    const QString icon = data + QStringLiteral("/icons/hicolor/scalable/apps/") + kProgramId + QStringLiteral(".svg");
    const QString desktopPath = data + QStringLiteral("/applications/") + kDesktopFile;

    // Everything the steps below and the desktop's tools may change, as it is now.
    Undo undo;
    undo.keepFile(icon);
    undo.keepTree(data + QStringLiteral("/mime"));
    undo.keepTree(data + QStringLiteral("/applications"));
    undo.keepFile(configHome() + QStringLiteral("/mimeapps.list"));

    const QString failed = [&] {
        // The program's icon, named by the type and the desktop entry.
        QString failed = writeFile(icon, request.iconSvg);
        if (!failed.isEmpty())
            return failed;

        // The MIME type. The glob matches the extension in any case.
        const QString mimeXml =
            QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                           "  <mime-type type=\"%1\">\n"
                           "    <comment>%2</comment>\n"
                           "    <icon name=\"%3\"/>\n"
                           "    <glob pattern=\"*.%4\"/>\n"
                           "  </mime-type>\n"
                           "</mime-info>\n")
                .arg(type, xmlEscaped(request.typeComment), kProgramId, ext);
        failed = writeFile(data + QStringLiteral("/mime/packages/") + kProgramId + u'-' + ext + QStringLiteral(".xml"),
                           mimeXml.toUtf8());
        if (!failed.isEmpty())
            return failed;

        // The desktop entry lists every type associated so far.
        QStringList types = listedTypes(desktopPath);
        if (!types.contains(type))
            types << type;
        const QString entry = QStringLiteral("[Desktop Entry]\n"
                                             "Type=Application\n"
                                             "Name=Tessolan Primer\n"
                                             "Exec=%1\n"
                                             "Icon=%2\n"
                                             "NoDisplay=true\n"
                                             "MimeType=%3;\n")
                                  .arg(DesktopExecLine(request.programPath), kProgramId, types.join(u';'));
        failed = writeFile(desktopPath, entry.toUtf8());
        if (!failed.isEmpty())
            return failed;

        failed = run(QStringLiteral("update-mime-database"), {data + QStringLiteral("/mime")});
        if (failed.isEmpty())
            failed = run(QStringLiteral("update-desktop-database"), {data + QStringLiteral("/applications")});
        if (failed.isEmpty())
            failed = run(QStringLiteral("xdg-mime"), {QStringLiteral("default"), kDesktopFile, type});
        return failed;
    }();
    if (!failed.isEmpty())
        undo.restore();
    return failed;
}
