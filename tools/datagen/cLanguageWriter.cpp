// cLanguageWriter: compiles the UTF-8 text source into the language table the engine loads at start-up.
#include "tools/datagen/cLanguageWriter.h"

#include "tools/datagen/cCharset.h"
#include "tools/datagen/cOutputFolder.h"
#include "tools/datagen/cSourceFile.h"
#include "tools/datagen/cUtf8.h"

#include <cstdio>
#include <set>

namespace
{
std::string CodeName(uint32_t code)
{
    char name[32];
    std::snprintf(name, sizeof name, "U+%04X", unsigned(code));
    return name;
}

bool IsIdCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsValidId(const std::string& id)
{
    if (id.empty())
        return false;
    for (char c : id)
    {
        if (!IsIdCharacter(c))
            return false;
    }
    return true;
}

bool IsCommentOrBlank(const std::string& line)
{
    const size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == '#';
}
} // namespace

std::vector<std::string> cLanguageWriter::ParseIdList(const std::string& text)
{
    std::vector<std::string> list;
    for (std::string line : cSourceFile::SplitLines(text))
    {
        line = line.substr(0, line.find('#'));
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        const size_t last = line.find_last_not_of(" \t\r");
        list.push_back(line.substr(first, last - first + 1));
    }
    return list;
}

bool cLanguageWriter::Write(cOutputFolder& output)
{
    std::string source;
    if (!cSourceFile::Read(sourcePath, source))
        return Fail("Cannot read '" + sourcePath + "'.");
    std::string table;
    if (!Compile(source, table))
        return Fail(sourcePath + ":" + error);
    if (!CheckRequiredIds())
        return false;
    if (!output.WriteFile(outputName, table))
        return Fail(output.GetError());
    return true;
}

bool cLanguageWriter::Compile(const std::string& source, std::string& table)
{
    table.clear();
    ids.clear();
    std::set<std::string> seen;
    const std::vector<std::string> lines = cSourceFile::SplitLines(source);
    for (size_t i = 0; i < lines.size(); ++i)
    {
        const std::string where = std::to_string(i + 1) + ": ";
        const std::string& line = lines[i];
        if (IsCommentOrBlank(line))
            continue;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos)
            return Fail(where + "expected an id, a TAB and the text.");
        const std::string id = line.substr(0, tab);
        if (!IsValidId(id))
            return Fail(where + "'" + id + "' is not an id (letters, digits and '_').");
        if (!seen.insert(id).second)
            return Fail(where + "the id '" + id + "' is defined twice.");
        std::string bytes;
        std::string problem;
        if (!ConvertText(line.substr(tab + 1), bytes, problem))
            return Fail(where + id + ": " + problem);
        ids.push_back(id);
        table += id;
        table += '\0';
        table += bytes;
        table += '\0';
    }
    return true;
}

bool cLanguageWriter::ConvertText(const std::string& text, std::string& bytes, std::string& problem) const
{
    bytes.clear();
    std::vector<uint32_t> codes;
    size_t errorAt = 0;
    if (!cUtf8::Decode(text, codes, errorAt))
    {
        problem = "malformed UTF-8 at byte " + std::to_string(errorAt) + " of the text.";
        return false;
    }
    // The table cannot hold an empty text: the next id would be read as its text.
    if (codes.empty())
    {
        problem = "the text is empty.";
        return false;
    }
    for (size_t at = 0; at < codes.size(); ++at)
    {
        const uint32_t code = codes[at];
        if (code == '\\')
        {
            const uint32_t next = at + 1 < codes.size() ? codes[at + 1] : 0;
            if (next != 'n' && next != '\\')
            {
                problem = "only \\n (line break) and \\\\ (backslash) are escapes.";
                return false;
            }
            bytes += next == 'n' ? '\n' : '\\';
            ++at;
            continue;
        }
        if (code == '#' && !CheckMarkup(codes, at, problem))
            return false;
        const int glyph = charset.GlyphOf(code);
        if (glyph < 0)
        {
            problem =
                "the character " + CodeName(code) + " '" + cUtf8::Encode(code) + "' is not in the charset.";
            return false;
        }
        cCharset::AppendGlyph(glyph, bytes);
    }
    return true;
}

// A "#" in a text is always read as a colour ("#C", "#c") or alpha ("#O", "#o") code: one that is not
// would swallow or hide the characters after it.
bool cLanguageWriter::CheckMarkup(const std::vector<uint32_t>& codes, size_t at, std::string& problem) const
{
    const uint32_t letter = at + 1 < codes.size() ? codes[at + 1] : 0;
    const uint32_t argument = at + 2 < codes.size() ? codes[at + 2] : 0;
    const std::string colours = "0abcgkmry";
    const bool isColour = (letter == 'C' || letter == 'c') && argument < 128 && argument != 0 &&
                          colours.find(char(argument)) != std::string::npos;
    const bool isAlpha = (letter == 'O' || letter == 'o') && argument >= '0' && argument <= '4';
    if (isColour || isAlpha)
        return true;
    problem = "'#' starts a markup code: #C or #c with one of 0abcgkmry, #O or #o with 0 to 4.";
    return false;
}

bool cLanguageWriter::CheckRequiredIds()
{
    if (requiredIdsPath.empty())
        return true;
    std::string text;
    if (!cSourceFile::Read(requiredIdsPath, text))
        return Fail("Cannot read '" + requiredIdsPath + "'.");
    const std::set<std::string> defined(ids.begin(), ids.end());
    std::string missing;
    for (const std::string& id : ParseIdList(text))
    {
        if (!defined.count(id))
            missing += (missing.empty() ? "" : ", ") + id;
    }
    if (!missing.empty())
        return Fail(sourcePath + ": no text for the required ids " + missing + ".");
    return true;
}
