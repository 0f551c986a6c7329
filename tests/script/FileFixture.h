// A scratch working folder with Data/, User/ and a user data folder, for the file and script-file tests.
#pragma once

#include "ScriptFixture.h"
#include "platform/MessageBox.h"
#include "script/cFileSystem.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class FileTest : public ScriptTest
{
protected:
    FileTest()
    {
        previousFolder = std::filesystem::current_path();
        folder = std::filesystem::temp_directory_path() / ("qorn-files-" + std::to_string(getpid()) + "-" +
                                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / "Data");
        std::filesystem::create_directories(folder / "User");
        std::filesystem::create_directories(folder / "xdg");
        std::filesystem::current_path(folder);
        setenv("XDG_DATA_HOME", (folder / "xdg").c_str(), 1);
        fileSystem = QNEW cFileSystem;
        game.AddChild(fileSystem);
        boxes.clear();
        previousPresenter = SetMessageBoxPresenter(&CaptureBox);
    }
    ~FileTest() override
    {
        SetMessageBoxPresenter(previousPresenter);
        game.RemoveChild(fileSystem);
        delete fileSystem;
        std::filesystem::current_path(previousFolder);
        std::filesystem::remove_all(folder);
    }

    static void CaptureBox(const char* caption, const char* text) { boxes.push_back(std::string(caption) + ": " + text); }

    // Writes a file below the scratch folder, creating its folders.
    void WriteDisk(const std::string& path, const std::string& contents)
    {
        const std::filesystem::path full = folder / path;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary) << contents;
    }
    std::string ReadDisk(const std::string& path)
    {
        std::ifstream in(folder / path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool OnDisk(const std::string& path) { return std::filesystem::exists(folder / path); }

    std::string ReadThrough(const char* path)
    {
        cFS_File* file = fileSystem->Open(path);
        std::string contents;
        if (fileSystem->Exists(file))
            contents.assign(reinterpret_cast<const char*>(file->GetData()), size_t(file->GetSize()));
        fileSystem->Close(file);
        return contents;
    }

    static inline std::vector<std::string> boxes;
    MessageBoxPresenter previousPresenter = nullptr;
    std::filesystem::path previousFolder;
    std::filesystem::path folder;
    cFileSystem* fileSystem = nullptr;
};
