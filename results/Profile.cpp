#include "results/Profile.h"

#include "platform/Text.h"

namespace quillmark::results {

Verdict ProfileOf(std::string_view name) {
    const std::size_t length = text::codePointCount(name.substr(0, name.find('.')));
    if (length < 5) return Verdict::High;
    if (length <= 7) return Verdict::Mid;
    return Verdict::Low;
}

std::string_view ListTitle(Verdict verdict) {
    switch (verdict) {
        case Verdict::High:
            return "High Profile";
        case Verdict::Mid:
            return "Mid Profile";
        case Verdict::Low:
            return "Low Profile";
        case Verdict::Taken:
            break;
    }
    return "Registered";
}

}  // namespace quillmark::results
