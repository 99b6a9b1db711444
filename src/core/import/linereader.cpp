#include "linereader.h"

#include "textlayout.h"

#include <algorithm>
#include <cstring>

namespace vantrel {

namespace {

constexpr std::size_t kReadSize = 1 << 20;

}  // namespace

LineReader::LineReader(Source source) : m_source(std::move(source)) {}

bool LineReader::ReadMore()
{
    if (m_atEnd)
        return false;
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_scanned = std::max(m_scanned, m_begin) - m_begin;
        m_newline = m_newline != kNoNewline && m_newline >= m_begin ? m_newline - m_begin : kNoNewline;
        m_begin = 0;
    }
    if (m_buffer.size() - m_end < kReadSize / 2)
        m_buffer.resize(std::max(m_buffer.size() * 2, m_end + kReadSize));
    const std::ptrdiff_t got = m_source(m_buffer.data() + m_end, m_buffer.size() - m_end);
    if (got <= 0) {
        m_atEnd = true;
        m_failed = got < 0;
        return false;
    }
    m_end += static_cast<std::size_t>(got);
    return true;
}

std::string_view LineReader::Head(std::size_t bytes, std::size_t lines)
{
    std::size_t ends = 0, counted = 0;
    for (;;) {
        for (; counted < m_end; ++counted) {
            const char c = m_buffer[counted];
            if (c == '\r' && counted + 1 == m_end)
                break;  // the next byte tells whether it ends a line of its own
            ends += c == '\n' || (c == '\r' && m_buffer[counted + 1] != '\n') ? 1 : 0;
        }
        if ((m_end >= bytes && ends >= lines) || !ReadMore())
            break;
    }
    return {m_buffer.data(), m_end};
}

std::size_t LineReader::NextNewline()
{
    if (m_newline != kNoNewline && m_newline >= m_begin)
        return m_newline;
    const std::size_t from = std::max(m_begin, m_scanned);
    const void* nl = std::memchr(m_buffer.data() + from, '\n', m_end - from);
    m_scanned = m_end;
    if (!nl)
        return m_newline = kNoNewline;
    m_scanned = static_cast<std::size_t>(static_cast<const char*>(nl) - m_buffer.data()) + 1;
    return m_newline = m_scanned - 1;
}

bool LineReader::NextLine(std::string_view* line)
{
    if (!m_started) {
        m_started = true;
        while (m_end - m_begin < 3 && ReadMore()) {}
        if (std::string_view(m_buffer.data(), m_end).substr(0, 3) == "\xEF\xBB\xBF")
            m_begin = 3;
    }
    for (;;) {
        // A line is whole once its '\n' or a '\r' with a byte after it is held.
        std::size_t end = NextNewline();
        if (end != kNoNewline) {
            ++end;
        } else if (const void* cr = std::memchr(m_buffer.data() + m_begin, '\r', m_end - m_begin);
                   cr && static_cast<const char*>(cr) + 1 < m_buffer.data() + m_end) {
            end = static_cast<std::size_t>(static_cast<const char*>(cr) - m_buffer.data()) + 1;
        } else if (m_atEnd || !ReadMore()) {
            if (m_begin == m_end)
                return false;
            end = m_end;
        } else {
            continue;
        }
        std::size_t at = 0;
        TextLayout::NextLineOf(std::string_view(m_buffer.data() + m_begin, end - m_begin), &at, line);
        m_begin += at;
        return true;
    }
}

}  // namespace vantrel
