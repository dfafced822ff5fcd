// The yardstick for the planner's start-up: a bare Qt window with the same widgets as the
// planner's design (the same kinds, number, parents, positions, captions and items) and nothing
// else but the same menu bar: no rules, no state, no event wiring, no colours or fonts, no clock,
// no printer. Ends like
// the planner's start-up measurement, once the window is active and the event loop is idle.
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "bench/startup_quit.h"
#include "core/design.h"

namespace {

using belegix::design::ControlDesign;
using belegix::design::Kind;

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QWidget* Make(const ControlDesign& d, QWidget* parent) {
    switch (d.kind) {
        case Kind::Label:
        case Kind::Heading:
            return new QLabel(Q(d.text), parent);
        case Kind::GroupBox:
            return new QGroupBox(Q(d.text), parent);
        case Kind::Combo: {
            auto* box = new QComboBox(parent);
            box->setEditable(true);
            for (std::string_view item : d.items) box->addItem(Q(item));
            return box;
        }
        case Kind::Button: {
            auto* button = new QPushButton(Q(d.text), parent);
            if (d.glyph != belegix::design::Glyph::None)
                button->setIcon(button->style()->standardIcon(QStyle::SP_DialogHelpButton));
            return button;
        }
        case Kind::Memo: {
            auto* memo = new QTextEdit(parent);
            memo->setReadOnly(true);
            memo->setPlainText(Q(d.text));
            return memo;
        }
        case Kind::Panel:
        case Kind::Smiley: {
            auto* panel = new QFrame(parent);
            panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
            return panel;
        }
        case Kind::RadioGroup: {
            auto* group = new QGroupBox(Q(d.text), parent);
            auto* layout = new QVBoxLayout(group);
            for (std::string_view item : d.items) layout->addWidget(new QRadioButton(Q(item)));
            return group;
        }
        case Kind::Grid: {
            auto* grid = new QTableWidget(belegix::kGridRows, belegix::kGridColumns, parent);
            for (int row = 0; row < belegix::kGridRows; ++row)
                for (int col = 0; col < belegix::kGridColumns; ++col)
                    grid->setItem(row, col, new QTableWidgetItem());
            return grid;
        }
        case Kind::Edit:
            return new QLineEdit(parent);
        case Kind::StatusBar: {
            auto* bar = new QFrame(parent);
            auto* layout = new QHBoxLayout(bar);
            for (int i = 0; i < 4; ++i) layout->addWidget(new QLabel(bar));
            return bar;
        }
    }
    return new QWidget(parent);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(Q(belegix::design::kCaption));
    window.setFixedSize(belegix::design::kClientWidth, belegix::design::kClientHeight);
    QMap<int, QWidget*> made;
    for (const ControlDesign& d : belegix::design::Controls()) {
        QWidget* parent = d.parent ? made.value(static_cast<int>(*d.parent), &window) : &window;
        QWidget* w = Make(d, parent);
        w->setGeometry(d.left, d.top, d.width, d.height);
        w->setEnabled(d.enabled);
        if (!d.visible) w->hide();
        made.insert(static_cast<int>(d.control), w);
    }

    window.show();
    window.activateWindow();
    belegix::bench::QuitWhenIdleAfter([&window] { return window.isActiveWindow(); }, window);
    return QApplication::exec();
}
