#pragma once

#include <QHash>
#include <QString>

namespace vantrel {

/// The texts of the two data panes that differ between the Chinese-system and
/// the English string tables: the pane toolbar tips and the tab titles.
/// Entries hold the status-bar prompt and the tool tip separated by "\n".
class PaneStrings {
public:
    enum class Language { Chinese, English };

    explicit PaneStrings(Language language = Language::English);

    /// The table for this system's user-interface language: Chinese when the
    /// first UI language is Chinese, English otherwise. VANTREL_UI_LANGUAGE
    /// ("zh" or "en") overrides the system's choice.
    static Language systemLanguage();

    Language language() const { return m_language; }
    QString text(int id) const;
    QString prompt(int id) const;
    QString toolTip(int id) const;

    static constexpr int kFileViewTitle = 155;
    static constexpr int kOutputTitle = 157;
    static constexpr int kOriginTab = 300;
    static constexpr int kProcessingTab = 301;
    static constexpr int kDepthTab = 302;

private:
    Language m_language;
    QHash<int, QString> m_texts;
};

}  // namespace vantrel
