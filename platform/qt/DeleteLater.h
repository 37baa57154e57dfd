#pragma once

#include <QObject>
#include <memory>

namespace quillmark::qt {

// Owns a Qt object that may be dropped from inside one of its own signals:
// deleting it there would pull the object out from under Qt, so it goes on
// the next turn of the event loop.
struct DeleteLater {
    void operator()(QObject* object) const {
        if (object != nullptr) object->deleteLater();
    }
};

template <typename T>
using LaterPtr = std::unique_ptr<T, DeleteLater>;

}  // namespace quillmark::qt
