#include "whois/WhoisReply.h"

#include "platform/Text.h"

namespace quillmark::whois {

bool HoldsFreePhrase(std::string_view reply) {
    for (const auto phrase : kFreePhrases) {
        if (text::containsIgnoreCase(reply, phrase)) return true;
    }
    return false;
}

bool HoldsNoMatchFor(std::string_view reply) {
    return text::containsIgnoreCase(reply, kNoMatchForPhrase);
}

bool IsBareExtension(std::string_view name) {
    return name == ".com" || name == ".net";
}

}  // namespace quillmark::whois
