#include "tools/check/check.h"

#include "core/platform/files.h"
#include "tools/check/cells.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <new>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string_view>
#include <thread>

namespace belegix::check {

namespace {

constexpr std::string_view kExtension = plan::kFileExtension;
constexpr unsigned kMaxJobs = 256;
// Files checked at once without --jobs: one per processor core, at most this many. A file takes
// at most about 64 MB while it is checked, so that a run stays below 512 MB.
constexpr unsigned kDefaultJobs = 6;

// The columns of every format, in order. CSV and the table use `header` (the table `shortHeader`
// where one is set); JSON has its own keys (see JsonLine).
// In the table every field is cut to at most `columns` terminal columns (a file name at its
// start, so that the name itself stays).
struct Column {
    std::string_view header;
    std::string_view shortHeader;
    bool number;
    std::size_t columns;
};
constexpr std::array<Column, 20> kColumns = {{
    {"Datei", "", false, 60},
    {"Name", "", false, 24},
    {"Vorname", "", false, 24},
    {"Klasse", "", false, 12},
    {"Profil", "", false, 40},
    {"P1", "", false, 24},
    {"P2", "", false, 24},
    {"P3", "", false, 24},
    {"P4", "", false, 24},
    {"P5", "", false, 24},
    {"Wochenstunden 1. Hj.", "1.Hj", true, 12},
    {"Wochenstunden 2. Hj.", "2.Hj", true, 12},
    {"Wochenstunden 3. Hj.", "3.Hj", true, 12},
    {"Wochenstunden 4. Hj.", "4.Hj", true, 12},
    {"Durchschnitt", "Ø", true, 12},
    {"Kurse", "", true, 12},
    {"Ergebnisse Gesamtqualifikation", "GQ", true, 12},
    {"zulässig", "", false, 8},
    {"Urteil", "", false, 160},
    {"Status", "", false, 200},
}};

// The row's values in column order; a file that cannot be used has only its name and status.
std::array<std::string, kColumns.size()> Fields(const Row& row) {
    std::array<std::string, kColumns.size()> f;
    f[0] = row.file;
    f[19] = StatusText(row);
    if (row.status == Status::Unreadable) return f;
    const plan::Summary& s = row.summary;
    f[1] = s.name;
    f[2] = s.vorname;
    f[3] = s.klasse;
    f[4] = s.profil;
    for (std::size_t i = 0; i < 5; ++i) f[5 + i] = s.pruefungsfaecher[i];
    for (std::size_t i = 0; i < 4; ++i) f[10 + i] = std::to_string(s.stunden[i]);
    f[14] = std::to_string(s.durchschnitt);
    f[15] = std::to_string(s.kurse);
    f[16] = std::to_string(s.gqKurse);
    f[17] = s.zulaessig ? "ja" : "nein";
    f[18] = s.urteil;
    return f;
}

// At most `limit` characters of `s`, "…" marking a cut; never cuts a UTF-8 character in two.
std::string Shortened(const std::string& s, std::size_t limit) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && chars++ == limit)
            return s.substr(0, i) + "…";
    }
    return s;
}

