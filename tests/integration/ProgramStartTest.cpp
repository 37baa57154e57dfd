#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>

#include <algorithm>

#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;

// Without a command the windows start on the folder, write its server table and stay open.
TEST(ProgramStart, WindowsStartOnAnEmptyFolderAndWriteItsTable) {
    TempFolder folder, config;
    QProcess process;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path().string()));
    process.setProcessEnvironment(environment);
    process.start(QUILLMARK_EXE, {"--folder", QString::fromStdString(folder.path().string())});
    ASSERT_TRUE(process.waitForStarted(10000));
    for (int wait = 0; wait < 400 && ReadNameList(folder / "registrars.txt").size() < 81; ++wait)
        QThread::msleep(50);
    EXPECT_EQ(ReadNameList(folder / "registrars.txt").size(), 81u);
    EXPECT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().toStdString();
    process.kill();
    process.waitForFinished(5000);
}

// Mistakes give one line on the error stream and status 2.
TEST(ProgramStart, CommandsPrintTheirOutputAndStatus) {
    TempFolder config;
    const std::tuple<QStringList, int, std::string, int> cases[] = {
        {{"clean", "my%20shop.com", "<b>a</b>.com", "b.com?x=1"}, 0, "myshop.com\nab.com\nb.comx=1\n", 0},
        {{"clean", "--help"}, 0, "Usage: quillmark clean", 0},
        {{"clean", "a\nb.com", "--", "-y.com"}, 0, "a\\x0Ab.com\n-y.com\n", 0},
        {{"--bogus"}, 2, "", 1}};
    for (const auto& [args, exitCode, out, errLines] : cases) {
        const auto outcome = testing::RunProgram(args, config.path(), 20'000);
        EXPECT_EQ(outcome.exitCode, exitCode) << args.join(' ').toStdString();
        EXPECT_EQ(outcome.out.substr(0, out.size()), out);
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), errLines) << outcome.err;
    }
}

}  // namespace
}  // namespace quillmark
