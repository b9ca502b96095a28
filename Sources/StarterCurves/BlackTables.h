#pragma once

#include "StarterCurves/LevelValues.h"

namespace sg {

// The three black inks of a built-in starter table, on the QuadToneRIP scale.
struct BlackTable {
    LevelValues black;
    LevelValues lightBlack;
    LevelValues lightLightBlack;
};

enum class BlackTableName { k8Gloss, k10Gloss, k8Matte, k10Matte, x880Gloss, gravure, dtpGravure };

// Every table is 0 at level 0 and its three inks add up to more than 0 at every other level,
// so the toner compensation can divide by their sum.
const BlackTable& blackTable(BlackTableName name);

}  // namespace sg
