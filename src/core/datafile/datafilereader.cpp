#include "datafilereader.h"

#include "columnrules.h"
#include "datafilelistener.h"
#include "framestate.h"
#include "messages.h"
#include "numbers.h"
#include "outputtables.h"
#include "platform.h"
#include "textcase.h"
#include "threads/twothreads.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

namespace vantrel {

namespace {

struct DelimiterTable {
    bool is[256] = {};
    constexpr DelimiterTable()
    {
        is[static_cast<unsigned char>('"')] = is[static_cast<unsigned char>(',')] = true;
        is[static_cast<unsigned char>(' ')] = is[static_cast<unsigned char>('\t')] = true;
    }
};
constexpr DelimiterTable kDelimiters;

bool IsDelimiter(char c)
{
    return kDelimiters.is[static_cast<unsigned char>(c)];
}

/// Where the first field of a line starts: past the delimiters and the white
/// space before it. A saved line starts with its first field, and the reading
/// trims white space off it, so a name such as "\fFILE" would not come back.
std::size_t FirstFieldStart(std::string_view line)
{
    std::size_t p = 0;
    while (p < line.size() && (IsDelimiter(line[p]) || IsCSpace(line[p])))
        ++p;
    return p;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsCSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsCSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

}  // namespace

DataFileReader::DataFileReader(FrameState& frame, OutputTables& tables, DataFileListener& listener)
    : m_frame(frame), m_tables(tables), m_listener(listener)
{}

void DataFileReader::Begin(const std::string& shownName)
{
    m_result = ReadResult();
    m_shownName = shownName;
    m_stopped = false;
    m_totalBytes = 0;
    m_lineNumber = 0;
    m_fileColumn = m_incrementColumn = m_modeColumn = m_dateTimeColumn = 0;
}

void DataFileReader::Header(std::string_view line)
{
    const auto& header = m_frame.HeaderColumns();
    std::size_t p = FirstFieldStart(line);
    int firstFreq = 0;
    while (p < line.size()) {
        while (p < line.size() && IsDelimiter(line[p]))
            ++p;
        const std::size_t start = p;
        while (p < line.size() && !IsDelimiter(line[p]))
            ++p;
        if (p == start)
            continue;
        const std::string_view name = line.substr(start, p - start);
        m_frame.AddHeaderColumn(name);
        const int index = static_cast<int>(header.size()) - 1;
        bool frequency = false;
        if (Contains(name, "FILE")) {
            m_fileColumn = index;
        } else if (Contains(name, "INCREMENT")) {
            m_incrementColumn = index;
        } else if (Contains(name, "MODE")) {
            m_modeColumn = index;
        } else if (Contains(name, "DATETIME")) {
            m_dateTimeColumn = index;
        } else if (IsHertzTitle(name) && !m_frame.DashColumns()) {
            frequency = true;
        } else if (IsDashTitle(name)) {
            frequency = true;
            m_frame.SetDashColumns();
        }
        if (frequency) {
            m_listener.AddFrequency(name);
            if (firstFreq == 0)
                firstFreq = static_cast<int>(header.size());
        }
    }
    m_result.firstFreqNumber = firstFreq;
    m_tables.SetOriginColumns(header);
    m_tables.SetProcessingColumns(header);
    m_tables.SetDepthColumns(header, firstFreq);
}

void DataFileReader::DataRow(std::string_view line, bool ok, std::span<const std::string_view> fields)
{
    ++m_result.dataLines;
    if (!ok) {
        Stopped(ReadResult::Status::RowsMismatch, msg::kRowsMismatch);
        return;
    }
    if (m_result.rowsLoaded == 0 && m_totalBytes > 0) {
        const auto expected = static_cast<std::size_t>(m_totalBytes / (line.size() + 2) * 11 / 10 + 16);
        m_tables.Origin().ReserveRows(expected);
        m_listener.ExpectRows(expected);
    }
    const auto& header = m_frame.HeaderColumns();
    const auto field = [&](int column) { return fields[static_cast<std::size_t>(column)]; };
    m_listener.AddRowItem(CAtoi(field(m_fileColumn)), field(m_dateTimeColumn),
                          CAtoi(field(m_incrementColumn)),
                          header[static_cast<std::size_t>(m_incrementColumn)], CAtoi(field(m_modeColumn)),
                          header[static_cast<std::size_t>(m_modeColumn)]);
    m_tables.AddOriginRow(fields);
    ++m_result.rowsLoaded;
}

void DataFileReader::Stopped(ReadResult::Status status, std::string message)
{
    m_result.status = status;
    m_result.message = std::move(message);
    m_result.lineNumber = m_lineNumber;
    m_stopped = true;
}

namespace {

constexpr std::size_t kChunk = 1 << 20;

/// Splits a data line into `n` fields: runs of delimiters separate the first
/// n - 1, the last is the rest after one delimiter. A trailing run of
/// separators and white space carries no field: the writers end every line
/// with a separator, and the line trimming would take white space before it
/// off the saved line. False when the line has too few fields (or there is no
/// header yet).
bool SplitFields(std::string_view& line, std::size_t n, std::vector<std::string_view>& fields)
{
    while (!line.empty() && (line.back() == ',' || IsCSpace(line.back())))
        line.remove_suffix(1);
    if (n == 0)
        return false;
    if (n == 1) {
        fields.push_back(line);
        return true;
    }
    std::size_t p = FirstFieldStart(line);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        while (p < line.size() && IsDelimiter(line[p]))
            ++p;
        if (p == line.size())
            return false;
        const std::size_t start = p;
        while (p < line.size() && !IsDelimiter(line[p]))
            ++p;
        fields.push_back(line.substr(start, p - start));
        if (p < line.size())
            ++p;  // the single delimiter that ends the field
    }
    fields.push_back(line.substr(p));
    return true;
}

std::size_t CountHeaderFields(std::string_view line)
{
    std::size_t count = 0, p = FirstFieldStart(line);
    while (p < line.size()) {
        while (p < line.size() && IsDelimiter(line[p]))
            ++p;
        const std::size_t start = p;
        while (p < line.size() && !IsDelimiter(line[p]))
            ++p;
        count += p > start ? 1 : 0;
    }
    return count;
}

/// Reads the source piece by piece and splits the lines, keeping the
/// unfinished line at the end of a piece for the next one.
class Splitter {
public:
    Splitter(const std::function<std::ptrdiff_t(char*, std::size_t)>& source,
             const std::function<std::string()>& errorReason, std::size_t headerFields,
             const DataFileReader::TextProbe& probe)
        : m_source(source), m_errorReason(errorReason), m_headerFields(headerFields), m_probe(probe)
    {}

