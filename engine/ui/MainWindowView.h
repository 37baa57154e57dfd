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

    // The widget of a result list, for tests and drag and drop.
    QListView* resultListView(ResultList list) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // A new style or font changes what the controls need.
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSourceFrame();
    QSize neededSize(QWidget* central);
    void fitMinimumSize();
    QGroupBox* buildListFrame();
    QWidget* buildListColumn(ResultList list);
    void buildMenus();
    // The result list that has, or last had, the keyboard focus in this window.
    std::optional<ResultList> focusedList() const;
    qt::ListBoxCallbacks listCallbacks(ResultList list);

    MainWindow& form_;
    std::array<QListView*, 5> listViews_{};  // in the order of kResultLists
};

}  // namespace quillmark
