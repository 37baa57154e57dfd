#include <QApplication>

#include "app/Commands.h"
#include "app/ProgramWindows.h"
#include "app/core/ProgramFolderLocation.h"
#include "platform/qt/ProductMark.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/Skin.h"

namespace quillmark::app {

int RunWindows(const app::CommandLine& line) {
    const auto folder = PrepareProgramFolder(line);
    if (!folder) return 2;

    QApplication::setWindowIcon(qt::ProductIcon());
    qt::StartSkin(*qApp);

    qt::QtServices services;
    ProgramState state(*folder);
    ProgramWindows windows(services, state);
    windows.start();
    return QApplication::exec();
}

}  // namespace quillmark::app
