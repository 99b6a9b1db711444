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
#include "processing/badpoints.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "processing/fieldsource.h"

#include <QFileInfo>
#include <QStatusBar>

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

void append(OperationReport& into, const OperationReport& from)
{
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
    into.stopped = into.stopped || from.stopped;
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
        {ID_CHOOSE_DATA, &DataCommands::OnChooseData},
        {ID_PROCESSED_DATA, &DataCommands::OnProcessedData},
        {ID_DEPTH_DISPLAY, &DataCommands::OnDepthDisplay},
        {ID_CORRECT_BAD_POINTS, &DataCommands::OnCorrectBadPoints},
        {ID_SEARCH_AND_PROCESS, &DataCommands::OnSearchAndProcess},
        {ID_SELECT_DATA, &DataCommands::OnChooseData},
        {ID_FILEVIEW_PROCESS_SELECTED, &DataCommands::OnProcessedData},
        {ID_FILEVIEW_DEPTH, &DataCommands::OnDepthDisplay},
        {ID_FILEVIEW_SEARCH_AND_PROCESS, &DataCommands::OnSearchAndProcess},
        {ID_FILEVIEW_CORRECT, &DataCommands::OnCorrectBadPoints},
        {ID_PROPERTIES, &DataCommands::OnProperties},
        {ID_OUTPUT_SEARCH_BAD_POINTS, &DataCommands::OnSearchBadPoints},
        {ID_OUTPUT_CORRECT_BAD_POINTS, &DataCommands::OnCorrectBadPoints},
        {ID_OUTPUT_DEPTH, &DataCommands::OnDepthDisplay},
        {ID_EDIT_UNDO, &DataCommands::OnEditUndo, &DataCommands::canUndo},
        {ID_EDIT_REDO, &DataCommands::OnEditRedo, &DataCommands::canRedo},
    };
    return list;
}

DataCommands::DataCommands(SurveyNotifier& notifier, Prompter& prompter, UndoHistory& history,
                           QObject* parent)
    : QObject(parent), m_notifier(notifier), m_prompter(prompter), m_history(history)
{}

void DataCommands::registerWith(CommandRouter& router)
{
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

void DataCommands::setStatusBar(QStatusBar* statusBar)
{
    m_statusBar = statusBar;
}

bool DataCommands::closeBeforeOpening()
{
    Survey& survey = m_notifier.survey();
    survey.m_frame.BeginFileOpen();
    if (survey.m_frame.HasOpenFile()) {
        if (!m_prompter.question(QString::fromUtf8(msg::kCloseOpenFile))) {
            m_notifier.notifyStateChanged();
            return false;
        }
        closeData();
    }
    return true;
}

void DataCommands::openPath(const QString& path)
{
    if (!closeBeforeOpening())
        return;
    // The name as given: no extension is added, as none was chosen with a filter.
    m_notifier.survey().m_frame.SetDataPath(localPath(path), FrameState::AllFilter);
    readFile(path);
}

void DataCommands::OnFileOpen()
{
    Survey& survey = m_notifier.survey();
    if (!closeBeforeOpening())
        return;
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
        BusyScope busy(m_statusBar, tr("Reading %1...").arg(name));
        DataFileReader reader(survey.m_frame, survey.m_tables, survey.m_tree);
        reader.SetProgress([&busy](std::uint64_t done, std::uint64_t total) { busy.progress(done, total); });
        result = reader.ReadFile(localPath(path), path.toStdString());
    }
    m_partialRows = isPartialLoad(result) ? result.rowsLoaded : 0;
    m_notifier.endReset();
    if (!result.message.empty())
        m_prompter.message(cellText(result.message));
    else
        showStatus(result.rowsLoaded == 1 ? tr("1 row read from %1").arg(name)
                                          : tr("%1 rows read from %2").arg(result.rowsLoaded).arg(name));
}

