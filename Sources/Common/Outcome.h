#pragma once

#include <optional>
#include <utility>

#include "Common/Alert.h"

namespace sg {

// What a tool action did. Done; refused, with the alert saying why, the tool's state as it was
// before; or taken but not computed yet, the input kept while the result waits for another
// input, with the alert saying which (a curve loaded before any measurement).
class [[nodiscard]] Outcome {
public:
    enum class Kind { done, refused, takenNotComputed };

    Outcome() = default;
    static Outcome refused(Alert why) { return Outcome(Kind::refused, std::move(why)); }
    static Outcome takenNotComputed(Alert why) {
        return Outcome(Kind::takenNotComputed, std::move(why));
    }

    Kind kind() const { return kind_; }
    bool isDone() const { return kind_ == Kind::done; }
    bool isRefused() const { return kind_ == Kind::refused; }
    // The alert of a refused or a pending action; none when done.
    const std::optional<Alert>& alert() const { return alert_; }

private:
    Outcome(Kind kind, Alert alert) : kind_(kind), alert_(std::move(alert)) {}

    Kind kind_ = Kind::done;
    std::optional<Alert> alert_;
};

}  // namespace sg
