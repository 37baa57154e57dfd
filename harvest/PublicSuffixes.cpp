// The one user of libpsl.
#include "harvest/PublicSuffixes.h"

#include <libpsl.h>

#include <memory>
#include <string>

namespace quillmark::harvest {

namespace {

// Debian's publicsuffix package; libpsl takes its own copy when that is newer.
constexpr const char* kListFile = "/usr/share/publicsuffix/public_suffix_list.dat";

struct FreeList {
    void operator()(psl_ctx_t* list) const { psl_free(list); }
};

const psl_ctx_t* List() {
    static const std::unique_ptr<psl_ctx_t, FreeList> list(psl_latest(kListFile));
    return list.get();
}

}  // namespace

bool IsPublicSuffix(std::string_view suffix) {
    const psl_ctx_t* list = List();
    if (list == nullptr || suffix.empty()) return false;
    const std::string terminated(suffix);
    return psl_is_public_suffix2(list, terminated.c_str(), PSL_TYPE_ICANN | PSL_TYPE_NO_STAR_RULE) != 0;
}

}  // namespace quillmark::harvest
