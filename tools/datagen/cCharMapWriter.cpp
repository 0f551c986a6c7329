// cCharMapWriter: writes the character-map script, one "char XXXX n" line per character the fonts draw.
#include "tools/datagen/cCharMapWriter.h"

#include "tools/datagen/cCharset.h"
#include "tools/datagen/cOutputFolder.h"
#include "tools/datagen/cScriptWriter.h"

#include <cstdio>
#include <vector>

std::string cCharMapWriter::Compose() const
{
    std::vector<std::string> lines;
    for (const cCharset::Entry& entry : charset.GetEntries())
    {
        char line[64];
        std::snprintf(line, sizeof line, "char %04X %d", unsigned(entry.code), entry.glyph);
        lines.push_back(line);
    }
    return cScriptWriter::Compose(lines);
}

bool cCharMapWriter::Write(cOutputFolder& output)
{
    if (!output.WriteFile(outputName, Compose()))
        return Fail(output.GetError());
    return true;
}
