#include <iostream>

#include "app/Commands.h"
#include "engine/NameCleaning.h"

namespace quillmark::app {

int RunClean(const app::CommandLine& line) {
    for (const auto& text : line.arguments) {
        std::cout << names::NameToLookUp(text) << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace quillmark::app
