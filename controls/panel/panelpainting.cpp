#include "panelpainting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace qorvpanel {

namespace {

QColor systemColor(qorv::OleColor value)
{
    return qorv::toQColor(value).value_or(QColor(Qt::black));
}

QRgb rgbOfTableEntry(qorv::OleColor entry)
{
    return qRgb(int(entry & 0xFF), int((entry >> 8) & 0xFF), int((entry >> 16) & 0xFF));
}

double channel(qorv::OleColor color, int shift)
{
    return double((color >> shift) & 0xFF);
}

void fillRow(QImage& surface, int y, int x0, int x1, QRgb color)
{
    if (y < 0 || y >= surface.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, surface.width() - 1);
    if (x0 > x1)
        return;
    auto* line = reinterpret_cast<QRgb*>(surface.scanLine(y));
    std::fill(line + x0, line + x1 + 1, color);
}

void fillColumn(QImage& surface, int x, int y0, int y1, QRgb color)
{
    if (x < 0 || x >= surface.width())
        return;
    y0 = std::max(y0, 0);
    y1 = std::min(y1, surface.height() - 1);
    for (int y = y0; y <= y1; ++y)
        reinterpret_cast<QRgb*>(surface.scanLine(y))[x] = color;
}

// System colour indexes of the four lines of an edge: outer top-left,
// outer bottom-right, inner top-left, inner bottom-right; -1 draws nothing.
struct EdgeLines {
    int outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

constexpr int light3d = 0x16, highlight3d = 0x14, shadow3d = 0x10, darkShadow3d = 0x15;

EdgeLines edgeLinesOf(int edgeType)
{
    switch (edgeType & 0xF) {
    case 1: return {light3d, darkShadow3d, -1, -1};                     // raised outer
    case 2: return {shadow3d, highlight3d, -1, -1};                     // sunken outer
    case 4: return {highlight3d, shadow3d, -1, -1};                     // raised inner
    case 5: return {light3d, darkShadow3d, highlight3d, shadow3d};      // raised
    case 6: return {shadow3d, highlight3d, highlight3d, shadow3d};      // etched
    case 8: return {darkShadow3d, light3d, -1, -1};                     // sunken inner
    case 9: return {light3d, darkShadow3d, darkShadow3d, light3d};      // bump
    case 10: return {shadow3d, highlight3d, darkShadow3d, light3d};     // sunken
    default: return {-1, -1, -1, -1};
    }
}

QRgb systemRgb(int index)
{
    return systemColor(0x80000000u | quint32(index)).rgb();
}

// Glyphs after a single "&" are underlined.
QList<int> underlinedPositions(const QString& caption)
{
    QList<int> positions;
    int outIndex = 0;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            ++outIndex;
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            ++i;
            ++outIndex;
            continue;
        }
        if (i + 1 < caption.size())
            positions.append(outIndex);
    }
    return positions;
}

void drawPrefixText(QPainter& painter, const QFontMetricsF& metrics, QPointF topLeft,
                    const QString& text, const QList<int>& underlined, const QColor& color)
{
    painter.setPen(color);
    const double baseline = topLeft.y() + metrics.ascent();
    painter.drawText(QPointF(topLeft.x(), baseline), text);
    const double thickness = std::max(1.0, metrics.lineWidth());
    for (int position : underlined) {
        const double x0 = metrics.horizontalAdvance(text.left(position));
        const double width = metrics.horizontalAdvance(text.mid(position, 1));
        painter.fillRect(QRectF(topLeft.x() + x0, baseline + metrics.underlinePos(), width, thickness),
                         color);
    }
}

} // namespace

int roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double r = std::nearbyint(value);
    if (r >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(r);
}

void FillGradientColors(QVector<qorv::OleColor>& table, qorv::OleColor start, qorv::OleColor end)
{
    if (table.isEmpty())
        return;
    const int n = int(table.size()) - 1;
    double running[3] = {channel(start, 0), channel(start, 8), channel(start, 16)};
    double step[3] = {0, 0, 0};
    if (n != 0) {
        for (int c = 0; c < 3; ++c)
            step[c] = (channel(end, 8 * c) - running[c]) / n;
    }
    for (int i = 0; i <= n; ++i) {
        for (int c = 0; c < 3; ++c)
            running[c] = std::clamp(running[c] + step[c], 0.0, 255.0);
        table[i] = qorv::OleColor(roundHalfEven(running[0])) + 256u * qorv::OleColor(roundHalfEven(running[1]))
            + 65536u * qorv::OleColor(roundHalfEven(running[2]));
    }
}

QString measuringText(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&') {
            out += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            out += u'&';
            ++i;
        }
    }
    return out;
}

QPoint captionPosition(int captionAlign, double sw, double sh, int tw, int th)
{
    const int left = 3;
    const int center = roundHalfEven((sw - tw) / 2);
    const int right = roundHalfEven(sw - tw - 3);
    const int top = 2;
    const int middle = roundHalfEven((sh - th) / 2);
    const int bottom = roundHalfEven(sh - th - 2);
    switch (captionAlign) {
    case 0: return {left, top};
    case 1: return {center, top};
    case 2: return {right, top};
    case 3: return {left, middle};
    case 4: return {center, middle};
    case 5: return {right, middle};
    case 6: return {left, bottom};
    case 7: return {center, bottom};
    case 8: return {right, bottom};
    default: return {0, 0};
    }
}

