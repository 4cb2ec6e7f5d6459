// Files replaced whole: a temporary file beside the old one, flushed, renamed over it, so a reader
// (or a crash) finds the old text or the new one, never part of either.
#pragma once

#include <string>
#include <string_view>

namespace nuro {

// Writes `text` to `path` as one atomic replace. A symbolic link is followed: its target is replaced
// and the link kept. The reason of a failure goes to `error`.
bool ReplaceFileAtomically(const std::string& path, std::string_view text, std::string* error);

// Creates `path` with `text` unless something already stands there, so two programs creating it at
// once never replace what the first one (or a save after it) wrote.
bool CreateFileOnce(const std::string& path, std::string_view text);

// Removes the temporary files ("name.XXXXXX") that a replace killed half-way left beside `path`.
// None is taken while another program's replace holds the folder; the count removed.
int RemoveTemporariesBeside(const std::string& path);

// Every read-modify-write of a file by any process holds the lock of the folder the file lives in, from reading the old text to renaming the new one into place: two programs saving at once each
// keep the other's keys, and the start-up clean-up never takes a temporary file a save is writing.
class FolderLock {
public:
    // `wait` false: not held when another process holds it.
    FolderLock(const std::string& dir, bool wait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// The file a path names once its symbolic links are followed (a dotfiles manager links the settings
// file into place). The target need not exist yet; a loop of links gives the path itself.
std::string FollowLinks(const std::string& path);
std::string DirOf(const std::string& path);
std::string BaseOf(const std::string& path);
// The folder and those above it, made where missing.
bool MakeDirs(const std::string& dir);

} // namespace nuro
