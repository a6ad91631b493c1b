#pragma once

#include <functional>

namespace kelvo {

// Long loops of the model call YieldToUserInterface now and then; a window sets
// the hook to process its pending events there. Without a hook it does nothing.
void SetYieldHook(std::function<void()> hook);
void YieldToUserInterface();

} // namespace kelvo
