#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vantrel {

/// The About box. Its text comes from "Produce.txt" in the working directory.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kProductFile = "Produce.txt";

    /// Reads the product text file at `path` (default: "Produce.txt" in the
    /// working directory).
    explicit CAboutDlg(QWidget* parent = nullptr, const QString& path = QString::fromLatin1(kProductFile));

    /// The text for the edit: for every line of the file (without its line
    /// end) "\r\n", six spaces and the line. Empty when the file is missing or
    /// empty. UTF-8 files are read as such, others in the Chinese code page.
    static QString productText(const QString& path);

    QPlainTextEdit* textEdit() const { return m_text; }
    QPushButton* okButton() const { return m_ok; }

private:
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_ok = nullptr;
};

}  // namespace vantrel
