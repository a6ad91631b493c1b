#include "printing/CPagePreview.h"

#include "output/CPageLayout.h"
#include "printing/CPageView.h"
#include "printing/PagePainting.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace kelvo {

namespace {

const QString NoFitText =
    QStringLiteral("题目太宽：字号已经缩小到最小的 9 磅，一行题目仍然超出纸张，右边的题目会印不全。"
                   "可以改用横向纸张，或者减少列数、列间距。");
const QString NoFitOnItsSideText = QStringLiteral(
    "题目太宽：横向纸张用最小的 9 磅字也排不下一行，右边的题目会印不全。请减少列数或列间距。");

// The part of the screen's height the dialog takes.
constexpr double ScreenShare = 0.9;
constexpr double ZoomStep = 1.25;

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CPagePreview::CPagePreview(PageMaker makePages, NoteMaker makeNote, const CPageOptions& options,
                           const QFont& font, QWidget* parent)
    : m_makePages(std::move(makePages)), m_makeNote(std::move(makeNote)), m_options(options),
      m_font(font), m_dialog(parent) {
    m_dialog.setWindowTitle(QStringLiteral("打印预览"));
    m_printer.setFullPage(true);
    m_fitBar = new QWidget(&m_dialog);
    auto* barLayout = new QHBoxLayout(m_fitBar);
    m_lblFitWarning = new QLabel(m_fitBar);
    m_lblFitWarning->setObjectName(QStringLiteral("lblFitWarning"));
    m_lblFitWarning->setWordWrap(true);
    m_cmdLandscape = Button(QStringLiteral("改用横向纸张"), "cmdLandscape", m_fitBar);
    barLayout->addWidget(m_lblFitWarning, 1);
    barLayout->addWidget(m_cmdLandscape);
    m_lblNote = new QLabel(&m_dialog);
    m_lblNote->setObjectName(QStringLiteral("lblNote"));
    m_lblNote->setWordWrap(true);
    m_lblNote->setContentsMargins(9, 3, 9, 3);
    m_view = new CPageView(&m_dialog);
    m_view->setObjectName(QStringLiteral("pageView"));
    auto* box = new QVBoxLayout(&m_dialog);
    box->addWidget(MakeToolBar());
    box->addWidget(m_fitBar);
    box->addWidget(m_lblNote);
    box->addWidget(m_view, 1);
    FitIntoScreen(parent);
    QObject::connect(m_cmdLandscape, &QPushButton::clicked, &m_dialog, [this] { TakeLandscape(); });
    m_view->OnPageChanged([this] { ShowPageNumber(); });
    LayOut();
}

QWidget* CPagePreview::MakeToolBar() {
    auto* bar = new QWidget(&m_dialog);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton* print = Button(QStringLiteral("打印..."), "cmdPrint", bar);
    QPushButton* zoomIn = Button(QStringLiteral("放大"), "cmdZoomIn", bar);
    QPushButton* zoomOut = Button(QStringLiteral("缩小"), "cmdZoomOut", bar);
    QPushButton* wholePage = Button(QStringLiteral("整页"), "cmdWholePage", bar);
    QPushButton* fitWidth = Button(QStringLiteral("适合宽度"), "cmdFitWidth", bar);
    m_lblPage = new QLabel(bar);
    m_lblPage->setObjectName(QStringLiteral("lblPage"));
    for (QPushButton* button : {print, zoomIn, zoomOut, wholePage, fitWidth}) {
        row->addWidget(button);
    }
    row->addStretch(1);
    row->addWidget(m_lblPage);
    QObject::connect(print, &QPushButton::clicked, &m_dialog, [this] { Print(); });
    QObject::connect(zoomIn, &QPushButton::clicked, &m_dialog,
                     [this] { m_view->SetZoom(m_view->Zoom() * ZoomStep); });
    QObject::connect(zoomOut, &QPushButton::clicked, &m_dialog,
                     [this] { m_view->SetZoom(m_view->Zoom() / ZoomStep); });
    QObject::connect(wholePage, &QPushButton::clicked, &m_dialog,
                     [this] { m_view->FitWholePage(); });
    QObject::connect(fitWidth, &QPushButton::clicked, &m_dialog, [this] { m_view->FitWidth(); });
    return bar;
}

// The dialog opens nearly as tall as the screen, so that the whole page it
// fits into view is legible, and as wide, room for a page on its side.
void CPagePreview::FitIntoScreen(const QWidget* parent) {
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize room = screen->availableGeometry().size() * ScreenShare;
    m_dialog.resize(std::min(room.width(), room.height()), room.height());
}

void CPagePreview::LayOut() {
    m_pages = &m_makePages(m_options);
    const QPageLayout paper = PaperPageLayout(m_options.Paper());
    m_printer.setPageLayout(paper);
    m_view->SetPages(*m_pages, paper.fullRect(QPageLayout::Point).size(), m_font);
    const bool fits = m_pages->Fits();
    m_fitBar->setVisible(!fits);
    const bool isUpright = m_options.Paper().Orientation() == PageOrientation::Portrait;
    m_lblFitWarning->setText(isUpright ? NoFitText : NoFitOnItsSideText);
    m_cmdLandscape->setVisible(isUpright);
    const QString strNote = m_makeNote();
    m_lblNote->setText(strNote);
    m_lblNote->setVisible(!strNote.isEmpty());
}

void CPagePreview::TakeLandscape() {
    m_options.Paper().SetOrientation(PageOrientation::Landscape);
    LayOut();
}

void CPagePreview::ShowPageNumber() {
    m_lblPage->setText(QStringLiteral("第 %1 页 / 共 %2 页")
                           .arg(m_view->CurrentPage())
                           .arg(m_pages != nullptr ? m_pages->PageCount() : 0));
}

// Every page goes to the printer the platform's dialog chose; then the
// preview closes as accepted, its work done.
void CPagePreview::Print() {
    QPrintDialog dialog(&m_printer, &m_dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    {
        QPainter painter(&m_printer);
        PaintPages(painter, m_printer, *m_pages, m_font, nullptr);
    }
    m_dialog.accept();
}

} // namespace kelvo
