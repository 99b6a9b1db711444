#include "app/cdialog_data_set.h"

#include "numbers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantrel {

namespace {

float* fieldOf(ProcessingSettings& s, int index)
{
    float* fields[5] = {&s.m_fDeviationFactor, &s.m_fResistivity, &s.m_fDepthCoefficient, &s.m_fPThreshold,
                        &s.m_fVThreshold};
    return fields[index];
}

}  // namespace

CDialog_Data_Set::CDialog_Data_Set(const ProcessingSettings& values, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_values(values)
{
    setObjectName(QStringLiteral("CDialog_Data_Set"));
    setWindowTitle(tr("Config"));
    setModal(true);

    // Controls in the order of the dialog template; it is also the tab order.
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    m_ok->setGeometry(dialogUnits(12, 75, 50, 14));
    connect(m_ok, &QPushButton::clicked, this, &CDialog_Data_Set::accept);

    m_cancel = new QPushButton(tr("Cansel"), this);
    m_cancel->setGeometry(dialogUnits(70, 75, 50, 14));
    connect(m_cancel, &QPushButton::clicked, this, &CDialog_Data_Set::reject);

    auto label = [this](const QString& text, int x, int y, int w, int h, bool shown) {
        auto* l = new QLabel(text, this);
        l->setGeometry(dialogUnits(x, y, w, h + 2));
        l->setVisible(shown);
        return l;
    };
    auto makeEdit = [this](int index, int x, int y, int w, int h) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("edit%1").arg(kEditIds[index]));
        e->setGeometry(dialogUnits(x, y, w, h));
        m_edits[index] = e;
        return e;
    };

    label(tr("resistivity "), 14, 18, 34, 8, true);
    makeEdit(1, 52, 15, 67, 14);
    label(tr("Pthreshold"), 14, 39, 35, 8, true);
    makeEdit(3, 52, 36, 67, 14);
    label(tr("Vthreshold"), 14, 58, 35, 8, true);
    makeEdit(4, 52, 55, 67, 14);
    label(tr("resistivity "), 7, 81, 34, 8, false);
    makeEdit(0, 52, 15, 67, 14)->setVisible(false);
    label(tr("Attenuation coefficient"), 14, 81, 33, 8, false);
    QLineEdit* coefficient = makeEdit(2, 7, 75, 20, 14);
    coefficient->setVisible(false);
    coefficient->setEnabled(false);

    setFixedSize(dialogUnits(0, 0, 134, 96).size());

    for (int i = 0; i < 5; ++i)
        m_edits[i]->setText(formatValue(*fieldOf(m_values, i)));
    m_ok->setFocus();
}

QRect CDialog_Data_Set::dialogUnits(int x, int y, int w, int h) const
{
    // A dialog unit is a quarter of the average character width across and an
    // eighth of the character height down, as in the dialog templates.
    const QFontMetrics fm(font());
    const double cx =
        fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0 /
        4.0;
    const double cy = fm.height() / 8.0;
    return QRect(qRound(x * cx), qRound(y * cy), qRound(w * cx), qRound(h * cy));
}

QLineEdit* CDialog_Data_Set::edit(int id) const
{
    for (int i = 0; i < 5; ++i)
        if (kEditIds[i] == id)
            return m_edits[i];
    return nullptr;
}

QString CDialog_Data_Set::formatValue(float value)
{
    return QString::fromStdString(FormatFixed(static_cast<double>(value), 2));
}

float CDialog_Data_Set::readValue(const QString& text)
{
    return static_cast<float>(CAtof(text.toStdString()));
}

void CDialog_Data_Set::accept()
{
    for (int i = 0; i < 5; ++i)
        *fieldOf(m_values, i) = readValue(m_edits[i]->text());
    QDialog::accept();
}

}  // namespace vantrel
