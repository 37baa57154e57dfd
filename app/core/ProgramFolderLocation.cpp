#include "app/core/ProgramFolderLocation.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <iostream>
#include <system_error>

#include "engine/ShippedData.h"
#include "platform/Files.h"

namespace quillmark::app {

namespace fs = std::filesystem;

namespace {

fs::path defaultFolder() {
    return fs::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
}

// Installed as bin/quillmark beside share/quillmark; the build tree mirrors that.
fs::path shippedDataFolder() {
    return fs::path(QCoreApplication::applicationDirPath().toStdString()) / ".." / "share" / "quillmark";
}

}  // namespace

std::optional<fs::path> PrepareProgramFolder(const app::CommandLine& line) {
    const fs::path folder = line.has("--folder") ? fs::path(*line.option("--folder")) : defaultFolder();
    std::error_code error;
    fs::create_directories(folder, error);
    if (!DirExists(folder)) {
        std::cerr << "quillmark: cannot use the folder " << folder.string() << '\n';
        return std::nullopt;
    }
    InstallShippedData(shippedDataFolder(), ProgramFolder(folder));
    return fs::absolute(folder, error);
}

}  // namespace quillmark::app
