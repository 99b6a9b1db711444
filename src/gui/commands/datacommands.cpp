#include "commands/datacommands.h"

#include "commands/busyscope.h"
#include "common/celltext.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/prompter.h"
#include "common/surveynotifier.h"
#include "commands/undohistory.h"
#include "datafile/datafilereader.h"
#include "datafile/depthwriter.h"
#include "datafile/originwriter.h"
#include "messages.h"
#include "processing/processingsteps.h"
#include "survey.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <new>
#include <optional>
#include <set>

namespace vantrel {

namespace {

constexpr int kStatusTimeout = 5000;
constexpr const char* kDataFileFilters = QT_TRANSLATE_NOOP(
    "vantrel::DataCommands", "DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||");
constexpr int kOrigin = OutputTables::OriginTab;
constexpr int kProcessing = OutputTables::ProcessingTab;
constexpr int kDepth = OutputTables::DepthTab;

// The steps' titles (their undo entries) and busy texts come from the core's
// table; their translations live in this context.
constexpr const char* kStepContext = "vantrel::DataCommands";
[[maybe_unused]] constexpr const char* kStepTexts[] = {
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Choose Data"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Choosing the data..."),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Processed Data"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Choosing and processing the data..."),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Search Bad Points"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Searching bad points..."),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Correct Bad Points"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Correcting bad points..."),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Search Bad Points and Process"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Searching bad points and processing..."),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Field Source"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Processing the field source..."),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Depth Calculation"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Calculating the depth data..."),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Config"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "Changing the processing settings..."),
};

/// True when both paths name one existing file (links followed).
bool sameFile(const QString& a, const QString& b)
{
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(b).canonicalFilePath();
}

}  // namespace

bool isPartialLoad(const ReadResult& result)
{
    return result.Partial();
}

const std::vector<DataCommands::Command>& DataCommands::commands()
{
    using namespace cmd;
    static const std::vector<Command> list = {
        {ID_FILE_OPEN, &DataCommands::OnFileOpen},
        {ID_FILE_SAVE, &DataCommands::OnSaveOriginalData},
        {ID_SAVE_DEPTH_DATA, &DataCommands::OnSaveDepthData},
        {ID_PROPERTIES, &DataCommands::OnProperties},
        {ID_EDIT_UNDO, &DataCommands::OnEditUndo, &DataCommands::canUndo},
        {ID_EDIT_REDO, &DataCommands::OnEditRedo, &DataCommands::canRedo},
    };
    return list;
}

DataCommands::DataCommands(SurveyNotifier& notifier, Prompter& prompter, UndoHistory& history,
                           QObject* parent)
    : QObject(parent), m_notifier(notifier), m_prompter(prompter), m_history(history)
{}

const std::vector<DataCommands::StepCommand>& DataCommands::stepCommands()
{
    using namespace cmd;
    static const std::vector<StepCommand> list = {
        {ID_CHOOSE_DATA, "select"},
        {ID_PROCESSED_DATA, "select-and-process"},
        {ID_DEPTH_DISPLAY, "depth"},
        {ID_CORRECT_BAD_POINTS, "correct-bad-points"},
        {ID_SEARCH_AND_PROCESS, "search-and-process"},
        {ID_SELECT_DATA, "select"},
        {ID_FILEVIEW_PROCESS_SELECTED, "select-and-process"},
        {ID_FILEVIEW_DEPTH, "depth"},
        {ID_FILEVIEW_SEARCH_AND_PROCESS, "search-and-process"},
        {ID_FILEVIEW_CORRECT, "correct-bad-points"},
        {ID_OUTPUT_SEARCH_BAD_POINTS, "search-bad-points"},
        {ID_OUTPUT_CORRECT_BAD_POINTS, "correct-bad-points"},
        {ID_OUTPUT_DEPTH, "depth"},
    };
    return list;
}

