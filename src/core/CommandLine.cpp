#include "core/CommandLine.h"

namespace {
bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }
bool escapableInDoubleQuotes(QChar c) { return c == u'\\' || c == u'"' || c == u'$' || c == u'`'; }
} // namespace

std::optional<QStringList> SplitCommandLine(const QString &command)
{
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < command.size(); ++i) {
        const QChar c = command[i];
        if (isBlank(c)) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == u'\'') {
            const qsizetype end = command.indexOf(u'\'', i + 1);
            if (end < 0)
                return std::nullopt;
            word += command.mid(i + 1, end - i - 1);
            i = end;
        } else if (c == u'"') {
            for (++i;; ++i) {
                if (i >= command.size())
                    return std::nullopt;
                const QChar d = command[i];
                if (d == u'"')
                    break;
                if (d == u'\\' && i + 1 < command.size() && escapableInDoubleQuotes(command[i + 1]))
                    word += command[++i];
                else
                    word += d;
            }
        } else if (c == u'\\') {
            if (i + 1 < command.size())
                word += command[++i];
        } else {
            word += c;
        }
    }
    if (inWord)
        words << word;
    return words;
}

QString QuoteArgument(const QString &word)
{
    static const QString special = QStringLiteral(" \t\r\n'\"\\$`");
    bool plain = !word.isEmpty();
    for (QChar c : word)
        plain = plain && !special.contains(c);
    if (plain)
        return word;
    QString out = QStringLiteral("\"");
    for (QChar c : word) {
        if (escapableInDoubleQuotes(c))
            out += u'\\';
        out += c;
    }
    return out + u'"';
}
