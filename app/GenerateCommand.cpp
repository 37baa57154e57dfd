#include <cstdio>
#include <iostream>

#include "app/Commands.h"
#include "app/core/HeadlessServices.h"
#include "app/core/ProgramFolderLocation.h"
#include "generator/NameGenerator.h"
#include "program/ProductIdentity.h"

namespace quillmark::app {

// The generator's run with the stored options and appends list and the base
// word given: writes CreatedDomains.txt and prints its names, one per line.
int RunGenerate(const app::CommandLine& line) {
    const auto base = line.option("--base");
    if (!base) return Fail("generate needs --base WORD; see --help");
    if (const std::string problem = generator::BaseWordProblem(*base); !problem.empty()) return Fail(problem);
    const auto location = PrepareProgramFolder(line);
    if (!location) return 2;
    const ProgramFolder folder(*location);
    const program::ProductIdentity constants = program::ThisProduct();

    HeadlessServices services(std::nullopt);
    generator::NameGenerator form(services, folder, constants);
    form.Load();
    form.baseWord.setText(*base);
    form.Generate();
    std::cerr << "quillmark: " << form.statusText.text() << '\n';
    for (const std::string& name : form.generated.items()) {
        std::fwrite(name.data(), 1, name.size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    services.settings().flush();
    if (std::ferror(stdout)) return 1;
    return form.statusText.text().ends_with("could not be written.") ? 1 : 0;
}

}  // namespace quillmark::app
