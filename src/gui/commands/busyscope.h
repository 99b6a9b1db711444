#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <functional>

namespace vantrel {

/// The busy state of a long operation for its length: says at once that the
/// operation is busy with its text, then the percentage as it moves, and
/// that it is idle again when the scope ends. Whoever listens shows it (the
/// main frame: the wait cursor and the status bar, painted at once, as the
/// operation blocks the event loop).
class BusyScope {
public:
    /// Called with (true, text) when busy and on progress, (false, {}) at the end.
    using Report = std::function<void(bool busy, const QString& text)>;

    BusyScope(Report report, const QString& text);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    /// Reports "text  NN%" when the percentage changed, at most a few times a second.
    void progress(std::uint64_t done, std::uint64_t total);

private:
    void show(const QString& text);

    Report m_report;
    QString m_text;
    int m_percent = -1;
    QElapsedTimer m_sinceShown;
};

}  // namespace vantrel
