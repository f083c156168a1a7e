// main() of the test programs that need windows: a QApplication on the
// offscreen platform unless told otherwise, and an End() that only counts.
#include "forms/test_main.h"

#include "forms/form.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace platform::forms::testing {

namespace {
int ends = 0;
}

int endCalls()
{
    return ends;
}

void resetEndCalls()
{
    ends = 0;
}

}  // namespace platform::forms::testing

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    platform::runtime::setEndHandler([] { ++platform::forms::testing::ends; });
    const int result = RUN_ALL_TESTS();
    platform::forms::UnloadAll();
    platform::forms::flushUnloaded();
    return result;
}
