#pragma once

namespace kelvo {

// Asks for the memory at `address` ahead of its use: sheets read and swap
// their questions at random places of lists larger than the caches, where
// each read would otherwise wait for memory.
inline void Prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

} // namespace kelvo
