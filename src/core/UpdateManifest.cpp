#include "core/UpdateManifest.h"

#include <QRegularExpression>

QString ManifestFileName() { return QStringLiteral("korvendo_version.txt"); }

namespace {
// One field from 'pos' of the first line; 'pos' ends on the character after its terminator.
QString readField(const QString &text, qsizetype &pos)
{
    const qsizetype n = text.size();
    while (pos < n && (text[pos] == u' ' || text[pos] == u'\t'))
        ++pos;
    QString field;
    if (pos < n && text[pos] == u'"') {
        const qsizetype close = text.indexOf(u'"', pos + 1);
        const qsizetype end = close < 0 ? n : close;
        field = text.mid(pos + 1, end - pos - 1);
        pos = end + 1;
        // Whatever follows the closing quote up to the separator is skipped.
        while (pos < n && text[pos] != u',' && text[pos] != u'\r' && text[pos] != u'\n')
            ++pos;
    } else {
        const qsizetype start = pos;
        while (pos < n && text[pos] != u',' && text[pos] != u'\r' && text[pos] != u'\n')
            ++pos;
        field = text.mid(start, pos - start);
        while (field.endsWith(u' ') || field.endsWith(u'\t'))
            field.chop(1);
    }
    if (pos < n && text[pos] == u',')
        ++pos;
    else
        pos = n; // the line ended: no further field on it
    return field;
}

QString dropLineEnd(QString field)
{
    if (field.size() > 1 && field.endsWith(u'\n'))
        field.chop(1);
    if (field.size() > 1 && field.endsWith(u'\r'))
        field.chop(1);
    return field;
}
} // namespace

QString ReadManifestField(const QByteArray &bytes)
{
    const QString text = QString::fromLatin1(bytes);
    qsizetype pos = 0;
    return dropLineEnd(readField(text, pos));
}

ManifestInfo ParseManifest(const QByteArray &bytes)
{
    ManifestInfo info;
    if (bytes.size() > kMaxManifestBytes)
        return info;
    const QString text = QString::fromLatin1(bytes);
    qsizetype pos = 0;
    const QString version = dropLineEnd(readField(text, pos));
    const QString sha = pos < text.size() ? dropLineEnd(readField(text, pos)) : QString();
    // Anchored at both ends of the text: "$" alone would also accept a final line feed.
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4,}")));
    static const QRegularExpression hex(QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]{64}")));
    if (!digits.match(version).hasMatch() || !hex.match(sha).hasMatch())
        return info;
    info.valid = true;
    info.version = version;
    info.sha256 = sha.toLower();
    return info;
}

bool IsNewerVersion(const QString &server, const QString &current)
{
    return QString::compare(server, current, Qt::CaseSensitive) > 0;
}

QString SetupFileName(const QString &version) { return QStringLiteral("Korvendo") + version + QStringLiteral(".exe"); }

QDate ReleaseDate() { return QDate(2022, 10, 20); }

qint64 DaysSinceRelease(const QDate &today) { return ReleaseDate().daysTo(today); }
