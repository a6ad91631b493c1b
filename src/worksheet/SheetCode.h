#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

// The code a sheet carries on its pages: the seed its questions were drawn
// from, as eight letters and digits ("7K3F-9Q2A") that are easy to read and
// to type (no I, L, O or U; a lower-case letter, I, L and O are read as what
// they look like).
std::u16string SheetCode(uint64_t seed);
// The seed of a code as typed; nothing when it is not a code.
std::optional<uint64_t> SeedOfCode(std::u16string_view code);

// The seed of each copy of a sheet: the first copy is the sheet itself.
uint64_t CopySeed(uint64_t sheetSeed, int32_t copy);

} // namespace kelvo
