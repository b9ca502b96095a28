#pragma once

#include <cstddef>
#include <string_view>

#include <QColor>
#include <QString>

namespace sg {

// The label and colour of one line of an ink curve graph.
struct InkSeriesStyle {
    QString label;
    QColor color;
};

// The channel series table: the row for a channel's position in its ink channel set
// ("K Curve" in black, "C Curve" in cyan, ... "GR Curve" in green). Positions past the ten
// rows get "Channel <n>" in a neutral gray.
InkSeriesStyle channelSeriesStyle(std::size_t position);

// The ink colour table, by channel position (past the table: black) ...
QColor inkColorForPosition(std::size_t position);

// ... or by ink display name ("Light Cyan"); a name not in the table gives black.
QColor inkColorForName(std::string_view displayName);

}  // namespace sg
