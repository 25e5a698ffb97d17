#pragma once
// Ownership of an object whose class is only declared where the owner is declared (the
// records hold graphics-layer objects without depending on their headers). The deleter
// is captured where the object is made, where the class is complete.
#include <memory>
#include <utility>

namespace skin {

template <class T>
struct CapturedDeleter {
    void (*destroy)(T*) = nullptr;
    void operator()(T* object) const {
        if (destroy) destroy(object);
    }
};

template <class T>
using OwnedObject = std::unique_ptr<T, CapturedDeleter<T>>;

// The only way to fill an OwnedObject: it pairs the new object with its deleter.
template <class T, class... Args>
OwnedObject<T> MakeOwnedObject(Args&&... args) {
    return OwnedObject<T>(new T(std::forward<Args>(args)...), CapturedDeleter<T>{[](T* object) { delete object; }});
}

}  // namespace skin
