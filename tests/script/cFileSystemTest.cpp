// Tests of the file system: the three roots, the case-tolerant lookup, reading, writing back and bad paths.
#include "FileFixture.h"

#include "platform/OSPaths.h"
#include "platform/cOSFile.h"

#include <fcntl.h>
#include <sys/stat.h>

TEST_F(FileTest, TheFirstCharacterChoosesTheRoot)
{
    WriteDisk("Data/config.qsc", "data");
    WriteDisk("xdg/Tessaverde/Vexmoor/config.qsc", "user data");
    WriteDisk("User/x.qsc", "user");
    EXPECT_EQ(ReadThrough("config.qsc"), "data");
    EXPECT_EQ(ReadThrough("@Tessaverde\\Vexmoor\\config.qsc"), "user data");
    EXPECT_EQ(ReadThrough("#x.qsc"), "user");
    cFS_File* file = fileSystem->Open("@Tessaverde\\Vexmoor\\config.qsc");
    EXPECT_STREQ(fileSystem->GetFullPath(file).Text(), ((folder / "xdg").string() + "/Tessaverde\\Vexmoor\\config.qsc").c_str());
    fileSystem->Close(file);
    EXPECT_EQ(fileSystem->OpenFileCount(), 0);
}

TEST_F(FileTest, ComponentsMatchExactlyFirstAndThenWithoutCase)
{
    WriteDisk("Data/Scripts/Levels/Level01.qsc", "level");
    WriteDisk("Data/Textures/fonts/system.qtx", "console sheet");
    WriteDisk("Data/Textures/Fonts/system.qtx", "font sheet");
    EXPECT_EQ(ReadThrough("scripts/levels/LEVEL01.qsc"), "level");
    EXPECT_EQ(ReadThrough("Scripts\\Levels\\Level01.qsc"), "level");
    EXPECT_EQ(ReadThrough("Textures/fonts/system.qtx"), "console sheet");
    EXPECT_EQ(ReadThrough("Textures/Fonts/system.qtx"), "font sheet");
    EXPECT_EQ(ReadThrough("TEXTURES/Fonts/System.qtx"), "font sheet");

    // A new file below a folder named in another case lands in that folder, keeping its own case.
    cFS_File* file = fileSystem->Open("scripts/levels/NewLevel.qsc");
    file->Write(cString("new"));
    fileSystem->Close(file);
    EXPECT_EQ(ReadDisk("Data/Scripts/Levels/NewLevel.qsc"), "new");
    EXPECT_EQ(ReadThrough("Scripts/Levels/newlevel.qsc"), "new");
}

TEST_F(FileTest, AFileMadeRightAfterItsFolderWasLookedAtIsFoundInAnyCase)
{
    WriteDisk("Data/Saves/First.qsc", "first");
    EXPECT_EQ(ReadThrough("saves/first.qsc"), "first");
    struct stat before;
    ASSERT_EQ(stat((folder / "Data/Saves").c_str(), &before), 0);
    WriteDisk("Data/Saves/Second.qsc", "second");
    // A coarse file system clock leaves the folder's time as it was when the second file comes
    // within the same tick.
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, (folder / "Data/Saves").c_str(), times, 0), 0);
    EXPECT_EQ(ReadThrough("saves/SECOND.qsc"), "second");
}

TEST_F(FileTest, ListingMatchesPatternsWithoutCaseInNameOrder)
{
    WriteDisk("xdg/Tessaverde/Vexmoor/profile2.qsc", "");
    WriteDisk("xdg/Tessaverde/Vexmoor/Profile1.QSC", "");
    WriteDisk("xdg/Tessaverde/Vexmoor/profile10.qsc", "");
    WriteDisk("xdg/Tessaverde/Vexmoor/config.qsc", "");
    std::filesystem::create_directories(folder / "xdg/Tessaverde/Vexmoor/profile3.qsc");
    const std::vector<std::string> found = ListFiles((folder / "xdg/tessaverde/vexmoor").string(), "profile?.qsc");
    EXPECT_EQ(found, (std::vector<std::string>{"Profile1.QSC", "profile2.qsc"}));
}

