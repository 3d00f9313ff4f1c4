#pragma once

#include <QCursor>
#include <QImage>

#include <optional>

namespace vindaro {

inline constexpr short CustomMousePointer = 99;

// The cursor for one of the host's pointer numbers (0 default, 1 arrow,
// 2 cross, 3 I-beam, ... 15 size all, 99 custom from the icon). No value
// means "the default pointer".
std::optional<QCursor> cursorForPointer(short pointer, const QImage& icon);

} // namespace vindaro
