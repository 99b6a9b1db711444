#pragma once

#include <QString>

class QTranslator;

namespace vantrel {

/// The language of the user interface and its catalogue. The program's texts
/// are written in English in the code; a Chinese system shows the Chinese
/// catalogue (translations/vantrel_zh_CN.ts), every other system the English
/// one (translations/vantrel_en.ts), which carries the captions the program
/// shows in Chinese whatever the language. The compiled catalogues are files:
/// installed in share/vantrel/translations beside the program's bin folder,
/// read from the build tree when the program runs where it was built.
class Translations {
public:
    enum class Language { Chinese, English };

    Translations() = default;
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    /// The language for this system: Chinese when the first UI language is
    /// Chinese, English otherwise. The environment variable
    /// VANTREL_UI_LANGUAGE ("zh" or "en") overrides the system's choice.
    static Language forSystem();
    /// "zh..." gives Chinese, anything else English.
    static Language languageFor(const QString& uiLanguage);
    /// The folder of the compiled catalogues for a program in `programFolder`:
    /// ../share/vantrel/translations from it when that exists, else the build tree's.
    static QString directoryFor(const QString& programFolder);
    /// The path of a language's compiled catalogue for this program.
    static QString catalogue(Language language);

    /// Installs the catalogue of `language` on the application in place of
    /// the one installed before. Widgets made afterwards show its texts.
    /// False when the catalogue cannot be loaded (the English texts show then).
    bool use(Language language);
    Language language() const { return m_language; }

private:
    QTranslator* m_translator = nullptr;
    Language m_language = Language::English;
};

}  // namespace vantrel