TEST_F(FileTest, AMissingFileReadsNothingAndWritesNothing)
{
    cFS_File* file = fileSystem->Open("nothing.qsc");
    EXPECT_FALSE(fileSystem->Exists(file));
    EXPECT_TRUE(file->writable);
    char buffer[4] = {};
    EXPECT_FALSE(file->Read(buffer, 4));
    EXPECT_TRUE(file->ReadLine().IsEmpty());
    fileSystem->Close(file);
    EXPECT_FALSE(OnDisk("Data/nothing.qsc"));

    file = fileSystem->Open("#made.qsc");
    file->WriteLine("echo made");
    file->WriteInt32(0x01020304);
    fileSystem->Close(file);
    EXPECT_EQ(ReadDisk("User/made.qsc"), std::string("echo made\r\n\x04\x03\x02\x01", 15));
}

TEST_F(FileTest, ReadingPastTheEndCopiesTheRestButAdvancesFully)
{
    WriteDisk("Data/abc.bin", "abc");
    cFS_File* file = fileSystem->Open("abc.bin");
    char buffer[8] = {};
    file->SetPosition(1);
    EXPECT_TRUE(file->Read(buffer, 8));
    EXPECT_STREQ(buffer, "bc");
    EXPECT_EQ(file->GetPosition(), 9);
    EXPECT_TRUE(file->AtEnd());
    fileSystem->Close(file);
}

TEST_F(FileTest, ReadLineCutsAtCarriageReturnLineFeed)
{
    WriteDisk("Data/lines.txt", "one\r\n\r\ntwo\nstill two\r\nlast");
    cFS_File* file = fileSystem->Open("lines.txt");
    std::vector<std::string> lines;
    while (!file->AtEnd())
        lines.push_back(file->ReadLine().Text());
    fileSystem->Close(file);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "", "two\nstill two", "last"}));
}

TEST_F(FileTest, WritingBackReplacesTheFileAndKeepsItOnFailure)
{
    WriteDisk("Data/save.qsc", "old contents");
    cFS_File* file = fileSystem->Open("save.qsc");
    file->Empty();
    file->Write(cString("new contents that are longer"));
    cOSFile::InjectWriteFailureAfter(5);
    fileSystem->Close(file);
    EXPECT_EQ(ReadDisk("Data/save.qsc"), "old contents");
    EXPECT_EQ(boxes, (std::vector<std::string>{"Fatal Error!: WriteFile failed!"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "Data"), {}), 1) << "no temporary is left";

    file = fileSystem->Open("save.qsc");
    file->SetPosition(4);
    file->Write(cString("stuff"));
    fileSystem->Close(file);
    EXPECT_EQ(ReadDisk("Data/save.qsc"), "old stuffnts");
}

TEST_F(FileTest, AZeroByteWriteTruncatesAndReportsWriteFailed)
{
    WriteDisk("Data/empty.qsc", "something");
    cFS_File* file = fileSystem->Open("empty.qsc");
    file->Empty();
    fileSystem->Close(file);
    EXPECT_TRUE(OnDisk("Data/empty.qsc"));
    EXPECT_EQ(ReadDisk("Data/empty.qsc"), "");
    EXPECT_EQ(boxes, (std::vector<std::string>{"Fatal Error!: Write failed!"}));
}

TEST_F(FileTest, ReadOnlyFilesFoldersAndClimbingPathsAreNotWritten)
{
    WriteDisk("Data/locked.qsc", "locked");
    chmod((folder / "Data/locked.qsc").c_str(), 0444);
    cFS_File* file = fileSystem->Open("locked.qsc");
    EXPECT_TRUE(fileSystem->Exists(file));
    EXPECT_FALSE(file->writable);
    EXPECT_FALSE(file->Write(cString("x")));
    fileSystem->Close(file);
    EXPECT_EQ(ReadDisk("Data/locked.qsc"), "locked");

    std::filesystem::create_directories(folder / "Data/folder.qsc");
    file = fileSystem->Open("folder.qsc");
    EXPECT_FALSE(fileSystem->Exists(file));
    EXPECT_FALSE(file->Write(cString("x")));
    fileSystem->Close(file);

    WriteDisk("outside.qsc", "outside");
    file = fileSystem->Open("../outside.qsc");
    EXPECT_FALSE(fileSystem->Exists(file));
    EXPECT_FALSE(file->Write(cString("x")));
    fileSystem->Close(file);
    EXPECT_EQ(ReadDisk("outside.qsc"), "outside");
    EXPECT_TRUE(boxes.empty());
}
