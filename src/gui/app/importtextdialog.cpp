#include "app/importtextdialog.h"

#include "app/importpreviewmodel.h"
#include "common/celltext.h"
#include "common/prompter.h"
#include "common/savefilebytes.h"
#include "encodingdetector.h"
#include "import/textimporter.h"
#include "mappingjson.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr const char* kMappingFilters =
    QT_TRANSLATE_NOOP("vantrel::ImportTextDialog", "Import Mapping(*.json)|*.json|All File(*.*) |*.*||");

// The separators offered, after "Detected"; the last entry is "Other".
constexpr char kSeparators[] = {'\t', ',', ';', ' '};
constexpr int kOtherSeparator = 5;
constexpr ColumnRole kRoles[] = {ColumnRole::FileNumber, ColumnRole::Increment, ColumnRole::Frequency,
                                 ColumnRole::Other, ColumnRole::Ignore};

}  // namespace

ImportTextDialog::ImportTextDialog(Prompter& prompter, const QString& fileName, std::string head,
                                   const ImportMapping& mapping, const std::string& encoding, QWidget* parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("ImportTextDialog"));
    setWindowTitle(tr("Import Text - %1").arg(fileName));
    m_preview = new ImportPreviewModel(std::move(head), this);

    m_encoding = new QComboBox(this);
    for (const std::string& name : OfferedEncodings())
        m_encoding->addItem(QString::fromStdString(name));
    m_separator = new QComboBox(this);
    m_separator->addItems(
        {tr("Detected"), tr("Tab"), tr("Comma"), tr("Semicolon"), tr("Space"), tr("Other")});
    m_otherSeparator = new QLineEdit(this);
    m_otherSeparator->setMaxLength(1);
    m_otherSeparator->setMaximumWidth(40);
    m_decimal = new QComboBox(this);
    m_decimal->addItems({tr("Point (12.5)"), tr("Comma (12,5)")});
    m_headerLine = new QSpinBox(this);
    m_headerLine->setRange(0, 10000);
    m_headerLine->setSpecialValueText(tr("None"));
    m_skipLines = new QSpinBox(this);
    m_skipLines->setRange(0, 10000);

    auto* separatorRow = new QHBoxLayout;
    separatorRow->addWidget(m_separator, 1);
    separatorRow->addWidget(m_otherSeparator);
    auto* form = new QFormLayout;
    form->addRow(tr("Encoding:"), m_encoding);
    form->addRow(tr("Separator:"), separatorRow);
    form->addRow(tr("Decimal separator:"), m_decimal);
    form->addRow(tr("Header line:"), m_headerLine);
    form->addRow(tr("Lines to skip after the header:"), m_skipLines);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("ImportPreview"));
    m_table->setModel(m_preview);
    m_table->setSelectionBehavior(QAbstractItemView::SelectColumns);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_column = new QComboBox(this);
    m_role = new QComboBox(this);
    m_role->addItems({tr("File number"), tr("Increment"), tr("Frequency"), tr("Other"), tr("Left out")});
    m_hz = new QDoubleSpinBox(this);
    m_hz->setRange(0, 1e9);
    m_hz->setDecimals(3);
    m_hz->setSuffix(tr(" Hz"));
    auto* columnRow = new QHBoxLayout;
    columnRow->addWidget(new QLabel(tr("Column:"), this));
    columnRow->addWidget(m_column, 2);
    columnRow->addWidget(new QLabel(tr("Role:"), this));
    columnRow->addWidget(m_role, 1);
    columnRow->addWidget(m_hz, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* load = buttons->addButton(tr("Load Mapping..."), QDialogButtonBox::ActionRole);
    QPushButton* save = buttons->addButton(tr("Save Mapping..."), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportTextDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportTextDialog::reject);
    connect(load, &QPushButton::clicked, this, &ImportTextDialog::loadMapping);
    connect(save, &QPushButton::clicked, this, &ImportTextDialog::saveMapping);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("The first lines of the file, each column headed by its role:"), this));
    layout->addWidget(m_table, 1);
    layout->addLayout(columnRow);
    layout->addWidget(buttons);
    resize(820, 600);

    setEncoding(encoding);
    setMapping(mapping);

    connect(m_encoding, &QComboBox::currentIndexChanged, this,
            [this] { m_preview->setEncoding(this->encoding()), showFields(); });
    for (QComboBox* box : {m_separator, m_decimal})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportTextDialog::readFields);
    connect(m_otherSeparator, &QLineEdit::textChanged, this, &ImportTextDialog::readFields);
    for (QSpinBox* box : {m_headerLine, m_skipLines})
        connect(box, &QSpinBox::valueChanged, this, &ImportTextDialog::readFields);
    connect(m_column, &QComboBox::currentIndexChanged, this, &ImportTextDialog::showColumn);
    connect(m_role, &QComboBox::currentIndexChanged, this, &ImportTextDialog::readColumn);
    connect(m_hz, &QDoubleSpinBox::valueChanged, this, &ImportTextDialog::readColumn);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, m_column, &QComboBox::setCurrentIndex);
}

