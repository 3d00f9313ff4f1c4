#include "olecolor.h"

#include <array>

namespace qorv {

namespace {

constexpr OleColor systemFlag = 0x80000000u;

// The classic Windows standard scheme, by system colour index, so a panel
// looks the same on every desktop and in headless tests.
constexpr std::array<QRgb, 31> classicSystemColors = {
    qRgb(212, 208, 200), // 0x00 scroll bar
    qRgb(58, 110, 165),  // 0x01 desktop
    qRgb(10, 36, 106),   // 0x02 active caption
    qRgb(128, 128, 128), // 0x03 inactive caption
    qRgb(212, 208, 200), // 0x04 menu
    qRgb(255, 255, 255), // 0x05 window
    qRgb(0, 0, 0),       // 0x06 window frame
    qRgb(0, 0, 0),       // 0x07 menu text
    qRgb(0, 0, 0),       // 0x08 window text
    qRgb(255, 255, 255), // 0x09 caption text
    qRgb(212, 208, 200), // 0x0A active border
    qRgb(212, 208, 200), // 0x0B inactive border
    qRgb(128, 128, 128), // 0x0C application workspace
    qRgb(10, 36, 106),   // 0x0D highlight
    qRgb(255, 255, 255), // 0x0E highlight text
    qRgb(212, 208, 200), // 0x0F button face
    qRgb(128, 128, 128), // 0x10 button shadow
    qRgb(128, 128, 128), // 0x11 grey text
    qRgb(0, 0, 0),       // 0x12 button text
    qRgb(212, 208, 200), // 0x13 inactive caption text
    qRgb(255, 255, 255), // 0x14 3-D highlight
    qRgb(64, 64, 64),    // 0x15 3-D dark shadow
    qRgb(212, 208, 200), // 0x16 3-D light
    qRgb(0, 0, 0),       // 0x17 info text
    qRgb(255, 255, 225), // 0x18 info background
    qRgb(181, 181, 181), // 0x19 alternate button face
    qRgb(0, 0, 128),     // 0x1A hot-tracked item
    qRgb(166, 202, 240), // 0x1B active caption gradient
    qRgb(192, 192, 192), // 0x1C inactive caption gradient
    qRgb(49, 106, 197),  // 0x1D menu highlight
    qRgb(236, 233, 216), // 0x1E menu bar
};

} // namespace

bool isSystemColor(OleColor color)
{
    return (color & 0xFF000000u) == systemFlag;
}

std::optional<QColor> toQColor(OleColor color)
{
    if (isSystemColor(color)) {
        const quint32 index = color & 0x00FFFFFFu;
        if (index >= classicSystemColors.size())
            return std::nullopt;
        return QColor::fromRgb(classicSystemColors[index]);
    }
    if ((color & 0xFF000000u) != 0)
        return std::nullopt;
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

OleColor fromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return OleColor(rgb.red()) | (OleColor(rgb.green()) << 8) | (OleColor(rgb.blue()) << 16);
}

} // namespace qorv
