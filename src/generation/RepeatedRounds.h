#pragma once

#include <cstdint>
#include <vector>

namespace kelvo {

// The order in which a kind's count questions (0-based, already shuffled)
// fill wanted cells of a sheet whose rows hold columns cells: the questions in
// their order, then round after round of all of them, each round in an order
// of its own. No question stands beside, above or below itself wherever the
// rounds allow it; where they cannot (one question, or a search that runs too
// long) the round keeps its shuffled order there. A list without a grid (a
// drill) is one column, so no question follows itself.
std::vector<int32_t> RepeatedRounds(int32_t count, int32_t wanted, int32_t columns);

// An order of the entries of a list that fills rows of columns cells (cell k
// shows entry order[k]) in which entries of the same id stand apart wherever
// exchanging two cells allows it; the entries keep their places otherwise. For
// questions already shuffled together, as those of a mixed sheet.
std::vector<int32_t> TwinsApartOrder(const std::vector<int32_t>& ids, int32_t columns);

} // namespace kelvo
