#include "app/pictureexportdialog.h"

#include "charts/chartpicture.h"
#include "messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace vantrel {

namespace {

struct FormatEntry {
    const char* format;
    const char* name;
    const char* patterns;
};

const FormatEntry kFormats[] = {
    {"png", QT_TRANSLATE_NOOP("PictureExportDialog", "PNG picture"), "*.png"},
    {"jpg", QT_TRANSLATE_NOOP("PictureExportDialog", "JPEG picture"), "*.jpg *.jpeg"},
    {"bmp", QT_TRANSLATE_NOOP("PictureExportDialog", "Bitmap"), "*.bmp"},
    {"pdf", QT_TRANSLATE_NOOP("PictureExportDialog", "PDF document"), "*.pdf"},
    {"svg", QT_TRANSLATE_NOOP("PictureExportDialog", "SVG drawing"), "*.svg"},
};

QString caption()
{
    return QString::fromUtf8(msg::kApplicationName);
}

}  // namespace

PictureExportDialog::PictureExportDialog(const QSize& size, QWidget* parent)
    : QDialog(parent), m_aspect(size.height() > 0 ? size.width() / double(size.height()) : 1.5)
{
    setObjectName(QStringLiteral("PictureExportDialog"));
    setWindowTitle(tr("Save Picture"));

    m_format = new QComboBox;
    for (const FormatEntry& f : kFormats)
        m_format->addItem(QStringLiteral("%1 (%2)").arg(tr(f.name), QLatin1String(f.patterns)),
                          QLatin1String(f.format));

    m_width = new QSpinBox;
    m_height = new QSpinBox;
    for (QSpinBox* box : {m_width, m_height}) {
        box->setRange(1, kMaximumSide);
        box->setSuffix(tr(" px"));
    }
    const QSize start = size.isValid() && !size.isEmpty() ? size.boundedTo(QSize(kMaximumSide, kMaximumSide))
                                                          : QSize(1200, 800);
    m_width->setValue(start.width());
    m_height->setValue(start.height());
    m_keepAspect = new QCheckBox(tr("Keep proportions"));
    m_keepAspect->setChecked(true);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_width);
    sizeRow->addWidget(new QLabel(QStringLiteral("\u00d7")));
    sizeRow->addWidget(m_height);
    sizeRow->addWidget(m_keepAspect);
    sizeRow->addStretch();

    m_file = new QLineEdit;
    m_file->setMinimumWidth(360);
    auto* browse = new QPushButton(tr("Browse..."));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file);
    fileRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow(tr("Format:"), m_format);
    form->addRow(tr("Size:"), sizeRow);
    form->addRow(tr("File name:"), fileRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &PictureExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &PictureExportDialog::browse);
    connect(m_format, &QComboBox::currentIndexChanged, this, &PictureExportDialog::formatChanged);
    connect(m_width, &QSpinBox::valueChanged, this, [this] { sideChanged(true); });
    connect(m_height, &QSpinBox::valueChanged, this, [this] { sideChanged(false); });
    connect(m_keepAspect, &QCheckBox::toggled, this, [this](bool on) {
        if (on && m_height->value() > 0)
            m_aspect = m_width->value() / double(m_height->value());
    });
    connect(m_file, &QLineEdit::textChanged, this, &PictureExportDialog::updateOk);

    m_askReplace = [this](const QString& path) {
        QMessageBox box(QMessageBox::Warning, caption(),
                        tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    updateOk();
}

QString PictureExportDialog::format() const
{
    return m_format->currentData().toString();
}

PictureChoice PictureExportDialog::choice() const
{
    PictureChoice c;
    c.accepted = m_accepted;
    c.format = format();
    c.size = QSize(m_width->value(), m_height->value());
    const QString name = m_file->text().trimmed();
    c.path = name.isEmpty() ? QString() : picturePathFor(QFileInfo(name).absoluteFilePath(), c.format);
    return c;
}

void PictureExportDialog::formatChanged()
{
    // A name that ends in another picture type follows the new type.
    const QString name = m_file->text().trimmed();
    if (name.isEmpty() || pictureFormatOf(name).isEmpty())
        return;
    const QFileInfo info(name);
    const QString base = name.left(name.size() - info.suffix().size() - 1);
    m_file->setText(base + QLatin1Char('.') + format());
}

void PictureExportDialog::browse()
{
    QFileDialog dialog(this, tr("Save Picture"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // OK of this dialog asks about an existing file, once, for the name with
    // its extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    QStringList filters;
    for (const FormatEntry& f : kFormats)
        filters << QStringLiteral("%1 (%2)").arg(tr(f.name), QLatin1String(f.patterns));
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(m_format->currentIndex()));
    if (!m_file->text().trimmed().isEmpty())
        dialog.selectFile(m_file->text().trimmed());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString chosen = dialog.selectedFiles().first();
    const QString typed = pictureFormatOf(chosen);
    const int filter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    if (!typed.isEmpty())
        m_format->setCurrentIndex(m_format->findData(typed));
    else if (filter >= 0)
        m_format->setCurrentIndex(filter);
    m_file->setText(picturePathFor(chosen, format()));
}

void PictureExportDialog::sideChanged(bool widthChanged)
{
    if (m_adjusting || !m_keepAspect->isChecked() || m_aspect <= 0)
        return;
    m_adjusting = true;
    if (widthChanged)
        m_height->setValue(std::max(1, static_cast<int>(std::lround(m_width->value() / m_aspect))));
    else
        m_width->setValue(std::max(1, static_cast<int>(std::lround(m_height->value() * m_aspect))));
    m_adjusting = false;
}

void PictureExportDialog::updateOk()
{
    m_ok->setEnabled(!m_file->text().trimmed().isEmpty());
}

void PictureExportDialog::accept()
{
    const PictureChoice c = choice();
    if (c.path.isEmpty())
        return;
    if (QFileInfo(c.path).isDir()) {
        QMessageBox::warning(this, caption(), tr("%1 is a folder. Please give a file name.").arg(c.path));
        return;
    }
    if (QFileInfo::exists(c.path) && !(m_askReplace && m_askReplace(c.path)))
        return;
    m_accepted = true;
    QDialog::accept();
}

}  // namespace vantrel
