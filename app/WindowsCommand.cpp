#include <QApplication>

#include <unistd.h>

#include "app/Commands.h"
#include "app/ProgramWindows.h"
#include "app/core/ProgramFolderLocation.h"
#include "platform/qt/ProductMark.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/Skin.h"

namespace quillmark::app {

namespace {

// The browser engine refuses to start as root inside its sandbox.
void allowBrowserAsRoot() {
    if (::geteuid() != 0) return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--no-sandbox")) return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.isEmpty() ? "--no-sandbox" : flags + " --no-sandbox");
}

}  // namespace

int RunWindows(int argc, char** argv, const program::CommandLine& line) {
    allowBrowserAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quillmark");
    const auto folder = PrepareProgramFolder(line);
    if (!folder) return 2;

    QApplication::setWindowIcon(qt::ProductIcon());
    qt::StartSkin(application);

    qt::QtServices services;
    ProgramState state(*folder);
    ProgramWindows windows(services, state);
    windows.start();
    return QApplication::exec();
}

}  // namespace quillmark::app
