#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <cstdint>

class QStatusBar;

namespace vantrel {

/// The wait cursor and a status-bar text for the length of a long operation.
/// The status bar is painted at once, as the operation blocks the event loop.
class BusyScope {
public:
    BusyScope(QStatusBar* statusBar, const QString& text);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    /// Shows "text  NN%" when the percentage changed, at most a few times a second.
    void progress(std::uint64_t done, std::uint64_t total);

private:
    void show(const QString& text);

    QPointer<QStatusBar> m_statusBar;
    QString m_text;
    int m_percent = -1;
    QElapsedTimer m_sinceShown;
};

}  // namespace vantrel
