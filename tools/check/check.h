// belegix-check, the school's checker: replays the student's actions of every plan file with the
// planner's own rules and prints one line per file (table, CSV or JSON lines). No GUI toolkit:
// it runs on machines without a display. main.cpp only hands the command line to `Run`.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/plan/plan.h"

namespace belegix::check {

enum class Status {
    Checked,     // "geprüft": the stored summary equals the replay
    Differs,     // "abweichend: …": figures of the stored summary differ from the replay
    Unreadable,  // "unlesbar: …": the file cannot be used
};

// The outcome for one file. For a readable file `summary` is the replayed one (the rules'
// answer), never the stored one.
struct Row {
    std::string file;  // as given on the command line, or folder/name
    Status status = Status::Unreadable;
    std::string reason;  // Unreadable: the German reason the window gives
    std::vector<plan::Difference> differences;
    plan::Summary summary;
};

// Reads, replays and compares one file; never throws and never writes anything.
Row CheckFile(const std::string& path);

// The status column: "geprüft", "abweichend: P1 (Datei: „…“), …" or "unlesbar: reason".
std::string StatusText(const Row& row);

enum class Format { Table, Csv, Json };

struct Options {
    Format format = Format::Table;
    unsigned jobs = 0;  // files checked at once; 0: one per processor core
    bool help = false;
    std::vector<std::string> paths;  // files and folders, as given
};

struct Parsed {
    Options options;
    std::string error;  // German, non-empty for a wrong command line
};
Parsed ParseArguments(const std::vector<std::string>& args);  // without the program name

// The German help text of `--help`.
std::string HelpText();

// The files to check, in argument order; a folder contributes its `*.belegix` entries sorted by
// name. A folder that cannot be listed becomes an entry of its own that is then unreadable.
struct Target {
    std::string path;
    std::string error;  // set: unreadable for this reason, without opening anything
};
std::vector<Target> ExpandPaths(const std::vector<std::string>& paths, std::ostream& err);

// Checks every target on up to `jobs` threads; `emit(i, row)` is called in target order.
void CheckAll(const std::vector<Target>& targets, unsigned jobs,
              const std::function<void(std::size_t, const Row&)>& emit);

// Output of the three formats.
std::string CsvHeader();
std::string CsvLine(const Row& row);
std::string JsonLine(const Row& row);
// The aligned table of all rows, with a header line.
std::string Table(const std::vector<Row>& rows);

// The whole program: returns the exit status (0 every file read, 1 at least one unreadable,
// 2 wrong command line).
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace belegix::check
