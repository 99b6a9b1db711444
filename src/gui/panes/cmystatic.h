#pragma once

#include <QImage>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace vantrel {

/// The picture control at the bottom of the file view: shows the picture the
/// pane hands it and, when clicked, opens the picture's link, or one of the
/// maker's pages when the link is empty. Only http and https addresses are
/// opened.
class CMyStatic : public QWidget {
    Q_OBJECT
public:
    /// The default link of a picture and the fallback for odd picture indexes.
    static constexpr const char* kProductPage = "https://www.selvo-software.com/products";
    /// The fallback for even picture indexes and before any picture was drawn.
    static constexpr const char* kApplicationCasePage = "https://www.selvo-software.com/cases";

    explicit CMyStatic(QWidget* parent = nullptr);

    /// Hands an address to the desktop; QDesktopServices::openUrl unless replaced.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    int linkParity() const { return m_nLinkParity; }
    QString link() const { return m_strLink; }
    void setLink(int parity, const QString& link);

    /// Draws `picture` from now on: a frame over the whole control, and the
    /// picture scaled to fit with its aspect ratio, at the top left. A null
    /// image draws the frame alone.
    void showPicture(const QImage& picture);
    /// Back to blank (no picture to show).
    void clearPicture();
    bool hasPicture() const { return m_bDrawn; }
    const QImage& picture() const { return m_picture; }

    /// The address a click opens now.
    QString clickTarget() const;
    /// A click: opens clickTarget() when it is an http or https address.
    /// Returns whether it was handed to the desktop.
    bool OnClicked();

    static bool isWebAddress(const QString& link);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_nLinkParity = 0;
    QString m_strLink;
    QImage m_picture;
    bool m_bDrawn = false;
    bool m_bPressed = false;
    UrlOpener m_openUrl;
};

}  // namespace vantrel
