#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "whois/ExtensionSettings.h"

class QCloseEvent;
class QLineEdit;
class QTreeView;

namespace quillmark {

// The widgets of the extension settings window. The caller shows the window
// and then loads its logic.
class ExtensionSettingsView : public QWidget {
    Q_OBJECT

public:
    ExtensionSettingsView(Services& services, const ProgramFolder& folder, whois::ServerTable& table,
                          bool& UseProxy, std::string& DefaultExtension, const std::string& productName,
                          std::function<void(QWidget*)> applySkin, QWidget* parent = nullptr);
    ~ExtensionSettingsView() override;

    ExtensionSettings& form() { return form_; }

signals:
    // The window has closed; it may be dropped.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeServerList();
    QWidget* makeServerEditor();
    QWidget* makeOptions();

    QLineEdit* extensionEdit_ = nullptr;
    QLineEdit* defaultExtensionEdit_ = nullptr;
    ExtensionSettings form_;
};

}  // namespace quillmark
