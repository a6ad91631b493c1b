#pragma once

#include "output/CPageOptions.h"

#include <QDialog>
#include <QFont>
#include <QPrinter>

#include <functional>

class QLabel;
class QPushButton;

namespace kelvo {

class CPageLayout;
class CPageView;

// "打印预览": the pages as they will print, one under another, each painted
// as it comes into view (a sheet of a thousand pages opens at once), with the
// dialog's print button going to the platform's print dialog and buttons to
// zoom. When even the smallest font leaves a
// row wider than the paper, a line above the pages says so and offers
// landscape paper; taking it lays the pages out again. A note on the form of
// the questions and the size they are set in may stand above them too.
class CPagePreview {
public:
    // Lays the sheet out for the options; what it returns lives until the next call.
    using PageMaker = std::function<const CPageLayout&(const CPageOptions& options)>;
    // What the pages just laid out say of their questions; none when empty.
    using NoteMaker = std::function<QString()>;

    CPagePreview(PageMaker makePages, NoteMaker makeNote, const CPageOptions& options,
                 const QFont& font, QWidget* parent = nullptr);

    CPagePreview(const CPagePreview&) = delete;
    CPagePreview& operator=(const CPagePreview&) = delete;

    QDialog& Dialog() { return m_dialog; }
    CPageView& View() const { return *m_view; }
    // "第 3 页 / 共 500 页": the page in the middle of the view.
    const QLabel& PageLabel() const { return *m_lblPage; }
    // The options the pages have now, landscape when the user took it.
    const CPageOptions& Options() const { return m_options; }
    // The line above the pages; hidden while the rows fit.
    const QLabel& FitWarning() const { return *m_lblFitWarning; }
    // The remark above the pages; hidden when there is none.
    const QLabel& Note() const { return *m_lblNote; }
    QPushButton& LandscapeButton() const { return *m_cmdLandscape; }

private:
    QWidget* MakeToolBar();
    void FitIntoScreen(const QWidget* parent);
    void LayOut();
    void TakeLandscape();
    void ShowPageNumber();
    void Print();

    PageMaker m_makePages;
    NoteMaker m_makeNote;
    CPageOptions m_options;
    QFont m_font;
    QPrinter m_printer{QPrinter::HighResolution};
    QDialog m_dialog;
    const CPageLayout* m_pages = nullptr;
    CPageView* m_view = nullptr;
    QLabel* m_lblPage = nullptr;
    QWidget* m_fitBar = nullptr;
    QLabel* m_lblFitWarning = nullptr;
    QPushButton* m_cmdLandscape = nullptr;
    QLabel* m_lblNote = nullptr;
};

} // namespace kelvo
