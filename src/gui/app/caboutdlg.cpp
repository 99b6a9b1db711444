#include "app/caboutdlg.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>

namespace vantrel {

namespace {

QString decodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb("GB18030");
    if (gb.isValid()) {
        text = gb.decode(bytes);
        if (!gb.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

}  // namespace

QString CAboutDlg::productText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        text += QStringLiteral("\r\n      ") + decodeLine(line);
    }
    return text;
}

CAboutDlg::CAboutDlg(QWidget* parent, const QString& path)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(tr("About "));
    setModal(true);

    const QFontMetrics fm(font());
    const double cx =
        fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0 /
        4.0;
    const double cy = fm.height() / 8.0;
    auto du = [cx, cy](int x, int y, int w, int h) {
        return QRect(qRound(x * cx), qRound(y * cy), qRound(w * cx), qRound(h * cy));
    };

    auto* icon = new QLabel(this);
    const QRect iconRect = du(14, 14, 20, 20);
    const int side = std::min(iconRect.width(), iconRect.height());
    icon->setGeometry(QRect(iconRect.topLeft(), QSize(side, side)));
    icon->setPixmap(QIcon(QStringLiteral(":/icons/vantrel.svg")).pixmap(side, side));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("edit1007"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setGeometry(du(40, 7, 214, 101));

    auto* fixed = new QLabel(tr("Copyright (C) Selvo Software"), this);
    fixed->setGeometry(du(42, 115, 114, 8).adjusted(0, -2, 40, 2));

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    m_ok->setGeometry(du(204, 109, 50, 14));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(du(0, 0, 261, 132).size());

    // The edit breaks lines at "\n"; each "\r\n" of the text is one break.
    QString text = productText(path);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text->setPlainText(text);
    m_ok->setFocus();
}

}  // namespace vantrel
