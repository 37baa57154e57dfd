#pragma once

#include <QMainWindow>

#include "engine/MainWindow.h"
#include "platform/qt/Bindings.h"

class QCloseEvent;
class QGroupBox;
class QListView;
class QPushButton;
class QWidget;

namespace quillmark {

// The main window's widgets, bound to the controls of MainWindow.
class MainWindowView : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindowView(MainWindow& form, QWidget* parent = nullptr);

    // Shows the window as the window state asks (maximised after load).
    void showAsTheWindowSays();

    // The widget of a result list (1 to 5), for tests and drag and drop.
    QListView* resultListView(int n) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildSourceFrame();
    QGroupBox* buildListFrame();
    QWidget* buildListColumn(int n);
    void buildMenus();
    // The result list (1 to 5) that has, or last had, the keyboard focus in
    // this window; 0 for none.
    int focusedList() const;
    qt::ListBoxCallbacks listCallbacks(int n);

    MainWindow& form_;
    std::array<QListView*, 6> listViews_{};
};

}  // namespace quillmark
