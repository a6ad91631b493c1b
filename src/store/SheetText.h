#pragma once

#include "output/COutputSettings.h"
#include "output/CPageOptions.h"
#include "worksheet/CSheetPlan.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace kelvo {

// All a sheet is made again from on another computer: the seed its questions
// were drawn from, its plan (or the panel's one kind), the columns they were
// drawn for, the layout the worksheet text is formatted in and the page
// options.
struct CSheetRecipe {
    uint64_t seed = 0;
    CSheetPlan plan;
    int32_t drawnColumns = 1;
    COutputSettings layout;
    CPageOptions options;
};

// The recipe as the text of the sheet's QR code, short and plain:
//
//   KELVO1:7K3F-9Q2A:<base64url of the zlib-packed JSON of the rest>
//
// "KELVO" and the text's format version, the sheet's code, then the plan (as
// its file holds it, or the one kind), the layout and the page options.
QString SheetQrText(const CSheetRecipe& recipe);

// The recipe of a QR code's text; nothing, with a message in Chinese, for a
// text that is damaged, not Kelvo's or from a later version.
std::optional<CSheetRecipe> ReadSheetQrText(const QString& strText, QString& strMessage);

// Whether the text is meant as a QR code's text (it may still be damaged).
bool LooksLikeSheetQrText(const QString& strText);

} // namespace kelvo
