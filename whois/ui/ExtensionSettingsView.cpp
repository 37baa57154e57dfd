#include "whois/ui/ExtensionSettingsView.h"

#include <QCheckBox>
#include <QCloseEvent>
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
                                 whois::ServerTable& table, bool& UseProxy, std::string& DefaultExtension,
                                 const std::string& productName, std::function<void(QWidget*)> applySkin,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window),
      form_(services, folder, table, UseProxy, DefaultExtension, productName,
            SettingsHooks{[this, applySkin = std::move(applySkin)] {
                              if (applySkin) applySkin(this);
                          },
                          [this] {
                              if (txtExt_) txtExt_->setFocus();
                          }}) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeServerList(), 1);
    layout->addWidget(makeServerEditor());
    layout->addWidget(makeOptions());
    qt::bind(form_.Me, this);
    resize(560, 600);
}

QWidget* ExtensionSettingsView::makeServerList() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(qt::makeLabel(form_.Label4, box));
    auto* list = new QTreeView(box);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setSectionsClickable(true);
    qt::bind(
        form_.lstDomains, list,
        {[this] { form_.lstDomains_Click(); }, [this](int column) { form_.lstDomains_ColumnClick(column); }});
    // For all columns at once: the columns appear only when the window loads.
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(true);
    layout->addWidget(list, 1);
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
    txtExt_ = addField(form_.Label1, form_.txtExt);
    addField(form_.Label2, form_.txtServer);
    addField(form_.Label3, form_.txtPort);
    layout->addLayout(fields, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(qt::makeButton(form_.cmdSave, box, [this] { form_.cmdSave_Click(); }));
    buttons->addWidget(qt::makeButton(form_.Command1, box, [this] { form_.Command1_Click(); }));
    buttons->addWidget(qt::makeButton(form_.Command2, box, [this] { form_.Command2_Click(); }));
    buttons->addWidget(qt::makeButton(form_.cmdToggle, box, [this] { form_.cmdToggle_Click(); }));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return box;
}

QWidget* ExtensionSettingsView::makeOptions() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* proxy = qt::makeCheckBox(form_.chkProxy, box, [this] { form_.chkProxy_Click(); });
    layout->addWidget(proxy);

    auto* hint = qt::makeLabel(form_.Label6, box);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto* row = new QHBoxLayout;
    row->addWidget(qt::makeLabel(form_.Label5, box));
    txtDefault_ = new QLineEdit(box);
    qt::bind(form_.txtDefault, txtDefault_, [this] { form_.txtDefault_Change(); });
    txtDefault_->installEventFilter(this);
    row->addWidget(txtDefault_, 1);
    row->addStretch(1);
    row->addWidget(qt::makeButton(form_.Command3, box, [this] { form_.Command3_Click(); }));
    layout->addLayout(row);
    return box;
}

bool ExtensionSettingsView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtDefault_ && event->type() == QEvent::FocusOut) form_.txtDefault_LostFocus();
    return QWidget::eventFilter(watched, event);
}

void ExtensionSettingsView::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

ExtensionSettingsView::~ExtensionSettingsView() {
    qt::releaseWidgets(this);
}

}  // namespace quillmark
