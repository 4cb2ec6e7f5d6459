// Headless: the offscreen platform is chosen here, since test discovery does not pass env.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace nuro::test {
int ReportLibrary(const char* name); // SystemTest.cpp
int ReportScreen(int argc, char** argv); // SystemTest.cpp
} // namespace nuro::test

int main(int argc, char** argv)
{
    // A child run of the library tests: report where a bare name loads from, then leave.
    if (argc == 3 && std::strcmp(argv[1], "--report-library") == 0)
        return nuro::test::ReportLibrary(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "--report-screen") == 0)
        return nuro::test::ReportScreen(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