    template <typename Piece>
    void Fill(Piece& piece)
    {
        piece.lines.clear();
        piece.fields.clear();
        piece.end = piece.failed = piece.tooLarge = false;
        piece.error.clear();
        piece.bytes.assign(m_carry.begin(), m_carry.end());
        m_carry.clear();
        std::size_t have = piece.bytes.size();
        std::size_t cut = 0;  // end of the complete lines
        for (;;) {
            if (piece.bytes.size() < have + kChunk / 2) {
                try {
                    piece.bytes.resize(std::max(have + kChunk, piece.bytes.size() * 2));
                } catch (const std::bad_alloc&) {
                    piece.tooLarge = piece.end = true;
                    piece.bytes.clear();
                    piece.done = m_done;
                    return;
                }
            }
            const std::ptrdiff_t got = m_source(piece.bytes.data() + have, piece.bytes.size() - have);
            if (got < 0) {
                // The unfinished line at the error is dropped: its end is unknown.
                piece.failed = piece.end = true;
                piece.error = m_errorReason();
                const void* nl = have > 0 ? std::memchr(piece.bytes.data(), '\n', have) : nullptr;
                if (nl) {
                    std::size_t last = have;
                    while (piece.bytes[last - 1] != '\n')
                        --last;
                    cut = last;
                }
                break;
            }
            m_done += static_cast<std::uint64_t>(got);
            const std::size_t before = have;
            have += static_cast<std::size_t>(got);
            if (got == 0) {
                piece.end = true;
                cut = have;
                break;
            }
            std::size_t last = have;
            while (last > before && piece.bytes[last - 1] != '\n')
                --last;
            if (last > before) {
                cut = last;
                break;
            }
        }
        piece.done = m_done;
        m_carry.assign(piece.bytes.begin() + static_cast<std::ptrdiff_t>(cut),
                       piece.bytes.begin() + static_cast<std::ptrdiff_t>(have));
        piece.bytes.resize(cut);
        if (m_probe && !m_probed)
            m_form = m_probe(std::string_view(piece.bytes.data(), have));
        m_probed = true;
        ToUpperAsciiInPlace(piece.bytes.data(), cut, m_form);
        DataFileReader::SplitLines(piece, 0, cut, &m_headerFields);
    }

private:
    const std::function<std::ptrdiff_t(char*, std::size_t)>& m_source;
    const std::function<std::string()>& m_errorReason;
    std::size_t m_headerFields;
    const DataFileReader::TextProbe& m_probe;
    bool m_probed = false;
    ByteForm m_form = ByteForm::SingleOrUtf8;
    std::vector<char> m_carry;
    std::uint64_t m_done = 0;
};

}  // namespace

void DataFileReader::SplitLines(Piece& piece, std::size_t from, std::size_t to, std::size_t* headerFields)
{
    const char* p = piece.bytes.data() + from;
    const char* end = piece.bytes.data() + to;
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        const char* lineEnd = nl ? nl : end;
        std::size_t size = static_cast<std::size_t>(lineEnd - p);
        if (size > 0 && p[size - 1] == '\r')
            --size;
        Piece::Line line;
        line.text = Trim(std::string_view(p, size));
        if (!line.text.empty()) {
            const auto at = line.text.find("INCREMENT");
            if (at != std::string_view::npos && at > 0) {
                line.kind = Piece::HeaderLine;
                if (*headerFields == 0)
                    *headerFields = CountHeaderFields(line.text);
            } else {
                line.kind = Piece::Data;
                line.firstField = static_cast<std::uint32_t>(piece.fields.size());
                line.ok = SplitFields(line.text, *headerFields, piece.fields);
                line.fieldCount = static_cast<std::uint32_t>(piece.fields.size() - line.firstField);
            }
        }
        piece.lines.push_back(line);
        p = nl ? nl + 1 : end;
    }
}

