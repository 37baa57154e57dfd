#pragma once

#include <QAbstractItemModelTester>

#include <string>
#include <vector>

namespace quillmark::testing {

// Runs Qt's model checker over a model while it lives, keeping what it
// complains about rather than stopping the test run.
class ModelComplaints {
public:
    explicit ModelComplaints(QAbstractItemModel* model) : tester_(model, Mode::Warning) {}
    ~ModelComplaints() {
        qInstallMessageHandler(previous_);
        seen().clear();
    }

    const std::vector<std::string>& messages() const { return seen(); }

private:
    using Mode = QAbstractItemModelTester::FailureReportingMode;
    static std::vector<std::string>& seen() {
        static std::vector<std::string> messages;
        return messages;
    }
    static void note(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type != QtDebugMsg && qstrcmp(context.category, "qt.modeltest") == 0)
            seen().push_back(message.toStdString());
    }

    // Installed before the checker, which checks from its first moment.
    QtMessageHandler previous_ = qInstallMessageHandler(&note);
    QAbstractItemModelTester tester_;
};

}  // namespace quillmark::testing
