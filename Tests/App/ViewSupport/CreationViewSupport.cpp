#include "ViewSupport/CreationViewSupport.h"

namespace sg::testing {

void setInkSlots(const CurveCreationView& view, const QList<InkSlotSetting>& settings) {
    for (qsizetype slot = 0; slot < settings.size(); ++slot) {
        const InkSlotSetting& setting = settings[slot];
        const InkSlotTable::Row& row = view.inkTable()->row(std::size_t(slot));
        row.ink->setCurrentText(setting.ink);
        if (!setting.role.isEmpty()) {
            row.role->setCurrentText(setting.role);
        }
        if (setting.hardware >= 0) {
            row.hardwareLimit->setValue(setting.hardware);
        }
        if (setting.limit >= 0) {
            row.inkLimit->setValue(setting.limit);
        }
        if (setting.gray >= 0) {
            row.grayValue->setValue(setting.gray);
        }
        if (setting.startPercent >= 0) {
            row.startingOverlap->setValue(setting.startPercent);
        }
        if (setting.endPercent >= 0) {
            row.endingOverlap->setValue(setting.endPercent);
        }
    }
}

}  // namespace sg::testing
