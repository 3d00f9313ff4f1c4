#pragma once

#include "qorvpanel_export.h"

#include <olecolor.h>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QVector>

// The drawing routines of the panel, free of the widget so that they can be
// measured and checked pixel by pixel.
namespace qorvpanel {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
QORVPANEL_EXPORT int roundHalfEven(double value);

// Fills every entry 0..table.size()-1 of the band table. Entry 0 lies one
// step past the start colour; each running channel is clamped to 0..255.
// System colours are split as raw numbers, not resolved.
QORVPANEL_EXPORT void FillGradientColors(QVector<qorv::OleColor>& table, qorv::OleColor start,
                                         qorv::OleColor end);

// The caption as measured: "&&" stands for one "&", any other "&" is dropped.
QORVPANEL_EXPORT QString measuringText(const QString& caption);

// Top-left corner of the caption's text cell for an alignment value.
QORVPANEL_EXPORT QPoint captionPosition(int captionAlign, double scaleWidth, double scaleHeight,
                                        int textWidth, int textHeight);

// Everything DrawPanel reads.
struct PanelLook {
    QColor surfaceBackColor;
    QColor surfaceForeColor;
    QFont surfaceFont;
    bool gradientBackColor = false;
    int gradientSens = 0;
    qorv::OleColor gradientColorStart = 0;
    qorv::OleColor gradientColorEnd = 0;
    QImage tile; // Format_RGB32, or null for no picture
    int borderStyle = 0;
    QString caption;
    int captionAlign = 0;
    bool enabled = true;
};

// Redraws the whole image: background, gradient or tiled picture, edge,
// caption.
QORVPANEL_EXPORT void drawPanel(QImage& surface, const PanelLook& look);

// The parts of drawPanel, each drawing on the whole image.
QORVPANEL_EXPORT void drawGradient(QImage& surface, int gradientSens, qorv::OleColor start,
                                   qorv::OleColor end);
QORVPANEL_EXPORT void TilePicture(QImage& surface, const QImage& tile);
QORVPANEL_EXPORT void drawEdge(QImage& surface, int edgeType);
QORVPANEL_EXPORT void DrawCaption(QImage& surface, const QString& caption, int captionAlign,
                                  const QFont& font, const QColor& textColor, bool enabled);

// The edge type DrawEdge gets for a border style; -1 for no call at all.
QORVPANEL_EXPORT int edgeTypeOf(int borderStyle);

} // namespace qorvpanel
