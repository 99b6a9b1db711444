#pragma once

#include <QHash>
#include <QStringList>
#include <QTableView>

namespace vantrel {

/// A data table of the output pane: text cells in centred columns, grid
/// lines, whole rows selected, rows of one fixed height (so hundreds of
/// thousands of rows scroll without measuring any), no sorting.
///
/// Columns are as wide as their titles and their readings, measured on a
/// sample of rows whenever the table changes, never narrower than 60 pixels
/// and, for long texts, no wider than kMaxFittedWidth. A column the user has
/// sized keeps its width until the table gets other columns.
class DataTableView : public QTableView {
    Q_OBJECT
public:
    explicit DataTableView(QWidget* parent = nullptr);

    static constexpr int kColumnWidth = 60;
    /// The widest a column is made for its contents; the user may go wider.
    static constexpr int kMaxFittedWidth = 320;
    /// Rows measured per column: the first ones and an even spread of the rest.
    static constexpr int kSampleRows = 64;

    void setModel(QAbstractItemModel* model) override;

    /// Sizes every column the user has not sized to its title and sample rows.
    void fitColumns();

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyRowHeight();
    int fittedWidth(int column, const QList<int>& rows) const;
    QStringList titles() const;

    QHash<int, int> m_userWidths;   // column -> width the user gave it
    QStringList m_userWidthTitles;  // the columns m_userWidths belongs to
    bool m_fitting = false;
    bool m_resetting = false;
};

}  // namespace vantrel
