#pragma once

#include <string>

#include "platform/qt/WindowView.h"
#include "whois/ExtensionSettings.h"

class QLayout;
class QLineEdit;
class QTreeView;

namespace quillmark {

// The widgets of the extension settings window. The caller shows the window
// and then loads its logic.
class ExtensionSettingsView : public qt::WindowView {
    Q_OBJECT

public:
    ExtensionSettingsView(Services& services, const ProgramFolder& folder, whois::ServerTable& table,
                          LookupOptions options, const std::string& productName, QWidget* parent = nullptr);
    ~ExtensionSettingsView() override;

    ExtensionSettings& form() { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeServerList();
    QWidget* makeServerEditor();
    QWidget* makeOptions();
    QLayout* makeProtocolRow(QWidget* box);

    QLineEdit* extensionEdit_ = nullptr;
    QLineEdit* defaultExtensionEdit_ = nullptr;
    ExtensionSettings form_;
};

}  // namespace quillmark
