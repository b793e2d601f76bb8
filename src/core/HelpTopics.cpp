#include "core/HelpTopics.h"

#include <QRegularExpression>

#include <map>

namespace {
// Context number -> page. The file commands share one page, each with its anchor.
const std::map<int, const char *> &topics()
{
    static const std::map<int, const char *> t = {
        {1000, "overview.html"},
        {1100, "files.html#new"},
        {1200, "files.html#open"},
        {1300, "files.html#save"},
        {1400, "files.html#saveas"},
        {1500, "files.html#printsetup"},
        {1550, "files.html#print"},
        {1600, "files.html#preview"},
        {1700, "files.html#browse"},
        {1800, "files.html#exit"},
        {2000, "description.html"},
        {2100, "design.html"},
        {2200, "report.html"},
        {3000, "burden.html"},
        {3010, "burden.html#anderson"},
        {3020, "burden.html#ash"},
        {3030, "burden.html#fraenkel"},
        {3040, "burden.html#konya"},
        {3050, "burden.html#langefors"},
        {3060, "burden.html#pearse"},
        {3070, "burden.html#jimeno"},
        {3200, "vibration.html#scaled"},
        {3300, "vibration.html#limits"},
        {4000, "settings.html#history"},
        {4100, "settings.html#settings"},
        {4200, "settings.html#options"},
        {4300, "units.html"},
        {4400, "settings.html#conversion"},
        {5000, "helpmenu.html"},
        {5100, "helpmenu.html#resources"},
        {5200, "updates.html"},
    };
    return t;
}

QString htmlText(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    return s.simplified();
}
} // namespace

QString HelpContentsPage() { return QStringLiteral("qrc:/help/index.html"); }

QList<HelpEntry> ParseHelpContents(const QString &contentsHtml)
{
    static const QRegularExpression link(QStringLiteral("<a\\s+href=\"([^\"]+)\"[^>]*>(.*?)</a>"),
                                         QRegularExpression::CaseInsensitiveOption
                                             | QRegularExpression::DotMatchesEverythingOption);
    QList<HelpEntry> entries;
    for (auto it = link.globalMatch(contentsHtml); it.hasNext();) {
        const auto m = it.next();
        const QString page = m.captured(1);
        if (page.contains(u':'))
            continue; // links out of the help are not topics
        entries.append({page, htmlText(m.captured(2))});
    }
    return entries;
}

QStringList ParseHelpKeywords(const QString &pageHtml)
{
    static const QRegularExpression meta(QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList terms;
    const auto m = meta.match(pageHtml);
    if (!m.hasMatch())
        return terms;
    for (const QString &t : m.captured(1).split(u';')) {
        const QString term = htmlText(t);
        if (!term.isEmpty())
            terms.append(term);
    }
    return terms;
}

QString ParseHelpTitle(const QString &pageHtml)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption
                                              | QRegularExpression::DotMatchesEverythingOption);
    const auto m = title.match(pageHtml);
    return m.hasMatch() ? htmlText(m.captured(1)) : QString();
}

QString HelpTopicPage(int context)
{
    const auto it = topics().find(context);
    return it == topics().end() ? QString() : QString::fromLatin1(it->second);
}

QList<int> HelpContextNumbers()
{
    QList<int> numbers;
    for (const auto &t : topics())
        numbers.append(t.first);
    return numbers;
}

int WindowHelpContext(const QString &windowName)
{
    static const std::map<QString, int> windows = {
        {QStringLiteral("frmBlastDesc"), 2000},  {QStringLiteral("frmBlastDesign"), 2100},
        {QStringLiteral("frmAnderson"), 3010},   {QStringLiteral("frmAsh"), 3020},
        {QStringLiteral("frmFraenkel"), 3030},   {QStringLiteral("frmKonya"), 3040},
        {QStringLiteral("frmLangefors"), 3050},  {QStringLiteral("frmPearse"), 3060},
        {QStringLiteral("frmJimeno"), 3070},     {QStringLiteral("frmScaleDist"), 3200},
        {QStringLiteral("frmVibration"), 3300},  {QStringLiteral("frmSet"), 4100},
        {QStringLiteral("frmPath"), 4100},       {QStringLiteral("frmBlastOpts"), 4200},
        {QStringLiteral("frmUnits"), 4300},      {QStringLiteral("frmTextBrow"), 1700},
        {QStringLiteral("frmPreview"), 1600},    {QStringLiteral("frmResource"), 5100},
        {QStringLiteral("frmUpdate"), 5200},
    };
    const auto it = windows.find(windowName);
    return it == windows.end() ? 0 : it->second;
}

QString ManualHtml(const QString &contentsHtml, const std::function<QString(const QString &)> &readPage)
{
    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::CaseInsensitiveOption
                                             | QRegularExpression::DotMatchesEverythingOption);
    auto bodyOf = [](const QString &html) {
        const auto m = body.match(html);
        return m.hasMatch() ? m.captured(1) : html;
    };
    QString out = QStringLiteral("<html><head><title>Tessolan Primer Manual</title></head><body>");
    out += bodyOf(contentsHtml);
    QStringList done;
    for (const HelpEntry &e : ParseHelpContents(contentsHtml)) {
        const QString file = e.page.section(u'#', 0, 0);
        if (done.contains(file))
            continue;
        done.append(file);
        out += QStringLiteral("<div style=\"page-break-before: always\">") + bodyOf(readPage(file))
               + QStringLiteral("</div>");
    }
    return out + QStringLiteral("</body></html>");
}
