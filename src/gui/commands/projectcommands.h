#pragma once

#include "recipe.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace vantrel {

class CommandRouter;
class DataCommands;
class Prompter;
class SurveyNotifier;
class UndoHistory;

/// The record of the work: projects (File > Save Project, Save Project As,
/// Open Project), recipes saved from the history and the command line that
/// repeats the history. A project names the data file (relative to the
/// project when it sits beside it, with the SHA-256 of its bytes), the steps
/// done in order, the ticked rows, the chart windows and the layout; opening
/// it reads the data file and replays the steps, so the history is rebuilt
/// and the tables are those that were saved.
///
/// Opening checks the project whole before anything changes: a project
/// that cannot be read, a data file that cannot be found or a replay that
/// stops leaves no half-opened survey behind.
class ProjectCommands : public QObject {
    Q_OBJECT
public:
    /// What a project keeps of the windows, which the commands do not know:
    /// the main frame answers.
    struct Workspace {
        std::function<std::vector<Recipe::Chart>()> charts;  ///< the open chart windows
        std::function<std::string()> layout;                 ///< the docks and bars
        /// Opens the chart windows of a project and puts its layout back.
        std::function<void(const std::vector<Recipe::Chart>& charts, const std::string& layout)> restore;
        std::function<void(const QString& path)> addRecentFile;
    };

    ProjectCommands(SurveyNotifier& notifier, Prompter& prompter, UndoHistory& history, DataCommands& data,
                    QObject* parent = nullptr);

    void setWorkspace(Workspace workspace) { m_workspace = std::move(workspace); }
    /// Registers Save Project, Save Project As, Open Project and the
    /// history's Copy as Command Line and Save Recipe on the main frame's level.
    void registerWith(CommandRouter& router);

    void OnSaveProject();
    void OnSaveProjectAs();
    void OnOpenProject();
    void OnCopyCommandLine();
    void OnSaveRecipe();

    /// How a project file is opened: as the user's project, or as the
    /// recovery file of unsaved work (which stays unsaved and unnamed).
    enum class Opening { Project, Recovered };
    /// Opens the project at `path` (the close question first when a file is
    /// open); false when it was not opened (the reason was shown).
    bool openProject(const QString& path, Opening opening = Opening::Project);
    /// Saves the project as `path`; false when it could not be written (said).
    bool saveProject(const QString& path);

    /// The project as it stands, its data file named from `projectPath`'s folder.
    Recipe project(const QString& projectPath) const;
    /// The vantrel-cli command that repeats the steps from the file as read.
    QString commandLine() const;

    /// The project file the work was opened from or saved to; empty for none.
    QString projectPath() const { return m_projectPath; }
    /// True when steps were done since the work was last saved or opened.
    bool hasUnsavedWork() const;

    static constexpr const char* kSuffix = "vantrel";

Q_SIGNALS:
    void statusInfo(const QString& text, int timeout);
    /// The work was saved or a project was opened, so nothing is unsaved;
    /// or work done since made it unsaved.
    void savedStateChanged();

private:
    bool hasData() const;
    /// The data file of a project, asked for when it is not where it was;
    /// empty when the user stops.
    QString locateData(const Recipe& recipe, const QString& projectPath);
    bool replay(const Recipe& recipe, const QString& shownName);
    void markSaved();

    SurveyNotifier& m_notifier;
    Prompter& m_prompter;
    UndoHistory& m_history;
    DataCommands& m_data;
    Workspace m_workspace;
    QString m_projectPath;
    std::vector<Recipe::Step> m_savedSteps;
    bool m_opening = false;
};

}  // namespace vantrel
