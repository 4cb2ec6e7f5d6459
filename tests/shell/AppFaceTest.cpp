// The skin holder with no library, the real libSK.so, and a library that has a start but no removal.
#include "shell/AppFace.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace nuro;

// The tests' process holder, which the program's main would otherwise define: no skin.
CAppFace& nuro::AppFace()
{
    static CAppFace none("libnuro-no-such-skin.so");
    return none;
}

TEST(SkinHolder, EntriesFollowWhatTheLibraryExports)
{
    struct Row {
        const char* library;
        bool handle, start, remove, loaded;
    };
    const Row rows[] = {
        {"libnuro-no-such-skin.so", false, false, false, false},
        {NURO_SKIN_LIBRARY, true, true, true, true},
        {NURO_START_ONLY_SKIN, true, true, false, false}, // started, never removed
    };
    for (const Row& r : rows) {
        CAppFace face(r.library);
        EXPECT_EQ(face.library != nullptr, r.handle) << r.library;
        EXPECT_EQ(face.SkinStart != nullptr, r.start) << r.library;
        EXPECT_EQ(face.SkinRemove != nullptr, r.remove) << r.library;
        EXPECT_EQ(face.loaded, r.loaded) << r.library;
    }
}

TEST(SkinLibrary, AppliesTheSkinFileAndPutsThePaletteBack)
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("nuro-skin-" + std::to_string(getpid()));
    fs::create_directories(dir / "nuro");
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    CAppFace face(NURO_SKIN_LIBRARY);
    ASSERT_TRUE(face.loaded);
    const QColor before = QApplication::palette().color(QPalette::Window);

    struct Row {
        const char* file; // nullptr: no skin file at all
        QColor window;
    };
    const Row rows[] = {
        {nullptr, before},
        {"; a comment\nwindow=#102030\nnonsense\nbutton=not-a-colour\n", QColor(0x10, 0x20, 0x30)},
        {"Window = #ff0000\n", QColor(255, 0, 0)},
        {"text=#00ff00\n", before}, // other roles leave the window colour alone
    };
    for (const Row& r : rows) {
        fs::remove(dir / "nuro" / "SK.urf");
        if (r.file)
            std::ofstream(dir / "nuro" / "SK.urf") << r.file;
        face.SkinStart(kSkinFile, 0, 0, 0, 0);
        EXPECT_EQ(QApplication::palette().color(QPalette::Window), r.window) << (r.file ? r.file : "none");
        face.SkinRemove();
        EXPECT_EQ(QApplication::palette().color(QPalette::Window), before);
    }
    fs::remove_all(dir);
}
