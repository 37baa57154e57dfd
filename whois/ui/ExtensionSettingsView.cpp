#include "whois/ui/ExtensionSettingsView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/qt/Bindings.h"

namespace quillmark {

ExtensionSettingsView::ExtensionSettingsView(Services& services, const ProgramFolder& folder,
                                             whois::ServerTable& table, LookupOptions options,
                                             const std::string& productName, QWidget* parent)
    : WindowView(parent),
      form_(services, folder, table, options, productName, SettingsHooks{[this] {
                if (extensionEdit_) extensionEdit_->setFocus();
            }}) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeServerList(), 1);
    layout->addWidget(makeServerEditor());
    layout->addWidget(makeOptions());
    qt::bind(form_.window, this);
    resize(560, 600);
}

QWidget* ExtensionSettingsView::makeServerList() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(qt::makeLabel(form_.tableLabel, box));
    auto* list = new QTreeView(box);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setSectionsClickable(true);
    qt::bind(form_.extensions, list,
             {[this] { form_.RowClicked(); }, [this](int column) { form_.ColumnClicked(column); }});
    // For all columns at once: the columns appear only when the window loads.
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(true);
    layout->addWidget(list, 1);
    auto* note = qt::makeLabel(form_.addressRegistryNote, box);
    note->setWordWrap(true);
    layout->addWidget(note);
    return box;
}

QWidget* ExtensionSettingsView::makeServerEditor() {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* fields = new QFormLayout;
    const auto addField = [box, fields](Label& label, TextBox& state) {
        auto* edit = new QLineEdit(box);
        qt::bind(state, edit);
        fields->addRow(qt::makeLabel(label, box), edit);
        return edit;
    };
    extensionEdit_ = addField(form_.extensionLabel, form_.extension);
    addField(form_.serverLabel, form_.server);
    addField(form_.portLabel, form_.port);
    layout->addLayout(fields, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(qt::makeButton(form_.saveButton, box, [this] { form_.SaveRow(); }));
    buttons->addWidget(qt::makeButton(form_.newButton, box, [this] { form_.NewExtension(); }));
    buttons->addWidget(qt::makeButton(form_.deleteButton, box, [this] { form_.DeleteSelected(); }));
    buttons->addWidget(qt::makeButton(form_.toggleButton, box, [this] { form_.ToggleEnabled(); }));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return box;
}

QWidget* ExtensionSettingsView::makeOptions() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* proxy = qt::makeCheckBox(form_.useProxy, box, [this] { form_.ProxyClicked(); });
    layout->addWidget(proxy);

    auto* hint = qt::makeLabel(form_.defaultExtensionHint, box);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto* row = new QHBoxLayout;
    row->addWidget(qt::makeLabel(form_.defaultExtensionLabel, box));
    defaultExtensionEdit_ = new QLineEdit(box);
    qt::bind(form_.defaultExtension, defaultExtensionEdit_, [this] { form_.DefaultExtensionChanged(); });
    defaultExtensionEdit_->installEventFilter(this);
    row->addWidget(defaultExtensionEdit_, 1);
    row->addStretch(1);
    row->addWidget(qt::makeButton(form_.restoreButton, box, [this] { form_.RestoreDefaults(); }));
    layout->addLayout(row);
    layout->addLayout(makeProtocolRow(box));
    auto* status = qt::makeLabel(form_.updateStatus, box);
    status->setWordWrap(true);
    layout->addWidget(status);
    return box;
}

QLayout* ExtensionSettingsView::makeProtocolRow(QWidget* box) {
    auto* row = new QHBoxLayout;
    row->addWidget(qt::makeLabel(form_.protocolLabel, box));
    auto* protocol = new QComboBox(box);
    qt::bind(form_.protocol, protocol, [this] { form_.ProtocolChosen(); });
    row->addWidget(protocol);
    row->addStretch(1);
    row->addWidget(qt::makeButton(form_.updateButton, box, [this] { form_.UpdateServerData(); }));
    return row;
}

bool ExtensionSettingsView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == defaultExtensionEdit_ && event->type() == QEvent::FocusOut)
        form_.DefaultExtensionLostFocus();
    return QWidget::eventFilter(watched, event);
}

ExtensionSettingsView::~ExtensionSettingsView() {
    qt::releaseWidgets(this);
}

}  // namespace quillmark
