#include "stringtable.h"

#include <QLocale>
#include <QStringList>

namespace vantrel {

namespace {

struct Entry {
    int id;
    const char* chinese;
    const char* english;  // nullptr: same as the Chinese-system text
};

// The Chinese-system texts are mostly English: they are the texts a Chinese
// system shows, the English version words some of them differently.
constexpr Entry kEntries[] = {
    {57345, "Ready", nullptr},
    {57600, "Create new file\nNew", nullptr},
    {57601, "Open a exist file\nOpen", "Open an existing File\nOpen"},
    {57602, "Close the Active File\nClose", nullptr},
    {57603, "Save the Current File\nSave", "Save the active file\nSave"},
    {32807, "Save Depth Data\nSave Depth Data", "Save depth data\nDepth Save"},
    {32811, "Print Picture\nPrint", "Print Chart\nPrint"},
    {32816, "Process Data\nProcess Data", "Field Process\nField Process"},
    {32786, "Draw Ichnography Curving Graph\nIchnography Curving Graph",
     "Draw a plane cross-sectional chart\nPlane Chart"},
    {32781, "Draw Vertical Curving Graph\nVertical Curving Graph", "Draw vertical cross-section chart \nvertical Chart"},
    {32779, "Draw  Round Graph\n Round Graph", "Draw a ring chart\nRing Chart"},
    {57664, "Display program information version number and copyright information\nAbout", nullptr},
    {57665, "Exit the Sofeware；mantion save the file\nExit", "Exit the application; prompt to save the document\nExit"},
    {57634, "Copy the selection and place it on the clipboard\nCopy", nullptr},
    {57637, "Insert the clipboard contents\nPaste", nullptr},
    {59393, "显示或隐藏状态栏\n切换状态栏", "Show or hide the status bar \nToggle Status Bar"},
    // The panes: their titles, the tab titles, the file view's toolbar.
    {155, "File View", nullptr},
    {157, "Show Table", nullptr},
    {300, "Origin Data", nullptr},
    {301, "Processing Data", "Data Processing"},
    {302, "Depth Data", nullptr},
    {136, "Select the data to be processed\nselect", "Select the file to be processed\nSelect"},
    {32814, "process selected files\nProcessing data",
     "The selection of the source file for field treatment\nField Process"},
    {32801, "caculate depth data\nDepth Data", "Calculate depth data\nDepth Calculation"},
    {128,
     "Selvo Intelligent data processing software V1.6.8-- 塞尔沃智能勘探技术有限公司 -- 地球物理勘查研究所",
     "Selvo Intelligent data processing software V1.6"},
};

}  // namespace

StringTable::StringTable(Language language) : m_language(language)
{
    for (const Entry& e : kEntries) {
        const char* text = (language == Language::English && e.english) ? e.english : e.chinese;
        m_texts.insert(e.id, QString::fromUtf8(text));
    }
}

StringTable::Language StringTable::languageFor(const QString& uiLanguage)
{
    return uiLanguage.trimmed().startsWith(QLatin1String("zh"), Qt::CaseInsensitive) ? Language::Chinese
                                                                                       : Language::English;
}

StringTable StringTable::forSystem()
{
    const QString forced = qEnvironmentVariable("VANTREL_UI_LANGUAGE");
    if (!forced.isEmpty())
        return StringTable(languageFor(forced));
    const QStringList languages = QLocale::system().uiLanguages();
    return StringTable(languageFor(languages.isEmpty() ? QString() : languages.first()));
}

QString StringTable::text(int id) const
{
    return m_texts.value(id);
}

QString StringTable::prompt(int id) const
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(QLatin1Char('\n'));
    return nl < 0 ? t : t.left(nl);
}

QString StringTable::toolTip(int id) const
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : t.mid(nl + 1);
}

QString StringTable::idlePrompt() const
{
    return text(kIdleId);
}

QString StringTable::windowTitle() const
{
    return text(kTitleId);
}

}  // namespace vantrel
