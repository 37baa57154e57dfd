#include "program/HelpFile.h"

#include "platform/ProgramFiles.h"
#include "platform/SettingsKeys.h"

namespace quillmark::program {

bool OpenHelp(Services& services, const ProgramFolder& folder,
              const std::function<bool(std::string_view helpFile)>& showInProgram) {
    const std::string help = folder.file(files::kHelp).string();
    if (!FileExists(help)) return false;
    const bool shown =
        services.shell().openWithDefaultApplication(help) || (showInProgram && showInProgram(help));
    if (shown) Settings(services.settings()).save(SettingKey::showHelp, "0");
    return shown;
}

}  // namespace quillmark::program
