#pragma once

#include <cstdint>
#include <string>

namespace kelvo {

// Progress sink of long jobs. A job of 1000 or more items brackets its work with
// Start (a caption) and Stopped, and reports Process (how far it got) along the
// way. A job that yields to the user interface asks IsCancelled after each
// yield and stops there when the user asked it to. This base ignores
// everything and never cancels; a window overrides what it shows.
class CInfoReceiver {
public:
    virtual ~CInfoReceiver() = default;

    virtual void Start(const std::u16string& /*info*/) {}
    virtual void Process(int32_t /*info*/) {}
    // How far a job of pages got, out of how many.
    virtual void ProcessPages(int32_t page, int32_t /*pageCount*/) { Process(page); }
    virtual void Stopped() {}
    virtual bool IsCancelled() const { return false; }
};

// Runs work between receiver->Start(caption) and receiver->Stopped() when
// bracketed and a receiver is given. Stopped is sent on every way out, so a
// window that disabled itself on Start is enabled again even when work throws.
template <class Work>
void RunBracketed(CInfoReceiver* receiver, bool bracketed, const std::u16string& caption,
                  Work&& work) {
    if (receiver == nullptr || !bracketed) {
        work();
        return;
    }
    receiver->Start(caption);
    try {
        work();
    } catch (...) {
        receiver->Stopped();
        throw;
    }
    receiver->Stopped();
}

} // namespace kelvo
