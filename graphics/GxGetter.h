#pragma once
// For the wrappers' getters whose GDI+ call writes one value for the object.
#include "graphics/GxCore.h"

template <class T>
struct GxExactly {
    using Type = T;
};

// The value the call writes, or zero when it fails; the status is stored either way.
template <class Native, class Value>
Value GxGetValue(Gdiplus::GpStatus(WINGDIPAPI* get)(Native*, Value*), typename GxExactly<Native>::Type* object) {
    Value value{};
    return GxStore(get(object, &value)) ? value : Value{};
}
