#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "whois/frmSettings.h"

class QCloseEvent;
class QLineEdit;
class QTreeView;

namespace quillmark {

// The widgets of the extension settings window. The caller shows the window
// and then loads its logic.
class frmSettingsView : public QWidget {
    Q_OBJECT

public:
    frmSettingsView(Services& services, const ProgramFolder& folder, modWhois::ServerTable& table,
                    bool& UseProxy, std::string& DefaultExtension, const std::string& productName,
                    std::function<void(QWidget*)> applySkin, QWidget* parent = nullptr);
    ~frmSettingsView() override;

    frmSettings& form() { return form_; }

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

    QLineEdit* txtExt_ = nullptr;
    QLineEdit* txtDefault_ = nullptr;
    frmSettings form_;
};

}  // namespace quillmark
