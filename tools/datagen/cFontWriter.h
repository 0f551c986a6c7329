// cFontWriter: bakes one proportional font and writes its three sheets with their metrics.
#pragma once

#include "tools/datagen/cDataWriter.h"

#include <initializer_list>
#include <string>

class cCharset;

// The plain name and the "_lowres_cn" suffix are 1024 x 1024 sheets of 32-pixel cells, the "_cn" suffix
// 2048 x 2048 of 64.
class cFontWriter : public cDataWriter
{
public:
    // The share of a cell the face's em takes: ascender to descender is about 0.7 of the cell, which
    // leaves room for accents and lets line spacing of -0.3 set lines snugly.
    static constexpr double kEmSize = 0.6;

    cFontWriter(const cCharset& glyphs, const std::string& fontName, const std::string& faceFile)
        : charset(glyphs), name(fontName), facePath(faceFile)
    {
    }

    std::string Describe() const override { return "font '" + name + "'"; }
    bool Write(cOutputFolder& output) override;

private:
    // Bakes one sheet of the size and writes it with its metrics under each suffix.
    bool WriteSheets(cOutputFolder& output, int sheetSize, std::initializer_list<const char*> suffixes);

    const cCharset& charset;
    std::string name;
    std::string facePath;
};
