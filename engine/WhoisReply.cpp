#include "engine/WhoisReply.h"

#include <array>

#include "platform/Text.h"

namespace quillmark {

bool IsFreeReply(std::string_view reply) {
    constexpr std::array<std::string_view, 5> kFreePhrases = {
        "No match", "not registered", "not found", "available for registration", "no domain records"};
    for (const auto phrase : kFreePhrases) {
        if (text::containsIgnoreCase(reply, phrase)) return true;
    }
    return false;
}

MainWindowHooks::Verdict ProfileOf(std::string_view name) {
    const std::size_t length = text::codePointCount(name.substr(0, name.find('.')));
    if (length < 5) return MainWindowHooks::Verdict::High;
    if (length <= 7) return MainWindowHooks::Verdict::Mid;
    return MainWindowHooks::Verdict::Low;
}

}  // namespace quillmark
