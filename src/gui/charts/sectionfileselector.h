#pragma once

#include <QWidget>

#include <vector>

class QComboBox;

namespace vantrel {

/// The section window's choice of file: "File: [File1 v]" over the files of
/// the Depth table. Choosing one asks for it (fileChosen); what is drawn
/// follows through setFiles.
class SectionFileSelector : public QWidget {
    Q_OBJECT
public:
    explicit SectionFileSelector(QWidget* parent = nullptr);

    /// The files to choose from and the one drawn now.
    void setFiles(const std::vector<int>& files, int current);
    QComboBox* box() const { return m_box; }

Q_SIGNALS:
    void fileChosen(int file);

private:
    QComboBox* m_box;
};

}  // namespace vantrel
