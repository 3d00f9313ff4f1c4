#pragma once

#include <QColor>
#include <QtGlobal>

#include <optional>

namespace qorv {

// 0x00BBGGRR for a plain colour, 0x80000000 + index for a system colour.
using OleColor = quint32;

bool isSystemColor(OleColor color);

// The colour to draw with; std::nullopt for a value that is neither a plain
// colour nor a known system colour index.
std::optional<QColor> toQColor(OleColor color);

OleColor fromQColor(const QColor& color);

} // namespace qorv
