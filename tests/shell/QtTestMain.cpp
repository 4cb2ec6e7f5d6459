// Every window test runs headless on the offscreen platform.
#include "shell/AppFace.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

namespace nuro {
// The tests' process holder: no skin.
CAppFace& AppFace()
{
    static CAppFace none("libnuro-no-such-skin.so");
    return none;
}
} // namespace nuro

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
