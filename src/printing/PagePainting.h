// printing/ is the Qt side of the pages and of the export (kelvo_gui), over the
// page model of output/:
//
//   CPageLayout (measured through CFontMeasure) --PaintPages--> printer, PDF, preview
//   pages --ExportPdf--> a PDF file with the font embedded
//   pages --CPagePreview--> "打印预览" and the platform's print dialog
//   worksheet text --PrintWorksheet--> RTF --CWordApplication--> the word processor
//
// It includes only the model; the windows above call it.
//
// The Qt side of the pages: a CPageLayout drawn on any paged device (a
// printer, a PDF file, the print preview) by one routine, in the chosen font.
#pragma once

#include "output/CPage.h"
#include "output/CPaper.h"

#include <QFont>
#include <QPageLayout>

class QPagedPaintDevice;
class QPainter;

namespace kelvo {

class CInfoReceiver;
class CPageLayout;

// The paper without margins: pages place everything from the paper's corner.
QPageLayout PaperPageLayout(const CPaper& paper);

// One page; the painter's device gives the resolution.
void PaintPage(QPainter& painter, const CPage& page, const QFont& font);

// Every page of the layout onto the device the painter is open on, a new page
// between them. The receiver (may be nullptr) sees the page count and may
// cancel after any page; false when it did.
bool PaintPages(QPainter& painter, QPagedPaintDevice& device, const CPageLayout& pages,
                const QFont& font, CInfoReceiver* receiver);

} // namespace kelvo
