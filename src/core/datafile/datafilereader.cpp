#include "datafilereader.h"

#include "columnrules.h"
#include "datafilelistener.h"
#include "framestate.h"
#include "messages.h"
#include "numbers.h"
#include "outputtables.h"
#include "platform.h"
#include "textcase.h"

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
{
}

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
    auto& header = m_frame.m_arrHeaderColumns;
    std::size_t p = 0;
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
        header.emplace_back(name);
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
        } else if (Contains(name, "HZ") && !m_frame.m_bDashColumns) {
            frequency = true;
        } else if (Contains(name, "-") && !Contains(name, "ID")) {
            frequency = true;
            m_frame.m_bDashColumns = true;
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

DataFileReader::LineOutcome DataFileReader::DataLine(std::string_view line)
{
    const auto& header = m_frame.m_arrHeaderColumns;
    const std::size_t n = header.size();
    // A trailing run of separators carries no field: the writers end every
    // line with one, and it must not grow the last field on each save.
    while (!line.empty() && (line.back() == ',' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);

    m_fields.clear();
    bool ok = n > 0;
    if (n == 1) {
        m_fields.push_back(line);
    } else if (n > 1) {
        std::size_t p = 0;
        for (std::size_t k = 0; k + 1 < n; ++k) {
            while (p < line.size() && IsDelimiter(line[p]))
                ++p;
            if (p == line.size()) {
                ok = false;
                break;
            }
            const std::size_t start = p;
            while (p < line.size() && !IsDelimiter(line[p]))
                ++p;
            m_fields.push_back(line.substr(start, p - start));
            if (p < line.size())
                ++p;  // the single delimiter that ends the field
        }
        if (ok)
            m_fields.push_back(line.substr(p));
    }
    ++m_result.dataLines;
    if (!ok) {
        Stopped(ReadResult::Status::RowsMismatch, msg::kRowsMismatch);
        return LineOutcome::Stop;
    }
    if (m_result.rowsLoaded == 0 && m_totalBytes > 0) {
        const auto expected = static_cast<std::size_t>(m_totalBytes / (line.size() + 2) * 11 / 10 + 16);
        m_tables.m_origin.ReserveRows(expected);
        m_listener.ExpectRows(expected);
    }
    const auto field = [&](int column) { return m_fields[static_cast<std::size_t>(column)]; };
    m_listener.AddRowItem(CAtoi(field(m_fileColumn)), field(m_dateTimeColumn), CAtoi(field(m_incrementColumn)),
                          header[static_cast<std::size_t>(m_incrementColumn)], CAtoi(field(m_modeColumn)),
                          header[static_cast<std::size_t>(m_modeColumn)]);
    m_tables.AddOriginRow(m_fields);
    ++m_result.rowsLoaded;
    return LineOutcome::Go;
}

DataFileReader::LineOutcome DataFileReader::Line(char* text, std::size_t size)
{
    ++m_lineNumber;
    if (size > 0 && text[size - 1] == '\r')
        --size;
    ToUpperAsciiInPlace(text, size);
    const std::string_view line = Trim(std::string_view(text, size));
    if (line.empty())
        return LineOutcome::Go;
    const auto at = line.find("INCREMENT");
    if (at != std::string_view::npos && at > 0) {
        if (m_frame.m_arrHeaderColumns.empty())
            Header(line);
        return LineOutcome::Go;
    }
    return DataLine(line);
}

void DataFileReader::Stopped(ReadResult::Status status, std::string message)
{
    m_result.status = status;
    m_result.message = std::move(message);
    m_result.lineNumber = m_lineNumber;
    m_stopped = true;
}

void DataFileReader::Feed(char* text, std::size_t size)
{
    if (m_stopped) {
        // Nothing more is loaded; the data lines are still counted, so the
        // caller can tell how much of the file was left out.
        if (size > 0 && text[size - 1] == '\r')
            --size;
        ToUpperAsciiInPlace(text, size);
        const std::string_view line = Trim(std::string_view(text, size));
        const auto at = line.find("INCREMENT");
        if (!line.empty() && (at == std::string_view::npos || at == 0))
            ++m_result.dataLines;
        return;
    }
    try {
        if (Line(text, size) == LineOutcome::Stop)
            m_stopped = true;
    } catch (const std::length_error&) {
        Stopped(ReadResult::Status::TooLarge, m_shownName + msg::kTooLarge);
    } catch (const std::bad_alloc&) {
        Stopped(ReadResult::Status::TooLarge, m_shownName + msg::kTooLarge);
    }
}

ReadResult DataFileReader::ReadBuffer(std::string_view bytes)
{
    Begin("The file");
    m_totalBytes = bytes.size();
    std::string line;  // each line is upper-cased in a copy; the caller's bytes stay as they are
    std::size_t p = 0;
    while (p < bytes.size()) {
        const std::size_t nl = bytes.find('\n', p);
        const std::size_t lineEnd = nl == std::string_view::npos ? bytes.size() : nl;
        line.assign(bytes.data() + p, lineEnd - p);
        Feed(line.data(), line.size());
        p = nl == std::string_view::npos ? bytes.size() : nl + 1;
    }
    return m_result;
}

ReadResult DataFileReader::ReadChunks(const Source& source, const std::function<std::string()>& errorReason)
{
    constexpr std::size_t kChunk = 1 << 20;
    std::vector<char> buf(kChunk);
    std::size_t have = 0;  // bytes of an unfinished line at the start of buf
    std::uint64_t done = 0;
    for (;;) {
        if (buf.size() - have < kChunk / 2) {
            try {
                buf.resize(buf.size() * 2);  // a line longer than the buffer
            } catch (const std::bad_alloc&) {
                if (!m_stopped)
                    Stopped(ReadResult::Status::TooLarge, m_shownName + msg::kTooLarge);
                return m_result;
            }
        }
        const std::ptrdiff_t got = source(buf.data() + have, buf.size() - have);
        if (got < 0) {
            if (done == 0) {
                m_result.status = ReadResult::Status::OpenFailed;
                m_result.message = m_shownName + msg::kFileOpenFailed;
                m_result.reason = errorReason();
                return m_result;
            }
            // The unfinished line at the error is dropped: its end is unknown.
            if (!m_stopped) {
                ++m_lineNumber;
                Stopped(ReadResult::Status::ReadIncomplete, m_shownName + msg::kReadIncomplete);
                m_result.reason = errorReason();
            }
            return m_result;
        }
        done += static_cast<std::uint64_t>(got);
        const bool eof = got == 0;
        char* p = buf.data();
        char* end = buf.data() + have + got;
        for (;;) {
            char* nl = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            if (!nl && !(eof && p < end))
                break;
            char* lineEnd = nl ? nl : end;
            Feed(p, static_cast<std::size_t>(lineEnd - p));
            p = nl ? nl + 1 : end;
        }
        have = static_cast<std::size_t>(end - p);
        std::memmove(buf.data(), p, have);
        if (m_progress)
            m_progress(done, m_totalBytes > 0 ? std::max(m_totalBytes, done) : 0);
        if (eof)
            return m_result;
    }
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
                      [&] { return platform::ErrorText(file.Error()); });
}

ReadResult DataFileReader::ReadStandardInput(const std::string& shownName)
{
    Begin(shownName);
    platform::InputFile file;
    file.OpenStandardInput();
    return ReadChunks([&](char* buffer, std::size_t size) { return file.Read(buffer, size); },
                      [&] { return platform::ErrorText(file.Error()); });
}

ReadResult DataFileReader::ReadStream(std::istream& in, const std::string& shownName)
{
    Begin(shownName);
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
            } catch (...) {
            }
            return -1;
        }
    };
    return ReadChunks(read, [] { return platform::ErrorText(EIO); });
}

}  // namespace vantrel
