#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <iostream>

#include "app/Commands.h"
#include "app/core/HeadlessServices.h"
#include "app/core/ProgramFolderLocation.h"
#include "whois/Rdap.h"
#include "whois/RdapServersUpdate.h"

namespace quillmark::app {

namespace {

constexpr auto kLongestDownload = std::chrono::seconds(60);

}  // namespace

// Downloads the RDAP server list as the settings window's button does.
int RunUpdateZones(const app::CommandLine& line) {
    const std::string from = line.option("--from").value_or(std::string(whois::kRdapServersAddress));
    const auto folder = PrepareProgramFolder(line);
    if (!folder) return 2;

    HeadlessServices services(std::nullopt);
    const ProgramFolder programFolder(*folder);
    whois::RdapServersUpdate update(services.makeHttpClient(), programFolder);
    whois::RdapServersUpdate::Result result{
        false, "No reply from " + from + " within 60 s. The server data is unchanged."};
    QTimer::singleShot(kLongestDownload, QCoreApplication::instance(), &QCoreApplication::quit);
    QTimer::singleShot(0, QCoreApplication::instance(), [&] {
        update.Start(from, [&result](const whois::RdapServersUpdate::Result& done) {
            result = done;
            QCoreApplication::quit();
        });
    });
    QCoreApplication::exec();
    if (!result.updated) return Fail(result.message, 1);
    std::cout << "quillmark: " << result.message << '\n';
    return 0;
}

}  // namespace quillmark::app
