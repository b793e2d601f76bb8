#pragma once
// A small INI file with the behaviour of the classic profile functions: section and
// key names match regardless of case, an existing key is updated in place, a new key
// goes to the end of its section and a new section to the end of the file, values
// are trimmed and lose one pair of surrounding quotes. Only the first section of a
// name and the first key of a name in it count. Comments, unknown keys and blank
// lines are kept as they are.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A value longer than this counts as missing.
constexpr qsizetype kMaxIniValueLength = 4096;

// The whole file held in memory: parsed once, looked up by name, written at once.
class IniDocument {
public:
    IniDocument() = default;
    // The text of a file (UTF-8, CR LF, LF or CR line ends).
    static IniDocument parse(const QByteArray &bytes);
    // Every line with CR LF after it.
    QByteArray toBytes() const;
    bool isEmpty() const;

    // The key's text; "" when missing, empty or longer than kMaxIniValueLength (or
    // Default, when given and the text is "").
    QString value(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    // Line breaks in Value become blanks, so a value never breaks the file's structure.
    void setValue(const QString &section, const QString &key, const QString &value);

private:
    struct Section {
        QStringList lines; // the header line first (none for the lines before any section)
        // Lower-case key -> its first line; built when the section is first looked up,
        // so that sections the program never reads cost no more than their lines.
        mutable QHash<QString, qsizetype> keys;
        mutable bool indexed = false;
    };
    QHash<QString, qsizetype> &keysOf(const Section &s) const;
    QList<Section> m_sections{Section()};
    QHash<QString, qsizetype> m_index; // lower-case name -> first section of that name
};

// The key's text from the file; "" when missing or empty (or Default, when given and
// the text is ""). A file that cannot be read reads as empty.
QString ReadINI(const QString &Section, const QString &Key, const QString &FileName,
                const QString &Default = QString());
// Writes Value into the file (an empty Value writes "Key="); returns non-zero on
// success. The file is replaced through a temporary file.
int WriteINI(const QString &Section, const QString &Key, const QString &Value,
             const QString &FileName);
