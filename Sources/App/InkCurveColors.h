#pragma once

#include <cstddef>
#include <string_view>

#include <QColor>
#include <QString>

namespace sg {

// The label, colour and line style of one line of an ink curve graph. Light inks are drawn
// dashed (dotted for light light black), so they stay apart from their full-strength partners
// after readableOnWhite() has darkened them.
struct InkSeriesStyle {
    QString label;
    QColor color;
    Qt::PenStyle penStyle = Qt::SolidLine;
};

// The channel series table: the row for a channel's position in its ink channel set
// ("K Curve" in black, "C Curve" in cyan, ... "GR Curve" in green). Positions past the ten
// rows get "Channel <n>" in a neutral gray.
InkSeriesStyle channelSeriesStyle(std::size_t position);

// The ink colour table, by channel position (past the table: black) ...
QColor inkColorForPosition(std::size_t position);

// ... or by ink display name ("Light Cyan"); a name not in the table gives black.
QColor inkColorForName(std::string_view displayName);

// A line of the ink colour table for graphs whose series carry their own labels: the colour of
// the ink's display name, dashed for the light inks.
InkSeriesStyle inkSeriesStyle(const QString& label, std::string_view displayName);

// The colour as a graph draws it on white: the same hue, opaque, darkened until it stands out
// at least 3:1 against white (yellow becomes olive, light cyan a teal).
QColor readableOnWhite(const QColor& color);

}  // namespace sg
