#include "foundation/CStringBuilder.h"

#include "foundation/RuntimeError.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kelvo {

namespace {
constexpr int32_t GrowthStep = 128;
}

void CStringBuilder::EnsureCapacity(int32_t n) {
    if (m_capacity >= n) {
        return;
    }
    const int32_t capacity = CheckedNarrow(
        static_cast<int64_t>((std::floor(static_cast<double>(n) / GrowthStep) + 1) * GrowthStep));
    auto buffer = std::make_unique_for_overwrite<char16_t[]>(static_cast<size_t>(capacity));
    if (m_length >= 1) {
        std::copy_n(m_buffer.get(), m_length, buffer.get());
    }
    m_buffer = std::move(buffer);
    m_capacity = capacity;
}

void CStringBuilder::Append(std::u16string_view s, int32_t iRepeatTimes) {
    AppendRun(s.data(), CheckedNarrow(static_cast<int64_t>(s.size())), iRepeatTimes);
}

void CStringBuilder::AppendAfterBlanks(int32_t blanks, std::u16string_view s) {
    const int32_t length = CheckedNarrow(static_cast<int64_t>(s.size()));
    const int32_t spaces = std::max(blanks, 0);
    const char16_t* run = s.data();
    std::u16string detached;
    DetachIfOwn(run, length, detached);
    const int32_t newLength = CheckedAdd(m_length, CheckedAdd(spaces, length));
    MakeRoomFor(newLength);
    char16_t* const text = std::fill_n(m_buffer.get() + m_length, spaces, u' ');
    std::copy_n(run, length, text);
    m_length = newLength;
}

void CStringBuilder::AppendBuilder(const CStringBuilder& b, int32_t iRepeatTimes) {
    AppendRun(b.Ptr(), b.Length(), iRepeatTimes);
}

void CStringBuilder::Insert(std::u16string_view s, int32_t iWhere, int32_t iRepeatTimes) {
    InsertRun(s.data(), iWhere, CheckedNarrow(static_cast<int64_t>(s.size())), iRepeatTimes);
}

void CStringBuilder::InsertBuilder(const CStringBuilder& b, int32_t iWhere, int32_t iRepeatTimes) {
    InsertRun(b.Ptr(), iWhere, b.Length(), iRepeatTimes);
}

std::u16string CStringBuilder::ToString() const {
    if (m_length < 1) {
        return {};
    }
    return std::u16string(View());
}

void CStringBuilder::MakeRoomFor(int32_t newLength) {
    if (newLength >= m_capacity) {
        EnsureCapacity(newLength);
    }
}

// A run that lies inside this builder's own buffer is copied into the
// caller's holder first, so a reallocation cannot leave it dangling.
void CStringBuilder::DetachIfOwn(const char16_t*& run, int32_t length,
                                 std::u16string& holder) const {
    if (m_buffer && run >= m_buffer.get() && run < m_buffer.get() + m_capacity) {
        holder.assign(run, static_cast<size_t>(length));
        run = holder.data();
    }
}

void CStringBuilder::AppendRun(const char16_t* run, int32_t length, int32_t repeat) {
    if (repeat < 1) {
        return;
    }
    std::u16string detached;
    DetachIfOwn(run, length, detached);
    const int32_t newLength = CheckedAdd(m_length, CheckedMultiply(length, repeat));
    MakeRoomFor(newLength);
    char16_t* end = m_buffer.get() + m_length;
    if (length == 1) {
        // Padding and spacing: one character many times, filled at once.
        std::fill_n(end, repeat, *run);
    } else {
        for (int32_t i = 0; length > 0 && i < repeat; ++i) {
            std::memcpy(end + i * length, run, sizeof(char16_t) * length);
        }
    }
    m_length = newLength;
}

void CStringBuilder::InsertRun(const char16_t* run, int32_t where, int32_t length, int32_t repeat) {
    if (m_length + 1 < where || where <= 0 || repeat <= 0) {
        return;
    }
    std::u16string detached;
    DetachIfOwn(run, length, detached);
    const int32_t runLength = CheckedMultiply(length, repeat);
    const int32_t newLength = CheckedAdd(m_length, runLength);
    MakeRoomFor(newLength);
    if (runLength == 0) {
        return;
    }
    char16_t* gap = m_buffer.get() + (where - 1);
    std::memmove(gap + runLength, gap, sizeof(char16_t) * (m_length - where + 1));
    for (int32_t i = 0; i < repeat; ++i) {
        std::memcpy(gap + i * length, run, sizeof(char16_t) * length);
    }
    m_length = newLength;
}

} // namespace kelvo
