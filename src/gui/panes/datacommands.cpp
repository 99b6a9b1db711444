#include "datacommands.h"

#include "app/commandids.h"
#include "app/prompter.h"
#include "busyscope.h"
#include "celltext.h"
#include "cfileview.h"
#include "coutputwnd.h"
#include "datafile/datafilereader.h"
#include "datafile/depthwriter.h"
#include "datafile/originwriter.h"
#include "messages.h"
#include "processing/badpoints.h"
#include "processing/dataselection.h"
#include "processing/depthcalculation.h"
#include "processing/fieldsource.h"
#include "survey.h"

#include <QFileInfo>
#include <QStatusBar>

namespace vantrel {

const char* const DataCommands::kDataFileFilters = "DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||";
const char* const DataCommands::kPropertiesText = "属性....";

namespace {

constexpr int kStatusTimeout = 5000;

void Append(OperationReport& into, const OperationReport& from)
{
    into.messages.insert(into.messages.end(), from.messages.begin(), from.messages.end());
    into.stopped = into.stopped || from.stopped;
}

}  // namespace

const std::vector<DataCommands::Command>& DataCommands::commands()
{
    using namespace cmd;
    static const std::vector<Command> list = {
        {ID_FILE_OPEN, Scope::MainFrame, &DataCommands::OnFileOpen},
        {ID_FILE_SAVE, Scope::MainFrame, &DataCommands::OnSaveOriginalData},
        {ID_SAVE_DEPTH_DATA, Scope::MainFrame, &DataCommands::OnSaveDepthData},
        {ID_CHOOSE_DATA, Scope::MainFrame, &DataCommands::OnChooseData},
        {ID_PROCESSED_DATA, Scope::MainFrame, &DataCommands::OnProcessedData},
        {ID_DEPTH_DISPLAY, Scope::MainFrame, &DataCommands::OnDepthDisplay},
        {ID_CORRECT_BAD_POINTS, Scope::MainFrame, &DataCommands::OnCorrectBadPoints},
        {ID_SEARCH_AND_PROCESS, Scope::MainFrame, &DataCommands::OnSearchAndProcess},
        {ID_SELECT_DATA, Scope::FileView, &DataCommands::OnChooseData},
        {ID_FILEVIEW_PROCESS_SELECTED, Scope::FileView, &DataCommands::OnProcessedData},
        {ID_FILEVIEW_DEPTH, Scope::FileView, &DataCommands::OnDepthDisplay},
        {ID_FILEVIEW_SEARCH_AND_PROCESS, Scope::FileView, &DataCommands::OnSearchAndProcess},
        {ID_FILEVIEW_CORRECT, Scope::FileView, &DataCommands::OnCorrectBadPoints},
        {ID_PROPERTIES, Scope::FileView, &DataCommands::OnProperties},
        {ID_OUTPUT_SEARCH_BAD_POINTS, Scope::OutputPane, &DataCommands::OnSearchBadPoints},
        {ID_OUTPUT_CORRECT_BAD_POINTS, Scope::OutputPane, &DataCommands::OnCorrectBadPoints},
        {ID_OUTPUT_DEPTH, Scope::OutputPane, &DataCommands::OnDepthDisplay},
    };
    return list;
}

DataCommands::DataCommands(Survey& survey, Prompter& prompter, CFileView& fileView, COutputWnd& output,
                           QObject* parent)
    : QObject(parent)
    , m_survey(survey)
    , m_prompter(prompter)
    , m_fileView(fileView)
    , m_output(output)
{
    const auto paneCommand = [this](Scope scope) {
        return [this, scope](int id) {
            for (const Command& c : commands())
                if (c.id == id && c.scope == scope) {
                    (this->*c.run)();
                    return;
                }
            // The remaining entries of the panes' menus (137, 138, cut, copy,
            // delete) do nothing.
        };
    };
    connect(&fileView, &CFileView::commandTriggered, this, paneCommand(Scope::FileView));
    connect(&output, &COutputWnd::commandTriggered, this, paneCommand(Scope::OutputPane));
}

void DataCommands::setStatusBar(QStatusBar* statusBar)
{
    m_statusBar = statusBar;
}

bool DataCommands::run(int id)
{
    for (const Command& c : commands())
        if (c.id == id) {
            (this->*c.run)();
            return true;
        }
    return false;
}

void DataCommands::OnFileOpen()
{
    m_survey.m_frame.BeginFileOpen();
    if (m_survey.m_frame.HasOpenFile()) {
        if (!m_prompter.question(QString::fromUtf8(msg::kCloseOpenFile))) {
            Q_EMIT surveyChanged();
            return;
        }
        closeData();
    }
    const FileChoice choice = m_prompter.openFile(QString::fromLatin1(kDataFileFilters));
    if (!choice.accepted || choice.path.isEmpty()) {
        Q_EMIT surveyChanged();
        return;
    }
    m_survey.m_frame.SetDataPath(LocalPath(choice.path), choice.filterIndex);
    readFile(choice.path);
    Q_EMIT surveyChanged();
}

void DataCommands::closeData()
{
    m_fileView.beginDataUpdate();
    m_output.beginDataUpdate();
    m_survey.m_frame.CloseData(m_survey.m_tree, m_survey.m_tables);
    m_fileView.endDataUpdate();
    m_output.sync();
}

void DataCommands::readFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    ReadResult result;
    m_fileView.beginDataUpdate();
    m_output.beginDataUpdate();
    {
        BusyScope busy(m_statusBar, tr("Reading %1...").arg(name));
        DataFileReader reader(m_survey.m_frame, m_survey.m_tables, m_survey.m_tree);
        reader.SetProgress([&busy](std::uint64_t done, std::uint64_t total) { busy.progress(done, total); });
        result = reader.ReadFile(LocalPath(path), path.toStdString());
    }
    m_fileView.endDataUpdate();
    m_output.sync();
    if (!result.message.empty())
        m_prompter.message(CellText(result.message));
    else
        showStatus(result.rowsLoaded == 1 ? tr("1 row read from %1").arg(name)
                                          : tr("%1 rows read from %2").arg(result.rowsLoaded).arg(name));
}

