#include "tests/qt/window_harness.h"

#include <QApplication>
#include <QDateTime>
#include <QTableWidget>

#include "tools/drive/pdf.h"

namespace belegix::test {

int GridLineOfRow(int row) {
    // The header, then the task fields A, B, C and the rest, each closed by a separator line.
    if (row == 0) return 14;
    if (row <= 8) return 15 + row;
    if (row <= 13) return 16 + row;
    if (row <= 18) return 17 + row;
    return 18 + row;
}

const std::vector<std::string>& LanguagePlanLines() {
    static const std::vector<std::string> lines = {
        "click BitBtnHinweise",
        "pick ProfilRadioGroup 0",
        "click ProfilBitBtn",
        "pick Lk1Box 0",
        "pick Lk2Box 0",
        "pick P3Box 7",
        "pick P4Box 9",
        "pick P5Box 11",
        "click PFachBitBtn",
        "pick FspBox 1",
        "pick KuMuBox 1",
        "pick RGZusatzkurse 0",
        "click FZusatzkurseBitBtn",
        "pick PoBox 0",
        "pick RGZusatzkurse 1",
        "click FZusatzkurseBitBtn",
        "pick ReWnBox 0",
        "pick SpBox 0",
        "click AuflagenBitBtn",
        "click ErgebnisBitBtn",
        "pick ZusatzBox 15",
        "pick RGZusatzkurse 0",
        "click FZusatzkurseBitBtn",
        "click WeiterBitBtn",
        "click ErgebnisBitBtn",
    };
    return lines;
}

std::optional<std::string> CapturePrintStream::Open() {
    page_ = Page{{std::string()}};
    return next_ ? next_->Open() : std::nullopt;
}
void CapturePrintStream::SetFontName(const std::string& family) {
    if (next_) next_->SetFontName(family);
}
void CapturePrintStream::SetFontSize(int points) {
    if (next_) next_->SetFontSize(points);
}
void CapturePrintStream::SetFontStyle(bool bold, bool underline) {
    if (next_) next_->SetFontStyle(bold, underline);
}
void CapturePrintStream::SetColour(Colour colour) {
    if (next_) next_->SetColour(colour);
}
void CapturePrintStream::Write(const std::string& fragment) {
    page_.lines.back() += fragment;
    if (next_) next_->Write(fragment);
}
void CapturePrintStream::NewLine() {
    page_.lines.emplace_back();
    if (next_) next_->NewLine();
}
std::optional<std::string> CapturePrintStream::Close() {
    pages_.push_back(page_);
    if (onPage_) onPage_(page_);
    return next_ ? next_->Close() : std::nullopt;
}

WindowHarness::WindowHarness(const std::string& pdf)
    : out_{[](const drive::Json&) {},
           [this](int status, const std::string& message) {
               complaints_.push_back("exit " + std::to_string(status) + ": " + message);
           }},
      boxes_(out_) {
    auto capture = std::make_unique<CapturePrintStream>(
        pdf.empty() ? nullptr : drive::MakePdfPrintStream(pdf));
    capture_ = capture.get();
    printer_ = std::make_unique<drive::RecordingPrintStream>(out_, std::move(capture));
}

WindowHarness::~WindowHarness() {
    driver_.reset();
    win_.reset();
}

void WindowHarness::Open() {
    driver_.reset();
    win_.reset();
    // As belegix-drive starts the window: frozen clock, no timer, shown and activated once.
    win_ = std::make_unique<MainWindow>(boxes_, *printer_);
    win_->stopTimer();
    win_->setClock([] { return QDateTime(QDate(2016, 6, 1), QTime(8, 0, 0)); });
    win_->show();
    win_->activateWindow();
    QApplication::setActiveWindow(win_.get());
    QApplication::processEvents();
    win_->ActivateOnce();
    auto* grid = static_cast<QTableWidget*>(win_->widget(Control::Tabelle));
    QObject::connect(grid, &QTableWidget::itemChanged, grid, [this](QTableWidgetItem* item) {
        writes_.push_back({item->column(), item->row(), item->text().toStdString()});
    });
    driver_ = std::make_unique<drive::Driver>(*win_, boxes_, out_, nullptr);
}

bool WindowHarness::Run(std::string_view line) {
    const drive::Script script = drive::ParseScript(line);
    if (script.error) {
        complaints_.push_back("cannot read " + std::string(line) + ": " + script.error->reason);
        return true;
    }
    for (const drive::Command& cmd : script.commands)
        if (!driver_->Run(cmd)) return false;
    return true;
}

void WindowHarness::RunAll(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (!Run(line)) return;
}

}  // namespace belegix::test