ImportTextDialog::~ImportTextDialog() = default;

ImportMapping ImportTextDialog::mapping() const
{
    return m_preview->mapping();
}

std::string ImportTextDialog::encoding() const
{
    return m_encoding->currentText().toStdString();
}

void ImportTextDialog::setEncoding(const std::string& encoding)
{
    int at = m_encoding->findText(QString::fromStdString(encoding));
    if (at < 0) {
        m_encoding->addItem(QString::fromStdString(encoding));
        at = m_encoding->count() - 1;
    }
    m_encoding->setCurrentIndex(at);
    m_preview->setEncoding(encoding);
}

void ImportTextDialog::setMapping(const ImportMapping& mapping)
{
    m_preview->setMapping(mapping);
    showFields();
}

void ImportTextDialog::setColumn(int column, const ImportColumn& role)
{
    ImportMapping mapping = m_preview->mapping();
    if (column < 0)
        return;
    if (static_cast<std::size_t>(column) >= mapping.columns.size())
        mapping.columns.resize(static_cast<std::size_t>(column) + 1);
    mapping.columns[static_cast<std::size_t>(column)] = role;
    setMapping(mapping);
    m_column->setCurrentIndex(column);
}

void ImportTextDialog::showFields()
{
    m_showing = true;
    const ImportMapping& mapping = m_preview->mapping();
    int separator = 0;
    if (mapping.separator != 0) {
        separator = kOtherSeparator;
        for (int i = 0; i < 4; ++i)
            if (kSeparators[i] == mapping.separator)
                separator = i + 1;
    }
    m_separator->setItemText(0,
                             tr("Detected (%1)")
                                 .arg(m_preview->separator() == '\t' ? tr("Tab")
                                          : m_preview->separator() == ' '
                                          ? tr("Space")
                                          : QString(QLatin1Char(m_preview->separator()))));
    m_separator->setCurrentIndex(separator);
    m_otherSeparator->setEnabled(separator == kOtherSeparator);
    if (separator == kOtherSeparator)
        m_otherSeparator->setText(QString(QLatin1Char(mapping.separator)));
    m_decimal->setCurrentIndex(mapping.decimal == ',' ? 1 : 0);
    m_headerLine->setValue(mapping.headerLine);
    m_skipLines->setValue(mapping.skipLines);
    const int column = std::max(0, m_column->currentIndex());
    m_column->clear();
    const QStringList titles = m_preview->titles();
    for (int i = 0; i < std::max<int>(static_cast<int>(titles.size()), m_preview->columnCount()); ++i)
        m_column->addItem(i < titles.size() ? tr("%1: %2").arg(i + 1).arg(titles[i])
                                            : QString::number(i + 1));
    m_column->setCurrentIndex(std::min(column, m_column->count() - 1));
    m_showing = false;
    showColumn();
}

