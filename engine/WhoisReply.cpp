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

Form1Hooks::Verdict ProfileOf(std::string_view name) {
    const std::size_t length = text::codePointCount(name.substr(0, name.find('.')));
    if (length < 5) return Form1Hooks::Verdict::High;
    if (length <= 7) return Form1Hooks::Verdict::Mid;
    return Form1Hooks::Verdict::Low;
}

}  // namespace quillmark
