#pragma once

#include <QHash>
#include <QString>

namespace vantrel {

/// The program's string table: the status-bar prompts and tool tips of the
/// commands, the idle prompt, the main window's title and the panes' titles. Two versions exist,
/// one for Chinese systems and one for every other; the menus and dialogs
/// exist once and are not part of it.
class StringTable {
public:
    enum class Language { Chinese, English };

    explicit StringTable(Language language = Language::English);

    /// The table for this system's user-interface language: the Chinese table
    /// when the first UI language is Chinese, the English table otherwise.
    /// The environment variable VANTREL_UI_LANGUAGE ("zh" or "en") overrides
    /// the system's choice.
    static StringTable forSystem();
    /// "zh..." gives Chinese, anything else English.
    static Language languageFor(const QString& uiLanguage);

    Language language() const { return m_language; }

    /// The whole entry, prompt and tool tip separated by "\n"; empty when the
    /// id has none.
    QString text(int id) const;
    /// The text before "\n": shown in the status bar while the command is
    /// under the pointer.
    QString prompt(int id) const;
    /// The text after "\n": the command's tool tip. Empty without one.
    QString toolTip(int id) const;
    /// The idle prompt of the status bar ("Ready").
    QString idlePrompt() const;
    /// The main window's title (string 128).
    QString windowTitle() const;

    static constexpr int kIdleId = 57345;
    static constexpr int kTitleId = 128;
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
