// The widget style with one palette object per set of colours.
#pragma once

#include <QHash>
#include <QPalette>
#include <QProxyStyle>
#include <vector>

namespace belegix {

// Qt's styles keep drawn parts in QPixmapCache under a name that holds the palette's cache key,
// and every colour change gives a widget a palette with a new key, even when the colours are
// ones it had before. Over a long session the cache then fills with parts that are never drawn
// again (Qt 6.4 keeps them). This style draws every part with the one palette object
// that holds the same colours, so each look is drawn and cached once and found again afterwards.
class SharedPaletteStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // The palette object kept for `palette`'s colours and current colour group (the first one
    // seen with them).
    const QPalette& Shared(const QPalette& palette) const;
    // How many different sets of colours have been drawn.
    qsizetype SharedCount() const;

  private:
    // Draws with the option's palette replaced by the shared one for the duration of `draw`.
    template <typename Draw>
    void WithSharedPalette(const QStyleOption* option, Draw draw) const;

    mutable QHash<size_t, std::vector<QPalette>> palettes_;
};

}  // namespace belegix