void DataFileReader::Take(const Piece& piece)
{
    for (const Piece::Line& line : piece.lines) {
        ++m_lineNumber;
        if (m_stopped) {
            // Nothing more is loaded; the data lines are still counted, so the
            // caller can tell how much of the file was left out.
            m_result.dataLines += line.kind == Piece::Data ? 1 : 0;
            continue;
        }
        if (line.kind == Piece::HeaderLine) {
            if (m_frame.HeaderColumns().empty())
                Header(line.text);
        } else if (line.kind == Piece::Data) {
            try {
                DataRow(line.text, line.ok,
                        std::span<const std::string_view>(piece.fields)
                            .subspan(line.firstField, line.fieldCount));
            } catch (const std::length_error&) {
                Stopped(ReadResult::Status::TooLarge, m_shownName + msg::kTooLarge);
            } catch (const std::bad_alloc&) {
                Stopped(ReadResult::Status::TooLarge, m_shownName + msg::kTooLarge);
            }
        }
    }
}

ReadResult DataFileReader::ReadBuffer(std::string_view bytes)
{
    Begin("The file");
    m_totalBytes = bytes.size();
    std::size_t at = 0;
    return ReadChunks(
        [&](char* buffer, std::size_t size) -> std::ptrdiff_t {
            const std::size_t n = std::min(size, bytes.size() - at);
            std::memcpy(buffer, bytes.data() + at, n);
            at += n;
            return static_cast<std::ptrdiff_t>(n);
        },
        [] { return std::string(); }, bytes.size() >= kChunk);
}

