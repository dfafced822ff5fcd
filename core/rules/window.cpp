#include "core/rules/window.h"

#include "core/help_texts.h"

namespace belegix {

void CloseIntro(View& v) {
    v.SetVisible(Control::MemoIntro, false);
    v.SetVisible(Control::MemoHead, false);
    v.SetVisible(Control::MemoHead2, false);
    v.SetVisible(Control::BitBtnHinweise, false);
    v.SetEnabled(Control::BitBtnHinweise, false);
}

std::string BeendenKontakt() {
    return "\n      Programmfehler und Verbesserungsvorschläge bitte an:       \n\n   " +
           std::string(help::kContactMail) + " oder " + std::string(help::kContactMail2) +
           "       \n";
}

void QuitAfterAsking(View& v) {
    if (v.MessageDlg(kBeendenFrage, DlgType::Confirmation, DlgButtons::YesNo) != DlgResult::Yes)
        return;
    v.MessageDlg(BeendenKontakt(), DlgType::Confirmation, DlgButtons::Ok);
    v.Close();
}

void ShowClock(View& v, const std::string& time, const std::string& date) {
    v.SetStatusText(0, time);
    v.SetStatusText(1, date);
}

void ShowStatusTexts(View& v) {
    for (int panel : {2, 3}) v.SetStatusText(panel, std::string(help::StatusText(panel)));
}

}  // namespace belegix
