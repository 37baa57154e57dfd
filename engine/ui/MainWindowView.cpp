#include "engine/ui/MainWindowView.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/qt/Bindings.h"

namespace quillmark {

namespace {

// The window was designed in twips; 15 twips make a pixel at 96 dpi.
constexpr int twips(int value) {
    return value / 15;
}

constexpr int kMinimumSide = twips(6501);
constexpr int kProfileGap = twips(75);
constexpr int kSavedGap = twips(300);
constexpr int kButtonGap = 2;

}  // namespace

MainWindowView::MainWindowView(MainWindow& form, QWidget* parent) : QMainWindow(parent), form_(form) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildSourceFrame());
    layout->addWidget(buildListFrame(), 1);
    auto* progress = new QProgressBar(central);
    qt::bind(form_.progress, progress);
    layout->addWidget(progress);
    setCentralWidget(central);
    buildMenus();

    auto* status = new QStatusBar(this);
    // A quarter, a quarter and half of the width.
    qt::bind(form_.statusBar, status, {1, 1, 2});
    setStatusBar(status);

    fitMinimumSize();
    resize(std::max(minimumWidth(), 1100), std::max(minimumHeight(), 700));
    qt::bind(form_.window, this);
}

// What the window needs with either group of source controls in place, and
// with room for a five-digit count of unchecked names.
QSize MainWindowView::neededSize(QWidget* central) {
    const std::string unchecked = form_.uncheckedButton.caption();
    std::vector<std::pair<Control*, bool>> shown;
    for (Control* control : form_.ListSourceControls()) shown.emplace_back(control, control->visible());
    for (Control* control : form_.SearchSourceControls()) shown.emplace_back(control, control->visible());
    form_.uncheckedButton.setCaption("Unchecked (99999)");
    QSize needed;
    for (const bool search : {false, true}) {
        for (std::size_t i = 0; i < shown.size(); ++i) shown[i].first->setVisible((i >= 5) == search);
        for (QLayout* layout : central->findChildren<QLayout*>()) layout->invalidate();
        central->layout()->invalidate();
        needed = needed.expandedTo(central->layout()->minimumSize());
    }
    for (const auto& [control, visible] : shown) control->setVisible(visible);
    form_.uncheckedButton.setCaption(unchecked);
    return needed;
}

QWidget* MainWindowView::buildSourceFrame() {
    auto* frame = new QGroupBox(this);
    qt::bind(form_.sourceFrame, frame);
    auto* row = new QHBoxLayout(frame);

    row->addWidget(qt::makeLabel(form_.searchTypeLabel, frame));
    auto* combo1 = new QComboBox(frame);
    combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    qt::bind(form_.searchType, combo1, [this] { form_.ChooseSearchType(); });
    row->addWidget(combo1);

    row->addWidget(qt::makeLabel(form_.startNumberLabel, frame));
    auto* wordNum = new QLineEdit(frame);
    qt::bind(form_.startNumber, wordNum, [this] { form_.StartNumberChanged(); });
    wordNum->setMaximumWidth(100);
    row->addWidget(wordNum);
    row->addWidget(qt::makeLabel(form_.ofLabel, frame));
    auto* wordMax = new QLineEdit(frame);
    wordMax->setReadOnly(true);
    wordMax->setMaximumWidth(100);
    qt::bind(form_.listSize, wordMax, {});
    row->addWidget(wordMax);
    row->addWidget(qt::makeButton(form_.startButton, frame, [this] { form_.Start(); }));

    row->addWidget(qt::makeLabel(form_.searchTextLabel, frame));
    auto* search = new QLineEdit(frame);
    search->setMinimumWidth(200);
    qt::bind(form_.searchText, search, [this] { form_.SearchTextChanged(); });
    row->addWidget(search, 1);
    row->addWidget(qt::makeLabel(form_.getLabel, frame));
    auto* combo2 = new QComboBox(frame);
    combo2->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    qt::bind(form_.searchSize, combo2, {});
    row->addWidget(combo2);
    row->addWidget(qt::makeButton(form_.searchButton, frame, [this] { form_.Search(); }));
    row->addWidget(qt::makeButton(form_.stopButton, frame, [this] { form_.Stop(); }));
    row->addStretch(1);
    row->addWidget(qt::makeButton(form_.uncheckedButton, frame, [this] { form_.ShowUnchecked(); }));
    row->addWidget(qt::makeButton(form_.setupButton, frame, [this] { form_.OpenSetup(); }));
    row->addWidget(qt::makeButton(form_.websiteButton, frame, [this] { form_.VisitWebsite(); }));
    return frame;
}

