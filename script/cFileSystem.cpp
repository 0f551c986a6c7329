// cFileSystem: opening, loading and writing back files under the three roots.
#include "script/cFileSystem.h"

#include "base/TrackedAllocator.h"
#include "base/cFile.h"
#include "platform/OSPaths.h"

#include <cstring>

cFileSystem::cFileSystem()
{
    name = "FileSystem";
    className = "FILESYSTEM";
    current = this;
}

cFileSystem::~cFileSystem()
{
    // Files still open are written back so that nothing written is lost.
    while (openFiles.Count() > 0)
        Close(openFiles[openFiles.Count() - 1]);
    if (current == this)
        current = nullptr;
}

void cFileSystem::Initialise()
{
    if (initialised)
        return;
    initialised = true;
    Log("Initialized.");
}

void cFileSystem::SplitPath(const cString& path, cString& root, cString& name)
{
    if (path.Length() > 0 && path[0] == '@')
    {
        root = UserDataFolder().c_str();
        name = path.Mid(1);
        return;
    }
    if (path.Length() > 0 && path[0] == '#')
    {
        root = "User";
        name = path.Mid(1);
        return;
    }
    root = "Data";
    name = path;
}

cFS_File* cFileSystem::Open(const cString& path)
{
    cFS_File* file = QNEW cFS_File;
    openFiles.Add(file);
    SplitPath(path, file->root, file->name);
    // A path that climbs out of its root is neither read nor written.
    if (PathClimbs(file->name.Text()))
        return file;
    const cString wanted = file->root + "/" + file->name;
    file->diskPath = ResolvePath(wanted.Text()).c_str();
    Load(*file);
    return file;
}

void cFileSystem::Load(cFS_File& file)
{
    cFile disk;
    if (!disk.Open(file.diskPath))
    {
        // A folder where a file is expected is as good as missing, and cannot be written.
        file.writable = !IsFolder(file.diskPath.Text());
        return;
    }
    file.found = file.exists = true;
    file.writable = !IsReadOnlyFile(file.diskPath.Text());
    const int64_t size = disk.GetSize();
    if (size < 0 || size > 0x7FFFFFFF)
        return;
    file.data = static_cast<uint8_t*>(TrackedAlloc(size_t(size), ".\\cFS_File", __LINE__));
    // A read that fails part-way (the file shrank meanwhile) leaves zeros, not stray memory, behind
    // what was read.
    if (size > 0)
    {
        std::memset(file.data, 0, size_t(size));
        disk.Read(file.data, int(size));
    }
    file.size = int32_t(size);
    file.position = 0;
    file.loaded = true;
}

bool cFileSystem::Exists(const cFS_File* file) const
{
    return file && ((file->exists && looseFilesEnabled) || file->archived);
}

void cFileSystem::Close(cFS_File* file)
{
    if (!file)
        return;
    for (int i = openFiles.Count() - 1; i >= 0; --i)
    {
        if (openFiles[i] == file)
            openFiles.Remove(i);
    }
    if (file->dirty)
    {
        cFile::WriteWhole(file->diskPath, file->data, file->size);
        file->dirty = false;
    }
    delete file;
}

cString cFileSystem::GetFullPath(const cFS_File* file) const
{
    return file ? file->root + "/" + file->name : cString();
}
