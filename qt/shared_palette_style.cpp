#include "qt/shared_palette_style.h"

#include <QStyleOption>
#include <utility>

namespace belegix {

namespace {

size_t ColourHash(const QPalette& palette) {
    size_t hash = qHash(static_cast<int>(palette.currentColorGroup()));
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QBrush& brush = palette.brush(static_cast<QPalette::ColorGroup>(group),
                                                static_cast<QPalette::ColorRole>(role));
            hash = qHashMulti(hash, brush.color().rgba(), static_cast<int>(brush.style()));
        }
    }
    return hash;
}

}  // namespace

const QPalette& SharedPaletteStyle::Shared(const QPalette& palette) const {
    std::vector<QPalette>& same = palettes_[ColourHash(palette)];
    // The colour group a widget is drawn in (disabled, inactive) is no part of the comparison.
    for (const QPalette& kept : same)
        if (kept.currentColorGroup() == palette.currentColorGroup() &&
            (kept.isCopyOf(palette) || kept == palette))
            return kept;
    same.push_back(palette);
    return same.back();
}

qsizetype SharedPaletteStyle::SharedCount() const {
    qsizetype count = 0;
    for (const auto& same : palettes_) count += static_cast<qsizetype>(same.size());
    return count;
}

template <typename Draw>
void SharedPaletteStyle::WithSharedPalette(const QStyleOption* option, Draw draw) const {
    if (option == nullptr) {
        draw();
        return;
    }
    // The option belongs to the widget that paints (a local object of its paint code); only its
    // palette is exchanged, for an equal one, and given back afterwards.
    auto* mutableOption = const_cast<QStyleOption*>(option);
    QPalette own = std::exchange(mutableOption->palette, Shared(option->palette));
    draw();
    mutableOption->palette = std::move(own);
}

void SharedPaletteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    WithSharedPalette(option,
                      [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

void SharedPaletteStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    WithSharedPalette(option, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const {
    WithSharedPalette(option,
                      [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
}

}  // namespace belegix
