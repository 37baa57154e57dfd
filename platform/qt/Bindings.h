#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTreeView;
class QWidget;

// Each bind() makes a widget show a control state from now on, and carries
// the user's actions on the widget back into the state and on to the given
// handlers. A binding holds no behaviour of its own. The widget owns any
// helper objects; the state must outlive the widget. A control state has one
// observer, so each state is bound to one widget.
namespace quillmark::qt {

void bind(Label& state, QLabel* widget);
void bind(Frame& state, QGroupBox* widget);
void bind(Button& state, QPushButton* widget, std::function<void()> onClick);
// User edits set the text, then call onChange; setting the text in code does not.
void bind(TextBox& state, QLineEdit* widget, std::function<void()> onChange = {});
void bindReturnPressed(QLineEdit* widget, std::function<void()> onReturn);
// A user click sets the value to 0 or 1, then calls onClick.
void bind(CheckBox& state, QCheckBox* widget, std::function<void()> onClick = {});
void bind(ProgressBar& state, QProgressBar* widget);
// The user picking an item sets the index (and text), then calls onClick;
// typing in an editable combo box sets the text.
void bind(ComboBox& state, QComboBox* widget, std::function<void()> onClick = {});

struct ListBoxCallbacks {
    // Once the user has changed the current item or the selection.
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    // Before the list handles the key; key is a Qt::Key value.
    std::function<void(int key, bool shift, bool ctrl)> onKeyDown;
    // Set: the user can drag the selected items away as this plain text.
    std::function<std::string()> dragText;
    // Set: the list takes plain text dropped on it.
    std::function<void(const std::string& text)> onDrop;
};
void bind(ListBox& state, QListView* widget, ListBoxCallbacks callbacks = {});

// A new widget for a control, bound to it.
QLabel* makeLabel(Label& state, QWidget* parent);
QPushButton* makeButton(Button& state, QWidget* parent, std::function<void()> onClick = {});
QCheckBox* makeCheckBox(CheckBox& state, QWidget* parent, std::function<void()> onClick = {});
QGroupBox* makeFrame(Frame& state, QWidget* parent);

// Deletes a window's child widgets at once. A view whose controls are its
// own members calls it first in its destructor: the members die before the
// widgets would, and a list still on screen would read them.
void releaseWidgets(QWidget* window);

// The window's title follows the caption; showing it is the caller's choice.
void bind(Window& state, QWidget* window);

// Shows a top-level window as maximised, minimised or normal.
void showAs(QWidget* window, Window::State state);

// One label per panel; panels added later appear. Panel i takes
// panelShares[i] parts of the width (1 part when not given).
void bind(StatusBar& state, QStatusBar* widget, std::vector<int> panelShares = {});

struct ListViewCallbacks {
    // Once the user has made a row the selected one.
    std::function<void()> onItemClick;
    std::function<void(int column)> onColumnClick;
};
// The rows stay in the state's order: the view never sorts them itself.
void bind(ListView& state, QTreeView* widget, ListViewCallbacks callbacks = {});

}  // namespace quillmark::qt
