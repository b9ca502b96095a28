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
    };
    return sets;
}

int channelCountOfHeaderLine(std::string_view line) {
    for (const InkChannelSet& set : inkChannelSets()) {
        if (set.headerLine == line) {
            return static_cast<int>(set.channels.size());
        }
    }
    return 0;
}

}  // namespace sg
