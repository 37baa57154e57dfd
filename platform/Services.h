#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "Clock.h"
#include "HttpClient.h"
#include "SettingsStore.h"
#include "TcpClient.h"
#include "Timer.h"

namespace quillmark {

// Lets pending events run, nested inside the current handler.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(std::string_view text) = 0;
    virtual std::string text() const = 0;
};

struct FileDialogRequest {
    std::string title;
    std::string startFolder;
    std::string fileName;
    // "Text files (*.txt)|*.txt" style: description and pattern pairs.
    std::string filter;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
};

enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MessageResult show(std::string_view text, std::string_view title,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
};

// Opens a file with the application the desktop registers for it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openWithDefaultApplication(std::string_view path) = 0;
};

// Everything a window's logic needs from the platform. The logic never makes
// a platform object itself.
class Services {
public:
    virtual ~Services() = default;

    virtual std::unique_ptr<TcpClient> makeTcpClient() = 0;
    // Every client shares one pool of kept-alive connections.
    virtual std::unique_ptr<HttpClient> makeHttpClient() = 0;
    virtual std::unique_ptr<Timer> makeTimer() = 0;
    virtual EventPump& pump() = 0;
    virtual SettingsStore& settings() = 0;
    virtual Clipboard& clipboard() = 0;
    virtual FileDialogs& dialogs() = 0;
    virtual MessageBox& messages() = 0;
    virtual Shell& shell() = 0;
    virtual Clock& clock() = 0;
};

}  // namespace quillmark
