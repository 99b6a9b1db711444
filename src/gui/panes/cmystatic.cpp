#include "panes/cmystatic.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace vantrel {

CMyStatic::CMyStatic(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PictureControl"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void CMyStatic::setLink(int parity, const QString& link)
{
    m_nLinkParity = parity;
    m_strLink = link;
}

void CMyStatic::showPicture(const QImage& picture)
{
    m_picture = picture;
    m_bDrawn = true;
    update();
}

void CMyStatic::clearPicture()
{
    m_picture = QImage();
    m_bDrawn = false;
    update();
}

QString CMyStatic::clickTarget() const
{
    if (!m_strLink.isEmpty())
        return m_strLink;
    return QString::fromLatin1(m_nLinkParity == 1 ? kProductPage : kApplicationCasePage);
}

bool CMyStatic::isWebAddress(const QString& link)
{
    const QUrl url(link.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool CMyStatic::OnClicked()
{
    const QString target = clickTarget();
    if (!isWebAddress(target))
        return false;
    const QUrl url(target.trimmed(), QUrl::StrictMode);
    if (m_openUrl)
        return m_openUrl(url);
    return QDesktopServices::openUrl(url);
}

QSize CMyStatic::sizeHint() const
{
    return {180, 120};
}

void CMyStatic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    if (!m_bDrawn) {
        p.fillRect(r, palette().window());
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    // The frame: a one-pixel black outline around a white face.
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const int w = m_picture.width();
    const int h = m_picture.height();
    if (w <= 0 || h <= 0)
        return;
    const float s = std::min(static_cast<float>(r.width()) / static_cast<float>(w),
                             static_cast<float>(r.height()) / static_cast<float>(h));
    const int dw = static_cast<int>(static_cast<float>(w) * s);
    const int dh = static_cast<int>(static_cast<float>(h) * s);
    if (dw - 1 <= 0 || dh - 2 <= 0)
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(1, 1, dw - 1, dh - 2), m_picture);
}

void CMyStatic::mousePressEvent(QMouseEvent* event)
{
    m_bPressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CMyStatic::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        m_bPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_bPressed = false;
    event->accept();
    if (click)
        OnClicked();
}

}  // namespace vantrel
