// cFileCopyWriter: puts a file into the data folder unchanged, such as the licence of the fonts it ships.
#include "tools/datagen/cFileCopyWriter.h"

#include "tools/datagen/cOutputFolder.h"

bool cFileCopyWriter::Write(cOutputFolder& output)
{
    if (!output.CopyFile(sourcePath, outputName))
        return Fail(output.GetError());
    return true;
}
