#include "foundation/CPerfCounter.h"

#include <algorithm>
#include <chrono>

namespace kelvo {

namespace {

CPerfCounter::MessageBoxHandler& Handler() {
    static CPerfCounter::MessageBoxHandler handler;
    return handler;
}

// The monotonic clock in ten-thousandths of a millisecond (100 ns).
int64_t Reading() {
    using TenThousandths = std::chrono::duration<int64_t, std::ratio<1, 10'000'000>>;
    return std::chrono::duration_cast<TenThousandths>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

void CPerfCounter::SetMessageBoxHandler(MessageBoxHandler handler) {
    Handler() = std::move(handler);
}

int64_t CPerfCounter::ElapsedSinceMark() {
    const int64_t elapsed = Reading() - m_startMark;
    m_startMark = 0;
    return elapsed;
}

int64_t CPerfCounter::Counter() {
    return ElapsedSinceMark();
}

void CPerfCounter::Start() {
    m_startMark = Reading();
}

void CPerfCounter::Record(const std::u16string& strTitle) {
    const int64_t elapsed = ElapsedSinceMark();
    auto record = std::find_if(m_records.begin(), m_records.end(),
                               [&](const auto& entry) { return entry.first == strTitle; });
    if (record == m_records.end()) {
        m_records.emplace_back(strTitle, elapsed);
    } else {
        record->second += elapsed;
    }
}

void CPerfCounter::DebugPrint() {
    m_records.clear();
}

void CPerfCounter::MsgBox() {
    for (const auto& [title, elapsed] : m_records) {
        if (Handler()) {
            Handler()(RecordText(title, elapsed));
        }
    }
    m_records.clear();
}

std::u16string CPerfCounter::RecordText(const std::u16string& title, int64_t tenThousandths) {
    const bool negative = tenThousandths < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(tenThousandths)
                                        : static_cast<uint64_t>(tenThousandths);
    std::string number = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(10000 + magnitude % 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        number += "." + fraction;
    }
    std::u16string text = title;
    if (negative) {
        text += u'-';
    }
    text.append(number.begin(), number.end());
    return text;
}

} // namespace kelvo
