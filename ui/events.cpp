#include "ui/events.h"

#include "print/printed_plan.h"
#include "rules/course_plan.h"
#include "ui/help_texts.h"

namespace belegix {

bool Dispatch(Form& f, Control c, Event e) {
    using enum Control;
    switch (e) {
        case Event::Click:
            switch (c) {
                case ResetBitBtn:
                    ResetBitBtnClick(f.st, f.view);
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
                default:
                    return false;
            }
        case Event::Change:
            switch (c) {
                default:
                    return false;
            }
        case Event::Enter:
            switch (c) {
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
