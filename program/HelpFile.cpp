#include "program/HelpFile.h"

#include "platform/ProgramFiles.h"
#include "platform/SettingsKeys.h"

namespace quillmark::program {

bool OpenHelp(Services& services, const ProgramFolder& folder) {
    const std::filesystem::path help = folder.file(files::kHelp);
    if (!FileExists(help)) return false;
    services.shell().openWithDefaultApplication(help.string());
    Settings(services.settings()).save(SettingKey::showHelp, "0");
    return true;
}

}  // namespace quillmark::program
