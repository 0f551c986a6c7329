// Tests of the Data folder the build makes, read back through the engine the way the game reads it.
#include "base/TrackedAllocator.h"
#include "game/cGame.h"
#include "platform/cClock.h"
#include "tools/datagen/cCharset.h"
#include "tools/datagen/cLanguageWriter.h"
#include "tools/datagen/cSourceFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
const fs::path kRunFolder = QORN_RUN_DIR;
const fs::path kDataFolder = kRunFolder / "Data";
const std::string kSources = QORN_DATA_SOURCES;

// The game as it starts in the run folder, with every console line kept.
class cRecordingGame : public cGame
{
public:
    void OnLinePrinted(const cString& composed) override
    {
        cGame::OnLinePrinted(composed);
        lines.push_back(composed.Text());
    }
    std::vector<std::string> lines;
};

std::string ReadFile(const fs::path& path)
{
    std::string bytes;
    EXPECT_TRUE(cSourceFile::Read(path.string(), bytes)) << path;
    return bytes;
}

uint32_t ReadUint32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

// A texture file opened through the engine's file system and read by its documented layout: four 32-bit
// sizes, then blue, green, red and alpha bytes per pixel.
class cTextureFile
{
public:
    cTextureFile(cFileSystem* files, const std::string& name)
        : fileSystem(files), file(files->Open(("Textures/" + name + ".qtx").c_str()))
    {
        if (!fileSystem->Exists(file) || file->GetSize() < 16)
            return;
        data = file->GetData();
        size = size_t(file->GetSize());
        width = ReadUint32(data);
        height = ReadUint32(data + 4);
        imageWidth = ReadUint32(data + 8);
        imageHeight = ReadUint32(data + 12);
    }
    cTextureFile(const cTextureFile&) = delete;
    cTextureFile& operator=(const cTextureFile&) = delete;
    ~cTextureFile() { fileSystem->Close(file); }

    size_t PixelCount() const { return size < 16 ? 0 : (size - 16) / 4; }
    uint8_t Byte(size_t pixel, int index) const { return data[16 + pixel * 4 + size_t(index)]; }
    uint8_t Alpha(uint32_t x, uint32_t y) const { return Byte(size_t(y) * width + x, 3); }

    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t imageWidth = 0;
    uint32_t imageHeight = 0;
    size_t size = 0;

private:
    cFileSystem* fileSystem;
    cFS_File* file;
    const uint8_t* data = nullptr;
};

// Whether two files hold the same bytes, read a piece at a time.
bool SameBytes(const fs::path& first, const fs::path& second)
{
    std::ifstream a(first, std::ios::binary);
    std::ifstream b(second, std::ios::binary);
    static std::vector<char> pieceA(1 << 20);
    static std::vector<char> pieceB(1 << 20);
    while (a && b)
    {
        a.read(pieceA.data(), std::streamsize(pieceA.size()));
        b.read(pieceB.data(), std::streamsize(pieceB.size()));
        if (a.gcount() != b.gcount() ||
            !std::equal(pieceA.begin(), pieceA.begin() + a.gcount(), pieceB.begin()))
            return false;
    }
    return a.eof() && b.eof();
}

// The glyph codes of a text in the game's encoding, leaving out line breaks and markup codes.
std::vector<int> GlyphsOf(const cString& text)
{
    std::vector<int> glyphs;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.Text());
    const int length = text.Length();
    for (int at = 0; at < length; ++at)
    {
        if (bytes[at] == '\n')
            continue;
        if (bytes[at] == '#')
        {
            at += 2;
            continue;
        }
        if (bytes[at] == 0xFF && at + 2 < length)
        {
            glyphs.push_back(bytes[at + 1] * 128 + bytes[at + 2] - 16512);
            at += 2;
            continue;
        }
        glyphs.push_back(bytes[at]);
    }
    return glyphs;
}

// The paths of the files below a folder, relative to it, in order.
std::set<std::string> ListTree(const fs::path& folder)
{
    std::set<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
    {
        if (entry.is_regular_file())
            files.insert(fs::relative(entry.path(), folder).string());
    }
    return files;
}
} // namespace

class DataTreeTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        previousFolder = fs::current_path();
        scratch = fs::temp_directory_path() / ("qorn-data-" + std::to_string(getpid()));
        fs::create_directories(scratch / "xdg");
        setenv("XDG_DATA_HOME", (scratch / "xdg").c_str(), 1);
        fs::current_path(kRunFolder);
        game = QNEW cRecordingGame;
        game->SetClock(&clock);
        game->Initialise();
        ASSERT_TRUE(charset.Load(kSources + "/text/charset.txt")) << charset.GetError();
    }
    static void TearDownTestSuite()
    {
        game->Shutdown();
        delete game;
        game = nullptr;
        fs::current_path(previousFolder);
        fs::remove_all(scratch);
    }

    // Reads a file through the engine's file system, as the engine's readers do.
    static std::string ReadThroughEngine(const std::string& path)
    {
        cFileSystem* fileSystem = game->GetFileSystem();
        cFS_File* file = fileSystem->Open(path.c_str());
        std::string bytes;
        if (fileSystem->Exists(file))
            bytes.assign(reinterpret_cast<const char*>(file->GetData()), size_t(file->GetSize()));
        fileSystem->Close(file);
        return bytes;
    }
    static inline fs::path previousFolder;
    static inline fs::path scratch;
    static inline cManualClock clock;
    static inline cRecordingGame* game = nullptr;
    static inline cCharset charset;
};

