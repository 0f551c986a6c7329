// cConsoleFontWriter: bakes the console's own font sheet: the 256 byte codes in a 16 x 16 grid.
#pragma once

#include "tools/datagen/cDataWriter.h"

#include <string>

class cCharset;

// The face is monospaced and shaped for the console's cells, which are drawn 16 wide and 24 high and
// advance by 0.7 of their width.
class cConsoleFontWriter : public cDataWriter
{
public:
    static constexpr int kColumns = 16;
    static constexpr int kCellSize = 32;

    cConsoleFontWriter(const cCharset& glyphs, const std::string& textureName, const std::string& faceFile)
        : charset(glyphs), name(textureName), facePath(faceFile)
    {
    }

    std::string Describe() const override { return "console font '" + name + "'"; }
    bool Write(cOutputFolder& output) override;

private:
    const cCharset& charset;
    std::string name;
    std::string facePath;
};
