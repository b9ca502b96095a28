#include "StarterCurves/TonerInk.h"

#include "StarterCurves/TonerBaseCurves.h"

namespace sg {
namespace {

LevelValues scaled(const LevelValues& base, double factor, double saturation) {
    LevelValues values{};
    for (std::size_t level = 0; level < levelCount; ++level) {
        values[level] = base[level] * factor * saturation;
    }
    return values;
}

// What each colour ink's base curve is multiplied by for one toner.
struct TonerRecipe {
    double cyan = 0.0;
    double lightCyan = 0.0;
    double magenta = 0.0;
    double lightMagenta = 0.0;
    double yellow = 0.0;
};

TonerRecipe recipe(Toner toner, const CustomTonerFactors& custom) {
    switch (toner) {
        case Toner::k3:
            return {};
        case Toner::warm:
            return {0.0, 0.0, 0.15, 0.15, 0.1};
        case Toner::warmNeutral:
            return {0.1, 0.1, 0.175, 0.175, 0.0};
        case Toner::neutral:
            return {0.3, 0.3, 0.35, 0.35, 0.0};
        case Toner::cool:
            return {0.4, 0.5, 0.4, 0.5, 0.0};
        case Toner::selenium:
            return {0.35, 0.35, 0.5, 0.5, 0.0};
        case Toner::sepia:
            return {0.0, 0.0, 0.25, 0.25, 0.3};
        case Toner::custom:
            return {custom.cyan, custom.cyan, custom.magenta, custom.magenta, custom.yellow};
    }
    return {};
}

}  // namespace

TonerInk::TonerInk(Toner toner, const CustomTonerFactors& custom, double saturation) {
    const TonerBaseCurves& base = tonerBaseCurves();
    const TonerRecipe factors = recipe(toner, custom);
    channels_ = {scaled(base.cyan, factors.cyan, saturation),
                 scaled(base.magenta, factors.magenta, saturation),
                 scaled(base.yellow, factors.yellow, saturation),
                 scaled(base.lightCyan, factors.lightCyan, saturation),
                 scaled(base.lightMagenta, factors.lightMagenta, saturation)};
}

}  // namespace sg
