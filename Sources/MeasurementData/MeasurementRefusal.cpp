#include "MeasurementData/MeasurementRefusal.h"

namespace sg {

Alert measurementRefusal(std::string_view reason, std::optional<std::size_t> line) {
    std::string text(measurementLoadFailureText);
    text += "\n\n";
    if (line) {
        text += "Line " + std::to_string(*line) + ": ";
    }
    text += reason;
    return Alert{std::string(measurementLoadFailureTitle), std::move(text), line};
}

Alert measurementReadFailure(std::string reason) {
    return Alert{std::string(measurementLoadFailureTitle), std::move(reason)};
}

std::string quoted(std::string_view text) {
    constexpr std::size_t longest = 30;
    if (text.size() <= longest) {
        return "\"" + std::string(text) + "\"";
    }
    std::size_t cut = longest;
    // Never split a UTF-8 character.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

}  // namespace sg
