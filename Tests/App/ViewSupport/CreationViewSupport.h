#pragma once

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSlider>
#include <QSpinBox>

#include "App/CurveCreationView.h"

namespace sg::testing {

// One ink slot as a photographer sets it in a creation tab's table; a negative number or an
// empty role leaves that control alone.
struct InkSlotSetting {
    QString ink;
    int limit = -1;
    int gray = -1;  // manual
    int startPercent = -1;
    int endPercent = -1;
    int hardware = -1;  // automatic
    QString role = {};  // manual
};

// Sets the slots from slot 1 on, each control in the order of its row: the ink, its role, then
// the hardware limit, the ink limit, the gray value and the overlaps.
void setInkSlots(const CurveCreationView& view, const QList<InkSlotSetting>& settings);

// Where the ink table differs from what the tool says each slot shows and allows; empty when
// they agree.
template <typename Tool>
QString inkTableMismatch(const InkSlotTable& table, const Tool& tool) {
    QStringList mismatches;
    for (std::size_t slot = 0; slot < InkSlotRanges::slotCount; ++slot) {
        const InkSlotState state = tool.slotState(slot);
        const InkSlotTable::Row& row = table.row(slot);
        const bool settings = row.inkLimit->isEnabled();
        const bool alike = row.startingOverlap->isEnabled() == settings &&
                           row.endingOverlap->isEnabled() == settings &&
                           (!row.hardwareLimit || row.hardwareLimit->isEnabled() == settings);
        if (row.ink->currentText().toStdString() != state.shownInk ||
            row.ink->isEnabled() != state.inkChoiceEnabled || settings != state.settingsEnabled ||
            !alike || (row.grayValue && row.grayValue->isEnabled() != state.grayValueEnabled)) {
            mismatches << QStringLiteral("slot %1").arg(slot + 1);
        }
    }
    return mismatches.join(QStringLiteral(", "));
}

}  // namespace sg::testing
