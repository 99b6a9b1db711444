#pragma once

#include <QObject>

namespace vantrel {

class CChildFrame;
class CommandRouter;

/// The document of a chart window. It holds no data (the readings stay in
/// the tables); its title is the window's, and it passes Open and Save
/// Original Data on to the main frame, so they act the same from any window.
class CVantrelDoc : public QObject {
    Q_OBJECT
public:
    CVantrelDoc(CChildFrame& window, CommandRouter& router);

    QString title() const;
    void setTitle(const QString& title);

private:
    CChildFrame& m_window;
};

}  // namespace vantrel