// `s` without the spaces at its end (a leading space would shift the whole row).
std::string WithoutTrailingSpaces(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// A CSV field: invisible characters as visible escapes, line breaks as LF; text that a
// spreadsheet would take for a formula gets a leading apostrophe (a name typed as "=…" stays
// text); fields with ; " or line breaks are quoted, quotes doubled.
std::string CsvField(std::string_view raw, bool number) {
    std::string s = Visible(raw, LineBreaks::Keep);
    if (!number && LooksLikeFormula(s)) s.insert(s.begin(), '\'');
    if (s.find_first_of(";\"\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char ch : s) {
        if (ch == '"') q += '"';
        q += ch;
    }
    return q + "\"";
}

Row CheckTarget(const Target& target) {
    if (target.error.empty()) return CheckFile(target.path);
    Row row;
    row.file = target.path;
    row.reason = target.error;
    return row;
}

bool EndsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string Usage() {
    return "Aufruf: belegix-check [--csv | --json] [--jobs N] DATEI|ORDNER …\n"
           "„belegix-check --help“ zeigt die Hilfe.\n";
}

}  // namespace

Row CheckFile(const std::string& path) {
    Row row;
    row.file = path;
    try {
        plan::Opened opened = plan::OpenFile(path);
        if (!opened.error.empty()) {
            row.reason = std::move(opened.error);
            return row;
        }
        row.summary = std::move(opened.replayed);
        row.differences = std::move(opened.differences);
        row.status = row.differences.empty() ? Status::Checked : Status::Differs;
    } catch (const std::bad_alloc&) {
        row.reason = "Für die Datei reicht der Speicher nicht.";
    } catch (const std::exception&) {
        row.reason = "Die Aktionen der Datei lassen sich nicht nachspielen.";
    }
    return row;
}

std::string StatusText(const Row& row) {
    switch (row.status) {
        case Status::Checked:
            return "geprüft";
        case Status::Differs: {
            std::string text = "abweichend: ";
            for (std::size_t i = 0; i < row.differences.size(); ++i) {
                const plan::Difference& d = row.differences[i];
                if (i > 0) text += ", ";
                text += d.figure + " (Datei: „" + Shortened(d.stored, 40) + "“)";
            }
            return text;
        }
        case Status::Unreadable:
            return "unlesbar: " + row.reason;
    }
    return {};
}

Parsed ParseArguments(const std::vector<std::string>& args) {
    Parsed p;
    bool csv = false;
    bool json = false;
    bool onlyPaths = false;
    auto jobs = [&p](const std::string& value) {
        unsigned n = 0;
        const bool digits =
            !value.empty() && value.size() <= 3 &&
            std::all_of(value.begin(), value.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
        if (digits) n = static_cast<unsigned>(std::stoul(value));
        if (n < 1 || n > kMaxJobs) {
            p.error = "--jobs braucht eine Zahl von 1 bis " + std::to_string(kMaxJobs) +
                      " (angegeben: „" + value + "“).";
            return;
        }
        p.options.jobs = n;
    };
    for (std::size_t i = 0; i < args.size() && p.error.empty(); ++i) {
        const std::string& a = args[i];
        if (onlyPaths || a.size() < 2 || a[0] != '-') {
            p.options.paths.push_back(a);
        } else if (a == "--") {
            onlyPaths = true;
        } else if (a == "--help" || a == "-h") {
            p.options.help = true;
        } else if (a == "--csv") {
            csv = true;
        } else if (a == "--json") {
            json = true;
        } else if (a == "--jobs" || a == "-j") {
            if (i + 1 == args.size())
                p.error = a + " braucht eine Zahl.";
            else
                jobs(args[++i]);
        } else if (a.starts_with("--jobs=")) {
            jobs(a.substr(7));
        } else {
            p.error = "unbekannte Option „" + a + "“.";
            std::error_code ec;
            if (std::filesystem::exists(platform::PathFromUtf8(a), ec))
                p.error +=
                    " Eine Datei oder ein Ordner dieses Namens existiert; nach „--“ ist "
                    "jedes Argument ein Dateiname: belegix-check -- " +
                    a;
        }
    }
    if (!p.error.empty() || p.options.help) return p;
    if (csv && json)
        p.error = "--csv und --json schließen einander aus.";
    else if (p.options.paths.empty())
        p.error = "keine Plandatei und kein Ordner angegeben.";
    p.options.format = csv ? Format::Csv : json ? Format::Json : Format::Table;
    return p;
}

std::string HelpText() {
    return "Aufruf: belegix-check [--csv | --json] [--jobs N] DATEI|ORDNER …\n"
           "\n"
           "Prüft Kurswahl-Pläne (*.belegix) aus Belegix-LiH: Die Aktionen jeder Datei werden\n"
           "mit den Regeln des Planers nachgespielt; ausgegeben wird für jede Datei eine Zeile\n"
           "mit Name, Vorname, Klasse, Profil, P1–P5, Wochenstunden je Halbjahr, Durchschnitt,\n"
           "Kursen, Ergebnissen für die Gesamtqualifikation, zulässig (ja/nein), Urteil und\n"
           "Status. Alle Angaben stammen aus dem Nachspielen, nie aus der Datei selbst.\n"
           "\n"
           "Status:\n"
           "  geprüft          Die Zusammenfassung in der Datei stimmt mit dem Nachspielen\n"
           "                   überein.\n"
           "  abweichend: …    Diese Angaben der Datei weichen ab (in Klammern der Wert aus\n"
           "                   der Datei; die Zeile zeigt die nachgespielten Werte).\n"
           "  unlesbar: …      Die Datei lässt sich nicht verwenden (mit dem Grund).\n"
           "\n"
           "Ein Ordner als Argument prüft alle *.belegix-Dateien darin, nach Namen sortiert.\n"
           "\n"
           "Optionen:\n"
           "  --csv            durch Semikolon getrennt (UTF-8 mit Kennung am Anfang) mit\n"
           "                   Kopfzeile, für eine Tabellenkalkulation; Felder mit ; \" oder\n"
           "                   Zeilenumbrüchen stehen in Anführungszeichen, Zeilenumbrüche\n"
           "                   bleiben dort erhalten; ein Text, der als Formel gälte, beginnt\n"
           "                   mit einem Apostroph\n"
           "  --json           ein JSON-Objekt je Zeile\n"
           "  --jobs N         höchstens N Dateien gleichzeitig prüfen (Vorgabe: eine je\n"
           "                   Prozessorkern, höchstens 6)\n"
           "  -h, --help       diese Hilfe\n"
           "Ohne --csv und --json: eine ausgerichtete Tabelle; Zeilenumbrüche erscheinen dort\n"
           "als „ / “, zu lange Angaben gekürzt mit „…“.\n"
           "Unsichtbare und steuernde Zeichen (Steuerzeichen, Schreibrichtungs- und\n"
           "Nullbreitenzeichen, Zeilen- und Absatztrenner) erscheinen in Tabelle und CSV als\n"
           "„⟨U+202E⟩“, Bytes, die kein UTF-8 sind, als „⟨0x9B⟩“; in JSON als \\u-Folge.\n"
           "Ein Dateiname, der mit „-“ beginnt, gehört hinter „--“:\n"
           "  belegix-check -- -name.belegix\n"
           "\n"
           "Rückgabewert: 0, wenn jede Datei gelesen werden konnte (gleich, wie die Urteile\n"
           "lauten); 1, wenn mindestens eine Datei unlesbar war oder die Ausgabe sich nicht\n"
           "schreiben ließ; 2 bei einem falschen Aufruf.\n";
}

std::vector<Target> ExpandPaths(const std::vector<std::string>& paths, std::ostream& err) {
    namespace fs = std::filesystem;
    std::vector<Target> targets;
    for (const std::string& path : paths) {
        std::error_code ec;
        const fs::path folderPath = platform::PathFromUtf8(path);
        if (!fs::is_directory(folderPath, ec)) {
            targets.push_back({path, {}});
            continue;
        }
        std::vector<std::string> names;
        fs::directory_iterator it(folderPath, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            std::string name = platform::Utf8FromPath(it->path().filename());
            if (EndsWith(name, kExtension) && name.size() > kExtension.size())
                names.push_back(std::move(name));
        }
        if (ec) {
            targets.push_back({path, "Der Ordner lässt sich nicht lesen (" + ec.message() + ")."});
            continue;
        }
        if (names.empty())
            err << "belegix-check: Im Ordner „" << path << "“ liegt keine *.belegix-Datei.\n";
        std::sort(names.begin(), names.end());
        const std::string folder = EndsWith(path, "/") || EndsWith(path, "\\") ? path : path + "/";
        for (const std::string& name : names) targets.push_back({folder + name, {}});
    }
    return targets;
}

void CheckAll(const std::vector<Target>& targets, unsigned jobs,
              const std::function<void(std::size_t, const Row&)>& emit) {
    const std::size_t n = targets.size();
    if (n == 0) return;
    if (jobs == 0) jobs = std::clamp(std::thread::hardware_concurrency(), 1u, kDefaultJobs);
    jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, n));

    std::vector<std::optional<Row>> rows(n);
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < n; i = next++) {
            Row row = CheckTarget(targets[i]);
            {
                const std::lock_guard lock(mutex);
                rows[i] = std::move(row);
            }
            ready.notify_all();
        }
    };
    std::vector<std::jthread> pool;
    pool.reserve(jobs);
    for (unsigned j = 0; j < jobs; ++j) pool.emplace_back(work);
    // Rows go out in target order as soon as each one and all before it are done.
    for (std::size_t i = 0; i < n; ++i) {
        Row row;
        {
            std::unique_lock lock(mutex);
            ready.wait(lock, [&] { return rows[i].has_value(); });
            row = std::move(*rows[i]);
            rows[i].reset();
        }
        emit(i, row);
    }
}

