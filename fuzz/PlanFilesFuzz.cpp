// Any bytes as a plan, kinds or page-options file (the reader chosen by
// KELVO_FUZZ_READER: 1 plan, 2 kinds, 3 page options): reading never throws,
// gives content exactly when it gives no fault and no message, and what a
// read gives writes to bytes that read back to the same bytes.
#include "store/PlanFiles.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace kelvo;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "plan files: %s\n", what);
        std::abort();
    }
}

template <class T>
using Reader = std::optional<T> (*)(const QByteArray&, const QString&, QString&, EReadFault&);

template <class T>
void CheckRoundTrip(const QByteArray& bytes, Reader<T> read, QByteArray (*write)(const T&)) {
    const QString path = QStringLiteral("fuzzed.json");
    QString message;
    EReadFault fault = EReadFault::None;
    const auto content = read(bytes, path, message, fault);
    Require(content.has_value() == (fault == EReadFault::None), "fault and content disagree");
    Require(content.has_value() == message.isEmpty(), "message and content disagree");
    if (!content) {
        return;
    }
    const QByteArray written = write(*content);
    const auto again = read(written, path, message, fault);
    Require(again.has_value(), "a written file does not read");
    Require(write(*again) == written, "a written file does not read back the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
#if KELVO_FUZZ_READER == 1
    CheckRoundTrip<CSheetPlan>(bytes, &PlanFromBytes, &PlanFileBytes);
#elif KELVO_FUZZ_READER == 2
    CheckRoundTrip<CSavedKinds>(bytes, &KindsFromBytes, &KindsFileBytes);
#else
    CheckRoundTrip<CPageOptions>(bytes, &PageOptionsFromBytes, &PageOptionsFileBytes);
#endif
    return 0;
}
