// Shows the main window after a short search against a whois server inside
// this process and saves a picture of it, for reviewers.
#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>

#include <iostream>

#include "engine/Form1.h"
#include "engine/ui/Form1View.h"
#include "platform/qt/QtServices.h"
#include "support/LocalWhoisServer.h"
#include "support/TempFolder.h"

int main(int argc, char** argv) {
    using namespace quillmark;
    if (argc != 2) {
        std::cerr << "usage: qm_screenshot_main OUTPUT.png\n";
        return 2;
    }
    QApplication application(argc, argv);
    testing::TempFolder folder;
    testing::TempFolder config;
    testing::LocalWhoisServer server([](const std::string& query) -> testing::LocalWhoisServer::Reply {
        if (query.rfind("tak", 0) == 0) return {"Domain Name: " + query + "\r\n"};
        return {"No match for \"" + query + "\".\r\n"};
    });
    folder.write("registrars.txt", "proxy|127.0.0.1|" + std::to_string(server.port()) + "|Enabled\r\n\r\n");
    std::string names;
    for (const char* word : {"sky", "taken", "fern", "takeover", "lumen", "tak", "meadowlark", "quartz"}) {
        for (int i = 0; i < 6; ++i) names += std::string(word) + std::to_string(i) + "\r\n";
    }
    folder.write("CreatedDomains.txt", names);
    folder.write("Remembered.txt", "sky1.com\r\nmeadowlark2.com\r\n");

    qt::QtServices services(nullptr, config.path().string());
    ProgramState state(folder.path());
    shell::SetStartupConstants(state.Constants);
    QEventLoop loop;
    Form1Hooks hooks;
    hooks.runStopped = [&loop] { QTimer::singleShot(0, &loop, &QEventLoop::quit); };
    Form1 form(services, state, hooks);
    Form1View view(form);
    form.Form_Load();
    view.resize(1280, 720);
    view.show();
    form.Combo1.setText("Generate names");
    form.Combo1_Click();
    QTimer::singleShot(100, [&form] { form.cmdDoSearch_Click(); });
    QTimer::singleShot(30'000, &loop, &QEventLoop::quit);
    loop.exec();
    QApplication::processEvents();
    if (!view.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