void ImportTextDialog::readFields()
{
    if (m_showing)
        return;
    ImportMapping mapping = m_preview->mapping();
    const int separator = m_separator->currentIndex();
    const QString other = m_otherSeparator->text();
    mapping.separator = separator == 0                   ? 0
        : separator < kOtherSeparator                    ? kSeparators[separator - 1]
        : other.size() == 1 && other[0].unicode() < 0x80 ? other[0].toLatin1()
                                                         : mapping.separator;
    mapping.decimal = m_decimal->currentIndex() == 1 ? ',' : '.';
    mapping.headerLine = m_headerLine->value();
    mapping.skipLines = m_skipLines->value();
    // Other cells or titles: the roles are read from the titles again.
    const ImportMapping was = m_preview->mapping();
    if (mapping.separator != was.separator || mapping.decimal != was.decimal ||
        mapping.headerLine != was.headerLine) {
        ImportMapping split = mapping;
        split.separator = mapping.separator != 0 ? mapping.separator : m_preview->separator();
        mapping.columns = mapping.headerLine > 0
            ? GuessRoles(HeaderCells(m_preview->layout(), split), mapping.decimal)
            : std::vector<ImportColumn>(HeaderCells(m_preview->layout(), split).size());
    }
    setMapping(mapping);
}

void ImportTextDialog::showColumn()
{
    if (m_showing)
        return;
    m_showing = true;
    const int column = m_column->currentIndex();
    const auto& columns = m_preview->mapping().columns;
    const ImportColumn role = column >= 0 && static_cast<std::size_t>(column) < columns.size()
        ? columns[static_cast<std::size_t>(column)]
        : ImportColumn{};
    m_role->setCurrentIndex(
        static_cast<int>(std::find(std::begin(kRoles), std::end(kRoles), role.role) - std::begin(kRoles)));
    m_hz->setValue(role.frequencyHz);
    m_hz->setEnabled(role.role == ColumnRole::Frequency);
    m_role->setEnabled(column >= 0);
    m_showing = false;
}

void ImportTextDialog::readColumn()
{
    if (m_showing || m_column->currentIndex() < 0 || m_role->currentIndex() < 0)
        return;
    ImportColumn role;
    role.role = kRoles[m_role->currentIndex()];
    if (role.role == ColumnRole::Frequency) {
        role.frequencyHz = m_hz->value();
        // A column just made a frequency takes the one its title names.
        const QStringList titles = m_preview->titles();
        const int column = m_column->currentIndex();
        if (role.frequencyHz == 0 && column < titles.size())
            if (const auto hz = FrequencyOfTitle(titles[column].toStdString(), m_preview->mapping().decimal))
                role.frequencyHz = *hz;
    }
    setColumn(m_column->currentIndex(), role);
}

void ImportTextDialog::saveMapping()
{
    const FileChoice choice = m_prompter.saveFile(tr(kMappingFilters));
    if (!choice.accepted || choice.path.isEmpty())
        return;
    QString path = choice.path;
    if (choice.filterIndex == 0 && !path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        path += QLatin1String(".json");
    const QString failed = saveFileBytes(path, QByteArray::fromStdString(MappingToJson(mapping())));
    if (!failed.isEmpty())
        m_prompter.message(tr("The mapping could not be saved to %1: %2").arg(path, failed));
}

void ImportTextDialog::loadMapping()
{
    const FileChoice choice = m_prompter.openFile(tr(kMappingFilters));
    if (!choice.accepted || choice.path.isEmpty())
        return;
    QFile file(choice.path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompter.message(
            tr("The mapping could not be read from %1: %2").arg(choice.path, file.errorString()));
        return;
    }
    const MappingFromJsonResult read = MappingFromJson(file.readAll().toStdString());
    if (!read.ok) {
        m_prompter.message(tr("%1 is not a mapping: %2").arg(choice.path, cellText(read.message)));
        return;
    }
    setMapping(read.mapping);
}

void ImportTextDialog::accept()
{
    ImportMapping check = mapping();
    if (check.separator == 0)
        check.separator = m_preview->separator();
    const std::string wrong = TextImporter::CheckMapping(check, HeaderCells(m_preview->layout(), check));
    if (!wrong.empty()) {
        m_prompter.message(cellText(wrong));
        return;
    }
    QDialog::accept();
}

}  // namespace vantrel