QGroupBox* MainWindowView::buildListFrame() {
    auto* frame = new QGroupBox(this);
    qt::bind(form_.listsFrame, frame);
    auto* row = new QHBoxLayout(frame);
    row->setSpacing(0);
    // Left to right: High, Mid, Low, Registered, Saved.
    const std::array order{ResultList::High, ResultList::Mid, ResultList::Low, ResultList::Registered,
                           ResultList::Saved};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const bool apart = order[i] == ResultList::Registered || order[i] == ResultList::Saved;
        if (i > 0) row->addSpacing(apart ? kSavedGap : kProfileGap);
        row->addWidget(buildListColumn(order[i]), 1);
    }
    return frame;
}

QWidget* MainWindowView::buildListColumn(ResultList n) {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(qt::makeLabel(form_.CaptionOf(n), column));

    auto* list = new QListView(column);
    qt::bind(form_.ListOf(n), list, listCallbacks(n));
    listViews_[SlotOf(n)] = list;
    layout->addWidget(list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kButtonGap);
    results::ListButtons& listButtons = form_.ButtonsOf(n);
    buttons->addWidget(qt::makeButton(listButtons.copy, column, [this, n] { form_.CopyList(n); }));
    auto* deleteSelected =
        qt::makeButton(listButtons.deleteSelected, column, [this, n] { form_.DeleteSelected(n); });
    deleteSelected->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    buttons->addWidget(deleteSelected);
    buttons->addWidget(qt::makeButton(listButtons.clear, column, [this, n] { form_.ClearList(n); }));
    layout->addLayout(buttons);
    return column;
}

qt::ListBoxCallbacks MainWindowView::listCallbacks(ResultList n) {
    qt::ListBoxCallbacks callbacks;
    callbacks.onClick = [this, n] { form_.ListClicked(n); };
    callbacks.onDoubleClick = [this, n] { form_.ListDoubleClicked(n); };
    callbacks.onKeyDown = [this, n](int key, bool shift, bool ctrl) {
        if (key == Qt::Key_Delete)
            form_.ListKeyDown(n, key::kDelete, (shift ? key::kShiftMask : 0) | (ctrl ? key::kCtrlMask : 0));
    };
    if (n != ResultList::Saved) callbacks.dragText = [this, n] { return form_.DragText(n); };
    if (n == ResultList::Saved)
        callbacks.onDrop = [this](const std::string& text) { form_.DropOnSaved(text); };
    return callbacks;
}

void MainWindowView::buildMenus() {
    QMenu* file = menuBar()->addMenu("File");
    file->addAction("Export...", this, [this] { form_.ExportLists(); });
    file->addAction("Exit", this, [this] { form_.FileMenuExit(); });
    QMenu* edit = menuBar()->addMenu("Edit");
    QAction* undo = edit->addAction("Undo", this, [this] { form_.Undo(); });
    undo->setShortcut(QKeySequence::Undo);
    // The action shows the state's caption and whether there is anything to undo.
    const auto showUndo = [this, undo = QPointer<QAction>(undo)] {
        if (!undo) return;
        undo->setText(QString::fromStdString(form_.undoItem.caption()));
        undo->setEnabled(form_.undoItem.enabled());
    };
    form_.undoItem.setObserver(showUndo);
    showUndo();
    edit->addSeparator();
    for (int i = 0; i < static_cast<int>(MainWindow::EditMenuCaptions().size()); ++i) {
        edit->addAction(MainWindow::EditMenuCaptions()[static_cast<std::size_t>(i)], this,
                        [this, i] { form_.EditMenu(i); });
    }
    QMenu* tools = menuBar()->addMenu("Tools");
    for (int i = 0; i < form_.searchType.listCount(); ++i) {
        tools->addAction(QString::fromStdString(form_.searchType.item(i)), this,
                         [this, i] { form_.ToolsMenu(i); });
    }
    tools->addSeparator();
    tools->addAction("Whois Lookup...", this, [this] { form_.WhoisMenu(focusedList()); });
    menuBar()->addMenu("Options")->addAction("Setup", this, [this] { form_.OptionsMenu(); });
    menuBar()->addMenu("Help")->addAction("View Help", this, [this] { form_.HelpMenu(0); });
    menuBar()->addMenu("About")->addAction("About this software", this, [this] { form_.AboutMenu(); });
}

std::optional<ResultList> MainWindowView::focusedList() const {
    for (const ResultList list : kResultLists) {
        if (focusWidget() == resultListView(list)) return list;
    }
    return std::nullopt;
}

QListView* MainWindowView::resultListView(ResultList list) const {
    return listViews_.at(SlotOf(list));
}

void MainWindowView::showAsTheWindowSays() {
    qt::showAs(this, form_.window.windowState());
}

// Never smaller than the designed minimum, nor than the controls need.
void MainWindowView::fitMinimumSize() {
    const QSize needed = neededSize(centralWidget());
    setMinimumSize(std::max(kMinimumSide, needed.width()), std::max(kMinimumSide, needed.height()));
}

// Only a shown window's controls know their sizes under the style sheet.
void MainWindowView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fitMinimumSize();
}

void MainWindowView::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) fitMinimumSize();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    form_.Unload();
    event->accept();
}

}  // namespace quillmark
