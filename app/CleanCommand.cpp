#include <iostream>

#include "app/Commands.h"
#include "engine/NameCleaning.h"
#include "engine/PercentCoding.h"

namespace quillmark::app {

int RunClean(const program::CommandLine& line) {
    for (const auto& text : line.arguments) {
        std::cout << names::CorrectName(names::UrlDecode(text)) << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace quillmark::app
