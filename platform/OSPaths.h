// Paths and folders over POSIX: case-tolerant lookup, the user data folder, listing, attributes.
#pragma once

#include <string>
#include <vector>

// Turns a path whose separators may be "/" or "\" into the path on disk. Each component is
// matched exactly first and, when that fails, without regard to case; components that do not
// exist keep the case they were given, so new files are created as named.
std::string ResolvePath(const std::string& path);

// Forgets the cached folder listings (after folders were changed behind the engine's back).
void ForgetPathCache();

// $XDG_DATA_HOME, else ~/.local/share (no trailing slash).
std::string UserDataFolder();

bool PathExists(const std::string& path);
bool IsRegularFile(const std::string& path);
bool IsFolder(const std::string& path);
// A file without any write permission bit. A missing file is not read-only.
bool IsReadOnlyFile(const std::string& path);
// Creates one folder; an existing folder is fine.
bool CreateFolder(const std::string& path);
bool DeleteFile(const std::string& path);

// The regular files in a folder whose names match a wildcard pattern ("*", "?", "[...]"),
// without regard to case, sorted by name.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern);

// True when a path has a ".." component: such paths never leave their root.
bool PathClimbs(const std::string& path);
