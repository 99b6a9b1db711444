#pragma once

#include "survey.h"

#include <QObject>

namespace vantrel {

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

    void beginReset();
    /// Emits treeReset(), tableChanged() for the three tables (their marks
    /// included), then
    /// fileLoaded() or fileClosed(), then the tab the core asks for.
    void endReset();
    /// `table` is an OutputTables::Tab.
    void notifyTableChanged(int table);
    void notifyMarksChanged();
    void notifySettingsChanged();
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
    Survey m_survey;
};

}  // namespace vantrel
