// cScriptWriter: writes .qsc scripts with the CR LF line ends the interpreter cuts lines at.
#include "tools/datagen/cScriptWriter.h"

#include "tools/datagen/cOutputFolder.h"
#include "tools/datagen/cSourceFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

std::string cScriptWriter::Compose(const std::vector<std::string>& lines)
{
    std::string script;
    for (const std::string& line : lines)
    {
        script += line;
        script += "\r\n";
    }
    return script;
}

bool cScriptWriter::Convert(const std::string& source, std::string& script, std::string& problem)
{
    const std::vector<std::string> lines = cSourceFile::SplitLines(source);
    for (size_t i = 0; i < lines.size(); ++i)
    {
        if (lines[i].find_first_of(std::string("\r\0", 2)) != std::string::npos)
        {
            problem = "line " + std::to_string(i + 1) +
                      " holds a CR or NUL byte; keep script sources with LF line ends.";
            return false;
        }
    }
    script = Compose(lines);
    return true;
}

bool cScriptWriter::Write(cOutputFolder& output)
{
    std::error_code failure;
    std::vector<std::filesystem::path> sources;
    for (std::filesystem::recursive_directory_iterator it(folder, failure), end; !failure && it != end;
         it.increment(failure))
    {
        if (it->is_regular_file() && it->path().extension() == ".qsc")
            sources.push_back(it->path());
    }
    if (failure)
        return Fail("Cannot list '" + folder + "'. " + failure.message() + ".");
    std::sort(sources.begin(), sources.end());
    for (const std::filesystem::path& source : sources)
    {
        std::string text;
        std::string script;
        std::string problem;
        if (!cSourceFile::Read(source.string(), text))
            return Fail("Cannot read '" + source.string() + "'.");
        if (!Convert(text, script, problem))
            return Fail(source.string() + ": " + problem);
        if (!output.WriteFile(std::filesystem::relative(source, folder).string(), script))
            return Fail(output.GetError());
    }
    return true;
}
