#pragma once

#include <QAbstractTableModel>

#include <map>
#include <string>
#include <vector>

namespace vantrel {

class DataTable;
class ShownText;

/// One of the output pane's tables as a table model over the core's
/// DataTable. Cells are decoded when a view asks for them; nothing is copied.
///
/// The model reports the row and column counts it last announced, so the core
/// may change the table freely between two sync() calls: sync() then tells the
/// views what happened (new rows inserted, cells changed, or a reset when rows
/// went away or the columns changed).
class DataTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    /// True for a cell of the mark table (white on red).
    static constexpr int MarkedRole = Qt::UserRole + 1;

    /// Cells are shown as `shown` decodes them (none: as UTF-8).
    explicit DataTableModel(const DataTable& table, const ShownText* shown = nullptr,
                            QObject* parent = nullptr);

    /// The Origin table's marks: row -> the one marked column of that row.
    void setMarks(const std::map<int, int>* marks) { m_marks = marks; }
    bool isMarked(int row, int column) const;

    const DataTable& table() const { return m_table; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// Views show an empty table until the next sync(): for reads that fill
    /// the table from scratch.
    void suspend();
    void sync();

private:
    QString text(std::string_view bytes) const;

    const DataTable& m_table;
    const ShownText* m_shown;
    const std::map<int, int>* m_marks = nullptr;
    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::string> m_titles;
    bool m_suspended = false;
};

}  // namespace vantrel
