#pragma once

#include "import/importmapping.h"

#include <QDialog>

#include <string>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace vantrel {

class ImportPreviewModel;
class Prompter;

/// File > Import Text...: how a text file outside the standard layout is
/// read. A preview of its first lines; the separator (detected, tab, comma,
/// semicolon, space or another character), the decimal separator, the
/// header line and the lines to skip after it, the encoding, and each
/// column's role with the frequency of a frequency column. The mapping can
/// be saved and loaded as the JSON file `vantrel-cli --import` takes. OK
/// checks the mapping and says what is wrong instead of closing.
class ImportTextDialog : public QDialog {
    Q_OBJECT
public:
    /// `head`: the first bytes of the (first) file; `fileName` as the title shows it.
    ImportTextDialog(Prompter& prompter, const QString& fileName, std::string head,
                     const ImportMapping& mapping, const std::string& encoding, QWidget* parent = nullptr);
    ~ImportTextDialog() override;

    ImportMapping mapping() const;
    void setMapping(const ImportMapping& mapping);
    std::string encoding() const;
    void setEncoding(const std::string& encoding);
    /// The role of column `column` (from 0), as the role fields set it.
    void setColumn(int column, const ImportColumn& role);
    ImportPreviewModel* preview() const { return m_preview; }

    void saveMapping();
    void loadMapping();
    void accept() override;

private:
    void readFields();
    void showFields();
    void showColumn();
    void readColumn();

    Prompter& m_prompter;
    ImportPreviewModel* m_preview = nullptr;
    bool m_showing = false;
    QComboBox* m_encoding = nullptr;
    QComboBox* m_separator = nullptr;
    QLineEdit* m_otherSeparator = nullptr;
    QComboBox* m_decimal = nullptr;
    QSpinBox* m_headerLine = nullptr;
    QSpinBox* m_skipLines = nullptr;
    QTableView* m_table = nullptr;
    QComboBox* m_column = nullptr;
    QComboBox* m_role = nullptr;
    QDoubleSpinBox* m_hz = nullptr;
};

}  // namespace vantrel
