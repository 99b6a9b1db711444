#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>

#include <functional>

class QAction;
class QMainWindow;
class QSettings;
class QToolBar;

namespace vantrel {

/// The frame's toolbars: the "Standard" toolbar and up to ten toolbars the
/// user makes (ids 59432 to 59441). Each toolbar shows a list of commands
/// (0 stands for a separator) and ends with the "Definition..." button, which
/// opens the toolbar customization. The layout of the toolbars (which commands,
/// the user toolbars and their names) is kept in the settings; where they sit
/// is part of the main window's saved state.
class ToolbarSet : public QObject {
    Q_OBJECT
public:
    static constexpr int kSeparator = 0;
    static constexpr int kMaxUserToolbars = 10;

    /// `actionFor` gives the action of a command id (nullptr for unknown ids);
    /// `customize` is the "Definition..." action.
    ToolbarSet(QMainWindow* window, std::function<QAction*(int)> actionFor, QAction* customize,
               QObject* parent = nullptr);

    /// The default commands of the "Standard" toolbar, in order.
    static QList<int> standardCommands();

    QToolBar* standard() const { return m_standard; }
    /// The user toolbars in order of their ids.
    QList<QToolBar*> userToolbars() const;
    QList<QToolBar*> all() const;
    /// 59432 ... 59441 for a user toolbar, 129 for the standard one, 0 otherwise.
    int toolbarId(const QToolBar* bar) const;
    bool isUserToolbar(const QToolBar* bar) const;

    QList<int> commands(const QToolBar* bar) const;
    void setCommands(QToolBar* bar, const QList<int>& ids);
    void resetStandard();

    /// Makes a user toolbar with the first free id; nullptr when ten exist.
    QToolBar* createUserToolbar(const QString& name, const QList<int>& ids = {});
    void removeUserToolbar(QToolBar* bar);
    void renameToolbar(QToolBar* bar, const QString& name);

    /// Images offered for buttons, cut from "UserImages.bmp" (square tiles as
    /// high as the picture). Empty when the file is missing, unreadable or
    /// larger than 819200 bytes.
    QList<QPixmap> userImages() const { return m_userImages; }
    bool loadUserImages(const QString& path);
    static constexpr qint64 kMaxUserImagesBytes = 819200;
    /// Shows user image `index` on the buttons (and menu entry) of command
    /// `id`; -1 gives the command its own image back.
    void setButtonImage(int id, int index);
    int buttonImage(int id) const { return m_buttonImages.value(id, -1); }

    /// Toolbar contents and names, and the chosen button images.
    void save(QSettings& settings) const;
    /// Restores what save() wrote; call before restoring the window state so
    /// the user toolbars exist when their positions are restored.
    void load(QSettings& settings);

Q_SIGNALS:
    void toolbarsChanged();

private:
    QToolBar* makeToolbar(const QString& objectName, const QString& title);
    void rebuild(QToolBar* bar);

    QMainWindow* m_window;
    std::function<QAction*(int)> m_actionFor;
    QAction* m_customize;
    QToolBar* m_standard = nullptr;
    QList<QPointer<QToolBar>> m_user;  // by id offset, nullptr where free
    QHash<const QToolBar*, QList<int>> m_commands;
    QHash<const QToolBar*, QAction*> m_customizeEntries;  // the bar's "Definition..." entry
    QList<QPixmap> m_userImages;
    QHash<int, int> m_buttonImages;
    QHash<int, QIcon> m_ownIcons;
};

}  // namespace vantrel
