#include "core/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

namespace {

QStringList readLines(const QString &fileName, bool *exists = nullptr)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        if (exists)
            *exists = false;
        return {};
    }
    if (exists)
        *exists = true;
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// "[Name]" -> "Name"; anything else -> null.
QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return QString();
}

bool splitKey(const QString &line, QString &key, QString &value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = t.left(eq).trimmed();
    value = t.mid(eq + 1).trimmed();
    return true;
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

QString ReadINI(const QString &Section, const QString &Key, const QString &FileName, const QString &Default)
{
    const QStringList lines = readLines(FileName);
    bool inSection = false;
    QString result;
    for (const QString &line : lines) {
        const QString sec = sectionName(line);
        if (!sec.isNull()) {
            if (inSection)
                break;
            inSection = sameName(sec, Section);
            continue;
        }
        QString k, v;
        if (inSection && splitKey(line, k, v) && sameName(k, Key)) {
            if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\''))
                && v.back() == v.front())
                v = v.mid(1, v.size() - 2);
            result = v;
            break;
        }
    }
    if (result.isEmpty() && !Default.isNull())
        return Default;
    return result;
}

int WriteINI(const QString &Section, const QString &Key, const QString &Value, const QString &FileName)
{
    QStringList lines = readLines(FileName);
    // A value can never break the file's structure.
    QString value = Value;
    value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString entry = Key + QLatin1Char('=') + value;

    int sectionAt = -1, lastKeyAt = -1, keyAt = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString sec = sectionName(lines[i]);
        if (!sec.isNull()) {
            if (sectionAt >= 0)
                break;
            if (sameName(sec, Section)) {
                sectionAt = i;
                lastKeyAt = i;
            }
            continue;
        }
        if (sectionAt < 0)
            continue;
        QString k, v;
        if (splitKey(lines[i], k, v)) {
            lastKeyAt = i;
            if (sameName(k, Key)) {
                keyAt = i;
                break;
            }
        } else if (!lines[i].trimmed().isEmpty()) {
            lastKeyAt = i;
        }
    }
    if (keyAt >= 0)
        lines[keyAt] = entry;
    else if (sectionAt >= 0)
        lines.insert(lastKeyAt + 1, entry);
    else
        lines << QLatin1Char('[') + Section + QLatin1Char(']') << entry;

    QSaveFile f(FileName);
    if (!f.open(QIODevice::WriteOnly))
        return 0;
    QByteArray out;
    for (const QString &l : lines)
        out += l.toUtf8() + "\r\n";
    f.write(out);
    return f.commit() ? 1 : 0;
}
