#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvo {

// One piece of a question's cell, placed in points from the cell's top left.
struct CCellPiece {
    enum class Kind {
        // Shown on every page.
        Text,
        // A box for the pupil's answer; its text is the answer, shown where
        // answers are.
        Blank,
        // Room for the result after "="; its text is shown where answers are.
        Result,
        // A line filled over the whole piece: the rule under a column sum, the
        // bracket of a long division.
        Rule,
        // A circle for a sign or an operator, drawn as high as a box; its
        // text is the sign, shown where answers are.
        Circle,
        // The bar of a fraction in an answer, filled where answers are.
        ResultRule,
    };

    // A Blank's box is drawn this part of the piece's height in from its top
    // and bottom, so that boxes of neighbouring lines never touch.
    static constexpr double BoxInset = 0.08;

    // The height of a Blank piece whose box is drawn boxHeight high.
    static constexpr double BlankHeight(double boxHeight) { return boxHeight / (1 - 2 * BoxInset); }

    Kind kind = Kind::Text;
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    std::u16string text;
};

// What one question draws and how much room it takes. Each kind of cell makes
// its own pieces; the pages only place cells.
struct CCell {
    double width = 0;
    double height = 0;
    std::vector<CCellPiece> pieces;
    // From the top to the middle of the line the question's number stands
    // level with; without it, the cell's first line.
    std::optional<double> numberLevel;
};

} // namespace kelvo
