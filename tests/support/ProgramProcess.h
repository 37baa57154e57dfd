#pragma once

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <filesystem>
#include <string>

namespace quillmark::testing {

struct ProgramOutcome {
    bool finished = false;
    int exitCode = -1;
    std::string out, err;
};

// Runs the program with its settings in `configHome`, while this process's
// event loop keeps serving whatever servers the test started; kills it when
// it has not ended within the limit.
inline ProgramOutcome RunProgram(const QStringList& args, const std::filesystem::path& configHome,
                                 int limitMs = 60'000) {
    QProcess process;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(configHome.string()));
    process.setProcessEnvironment(environment);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    process.start(QUILLMARK_EXE, args);
    loop.exec();
    const bool finished = process.state() == QProcess::NotRunning;
    if (!finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    return {finished, process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

}  // namespace quillmark::testing
