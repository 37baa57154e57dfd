// Shows the main window after a short search against a whois server inside
// this process and saves a picture of it, for reviewers.
#include <QApplication>
#include <QPixmap>

#include <iostream>

#include "support/LiveMainWindow.h"

int main(int argc, char** argv) {
    using namespace quillmark;
    if (argc != 2) {
        std::cerr << "usage: qm_screenshot_main OUTPUT.png\n";
        return 2;
    }
    QApplication application(argc, argv);
    testing::LiveMainWindow live([](const std::string& query) -> testing::LocalWhoisServer::Reply {
        if (query.rfind("tak", 0) == 0) return {"Domain Name: " + query + "\r\n"};
        return {"No match for \"" + query + "\".\r\n"};
    });
    std::string names;
    for (const char* word : {"sky", "taken", "fern", "takeover", "lumen", "tak", "meadowlark", "quartz"}) {
        for (int i = 0; i < 6; ++i) names += std::string(word) + std::to_string(i) + "\r\n";
    }
    live.folder.write("Remembered.txt", "sky1.com\r\nmeadowlark2.com\r\n");
    live.open();
    live.view->resize(1280, 720);
    live.runGeneratedNames(names);
    live.waitForStop();
    QApplication::processEvents();
    if (!live.view->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