std::string CsvHeader() {
    // A UTF-8 mark first: a spreadsheet opened by a double click then reads the umlauts right.
    std::string line = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (i > 0) line += ';';
        line += CsvField(std::string(kColumns[i].header), false);
    }
    return line + "\n";
}

std::string CsvLine(const Row& row) {
    const auto fields = Fields(row);
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ';';
        line += CsvField(fields[i], kColumns[i].number);
    }
    return line + "\n";
}

std::string JsonLine(const Row& row) {
    using nlohmann::ordered_json;
    ordered_json o = ordered_json::object();
    const bool readable = row.status != Status::Unreadable;
    const plan::Summary& s = row.summary;
    auto text = [readable](const std::string& value) {
        return readable ? ordered_json(value) : ordered_json(nullptr);
    };
    auto number = [readable](std::int64_t value) {
        return readable ? ordered_json(value) : ordered_json(nullptr);
    };
    o["datei"] = row.file;
    o["name"] = text(s.name);
    o["vorname"] = text(s.vorname);
    o["klasse"] = text(s.klasse);
    o["profil"] = text(s.profil);
    o["pruefungsfaecher"] = readable ? ordered_json(s.pruefungsfaecher) : ordered_json(nullptr);
    o["wochenstunden"] = readable ? ordered_json(s.stunden) : ordered_json(nullptr);
    o["durchschnitt"] = number(s.durchschnitt);
    o["kurse"] = number(s.kurse);
    o["gesamtqualifikation"] = number(s.gqKurse);
    o["zulaessig"] = readable ? ordered_json(s.zulaessig) : ordered_json(nullptr);
    o["urteil"] = text(s.urteil);
    o["status"] = StatusText(row);
    ordered_json differences = ordered_json::array();
    for (const plan::Difference& d : row.differences)
        differences.push_back(
            {{"angabe", d.figure}, {"datei", d.stored}, {"nachgespielt", d.replayed}});
    o["abweichungen"] = std::move(differences);
    // Bytes that are no UTF-8 (a file name, a hand-edited text) are replaced, never thrown.
    // Invisible characters as \u escapes.
    return JsonEscaped(o.dump(-1, ' ', false, ordered_json::error_handler_t::replace)) + "\n";
}

