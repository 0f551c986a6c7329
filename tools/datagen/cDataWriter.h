// cDataWriter: one kind of file the data tool makes.
#pragma once

#include <string>

class cOutputFolder;

// The tool runs its writers in order into one output folder.
class cDataWriter
{
public:
    virtual ~cDataWriter() = default;

    // What the writer makes, for messages ("language table", "font menufont_01").
    virtual std::string Describe() const = 0;
    // Writes the writer's files; false with GetError() saying why.
    virtual bool Write(cOutputFolder& output) = 0;

    const std::string& GetError() const { return error; }

protected:
    bool Fail(const std::string& message)
    {
        error = message;
        return false;
    }

    std::string error;
};
