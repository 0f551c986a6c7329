// cOutputFolder: the folder the data tool writes into; files are given by their path below it.
#pragma once

#include <string>

class cOutputFolder
{
public:
    explicit cOutputFolder(const std::string& rootPath) : root(rootPath) {}

    // Writes the bytes to root/relativePath, creating its folders; false with GetError() on failure.
    bool WriteFile(const std::string& relativePath, const std::string& bytes);
    bool CopyFile(const std::string& sourcePath, const std::string& relativePath);

    const std::string& GetRoot() const { return root; }
    const std::string& GetError() const { return error; }

private:
    bool Fail(const std::string& message);

    std::string root;
    std::string error;
};