ReadResult DataFileReader::ReadChunks(const Source& source, const std::function<std::string()>& errorReason,
                                      bool twoThreads)
{
    Splitter splitter(source, errorReason, m_frame.HeaderColumns().size(), m_probe);
    return TakeAll(
        [&](Piece& piece) {
            splitter.Fill(piece);
            return piece.end;
        },
        twoThreads);
}

ReadResult DataFileReader::ReadPieces(const PieceSource& fill, const std::string& shownName)
{
    Begin(shownName);
    m_totalBytes = m_streamSize;
    return TakeAll(fill, true);
}

ReadResult DataFileReader::TakeAll(const PieceSource& fill, bool twoThreads)
{
    // Returns true at the end.
    const auto take = [&](const Piece& piece) {
        Take(piece);
        if (m_progress)
            m_progress(piece.done, m_totalBytes > 0 ? std::max(m_totalBytes, piece.done) : 0);
        if (piece.tooLarge && !m_stopped)
            Stopped(ReadResult::Status::TooLarge, m_shownName + msg::kTooLarge);
        if (piece.failed) {
            if (piece.done == 0) {
                m_result.status = ReadResult::Status::OpenFailed;
                m_result.message = m_shownName + msg::kFileOpenFailed;
                m_result.reason = piece.error;
            } else if (!m_stopped) {
                ++m_lineNumber;
                Stopped(ReadResult::Status::ReadIncomplete, m_shownName + msg::kReadIncomplete);
                m_result.reason = piece.error;
            }
        }
        return piece.end;
    };
    if (!twoThreads) {
        Piece piece;
        do
            piece.end = fill(piece);
        while (!take(piece));
        return m_result;
    }

    // The second thread fills pieces ahead; this one takes them in order.
    FillAheadInOrder<Piece>(
        [&](Piece& piece) {
            try {
                piece.end = fill(piece);
            } catch (...) {
                piece.tooLarge = piece.end = true;  // out of memory for the lines
            }
            return piece.end;
        },
        take);
    return m_result;
}

ReadResult DataFileReader::ReadFile(const std::string& path, const std::string& shownPath)
{
    Begin(shownPath);
    const platform::PathInfo info = platform::Inspect(path);
    platform::InputFile file;
    if (info.directory || !file.Open(path)) {
        m_result.status = ReadResult::Status::OpenFailed;
        m_result.message = shownPath + msg::kFileOpenFailed;
        m_result.reason = platform::ErrorText(info.directory ? EISDIR : file.Error());
        return m_result;
    }
    m_totalBytes = info.size;
    return ReadChunks([&](char* buffer, std::size_t size) { return file.Read(buffer, size); },
                      [&] { return platform::ErrorText(file.Error()); },
                      !info.regular || info.size >= kChunk);
}

ReadResult DataFileReader::ReadStandardInput(const std::string& shownName)
{
    Begin(shownName);
    platform::InputFile file;
    file.OpenStandardInput();
    return ReadChunks([&](char* buffer, std::size_t size) { return file.Read(buffer, size); },
                      [&] { return platform::ErrorText(file.Error()); }, true);
}

ReadResult DataFileReader::ReadStream(std::istream& in, const std::string& shownName)
{
    Begin(shownName);
    m_totalBytes = m_streamSize;
    std::streambuf* source = in.rdbuf();
    bool bad = source == nullptr || in.bad();
    // What the buffer already holds is taken first, so the bytes before a
    // failing refill are never lost with it.
    const auto read = [&](char* buffer, std::size_t size) -> std::ptrdiff_t {
        if (bad)
            return -1;
        try {
            std::streamsize ready = source->in_avail();
            if (ready < 0)
                return 0;
            if (ready == 0) {
                if (std::istream::traits_type::eq_int_type(source->sgetc(), std::istream::traits_type::eof()))
                    return 0;
                ready = std::max<std::streamsize>(source->in_avail(), 1);
            }
            return source->sgetn(buffer, std::min(ready, static_cast<std::streamsize>(size)));
        } catch (...) {
            bad = true;
            try {
                in.setstate(std::ios::badbit);
            } catch (...) {}
            return -1;
        }
    };
    return ReadChunks(
        read, [] { return platform::ErrorText(EIO); }, true);
}

}  // namespace vantrel