int edgeTypeOf(int borderStyle)
{
    switch (borderStyle) {
    case 0: return 5;  // EDGE_RAISED
    case 1: return 10; // EDGE_SUNKEN
    case 2: return 6;  // EDGE_ETCHED
    case 3: return 9;  // EDGE_BUMP
    case 4: return 4;  // BDR_RAISEDINNER
    case 5: return 2;  // BDR_SUNKENOUTER
    case 6: return 0;  // flat: the call draws no line
    default: return -1;
    }
}

void drawGradient(QImage& surface, int gradientSens, qorv::OleColor start, qorv::OleColor end)
{
    if (gradientSens != 0 && gradientSens != 1)
        return;
    const bool vertical = gradientSens == 1;
    const int extent = vertical ? surface.height() : surface.width();
    QVector<qorv::OleColor> table(extent / 2 + 1);
    FillGradientColors(table, start, end);
    if (surface.isNull())
        return;

    // Band i \ 2 covers rows (or columns) i..i+2 and the next band paints
    // over i+2, so pixel k ends up in band k \ 2.
    const qsizetype rowBytes = qsizetype(surface.width()) * sizeof(QRgb);
    if (vertical) {
        for (int y = 0; y < surface.height(); ++y) {
            if (y % 2 == 0)
                fillRow(surface, y, 0, surface.width() - 1, rgbOfTableEntry(table[y / 2]));
            else
                std::memcpy(surface.scanLine(y), surface.constScanLine(y - 1), rowBytes);
        }
        return;
    }
    auto* first = reinterpret_cast<QRgb*>(surface.scanLine(0));
    for (int x = 0; x < surface.width(); ++x)
        first[x] = rgbOfTableEntry(table[x / 2]);
    for (int y = 1; y < surface.height(); ++y)
        std::memcpy(surface.scanLine(y), first, rowBytes);
}

void TilePicture(QImage& surface, const QImage& tile)
{
    if (tile.isNull() || surface.isNull())
        return;
    const QImage source = tile.format() == QImage::Format_RGB32 ? tile : tile.convertToFormat(QImage::Format_RGB32);
    const int bw = source.width();
    const int bh = source.height();
    for (int y = 0; y < surface.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y % bh));
        auto* to = reinterpret_cast<QRgb*>(surface.scanLine(y));
        for (int x = 0; x < surface.width(); x += bw)
            std::memcpy(to + x, from, sizeof(QRgb) * size_t(std::min(bw, surface.width() - x)));
    }
}

void drawEdge(QImage& surface, int edgeType)
{
    const EdgeLines lines = edgeLinesOf(edgeType);
    const int right = surface.width();
    const int bottom = surface.height();
    if (lines.outerTopLeft >= 0) {
        fillRow(surface, 0, 0, right - 1, systemRgb(lines.outerTopLeft));
        fillColumn(surface, 0, 0, bottom - 1, systemRgb(lines.outerTopLeft));
    }
    if (lines.outerBottomRight >= 0) {
        fillRow(surface, bottom - 1, 0, right - 1, systemRgb(lines.outerBottomRight));
        fillColumn(surface, right - 1, 0, bottom - 1, systemRgb(lines.outerBottomRight));
    }
    if (lines.innerTopLeft >= 0) {
        fillRow(surface, 1, 1, right - 2, systemRgb(lines.innerTopLeft));
        fillColumn(surface, 1, 1, bottom - 2, systemRgb(lines.innerTopLeft));
    }
    if (lines.innerBottomRight >= 0) {
        fillRow(surface, bottom - 2, 1, right - 2, systemRgb(lines.innerBottomRight));
        fillColumn(surface, right - 2, 1, bottom - 2, systemRgb(lines.innerBottomRight));
    }
}

void DrawCaption(QImage& surface, const QString& caption, int captionAlign, const QFont& font,
                 const QColor& textColor, bool enabled)
{
    const QString text = measuringText(caption);
    if (text.isEmpty() || surface.isNull())
        return;
    const QFontMetricsF metrics(font, &surface);
    const int tw = roundHalfEven(metrics.horizontalAdvance(text));
    const int th = roundHalfEven(metrics.height());
    const QPoint at = captionPosition(captionAlign, surface.width(), surface.height(), tw, th);
    const QList<int> underlined = underlinedPositions(caption);

    QPainter painter(&surface);
    painter.setFont(font);
    if (enabled) {
        drawPrefixText(painter, metrics, at, text, underlined, textColor);
        return;
    }
    // The platform's disabled look: a highlight copy one pixel down and
    // right, the shadow copy on top of it.
    drawPrefixText(painter, metrics, at + QPointF(1, 1), text, underlined, systemColor(0x80000014));
    drawPrefixText(painter, metrics, at, text, underlined, systemColor(0x80000010));
}

void drawPanel(QImage& surface, const PanelLook& look)
{
    if (surface.isNull())
        return;
    const bool gradientCoversAll = look.gradientBackColor && (look.gradientSens == 0 || look.gradientSens == 1);
    if (!gradientCoversAll)
        surface.fill(look.surfaceBackColor);
    if (look.gradientBackColor)
        drawGradient(surface, look.gradientSens, look.gradientColorStart, look.gradientColorEnd);
    else
        TilePicture(surface, look.tile);
    const int edgeType = edgeTypeOf(look.borderStyle);
    if (edgeType >= 0)
        drawEdge(surface, edgeType);
    DrawCaption(surface, look.caption, look.captionAlign, look.surfaceFont, look.surfaceForeColor, look.enabled);
}

} // namespace qorvpanel
