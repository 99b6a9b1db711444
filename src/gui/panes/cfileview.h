#pragma once

#include <QDockWidget>
#include <QRect>
#include <QStringList>

class QComboBox;
class QMenu;

namespace vantrel {

class ShownText;

class CommandRouter;

class CFileViewToolBar;
class CMyStatic;
class CViewTree;
class FileTree;
class FileTreeModel;
class SurveyNotifier;

/// The file view pane: toolbar, frequency selector, check-box tree over the
/// core's FileTree, and the picture control at the bottom.
///
/// The pane follows the survey notifier: it shows an empty tree while a file is
/// read or closed and the new tree afterwards. Its commands (toolbar, context
/// menu) are actions carrying their ids (commandActions()), put on the command
/// road by registerCommands().
class CFileView : public QDockWidget {
    Q_OBJECT
public:
    /// Where AdjustLayout puts the four children in a client area of `client`.
    struct Layout {
        QRect toolBar;
        QRect selector;
        QRect tree;
        QRect picture;
    };
    static Layout layoutFor(QSize client, int toolBarHeight, int selectorHeight);

    CFileView(SurveyNotifier& notifier, QWidget* parent = nullptr);
    ~CFileView() override;

    CViewTree* tree() const { return m_tree; }
    FileTreeModel* model() const { return m_model; }
    QComboBox* frequencySelector() const { return m_selector; }
    CFileViewToolBar* toolBar() const { return m_toolBar; }
    CMyStatic* pictureControl() const { return m_picture; }
    QWidget* client() const { return widget(); }
    /// The tree's context menu (shown by a right click on the tree).
    QMenu* contextMenu() const { return m_menu; }
    /// The actions of the toolbar and of the context menu, separators left out.
    QList<QAction*> commandActions() const;
    /// Puts the toolbar's and the context menu's entries on the command road,
    /// with this pane as their owner.
    void registerCommands(CommandRouter& router);

    /// The current entry of the frequency selector, -1 when there is none.
    int currentFrequency() const;

    /// While the core reads a file into (or empties) the tree, the views show an
    /// empty pane; endDataUpdate() shows the tree and the selector as they are.
    void beginDataUpdate();
    void endDataUpdate();

    void AdjustLayout();
    /// Gives the selector the menu font again and lays the pane out anew: the
    /// desktop's fonts or look changed.
    void refreshFonts();

    /// Rescans "Picture/*.bmp" in the current directory; links come from the
    /// settings group SelvoSoftwareHttpLink (key: file name up to its first
    /// ".", at most 99 characters).
    void LoadPictures();
    /// Advances to the next picture and shows it.
    void ShowNextPicture();
    const QStringList& picturePaths() const { return m_arrPicturePaths; }
    const QStringList& pictureLinks() const { return m_arrPictureLinks; }
    int pictureIndex() const { return m_nPictureIndex; }

    static constexpr int kSelectorListHeight = 180;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildContextMenu();
    void reloadSelector();
    void applySelectorFont();
    void paintClient(QPaintEvent* event);

    FileTree& m_fileTree;
    const ShownText& m_shown;
    CViewTree* m_tree;
    FileTreeModel* m_model;
    QComboBox* m_selector;
    CMyStatic* m_picture;
    CFileViewToolBar* m_toolBar;
    QMenu* m_menu = nullptr;
    QStringList m_arrPicturePaths;
    QStringList m_arrPictureLinks;
    qint16 m_nPictureIndex = 0;
};

}  // namespace vantrel
