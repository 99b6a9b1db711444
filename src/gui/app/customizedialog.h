#pragma once

#include <QDialog>
#include <QList>
#include <QPair>

#include <memory>

class QAction;
class QToolBar;

namespace vantrel {

namespace Ui {
class CustomizeDialog;
}

class Prompter;
class ToolbarSet;

/// The toolbar customization ("Definition...", command 126): put commands on
/// toolbars and take them off, make, rename and delete user toolbars, show or
/// hide toolbars, and give a button one of the user images. Changes apply at
/// once; the main frame stores them. The pages are laid out in
/// customizedialog.ui.
class CustomizeDialog : public QDialog {
    Q_OBJECT
public:
    /// `categories`: the menus' titles with the commands found in them.
    CustomizeDialog(ToolbarSet& toolbars, const QList<QPair<QString, QList<QAction*>>>& categories,
                    Prompter& prompter, QWidget* parent = nullptr);
    ~CustomizeDialog() override;

    /// For tests and the Toolbars page: the toolbar the Commands page edits.
    void selectToolbar(QToolBar* bar);
    QToolBar* currentToolbar() const;
    /// Adds the command of `id` at the end of the current toolbar.
    void addCommand(int id);
    void removeCommandAt(int row);
    /// Makes a user toolbar; false when ten exist already.
    bool newToolbar(const QString& name);

    static QString plainText(const QAction* action);

private:
    void fillCommands();
    void fillToolbarCombo();
    void fillContents();
    void fillToolbarList();
    void updateButtons();
    void moveSelected(int delta);

    void connectCommandsPage();
    void connectToolbarsPage();

    std::unique_ptr<Ui::CustomizeDialog> m_ui;
    ToolbarSet& m_toolbars;
    QList<QPair<QString, QList<QAction*>>> m_categories;
    Prompter& m_prompter;
};

}  // namespace vantrel
