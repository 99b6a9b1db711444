#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "textcase.h"

namespace vantrel {

class DataFileListener;
class FrameState;
class OutputTables;

/// What became of one read.
struct ReadResult {
    enum class Status {
        Loaded,          ///< the whole file was read (also an empty one)
        OpenFailed,      ///< nothing was read
        RowsMismatch,    ///< reading stopped at a bad data line; earlier rows stay loaded
        TooLarge,        ///< reading stopped: the tables are full; earlier rows stay loaded
        ReadIncomplete,  ///< a read error ended the file early; the rows before it stay loaded
    };
    Status status = Status::Loaded;
    std::string message;  ///< the program's message for the user; empty when Loaded
    /// The system's words for an open or read error ("Input/output error"),
    /// for a line of its own after the message; empty otherwise.
    std::string reason;
    std::size_t rowsLoaded = 0;
    /// The data lines of the file: the rows loaded and, after a partial load,
    /// those that were not (counted to the end of the file; after a read
    /// error, only those before it).
    std::size_t dataLines = 0;
    std::size_t lineNumber = 0;  ///< the line reading stopped at (1-based), 0 when it did not stop
    int firstFreqNumber = 0;     ///< index of the first frequency column + 1, 0 without one

    bool Ok() const { return status == Status::Loaded; }
    /// Some of the file's rows are loaded and the rest are not: writing the
    /// tables back over the file would lose the rest.
    bool Partial() const
    {
        return status == Status::RowsMismatch || status == Status::TooLarge ||
            status == Status::ReadIncomplete;
    }
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

    /// Called once, with the first bytes read (at most 1 MiB), before any line
    /// is upper-cased: says how the file's bytes form characters (the caller
    /// detects the encoding there). Without one, every byte stands alone.
    using TextProbe = std::function<ByteForm(std::string_view head)>;

    void SetProgress(Progress progress) { m_progress = std::move(progress); }
    void SetTextProbe(TextProbe probe) { m_probe = std::move(probe); }
    /// About how many bytes a stream will give: sizes the tables up front
    /// and is the total the progress counts to.
    void SetStreamSize(std::uint64_t bytes) { m_streamSize = bytes; }

    /// Reads the file at `path`, opened for reading only, to its end: a
    /// regular file, a pipe, a FIFO or a device alike. `shownPath` is the
    /// path named in the messages (the path as the user chose it).
    ReadResult ReadFile(const std::string& path, const std::string& shownPath);
    ReadResult ReadFile(const std::string& path) { return ReadFile(path, path); }
    /// Reads standard input to its end.
    ReadResult ReadStandardInput(const std::string& shownName);
    /// Reads a stream to its end; a stream gone bad is a read error.
    ReadResult ReadStream(std::istream& in, const std::string& shownName);
    ReadResult ReadBuffer(std::string_view bytes);

    /// Lines of a file, upper-cased, trimmed and split into fields: what can
    /// be worked out without the tables.
    struct Piece {
        enum Kind : unsigned char { Empty, HeaderLine, Data };
        struct Line {
            std::string_view text;  // trimmed; a data line without its trailing separators
            std::uint32_t firstField = 0;
            std::uint32_t fieldCount = 0;
            Kind kind = Empty;
            bool ok = false;  // a data line with as many fields as the header
        };
        std::vector<char> bytes;
        std::vector<Line> lines;
        std::vector<std::string_view> fields;
        std::uint64_t done = 0;  // bytes read from the source up to the end of this piece
        bool end = false;        // the source is at its end, failed, or a line is too long to hold
        bool failed = false;
        bool tooLarge = false;
        std::string error;
    };
    /// Makes the next piece of lines; true for the last one.
    using PieceSource = std::function<bool(Piece& piece)>;
    /// Reads lines another part of the program has split already (a text in
    /// another layout, rewritten): `fill` runs on a second thread while this
    /// one fills the tables, as a file is read.
    ReadResult ReadPieces(const PieceSource& fill, const std::string& shownName);
    /// Appends the lines of piece.bytes[from, to) (upper-cased already) to
    /// the piece as this reader splits them. `headerFields` is the header's
    /// field count, 0 until a header line is met, which sets it.
    static void SplitLines(Piece& piece, std::size_t from, std::size_t to, std::size_t* headerFields);

private:
    /// Fills a buffer: the bytes read, 0 at the end, -1 on a read error.
    using Source = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

    void Begin(const std::string& shownName);
    /// Reads the source to its end. A second thread reads ahead and splits the
    /// lines into fields while this one fills the tables, when `twoThreads`.
    ReadResult ReadChunks(const Source& source, const std::function<std::string()>& errorReason,
                          bool twoThreads);
    /// Takes the pieces `fill` makes, on a second thread when `twoThreads`.
    ReadResult TakeAll(const PieceSource& fill, bool twoThreads);
    void Take(const Piece& piece);
    void Stopped(ReadResult::Status status, std::string message);
    void Header(std::string_view line);
    void DataRow(std::string_view line, bool ok, std::span<const std::string_view> fields);

    FrameState& m_frame;
    OutputTables& m_tables;
    DataFileListener& m_listener;
    Progress m_progress;
    TextProbe m_probe;
    std::uint64_t m_streamSize = 0;

    ReadResult m_result;
    std::string m_shownName;
    std::size_t m_lineNumber = 0;
    int m_fileColumn = 0;
    int m_incrementColumn = 0;
    int m_modeColumn = 0;
    int m_dateTimeColumn = 0;
    std::uint64_t m_totalBytes = 0;  // for sizing the table after the first row
    bool m_stopped = false;          // only data lines are counted from here on
};

}  // namespace vantrel
