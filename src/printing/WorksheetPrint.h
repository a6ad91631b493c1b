#pragma once

#include "printing/WordProcessorHost.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

namespace kelvo {

// How "输出打印" talks back to the main window.
struct CPrintFeedback {
    // Replaces the text of the output box.
    std::function<void(const QString& strText)> ShowNotice;
    // A message box with an OK button.
    std::function<void(const QString& strText)> ShowMessage;
};

// "输出打印": a new document of the word processor ("word.Application" first, else
// "wps.Application") with the whole worksheet in the output box's font and colour, left
// open for the user. Without a worksheet, or without a word processor, only the feedback
// tells so; a step that fails after the word processor was found is skipped.
void PrintWorksheet(const QString& strWorksheet, const QFont& font, const QColor& color,
                    const CPrintFeedback& feedback,
                    const CWordProcessorHost& host = SystemWordProcessorHost());

} // namespace kelvo
