#include "QuadFiles/InkChannel.h"

namespace sg {

std::string_view channelIdentifier(InkChannel ink) {
    switch (ink) {
        case InkChannel::K:
            return "K";
        case InkChannel::C:
            return "C";
        case InkChannel::M:
            return "M";
        case InkChannel::Y:
            return "Y";
        case InkChannel::LC:
            return "LC";
        case InkChannel::LM:
            return "LM";
        case InkChannel::LK:
            return "LK";
        case InkChannel::LLK:
            return "LLK";
        case InkChannel::OR:
            return "OR";
        case InkChannel::GR:
            return "GR";
        case InkChannel::R:
            return "R";
        case InkChannel::B:
            return "B";
        case InkChannel::GL:
            return "GL";
        case InkChannel::PK:
            return "PK";
        case InkChannel::MK:
            return "MK";
    }
    return {};
}

std::optional<std::string_view> inkDisplayName(InkChannel ink) {
    switch (ink) {
        case InkChannel::K:
            return "Black";
        case InkChannel::C:
            return "Cyan";
        case InkChannel::M:
            return "Magenta";
        case InkChannel::Y:
            return "Yellow";
        case InkChannel::LC:
            return "Light Cyan";
        case InkChannel::LM:
            return "Light Magenta";
        case InkChannel::LK:
            return "Light Black";
        case InkChannel::LLK:
            return "Light Light Black";
        case InkChannel::OR:
            return "Orange";
        case InkChannel::GR:
            return "Green";
        default:
            return std::nullopt;
    }
}

}  // namespace sg
