#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class DataFileListener;
class FrameState;
class OutputTables;

/// What became of one read.
struct ReadResult {
    enum class Status {
        Loaded,        ///< the whole file was read (also an empty one)
        OpenFailed,    ///< nothing was read
        RowsMismatch,  ///< reading stopped at a bad data line; earlier rows stay loaded
        TooLarge,      ///< reading stopped: the tables are full; earlier rows stay loaded
    };
    Status status = Status::Loaded;
    std::string message;           ///< the program's message for the user; empty when Loaded
    std::size_t rowsLoaded = 0;
    std::size_t lineNumber = 0;    ///< the line reading stopped at (1-based), 0 when it did not stop
    int firstFreqNumber = 0;       ///< index of the first frequency column + 1, 0 without one

    bool Ok() const { return status == Status::Loaded; }
};

/// Reads a measurement data file into the frame's header, the tables and a
/// listener (the file view): the header line fixes the columns, every data
/// line becomes an Origin row.
///
/// Lines are split at '\n' (a '\r' before it is dropped), upper-cased (ASCII
/// letters only), trimmed; empty lines are skipped. The header is the first
/// line with "INCREMENT" after its first character; fields are split at runs
/// of '"', ',', ' ' and '\t', the last field being the rest of the line.
/// All other bytes are kept as they are.
class DataFileReader {
public:
    using Progress = std::function<void(std::uint64_t done, std::uint64_t total)>;

    DataFileReader(FrameState& frame, OutputTables& tables, DataFileListener& listener);

    void SetProgress(Progress progress) { m_progress = std::move(progress); }

    /// Reads the file at `path`, opened for reading only. `shownPath` is the
    /// path named in the open-failure message (the path as the user chose it).
    ReadResult ReadFile(const std::string& path, const std::string& shownPath);
    ReadResult ReadFile(const std::string& path) { return ReadFile(path, path); }
    ReadResult ReadBuffer(std::string_view bytes);

private:
    enum class LineOutcome { Go, Stop };

    void Begin();
    LineOutcome Line(char* text, std::size_t size);
    void Header(std::string_view line);
    LineOutcome DataLine(std::string_view line);

    FrameState& m_frame;
    OutputTables& m_tables;
    DataFileListener& m_listener;
    Progress m_progress;

    ReadResult m_result;
    std::size_t m_lineNumber = 0;
    int m_fileColumn = 0;
    int m_incrementColumn = 0;
    int m_modeColumn = 0;
    int m_dateTimeColumn = 0;
    std::vector<std::string_view> m_fields;
    std::uint64_t m_totalBytes = 0;  // for sizing the table after the first row
};

}  // namespace vantrel
