// The driver's `dump`: the whole window, its controls, the plan grid, the choice state, the
// status bar and the plan file's status, as one JSON object.
#pragma once

#include "qt/main_window.h"
#include "tools/drive/json_writer.h"

namespace belegix::drive {

// {"dump": {...}} as the driver prints it.
Json DumpJson(MainWindow& win);

}  // namespace belegix::drive
