#include "foundation/UserInterfaceYield.h"

#include <utility>

namespace kelvo {

namespace {

std::function<void()>& Hook() {
    static std::function<void()> hook;
    return hook;
}

} // namespace

void SetYieldHook(std::function<void()> hook) {
    Hook() = std::move(hook);
}

void YieldToUserInterface() {
    if (Hook()) {
        Hook()();
    }
}

} // namespace kelvo
