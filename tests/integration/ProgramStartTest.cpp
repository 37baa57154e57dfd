#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <algorithm>
#include <map>

#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

QProcessEnvironment environmentWithConfig(const TempFolder& config) {
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path().string()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

Outcome runCommand(const QStringList& args, const TempFolder& config) {
    QProcess process;
    process.setProcessEnvironment(environmentWithConfig(config));
    process.start(QUILLMARK_EXE, args);
    process.waitForFinished(20000);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

// Starts the windows on a folder, waits until start-up has written the server
// table, then ends the program.
void startWindowsOnce(const TempFolder& folder, const TempFolder& config) {
    QProcess process;
    process.setProcessEnvironment(environmentWithConfig(config));
    process.start(QUILLMARK_EXE, {"--folder", QString::fromStdString(folder.path().string())});
    ASSERT_TRUE(process.waitForStarted(10000));
    QDeadlineTimer deadline(20000);
    while (!FileExists(folder / "registrars.txt") && !deadline.hasExpired()) QThread::msleep(50);
    QThread::msleep(300);
    EXPECT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().toStdString();
    process.kill();
    process.waitForFinished(5000);
}

std::map<std::string, std::string> snapshot(const TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
        const auto name = std::filesystem::relative(entry.path(), folder.path()).string();
        files[name] = entry.is_directory() ? "<dir>" : folder.read(name);
    }
    return files;
}

TEST(ProgramStart, EmptyFolderGetsItsFoldersFilesAndTableOnce) {
    TempFolder folder;
    TempFolder config;
    startWindowsOnce(folder, config);

    for (const char* name : {"backups", "overflow", "wordlists", "searches"}) {
        EXPECT_TRUE(std::filesystem::is_directory(folder / name)) << name;
    }
    for (const char* name : {"BrowserSearch.txt", "Appends.txt", "CreatedDomains.txt", "Remembered.txt"}) {
        EXPECT_EQ(folder.read(name), "\r\n") << name;
    }
    const auto table = folder.read("registrars.txt");
    EXPECT_EQ(ReadNameList(folder / "registrars.txt").size(), 92u);
    EXPECT_EQ(table.substr(table.size() - 4), "\r\n\r\n");
    EXPECT_EQ(folder.read("wordlists/AllTwoLetter.txt").substr(0, 8), "aa\r\nab\r\n");

    const auto first = snapshot(folder);
    startWindowsOnce(folder, config);
    EXPECT_EQ(snapshot(folder), first);
}

TEST(ProgramStart, CleanPrintsOneLinePerText) {
    TempFolder config;
    const auto outcome = runCommand({"clean", "my%20shop.com", "<b>shop</b>.com", "example.com?x=1"}, config);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "myshop.com\nshopb.com\nexample.comx=1\n");
}

TEST(ProgramStart, BadOptionsGiveOneLineAndStatusTwo) {
    TempFolder config;
    for (const QStringList& args :
         {QStringList{"--bogus"}, QStringList{"clean", "--folder", "x"}, QStringList{"nonsense"}}) {
        const auto outcome = runCommand(args, config);
        EXPECT_EQ(outcome.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(outcome.out.empty());
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    }
}

TEST(ProgramStart, HelpExplainsTheCommand) {
    TempFolder config;
    const auto outcome = runCommand({"clean", "--help"}, config);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_NE(outcome.out.find("quillmark clean"), std::string::npos);
}

}  // namespace
}  // namespace quillmark
