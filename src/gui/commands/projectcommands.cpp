#include "commands/projectcommands.h"

#include "commands/datacommands.h"
#include "commands/undohistory.h"
#include "common/celltext.h"
#include "common/commandids.h"
#include "common/commandrouter.h"
#include "common/prompter.h"
#include "common/surveynotifier.h"
#include "mappingjson.h"
#include "processing/datachoice.h"
#include "processing/processingsteps.h"
#include "recipecommandline.h"
#include "recipefile.h"
#include "recipereplay.h"
#include "sha256.h"
#include "survey.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace vantrel {

namespace {

constexpr int kStatusTimeout = 5000;
constexpr const char* kProjectFilters = QT_TRANSLATE_NOOP(
    "vantrel::ProjectCommands", "Vantrel Project(*.vantrel)|*.vantrel|All File(*.*) |*.*||");
constexpr const char* kRecipeFilters =
    QT_TRANSLATE_NOOP("vantrel::ProjectCommands", "Vantrel Recipe(*.vantrel)|*.vantrel|All File(*.*) |*.*||");

/// The chosen name with the project's extension when it has none.
QString withSuffix(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty()
        ? path + QLatin1Char('.') + QLatin1String(ProjectCommands::kSuffix)
        : path;
}

}  // namespace

ProjectCommands::ProjectCommands(SurveyNotifier& notifier, Prompter& prompter, UndoHistory& history,
                                 DataCommands& data, QObject* parent)
    : QObject(parent), m_notifier(notifier), m_prompter(prompter), m_history(history), m_data(data)
{
    // Another file opened is other work: the project is left behind.
    connect(&m_notifier, &SurveyNotifier::resetAboutToBegin, this, [this] {
        if (m_opening)
            return;
        m_projectPath.clear();
        m_savedSteps.clear();
        Q_EMIT savedStateChanged();
    });
    connect(&m_history, &UndoHistory::changed, this, &ProjectCommands::savedStateChanged);
}

void ProjectCommands::registerWith(CommandRouter& router)
{
    using namespace cmd;
    const auto level = CommandRouter::Level::MainFrame;
    const auto hasData = [this] { return this->hasData(); };
    router.addHandler(level, ID_OPEN_PROJECT, [this] { OnOpenProject(); });
    router.addHandler(
        level, ID_SAVE_PROJECT, [this] { OnSaveProject(); }, hasData);
    router.addHandler(
        level, ID_SAVE_PROJECT_AS, [this] { OnSaveProjectAs(); }, hasData);
    router.addHandler(
        level, ID_HISTORY_COPY_COMMAND_LINE, [this] { OnCopyCommandLine(); }, hasData);
    router.addHandler(
        level, ID_HISTORY_SAVE_RECIPE, [this] { OnSaveRecipe(); }, hasData);
}

bool ProjectCommands::hasData() const
{
    return !m_data.dataFile().isEmpty();
}

bool ProjectCommands::hasUnsavedWork() const
{
    return hasData() && m_history.doneSteps() != m_savedSteps;
}

void ProjectCommands::markSaved()
{
    m_savedSteps = m_history.doneSteps();
    Q_EMIT savedStateChanged();
}

Recipe ProjectCommands::project(const QString& projectPath) const
{
    const Survey& survey = m_notifier.survey();
    Recipe recipe;
    recipe.steps = m_history.doneSteps();
    const QString data = QFileInfo(m_data.dataFile()).absoluteFilePath();
    // Beside the project (or below it) the data file is named from there,
    // so the two can move together.
    const QString relative = QFileInfo(projectPath).absoluteDir().relativeFilePath(data);
    const bool beside = !relative.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(relative);
    std::string reason;
    recipe.data = Recipe::DataFile{localPath(beside ? relative : data), m_data.dataDigest(data, &reason)};
    if (const auto& mapping = m_data.importMapping())
        recipe.importMapping = MappingToJson(*mapping);
    recipe.encoding = survey.m_frame.Encoding();
    recipe.rows = DataChoiceText(survey.m_tree);
    if (m_workspace.charts)
        recipe.charts = m_workspace.charts();
    if (m_workspace.layout)
        recipe.layout = m_workspace.layout();
    return recipe;
}

QString ProjectCommands::commandLine() const
{
    Recipe recipe;
    recipe.steps = m_history.doneSteps();
    return QString::fromStdString(
        RecipeCommandLine::Text(recipe, localPath(QDir::toNativeSeparators(m_data.dataFile()))));
}

bool ProjectCommands::saveProject(const QString& path)
{
    std::string reason;
    if (!RecipeFile::Save(localPath(path), project(path), &reason)) {
        m_prompter.message(tr("The project could not be saved to %1: %2")
                               .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)));
        return false;
    }
    m_projectPath = path;
    markSaved();
    if (m_workspace.addRecentFile)
        m_workspace.addRecentFile(path);
    Q_EMIT statusInfo(tr("Project saved to %1").arg(QDir::toNativeSeparators(path)), kStatusTimeout);
    return true;
}

void ProjectCommands::OnSaveProject()
{
    if (m_projectPath.isEmpty())
        OnSaveProjectAs();
    else
        saveProject(m_projectPath);
}

void ProjectCommands::OnSaveProjectAs()
{
    const FileChoice choice = m_prompter.saveFile(tr(kProjectFilters));
    if (choice.accepted && !choice.path.isEmpty())
        saveProject(withSuffix(choice.path));
}

void ProjectCommands::OnOpenProject()
{
    const FileChoice choice = m_prompter.openFile(tr(kProjectFilters));
    if (choice.accepted && !choice.path.isEmpty())
        openProject(choice.path);
}

