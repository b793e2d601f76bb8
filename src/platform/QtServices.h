#pragma once
// The Qt implementations of the desktop services, and their installation.

#include "core/Services.h"

#include <memory>
#include <vector>

class QtMessageBox : public IMessageBox {
public:
    int show(const QString &text, int buttons, const QString &title) override;
};

class QtClipboard : public IClipboard {
public:
    void setText(const QString &text) override;
    QString text() const override;
};

class QtFolders : public IFolders {
public:
    QString documents() const override;
    QString downloads() const override;
    QString systemTemp() const override;
    QString applicationDir() const override;
};

class QtFonts : public IFonts {
public:
    QStringList screenFonts() const override;
    QStringList printerFonts() const override;
    QString generalFont() const override;
    QString fixedFont() const override;
};

class SystemClock : public IClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Runs xdg-open (or the viewer) in a process watched by its signals.
class DesktopOpener : public IOpener {
public:
    ~DesktopOpener() override;
    void openDocument(const QString &path, Done done) override;
    void openUrl(const QString &url, Done done) override;
    void startProgram(const QString &program, const QStringList &args, Done done) override;
    void abandon() override;

private:
    void run(const QString &program, const QStringList &args, bool desktopOpener, Done done);
    // The outcomes still on their way; abandon() empties each.
    std::vector<std::weak_ptr<Done>> m_waiting;
};

class QtFileDialog : public IFileDialog {
public:
    std::optional<QString> run(const FileDialogRequest &request) override;
    bool printerSetup() override;
    std::optional<FontChoice> chooseFont(const FontChoice &preset) override;
};

// Installs every Qt service into the registry (the program's start-up).
void InstallQtServices();
