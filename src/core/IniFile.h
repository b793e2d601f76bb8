#pragma once
// A small INI file with the behaviour of the classic profile functions: section and
// key names match regardless of case, an existing key is updated in place, a new key
// goes to the end of its section and a new section to the end of the file, values
// are trimmed and lose one pair of surrounding quotes. Writes go through a temporary
// file and a rename.

#include <QString>

// The key's text; "" when missing or empty (or Default, when given and the text is "").
QString ReadINI(const QString &Section, const QString &Key, const QString &FileName,
                const QString &Default = QString());
// Writes Value (an empty Value writes "Key="); returns non-zero on success.
int WriteINI(const QString &Section, const QString &Key, const QString &Value,
             const QString &FileName);
