#pragma once
// A program command as the user types it (the external viewer): split into the
// program and its arguments the way a shell splits words, but never run by a shell.

#include <QString>
#include <QStringList>
#include <optional>

// Words separated by blanks; '...' keeps its text as it is; "..." keeps it with \\,
// \", \$ and \` escaped; a \ outside quotes keeps the next character. Nothing when a
// quote is left open.
std::optional<QStringList> SplitCommandLine(const QString &command);

// One word as SplitCommandLine reads it back: unchanged when it needs no quoting,
// else in double quotes with \\, \", \$ and \` escaped.
QString QuoteArgument(const QString &word);
