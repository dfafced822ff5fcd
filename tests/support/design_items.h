// The item lists that the window's design gives the boxes of steps 1, 3 and 4 and the period
// panel, taken from the design table; the fake view starts without items.
#pragma once

#include <initializer_list>
#include <string>

#include "core/design.h"
#include "tests/support/fake_view.h"

namespace belegix::test {

inline void SetItems(FakeView& v, Control c, std::initializer_list<const char*> items) {
    v.ClearItems(c);
    for (const char* item : items) v.AddItem(c, item);
}

// Adds the items the design gives `c`.
inline void AddDesignItems(FakeView& v, Control c) {
    for (std::string_view item : design::Of(c).items) v.AddItem(c, std::string(item));
}

// Replaces the items of `c` with those the design gives it.
inline void SetDesignItems(FakeView& v, Control c) {
    v.ClearItems(c);
    AddDesignItems(v, c);
}

inline void FillDesignItems(FakeView& v) {
    using enum Control;
    for (Control c : {ProfilRadioGroup, DeBox, FspBox, KuMuBox, PoBox, GeBox, ReWnBox, MaBox,
                      NaturBox, SpBox, ZusatzBox, RGZusatzkurse})
        SetDesignItems(v, c);
    v.Get(ZusatzPanel).visible = false;
}

}  // namespace belegix::test
