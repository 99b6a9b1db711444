#pragma once

#include "clipipeline.h"
#include "testsupport.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace vantrel::test {

const std::string kExample = std::string(VANTREL_EXAMPLES) + "/line1.dat";

struct CliRun {
    int status = -1;
    std::string out, err;
    bool Has(const std::string& part) const { return out.find(part) != std::string::npos; }
};

/// The pipeline run in this process, without a picture writer.
inline CliRun RunInProcess(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = CliPipeline(out, err).Run(args);
    return {status, out.str(), err.str()};
}

/// Runs the real program, `env` put before it on the shell's line.
inline CliRun RunProgram(const std::vector<std::string>& args, const std::string& env = {})
{
    TempDir dir;
    std::string command = env + " '" + VANTREL_CLI + "'";
    for (const auto& a : args)
        command += " '" + a + "'";
    const int status = std::system((command + " >'" + dir / "out" + "' 2>'" + dir / "err" + "'").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(dir / "out"), ReadAll(dir / "err")};
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

/// A command line's words, parted by spaces; `first` (a path that may hold spaces) before them.
inline std::vector<std::string> Words(const std::string& text, const std::string& first = {})
{
    std::vector<std::string> words;
    if (!first.empty())
        words.push_back(first);
    std::istringstream in(text);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

}  // namespace vantrel::test
