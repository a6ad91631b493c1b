#pragma once

#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kelvo {

// A growable array with 1-based slots whose capacity grows in whole steps
// (128 by default), never by doubling. Slots up to the capacity, not only up to
// the count, can be read and written. Elements are copied by value; for object
// references the slot holds its own shared reference to the same object.
template <class T>
class CTypedArray {
public:
    static constexpr int32_t DefaultRedimStep = 128;

    void Add(T value) {
        if (m_count >= Capacity()) {
            EnsureCapacity(CheckedAdd(m_count, 1));
        }
        m_items[static_cast<size_t>(m_count)] = std::move(value);
        ++m_count;
    }

    // Items start..start+length-1; the length is clamped to the count only.
    CTypedArray Copy(int32_t start, int32_t length) const {
        CTypedArray copy;
        length = std::min(length, m_count);
        if (length <= 0) {
            return copy;
        }
        copy.m_items.reserve(static_cast<size_t>(length));
        for (int32_t i = 0; i < length; ++i) {
            copy.m_items.push_back(Item(CheckedAdd(start, i)));
        }
        copy.m_count = length;
        copy.m_redimStep = m_redimStep;
        return copy;
    }

    CTypedArray Clone() const {
        CTypedArray clone;
        clone.m_items.assign(m_items.begin(), m_items.begin() + m_count);
        clone.m_count = m_count;
        clone.m_redimStep = m_redimStep;
        return clone;
    }

    int32_t RedimStep() const { return m_redimStep; }
    void SetRedimStep(int32_t iStep) {
        if (iStep > 0) {
            m_redimStep = iStep;
        }
    }

    const T& Item(int32_t index) const { return m_items[Slot(index)]; }
    void SetItem(int32_t index, T value) { m_items[Slot(index)] = std::move(value); }

    int32_t Count() const { return m_count; }
    void SetCount(int32_t count) { m_count = std::clamp(count, 0, Capacity()); }

    int32_t Capacity() const { return static_cast<int32_t>(m_items.size()); }

    // Grows to the smallest multiple of the step strictly greater than n.
    void EnsureCapacity(int32_t n) {
        if (Capacity() >= n) {
            return;
        }
        if (m_redimStep <= 0) {
            RaiseError(ErrorNumber::DivisionByZero);
        }
        const double grown = (std::floor(static_cast<double>(n) / m_redimStep) + 1) * m_redimStep;
        const int32_t capacity = CheckedNarrow(static_cast<int64_t>(grown));
        if (m_count < 1) {
            m_items.assign(static_cast<size_t>(capacity), T{});
        } else {
            m_items.resize(static_cast<size_t>(capacity));
        }
    }

    // A copy of every allocated slot (capacity many, slot 1 first).
    std::vector<T> RawArray() const { return m_items; }

    // Replaces the contents; slot 1 is arr[0]. The storage always has exactly
    // iCap slots, so a count beyond the given storage cannot expose memory.
    void Init(std::vector<T> arr, int32_t iCap, int32_t iCount, int32_t iStep) {
        arr.resize(static_cast<size_t>(std::max(iCap, 0)));
        m_items = std::move(arr);
        m_count = std::clamp(iCount, 0, Capacity());
        m_redimStep = iStep;
    }

    void ExchangeItem(int32_t index1, int32_t index2) {
        std::swap(m_items[Slot(index1)], m_items[Slot(index2)]);
    }

    void Clear() {
        m_items = std::vector<T>();
        m_count = 0;
    }

    // Forward Fisher-Yates pass over items 1..count, reseeded from the clock.
    void Shuffle() {
        if (m_count == 0) {
            return;
        }
        ReseedRandomFromClock();
        int32_t remaining = m_count;
        const int32_t last = m_count - 1;
        for (int32_t i = 1; i <= last; ++i) {
            ExchangeItem(i, RandomFloor(remaining, i));
            --remaining;
        }
    }

private:
    size_t Slot(int32_t index) const {
        if (index < 1 || index > Capacity()) {
            RaiseError(ErrorNumber::SubscriptOutOfRange);
        }
        return static_cast<size_t>(index - 1);
    }

    std::vector<T> m_items;
    int32_t m_count = 0;
    int32_t m_redimStep = DefaultRedimStep;
};

using CLongArray = CTypedArray<int32_t>;
using CStringArray = CTypedArray<std::u16string>;
template <class T>
using CObjectArray = CTypedArray<std::shared_ptr<T>>;

// A plain value, a list of whole numbers, or a shared object reference.
using CVariant = std::variant<std::monostate, int32_t, double, std::u16string, std::vector<int32_t>,
                              std::shared_ptr<void>>;
using CVariantArray = CTypedArray<CVariant>;

} // namespace kelvo
