#pragma once

#include "datafile/datafilereader.h"
#include "importmapping.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

struct Survey;
namespace platform {
class InputFile;
}

/// What became of loading one or several files.
struct LoadResult {
    /// For one file in the standard layout, the reader's own result (a
    /// partial load stays loaded, as File Open leaves it). Otherwise Loaded,
    /// or OpenFailed with the message when nothing was loaded.
    ReadResult read;
    std::size_t markedCells = 0;      ///< imported number cells that hold no number
    std::size_t repeatedHeaders = 0;  ///< header lines passed over among the rows
    bool renumbered = false;          ///< file numbers met in two files, so every file was renumbered
    bool Ok() const { return read.Ok(); }
};

/// Loads files into a survey: one or several, in the standard layout (File
/// Open's rules) or imported with a mapping.
///
/// Several files become one survey. The header of the first file rules: a
/// file with other columns is refused, naming it. The rows keep their file
/// numbers when no number is in two files; otherwise every file number of
/// every file is renumbered 1, 2, ... in the order of the files (and within
/// a file, of first appearance). Each file item then knows the name of its
/// file. A file that cannot be read, or not wholly, stops the load and
/// nothing is loaded.
class SurveyLoader {
public:
    /// One file: its path (read), and the name messages and the tree give it.
    struct Input {
        std::string path;
        std::string shownName;
        bool standardInput = false;
    };
    /// Called with the first file's first bytes (at most 1 MiB): how the
    /// bytes form characters; the answer holds for every file of the load.
    using Probe = std::function<ByteForm(std::string_view head)>;

    explicit SurveyLoader(Survey& into) : m_into(into) {}

    void SetMapping(std::optional<ImportMapping> mapping) { m_mapping = std::move(mapping); }
    void SetProbe(Probe probe) { m_probe = std::move(probe); }
    void SetProgress(DataFileReader::Progress progress) { m_progress = std::move(progress); }

    /// The whole of one input, or false with the system's reason.
    static bool ReadWhole(const Input& input, std::string* bytes, std::string* reason);

    /// Loads into the survey, which must be empty. The frame's source files
    /// are set; its data path only for a single file, by the caller.
    LoadResult Load(const std::vector<Input>& inputs);

private:
    /// Opens one input; its size when it is a file (0 otherwise), or false
    /// with the system's reason.
    static bool Open(const Input& input, platform::InputFile* file, std::uint64_t* size, std::string* reason);
    LoadResult ReadOne(const Input& input, Survey& survey, std::vector<std::string>* titles);
    LoadResult Merge(const std::vector<Input>& inputs);

    Survey& m_into;
    std::optional<ImportMapping> m_mapping;
    Probe m_probe;
    DataFileReader::Progress m_progress;
    std::optional<ByteForm> m_form;
};

}  // namespace vantrel
