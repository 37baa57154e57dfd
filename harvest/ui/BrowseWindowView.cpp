#include "harvest/ui/BrowseWindowView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace quillmark {

namespace {

// Enough of a page to read and scroll, however small the window.
const QSize kPageMinimum(360, 240);

}  // namespace

BrowseWindowView::BrowseWindowView(Services& services, MainWindow& main, const harvest::SearchSites& sites,
                                   QWidget* parent)
    : WindowView(parent),
      page_(new QWebEngineView(this)),
      framePage_(new QWebEngineView(this)),
      browser_(page_, sites.browseStartPage),
      frameBrowser_(framePage_),
      form_(services, main, browser_, frameBrowser_, sites) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildNavigation());
    // The page takes all the room the lists, no wider than they need, leave.
    auto* body = new QHBoxLayout;
    page_->setToolTip("Searching for unique domain names.");
    page_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    page_->setMinimumSize(kPageMinimum);
    body->addWidget(page_, 1);
    QWidget* lists = buildLists();
    lists->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    body->addWidget(lists);
    layout->addLayout(body, 1);
    // Loads frame sources only to read them; never shown.
    framePage_->setVisible(false);
    auto* status = new QStatusBar(this);
    qt::bind(form_.statusBar, status, {2, 2, 1});
    layout->addWidget(status);
    qt::bind(form_.window, this);
    resize(1100, 750);
}

QWidget* BrowseWindowView::buildNavigation() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);

    auto* addressRow = new QHBoxLayout;
    for (auto [state, handler] : std::initializer_list<std::pair<Button*, void (harvest::BrowseWindow::*)()>>{
             {&form_.backButton, &harvest::BrowseWindow::Back},
             {&form_.forwardButton, &harvest::BrowseWindow::Forward},
             {&form_.homeButton, &harvest::BrowseWindow::Home},
             {&form_.refreshButton, &harvest::BrowseWindow::Refresh},
             {&form_.stopButton, &harvest::BrowseWindow::StopLoading}}) {
        addressRow->addWidget(qt::makeButton(*state, area, [this, handler] { (form_.*handler)(); }));
    }
    auto* address = new QComboBox(area);
    address->setEditable(true);
    qt::bind(form_.addressBox, address, [this] { form_.AddressChosen(); });
    qt::bindReturnPressed(address->lineEdit(), [this] { form_.AddressKeyPress(key::kEnter); });
    addressRow->addWidget(address, 1);
    addressRow->addWidget(qt::makeButton(form_.goButton, area, [this] { form_.Go(); }));
    column->addLayout(addressRow);

    auto* siteRow = new QHBoxLayout;
    for (int i = 0; i < static_cast<int>(form_.siteButtons.size()); ++i) {
        siteRow->addWidget(qt::makeButton(form_.siteButtons[static_cast<std::size_t>(i)], area,
                                          [this, i] { form_.OpenSite(i); }));
    }
    siteRow->addStretch(1);
    column->addLayout(siteRow);
    return area;
}

QWidget* BrowseWindowView::buildLists() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildListColumn(harvest::BrowseList::Unregistered), 1);
    column->addWidget(buildListColumn(harvest::BrowseList::Registered), 1);
    return area;
}

QWidget* BrowseWindowView::buildListColumn(harvest::BrowseList which) {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(area);
    qt::bind(form_.CaptionOf(which), caption);
    column->addWidget(caption);
    auto* list = new QListView(area);
    qt::ListBoxCallbacks callbacks;
    callbacks.onDoubleClick = [this, which] { form_.ListDoubleClicked(which); };
    callbacks.onKeyDown = [this, which](int key, bool shift, bool) {
        if (key == Qt::Key_Delete) form_.ListKeyDown(which, key::kDelete, shift ? key::kShiftMask : 0);
    };
    qt::bind(form_.ListOf(which), list, std::move(callbacks));
    column->addWidget(list, 1);
    auto* buttons = new QHBoxLayout;
    results::ListButtons& listButtons = form_.ButtonsOf(which);
    buttons->addWidget(qt::makeButton(listButtons.clear, area, [this, which] { form_.ClearList(which); }));
    buttons->addWidget(
        qt::makeButton(listButtons.deleteSelected, area, [this, which] { form_.DeleteSelected(which); }));
    buttons->addWidget(qt::makeButton(listButtons.copy, area, [this, which] { form_.CopyList(which); }));
    column->addLayout(buttons);
    return area;
}

void BrowseWindowView::unload() {
    form_.Unload();
}

BrowseWindowView::~BrowseWindowView() {
    qt::releaseWidgets(this);
}

}  // namespace quillmark
