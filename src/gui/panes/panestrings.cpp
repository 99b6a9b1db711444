#include "panestrings.h"

#include "app/commandids.h"

#include <QLocale>

namespace vantrel {

PaneStrings::PaneStrings(Language language)
    : m_language(language)
{
    const bool zh = language == Language::Chinese;
    m_texts = {
        {kFileViewTitle, QStringLiteral("File View")},
        {kOutputTitle, QStringLiteral("Show Table")},
        {kOriginTab, QStringLiteral("Origin Data")},
        {kProcessingTab, zh ? QStringLiteral("Processing Data") : QStringLiteral("Data Processing")},
        {kDepthTab, QStringLiteral("Depth Data")},
        {cmd::ID_SELECT_DATA, zh ? QStringLiteral("Select the data to be processed\nselect")
                                 : QStringLiteral("Select the file to be processed\nSelect")},
        {cmd::ID_FILEVIEW_PROCESS_SELECTED,
         zh ? QStringLiteral("process selected files\nProcessing data")
            : QStringLiteral("The selection of the source file for field treatment\nField Process")},
        {cmd::ID_FILEVIEW_DEPTH, zh ? QStringLiteral("caculate depth data\nDepth Data")
                                    : QStringLiteral("Calculate depth data\nDepth Calculation")},
    };
}

PaneStrings::Language PaneStrings::systemLanguage()
{
    const QString forced = qEnvironmentVariable("VANTREL_UI_LANGUAGE");
    const QString first = !forced.isEmpty() ? forced : QLocale::system().uiLanguages().value(0);
    return first.startsWith(QLatin1String("zh"), Qt::CaseInsensitive) ? Language::Chinese : Language::English;
}

QString PaneStrings::text(int id) const
{
    return m_texts.value(id);
}

QString PaneStrings::prompt(int id) const
{
    return text(id).section(QLatin1Char('\n'), 0, 0);
}

QString PaneStrings::toolTip(int id) const
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : t.mid(nl + 1);
}

}  // namespace vantrel
