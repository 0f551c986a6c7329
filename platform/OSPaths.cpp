// Paths and folders over POSIX, with a cache of folder listings for the case-tolerant lookup.
#include "platform/OSPaths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <fnmatch.h>
#include <mutex>
#include <pwd.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <unordered_map>

namespace
{
std::string Lowered(const std::string& text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return lowered;
}

// One folder's entries by lower-cased name, valid while the folder's modification time holds.
struct FolderListing
{
    bool valid = false;
    struct timespec modified = {};
    struct timespec readAt = {}; // wall-clock time of the reading
    std::unordered_map<std::string, std::string> byLowerName;
};

// Folder times may be as coarse as the system's clock tick: a folder changed again within the same
// tick keeps its time. A listing read shortly after the folder's last change is therefore not
// trusted to prove that an entry is missing.
constexpr time_t kTimeResolutionSeconds = 2;

std::mutex cacheLock;
std::unordered_map<std::string, FolderListing> listings;

bool ReadListing(const std::string& folder, const struct stat& info, FolderListing& listing)
{
    DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
    if (!directory)
    {
        listing.valid = false;
        return false;
    }
    clock_gettime(CLOCK_REALTIME, &listing.readAt);
    listing.modified = info.st_mtim;
    listing.byLowerName.clear();
    while (dirent* entry = readdir(directory))
    {
        const std::string entryName = entry->d_name;
        if (entryName == "." || entryName == "..")
            continue;
        // Several entries may differ only in case; the first in name order wins.
        const std::string key = Lowered(entryName);
        auto found = listing.byLowerName.find(key);
        if (found == listing.byLowerName.end() || entryName < found->second)
            listing.byLowerName[key] = entryName;
    }
    closedir(directory);
    listing.valid = true;
    return true;
}

bool SameTime(const struct timespec& left, const struct timespec& right)
{
    return left.tv_sec == right.tv_sec && left.tv_nsec == right.tv_nsec;
}

bool MayMissRecentChanges(const FolderListing& listing)
{
    return listing.readAt.tv_sec - listing.modified.tv_sec <= kTimeResolutionSeconds;
}

// The entry of folder matching component without regard to case, or "".
std::string FindWithoutCase(const std::string& folder, const std::string& component)
{
    struct stat info;
    if (stat(folder.empty() ? "." : folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::string();
    std::lock_guard<std::mutex> guard(cacheLock);
    FolderListing& listing = listings[folder];
    if ((!listing.valid || !SameTime(listing.modified, info.st_mtim)) && !ReadListing(folder, info, listing))
        return std::string();
    const std::string key = Lowered(component);
    auto found = listing.byLowerName.find(key);
    if (found == listing.byLowerName.end() && MayMissRecentChanges(listing))
    {
        if (!ReadListing(folder, info, listing))
            return std::string();
        found = listing.byLowerName.find(key);
    }
    return found == listing.byLowerName.end() ? std::string() : found->second;
}

std::vector<std::string> SplitComponents(const std::string& path)
{
    std::vector<std::string> components;
    std::string current;
    for (char c : path)
    {
        if (c == '/' || c == '\\')
        {
            if (!current.empty())
                components.push_back(current);
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.empty())
        components.push_back(current);
    return components;
}
} // namespace

std::string ResolvePath(const std::string& path)
{
    std::string normalised(path);
    std::replace(normalised.begin(), normalised.end(), '\\', '/');
    if (normalised.empty() || PathExists(normalised))
        return normalised;
    // folder is the resolved path so far without a trailing slash ("" for the working folder).
    std::string folder = normalised[0] == '/' ? "/" : "";
    bool resolving = true;
    for (const std::string& component : SplitComponents(normalised))
    {
        const std::string joined = folder.empty() ? component : folder == "/" ? "/" + component : folder + "/" + component;
        if (resolving && !PathExists(joined))
        {
            const std::string found = FindWithoutCase(folder, component);
            if (!found.empty())
            {
                folder = folder.empty() ? found : folder == "/" ? "/" + found : folder + "/" + found;
                continue;
            }
            resolving = false;
        }
        folder = joined;
    }
    if (normalised.back() == '/' && folder != "/")
        folder += '/';
    return folder;
}

void ForgetPathCache()
{
    std::lock_guard<std::mutex> guard(cacheLock);
    listings.clear();
}

std::string UserDataFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (!home || !home[0])
    {
        const passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : "/tmp";
    }
    return std::string(home) + "/.local/share";
}

bool PathExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool IsRegularFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsReadOnlyFile(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return false;
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool CreateFolder(const std::string& path)
{
    const std::string resolved = ResolvePath(path);
    if (IsFolder(resolved))
        return true;
    return mkdir(resolved.c_str(), 0755) == 0 || IsFolder(resolved);
}

bool DeleteFile(const std::string& path)
{
    return unlink(ResolvePath(path).c_str()) == 0;
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    const std::string resolved = ResolvePath(folder);
    DIR* directory = opendir(resolved.empty() ? "." : resolved.c_str());
    if (!directory)
        return names;
    while (dirent* entry = readdir(directory))
    {
        const std::string entryName = entry->d_name;
        if (fnmatch(pattern.c_str(), entryName.c_str(), FNM_CASEFOLD | FNM_PERIOD) != 0)
            continue;
        if (IsRegularFile(resolved + "/" + entryName))
            names.push_back(entryName);
    }
    closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

bool PathClimbs(const std::string& path)
{
    for (const std::string& component : SplitComponents(path))
    {
        if (component == "..")
            return true;
    }
    return false;
}
