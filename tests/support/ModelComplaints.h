#pragma once

#include <QtGlobal>

#include <string>
#include <vector>

namespace quillmark::testing {

// Collects what Qt's model checker complains about while it lives.
class ModelComplaints {
public:
    ModelComplaints() {
        messages().clear();
        previous_ = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (type != QtDebugMsg && qstrcmp(context.category, "qt.modeltest") == 0) {
                    messages().push_back(message.toStdString());
                }
            });
    }
    ~ModelComplaints() { qInstallMessageHandler(previous_); }
    ModelComplaints(const ModelComplaints&) = delete;
    ModelComplaints& operator=(const ModelComplaints&) = delete;

    static std::vector<std::string>& messages() {
        static std::vector<std::string> seen;
        return seen;
    }

private:
    QtMessageHandler previous_;
};

}  // namespace quillmark::testing
