// cCharMapWriter: writes the character-map script, one "char XXXX n" line per character the fonts draw.
#pragma once

#include "tools/datagen/cDataWriter.h"

#include <string>

class cCharset;

// The engine runs the script at start-up to map typed characters to glyphs.
class cCharMapWriter : public cDataWriter
{
public:
    cCharMapWriter(const cCharset& glyphs, const std::string& scriptName)
        : charset(glyphs), outputName(scriptName)
    {
    }

    std::string Describe() const override { return "character map"; }
    bool Write(cOutputFolder& output) override;

    // The script text: "char" with four upper-case hexadecimal digits and the decimal glyph.
    std::string Compose() const;

private:
    const cCharset& charset;
    std::string outputName;
};
