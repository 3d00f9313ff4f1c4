#pragma once

#include <QtGlobal>

// Published in the type library. Any 32-bit value may be stored as a link
// type; every value other than mailto means "let the host navigate".
enum class enLinkType : qint32 {
    mailto = 0,
    other = 1,
};

// Published only; no member of the control takes it.
enum class enBackStyle : qint32 {
    透明 = 0,
    不透明 = 1,
};
