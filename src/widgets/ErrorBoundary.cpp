#include "widgets/ErrorBoundary.h"

#include "foundation/RuntimeError.h"

#include <new>

namespace kelvo {

QString ErrorMessageText(const std::exception& error) {
    if (const auto* runtimeError = dynamic_cast<const CRuntimeError*>(&error)) {
        return QString::fromUtf16(u"运行时错误 '%1'：\n\n%2")
            .arg(static_cast<int>(runtimeError->Number()))
            .arg(QString::fromStdU16String(runtimeError->Description()));
    }
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return QString::fromUtf16(u"内存不足，无法完成这项操作。");
    }
    return QString::fromLocal8Bit(error.what());
}

} // namespace kelvo
