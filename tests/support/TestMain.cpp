// main() of every test executable: the application object on the offscreen platform
// and a fresh temporary HOME for each test.

#include "TestSupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <memory>

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
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshEnvironmentListener);
    return RUN_ALL_TESTS();
}
