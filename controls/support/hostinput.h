#pragma once

#include <Qt>

namespace qorv {

// Mouse buttons as the host's events number them: 1 left, 2 right, 4 middle.
short buttonsOf(Qt::MouseButtons buttons);
// Modifier keys as the host's events number them: 1 Shift, 2 Ctrl, 4 Alt.
short shiftOf(Qt::KeyboardModifiers modifiers);
// The host's virtual key code of a Qt key, 0 for keys it has no code for.
short keyCodeOf(int qtKey);

} // namespace qorv