void ProjectCommands::OnCopyCommandLine()
{
    const QString line = commandLine();
    QGuiApplication::clipboard()->setText(line);
    Q_EMIT statusInfo(tr("Copied: %1").arg(line), kStatusTimeout);
}

void ProjectCommands::OnSaveRecipe()
{
    const FileChoice choice = m_prompter.saveFile(tr(kRecipeFilters));
    if (!choice.accepted || choice.path.isEmpty())
        return;
    const QString path = withSuffix(choice.path);
    Recipe recipe;
    recipe.steps = m_history.doneSteps();
    std::string reason;
    if (!RecipeFile::Save(localPath(path), recipe, &reason))
        m_prompter.message(tr("The recipe could not be saved to %1: %2")
                               .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason)));
    else
        Q_EMIT statusInfo(tr("Recipe saved to %1").arg(QDir::toNativeSeparators(path)), kStatusTimeout);
}

QString ProjectCommands::locateData(const Recipe& recipe, const QString& projectPath)
{
    const QString named = QString::fromStdString(recipe.data->path);
    QString path = QDir::isAbsolutePath(named) ? named : QFileInfo(projectPath).absoluteDir().filePath(named);
    while (!QFileInfo(path).isFile()) {
        if (!m_prompter.question(tr("The data file of the project %1 is not where it was:\n%2\nShow where it "
                                    "is now?")
                                     .arg(QFileInfo(projectPath).fileName(), QDir::toNativeSeparators(path))))
            return {};
        const FileChoice choice = m_prompter.openFile(DataCommands::dataFileFilters());
        if (!choice.accepted || choice.path.isEmpty())
            return {};
        path = choice.path;
    }
    return path;
}

bool ProjectCommands::openProject(const QString& path, Opening opening)
{
    const QString shown = QFileInfo(path).fileName();
    // Everything is checked before the open survey is let go.
    const RecipeReadResult read = RecipeFile::Read(localPath(path), localPath(shown));
    if (!read.ok) {
        m_prompter.message(cellText(read.message));
        return false;
    }
    if (!read.recipe.IsProject()) {
        m_prompter.message(tr("%1 is a recipe, not a project: it names no data file. Open a data file and "
                              "run the recipe with vantrel-cli --recipe, or open a project.")
                               .arg(shown));
        return false;
    }
    const Recipe& recipe = read.recipe;
    const QString data = locateData(recipe, path);
    if (data.isEmpty())
        return false;
    // A big file takes seconds to read through: on a thread of its own, its
    // progress shown with a Cancel that leaves the open survey as it is.
    std::string reason, digest;
    if (!m_data.runWatched(tr("Checking %1...").arg(QFileInfo(data).fileName()),
                           [&] { digest = Sha256::OfFile(localPath(data), &reason); })) {
        Q_EMIT statusInfo(tr("Opening %1 was cancelled.").arg(shown), kStatusTimeout);
        return false;
    }
    if (digest.empty()) {
        m_prompter.message(
            tr("%1 cannot be read: %2").arg(QDir::toNativeSeparators(data), QString::fromStdString(reason)));
        return false;
    }
    if (!recipe.data->sha256.empty() && digest != recipe.data->sha256 &&
        !m_prompter.question(
            tr("The data file has changed since the project was saved.") + QStringLiteral("\n") +
                tr("%1\nReplay the project's steps on it anyway?").arg(QDir::toNativeSeparators(data)),
            Prompter::Default::Cancel))
        return false;
    std::optional<ImportMapping> mapping;
    if (!recipe.importMapping.empty()) {
        const MappingFromJsonResult parsed = MappingFromJson(recipe.importMapping);
        if (!parsed.ok) {
            m_prompter.message(tr("%1: the import mapping cannot be used: %2")
                                   .arg(shown, QString::fromStdString(parsed.message)));
            return false;
        }
        mapping = parsed.mapping;
    }
    if (!m_data.closeBeforeOpening())
        return false;
    m_opening = true;
    bool done = m_data.readData(data, mapping, recipe.encoding);
    if (done)
        m_data.knowDataDigest(data, digest);
    done = done && replay(recipe, shown);
    m_opening = false;
    if (!done) {
        // Nothing half-opened stays: the survey goes as a whole.
        m_data.closeSurvey();
        m_projectPath.clear();
        m_savedSteps.clear();
        Q_EMIT savedStateChanged();
        return false;
    }
    if (m_workspace.restore)
        m_workspace.restore(recipe.charts, recipe.layout);
    if (opening == Opening::Recovered) {
        m_projectPath.clear();
        m_savedSteps.clear();
        Q_EMIT savedStateChanged();
        return true;
    }
    m_projectPath = path;
    markSaved();
    if (m_workspace.addRecentFile)
        m_workspace.addRecentFile(path);
    Q_EMIT statusInfo(
        tr("Project %1 opened: %n step(s) replayed", nullptr, static_cast<int>(recipe.steps.size()))
            .arg(shown),
        kStatusTimeout);
    return true;
}

bool ProjectCommands::replay(const Recipe& recipe, const QString& shownName)
{
    Survey& survey = m_notifier.survey();
    const OperationReport report = RecipeReplay::Run(
        recipe, survey, localPath(shownName), [this](const ProcessingStep& step, std::string_view argument) {
            return m_data.execute(step, argument);
        });
    if (recipe.settings)
        m_notifier.notifySettingsChanged();
    m_notifier.notifyStateChanged();
    if (!report.stopped)
        return true;
    QStringList texts;
    for (const std::string& text : report.messages)
        if (!texts.contains(cellText(text)))
            texts << cellText(text);
    m_prompter.message(texts.join(QLatin1Char('\n')));
    return false;
}

}  // namespace vantrel
