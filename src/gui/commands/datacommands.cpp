#include "commands/datacommands.h"

#include "commands/busyscope.h"
#include "common/backgroundwork.h"
#include "common/celltext.h"
#include "common/commanddescriptor.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/prompter.h"
#include "common/surveynotifier.h"
#include "commands/undohistory.h"
#include "datafile/datafilereader.h"
#include "datafile/depthwriter.h"
#include "datafile/originwriter.h"
#include "encodingdetector.h"
#include "import/fillin.h"
#include "import/surveyloader.h"
#include "messages.h"
#include "processing/processingsteps.h"
#include "processing/settingstext.h"
#include "survey.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <functional>
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
    // The settings as the history names them.
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "deviation-factor"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "resistivity"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "depth-coefficient"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "p-threshold"),
    QT_TRANSLATE_NOOP("vantrel::DataCommands", "v-threshold"),
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
        {ID_REOPEN_ENCODING, &DataCommands::OnReopenWithEncoding, &DataCommands::hasOpenFile},
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
    openPaths({path});
}

void DataCommands::openPaths(const QStringList& paths)
{
    if (paths.isEmpty() || !closeBeforeOpening())
        return;
    // The name as given: no extension is added, as none was chosen with a filter.
    if (paths.size() == 1)
        m_notifier.survey().m_frame.SetDataPath(localPath(paths.first()), FrameState::AllFilter);
    loadFiles(paths, std::nullopt);
}

void DataCommands::OnFileOpen()
{
    Survey& survey = m_notifier.survey();
    if (!closeBeforeOpening())
        return;
    const FileChoices choice = m_prompter.openFiles(dataFileFilters());
    if (!choice.accepted || choice.paths.isEmpty()) {
        m_notifier.notifyStateChanged();
        return;
    }
    if (choice.paths.size() == 1)
        survey.m_frame.SetDataPath(localPath(choice.paths.first()), choice.filterIndex);
    loadFiles(choice.paths, std::nullopt);
}

void DataCommands::closeData()
{
    Survey& survey = m_notifier.survey();
    m_notifier.beginReset();
    survey.m_frame.CloseData(survey.m_tree, survey.m_tables);
    m_partialRows = 0;
    m_sources.clear();
    m_mapping.reset();
    m_digest.clear();
    m_saveAsks = false;
    m_notifier.endReset();
}

std::string DataCommands::dataDigest(const QString& path, std::string* reason)
{
    return m_digest.of(localPath(path), reason);
}

void DataCommands::knowDataDigest(const QString& path, std::string digest)
{
    m_digest.know(localPath(path), std::move(digest));
}

QString DataCommands::dataFileFilters()
{
    return tr(kDataFileFilters);
}

bool DataCommands::readData(const QString& path, const std::optional<ImportMapping>& mapping,
                            const std::string& encoding)
{
    if (!mapping)
        m_notifier.survey().m_frame.SetDataPath(localPath(path), FrameState::AllFilter);
    return loadFiles({path}, mapping, encoding) && m_partialRows == 0;
}

QString DataCommands::dataFile() const
{
    return hasOpenFile() && m_sources.size() == 1 ? m_sources.first() : QString();
}

