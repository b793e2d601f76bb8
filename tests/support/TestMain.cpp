// main() of every test executable: the application object on the offscreen platform
// and a fresh temporary HOME for each test.

#include "TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>

void installFreshTestEnvironment();

namespace {
class FreshEnvironmentListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { installFreshTestEnvironment(); }
};
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // The application object looks for a private runtime folder as it starts.
    QTemporaryDir runtime;
    // Windows are measured on one 1024x768 screen at 96 dpi, whatever the machine has.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        const QString screen = writeFile(runtime.filePath(QStringLiteral("screen.json")),
                                         R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1024, "height": 768,)"
                                         R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.toUtf8());
    }
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshEnvironmentListener);
    return RUN_ALL_TESTS();
}
