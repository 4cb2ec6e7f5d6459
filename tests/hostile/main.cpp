#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1); // a sound plays on no device
    QCoreApplication app(argc, argv); // the instance socket needs one
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
