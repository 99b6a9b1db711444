#pragma once

#include <QAbstractItemModel>
#include <QIcon>

namespace vantrel {

class FileTree;
class ShownText;

/// The file view's tree as an item model over the core's FileTree: file items
/// at the root, their row items below. Texts are made when a view asks for
/// them; nothing is copied per row.
///
/// A file item's index carries internal id 0; a row item's carries its file
/// item's position + 1.
class FileTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    /// The item data of the tree: a file item's file number, a row item's row id.
    static constexpr int ItemDataRole = Qt::UserRole + 1;

    /// Texts of the file are shown as `shown` decodes them (none: as UTF-8).
    explicit FileTreeModel(FileTree& tree, const ShownText* shown = nullptr, QObject* parent = nullptr);

    FileTree& fileTree() { return m_tree; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    /// Qt::CheckStateRole sets the one item's box without propagation: the
    /// keyboard's road.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    bool isFileItem(const QModelIndex& index) const;
    /// The row id of a row item, 0 for a file item or an invalid index.
    int rowId(const QModelIndex& index) const;
    QModelIndex fileIndex(int fileItem) const;
    QModelIndex rowIndex(int rowId) const;

    /// A mouse click on the item's check box: a file item's rows take its new
    /// state, a row's file item follows its rows.
    void ClickCheckBox(const QModelIndex& index);

    /// While the core's tree is being filled or emptied directly, views see an
    /// empty tree; endUpdate() shows the tree as it then is.
    void beginUpdate();
    void endUpdate();

private:
    QString fileText(int fileItem) const;
    QString text(std::string_view bytes) const;

    FileTree& m_tree;
    const ShownText* m_shown;
    bool m_suspended = false;
    QIcon m_fileIcon;
    QIcon m_rowIcon;
};

}  // namespace vantrel
