#include "core/Services.h"

#include "core/Errors.h"

#include <QDir>
#include <QObject>

namespace mb {
int DefaultAnswer(int buttons)
{
    static const int first[] = {Ok, Ok, Abort, Yes, Yes, Retry};
    static const int second[] = {Ok, Cancel, Retry, No, No, Cancel};
    static const int third[] = {Ok, Cancel, Ignore, Cancel, No, Cancel};
    const int set = buttons & 7;
    if (set > 5)
        return Ok;
    if (buttons & DefaultButton3)
        return third[set];
    if (buttons & DefaultButton2)
        return second[set];
    return first[set];
}
} // namespace mb

Services &services()
{
    static Services s;
    return s;
}

namespace {
void reportDefaultUse(const char *service)
{
    if (const auto &hook = services().onDefaultUsed)
        hook(service);
}

class NoMessageBox : public IMessageBox {
public:
    int show(const QString &, int buttons, const QString &) override
    {
        reportDefaultUse("message box");
        return mb::DefaultAnswer(buttons);
    }
};

class NoClipboard : public IClipboard {
public:
    void setText(const QString &) override { reportDefaultUse("clipboard"); }
    QString text() const override
    {
        reportDefaultUse("clipboard");
        return {};
    }
};

// No known folders: the program works in its current folder.
class NoFolders : public IFolders {
public:
    QString documents() const override { return unknown(); }
    QString downloads() const override { return unknown(); }
    QString systemTemp() const override { return unknown(); }
    QString applicationDir() const override
    {
        reportDefaultUse("folders");
        return QDir::currentPath();
    }

private:
    static QString unknown()
    {
        reportDefaultUse("folders");
        return {};
    }
};

class NoFonts : public IFonts {
public:
    QStringList screenFonts() const override { return none(); }
    QStringList printerFonts() const override { return none(); }
    QString generalFont() const override
    {
        reportDefaultUse("fonts");
        return QStringLiteral("DejaVu Sans");
    }
    QString fixedFont() const override
    {
        reportDefaultUse("fonts");
        return QStringLiteral("DejaVu Sans Mono");
    }

private:
    static QStringList none()
    {
        reportDefaultUse("fonts");
        return {};
    }
};

class NoClock : public IClock {
public:
    QDateTime now() const override
    {
        reportDefaultUse("clock");
        return QDateTime::currentDateTime();
    }
};

class NoOpener : public IOpener {
public:
    void openDocument(const QString &, Done done) override { fail(done); }
    void openUrl(const QString &, Done done) override { fail(done); }
    void startProgram(const QString &program, const QStringList &, Done done) override { fail(done, program); }
    void abandon() override {}

private:
    static void fail(const Done &done, const QString &program = QStringLiteral("xdg-open"))
    {
        reportDefaultUse("opener");
        if (done)
            done({OpenOutcome::NotStarted, 0, program});
    }
};

// Every dialog is cancelled.
class NoFileDialog : public IFileDialog {
public:
    std::optional<QString> run(const FileDialogRequest &) override
    {
        reportDefaultUse("file dialog");
        return std::nullopt;
    }
    bool printerSetup() override
    {
        reportDefaultUse("file dialog");
        return false;
    }
    std::optional<FontChoice> chooseFont(const FontChoice &) override
    {
        reportDefaultUse("file dialog");
        return std::nullopt;
    }
};

// No printer: a job cannot start.
class NoPrinter : public IPrinter {
public:
    void begin() override
    {
        reportDefaultUse("printer");
        throw RuntimeError(err::PrinterError);
    }
    bool isActive() const override { return false; }
    PrinterFont font() const override { return m_font; }
    void setFont(const PrinterFont &font) override { m_font = font; }
    double printableWidth() const override { return 0; }
    double printableHeight() const override { return 0; }
    double textWidth(const QString &) const override { return 0; }
    double lineHeight() const override { return 0; }
    void drawText(double, double, const QString &) override { reportDefaultUse("printer"); }
    void newPage() override { reportDefaultUse("printer"); }
    void end() override {}

private:
    PrinterFont m_font;
};

class NoHelpViewer : public IHelpViewer {
public:
    bool showContents(const QString &) override { return fail(); }
    bool showIndex(const QString &) override { return fail(); }
    bool showTopic(const QString &, int) override { return fail(); }
    void closeAll() override {}

private:
    static bool fail()
    {
        reportDefaultUse("help viewer");
        return false;
    }
};

class NoDownloader : public IDownloader {
public:
    std::unique_ptr<IDownload> start(const DownloadRequest &, Progress, Done done) override
    {
        reportDefaultUse("downloader");
        return FailedDownload(std::move(done));
    }
};

class NoFileAssociation : public IFileAssociation {
public:
    QString associate(const FileAssociationRequest &) override
    {
        reportDefaultUse("file association");
        return QStringLiteral("File associations are not available on this desktop");
    }
};
class PendingFailure : public IDownload {
public:
    QObject context; // destroying the download drops the pending completion
};
} // namespace

std::unique_ptr<IDownload> FailedDownload(IDownloader::Done done)
{
    auto download = std::make_unique<PendingFailure>();
    QMetaObject::invokeMethod(
        &download->context, [done = std::move(done)] {
            if (done)
                done(DownloadResult());
        },
        Qt::QueuedConnection);
    return download;
}

template <> std::unique_ptr<IMessageBox> DefaultService<IMessageBox>() { return std::make_unique<NoMessageBox>(); }
template <> std::unique_ptr<IClipboard> DefaultService<IClipboard>() { return std::make_unique<NoClipboard>(); }
template <> std::unique_ptr<IFolders> DefaultService<IFolders>() { return std::make_unique<NoFolders>(); }
template <> std::unique_ptr<IFonts> DefaultService<IFonts>() { return std::make_unique<NoFonts>(); }
template <> std::unique_ptr<IClock> DefaultService<IClock>() { return std::make_unique<NoClock>(); }
template <> std::unique_ptr<IOpener> DefaultService<IOpener>() { return std::make_unique<NoOpener>(); }
template <> std::unique_ptr<IFileDialog> DefaultService<IFileDialog>() { return std::make_unique<NoFileDialog>(); }
template <> std::unique_ptr<IPrinter> DefaultService<IPrinter>() { return std::make_unique<NoPrinter>(); }
template <> std::unique_ptr<IHelpViewer> DefaultService<IHelpViewer>() { return std::make_unique<NoHelpViewer>(); }
template <> std::unique_ptr<IDownloader> DefaultService<IDownloader>() { return std::make_unique<NoDownloader>(); }
template <> std::unique_ptr<IFileAssociation> DefaultService<IFileAssociation>()
{
    return std::make_unique<NoFileAssociation>();
}
