#pragma once

namespace vindaro {

// The control reports positions and sizes in twips, at the classic
// 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

inline constexpr float toTwips(qreal pixels) { return float(pixels * TwipsPerPixel); }

} // namespace vindaro
