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
    if (onShow)
        onShow(box);
    return box.answer;
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
    auto a = m_answers.front();
    m_answers.pop_front();
    return a;
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
