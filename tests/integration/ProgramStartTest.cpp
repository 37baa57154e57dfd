#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <algorithm>
#include <map>

#include "support/ProgramProcess.h"
#include "support/TempFolder.h"

namespace quillmark {
namespace {

using testing::TempFolder;

// Starts the windows on a folder, waits until start-up has written the server
// table, then ends the program.
void startWindowsOnce(const TempFolder& folder, const TempFolder& config) {
    QProcess process;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path().string()));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
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
    for (const char* name : {"backups", "overflow", "wordlists", "searches"})
        EXPECT_TRUE(std::filesystem::is_directory(folder / name)) << name;
    for (const char* name : {"BrowserSearch.txt", "Appends.txt", "CreatedDomains.txt", "Remembered.txt"})
        EXPECT_EQ(folder.read(name), "\r\n") << name;
    EXPECT_EQ(ReadNameList(folder / "registrars.txt").size(), 92u);
    EXPECT_TRUE(folder.read("registrars.txt").ends_with("\r\n\r\n"));
    EXPECT_TRUE(folder.read("wordlists/AllTwoLetter.txt").starts_with("aa\r\nab\r\n"));

    const auto first = snapshot(folder);
    startWindowsOnce(folder, config);
    EXPECT_EQ(snapshot(folder), first);
}

// Mistakes give one line on the error stream and status 2.
TEST(ProgramStart, CommandsPrintTheirOutputAndStatus) {
    TempFolder config;
    const struct {
        QStringList args;
        int exitCode;
        std::string out;  // "~text": holds the text
        int errLines;
    } cases[] = {
        {{"clean", "my%20shop.com", "<b>shop</b>.com", "example.com?x=1"},
         0,
         "myshop.com\nshopb.com\nexample.comx=1\n",
         0},
        {{"clean", "--help"}, 0, "~quillmark clean", 0},
        {{"--bogus"}, 2, "", 1},
        {{"clean", "--folder", "x"}, 2, "", 1},
        {{"nonsense"}, 2, "", 1},
    };
    for (const auto& c : cases) {
        const auto outcome = testing::RunProgram(c.args, config.path(), 20'000);
        const std::string what = c.args.join(' ').toStdString();
        EXPECT_EQ(outcome.exitCode, c.exitCode) << what;
        if (c.out.starts_with("~"))
            EXPECT_NE(outcome.out.find(c.out.substr(1)), std::string::npos) << what;
        else
            EXPECT_EQ(outcome.out, c.out) << what;
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), c.errLines) << outcome.err;
    }
}

}  // namespace
}  // namespace quillmark