bool DataCommands::loadFiles(const QStringList& paths, const std::optional<ImportMapping>& mapping,
                             const std::string& encoding)
{
    Survey& survey = m_notifier.survey();
    const bool several = paths.size() > 1;
    const QString name = several ? tr("%1 files").arg(paths.size()) : QFileInfo(paths.first()).fileName();
    std::vector<SurveyLoader::Input> inputs;
    for (const QString& path : paths) {
        // One file is named as given, as File Open always named it; several by
        // their names, which the tree shows next to their file numbers.
        const QString shown = several ? QFileInfo(path).fileName() : path;
        inputs.push_back({localPath(path), shown.toStdString()});
    }
    EncodingProbe probe{encoding};
    LoadResult loaded;
    m_notifier.beginReset();
    bool cancelled = false;
    {
        const QString reading = tr("Reading %1...").arg(name);
        BusyScope busy(busyReport(), reading);
        // The files are read into a survey of their own on another thread,
        // while the windows show the closed survey; a long read shows its
        // progress, and Cancel leaves the survey closed.
        Survey read;
        read.m_frame = survey.m_frame;
        cancelled = !runOnCopy(read, reading, [&](Survey& copy) {
            SurveyLoader loader(copy);
            loader.SetMapping(mapping);
            loader.SetProbe(std::ref(probe));
            WorkControl* control = WorkControl::Current();
            loader.SetProgress([control](std::uint64_t done, std::uint64_t total) {
                control->SetDone(done, total);
                control->StopPoint();
            });
            loaded = loader.Load(inputs);
        });
    }
    if (cancelled) {
        m_notifier.endReset();
        showStatus(tr("Reading %1 was cancelled; no file is open.").arg(name));
        return false;
    }
    const ReadResult& result = loaded.read;
    const bool ok = result.status != ReadResult::Status::OpenFailed && survey.m_frame.HasOpenFile();
    if (ok) {
        survey.m_frame.SetEncoding(probe.encoding.empty() ? std::string("UTF-8") : probe.encoding);
        m_sources = paths;
        m_mapping = mapping;
        m_saveAsks = several || mapping.has_value();
        // A project names the bytes read now, whatever becomes of the file.
        if (several)
            m_digest.clear();
        else
            m_digest.start(localPath(paths.first()));
    } else if (result.status == ReadResult::Status::OpenFailed) {
        m_sources.clear();
        m_mapping.reset();
        m_digest.clear();
        m_saveAsks = false;
    }
    m_partialRows = isPartialLoad(result) ? result.rowsLoaded : 0;
    m_readFile = paths.first();
    m_notifier.endReset();
    // The tables hold a file's bytes, and UTF-16 is no text as bytes: the
    // reader's own message would not say why its lines made no sense.
    const QString utf16Note =
        probe.utf16 ? cellText(FillIn(msg::kUtf16Text, {name.toStdString()})) : QString();
    if (!result.message.empty())
        m_prompter.message(probe.utf16 ? cellText(result.message) + QStringLiteral("\n\n") + utf16Note
                                       : cellText(result.message));
    else if (probe.utf16)
        m_prompter.notice(utf16Note);
    else
        showStatus(result.rowsLoaded == 1 ? tr("1 row read from %1").arg(name)
                                          : tr("%1 rows read from %2").arg(result.rowsLoaded).arg(name));
    if (!ok)
        return false;
    QStringList notes;
    if (survey.m_tree.Frequencies().empty())
        notes << QString::fromUtf8(msg::kNoFrequencyColumn);
    if (loaded.markedCells > 0)
        notes << tr("%n cell(s) of the number columns hold no number; they are marked.", nullptr,
                    static_cast<int>(loaded.markedCells));
    if (loaded.repeatedHeaders > 0)
        notes << tr("%n header line(s) met again among the rows were passed over.", nullptr,
                    static_cast<int>(loaded.repeatedHeaders));
    if (loaded.renumbered)
        notes << tr(
            "The same file numbers were met in two files: the files were numbered 1, 2, ... in order.");
    if (!notes.isEmpty())
        m_prompter.notice(notes.join(QLatin1Char('\n')));
    return true;
}

void DataCommands::OnReopenWithEncoding()
{
    if (m_sources.isEmpty())
        return;
    QStringList names;
    for (const std::string& e : OfferedEncodings())
        names << QString::fromStdString(e);
    const QString current = QString::fromStdString(m_notifier.survey().m_frame.Encoding());
    const int chosen = m_prompter.choose(tr("Show the file's text in the encoding:"), names,
                                         std::max<int>(0, static_cast<int>(names.indexOf(current))));
    if (chosen < 0 || chosen >= names.size())
        return;
    if (m_history.canUndo() &&
        !m_prompter.question(tr("Reopening reads the file again: the processing done since it was opened is "
                                "lost. Reopen anyway?"),
                             Prompter::Default::Cancel))
        return;
    // The same files read again; only how their bytes form characters changes.
    const QStringList sources = m_sources;
    const std::optional<ImportMapping> mapping = m_mapping;
    Survey& survey = m_notifier.survey();
    closeData();
    survey.m_frame.BeginFileOpen();
    if (sources.size() == 1 && !mapping)
        survey.m_frame.SetDataPath(localPath(sources.first()), FrameState::AllFilter);
    if (loadFiles(sources, mapping, names[chosen].toStdString()))
        showStatus(tr("Reopened in %1").arg(names[chosen]));
}