void DataCommands::registerWith(CommandRouter& router)
{
    for (const StepCommand& c : stepCommands()) {
        const ProcessingStep* step = FindProcessingStep(c.step);
        Q_ASSERT(step);
        router.addHandler(CommandRouter::Level::MainFrame, c.id, [this, step] { runStep(*step); });
    }
    for (const Command& c : commands()) {
        const auto run = c.run;
        const auto enabled = c.enabled;
        CommandMap::State state;
        if (enabled)
            state = [this, enabled] { return (this->*enabled)(); };
        router.addHandler(
            CommandRouter::Level::MainFrame, c.id, [this, run] { (this->*run)(); }, state);
    }
}

void DataCommands::OnFileOpen()
{
    Survey& survey = m_notifier.survey();
    survey.m_frame.BeginFileOpen();
    if (survey.m_frame.HasOpenFile()) {
        if (!m_prompter.question(QString::fromUtf8(msg::kCloseOpenFile))) {
            m_notifier.notifyStateChanged();
            return;
        }
        closeData();
    }
    const FileChoice choice = m_prompter.openFile(tr(kDataFileFilters));
    if (!choice.accepted || choice.path.isEmpty()) {
        m_notifier.notifyStateChanged();
        return;
    }
    survey.m_frame.SetDataPath(localPath(choice.path), choice.filterIndex);
    readFile(choice.path);
}

void DataCommands::closeData()
{
    Survey& survey = m_notifier.survey();
    m_notifier.beginReset();
    survey.m_frame.CloseData(survey.m_tree, survey.m_tables);
    m_partialRows = 0;
    m_notifier.endReset();
}

void DataCommands::readFile(const QString& path)
{
    Survey& survey = m_notifier.survey();
    const QString name = QFileInfo(path).fileName();
    ReadResult result;
    m_notifier.beginReset();
    {
        BusyScope busy(busyReport(), tr("Reading %1...").arg(name));
        DataFileReader reader(survey.m_frame, survey.m_tables, survey.m_tree);
        reader.SetProgress([&busy](std::uint64_t done, std::uint64_t total) { busy.progress(done, total); });
        result = reader.ReadFile(localPath(path), path.toStdString());
    }
    m_partialRows = isPartialLoad(result) ? result.rowsLoaded : 0;
    m_readFile = path;
    m_notifier.endReset();
    if (!result.message.empty())
        m_prompter.message(cellText(result.message));
    else
        showStatus(result.rowsLoaded == 1 ? tr("1 row read from %1").arg(name)
                                          : tr("%1 rows read from %2").arg(result.rowsLoaded).arg(name));
}

void DataCommands::OnSaveOriginalData()
{
    // Only the file that was read in part loses rows; a save elsewhere (the
    // filter's extension appended to the name read) goes ahead at once.
    const QString target = fromLocalPath(m_notifier.survey().m_frame.DataFile());
    if (m_partialRows > 0 && sameFile(target, m_readFile) &&
        !m_prompter.question(
            tr("Only %1 of the file's rows were read. Saving now replaces the whole file and "
               "the rows that were not read are lost. Save anyway?")
                .arg(m_partialRows),
            Prompter::Default::Cancel))
        return;
    WriteResult result;
    {
        BusyScope busy(busyReport(), tr("Saving the original data..."));
        result = OriginWriter::Save(m_notifier.survey().m_frame, m_notifier.survey().m_tables);
    }
    if (!result.ok)
        m_prompter.message(cellText(result.message));
    else
        showStatus(tr("Original data saved to %1").arg(fromLocalPath(result.path)));
}

void DataCommands::OnSaveDepthData()
{
    const OutputTables& tables = m_notifier.survey().m_tables;
    if (tables.Depth().RowCount() == 0) {
        m_prompter.message(QString::fromUtf8(msg::kNoDepthData));
        return;
    }
    const FileChoice choice = m_prompter.saveFile(tr(kDataFileFilters));
    if (!choice.accepted || choice.path.isEmpty())
        return;
    const std::string target = DepthWriter::TargetPath(localPath(choice.path), choice.filterIndex);
    WriteResult result;
    {
        BusyScope busy(busyReport(), tr("Saving the depth data..."));
        result = DepthWriter::Save(target, tables);
    }
    if (!result.ok)
        m_prompter.message(cellText(result.message));
    else
        showStatus(tr("Depth data saved to %1").arg(fromLocalPath(target)));
}

