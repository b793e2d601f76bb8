#pragma once
// The program's help: its pages, the contents and index read from them, and the topic
// of every help-context number and of every window (F1).

#include <QList>
#include <QString>
#include <QStringList>

// The contents page of the help, in the program's resources.
QString HelpContentsPage();

// One entry of the contents list: the page (file name, maybe with "#anchor") and its title.
struct HelpEntry {
    QString page;
    QString title;
};

// The links of the contents page, in order.
QList<HelpEntry> ParseHelpContents(const QString &contentsHtml);
// The index terms of a page: its "keywords" line, terms separated by ";".
QStringList ParseHelpKeywords(const QString &pageHtml);
// The page's title (its <title> element), "" when it has none.
QString ParseHelpTitle(const QString &pageHtml);

// The page ("file.html" or "file.html#anchor") of a help-context number; "" when the
// number has no topic.
QString HelpTopicPage(int context);
// Every help-context number the program carries, ascending.
QList<int> HelpContextNumbers();
// The help-context number of a window, by its objectName; 0 when it has none.
int WindowHelpContext(const QString &windowName);

// The manual: every page of the contents, in order, each starting on a new page, as one
// HTML document. 'readPage' gives the text of a page by its file name.
#include <functional>
QString ManualHtml(const QString &contentsHtml, const std::function<QString(const QString &)> &readPage);