bool DataCommands::hasOpenFile() const
{
    return !m_sources.isEmpty() && m_notifier.survey().m_frame.HasOpenFile();
}

void DataCommands::OnSaveOriginalData()
{
    Survey& survey = m_notifier.survey();
    if (m_saveAsks) {
        // No one file in the standard layout was read: the user names the file.
        const FileChoice choice = m_prompter.saveFile(dataFileFilters());
        if (!choice.accepted || choice.path.isEmpty())
            return;
        survey.m_frame.SetDataPath(localPath(choice.path), choice.filterIndex);
    }
    // Only the file that was read in part loses rows; a save elsewhere (the
    // filter's extension appended to the name read) goes ahead at once.
    const QString target = fromLocalPath(survey.m_frame.DataFile());
    if (m_partialRows > 0 && sameFile(target, m_readFile) &&
        !m_prompter.question(
            tr("Only %1 of the file's rows were read. Saving now replaces the whole file and "
               "the rows that were not read are lost. Save anyway?")
                .arg(m_partialRows),
            Prompter::Default::Cancel))
        return;
    const std::optional<WriteResult> result =
        saveWatched(tr("Saving the original data..."), target,
                    [&survey] { return OriginWriter::Save(survey.m_frame, survey.m_tables); });
    if (!result)
        return;
    if (!result->ok)
        m_prompter.message(cellText(result->message));
    else
        showStatus(tr("Original data saved to %1").arg(fromLocalPath(result->path)));
}

void DataCommands::OnSaveDepthData()
{
    const OutputTables& tables = m_notifier.survey().m_tables;
    if (tables.Depth().RowCount() == 0) {
        m_prompter.message(QString::fromUtf8(msg::kNoDepthData));
        return;
    }
    const FileChoice choice = m_prompter.saveFile(dataFileFilters());
    if (!choice.accepted || choice.path.isEmpty())
        return;
    const std::string target = DepthWriter::TargetPath(localPath(choice.path), choice.filterIndex);
    const std::optional<WriteResult> result =
        saveWatched(tr("Saving the depth data..."), fromLocalPath(target),
                    [&tables, &target] { return DepthWriter::Save(target, tables); });
    if (!result)
        return;
    if (!result->ok)
        m_prompter.message(cellText(result->message));
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
    m_cancelled = false;
    const OperationReport report = execute(step, *argument);
    if (m_cancelled)
        showStatus(QString::fromStdString(report.messages.front()));
    else
        show(report);
}

bool DataCommands::runOffThread(const ProcessingStep& step, std::string_view argument,
                                OperationReport& report)
{
    // The step works on a copy, which shares the tables' texts and unchanged
    // rows with the survey.
    Survey& survey = m_notifier.survey();
    Survey work;
    work.m_frame = survey.m_frame;
    work.m_tree = survey.m_tree;
    work.m_tables.CopyFrom(survey.m_tables);
    return runOnCopy(work, QCoreApplication::translate(kStepContext, std::string(step.busyText).c_str()),
                     [&](Survey& copy) { report = RunProcessingStep(step, copy, argument); });
}

bool DataCommands::runWatched(const QString& text, const std::function<void()>& work)
{
    bool cancelled = false;
    BackgroundWork running(work);
    if (m_progressDelay <= 0 || !running.waitFor(m_progressDelay))
        cancelled = !m_prompter.watch(text, running);
    running.wait();
    if (!cancelled)
        running.rethrow();
    return !cancelled;
}