void DataCommands::OnProperties()
{
    m_prompter.message(tr("Properties...."));
}

void DataCommands::OnEditUndo()
{
    const QString step = m_history.undo();
    if (!step.isEmpty())
        showStatus(tr("Undone: %1").arg(step));
}

void DataCommands::OnEditRedo()
{
    const QString step = m_history.redo();
    if (!step.isEmpty())
        showStatus(tr("Redone: %1").arg(step));
}

bool DataCommands::canUndo() const
{
    return m_history.canUndo();
}

bool DataCommands::canRedo() const
{
    return m_history.canRedo();
}

void DataCommands::runStep(const ProcessingStep& step, std::optional<std::string> argument)
{
    Survey& survey = m_notifier.survey();
    const std::string question = step.question(survey);
    if (!question.empty() && !m_prompter.question(QString::fromUtf8(question)))
        return;
    if (!argument)
        argument = step.argumentOf ? step.argumentOf(survey) : std::string();
    const QString title = QCoreApplication::translate(kStepContext, std::string(step.title).c_str());
    const OutputTables& core = survey.m_tables;
    // The user's tab stays unless the step itself asks for another one.
    const int tabBefore = core.ActiveTab();
    OperationReport report;
    QString historyNote;
    const QString outOfMemory =
        tr("Not enough memory to keep \"%1\" for undo; the undo history was cleared.").arg(title);
    {
        BusyScope busy(busyReport(),
                       QCoreApplication::translate(kStepContext, std::string(step.busyText).c_str()));
        // Without the memory for the state before, the step still runs; it
        // only cannot be taken back, and neither can the steps before it.
        std::optional<DataStepCommand::State> before;
        try {
            before = m_history.capture();
        } catch (const std::bad_alloc&) {
            m_history.clear();
            historyNote = outOfMemory;
        }
        report = RunProcessingStep(step, survey, *argument);
        // What changed is announced before the record, so that the record
        // carries the notifier's numbers of the new state.
        const StepChanges& changes = step.changes;
        if (changes.origin)
            m_notifier.notifyTableChanged(kOrigin);
        if (changes.processing)
            m_notifier.notifyTableChanged(kProcessing);
        if (changes.depth)
            m_notifier.notifyTableChanged(kDepth);
        if (changes.marks)
            m_notifier.notifyMarksChanged();
        if (changes.settings)
            m_notifier.notifySettingsChanged();
        if (before) {
            try {
                const int dropped = m_history.record(title, std::move(*before));
                if (dropped > 0)
                    historyNote = dropped == 1
                        ? tr("The undo history is limited to %1 MiB: the oldest step can no longer be "
                             "undone.")
                              .arg(m_history.limit() >> 20)
                        : tr("The undo history is limited to %1 MiB: the %2 oldest steps can no longer be "
                             "undone.")
                              .arg(m_history.limit() >> 20)
                              .arg(dropped);
            } catch (const std::bad_alloc&) {
                m_history.clear();
                historyNote = outOfMemory;
            }
        }
    }
    if (core.ActiveTab() != tabBefore)
        m_notifier.requestActiveTab(core.ActiveTab());
    m_notifier.notifyStateChanged();
    if (!historyNote.isEmpty())
        showStatus(historyNote);
    show(report);
}

bool DataCommands::runStep(std::string_view name, std::optional<std::string> argument)
{
    const ProcessingStep* step = FindProcessingStep(name);
    if (!step)
        return false;
    runStep(*step, std::move(argument));
    return true;
}

void DataCommands::show(const OperationReport& report)
{
    // One operation may say the same thing for every file group: each text once.
    std::set<std::string> shown;
    for (const std::string& text : report.messages)
        if (shown.insert(text).second)
            m_prompter.message(cellText(text));
}

void DataCommands::showStatus(const QString& text)
{
    Q_EMIT statusInfo(text, kStatusTimeout);
}

BusyScope::Report DataCommands::busyReport()
{
    return [this](bool busy, const QString& text) { Q_EMIT busyChanged(busy, text); };
}

}  // namespace vantrel
