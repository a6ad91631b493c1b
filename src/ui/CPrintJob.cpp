#include "ui/CPrintJob.h"

#include "worksheet/SheetPages.h"

#include <QFontInfo>

namespace kelvo {

namespace {

double PointSize(const QFont& font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

} // namespace

CPrintJob::CPrintJob(std::vector<CQuestionSet> copies, const COutputSettings& layout,
                     const QFont& font, PrintedPages printed)
    : m_questionSets(std::move(copies)), m_layout(layout), m_font(font), m_printed(printed),
      m_measure(font) {}

CPrintJob::CPrintJob(std::vector<CPlanSheet> copies, const COutputSettings& layout,
                     const QFont& font, PrintedPages printed)
    : m_planSheets(std::move(copies)), m_layout(layout), m_font(font), m_printed(printed),
      m_measure(font) {}

const CPageLayout& CPrintJob::LayOut(const CPageOptions& options, const CInfoReceiver* receiver) {
    m_pages.reset();
    const double pointSize = PointSize(m_font);
    const bool isSheet = m_printed == PrintedPages::Sheet;
    if (m_planSheets.empty()) {
        m_pages.emplace(
            isSheet ? LayOutPages(m_questionSets, m_layout, options, m_measure, pointSize, receiver)
                    : LayOutAnswerSheet(m_questionSets, m_layout, options, m_measure, pointSize,
                                        receiver));
    } else {
        m_pages.emplace(
            isSheet ? LayOutPages(m_planSheets, m_layout, options, m_measure, pointSize, receiver)
                    : LayOutAnswerSheet(m_planSheets, m_layout, options, m_measure, pointSize,
                                        receiver));
    }
    return *m_pages;
}

QString CPrintJob::Note(const CPageOptions& options) const {
    if (m_printed == PrintedPages::AnswerSheet) {
        return {};
    }
    return QString::fromStdU16String(m_planSheets.empty()
                                         ? ColumnFormNote(m_questionSets, m_layout, options)
                                         : ColumnFormNote(m_planSheets, options));
}

} // namespace kelvo
