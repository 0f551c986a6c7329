// cDataTool: makes the game's whole Data folder from the hand-written sources.
#pragma once

#include "tools/datagen/cCharset.h"
#include "tools/datagen/cDataWriter.h"

#include <memory>
#include <string>
#include <vector>

// Loads the charset, sets up one writer per kind of file and runs them into a fresh folder, which
// replaces the old one only when all succeed.
class cDataTool
{
public:
    struct Paths
    {
        std::string sources;     // data_src/
        std::string fontFaces;   // the folder of the font faces the font list names
        std::string fontLicence; // the licence shipped with the fonts
        std::string output;      // the Data folder to make
    };

    bool Run(const Paths& paths);
    const std::string& GetError() const { return error; }

private:
    bool SetUpWriters(const Paths& paths);
    bool AddFonts(const Paths& paths);
    bool WriteAll(const std::string& folder);
    bool Replace(const std::string& fresh, const std::string& target);
    bool Fail(const std::string& message);

    cCharset charset;
    std::vector<std::unique_ptr<cDataWriter>> writers;
    std::string error;
};
