#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kelvo {

// Growable UTF-16 text for assembling long texts piece by piece. Capacity grows
// to the smallest multiple of 128 characters strictly above the request.
class CStringBuilder {
public:
    int32_t Capacity() const { return m_capacity; }
    int32_t Length() const { return m_length; }
    void Clear() { m_length = 0; }
    void EnsureCapacity(int32_t n);

    void Append(std::u16string_view s, int32_t iRepeatTimes = 1);
    void AppendBuilder(const CStringBuilder& b, int32_t iRepeatTimes = 1);
    // blanks spaces (none below 1), then s: a cell aligned after its spacing,
    // in one step as a sheet writes them by the hundred thousand.
    void AppendAfterBlanks(int32_t blanks, std::u16string_view s);
    // Inserts so that the text starts at 1-based position iWhere; a position
    // outside 1..Length+1 or a repeat below 1 changes nothing.
    void Insert(std::u16string_view s, int32_t iWhere, int32_t iRepeatTimes = 1);
    void InsertBuilder(const CStringBuilder& b, int32_t iWhere, int32_t iRepeatTimes = 1);

    std::u16string ToString() const;
    std::u16string_view View() const { return {m_buffer.get(), static_cast<size_t>(m_length)}; }
    const char16_t* Ptr() const { return m_buffer.get(); }

private:
    void AppendRun(const char16_t* run, int32_t length, int32_t repeat);
    void InsertRun(const char16_t* run, int32_t where, int32_t length, int32_t repeat);
    void MakeRoomFor(int32_t newLength);
    void DetachIfOwn(const char16_t*& run, int32_t length, std::u16string& holder) const;

    std::unique_ptr<char16_t[]> m_buffer;
    int32_t m_capacity = 0;
    int32_t m_length = 0;
};

} // namespace kelvo
