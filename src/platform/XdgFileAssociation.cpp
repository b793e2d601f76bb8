#include "platform/XdgFileAssociation.h"

#include "core/Errors.h"
#include "core/FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace {

const QString kProgramId = QStringLiteral("tessolan-primer");
const QString kDesktopFile = kProgramId + QStringLiteral(".desktop");

QString dataHome()
{
    // A relative or empty value is not valid and falls back to the default.
    const QString env = qEnvironmentVariable("XDG_DATA_HOME");
    if (!env.isEmpty() && QDir::isAbsolutePath(env))
        return env;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

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

    // The program's icon, named by the type and the desktop entry.
    const QString icon = data + QStringLiteral("/icons/hicolor/scalable/apps/") + kProgramId + QStringLiteral(".svg");
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
    const QString desktopPath = data + QStringLiteral("/applications/") + kDesktopFile;
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
}
