#include "printing/CPagePreview.h"

#include "output/CPageLayout.h"
#include "printing/PagePainting.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
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

} // namespace

CPagePreview::CPagePreview(PageMaker makePages, NoteMaker makeNote, const CPageOptions& options,
                           const QFont& font, QWidget* parent)
    : m_makePages(std::move(makePages)), m_makeNote(std::move(makeNote)), m_options(options),
      m_font(font), m_dialog(&m_printer, parent) {
    m_dialog.setWindowTitle(QStringLiteral("打印预览"));
    m_printer.setFullPage(true);
    m_fitBar = new QWidget(&m_dialog);
    auto* barLayout = new QHBoxLayout(m_fitBar);
    m_lblFitWarning = new QLabel(m_fitBar);
    m_lblFitWarning->setObjectName(QStringLiteral("lblFitWarning"));
    m_lblFitWarning->setWordWrap(true);
    m_cmdLandscape = new QPushButton(QStringLiteral("改用横向纸张"), m_fitBar);
    m_cmdLandscape->setObjectName(QStringLiteral("cmdLandscape"));
    barLayout->addWidget(m_lblFitWarning, 1);
    barLayout->addWidget(m_cmdLandscape);
    m_lblNote = new QLabel(&m_dialog);
    m_lblNote->setObjectName(QStringLiteral("lblNote"));
    m_lblNote->setWordWrap(true);
    m_lblNote->setContentsMargins(9, 3, 9, 3);
    if (auto* box = qobject_cast<QBoxLayout*>(m_dialog.layout())) {
        box->insertWidget(1, m_fitBar);
        box->insertWidget(2, m_lblNote);
    }
    FitIntoScreen(parent);
    QObject::connect(m_cmdLandscape, &QPushButton::clicked, &m_dialog, [this] { TakeLandscape(); });
    QObject::connect(&m_dialog, &QPrintPreviewDialog::paintRequested, &m_dialog,
                     [this](QPrinter* printer) {
                         QPainter painter(printer);
                         PaintPages(painter, *printer, *m_pages, m_font, nullptr);
                     });
    LayOut();
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
    m_printer.setPageLayout(PaperPageLayout(m_options.Paper()));
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
    if (auto* preview = m_dialog.findChild<QPrintPreviewWidget*>()) {
        preview->updatePreview();
    }
}

} // namespace kelvo
