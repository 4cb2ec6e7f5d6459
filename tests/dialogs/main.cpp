// Headless: the offscreen platform is chosen here, since test discovery passes no environment.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The machine's own location service is never asked; a test that wants one serves its own.
    setenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent-nuro-test/system_bus_socket", 1);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
