#pragma once

#include <QDialog>
#include <QList>
#include <QPair>

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;

namespace vantrel {

class Prompter;
class ToolbarSet;

/// The toolbar customization ("Definition...", command 126): put commands on
/// toolbars and take them off, make, rename and delete user toolbars, show or
/// hide toolbars, and give a button one of the user images. Changes apply at
/// once; the main frame stores them.
class CustomizeDialog : public QDialog {
    Q_OBJECT
public:
    /// `categories`: the menus' titles with the commands found in them.
    CustomizeDialog(ToolbarSet& toolbars, const QList<QPair<QString, QList<QAction*>>>& categories,
                    Prompter& prompter, QWidget* parent = nullptr);

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

    ToolbarSet& m_toolbars;
    QList<QPair<QString, QList<QAction*>>> m_categories;
    Prompter& m_prompter;
    QComboBox* m_category = nullptr;
    QListWidget* m_commandList = nullptr;
    QComboBox* m_toolbarCombo = nullptr;
    QListWidget* m_contents = nullptr;
    QListWidget* m_images = nullptr;
    QListWidget* m_toolbarList = nullptr;
    QLineEdit* m_newName = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_reset = nullptr;
    QPushButton* m_useImage = nullptr;
    QPushButton* m_ownImage = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
};

}  // namespace vantrel
