#pragma once

#include <QTableView>

namespace vantrel {

/// A data table of the output pane: text cells in centred columns of 60
/// pixels, grid lines, whole rows selected, rows of one fixed height (so
/// hundreds of thousands of rows scroll without measuring any), no sorting.
class DataTableView : public QTableView {
    Q_OBJECT
public:
    explicit DataTableView(QWidget* parent = nullptr);

    static constexpr int kColumnWidth = 60;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyRowHeight();
};

}  // namespace vantrel
