#include "datafilereader.h"

#include "columnrules.h"
#include "datafilelistener.h"
#include "framestate.h"
#include "messages.h"
#include "numbers.h"
#include "outputtables.h"
#include "textcase.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <sys/stat.h>

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

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

DataFileReader::DataFileReader(FrameState& frame, OutputTables& tables, DataFileListener& listener)
    : m_frame(frame), m_tables(tables), m_listener(listener)
{
}

void DataFileReader::Begin()
{
    m_result = ReadResult();
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
    if (!ok) {
        m_result.status = ReadResult::Status::RowsMismatch;
        m_result.message = msg::kRowsMismatch;
        m_result.lineNumber = m_lineNumber;
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

ReadResult DataFileReader::ReadBuffer(std::string_view bytes)
{
    Begin();
    m_totalBytes = bytes.size();
    std::string line;  // each line is upper-cased in a copy; the caller's bytes stay as they are
    try {
        std::size_t p = 0;
        while (p < bytes.size()) {
            const std::size_t nl = bytes.find('\n', p);
            const std::size_t lineEnd = nl == std::string_view::npos ? bytes.size() : nl;
            line.assign(bytes.data() + p, lineEnd - p);
            if (Line(line.data(), line.size()) == LineOutcome::Stop)
                return m_result;
            p = nl == std::string_view::npos ? bytes.size() : nl + 1;
        }
    } catch (const std::length_error&) {
        m_result.status = ReadResult::Status::TooLarge;
        m_result.message = std::string("The file") + msg::kTooLarge;
        m_result.lineNumber = m_lineNumber;
    } catch (const std::bad_alloc&) {
        m_result.status = ReadResult::Status::TooLarge;
        m_result.message = std::string("The file") + msg::kTooLarge;
        m_result.lineNumber = m_lineNumber;
    }
    return m_result;
}

ReadResult DataFileReader::ReadFile(const std::string& path, const std::string& shownPath)
{
    Begin();
    const auto openFailed = [&] {
        m_result.status = ReadResult::Status::OpenFailed;
        m_result.message = shownPath + msg::kFileOpenFailed;
        return m_result;
    };
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return openFailed();
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return openFailed();
    const std::uint64_t total = S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
    m_totalBytes = total;

    constexpr std::size_t kChunk = 1 << 20;
    std::vector<char> buf(kChunk);
    std::size_t have = 0;  // bytes of an unfinished line at the start of buf
    std::uint64_t done = 0;
    try {
        if (total > 0)
        for (;;) {
            if (buf.size() - have < kChunk / 2)
                buf.resize(buf.size() * 2);  // a line longer than the buffer
            const std::size_t got = std::fread(buf.data() + have, 1, buf.size() - have, file.get());
            if (got == 0 && std::ferror(file.get())) {
                if (m_result.rowsLoaded == 0 && m_frame.m_arrHeaderColumns.empty())
                    return openFailed();
                break;
            }
            done += got;
            const bool eof = got == 0;
            char* p = buf.data();
            char* end = buf.data() + have + got;
            for (;;) {
                char* nl = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
                if (!nl && !(eof && p < end))
                    break;
                char* lineEnd = nl ? nl : end;
                if (Line(p, static_cast<std::size_t>(lineEnd - p)) == LineOutcome::Stop)
                    return m_result;
                p = nl ? nl + 1 : end;
            }
            have = static_cast<std::size_t>(end - p);
            std::memmove(buf.data(), p, have);
            if (m_progress)
                m_progress(done, total);
            if (eof)
                break;
        }
    } catch (const std::length_error&) {
        m_result.status = ReadResult::Status::TooLarge;
        m_result.message = shownPath + msg::kTooLarge;
        m_result.lineNumber = m_lineNumber;
    } catch (const std::bad_alloc&) {
        m_result.status = ReadResult::Status::TooLarge;
        m_result.message = shownPath + msg::kTooLarge;
        m_result.lineNumber = m_lineNumber;
    }
    return m_result;
}

}  // namespace vantrel
