#include "App/InkCurveColors.h"

#include <algorithm>
#include <array>
#include <cmath>

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

// The light inks of the table sit at positions 4 to 7; the lightest is dotted.
Qt::PenStyle penStyleForPosition(std::size_t position) {
    if (position == 7) {
        return Qt::DotLine;
    }
    return position >= 4 && position <= 6 ? Qt::DashLine : Qt::SolidLine;
}

// Relative luminance of an sRGB colour, as contrast ratios are defined on it.
double luminance(const QColor& color) {
    const auto linear = [](float channel) {
        const double c = channel;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

}  // namespace

InkSeriesStyle channelSeriesStyle(std::size_t position) {
    const Qt::PenStyle pen = penStyleForPosition(position);
    // The named colours are the plain system shades (orange as 1, 0.5, 0).
    switch (position) {
        case 0:
            return {QStringLiteral("K Curve"), rgba(0, 0, 0), pen};
        case 1:
            return {QStringLiteral("C Curve"), rgba(0, 1, 1), pen};
        case 2:
            return {QStringLiteral("M Curve"), rgba(1, 0, 1), pen};
        case 3:
            return {QStringLiteral("Y Curve"), rgba(1, 1, 0), pen};
        case 4:
            return {QStringLiteral("LC Curve"), rgba(0.71, 1.0, 1.0, 0.75), pen};
        case 5:
            return {QStringLiteral("LM Curve"), rgba(1.0, 0.71, 1.0, 0.75), pen};
        case 6:
            return {QStringLiteral("LK Curve"), rgba(0.35, 0.35, 0.35, 0.75), pen};
        case 7:
            return {QStringLiteral("LLK Curve"), rgba(0.7, 0.7, 0.7, 0.95), pen};
        case 8:
            return {QStringLiteral("OR Curve"), rgba(1, 0.5, 0), pen};
        case 9:
            return {QStringLiteral("GR Curve"), rgba(0, 1, 0), pen};
        default:
            return {QStringLiteral("Channel %1").arg(position + 1), rgba(0.5, 0.5, 0.5), pen};
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

InkSeriesStyle inkSeriesStyle(const QString& label, std::string_view displayName) {
    for (std::size_t position = 0; position < inkColorTable.size(); ++position) {
        if (inkColorTable[position].displayName == displayName) {
            return {label, inkColorForPosition(position), penStyleForPosition(position)};
        }
    }
    return {label, inkColorForPosition(0)};
}

QColor readableOnWhite(const QColor& color) {
    // 3:1 against white's luminance of 1: (1 + 0.05) / (L + 0.05) >= 3.
    constexpr double darkestReadableLuminance = 0.3;
    QColor shade = color.toHsl();
    shade.setAlphaF(1.0f);
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    shade.getHslF(&hue, &saturation, &lightness);
    while (luminance(shade) > darkestReadableLuminance && lightness > 0.0f) {
        lightness = std::max(0.0f, lightness - 0.01f);
        shade.setHslF(hue, saturation, lightness);
    }
    return shade.toRgb();
}

}  // namespace sg
