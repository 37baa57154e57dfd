#pragma once

#include <QWidget>

class QCloseEvent;

namespace quillmark::qt {

// A window of its own beside the main window: as it closes, its logic
// unloads and then it says it has closed, so whoever holds it may drop it.
class WindowView : public QWidget {
    Q_OBJECT

public:
    explicit WindowView(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

signals:
    // The window has closed and unloaded; it may be dropped.
    void closed();

protected:
    // What the window's logic does as the window closes; nothing by default.
    virtual void unload() {}

private:
    void closeEvent(QCloseEvent* event) final;
};

}  // namespace quillmark::qt
