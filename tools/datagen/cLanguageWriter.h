// cLanguageWriter: compiles the UTF-8 text source into the language table the engine loads at start-up.
#pragma once

#include "tools/datagen/cDataWriter.h"

#include <cstdint>
#include <string>
#include <vector>

class cCharset;

// The source has "ID<TAB>text" lines; the table is id, NUL, text, NUL, ... with the texts in the fonts'
// glyph codes.
class cLanguageWriter : public cDataWriter
{
public:
    // requiredIdsPath lists ids (one a line, "#" comments) the code looks up; each must have a text.
    cLanguageWriter(const cCharset& glyphs, const std::string& sourceFile, const std::string& requiredIdsFile,
                    const std::string& tableName)
        : charset(glyphs), sourcePath(sourceFile), requiredIdsPath(requiredIdsFile), outputName(tableName)
    {
    }

    std::string Describe() const override { return "language table from '" + sourcePath + "'"; }
    bool Write(cOutputFolder& output) override;

    // The table's bytes from the source text; false with GetError() naming the line and the fault.
    bool Compile(const std::string& source, std::string& table);
    // One text in glyph codes: "\n" is a line break, "\\" a backslash, "#" must start a colour or
    // alpha code, every other character must be one the fonts draw.
    bool ConvertText(const std::string& text, std::string& bytes, std::string& problem) const;
    // The ids the source defines, in order (after Compile).
    const std::vector<std::string>& GetIds() const { return ids; }

    // The ids of a required-ids list.
    static std::vector<std::string> ParseIdList(const std::string& text);

private:
    bool CheckRequiredIds();
    bool CheckMarkup(const std::vector<uint32_t>& codes, size_t at, std::string& problem) const;

    const cCharset& charset;
    std::string sourcePath;
    std::string requiredIdsPath;
    std::string outputName;
    std::vector<std::string> ids;
};
