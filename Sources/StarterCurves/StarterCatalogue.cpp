#include "StarterCurves/StarterCatalogue.h"

#include <array>

namespace sg {

const std::vector<std::string>& printerMenuTitles() {
    static const std::vector<std::string> titles = {
        "P600", "P800", "x800-x880", "x900", "P4000-P6000-P8000", "P5000-P7000-P9000"};
    return titles;
}

const std::vector<std::string>& paperMenuTitles() {
    static const std::vector<std::string> titles = {"Gloss", "Matte", "Gravure Positive",
                                                    "DTP Polymergravure (MK)"};
    return titles;
}

const std::vector<std::string>& tonerMenuTitles() {
    static const std::vector<std::string> titles = {"K3",    "Neutral",  "Warm Neutral", "Warm",
                                                    "Sepia", "Selenium", "Cool",         "Custom"};
    return titles;
}

PrinterModel printerForMenuPosition(int position) {
    // Each menu entry stands for its family's largest model.
    static constexpr std::array printers = {PrinterModel::p600,  PrinterModel::p800,
                                            PrinterModel::x800,  PrinterModel::x900,
                                            PrinterModel::p8000, PrinterModel::p9000};
    if (position < 0 || position >= static_cast<int>(printers.size())) {
        return PrinterModel::x800;
    }
    return printers[static_cast<std::size_t>(position)];
}

Toner tonerForMenuPosition(int position) {
    static constexpr std::array toners = {Toner::k3,   Toner::neutral, Toner::warmNeutral,
                                          Toner::warm, Toner::sepia,   Toner::selenium,
                                          Toner::cool, Toner::custom};
    if (position < 0 || position >= static_cast<int>(toners.size())) {
        return Toner::k3;
    }
    return toners[static_cast<std::size_t>(position)];
}

Paper paperForMenuTitle(std::string_view title) {
    static constexpr std::array papers = {Paper::gloss, Paper::matte, Paper::gravure,
                                          Paper::dtpGravure};
    const std::vector<std::string>& titles = paperMenuTitles();
    for (std::size_t entry = 0; entry < titles.size(); ++entry) {
        if (titles[entry] == title) {
            return papers[entry];
        }
    }
    return Paper::gloss;
}

InkFamily inkFamilyOf(PrinterModel printer) {
    switch (printer) {
        case PrinterModel::p5000:
        case PrinterModel::p7000:
        case PrinterModel::p9000:
        case PrinterModel::x900:
            return InkFamily::tenInk;
        case PrinterModel::x800:
        case PrinterModel::x880:
            return InkFamily::eightInkXSeries;
        default:
            return InkFamily::eightInk;
    }
}

BlackTableName blackTableFor(PrinterModel printer, Paper paper) {
    const InkFamily family = inkFamilyOf(printer);
    switch (paper) {
        case Paper::gravure:
            return BlackTableName::gravure;
        case Paper::dtpGravure:
            return BlackTableName::dtpGravure;
        case Paper::matte:
            return family == InkFamily::tenInk ? BlackTableName::k10Matte : BlackTableName::k8Matte;
        case Paper::gloss:
            break;
    }
    switch (family) {
        case InkFamily::tenInk:
            return BlackTableName::k10Gloss;
        case InkFamily::eightInkXSeries:
            return BlackTableName::x880Gloss;
        case InkFamily::eightInk:
            break;
    }
    return BlackTableName::k8Gloss;
}

}  // namespace sg
