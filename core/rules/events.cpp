#include "core/rules/events.h"

#include "core/help_texts.h"
#include "core/rules/additional_courses.h"
#include "core/rules/course_plan.h"
#include "core/rules/exam_checks.h"
#include "core/rules/intensive_language.h"
#include "core/rules/obligations.h"
#include "core/rules/printing.h"
#include "core/rules/profile.h"
#include "core/rules/window.h"

namespace belegix {

bool Dispatch(Form& f, Control c, Event e) {
    using enum Control;
    switch (e) {
        case Event::Click:
            switch (c) {
                case ResetBitBtn:
                    ResetBitBtnClick(f.st, f.view);
                    return true;
                case IntFSprBitBtn:
                    IntFSprBitBtnClick(f.st, f.view);
                    return true;
                case ProfilBitBtn:
                    ProfilBitBtnClick(f.st, f.view);
                    return true;
                case AuflagenBitBtn:
                    AuflagenBitBtnClick(f.st, f.view);
                    return true;
                case GroupBox3:
                    GroupBox3Click(f.st, f.view);
                    return true;
                case FZusatzkurseBitBtn:
                    FZusatzkurseBitBtnClick(f.st, f.view);
                    return true;
                case WeiterBitBtn:
                    WeiterBitBtnClick(f.st, f.view);
                    return true;
                case PFachBitBtn:
                    PFachBitBtnClick(f.st, f.view);
                    return true;
                case ErgebnisBitBtn:
                    ErgebnisBitBtnClick(f.st, f.view);
                    return true;
                case DruckenBitBtn:
                    DruckenBitBtnClick(f.st, f.view);
                    return true;
                case PersDatenBitBtn:
                    PersDatenBitBtnClick(f.view, f.printer);
                    return true;
                case IntHilfeBitBtn:
                    IntHilfeBitBtnClick(f.view);
                    return true;
                case ProfilHilfeBitBtn:
                    ProfilHilfeBitBtnClick(f.view);
                    return true;
                case PFachHilfeBitBtn:
                    PFachHilfeBitBtnClick(f.view);
                    return true;
                case AuflagenHilfeBitBtn:
                    AuflagenHilfeBitBtnClick(f.view);
                    return true;
                case KurseHilfeBitBtn:
                    KurseHilfeBitBtnClick(f.view);
                    return true;
                case BitBtnHinweise:
                    BitBtnHinweiseClick(f.view);
                    return true;
                case BeendenBitBtn:
                    BeendenBitBtnClick(f.view);
                    return true;
                default:
                    return false;
            }
        case Event::Change:
            switch (c) {
                case NaturBox:
                    NaturBoxChange(f.st, f.view);
                    return true;
                case KuMuBox:
                    KuMuBoxChange(f.st, f.view);
                    return true;
                case PoBox:
                    PoBoxChange(f.st, f.view);
                    return true;
                case GeBox:
                    GeBoxChange(f.st, f.view);
                    return true;
                case ZusatzBox:
                    ZusatzBoxChange(f.st, f.view);
                    return true;
                default:
                    return false;
            }
        case Event::Enter:
            switch (c) {
                case GroupBox3:
                    GroupBox3Enter(f.st, f.view);
                    return true;
                case ErgebnisBitBtn:
                    ErgebnisBitBtnEnter(f.st);
                    return true;
                default:
                    return false;
            }
        case Event::Activate:
            ErgebnisBitBtnClick(f.st, f.view);
            return true;
    }
    return false;
}

}  // namespace belegix
