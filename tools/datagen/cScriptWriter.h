// cScriptWriter: writes .qsc scripts with the CR LF line ends the interpreter cuts lines at.
#pragma once

#include "tools/datagen/cDataWriter.h"

#include <string>
#include <vector>

// Also mirrors the hand-written scripts (kept with LF) of a source folder into the data folder.
class cScriptWriter : public cDataWriter
{
public:
    // Every file ending in ".qsc" below sourceFolder goes to the same path below the data folder.
    explicit cScriptWriter(const std::string& sourceFolder) : folder(sourceFolder) {}

    std::string Describe() const override { return "scripts from '" + folder + "'"; }
    bool Write(cOutputFolder& output) override;

    // The lines as script text, each followed by CR LF.
    static std::string Compose(const std::vector<std::string>& lines);
    // Script text from a source kept with LF line ends; false (with the reason in problem) when a line
    // holds a CR or a NUL, which the interpreter would take for part of the line.
    static bool Convert(const std::string& source, std::string& script, std::string& problem);

private:
    std::string folder;
};
