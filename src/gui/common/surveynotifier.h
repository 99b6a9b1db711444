#pragma once

#include "common/showntext.h"
#include "survey.h"

#include <QObject>

#include <array>
#include <cstdint>

namespace vantrel {

/// Which state of the survey something was made from: a number for each table
/// and one for the processing settings. A change gives the changed part a
/// number never used before; undo and redo put back the numbers of the state
/// they restore, so equal numbers mean equal contents.
struct SurveyRevision {
    std::array<std::uint64_t, 3> tables{};  ///< by OutputTables::Tab
    std::uint64_t settings = 0;

    bool operator==(const SurveyRevision&) const = default;
};

/// Owns the one Survey of the desktop and tells everybody what changed in it.
///
/// The commands change the survey through the core and then say what they
/// changed here; the file view, the output pane and the action states listen
/// and catch up. Nobody but the commands changes the survey's data, except
/// the file view's check boxes and the output pane's tab (the user's own
/// choices, kept in the core as they are made).
///
/// A read or a close rebuilds everything: beginReset() lets the views drop
/// what they show before the core touches the data, endReset() has them
/// show the new survey.
class SurveyNotifier : public QObject {
    Q_OBJECT
public:
    explicit SurveyNotifier(QObject* parent = nullptr);
    ~SurveyNotifier() override;

    Survey& survey() { return m_survey; }
    const Survey& survey() const { return m_survey; }

    /// How the views show the survey's bytes: in the encoding of the frame,
    /// taken up by endReset().
    const ShownText& shown() const { return m_shown; }

    /// The state the survey is in now (see SurveyRevision).
    const SurveyRevision& revision() const { return m_revision; }

    void beginReset();
    /// Emits treeReset(), tableChanged() for the three tables (their marks
    /// included), then
    /// fileLoaded() or fileClosed(), then the tab the core asks for.
    void endReset();
    /// `table` is an OutputTables::Tab.
    void notifyTableChanged(int table);
    void notifyMarksChanged();
    void notifySettingsChanged();
    /// The survey was put back to a state it had (undo, redo, a cancelled
    /// step): the tables and settings whose numbers differ are announced.
    void notifyRestored(const SurveyRevision& revision);
    /// The operation that just ran asks for `tab` to be shown.
    void requestActiveTab(int tab);
    /// The user's own choice of tab, kept for the next operations.
    void recordActiveTab(int tab);
    /// Something not covered by the signals above changed (the data-selected
    /// flag, the tree's check states): only the action states care.
    void notifyStateChanged();

Q_SIGNALS:
    void resetAboutToBegin();
    void treeReset();
    void tableChanged(int table);
    void marksChanged();
    void settingsChanged();
    void fileLoaded();
    void fileClosed();
    void activeTabRequested(int tab);
    /// After every notification: enabled states may have changed.
    void changed();

private:
    std::uint64_t nextRevision() { return ++m_lastRevision; }

    Survey m_survey;
    ShownText m_shown;
    SurveyRevision m_revision;
    std::uint64_t m_lastRevision = 0;
};

}  // namespace vantrel
