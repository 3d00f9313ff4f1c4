#include "mousepointer.h"

#include <QPixmap>

#include <array>

namespace vindaro {

std::optional<QCursor> cursorForPointer(short pointer, const QImage& icon)
{
    if (pointer == CustomMousePointer) {
        if (icon.isNull())
            return std::nullopt;
        return QCursor(QPixmap::fromImage(icon));
    }
    // Index = pointer number; 4 (icon) has no counterpart and shows the arrow.
    static constexpr std::array<Qt::CursorShape, 16> shapes{
        Qt::ArrowCursor,     Qt::ArrowCursor,     Qt::CrossCursor,      Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor,   Qt::SizeBDiagCursor,  Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor,   Qt::UpArrowCursor,    Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,      Qt::WhatsThisCursor,  Qt::SizeAllCursor,
    };
    if (pointer <= 0 || pointer >= short(shapes.size()))
        return std::nullopt;
    return QCursor(shapes[size_t(pointer)]);
}

} // namespace vindaro
