#pragma once

#include <QString>

#include <memory>
#include <string>
#include <string_view>

namespace vantrel {

class TextDecoder;

/// How the views show the bytes of the open survey: decoded from the survey's
/// text encoding (UTF-8 when none is set) and cut to what a view can show.
/// The bytes themselves stay as they are; only what is shown is decoded.
class ShownText {
public:
    ShownText();
    ~ShownText();
    ShownText(const ShownText&) = delete;
    ShownText& operator=(const ShownText&) = delete;

    /// ICU's name of the encoding ("GB18030", "windows-1252"); empty or
    /// "UTF-8" shows the bytes as UTF-8 (Latin-1 where they are not).
    void setEncoding(const std::string& name);
    /// The encoding in use, "UTF-8" when none was set.
    const std::string& encoding() const { return m_encoding; }

    /// The bytes decoded and cut to kShownTextLength characters (see shownText()).
    QString operator()(std::string_view bytes) const;
    /// The bytes decoded whole.
    QString whole(std::string_view bytes) const;

private:
    std::string m_encoding = "UTF-8";
    std::unique_ptr<TextDecoder> m_decoder;  // none for UTF-8
};

}  // namespace vantrel
