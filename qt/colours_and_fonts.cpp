#include "qt/colours_and_fonts.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStringList>
#include <array>

#include "core/must_exist.h"

namespace belegix {

namespace {

struct FontStandIn {
    const char* design;
    std::array<const char*, 2> installed;  // first choice first; a second one may be missing
    bool fixedPitch;
    bool required;  // the window's text and the printed grid need it
};

// The design's fonts and their metric-compatible or similar replacements.
constexpr std::array<FontStandIn, 5> kFonts = {{
    {"Arial", {"Liberation Sans", nullptr}, false, true},
    {"Courier New", {"Liberation Mono", nullptr}, true, true},
    {"MS Sans Serif", {"Liberation Sans", nullptr}, false, false},
    {"Arial Rounded MT Bold", {"DejaVu Sans", "Liberation Sans"}, false, false},
    {"Wingdings", {"Liberation Sans", nullptr}, false, false},
}};

const FontStandIn* Find(const QString& family) {
    for (const FontStandIn& f : kFonts)
        if (family.compare(QLatin1String(f.design), Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

}  // namespace

QColor ToQColor(Colour c) {
    const QPalette pal = QApplication::palette();
    switch (c) {
        case Colour::Orange:
            return {255, 128, 0};
        case Colour::Silver:
            return {192, 192, 192};
        case Colour::Green:
            return {0, 128, 0};
        case Colour::Yellow:
            return {255, 255, 0};
        case Colour::Red:
            return {255, 0, 0};
        case Colour::Navy:
            return {0, 0, 128};
        case Colour::Teal:
            return {0, 128, 128};
        case Colour::Maroon:
            return {128, 0, 0};
        case Colour::White:
            return {255, 255, 255};
        case Colour::Black:
            return {0, 0, 0};
        case Colour::Neutral:
            return pal.color(QPalette::Button);
        case Colour::PaleYellow:
            return pal.color(QPalette::ToolTipBase);
        case Colour::InactiveCaption:
            // Qt has no role for inactive title bars; this is the common desktop default.
            return {191, 205, 219};
        case Colour::Desktop:
            return {58, 110, 165};
    }
    MustExist(false, "screen colour of a colour word");
    return {};
}

void InstallFontStandIns() {
    for (const FontStandIn& f : kFonts) {
        QStringList installed;
        for (const char* family : f.installed)
            if (family != nullptr) installed << QString::fromLatin1(family);
        QFont::insertSubstitutions(QString::fromLatin1(f.design), installed);
    }
}

QString InstalledFamily(const QString& family) {
    const FontStandIn* f = Find(family);
    return f ? QString::fromLatin1(f->installed.front()) : family;
}

QStringList RequiredFonts() {
    QStringList fonts;
    for (const FontStandIn& f : kFonts)
        if (f.required) fonts << QString::fromLatin1(f.design);
    return fonts;
}

bool FixedPitch(const QString& family) {
    const FontStandIn* f = Find(family);
    return f != nullptr && f->fixedPitch;
}

}  // namespace belegix
