#pragma once
// The help window: the program's own HTML pages in a browser with a Contents list, an
// Index list filtered by typing, links, back and forward.

#include "core/HelpTopics.h"
#include "core/Services.h"

#include <QPointer>
#include <QWidget>

#include <memory>

struct Ui_frmHelp;

// The text of a help page ("qrc:/help/design.html"); "" when there is no such page.
QString ReadHelpPage(const QString &url);

class frmHelp : public QWidget {
    Q_OBJECT
public:
    // 'contentsPage' is the help's contents page ("qrc:/help/index.html").
    explicit frmHelp(const QString &contentsPage, QWidget *parent = nullptr);
    ~frmHelp() override;

    // Shows a page of the help ("design.html", "files.html#save"); false when it does not exist.
    bool showPage(const QString &page);
    void showContentsTab();
    void showIndexTab();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void lstContents_Click();
    void txtIndex_Change(const QString &text);
    void lstIndex_Click();
    void txtPage_SourceChanged();

private:
    void loadContents();
    QString m_base; // folder of the pages, ending in "/"
    QList<HelpEntry> m_contents;
    QList<HelpEntry> m_index; // term and its page, sorted by term
    std::unique_ptr<Ui_frmHelp> ui;
};

// The help-viewer service over frmHelp: one window, opened on demand, closed with the
// program.
class HelpBrowser : public IHelpViewer {
public:
    bool showContents(const QString &helpFile) override;
    bool showIndex(const QString &helpFile) override;
    bool showTopic(const QString &helpFile, int context) override;
    void closeAll() override;
    frmHelp *window() const { return m_window; }

private:
    frmHelp *open(const QString &helpFile);
    QPointer<frmHelp> m_window;
    QString m_helpFile;
};