std::optional<WriteResult> DataCommands::saveWatched(const QString& text, const QString& target,
                                                     const std::function<WriteResult()>& save)
{
    // Written on a thread of its own while the windows show the tables, which
    // nothing changes meanwhile. A Cancel leaves the file as it was, unless it
    // came as the file was being put in place: then the save is done.
    WriteResult result;
    bool written = false;
    bool cancelled = false;
    {
        BusyScope busy(busyReport(), text);
        cancelled = !runWatched(text,
                                [&] {
                                    result = save();
                                    written = true;
                                }) &&
            !written;
    }
    if (cancelled) {
        showStatus(tr("Saving %1 was cancelled; the file is as it was.").arg(target));
        return std::nullopt;
    }
    return result;
}

bool DataCommands::runOnCopy(Survey& copy, const QString& text, const std::function<void(Survey&)>& work)
{
    // The windows go on showing the survey while the work changes the copy.
    if (!runWatched(text, [&] { work(copy); }))
        return false;
    Survey& survey = m_notifier.survey();
    survey.m_frame = std::move(copy.m_frame);
    survey.m_tree = std::move(copy.m_tree);
    survey.m_tables.CopyFrom(copy.m_tables);
    return true;
}

OperationReport DataCommands::execute(const ProcessingStep& step, std::string_view argument)
{
    Survey& survey = m_notifier.survey();
    const QString title = QCoreApplication::translate(kStepContext, std::string(step.title).c_str());
    const OutputTables& core = survey.m_tables;
    const ProcessingSettings settingsBefore = core.Settings();
    const Recipe::Step logged{std::string(step.name), std::string(argument)};
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
            historyNote = outOfMemory;
        }
        if (!runOffThread(step, argument, report)) {
            m_cancelled = true;
            report = {};
            report.Say(tr("\"%1\" was cancelled; the tables are as they were.").arg(title).toStdString());
            report.stopped = true;
            return report;
        }
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
                const UndoHistory::Entry entry{
                    title, describeStep(step, argument, settingsBefore, core.Settings()), logged};
                const int dropped = m_history.record(entry, std::move(*before));
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
                historyNote = outOfMemory;
            }
        }
        if (historyNote == outOfMemory && !(report.stopped && !report.messages.empty()))
            m_history.recordWithoutUndo(logged);
    }
    if (core.ActiveTab() != tabBefore)
        m_notifier.requestActiveTab(core.ActiveTab());
    m_notifier.notifyStateChanged();
    if (!historyNote.isEmpty())
        showStatus(historyNote);
    return report;
}

QString DataCommands::describeStep(const ProcessingStep& step, std::string_view argument,
                                   const ProcessingSettings& before, const ProcessingSettings& after)
{
    // The step by the name of the menu command that runs it, else its own.
    QString text = QCoreApplication::translate(kStepContext, std::string(step.title).c_str());
    for (const StepCommand& c : stepCommands())
        if (c.step == step.name) {
            if (const CommandDescriptor* d = findCommand(c.id); d && d->menu != CommandMenu::None)
                text = d->translatedCaption().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
            break;
        }
    QStringList details;
    if (step.changes.checks)
        details << tr("rows %1").arg(QString::fromStdString(std::string(argument)));
    const ProcessingSettings defaults;
    const QString reads = QString::fromUtf8(step.reads.data(), static_cast<qsizetype>(step.reads.size()));
    for (const SettingName& s : SettingNames()) {
        const QString name = QString::fromUtf8(s.name.data(), static_cast<qsizetype>(s.name.size()));
        // A change of settings names what it changed; another step the
        // settings it depends on that are not the program's own.
        const bool shown = step.changes.settings
            ? before.*(s.field) != after.*(s.field)
            : reads.split(QLatin1Char(',')).contains(name) && after.*(s.field) != defaults.*(s.field);
        if (shown)
            details << tr("%1 %2").arg(QCoreApplication::translate(kStepContext, std::string(s.name).c_str()),
                                       QString::fromStdString(SettingValueText(after.*(s.field))));
    }
    return details.isEmpty() ? text : text + QStringLiteral(", ") + details.join(QStringLiteral(", "));
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
