#include <gtest/gtest.h>

#include <QProcess>
#include <QThread>

#include <algorithm>
#include <map>

#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;

// Starts the windows on the folder and ends them once start-up has written the
// server table; gives every file of the folder with its bytes, folders as "<dir>".
std::map<std::string, std::string> startWindowsOnce(const TempFolder& folder, const TempFolder& config) {
    QProcess process;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path().string()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(QUILLMARK_EXE, {"--folder", QString::fromStdString(folder.path().string())});
    EXPECT_TRUE(process.waitForStarted(10000));
    for (int wait = 0; wait < 400 && !FileExists(folder / "registrars.txt"); ++wait) QThread::msleep(50);
    QThread::msleep(300);
    EXPECT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().toStdString();
    process.kill();
    process.waitForFinished(5000);
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
        const auto name = std::filesystem::relative(entry.path(), folder.path()).string();
        files[name] = entry.is_directory() ? "<dir>" : folder.read(name);
    }
    return files;
}

TEST(ProgramStart, EmptyFolderGetsItsFoldersFilesAndTableOnce) {
    TempFolder folder, config;
    const auto first = startWindowsOnce(folder, config);
    EXPECT_EQ(ReadNameList(folder / "registrars.txt").size(), 92u);
    EXPECT_EQ(first.count("searches") + first.count("Remembered.txt"), 2u);
    EXPECT_TRUE(folder.read("wordlists/AllTwoLetter.txt").starts_with("aa\r\nab\r\n"));
    EXPECT_EQ(startWindowsOnce(folder, config), first);
}

// Mistakes give one line on the error stream and status 2.
TEST(ProgramStart, CommandsPrintTheirOutputAndStatus) {
    TempFolder config;
    const std::tuple<QStringList, int, std::string, int> cases[] = {
        {{"clean", "my%20shop.com", "<b>shop</b>.com", "example.com?x=1"},
         0,
         "myshop.com\nshopb.com\nexample.comx=1\n",
         0},
        {{"clean", "--help"}, 0, "quillmark clean", 0},
        {{"--bogus"}, 2, "", 1},
        {{"clean", "--folder", "x"}, 2, "", 1}};
    for (const auto& [args, exitCode, out, errLines] : cases) {
        const auto outcome = testing::RunProgram(args, config.path(), 20'000);
        EXPECT_EQ(outcome.exitCode, exitCode) << args.join(' ').toStdString();
        EXPECT_TRUE(out.empty() ? outcome.out.empty() : outcome.out.find(out) != std::string::npos)
            << outcome.out;
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), errLines) << outcome.err;
    }
}

}  // namespace
}  // namespace quillmark
