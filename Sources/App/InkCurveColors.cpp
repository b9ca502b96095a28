#include "App/InkCurveColors.h"

#include <array>

namespace sg {
namespace {

QColor rgba(double red, double green, double blue, double alpha = 1.0) {
    return QColor::fromRgbF(static_cast<float>(red), static_cast<float>(green),
                            static_cast<float>(blue), static_cast<float>(alpha));
}

struct InkColorRow {
    std::string_view displayName;
    double red, green, blue;
};

constexpr std::array<InkColorRow, 10> inkColorTable{{
    {"Black", 0.0, 0.0, 0.0},
    {"Cyan", 0.1, 1.0, 1.0},
    {"Magenta", 1.0, 0.1, 1.0},
    {"Yellow", 1.0, 1.0, 0.0},
    {"Light Cyan", 0.6, 1.0, 1.0},
    {"Light Magenta", 1.0, 0.6, 1.0},
    {"Light Black", 0.5, 0.5, 0.5},
    {"Light Light Black", 0.7, 0.7, 0.7},
    {"Orange", 1.0, 0.65, 0.0},
    {"Green", 0.2, 1.0, 0.2},
}};

}  // namespace

InkSeriesStyle channelSeriesStyle(std::size_t position) {
    // The named colours are the plain system shades (orange as 1, 0.5, 0).
    switch (position) {
        case 0:
            return {QStringLiteral("K Curve"), rgba(0, 0, 0)};
        case 1:
            return {QStringLiteral("C Curve"), rgba(0, 1, 1)};
        case 2:
            return {QStringLiteral("M Curve"), rgba(1, 0, 1)};
        case 3:
            return {QStringLiteral("Y Curve"), rgba(1, 1, 0)};
        case 4:
            return {QStringLiteral("LC Curve"), rgba(0.71, 1.0, 1.0, 0.75)};
        case 5:
            return {QStringLiteral("LM Curve"), rgba(1.0, 0.71, 1.0, 0.75)};
        case 6:
            return {QStringLiteral("LK Curve"), rgba(0.35, 0.35, 0.35, 0.75)};
        case 7:
            return {QStringLiteral("LLK Curve"), rgba(0.7, 0.7, 0.7, 0.95)};
        case 8:
            return {QStringLiteral("OR Curve"), rgba(1, 0.5, 0)};
        case 9:
            return {QStringLiteral("GR Curve"), rgba(0, 1, 0)};
        default:
            return {QStringLiteral("Channel %1").arg(position + 1), rgba(0.5, 0.5, 0.5)};
    }
}

QColor inkColorForPosition(std::size_t position) {
    const InkColorRow& row = inkColorTable[position < inkColorTable.size() ? position : 0];
    return rgba(row.red, row.green, row.blue);
}

QColor inkColorForName(std::string_view displayName) {
    for (std::size_t position = 0; position < inkColorTable.size(); ++position) {
        if (inkColorTable[position].displayName == displayName) {
            return inkColorForPosition(position);
        }
    }
    return inkColorForPosition(0);
}

}  // namespace sg
