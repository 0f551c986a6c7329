// cOutputFolder: the folder the data tool writes into; files are given by their path below it.
#include "tools/datagen/cOutputFolder.h"

#include "tools/datagen/cSourceFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

bool cOutputFolder::WriteFile(const std::string& relativePath, const std::string& bytes)
{
    const std::filesystem::path path = std::filesystem::path(root) / relativePath;
    std::error_code failure;
    std::filesystem::create_directories(path.parent_path(), failure);
    if (failure)
        return Fail("Cannot create folder '" + path.parent_path().string() + "'. " + failure.message() + ".");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return Fail("Cannot create '" + path.string() + "'.");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed)
        return Fail("Cannot write '" + path.string() + "'.");
    return true;
}

bool cOutputFolder::CopyFile(const std::string& sourcePath, const std::string& relativePath)
{
    std::string bytes;
    if (!cSourceFile::Read(sourcePath, bytes))
        return Fail("Cannot read '" + sourcePath + "'.");
    return WriteFile(relativePath, bytes);
}

bool cOutputFolder::Fail(const std::string& message)
{
    error = message;
    return false;
}
