// qorn-datagen: makes the game's Data folder from the hand-written sources under data_src/.
//
//   qorn-datagen <data_src folder> <font face folder> <font licence file> <Data folder to make>
//
// The output is the same, byte for byte, on every run; on any fault nothing is replaced, the fault is
// printed and the exit status is 1.
#include "tools/datagen/cDataTool.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 5)
    {
        std::fprintf(stderr,
                     "usage: %s <data_src folder> <font face folder> <font licence> <output Data folder>\n",
                     argv[0]);
        return 2;
    }
    cDataTool tool;
    const cDataTool::Paths paths{argv[1], argv[2], argv[3], argv[4]};
    if (!tool.Run(paths))
    {
        std::fprintf(stderr, "qorn-datagen: error: %s\n", tool.GetError().c_str());
        return 1;
    }
    return 0;
}
