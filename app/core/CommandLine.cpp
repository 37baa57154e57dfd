#include "CommandLine.h"

namespace quillmark::app {

std::optional<std::string> CommandLine::option(std::string_view name) const {
    const auto it = options.find(std::string(name));
    if (it == options.end()) return std::nullopt;
    return it->second;
}

}  // namespace quillmark::app
