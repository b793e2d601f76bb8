#pragma once
// Recording fakes of the desktop services, for tests.

#include "core/Services.h"

#include <QList>
#include <deque>
#include <functional>
#include <utility>

struct RecordedBox {
    QString text;
    int buttons = 0;
    QString title;
    int answer = 0;
};

// What a test runs while a fake box is "open". It is taken out while it runs, so that it
// may set another one or clear itself (= nullptr) without destroying itself under its
// own call; set nothing, and it stays for the next box.
class BoxHook {
public:
    using Call = std::function<void(const RecordedBox &)>;
    BoxHook &operator=(Call call)
    {
        m_call = std::move(call);
        ++m_sets;
        return *this;
    }
    void run(const RecordedBox &box)
    {
        if (!m_call)
            return;
        const int sets = m_sets;
        const Call running = std::exchange(m_call, nullptr);
        running(box);
        if (m_sets == sets)
            m_call = running;
    }

private:
    Call m_call;
    int m_sets = 0;
};

// Records every box; answers from a script, else with the box's default button.
class FakeMessageBox : public IMessageBox {
public:
    int show(const QString &text, int buttons, const QString &title) override;
    void script(int answer) { m_answers.push_back(answer); }
    QList<RecordedBox> boxes;
    // Called while a box is "open" (a test may inspect the state there).
    BoxHook onShow;

private:
    std::deque<int> m_answers;
};

class FakeClipboard : public IClipboard {
public:
    void setText(const QString &text) override { m_text = text; ++sets; }
    QString text() const override { return m_text; }
    int sets = 0;

private:
    QString m_text;
};

// Folders below a root the test chooses (the fresh HOME by default).
class FakeFolders : public IFolders {
public:
    explicit FakeFolders(const QString &root);
    QString documents() const override { return documentsDir; }
    QString downloads() const override { return downloadsDir; }
    QString systemTemp() const override { return tempDir; }
    QString applicationDir() const override { return appDir; }
    QString documentsDir, downloadsDir, tempDir, appDir;
};

class FakeFonts : public IFonts {
public:
    QStringList screenFonts() const override { return screen; }
    QStringList printerFonts() const override { return printer; }
    QString generalFont() const override { return general; }
    QString fixedFont() const override { return fixed; }
    QStringList screen{"C059", "DejaVu Sans", "DejaVu Sans Mono", "Liberation Mono"};
    QStringList printer{"C059", "DejaVu Sans", "DejaVu Sans Mono", "Liberation Mono"};
    QString general{"DejaVu Sans"};
    QString fixed{"DejaVu Sans Mono"};
};

class FakeClock : public IClock {
public:
    QDateTime now() const override { return instant; }
    QDateTime instant{QDate(2026, 3, 7), QTime(14, 5, 9)};
};

// Records each request. Every request gets 'outcome' (opened unless a test sets a
// failure), at once, or, with 'hold' set, when the test calls deliverHeld(), as a real
// opener within its wait.
class FakeOpener : public IOpener {
public:
    void openDocument(const QString &path, Done done) override;
    void openUrl(const QString &url, Done done) override;
    void startProgram(const QString &program, const QStringList &args, Done done) override;
    void abandon() override;
    // Gives the outcomes held so far, in the order of their requests.
    void deliverHeld();
    qsizetype held() const { return qsizetype(m_held.size()); }
    QStringList documents, urls, programs;
    QList<QStringList> commands; // each started program with its arguments, one by one
    OpenOutcome outcome;
    bool hold = false;
    int abandons = 0;

private:
    void answer(Done done, const QString &program);
    std::deque<std::pair<Done, OpenOutcome>> m_held;
};

// Answers file dialogs from a script: a path, or nothing for Cancel.
class FakeFileDialog : public IFileDialog {
public:
    std::optional<QString> run(const FileDialogRequest &request) override;
    bool printerSetup() override;
    std::optional<FontChoice> chooseFont(const FontChoice &preset) override;
    void script(std::optional<QString> answer) { m_answers.push_back(std::move(answer)); }
    // Font dialogs answer from their own script; an empty script cancels.
    void scriptFont(std::optional<FontChoice> answer) { m_fonts.push_back(std::move(answer)); }
    QList<FileDialogRequest> requests;
    QList<FontChoice> fontRequests; // the presets the font dialogs were shown with
    int printerSetups = 0;
    bool printerSetupResult = true;

private:
    std::deque<std::optional<QString>> m_answers;
    std::deque<std::optional<FontChoice>> m_fonts;
};

class FakeHelpViewer : public IHelpViewer {
public:
    bool showContents(const QString &helpFile) override
    {
        topics << QStringLiteral("contents:") + helpFile;
        return true;
    }
    bool showIndex(const QString &helpFile) override
    {
        topics << QStringLiteral("index:") + helpFile;
        return true;
    }
    bool showTopic(const QString &helpFile, int context) override
    {
        topics << helpFile + QLatin1Char('#') + QString::number(context);
        return true;
    }
    void closeAll() override { ++closes; }
    QStringList topics;
    int closes = 0;
};

// The machine is offline: every download fails; the requests are recorded.
class FakeDownloader : public IDownloader {
public:
    std::unique_ptr<IDownload> start(const DownloadRequest &request, Progress, Done done) override
    {
        requests << request.url;
        return FailedDownload(std::move(done));
    }
    QStringList requests;
};

// Records each association asked for; answers with 'failure' ("" for success).
class FakeFileAssociation : public IFileAssociation {
public:
    QString associate(const FileAssociationRequest &request) override
    {
        requests << request;
        return failure;
    }
    QList<FileAssociationRequest> requests;
    QString failure;
};
