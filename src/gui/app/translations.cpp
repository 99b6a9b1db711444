#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace vantrel {

Translations::~Translations()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator);
    delete m_translator;
}

Translations::Language Translations::languageFor(const QString& uiLanguage)
{
    return uiLanguage.trimmed().startsWith(QLatin1String("zh"), Qt::CaseInsensitive) ? Language::Chinese
                                                                                     : Language::English;
}

Translations::Language Translations::forSystem()
{
    const QString forced = qEnvironmentVariable("VANTREL_UI_LANGUAGE");
    if (!forced.isEmpty())
        return languageFor(forced);
    const QStringList languages = QLocale::system().uiLanguages();
    return languageFor(languages.isEmpty() ? QString() : languages.first());
}

QString Translations::directoryFor(const QString& programFolder)
{
    // Installed: <prefix>/bin/vantrel reads <prefix>/share/vantrel/translations.
    const QString installed =
        QDir(programFolder).absoluteFilePath(QStringLiteral(VANTREL_TRANSLATIONS_FROM_PROGRAM));
    if (QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
    // Not installed: the catalogues lrelease compiled in the build tree.
    return QStringLiteral(VANTREL_BUILD_TRANSLATIONS);
}

QString Translations::catalogue(Language language)
{
    const QString folder = directoryFor(QCoreApplication::applicationDirPath());
    return folder +
        (language == Language::Chinese ? QStringLiteral("/vantrel_zh_CN.qm")
                                       : QStringLiteral("/vantrel_en.qm"));
}

bool Translations::use(Language language)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    m_language = language;
    auto* translator = new QTranslator;
    if (!translator->load(catalogue(language))) {
        delete translator;
        return false;
    }
    m_translator = translator;
    return QCoreApplication::installTranslator(m_translator);
}

}  // namespace vantrel
