// The item lists that the window's design gives the boxes of steps 1, 3 and 4 and the period
// panel; the fake view starts without items.
#pragma once

#include <initializer_list>
#include <string>

#include "fake/fake_view.h"

namespace belegix::test {

inline void SetItems(FakeView& v, Control c, std::initializer_list<const char*> items) {
    v.ClearItems(c);
    for (const char* item : items) v.AddItem(c, item);
}

inline void FillDesignItems(FakeView& v) {
    using enum Control;
    SetItems(v, ProfilRadioGroup,
             {"sprachlich", "künstlerisch-musisch", "gesellschaftswissenschaftlich",
              "mathematisch-naturwissensch.", "sportlich"});
    SetItems(v, DeBox, {"Deutsch", "bereits erfüllt"});
    SetItems(v, FspBox, {"Englisch", "Französisch", "Latein", "Spanisch", "bereits erfüllt"});
    SetItems(v, KuMuBox, {"Darst.Spiel", "Kunst", "Musik", "bereits erfüllt", ""});
    SetItems(v, PoBox, {"Politik-W.", "bereits erfüllt"});
    SetItems(v, GeBox, {"Geschichte", "bereits erfüllt"});
    SetItems(v, ReWnBox, {"Religion", "Werte u. Normen", "bereits erfüllt"});
    SetItems(v, MaBox, {"Mathematik", "bereits erfüllt "});
    SetItems(v, NaturBox, {"Biologie", "Chemie", "Physik", "Informatik", "bereits erfüllt"});
    SetItems(v, SpBox, {"Sport", "befreit (Attest)", "bereits erfüllt"});
    SetItems(v, ZusatzBox,
             {"Englisch", "Französisch", "Latein", "Spanisch", "Darst. Spiel", "Kunst", "Musik",
              "Erdkunde", "Geschichte", "Politik-W.", "Religion", "Werte und Normen", "Biologie",
              "Chemie", "Physik", "Informatik"});
    SetItems(v, RGZusatzkurse, {"1. und 2. Halbjahr", "3. und 4. Halbjahr", "1. bis 4. Halbjahr"});
    v.Get(ZusatzPanel).visible = false;
}

}  // namespace belegix::test
