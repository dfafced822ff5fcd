// The real window (offscreen) worked through the driver's machinery, for window-level tests:
// opened as belegix-drive opens it, with every printed page and every write into the plan grid
// recorded.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/print_stream.h"
#include "qt/main_window.h"
#include "tools/drive/session.h"

namespace belegix::test {

// A printed page as lines of text (fragments joined; the last line has no line break after it).
struct Page {
    std::vector<std::string> lines;
    std::string Line(std::size_t i) const { return i < lines.size() ? lines[i] : std::string(); }
};

// Lines of the printed page, and the page line of each grid row.
inline constexpr std::size_t kPageLines = 54;
int GridLineOfRow(int row);
inline constexpr std::size_t kNameLine = 6;
inline constexpr std::size_t kSchoolLine = 7;
inline constexpr std::size_t kClassLine = 8;

// Driver lines that work a language-profile plan through the window up to its evaluation.
const std::vector<std::string>& LanguagePlanLines();

struct GridWrite {
    int column = 0;
    int row = 0;
    std::string text;
};

class WindowHarness {
  public:
    // With `pdf`, printed pages are also rendered by the program's page renderer into that file.
    explicit WindowHarness(const std::string& pdf = {});
    ~WindowHarness();

    // A new window, started as the program starts it (the previous one is closed and deleted).
    void Open();
    MainWindow& win() { return *win_; }
    drive::Driver& driver() { return *driver_; }

    // Runs one driver line; false when the window closed.
    bool Run(std::string_view line);
    // Runs driver lines until the window closes.
    void RunAll(const std::vector<std::string>& lines);

    void SetAnswerer(drive::ScriptedBoxes::Answerer answerer) {
        boxes_.SetAnswerer(std::move(answerer));
    }
    void SetPageCheck(std::function<void(const Page&)> check) { pageCheck_ = std::move(check); }
    const std::vector<Page>& pages() const { return pages_; }

    // Cells of `Tabelle` whose text changed since the last ClearGridWrites.
    const std::vector<GridWrite>& gridWrites() const { return writes_; }
    void ClearGridWrites() { writes_.clear(); }
    // What the driver would have reported on standard error (unanswered boxes, bad picks).
    const std::vector<std::string>& complaints() const { return complaints_; }

  private:
    drive::Output out_;
    drive::ScriptedBoxes boxes_;
    std::unique_ptr<drive::RecordingPrintStream> printer_;
    std::vector<Page> pages_;
    std::function<void(const Page&)> pageCheck_;
    std::unique_ptr<MainWindow> win_;
    std::unique_ptr<drive::Driver> driver_;
    std::vector<GridWrite> writes_;
    std::vector<std::string> complaints_;
};

}  // namespace belegix::test