TEST_F(DataTreeTest, TheGameStartsInTheRunFolderWithoutMissingFilesOrWarnings)
{
    ASSERT_TRUE(game->IsInitialised());
    for (const std::string& line : game->lines)
    {
        EXPECT_EQ(line.find("not found"), std::string::npos) << line;
        EXPECT_EQ(line.find("Warning"), std::string::npos) << line;
        EXPECT_EQ(line.find("Error"), std::string::npos) << line;
    }
}

TEST_F(DataTreeTest, TheEngineReadsEveryTextOfTheSourceAndEveryRequiredIdHasOne)
{
    cInterpreter* interpreter = game->GetInterpreter();
    cLanguageWriter source(charset, "", "", "");
    std::string table;
    ASSERT_TRUE(source.Compile(ReadFile(kSources + "/text/english.txt"), table)) << source.GetError();
    EXPECT_EQ(interpreter->texts.Count(), int(source.GetIds().size())) << "no id was stored twice";

    // The built table matches its source text for text, so the Data folder is not stale.
    std::vector<std::string> texts;
    for (size_t at = 0; at < table.size();)
    {
        texts.push_back(table.c_str() + at);
        at += texts.back().size() + 1;
    }
    for (size_t i = 0; i + 1 < texts.size(); i += 2)
        EXPECT_EQ(interpreter->GetText(texts[i].c_str()).Text(), texts[i + 1]) << texts[i];

    const size_t linesBefore = game->lines.size();
    for (const std::string& id : cLanguageWriter::ParseIdList(ReadFile(kSources + "/text/required_ids.txt")))
        EXPECT_FALSE(interpreter->GetText(id.c_str()).IsEmpty()) << id;
    EXPECT_EQ(game->lines.size(), linesBefore) << game->lines.back();
    EXPECT_STREQ(interpreter->GetText("GUI_OK").Text(), "OK");
}

TEST_F(DataTreeTest, TheCharacterMapFollowsTheCharsetAndCoversEveryText)
{
    cInterpreter* interpreter = game->GetInterpreter();
    EXPECT_EQ(interpreter->characters.Count(), int(charset.GetEntries().size()))
        << "no code was mapped twice";
    std::set<int> mapped;
    for (const cCharset::Entry& entry : charset.GetEntries())
    {
        EXPECT_EQ(interpreter->GetGlyph(uint16_t(entry.code)), entry.glyph) << entry.code;
        mapped.insert(entry.glyph);
    }
    EXPECT_EQ(interpreter->GetGlyph(0x00E9), 0xE9);
    EXPECT_EQ(interpreter->GetGlyph(0x20AC), charset.GlyphOf(0x20AC));
    for (int i = 0; i < interpreter->texts.Count(); ++i)
    {
        const cTextData* entry = interpreter->texts.At(i);
        for (int glyph : GlyphsOf(entry->text))
            EXPECT_TRUE(mapped.count(glyph)) << entry->name.Text() << " uses glyph " << glyph;
    }
}

TEST_F(DataTreeTest, EveryScriptUsesCrLfAndStartsItsLinesWithKnownCommands)
{
    std::set<std::string> words;
    const cInterpreter* interpreter = game->GetInterpreter();
    for (int i = 0; i < interpreter->commands.Count(); ++i)
        words.insert(interpreter->commands.At(i)->word.Text());

    int scripts = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kDataFolder))
    {
        if (entry.path().extension() != ".qsc")
            continue;
        ++scripts;
        const std::string bytes = ReadThroughEngine(fs::relative(entry.path(), kDataFolder).string());
        ASSERT_GE(bytes.size(), 2u) << entry.path();
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << entry.path();
        for (size_t start = 0; start < bytes.size();)
        {
            const size_t end = bytes.find("\r\n", start);
            ASSERT_NE(end, std::string::npos) << entry.path();
            const std::string line = bytes.substr(start, end - start);
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << entry.path() << ": " << line;
            const size_t first = line.find_first_not_of(" \t");
            if (first != std::string::npos)
            {
                const std::string word = line.substr(first, line.find_first_of(" \t,", first) - first);
                EXPECT_TRUE(words.count(word)) << entry.path() << ": " << line;
            }
            start = end + 2;
        }
    }
    EXPECT_GE(scripts, 3) << "the start-up scripts and the character map";
    EXPECT_TRUE(fs::exists(kDataFolder / "scripts/init.qsc"));
    EXPECT_TRUE(fs::exists(kDataFolder / "scripts/initeditor.qsc"));
}

