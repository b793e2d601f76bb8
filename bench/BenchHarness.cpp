#include "BenchHarness.h"

#include "core/Messages.h"
#include "core/Services.h"
#include "platform/QtServices.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <clocale>
#include <memory>

namespace {
// Message boxes answer at once with their default button (the disclaimer at start).
class AnsweringBox : public IMessageBox {
public:
    int show(const QString &, int buttons, const QString &) override { return mb::DefaultAnswer(buttons); }
};

QString g_home;
} // namespace

const QString &benchHome() { return g_home; }

void settleEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int RunWindowBenchmarks(int argc, char **argv, const std::function<void()> &prepare)
{
    QTemporaryDir home;
    g_home = home.path();
    qputenv("HOME", g_home.toUtf8());
    qputenv("XDG_CONFIG_HOME", (g_home + QStringLiteral("/.config")).toUtf8());
    qputenv("XDG_DATA_HOME", (g_home + QStringLiteral("/.local/share")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    InstallQtServices();
    services().messageBox = std::make_unique<AnsweringBox>();
    prepare();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
