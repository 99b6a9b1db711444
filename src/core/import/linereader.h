#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace vantrel {

/// The lines of a text read piece by piece, split as TextLayout splits a
/// whole text (a UTF-8 byte order mark at its start is passed over), while
/// only about a megabyte of it is held at a time.
class LineReader {
public:
    /// Fills a buffer: the bytes read, 0 at the end, -1 on a read error.
    using Source = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

    explicit LineReader(Source source);

    /// Reads on until at least `bytes` bytes and `lines` whole lines are
    /// held, or the text ends, and gives the text from its start (a byte
    /// order mark included). Only before the first NextLine; the view lasts
    /// until then.
    std::string_view Head(std::size_t bytes, std::size_t lines);

    /// The next line without its line end; false at the end of the text and
    /// after a read error. The view lasts until the next call.
    bool NextLine(std::string_view* line);

    /// A read failed: the lines before it were given, the rest is unknown.
    bool Failed() const { return m_failed; }

private:
    /// Reads more after what is held, moving that to the front first; false
    /// at the end of the text or at a read error.
    bool ReadMore();
    static constexpr std::size_t kNoNewline = static_cast<std::size_t>(-1);
    /// Where the first '\n' at or after m_begin lies, or kNoNewline when none
    /// is held: each byte is searched once however long a line without one is.
    std::size_t NextNewline();

    Source m_source;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;             // the first byte not yet given in a line
    std::size_t m_end = 0;               // the end of what was read
    std::size_t m_scanned = 0;           // searched for '\n' up to here
    std::size_t m_newline = kNoNewline;  // the '\n' found there, if any
    bool m_atEnd = false;
    bool m_failed = false;
    bool m_started = false;
};

}  // namespace vantrel
