#include <iostream>

#include "app/Commands.h"
#include "engine/xCorrectName.h"
#include "engine/xurlEncode.h"

namespace quillmark::app {

int RunClean(const shell::CommandLine& line) {
    for (const auto& text : line.arguments) {
        std::cout << xCorrectName::CorrectName(xurlEncode::UrlDecode(text)) << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace quillmark::app
