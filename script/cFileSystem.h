// cFileSystem: the module through which all file access goes; maps logical paths to the Data, User and user-data roots.
#pragma once

#include "base/cArray.h"
#include "script/cFS_File.h"
#include "script/cModule.h"

class cFileSystem : public cModule
{
public:
    cFileSystem();
    ~cFileSystem() override;

    static cFileSystem* Get() { return current; }

    // Logs "Initialized." the first time.
    void Initialise();
    void Shutdown() { shutDown = true; }

    // Always returns a new file object, loaded when the disk file exists. Pair it with Close.
    // "@name" lies in the user's data folder, "#name" under User/, anything else under Data/.
    cFS_File* Open(const cString& path);
    bool Exists(const cFS_File* file) const;
    // Writes the file back when it was written to, then deletes it.
    void Close(cFS_File* file);
    cString GetFullPath(const cFS_File* file) const;

    // The root folder a logical path lies in and the name below it.
    static void SplitPath(const cString& path, cString& root, cString& name);

    int OpenFileCount() const { return openFiles.Count(); }

    cArray<cFS_File*> openFiles;
    bool looseFilesEnabled = true;
    bool initialised = false;
    bool shutDown = false;

private:
    static inline cFileSystem* current = nullptr;
    void Load(cFS_File& file);
};