std::string Table(const std::vector<Row>& rows) {
    std::vector<std::array<std::string, kColumns.size()>> cells;
    cells.reserve(rows.size() + 1);
    std::array<std::string, kColumns.size()> header;
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        header[i] = std::string(kColumns[i].shortHeader.empty() ? kColumns[i].header
                                                                : kColumns[i].shortHeader);
    cells.push_back(header);
    for (const Row& row : rows) {
        auto fields = Fields(row);
        for (std::size_t i = 0; i < fields.size(); ++i)
            fields[i] = Cut(Visible(fields[i], LineBreaks::Join), kColumns[i].columns,
                            i == 0 ? Keep::End : Keep::Start);
        cells.push_back(std::move(fields));
    }
    std::array<std::size_t, kColumns.size()> width{};
    for (const auto& line : cells)
        for (std::size_t i = 0; i < line.size(); ++i)
            width[i] = std::max(width[i], DisplayWidth(line[i]));

    std::string out;
    auto put = [&out, &width](const std::array<std::string, kColumns.size()>& line) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const std::string pad(width[i] - DisplayWidth(line[i]), ' ');
            if (i > 0) text += "  ";
            text += kColumns[i].number ? pad + line[i] : line[i] + pad;
        }
        out += WithoutTrailingSpaces(std::move(text)) + "\n";
    };
    put(cells[0]);
    std::size_t total = 0;
    for (std::size_t w : width) total += w;
    std::string rule;
    for (std::size_t i = 0; i < total + 2 * (width.size() - 1); ++i) rule += "─";
    out += rule + "\n";
    for (std::size_t r = 1; r < cells.size(); ++r) put(cells[r]);
    return out;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Parsed parsed = ParseArguments(args);
    if (!parsed.error.empty()) {
        err << "belegix-check: " << parsed.error << "\n" << Usage();
        return 2;
    }
    const Options& o = parsed.options;
    if (o.help) {
        out << HelpText() << std::flush;
        return out ? 0 : 1;
    }
    const std::vector<Target> targets = ExpandPaths(o.paths, err);

    std::size_t differing = 0;
    std::size_t unreadable = 0;
    std::vector<Row> rows;
    if (o.format == Format::Csv) out << CsvHeader();
    CheckAll(targets, o.jobs, [&](std::size_t, const Row& row) {
        if (row.status == Status::Differs) ++differing;
        if (row.status == Status::Unreadable) ++unreadable;
        if (o.format == Format::Csv)
            out << CsvLine(row);
        else if (o.format == Format::Json)
            out << JsonLine(row);
        else
            rows.push_back(row);
    });
    if (o.format == Format::Table && !rows.empty()) out << Table(rows);
    out.flush();

    err << "belegix-check: " << targets.size() << (targets.size() == 1 ? " Datei" : " Dateien")
        << ", davon " << targets.size() - differing - unreadable << " geprüft, " << differing
        << " abweichend, " << unreadable << " unlesbar.\n";
    if (!out) {
        err << "belegix-check: Die Ausgabe ließ sich nicht schreiben.\n";
        return 1;
    }
    return unreadable > 0 ? 1 : 0;
}

}  // namespace belegix::check
