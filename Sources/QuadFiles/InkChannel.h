#pragma once

#include <optional>
#include <string_view>

namespace sg {

// The channel identifiers that QuadToneRIP header lines name.
enum class InkChannel { K, C, M, Y, LC, LM, LK, LLK, OR, GR, R, B, GL, PK, MK };

// "K", "LLK", "MK", ...
std::string_view channelIdentifier(InkChannel ink);

// "Black", "Light Light Black", ...; none for R, B, GL, PK and MK, which only the two MK
// channel sets use and no selection list offers.
std::optional<std::string_view> inkDisplayName(InkChannel ink);

}  // namespace sg
