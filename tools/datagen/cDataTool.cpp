// cDataTool: makes the game's whole Data folder from the hand-written sources.
#include "tools/datagen/cDataTool.h"

#include "tools/datagen/cCharMapWriter.h"
#include "tools/datagen/cConsoleFontWriter.h"
#include "tools/datagen/cFileCopyWriter.h"
#include "tools/datagen/cFontWriter.h"
#include "tools/datagen/cLanguageWriter.h"
#include "tools/datagen/cOutputFolder.h"
#include "tools/datagen/cScriptWriter.h"
#include "tools/datagen/cSourceFile.h"

#include <filesystem>
#include <sstream>
#include <system_error>

bool cDataTool::Run(const Paths& paths)
{
    if (!SetUpWriters(paths))
        return false;
    const std::string fresh = paths.output + ".new";
    std::error_code failure;
    std::filesystem::remove_all(fresh, failure);
    if (failure)
        return Fail("Cannot clear '" + fresh + "'. " + failure.message() + ".");
    if (!WriteAll(fresh))
    {
        std::filesystem::remove_all(fresh, failure);
        return false;
    }
    return Replace(fresh, paths.output);
}

bool cDataTool::SetUpWriters(const Paths& paths)
{
    const std::string text = paths.sources + "/text/";
    if (!charset.Load(text + "charset.txt"))
        return Fail(charset.GetError());
    writers.clear();
    writers.push_back(std::make_unique<cScriptWriter>(paths.sources + "/qsc"));
    writers.push_back(std::make_unique<cLanguageWriter>(charset, text + "english.txt",
                                                        text + "required_ids.txt", "Scripts/lang4.qln"));
    writers.push_back(std::make_unique<cCharMapWriter>(charset, "Scripts/lang4_chars.qsc"));
    writers.push_back(std::make_unique<cFileCopyWriter>(paths.fontLicence, "Fonts/LICENSE-DejaVu.txt"));
    return AddFonts(paths);
}

// The font list: "sheet <name> <face file>" for a proportional font with its three sheets,
// "console <texture> <face file>" for the console's sheet; "#" starts a comment.
bool cDataTool::AddFonts(const Paths& paths)
{
    const std::string listPath = paths.sources + "/fonts/fonts.txt";
    std::string list;
    if (!cSourceFile::Read(listPath, list))
        return Fail("Cannot read '" + listPath + "'.");
    const std::vector<std::string> lines = cSourceFile::SplitLines(list);
    for (size_t i = 0; i < lines.size(); ++i)
    {
        std::istringstream words(lines[i].substr(0, lines[i].find('#')));
        std::string kind;
        std::string name;
        std::string face;
        std::string extra;
        if (!(words >> kind))
            continue;
        const std::string where = listPath + ":" + std::to_string(i + 1) + ": ";
        if (!(words >> name >> face) || (words >> extra))
            return Fail(where + "expected a kind, a name and a face file.");
        const std::string facePath = paths.fontFaces + "/" + face;
        if (kind == "sheet")
            writers.push_back(std::make_unique<cFontWriter>(charset, name, facePath));
        else if (kind == "console")
            writers.push_back(std::make_unique<cConsoleFontWriter>(charset, name, facePath));
        else
            return Fail(where + "the kind '" + kind + "' is neither 'sheet' nor 'console'.");
    }
    return true;
}

bool cDataTool::WriteAll(const std::string& folder)
{
    cOutputFolder output(folder);
    for (const std::unique_ptr<cDataWriter>& writer : writers)
    {
        if (!writer->Write(output))
            return Fail(writer->Describe() + ": " + writer->GetError());
    }
    return true;
}

bool cDataTool::Replace(const std::string& fresh, const std::string& target)
{
    std::error_code failure;
    std::filesystem::remove_all(target, failure);
    if (failure)
        return Fail("Cannot remove the old '" + target + "'. " + failure.message() + ".");
    std::filesystem::rename(fresh, target, failure);
    if (failure)
        return Fail("Cannot move '" + fresh + "' to '" + target + "'. " + failure.message() + ".");
    return true;
}

bool cDataTool::Fail(const std::string& message)
{
    error = message;
    return false;
}
