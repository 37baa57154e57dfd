#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <iostream>

#include "app/Commands.h"
#include "app/ProgramFolderLocation.h"
#include "engine/Form1.h"
#include "engine/ui/Form1View.h"
#include "shell/ui/Form2View.h"
#include "platform/qt/QtServices.h"
#include "shell/StartupConstants.h"

namespace quillmark::app {

int RunWindows(int argc, char** argv, const shell::CommandLine& line) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quillmark");
    const auto folder = PrepareProgramFolder(line);
    if (!folder) return 2;

    qt::QtServices services;
    ProgramState state(*folder);
    shell::SetStartupConstants(state.Constants);

    Form1Hooks hooks;
    Form1View* mainWindow = nullptr;
    hooks.endProgram = [] { QApplication::quit(); };
    hooks.showOverflowNotice = [&mainWindow] { Form2View::ShowNotice(mainWindow); };
    Form1 form(services, state, hooks);
    Form1View view(form);
    mainWindow = &view;
    services.setDialogParent(&view);
    form.Form_Load();
    view.showAsTheWindowSays();
    return QApplication::exec();
}

}  // namespace quillmark::app
