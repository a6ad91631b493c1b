#pragma once

#include "output/CCell.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

// A line of text on a page (title, header, footer), its top left in points
// from the paper's corner.
struct CPageLine {
    double x = 0;
    double y = 0;
    double pointSize = 0;
    std::u16string text;
};

// A line to write on (in the header), its left end in points from the
// paper's corner.
struct CPageRule {
    double x = 0;
    double y = 0;
    double width = 0;
};

// A question's cell where it stands on a page, with its number (empty when the
// questions are not numbered); positions in points from the paper's corner.
struct CPlacedCell {
    // 1-based, in the question list of its copy.
    int32_t question = 0;
    std::u16string number;
    double numberX = 0;
    double x = 0;
    double y = 0;
    CCell cell;
};

// The square of a page's QR code, its top left in points from the paper's
// corner; no code when the text is empty.
struct CPageQrCode {
    double x = 0;
    double y = 0;
    double side = 0;
    std::string text;
};

// One page, ready to be drawn.
struct CPage {
    // 1-based.
    int32_t copy = 1;
    bool isAnswerKey = false;
    // Blanks and results carry their answers.
    bool showsAnswers = false;
    // Within the questions (or the key) of its copy.
    int32_t number = 1;
    int32_t count = 1;
    double pointSize = 0;
    // Title lines and header first, footer lines last.
    std::vector<CPageLine> lines;
    std::vector<CPageRule> rules;
    std::vector<CPlacedCell> cells;
    CPageQrCode qrCode;
};

} // namespace kelvo