void DataCommands::OnSaveOriginalData()
{
    WriteResult result;
    {
        BusyScope busy(m_statusBar, tr("Saving the original data..."));
        result = OriginWriter::Save(m_survey.m_frame, m_survey.m_tables);
    }
    if (!result.ok)
        m_prompter.message(CellText(result.message));
    else
        showStatus(tr("Original data saved to %1").arg(FromLocalPath(result.path)));
}

void DataCommands::OnSaveDepthData()
{
    if (m_survey.m_tables.m_depth.RowCount() == 0) {
        m_prompter.message(QString::fromUtf8(msg::kNoDepthData));
        return;
    }
    const FileChoice choice = m_prompter.saveFile(QString::fromLatin1(kDataFileFilters));
    if (!choice.accepted || choice.path.isEmpty())
        return;
    const std::string target = DepthWriter::TargetPath(LocalPath(choice.path), choice.filterIndex);
    WriteResult result;
    {
        BusyScope busy(m_statusBar, tr("Saving the depth data..."));
        result = DepthWriter::Save(target, m_survey.m_tables);
    }
    if (!result.ok)
        m_prompter.message(CellText(result.message));
    else
        showStatus(tr("Depth data saved to %1").arg(FromLocalPath(target)));
}

void DataCommands::OnChooseData()
{
    runOperation(tr("Choosing the data..."), [this](OperationReport& report) {
        Append(report, SelectData(m_survey.m_tree, m_survey.m_tables, m_survey.m_frame));
    });
}

void DataCommands::OnProcessedData()
{
    runOperation(tr("Choosing and processing the data..."), [this](OperationReport& report) {
        Append(report, SelectData(m_survey.m_tree, m_survey.m_tables, m_survey.m_frame));
        Append(report, ProcessFieldSource(m_survey.m_tables));
    });
}

void DataCommands::OnDepthDisplay()
{
    if (DepthNeedsConfirmation(m_survey.m_tables) && !m_prompter.question(QString::fromUtf8(msg::kDepthAgain)))
        return;
    runOperation(tr("Calculating the depth data..."), [this](OperationReport& report) {
        Append(report, CalculateDepth(m_survey.m_tables));
    });
}

void DataCommands::OnCorrectBadPoints()
{
    runOperation(tr("Correcting bad points..."), [this](OperationReport& report) {
        Append(report, CorrectBadPoints(m_survey.m_tables));
    });
}

void DataCommands::OnSearchAndProcess()
{
    runOperation(tr("Searching bad points and processing..."), [this](OperationReport& report) {
        Append(report, SearchBadPoints(m_survey.m_tables));
        Append(report, ProcessFieldSource(m_survey.m_tables));
    });
}

void DataCommands::OnSearchBadPoints()
{
    runOperation(tr("Searching bad points..."), [this](OperationReport& report) {
        Append(report, SearchBadPoints(m_survey.m_tables));
    });
}

void DataCommands::OnProperties()
{
    m_prompter.message(QString::fromUtf8(kPropertiesText));
}

void DataCommands::runOperation(const QString& status, const std::function<void(OperationReport&)>& work)
{
    OperationReport report;
    {
        BusyScope busy(m_statusBar, status);
        work(report);
    }
    m_output.sync();
    Q_EMIT surveyChanged();
    show(report);
}

void DataCommands::show(const OperationReport& report)
{
    for (const std::string& text : report.messages)
        m_prompter.message(CellText(text));
}

void DataCommands::showStatus(const QString& text)
{
    if (m_statusBar)
        m_statusBar->showMessage(text, kStatusTimeout);
}

}  // namespace vantrel
