#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vantrel {

class CliPipeline;

/// One option of the command line: its name, the values it takes, its help
/// line and what it does. A step runs after the load, in the order the
/// options stand; a setting applies to the whole run wherever it stands.
struct CliOption {
    struct Argument {
        std::string name;  ///< as the usage shows it: "PATH", "all|N[,N...]"
        /// What is wrong with a value, said after "vantrel-cli: --option ";
        /// empty when it will do. Checked before anything runs; none: any value.
        std::function<std::string(const std::string& value)> wrong;
        /// A file the option writes; a batch puts it in its folder, named
        /// after each input.
        bool output = false;
    };
    enum class When { Step, Setting };

    std::string name;  ///< "--select"
    std::vector<Argument> arguments;
    std::string help;  ///< lines after the first are indented under it
    When when = When::Step;
    /// Does the option's work with one value per argument; false ends the run
    /// with status 1 (after printing why).
    std::function<bool(CliPipeline& pipeline, const std::vector<std::string>& values)> run;
    /// For a step that reads something first (a recipe): runs before the
    /// data file is loaded; false ends the run with status 1.
    std::function<bool(CliPipeline& pipeline, const std::vector<std::string>& values)> prepare = nullptr;
    /// Prints to standard output, so it cannot run in a batch.
    bool printsOutput = false;
};

/// An argument that takes the values `valid` accepts and says "takes NAME,
/// not 'VALUE'" of any other.
CliOption::Argument TakesOnly(std::string name, std::function<bool(const std::string&)> valid);

/// Every option, steps first, in the order the usage lists them: the
/// processing steps of the core's table, then the command line's own.
const std::vector<CliOption>& CliOptions();

}  // namespace vantrel
