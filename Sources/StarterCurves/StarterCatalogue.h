#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "StarterCurves/BlackTables.h"

namespace sg {

enum class PrinterModel { p600, p800, p4000, p6000, p8000, p5000, p7000, p9000, x800, x880, x900 };
enum class Paper { gloss, matte, gravure, dtpGravure };
enum class Toner { k3, warm, warmNeutral, neutral, cool, selenium, sepia, custom };

// The three ink sets the starter tables serve. The two 8-ink families share everything but
// their gloss table.
enum class InkFamily { eightInk, eightInkXSeries, tenInk };

// The pop-up menus of the starter curve tool, in menu order.
const std::vector<std::string>& printerMenuTitles();
const std::vector<std::string>& paperMenuTitles();
const std::vector<std::string>& tonerMenuTitles();

// The printer and the toner menus map by position, the paper menu by the entry's title.
// A position or title that is not in its menu gives x800, K3 and Gloss.
PrinterModel printerForMenuPosition(int position);
Toner tonerForMenuPosition(int position);
Paper paperForMenuTitle(std::string_view title);

InkFamily inkFamilyOf(PrinterModel printer);
// The gravure tables serve every printer; gloss and matte depend on the family.
BlackTableName blackTableFor(PrinterModel printer, Paper paper);

}  // namespace sg
