#include "platform/fakes/Fakes.h"

#include <QDir>

int FakeMessageBox::show(const QString &text, int buttons, const QString &title)
{
    RecordedBox box{text, buttons, title, 0};
    if (!m_answers.empty()) {
        box.answer = m_answers.front();
        m_answers.pop_front();
    } else {
        box.answer = mb::DefaultAnswer(buttons);
    }
    boxes.append(box);
    onShow.run(box);
    return box.answer;
}

void FakeOpener::openDocument(const QString &path, Done done)
{
    documents << path;
    answer(std::move(done), QStringLiteral("xdg-open"));
}

void FakeOpener::openUrl(const QString &url, Done done)
{
    urls << url;
    answer(std::move(done), QStringLiteral("xdg-open"));
}

void FakeOpener::startProgram(const QString &program, const QStringList &args, Done done)
{
    programs << (QStringList{program} + args).join(QLatin1Char(' '));
    commands << (QStringList{program} + args);
    answer(std::move(done), program);
}

void FakeOpener::abandon()
{
    m_held.clear();
    ++abandons;
}

void FakeOpener::answer(Done done, const QString &program)
{
    OpenOutcome o = outcome;
    if (o.program.isEmpty())
        o.program = program;
    if (hold)
        m_held.emplace_back(std::move(done), o);
    else if (done)
        done(o);
}

void FakeOpener::deliverHeld()
{
    std::deque<std::pair<Done, OpenOutcome>> now;
    now.swap(m_held);
    for (auto &[done, o] : now)
        if (done)
            done(o);
}

FakeFolders::FakeFolders(const QString &root)
{
    documentsDir = root + QStringLiteral("/Documents");
    downloadsDir = root + QStringLiteral("/Downloads");
    tempDir = root + QStringLiteral("/tmp");
    appDir = root + QStringLiteral("/app");
    QDir().mkpath(tempDir);
    QDir().mkpath(appDir);
}

std::optional<QString> FakeFileDialog::run(const FileDialogRequest &request)
{
    requests.append(request);
    if (m_answers.empty())
        return std::nullopt;
    const bool chosen = m_answers.front().has_value();
    const QString path = chosen ? *m_answers.front() : QString();
    m_answers.pop_front();
    if (!chosen)
        return std::nullopt;
    return path;
}

bool FakeFileDialog::printerSetup()
{
    ++printerSetups;
    return printerSetupResult;
}

std::optional<FontChoice> FakeFileDialog::chooseFont(const FontChoice &preset)
{
    fontRequests.append(preset);
    std::optional<FontChoice> answer;
    if (!m_fonts.empty()) {
        answer.swap(m_fonts.front());
        m_fonts.pop_front();
    }
    return answer;
}
