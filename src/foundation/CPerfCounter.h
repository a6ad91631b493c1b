#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvo {

// Developer's aid: accumulates named wall-clock measurements in milliseconds
// (four decimals) and reports them through a message-box callback that the
// user interface installs; the core itself shows nothing.
class CPerfCounter {
public:
    using MessageBoxHandler = std::function<void(const std::u16string& text)>;
    static void SetMessageBoxHandler(MessageBoxHandler handler);

    // Milliseconds since the start mark, in ten-thousandths; resets the mark.
    int64_t Counter();
    void Start();
    void Record(const std::u16string& strTitle);
    void DebugPrint();
    void MsgBox();

    // One record as the message box shows it: the title and the plain number.
    static std::u16string RecordText(const std::u16string& title, int64_t tenThousandths);

private:
    int64_t ElapsedSinceMark();

    std::vector<std::pair<std::u16string, int64_t>> m_records;
    int64_t m_startMark = 0;
};

} // namespace kelvo
