#pragma once

#include "MeasurementData/CgatsFile.h"

namespace sg {

// The automatic curve creation tool reads every measured value of a CGATS file: repeated
// patches are its ink-separation chart, so nothing is averaged.
class AutomaticCurveCreationCgatsFile : public CgatsFile {
public:
    AutomaticCurveCreationCgatsFile() : CgatsFile(false) {}
};

}  // namespace sg
