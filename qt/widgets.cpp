#include "qt/widgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

#include "core/must_exist.h"

namespace belegix {

// ---------------------------------------------------------------------------------------------
// RadioGroup

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) {
    group_.setExclusive(true);
}

QString RadioGroup::itemText(int i) const {
    return ElementOf(buttons_, static_cast<size_t>(i), "radio button")->text();
}

QStringList RadioGroup::items() const {
    QStringList list;
    for (const QRadioButton* b : buttons_) list << b->text();
    return list;
}

QRadioButton* RadioGroup::button(int i) const {
    if (i < 0 || i >= count()) return nullptr;
    return buttons_[static_cast<size_t>(i)];
}

int RadioGroup::index() const {
    for (int i = 0; i < count(); ++i)
        if (buttons_[static_cast<size_t>(i)]->isChecked()) return i;
    return -1;
}

void RadioGroup::setIndex(int i) {
    // An exclusive group cannot uncheck its last option; lift that for a moment.
    group_.setExclusive(false);
    for (int k = 0; k < count(); ++k) {
        QRadioButton* b = buttons_[static_cast<size_t>(k)];
        const QSignalBlocker block(b);
        b->setChecked(k == i);
    }
    group_.setExclusive(true);
    updateFocusProxy();
}

void RadioGroup::updateFocusProxy() {
    const int i = index();
    QRadioButton* proxy = button(i >= 0 ? i : 0);
    if (focusProxy() != proxy) setFocusProxy(proxy);
    // Tab enters the group at this option and leaves it after it; the arrow keys move between
    // the options.
    for (QRadioButton* b : buttons_)
        b->setFocusPolicy(b == proxy ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroup::clearItems() {
    setFocusProxy(nullptr);
    for (QRadioButton* b : buttons_) {
        group_.removeButton(b);
        if (b->hasFocus()) b->clearFocus();
        delete b;
    }
    buttons_.clear();
}

void RadioGroup::addItem(const QString& text) {
    auto* b = new QRadioButton(text, this);
    const int i = count();
    group_.addButton(b, i);
    buttons_.push_back(b);
    connect(b, &QRadioButton::clicked, this, [this, i] {
        updateFocusProxy();
        emit picked(i);
    });
    layoutButtons();
    if (isVisible()) b->show();
    updateFocusProxy();
    emit itemsChanged();
}

void RadioGroup::resizeEvent(QResizeEvent* e) {
    QGroupBox::resizeEvent(e);
    layoutButtons();
}

void RadioGroup::layoutButtons() {
    // The options share the height below a small top margin, one row each, like the classic
    // radio group.
    const int n = count();
    if (n == 0) return;
    const int top = 12;
    const int rowHeight = (height() - top - 4) / n;
    for (int i = 0; i < n; ++i) {
        QRadioButton* b = buttons_[static_cast<size_t>(i)];
        const int h = std::min(rowHeight, b->sizeHint().height() + 2);
        b->setGeometry(8, top + i * rowHeight + (rowHeight - h) / 2, width() - 12, h);
    }
}

// ---------------------------------------------------------------------------------------------
// Panel

Panel::Panel(bool smiley, QWidget* parent) : QFrame(parent), smiley_(smiley) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
}

void Panel::setText(const QString& text) {
    text_ = text;
    update();
}

void Panel::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    if (text_.isEmpty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = contentsRect();
    if (smiley_ && text_.size() == 1 && QStringLiteral("JKLM").contains(text_.at(0))) {
        paintSmiley(p, inner, text_.at(0));
        return;
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(inner, Qt::AlignCenter, text_);
}

void Panel::paintSmiley(QPainter& p, const QRectF& box, QChar which) const {
    const QColor ink = palette().color(QPalette::WindowText);
    const qreal size = std::min(box.width(), box.height()) - 4;
    const QRectF face(box.center().x() - size / 2, box.center().y() - size / 2, size, size);
    QPen pen(ink, std::max<qreal>(1.5, size / 11));
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);

    if (which == 'M') {
        // A bomb: a round body, a fuse and a spark.
        const QRectF body(face.left(), face.top() + size * 0.25, size * 0.75, size * 0.75);
        p.setBrush(ink);
        p.drawEllipse(body);
        p.setBrush(Qt::NoBrush);
        QPainterPath fuse;
        fuse.moveTo(body.center().x() + size * 0.25, body.top() + size * 0.08);
        fuse.quadTo(face.right() - size * 0.2, face.top(), face.right() - size * 0.05,
                    face.top() + size * 0.12);
        p.drawPath(fuse);
        p.drawLine(QPointF(face.right() - size * 0.05, face.top()),
                   QPointF(face.right() - size * 0.05, face.top() + size * 0.06));
        return;
    }

    p.drawEllipse(face);
    const qreal eyeR = size * 0.07;
    p.setBrush(ink);
    p.drawEllipse(QPointF(face.left() + size * 0.34, face.top() + size * 0.37), eyeR, eyeR);
    p.drawEllipse(QPointF(face.left() + size * 0.66, face.top() + size * 0.37), eyeR, eyeR);
    p.setBrush(Qt::NoBrush);

    const qreal left = face.left() + size * 0.28;
    const qreal right = face.left() + size * 0.72;
    const qreal y = face.top() + size * 0.66;
    QPainterPath mouth;
    mouth.moveTo(left, y);
    if (which == 'J')
        mouth.quadTo(face.center().x(), y + size * 0.2, right, y);  // smiling
    else if (which == 'L')
        mouth.quadTo(face.center().x(), y - size * 0.16, right, y + size * 0.04);  // frowning
    else
        mouth.lineTo(right, y);  // neutral
    p.drawPath(mouth);
}

// ---------------------------------------------------------------------------------------------
// StatusBar

StatusBar::StatusBar(const std::array<int, 3>& widths, QWidget* parent)
    : QFrame(parent), widths_(widths) {
    setAutoFillBackground(true);
    for (QLabel*& panel : panels_) {
        panel = new QLabel(this);
        panel->setTextFormat(Qt::PlainText);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
}

QString StatusBar::panelText(int panel) const {
    return ElementOf(panels_, static_cast<size_t>(panel), "status-bar panel")->text();
}

void StatusBar::setPanelText(int panel, const QString& text) {
    QLabel* label = ElementOf(panels_, static_cast<size_t>(panel), "status-bar panel");
    label->setText(text);
    fitPanel(label);
}

void StatusBar::fitPanel(QLabel* label) {
    // Centred as long as the text fits; a longer text keeps its beginning in view.
    const bool fits = label->fontMetrics().horizontalAdvance(label->text()) <= label->width() - 4;
    label->setAlignment(fits ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
}

void StatusBar::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    int x = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        const int w = i < widths_.size() ? widths_[i] : std::max(0, width() - x);
        panels_[i]->setGeometry(x, 1, w - 2, height() - 1);
        fitPanel(panels_[i]);
        x += w;
    }
}

}  // namespace belegix
