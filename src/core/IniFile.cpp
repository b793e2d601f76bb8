#include "core/IniFile.h"

#include "core/Errors.h"
#include "core/FileAccess.h"

namespace {

// "[Name]" gives true and "Name".
bool sectionName(const QString &line, QString &name)
{
    qsizetype first = 0;
    while (first < line.size() && line.at(first).isSpace())
        ++first;
    if (first == line.size() || line.at(first) != u'[')
        return false;
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(QLatin1Char('[')) || !t.endsWith(QLatin1Char(']')))
        return false;
    name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool splitKey(const QString &line, QString &key, QString &value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = t.left(eq).trimmed();
    value = t.mid(eq + 1).trimmed();
    return true;
}

QString fold(const QString &name) { return name.toCaseFolded(); }

} // namespace

QHash<QString, qsizetype> &IniDocument::keysOf(const Section &s) const
{
    if (!s.indexed) {
        QString k, v;
        for (qsizetype i = 0; i < s.lines.size(); ++i) {
            if (splitKey(s.lines.at(i), k, v)) {
                const QString name = fold(k);
                if (!s.keys.contains(name))
                    s.keys.insert(name, i);
            }
        }
        s.indexed = true;
    }
    return s.keys;
}

IniDocument IniDocument::parse(const QByteArray &bytes)
{
    IniDocument doc;
    const QString text = QString::fromUtf8(bytes);
    const qsizetype n = text.size();
    qsizetype start = 0;
    while (start < n) {
        qsizetype end = start;
        while (end < n && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        const QString line = text.mid(start, end - start);
        QString name;
        if (sectionName(line, name)) {
            doc.m_sections << Section();
            if (!doc.m_index.contains(fold(name)))
                doc.m_index.insert(fold(name), doc.m_sections.size() - 1);
        }
        doc.m_sections.last().lines << line;
        // One line end: CR LF, LF or CR.
        if (end < n && text.at(end) == u'\r' && end + 1 < n && text.at(end + 1) == u'\n')
            ++end;
        start = end + 1;
    }
    return doc;
}

QByteArray IniDocument::toBytes() const
{
    QString out;
    for (const Section &s : m_sections)
        for (const QString &l : s.lines)
            out += l + QStringLiteral("\r\n");
    return out.toUtf8();
}

bool IniDocument::isEmpty() const { return m_sections.size() == 1 && m_sections.first().lines.isEmpty(); }

QString IniDocument::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    QString result;
    const auto sec = m_index.constFind(fold(section));
    if (sec != m_index.cend()) {
        const Section &s = m_sections.at(*sec);
        const QHash<QString, qsizetype> &keys = keysOf(s);
        const auto at = keys.constFind(fold(key));
        if (at != keys.cend()) {
            QString k, v;
            splitKey(s.lines.at(*at), k, v);
            if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\''))
                && v.back() == v.front())
                v = v.mid(1, v.size() - 2);
            if (v.size() <= kMaxIniValueLength)
                result = v;
        }
    }
    if (result.isEmpty() && !defaultValue.isNull())
        return defaultValue;
    return result;
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString entry = key + QLatin1Char('=') + v;

    const auto sec = m_index.constFind(fold(section));
    if (sec == m_index.cend()) {
        m_sections << Section();
        m_index.insert(fold(section), m_sections.size() - 1);
        m_sections.last().lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        return;
    }
    Section &s = m_sections[*sec];
    QHash<QString, qsizetype> &keys = keysOf(s);
    const auto at = keys.constFind(fold(key));
    if (at != keys.cend()) {
        s.lines[*at] = entry;
        return;
    }
    // After the last line that is not blank (the header at least); only blank lines
    // follow it, so no key moves.
    qsizetype pos = s.lines.size();
    while (pos > 1 && s.lines.at(pos - 1).trimmed().isEmpty())
        --pos;
    s.lines.insert(pos, entry);
    keys.insert(fold(key), pos);
}

QString ReadINI(const QString &Section, const QString &Key, const QString &FileName, const QString &Default)
{
    IniDocument doc;
    try {
        doc = IniDocument::parse(ReadRegularFile(FileName));
    } catch (const RuntimeError &) {
    }
    return doc.value(Section, Key, Default);
}

int WriteINI(const QString &Section, const QString &Key, const QString &Value, const QString &FileName)
{
    try {
        IniDocument doc;
        try {
            doc = IniDocument::parse(ReadRegularFile(FileName));
        } catch (const RuntimeError &e) {
            if (e.number() != err::FileNotFound)
                return 0; // a file that cannot be read is never replaced
        }
        doc.setValue(Section, Key, Value);
        WriteFileSafely(FileName, doc.toBytes());
        return 1;
    } catch (const RuntimeError &) {
        return 0;
    }
}
