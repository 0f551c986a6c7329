// cFileCopyWriter: puts a file into the data folder unchanged, such as the licence of the fonts it ships.
#pragma once

#include "tools/datagen/cDataWriter.h"

#include <string>

class cFileCopyWriter : public cDataWriter
{
public:
    cFileCopyWriter(const std::string& sourceFile, const std::string& targetName)
        : sourcePath(sourceFile), outputName(targetName)
    {
    }

    std::string Describe() const override { return "copy of '" + sourcePath + "'"; }
    bool Write(cOutputFolder& output) override;

private:
    std::string sourcePath;
    std::string outputName;
};
