#include "ui/help_texts.h"

namespace belegix::help {

// Placeholder texts until the full texts are written in.
std::string_view MemoIntro() { return ""; }
std::string_view MemoHead() { return "Hinweise zum Programm Belegix-LiH 2014"; }
std::string_view MemoHead2() { return ""; }
std::string_view Memo1() { return ""; }

std::string_view StatusText(int panel) {
    if (panel == 2) return "Letzte Aktualisierung am 24. März 2014";
    return "";
}

std::string_view Hint(Control) { return ""; }

}  // namespace belegix::help

namespace belegix {

void IntHilfeBitBtnClick(View&) {}
void ProfilHilfeBitBtnClick(View&) {}
void PFachHilfeBitBtnClick(View&) {}
void AuflagenHilfeBitBtnClick(View&) {}
void KurseHilfeBitBtnClick(View&) {}

}  // namespace belegix
