#pragma once

#include <utility>

namespace quillmark {

// Calls a hook, a handler or any other function object that may be left
// empty; an empty one does nothing.
template <typename Hook, typename... Args>
void call(const Hook& hook, Args&&... args) {
    if (hook) hook(std::forward<Args>(args)...);
}

}  // namespace quillmark