void DataCommands::OnSaveOriginalData()
{
    if (m_partialRows > 0 &&
        !m_prompter.question(
            tr("Only %1 of the file's rows were read. Saving now replaces the whole file and "
               "the rows that were not read are lost. Save anyway?")
                .arg(m_partialRows),
            Prompter::Default::Cancel))
        return;
    WriteResult result;
    {
        BusyScope busy(m_statusBar, tr("Saving the original data..."));
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
        BusyScope busy(m_statusBar, tr("Saving the depth data..."));
        result = DepthWriter::Save(target, tables);
    }
    if (!result.ok)
        m_prompter.message(cellText(result.message));
    else
        showStatus(tr("Depth data saved to %1").arg(fromLocalPath(target)));
}

void DataCommands::OnChooseData()
{
    Survey& s = m_notifier.survey();
    runOperation(
        tr("Choose Data"), tr("Choosing the data..."), {kProcessing, kDepth}, false,
        [&s](OperationReport& report) { append(report, SelectData(s.m_tree, s.m_tables, s.m_frame)); });
}

void DataCommands::OnProcessedData()
{
    Survey& s = m_notifier.survey();
    runOperation(tr("Processed Data"), tr("Choosing and processing the data..."), {kProcessing, kDepth},
                 false, [&s](OperationReport& report) {
                     append(report, SelectData(s.m_tree, s.m_tables, s.m_frame));
                     append(report, ProcessFieldSource(s.m_tables));
                 });
}

void DataCommands::OnDepthDisplay()
{
    Survey& s = m_notifier.survey();
    if (DepthNeedsConfirmation(s.m_tables) && !m_prompter.question(QString::fromUtf8(msg::kDepthAgain)))
        return;
    runOperation(tr("Depth Calculation"), tr("Calculating the depth data..."), {kDepth}, false,
                 [&s](OperationReport& report) { append(report, CalculateDepth(s.m_tables)); });
}

void DataCommands::OnCorrectBadPoints()
{
    Survey& s = m_notifier.survey();
    runOperation(tr("Correct Bad Points"), tr("Correcting bad points..."), {kOrigin}, true,
                 [&s](OperationReport& report) { append(report, CorrectBadPoints(s.m_tables)); });
}

void DataCommands::OnSearchAndProcess()
{
    Survey& s = m_notifier.survey();
    runOperation(tr("Search Bad Points and Process"), tr("Searching bad points and processing..."),
                 {kOrigin, kProcessing}, true, [&s](OperationReport& report) {
                     append(report, SearchBadPoints(s.m_tables));
                     append(report, ProcessFieldSource(s.m_tables));
                 });
}

void DataCommands::OnSearchBadPoints()
{
    Survey& s = m_notifier.survey();
    runOperation(tr("Search Bad Points"), tr("Searching bad points..."), {kOrigin}, true,
                 [&s](OperationReport& report) { append(report, SearchBadPoints(s.m_tables)); });
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

void DataCommands::runOperation(const QString& step, const QString& status, std::initializer_list<int> tables,
                                bool marks, const std::function<void(OperationReport&)>& work)
{
    OutputTables& core = m_notifier.survey().m_tables;
    // The user's tab stays unless the operation itself asks for another one.
    const int tabBefore = core.ActiveTab();
    OperationReport report;
    QString historyNote;
    {
        BusyScope busy(m_statusBar, status);
        // Without the memory for the state before, the step still runs; it
        // only cannot be taken back, and neither can the steps before it.
        std::optional<DataStepCommand::State> before;
        try {
            before = m_history.capture();
        } catch (const std::bad_alloc&) {
            m_history.clear();
            historyNote =
                tr("Not enough memory to keep \"%1\" for undo; the undo history was cleared.").arg(step);
        }
        work(report);
        if (before) {
            try {
                const int dropped = m_history.record(step, std::move(*before));
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
                historyNote =
                    tr("Not enough memory to keep \"%1\" for undo; the undo history was cleared.").arg(step);
            }
        }
    }
    for (int table : tables)
        m_notifier.notifyTableChanged(table);
    if (marks)
        m_notifier.notifyMarksChanged();
    if (core.ActiveTab() != tabBefore)
        m_notifier.requestActiveTab(core.ActiveTab());
    m_notifier.notifyStateChanged();
    if (!historyNote.isEmpty())
        showStatus(historyNote);
    show(report);
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
    if (m_statusBar)
        m_statusBar->showMessage(text, kStatusTimeout);
}

}  // namespace vantrel
