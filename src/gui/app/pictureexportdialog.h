#pragma once

#include "common/prompter.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vantrel {

/// The picture export dialog: picture type, size in pixels and file name.
/// OK asks before replacing an existing file.
class PictureExportDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaximumSide = 8000;  ///< pixels; larger pictures would take gigabytes

    explicit PictureExportDialog(const QSize& size, QWidget* parent = nullptr);

    /// What the dialog holds now (accepted once OK went through).
    PictureChoice choice() const;

    QComboBox* formatBox() const { return m_format; }
    QSpinBox* widthBox() const { return m_width; }
    QSpinBox* heightBox() const { return m_height; }
    QCheckBox* keepAspectBox() const { return m_keepAspect; }
    QLineEdit* fileEdit() const { return m_file; }

    /// Asks before replacing an existing file; tests answer it.
    void setReplaceQuestion(std::function<bool(const QString& path)> ask) { m_askReplace = std::move(ask); }

public Q_SLOTS:
    void accept() override;

private:
    QString format() const;
    void formatChanged();
    void browse();
    void sideChanged(bool widthChanged);
    void updateOk();

    QComboBox* m_format;
    QSpinBox* m_width;
    QSpinBox* m_height;
    QCheckBox* m_keepAspect;
    QLineEdit* m_file;
    QPushButton* m_ok = nullptr;
    double m_aspect;
    bool m_adjusting = false;
    bool m_accepted = false;
    std::function<bool(const QString&)> m_askReplace;
};

}  // namespace vantrel
