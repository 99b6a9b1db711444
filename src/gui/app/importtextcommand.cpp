#include "app/importtextcommand.h"

#include "app/importtextdialog.h"
#include "commands/datacommands.h"
#include "common/celltext.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/prompter.h"
#include "encodingdetector.h"
#include "import/fillin.h"
#include "import/textlayout.h"
#include "mappingjson.h"
#include "messages.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace vantrel {

namespace {

constexpr const char* kTextFilters = QT_TRANSLATE_NOOP(
    "vantrel::ImportTextCommand", "Text File(*.csv;*.txt;*.dat)|*.csv;*.txt;*.dat|All File(*.*) |*.*||");

/// The settings key of a header: its line's bytes hashed (a BOM left out).
QString headerKey(std::string_view head)
{
    const TextLayout layout(head);
    const auto lines = layout.FirstLines(1);
    const std::string_view line = lines.empty() ? std::string_view() : lines.front();
    return QStringLiteral("ImportMappings/") +
        QString::fromLatin1(
               QCryptographicHash::hash(QByteArray(line.data(), static_cast<qsizetype>(line.size())),
                                        QCryptographicHash::Sha256)
                   .toHex());
}

}  // namespace

ImportTextCommand::ImportTextCommand(DataCommands& data, Prompter& prompter, QWidget* dialogParent,
                                     QObject* parent)
    : QObject(parent), m_data(data), m_prompter(prompter), m_dialogParent(dialogParent)
{}

void ImportTextCommand::registerWith(CommandRouter& router)
{
    router.addHandler(CommandRouter::Level::MainFrame, cmd::ID_IMPORT_TEXT, [this] { OnImportText(); });
}

std::optional<std::pair<ImportMapping, std::string>> ImportTextCommand::remembered(std::string_view head)
{
    QSettings settings;
    settings.beginGroup(headerKey(head));
    const QString json = settings.value(QStringLiteral("Mapping")).toString();
    if (json.isEmpty())
        return std::nullopt;
    MappingFromJsonResult read = MappingFromJson(json.toStdString());
    if (!read.ok)
        return std::nullopt;
    return std::make_pair(read.mapping, settings.value(QStringLiteral("Encoding")).toString().toStdString());
}

void ImportTextCommand::remember(std::string_view head, const ImportMapping& mapping,
                                 const std::string& encoding)
{
    QSettings settings;
    settings.beginGroup(headerKey(head));
    settings.setValue(QStringLiteral("Mapping"), QString::fromStdString(MappingToJson(mapping)));
    settings.setValue(QStringLiteral("Encoding"), QString::fromStdString(encoding));
}

void ImportTextCommand::OnImportText()
{
    const FileChoices choice = m_prompter.openFiles(tr(kTextFilters));
    if (!choice.accepted || choice.paths.isEmpty())
        return;
    const QString first = choice.paths.first();
    QFile file(first);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompter.message(tr("%1 could not be opened: %2").arg(first, file.errorString()));
        return;
    }
    const QByteArray bytes = file.read(kDetectionBytes);
    const std::string head = bytes.toStdString();
    const DetectedEncoding detected = DetectEncoding(head);
    if (head.find('\0') != std::string::npos) {
        m_prompter.message(cellText(FillIn(detected.utf16 ? msg::kUtf16Text : msg::kImportNotText,
                                           {QFileInfo(first).fileName().toStdString()})));
        return;
    }
    ImportMapping mapping = GuessMapping(TextLayout(head));
    std::string encoding = detected.name;
    if (const auto known = remembered(head)) {
        mapping = known->first;
        if (!known->second.empty())
            encoding = known->second;
    }
    QString title = QFileInfo(first).fileName();
    if (choice.paths.size() > 1)
        title = tr("%1 and %n more file(s)", nullptr, static_cast<int>(choice.paths.size() - 1)).arg(title);
    ImportTextDialog dialog(m_prompter, title, head, mapping, encoding, m_dialogParent);
    if (m_prompter.runDialog(dialog) != QDialog::Accepted)
        return;
    remember(head, dialog.mapping(), dialog.encoding());
    if (!m_data.closeBeforeOpening())
        return;
    m_data.loadFiles(choice.paths, dialog.mapping(), dialog.encoding());
}

}  // namespace vantrel
