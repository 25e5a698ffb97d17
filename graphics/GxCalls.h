#pragma once
// For the wrappers' calls that write one value, or create one object, for them.
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

// Hands the object a creating call wrote to its owner, once the call's status is stored;
// when the call failed the owner keeps what it had. `created` is read only after the call.
template <class Owner, class Created>
bool GxAdopt(Owner& owner, Gdiplus::GpStatus status, Created* const& created) {
    if (!GxStore(status)) return false;
    owner.SetNativeObject(created);
    return true;
}
