// Step 3: the course obligations that every student must meet besides the exam subjects.
#pragma once

#include <array>
#include <string_view>

#include "core/choice_state.h"
#include "core/view.h"

namespace belegix {

// The message of each obligation still open, in the order in which they are shown.
struct AuflageMessage {
    Obligation obligation;
    std::string_view text;
};
inline constexpr std::array<AuflageMessage, kObligationCount> kAuflageOffen = {{
    {Obligation::De, "De-Auflage muss noch erfüllt werden!"},
    {Obligation::Fsp, "Fsp-Auflage muss noch erfüllt werden!"},
    {Obligation::KuMu, "DsKuMu-Auflage muss noch erfüllt werden!"},
    {Obligation::KuMuZusatz, "KuMu-Zusatz-Auflage muss noch erfüllt werden!"},
    {Obligation::Po, "PW-Auflage muss noch erfüllt werden!"},
    {Obligation::Ge, "Ge-Auflage muss noch erfüllt werden!"},
    {Obligation::ReWn, "ReWn-Auflage muss noch erfüllt werden!"},
    {Obligation::Ma, "Ma-Auflage muss noch erfüllt werden!"},
    {Obligation::Natur, "NW-Auflage muss noch erfüllt werden!"},
    {Obligation::Sp, "Sp-Auflage muss noch erfüllt werden!"},
    {Obligation::BExtra,
     "Zusatz-Auflage (zwei weitere Kurse in einer Fremdsprache oder in einer "
     "Naturwissenschaft) muss noch erfüllt werden!"},
}};

inline constexpr std::string_view kNwSchonPruefungsfach =
    "Du hast dieses Fach bereits als Prüfungsfach gewählt. Wähle bitte eine andere "
    "Naturwissenschaft aus!";
inline constexpr std::string_view kInformatikNurProfilC =
    "Du kannst Informatik nur im naturwissenschaftlichen Profil anstelle einer "
    "Naturwissenschaft zur Auflagenerfüllung wählen. Wähle bitte eine andere "
    "Naturwissenschaft aus!";

// The prompt that opening step 4 puts into `ZusatzBox`.
inline constexpr std::string_view kZusatzkurseGewuenscht = "Zusatzkurse gewünscht?";

// "  Fertig" of step 3: records every obligation the rows now meet, names each one still open,
// writes the Seminarfach row, and opens step 4 once all are met.
void CheckObligations(ChoiceState& st, View& view);

// A science picked in `NaturBox`: one that is already an exam course, or Informatik outside the
// mathematics-and-science profile, is refused and the box cleared.
void ChooseScience(ChoiceState& st, View& view);

}  // namespace belegix
