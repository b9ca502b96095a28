#include "QuadFiles/InkChannelSet.h"

namespace sg {

const std::vector<InkChannelSet>& inkChannelSets() {
    using enum InkChannel;
    static const std::vector<InkChannelSet> sets = {
        {"## QuadToneRIP K,C,M,Y", {K, C, M, Y}},
        {"## QuadToneRIP K,C,M,Y,LC,LM", {K, C, M, Y, LC, LM}},
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK", {K, C, M, Y, LC, LM, LK}},
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", {K, C, M, Y, LC, LM, LK, LLK}},
        {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", {K, C, M, Y, LC, LM, LK, LLK, OR, GR}},
        {"## QuadToneRIP MK,C,M,Y,R,B,PK,GL", {MK, C, M, Y, R, B, PK, GL}},
        {"## QuadToneRIP MK,C,M,Y,R,OR,PK,GL", {MK, C, M, Y, R, OR, PK, GL}},
        {"## QuadToneRIP KCMYcmk", {K, C, M, Y, LC, LM, LK}},
    };
    return sets;
}

const InkChannelSet* inkChannelSetOf(std::string_view headerLine) {
    for (const InkChannelSet& set : inkChannelSets()) {
        if (set.headerLine == headerLine) {
            return &set;
        }
    }
    return nullptr;
}

std::string channelLabel(InkChannel channel) {
    return "# " + std::string(channelIdentifier(channel)) + " Curve";
}

}  // namespace sg
