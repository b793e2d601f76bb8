#pragma once
// The Qt implementations of the desktop services, and their installation.

#include "core/Services.h"

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

class DesktopOpener : public IOpener {
public:
    bool openDocument(const QString &path) override;
    bool openUrl(const QString &url) override;
    bool startProgram(const QString &program, const QStringList &args) override;
};

class QtFileDialog : public IFileDialog {
public:
    std::optional<QString> run(const FileDialogRequest &request) override;
    bool printerSetup() override;
    std::optional<FontChoice> chooseFont(const FontChoice &preset) override;
};

// Installs every Qt service into the registry (the program's start-up).
void InstallQtServices();
