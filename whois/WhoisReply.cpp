#include "whois/WhoisReply.h"

namespace quillmark::whois {

bool IsBareExtension(std::string_view name) {
    return name == ".com" || name == ".net";
}

}  // namespace quillmark::whois
