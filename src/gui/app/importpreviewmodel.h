#pragma once

#include "common/showntext.h"
#include "import/importmapping.h"
#include "import/textlayout.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

namespace vantrel {

/// The first lines of a text file as the import will split them: a table
/// model over the file's first bytes, decoded in the chosen encoding. Lines
/// before the data (the header, lines to skip) are grey, the header line
/// bold; the column headers name each column's role.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kPreviewLines = 30;

    explicit ImportPreviewModel(std::string head, QObject* parent = nullptr);

    void setMapping(const ImportMapping& mapping);
    void setEncoding(const std::string& encoding);
    const ImportMapping& mapping() const { return m_mapping; }
    const TextLayout& layout() const { return m_layout; }
    /// The column titles the mapping finds (see HeaderCells), decoded.
    QStringList titles() const;
    /// The separator the mapping reads with (the detected one for 0).
    char separator() const;
    /// A role as the column header shows it ("File number", "1000HZ").
    static QString roleText(const ImportColumn& column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void split();

    std::string m_head;
    TextLayout m_layout;
    ImportMapping m_mapping;
    ShownText m_shown;
    char m_detected = ',';
    std::vector<std::vector<std::string>> m_cells;  // the preview's lines, split
    int m_columns = 0;
};

}  // namespace vantrel
