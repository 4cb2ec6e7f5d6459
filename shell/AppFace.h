// CAppFace: the one holder of the optional skin library, loaded before AppMain runs.
#pragma once

namespace nuro {

inline constexpr const char* kSkinLibrary = "libSK.so";
inline constexpr const char* kSkinFile = "SK.urf";

class CAppFace {
public:
    using StartEntry = int (*)(const char* file, int, int, int, int);
    using RemoveEntry = void (*)();

    // Loads the library and looks its two entries up; nothing is reported when either fails.
    explicit CAppFace(const char* library = kSkinLibrary);
    ~CAppFace();
    CAppFace(const CAppFace&) = delete;
    CAppFace& operator=(const CAppFace&) = delete;

    // Callers test the entries, not `loaded`: a library with a start but no removal still starts.
    bool loaded = false;
    void* library = nullptr;
    StartEntry SkinStart = nullptr;
    RemoveEntry SkinRemove = nullptr;
};

// The process's holder, constructed during static initialisation.
CAppFace& AppFace();

} // namespace nuro
