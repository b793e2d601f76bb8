#include "core/TextView.h"

#include "core/CommandLine.h"

#include <QStringDecoder>

QString DecodeViewText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        QStringDecoder greek("windows-1253");
        text = greek.isValid() ? QString(greek.decode(bytes)) : QString::fromLatin1(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    for (QChar &c : text)
        if (c.unicode() < 32 && c != u'\t' && c != u'\n' && c != u'\r' && c != u'\f')
            c = QChar(QChar::ReplacementCharacter);
    return text;
}

QString BreakLongLines(const QString &text, qsizetype pieceLength)
{
    if (pieceLength <= 0)
        return text;
    QString out;
    out.reserve(text.size() + text.size() / pieceLength + 1);
    qsizetype runStart = 0; // first character not yet copied
    qsizetype column = 0;   // characters since the last line end
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            column = 0;
            continue;
        }
        if (column >= pieceLength && !c.isLowSurrogate()) {
            out += QStringView(text).mid(runStart, i - runStart);
            out += u'\n';
            runStart = i;
            column = 0;
        }
        ++column;
    }
    if (runStart == 0)
        return text;
    out += QStringView(text).mid(runStart);
    return out;
}

ViewerCommand ViewerCommandFor(const QString &externalEditor, const QString &file)
{
    ViewerCommand command;
    const QString setting = externalEditor.trimmed();
    if (setting.isEmpty() || setting == QLatin1String("xdg-open")
        || setting.compare(QLatin1String("Notepad.exe"), Qt::CaseInsensitive) == 0) {
        command.desktopOpener = true;
        return command;
    }
    const std::optional<QStringList> words = SplitCommandLine(setting);
    if (!words || words->isEmpty()) {
        command.valid = false;
        return command;
    }
    command.program = words->first();
    command.arguments = words->mid(1);
    command.arguments << file;
    return command;
}
