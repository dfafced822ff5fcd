// The scripts of the driver `belegix-drive`: one user action per line. Reading a script checks
// everything that can be checked before the window exists: commands, control names, arguments,
// and whether the control can take a pick or typed text at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/view.h"

namespace belegix::drive {

enum class Op {
    Click,
    Pick,
    Type,
    Focus,
    Key,
    Answer,
    Tick,
    Dump,
    Screenshot,
    Close,
    Save,  // "Plan speichern unter…" with FILE
    Open,  // "Plan öffnen…" with FILE
    Undo,
    Redo
};

struct Command {
    Op op = Op::Dump;
    int line = 0;        // 1-based line in the script
    std::string source;  // the line as written, without the surrounding blanks
    Control control = Control::StatusBar1;
    bool focused = false;  // key: `-`, the control that has the focus, instead of a name
    int index = 0;         // pick
    std::string text;      // type (unescaped), screenshot/save/open (the file name), key (the keys)
    DlgResult answer = DlgResult::Ok;
};

struct Error {
    int line = 0;
    std::string reason;
};

struct Script {
    std::vector<Command> commands;
    std::optional<Error> error;  // the first line that cannot be read; no commands then
};

Script ParseScript(std::string_view text);

}  // namespace belegix::drive
