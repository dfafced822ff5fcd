// The names of the student's steps, as "Rückgängig" and "Wiederholen" show them.
#include <array>
#include <utility>

#include "core/accessibility.h"
#include "core/design.h"
#include "core/plan/plan.h"

namespace belegix::plan {

namespace {

using enum Control;

// What a click on each button (or frame) does for the student.
constexpr auto kClicks = std::to_array<std::pair<Control, std::string_view>>({
    {BitBtnHinweise, "Kurswahlen beginnen"},
    {IntFSprBitBtn, "Intensivsprache bestätigen"},
    {ProfilBitBtn, "Profil bestätigen"},
    {PFachBitBtn, "Prüfungsfächer bestätigen"},
    {FZusatzkurseBitBtn, "Halbjahre bestätigen"},
    {AuflagenBitBtn, "Auflagen bestätigen"},
    {GroupBox3, "Weiteren Kurs beginnen"},
    {WeiterBitBtn, "Weiteren Kurs eintragen"},
    {ErgebnisBitBtn, "Ergebnis"},
    {DruckenBitBtn, "Drucken"},
    {PersDatenBitBtn, "Plan drucken"},
    {ResetBitBtn, "Zurücksetzen"},
    {BeendenBitBtn, "Ende"},
});

// Every control's caption as the design gives it.
std::string DesignCaption(Control c) {
    return std::string(design::Of(c).text);
}

}  // namespace

std::string ActionName(Control c, bool change) {
    if (!change) {
        for (const auto& [control, name] : kClicks)
            if (control == c) return std::string(name);
        return std::string(access::Name(c, DesignCaption));
    }
    if (c == ProfilRadioGroup) return "Profil wählen";
    if (c == RGZusatzkurse) return "Halbjahre wählen";
    const std::string field = access::Name(c, DesignCaption);
    return field + (design::Of(c).kind == design::Kind::Edit ? " eingeben" : " wählen");
}

}  // namespace belegix::plan
