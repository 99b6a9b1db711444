#pragma once

#include "graphs/graphkind.h"
#include "survey.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace vantrel {

struct OperationReport;

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

private:
    struct Step {
        const char* name;
        const char* argument;  ///< name of the argument, or nullptr
        const char* help;
        std::function<bool(CliPipeline&, const std::string&)> run;
        std::function<bool(const std::string&)> valid;  ///< checks the argument before anything runs
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

    std::ostream& m_out;
    std::ostream& m_err;
    Survey m_survey;
};

}  // namespace vantrel
