#include "QuadFiles/InkName.h"

namespace sg {

std::string_view inkNameText(InkName ink) {
    switch (ink) {
        case InkName::K:
            return "K";
        case InkName::C:
            return "C";
        case InkName::M:
            return "M";
        case InkName::Y:
            return "Y";
        case InkName::LC:
            return "LC";
        case InkName::LM:
            return "LM";
        case InkName::LK:
            return "LK";
        case InkName::LLK:
            return "LLK";
        case InkName::OR:
            return "OR";
        case InkName::GR:
            return "GR";
        case InkName::R:
            return "R";
        case InkName::B:
            return "B";
        case InkName::GL:
            return "GL";
        case InkName::PK:
            return "PK";
        case InkName::MK:
            return "MK";
    }
    return {};
}

std::optional<std::string_view> inkDisplayName(InkName ink) {
    switch (ink) {
        case InkName::K:
            return "Black";
        case InkName::C:
            return "Cyan";
        case InkName::M:
            return "Magenta";
        case InkName::Y:
            return "Yellow";
        case InkName::LC:
            return "Light Cyan";
        case InkName::LM:
            return "Light Magenta";
        case InkName::LK:
            return "Light Black";
        case InkName::LLK:
            return "Light Light Black";
        case InkName::OR:
            return "Orange";
        case InkName::GR:
            return "Green";
        default:
            return std::nullopt;
    }
}

}  // namespace sg
