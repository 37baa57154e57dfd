#include "results/Profile.h"

#include "platform/Text.h"

namespace quillmark::results {

std::size_t FirstLabelLength(std::string_view name) {
    return text::codePointCount(name.substr(0, name.find('.')));
}

Verdict ProfileOf(std::string_view name) {
    const std::size_t length = FirstLabelLength(name);
    if (length < 5) return Verdict::High;
    if (length <= 7) return Verdict::Mid;
    return Verdict::Low;
}

}  // namespace quillmark::results
