#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include <QGroupBox>
#include <QString>

#include "CurveCreation/CurveCreationTool.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace sg {

// The columns a creation tool's slot rows have besides the ink, its limit and its overlaps.
enum class InkSlotColumns {
    manual,     // a role pop-up and a gray value box
    automatic,  // a hardware limit box and the measured gray value
};

// The eight ink slots of a creation tool, one row each, slot 1 (the darkest ink) on top. A row
// shows what the tool holds for its slot and passes on what the user sets; it changes nothing
// by itself. Each ink's row starts with a sample of its line in the graphs, so the table is the
// graphs' key. Percentages are whole percent, except the gray value box (one decimal); the
// overlaps are shown in percent and passed on as fractions.
class InkSlotTable : public QGroupBox {
    Q_OBJECT

public:
    struct Row {
        QLabel* swatch = nullptr;  // the ink's line in the graphs
        QComboBox* ink = nullptr;
        QComboBox* role = nullptr;          // manual
        QSpinBox* hardwareLimit = nullptr;  // automatic
        QSlider* inkLimit = nullptr;
        QLabel* inkLimitValue = nullptr;
        QDoubleSpinBox* grayValue = nullptr;  // manual
        QLabel* measuredGrayValue = nullptr;  // automatic
        QSpinBox* startingOverlap = nullptr;
        QSpinBox* endingOverlap = nullptr;
    };

    explicit InkSlotTable(InkSlotColumns columns, QWidget* parent = nullptr);

    // What the tool holds for a slot: the pop-up's entries (the printer model's inks; none
    // before one is chosen) and its choice, which controls are enabled, and the settings of
    // the slot's ink (none for a slot without one).
    void showSlot(std::size_t slot, const InkSlotState& state, const InkSettings* ink,
                  const std::vector<std::string>& inkNames);

    const Row& row(std::size_t slot) const { return rows_.at(slot); }

signals:
    void inkChosen(std::size_t slot, const QString& inkName);
    void inkLimitChanged(std::size_t slot, int percent);
    void hardwareLimitChanged(std::size_t slot, int percent);
    void grayValueChanged(std::size_t slot, double percent);
    void startingOverlapChanged(std::size_t slot, double fraction);
    void endingOverlapChanged(std::size_t slot, double fraction);

private:
    void addHeader(InkSlotColumns columns);
    void addRow(std::size_t slot, InkSlotColumns columns);
    void showInkChoice(QComboBox* box, const std::string& shownInk,
                       const std::vector<std::string>& inkNames);
    static void showSwatch(QLabel* swatch, const InkSettings* ink);

    std::array<Row, InkSlotRanges::slotCount> rows_;
};

}  // namespace sg
