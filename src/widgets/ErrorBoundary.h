// widgets/ holds what every window shares (kelvo_gui): the one error boundary
// between event handlers and Qt's event loop (CErrorBoundary), the number boxes
// (CNumberBox), the drop-down height (WindowUtils) and Qt's own texts in Chinese
// (QtTranslation). It knows no window of its own.
#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <utility>

namespace kelvo {

// The text a user sees for an error that reached an event handler:
// "运行时错误 'n'：" and the description for the system's numbered errors, the
// plain description for any other.
QString ErrorMessageText(const std::exception& error);

// The one boundary between the windows' event handlers and Qt's event loop.
// An error thrown by a handler is caught here (nothing may unwind through the
// event loop), the window recovers, the user gets one message, and the
// program goes on.
class CErrorBoundary {
public:
    using MessageBox = std::function<void(const QString& strText)>;

    explicit CErrorBoundary(MessageBox messageBox) : m_messageBox(std::move(messageBox)) {}

    // Tests record the messages instead of showing them.
    void SetMessageBox(MessageBox messageBox) { m_messageBox = std::move(messageBox); }
    // A message of the window's own through the same box.
    void Show(const QString& strText) const { m_messageBox(strText); }

    // Runs the handler; on an error, recover() puts the window back in order
    // before the message is shown. False when the handler failed.
    template <class Handler, class Recover>
    bool Run(Handler&& handler, Recover&& recover) {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (const std::exception& error) {
            recover();
            m_messageBox(ErrorMessageText(error));
            return false;
        }
    }
    template <class Handler>
    bool Run(Handler&& handler) {
        return Run(std::forward<Handler>(handler), [] {});
    }

private:
    MessageBox m_messageBox;
};

} // namespace kelvo
