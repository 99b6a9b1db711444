#pragma once

#include "graphs/graphkind.h"
#include "survey.h"

#include <cstdint>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

struct OperationReport;
struct ProfileGraph;
struct CircularGraph;
struct SectionGraph;

/// Draws a graph into a picture file; the error text, empty when written.
/// Exactly one of the three graphs is given. A width or height of 0 asks for
/// the graph's own size.
using GraphPictureWriter =
    std::function<std::string(const ProfileGraph* profile, const CircularGraph* circular,
                              const SectionGraph* section, const std::string& path, int width, int height)>;

/// The batch pipeline: loads one data file ("-": standard input), then runs
/// the steps of the command line in the order given.
///
/// Exit status: 0 when all went well; 1 when the load or a step failed (its
/// message is printed and no later step runs); 2 for a wrong command line.
class CliPipeline {
public:
    CliPipeline(std::ostream& out, std::ostream& err);

    int Run(const std::vector<std::string>& args);
    static std::string Usage();

    const OutputTables& Tables() const { return m_survey.m_tables; }

    /// What --graph draws with; without one, --graph says pictures cannot be
    /// drawn by this build.
    void SetPictureWriter(GraphPictureWriter writer) { m_pictureWriter = std::move(writer); }

private:
    struct Step {
        const char* name;
        const char* argument;  ///< name of the argument, or nullptr
        const char* help;
        std::function<bool(CliPipeline&, const std::string&)> run;
        std::function<bool(const std::string&)> valid;  ///< checks the argument before anything runs
        const char* second = nullptr;                   ///< name of a second argument, passed after a '\0'
    };
    struct Setting {
        const char* name;
        float ProcessingSettings::*field;
    };
    static const std::vector<Step>& Steps();
    static const std::vector<Setting>& Settings();

    bool Load(const std::string& path);
    /// Prints the report's messages; false when the operation stopped.
    bool Report(const OperationReport& report);
    bool Fail(const std::string& message);

    bool Select(const std::string& which);
    bool Dump(const std::string& table);
    /// Makes the column with this title the frequency selector's entry.
    bool ChooseFrequency(const std::string& title);
    /// Prints the graph as one line of JSON, or fails at the graph's check.
    bool GraphData(GraphKind kind);
    /// Draws the graph into a picture file, or fails at the graph's check.
    bool GraphPicture(GraphKind kind, const std::string& path);
    /// The graph a step draws, after the command's and the graph's checks;
    /// false (message printed) when a check fails.
    bool BuildGraph(GraphKind kind, ProfileGraph* profile, CircularGraph* circular, SectionGraph* section);

    std::ostream& m_out;
    std::ostream& m_err;
    Survey m_survey;
    GraphPictureWriter m_pictureWriter;
    int m_pictureWidth = 0;
    int m_pictureHeight = 0;
};

}  // namespace vantrel