TEST_F(DataTreeTest, FontSheetsAndMetricsHaveTheirLayout)
{
    const int space = 32;
    const int letterI = 'i';
    const int letterW = 'W';
    const int unused = cCharset::kGlyphCount - 1;
    const int ellipsis = charset.GlyphOf(0x2026);
    const struct
    {
        const char* suffix;
        uint32_t size;
    } sheets[] = {{"", 1024}, {"_lowres_cn", 1024}, {"_cn", 2048}};
    for (const char* font : {"system", "menufont_01", "menufont_02"})
    {
        for (const auto& sheet : sheets)
        {
            const std::string name = std::string(font) + sheet.suffix;
            const cTextureFile texture(game->GetFileSystem(), "Fonts/" + name);
            ASSERT_EQ(texture.width, sheet.size) << name;
            EXPECT_EQ(texture.height, sheet.size) << name;
            EXPECT_EQ(texture.imageWidth, sheet.size) << name;
            EXPECT_EQ(texture.imageHeight, sheet.size) << name;
            ASSERT_EQ(texture.size, 16 + size_t(sheet.size) * sheet.size * 4) << name;
            size_t coloured = 0;
            for (size_t pixel = 0; pixel < texture.PixelCount(); ++pixel)
                coloured +=
                    (texture.Byte(pixel, 0) & texture.Byte(pixel, 1) & texture.Byte(pixel, 2)) != 0xFF;
            EXPECT_EQ(coloured, 0u) << name << ": glyphs are white, their coverage in alpha";

            // Glyph g sits in cell (g mod 32, g div 32), drawn around the middle of its cell.
            const uint32_t cell = sheet.size / 32;
            auto ink = [&](int glyph, uint32_t& left, uint32_t& right)
            {
                left = cell;
                right = 0;
                const uint32_t x0 = uint32_t(glyph % 32) * cell;
                const uint32_t y0 = uint32_t(glyph / 32) * cell;
                for (uint32_t y = 0; y < cell; ++y)
                {
                    for (uint32_t x = 0; x < cell; ++x)
                    {
                        if (texture.Alpha(x0 + x, y0 + y) == 0)
                            continue;
                        left = std::min(left, x);
                        right = std::max(right, x + 1);
                    }
                }
                return right > 0;
            };
            uint32_t left = 0;
            uint32_t right = 0;
            EXPECT_FALSE(ink(space, left, right)) << name;
            EXPECT_FALSE(ink(unused, left, right)) << name;
            EXPECT_TRUE(ink(ellipsis, left, right)) << name;
            ASSERT_TRUE(ink('O', left, right)) << name;
            EXPECT_NEAR(double(left + right) / 2.0, cell / 2.0, cell / 16.0) << name;

            const std::string metrics = ReadThroughEngine("FontMetrics/" + name + ".qfm");
            ASSERT_EQ(metrics.size(), 2048u) << name;
            auto width = [&](int glyph)
            { return uint8_t(metrics[glyph * 2]) | uint8_t(metrics[glyph * 2 + 1]) << 8; };
            EXPECT_GT(width(space), 0) << name;
            EXPECT_LT(width(letterI), width(letterW)) << name;
            EXPECT_LE(width(letterW), 64) << name;
            EXPECT_EQ(width(unused), 64) << name;
        }
    }
}

TEST_F(DataTreeTest, TheConsoleHasItsOwnSixteenBySixteenSheet)
{
    const cTextureFile console(game->GetFileSystem(), "fonts/system");
    const cTextureFile fallback(game->GetFileSystem(), "Fonts/system");
    ASSERT_EQ(console.width, 512u);
    EXPECT_EQ(console.height, 512u);
    EXPECT_EQ(fallback.width, 1024u) << "the exact case keeps the two apart";
    const uint32_t cell = console.width / 16;
    auto hasInk = [&](int code)
    {
        for (uint32_t y = 0; y < cell; ++y)
            for (uint32_t x = 0; x < cell; ++x)
                if (console.Alpha(uint32_t(code % 16) * cell + x, uint32_t(code / 16) * cell + y) != 0)
                    return true;
        return false;
    };
    for (int code : {int('A'), int('z'), int('_'), 0xE9, 0xFF})
        EXPECT_TRUE(hasInk(code)) << code;
    for (int code : {int(' '), 0x0A, 0x80})
        EXPECT_FALSE(hasInk(code)) << code;
}

TEST_F(DataTreeTest, TheFontLicenceIsShipped)
{
    EXPECT_EQ(ReadFile(kDataFolder / "Fonts/LICENSE-DejaVu.txt"), ReadFile(QORN_FONT_LICENCE));
}

// The build's own run is the first; one more run into a scratch folder must make the same files, byte for
// byte.
TEST_F(DataTreeTest, EveryRunMakesTheSameBytes)
{
    const fs::path again = scratch / "again" / "Data";
    const std::string command = std::string("'") + QORN_DATAGEN + "' '" + kSources +
                                "' '" QORN_FONT_FACES "' '" + QORN_FONT_LICENCE + "' '" + again.string() +
                                "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::set<std::string> built = ListTree(kDataFolder);
    EXPECT_EQ(ListTree(again), built);
    for (const std::string& file : built)
        EXPECT_TRUE(SameBytes(again / file, kDataFolder / file)) << file;
    EXPECT_FALSE(fs::exists(again.string() + ".new")) << "the work folder is gone";
}
