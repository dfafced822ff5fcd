// Message boxes for window tests: every box is kept, and each is answered with its first button.
#pragma once

#include <vector>

#include "core/message_boxes.h"

namespace belegix::test {

struct RecordingBoxes : MessageBoxes {
    std::vector<BoxRequest> shown;
    DlgResult Show(const BoxRequest& box) override {
        shown.push_back(box);
        return box.buttons.front();
    }
};

}  // namespace belegix::test
