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

WindowHarness::WindowHarness(const std::string& pdf)
    : out_{[](const drive::Json&) {},
           [this](int status, const std::string& message) {
               complaints_.push_back("exit " + std::to_string(status) + ": " + message);
           }},
      boxes_(out_) {
    printer_ = std::make_unique<drive::RecordingPrintStream>(
        out_, pdf.empty() ? nullptr : drive::MakePdfPrintStream(pdf));
    printer_->SetOnPage([this](const std::vector<std::string>& lines) {
        pages_.push_back(Page{lines});
        if (pageCheck_) pageCheck_(pages_.back());
    });
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
