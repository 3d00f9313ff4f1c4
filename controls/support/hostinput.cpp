#include "hostinput.h"

#include <array>
#include <utility>

namespace qorv {

short buttonsOf(Qt::MouseButtons buttons)
{
    short result = 0;
    if (buttons & Qt::LeftButton)
        result |= 1;
    if (buttons & Qt::RightButton)
        result |= 2;
    if (buttons & Qt::MiddleButton)
        result |= 4;
    return result;
}

short shiftOf(Qt::KeyboardModifiers modifiers)
{
    short result = 0;
    if (modifiers & Qt::ShiftModifier)
        result |= 1;
    if (modifiers & Qt::ControlModifier)
        result |= 2;
    if (modifiers & Qt::AltModifier)
        result |= 4;
    return result;
}

short keyCodeOf(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return short(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return short(0x70 + (qtKey - Qt::Key_F1));
    static constexpr std::array<std::pair<int, short>, 21> named{{
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},    {Qt::Key_Return, 0x0D},
        {Qt::Key_Enter, 0x0D},     {Qt::Key_Shift, 0x10},  {Qt::Key_Control, 0x11},
        {Qt::Key_Alt, 0x12},       {Qt::Key_Pause, 0x13},  {Qt::Key_CapsLock, 0x14},
        {Qt::Key_Escape, 0x1B},    {Qt::Key_Space, 0x20},  {Qt::Key_PageUp, 0x21},
        {Qt::Key_PageDown, 0x22},  {Qt::Key_End, 0x23},    {Qt::Key_Home, 0x24},
        {Qt::Key_Left, 0x25},      {Qt::Key_Up, 0x26},     {Qt::Key_Right, 0x27},
        {Qt::Key_Down, 0x28},      {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, 0x2E},
    }};
    for (const auto& [key, code] : named) {
        if (key == qtKey)
            return code;
    }
    return 0;
}

} // namespace qorv
