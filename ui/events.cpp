#include "ui/events.h"

namespace belegix {

bool Dispatch(Form& f, Control c, Event e) {
    using enum Control;
    switch (e) {
        case Event::Click:
            switch (c) {
                case ResetBitBtn: ResetBitBtnClick(f.st, f.view); return true;
                default: return false;
            }
        case Event::Change:
            switch (c) {
                default: return false;
            }
        case Event::Enter:
            switch (c) {
                default: return false;
            }
        case Event::Activate: return false;
    }
    return false;
}

}  // namespace belegix
