#include "core/Messages.h"

#include "core/Opening.h"
#include "core/ProgramState.h"
#include "core/Services.h"

#include <algorithm>

void HistoryLog::setText(const QString &text)
{
    m_text = text;
    notify();
}

void HistoryLog::setListener(std::function<void(const QString &)> listener)
{
    m_listener = std::move(listener);
}

void HistoryLog::append(const QString &line)
{
    m_text += line;
    notify();
}

void HistoryLog::trimToLastLines(int keep)
{
    // Drop whole lines (each with its CR LF) from the top until 'keep' remain.
    int count = m_text.count(kCrLf);
    int pos = 0;
    while (count > keep) {
        const int at = m_text.indexOf(kCrLf, pos);
        if (at < 0)
            break;
        pos = at + 2;
        --count;
    }
    if (pos > 0)
        m_text.remove(0, pos);
}

void HistoryLog::notify()
{
    if (m_listener)
        m_listener(m_text);
}

void LogMessage(const QString &Msg)
{
    SettingsState &s = settings();
    if (s.DisplayHistoryWin != 1)
        return;
    HistoryLog &log = historyLog();
    if (log.text().size() >= s.MaxDisplaySize && log.text().count(kCrLf) > 2)
        log.trimToLastLines(2);
    int16_t &counter = messageState().MsgCounter;
    counter = counter >= 16384 ? 1 : static_cast<int16_t>(counter + 1);
    log.append(QString::number(counter) + QStringLiteral(". ") + Msg + kCrLf);
}

static QString applicationTitle()
{
    const QString &t = appState().AppTitle;
    return t.isEmpty() ? QStringLiteral("Tessolan Primer") : t;
}

int ShowMessage(const QString &Msg, int Buttons, QString &Title, const QString &HelpFile, int Context)
{
    Q_UNUSED(HelpFile);
    Q_UNUSED(Context);
    if (!Title.isEmpty())
        LogMessage(Title + QStringLiteral(": ") + Msg);
    else
        LogMessage(QStringLiteral("Message: ") + Msg);
    if (Title.isEmpty())
        Title = applicationTitle();
    return services().messageBox->show(Msg, Buttons, Title);
}

int ShowMessage(const QString &Msg, int Buttons, const QString &Title)
{
    QString t = Title;
    return ShowMessage(Msg, Buttons, t);
}

int MsgBox(const QString &Msg, int Buttons, const QString &Title)
{
    return services().messageBox->show(Msg, Buttons, Title.isEmpty() ? applicationTitle() : Title);
}

void SetModuleTitles(int FormIndex)
{
    MessageState &m = messageState();
    const QString prefix = (FormIndex >= 1 && FormIndex <= 13) ? appState().SectionLabels[FormIndex] : QString();
    m.MsgTitle = QStringLiteral("Message");
    m.TitleRangeError = prefix + QStringLiteral("Range Error");
    m.TitleRangeWarning = prefix + QStringLiteral("Range Warning");
    m.TitleInvalidChar = prefix + QStringLiteral("Invalid Character");
    m.TitleError = prefix + QStringLiteral("Error");
    m.TitleLogicError = prefix + QStringLiteral("Logic Error");
}

void ShowHelpHint()
{
    ShowMessage(QStringLiteral("Position the cursor on any item on the form and press F1 for context-sensitive Help"),
                mb::Exclamation | mb::OkOnly, QStringLiteral("Help"));
}

bool IsEnglish() { return settings().EnglishMenus == 1; }

QString Lang(const QString &english, const QString &greek) { return IsEnglish() ? english : greek; }

QString BoundedText(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    qsizetype cut = std::max(0, maxChars - 3);
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut) + QStringLiteral("...");
}

void ShowNotOpened(const QString &target, const OpenOutcome &outcome)
{
    ShowMessage(Lang(QStringLiteral("Unable to open: "), QStringLiteral("Δεν ήταν δυνατό να ανοιχτεί: ")) +
                    BoundedText(target) + kCrLf + kCrLf + OpenFailureReason(outcome),
                mb::OkOnly | mb::Exclamation);
}
