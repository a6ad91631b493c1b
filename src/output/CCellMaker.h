#pragma once

#include "output/CCell.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace kelvo {

class CExprValue;

// Makes the cells of one section's questions at one size. Each form of
// question (on one line, in columns) has a maker of its own, so sections of a
// sheet may have cells of different sizes.
class CCellMaker {
public:
    virtual ~CCellMaker() = default;

    // blank: the operand position left blank in fill-in form, 0 outside it.
    virtual CCell Make(const CExprValue& question, int32_t blank) const = 0;
};

// The maker of a section for the size the questions are set in; the pages try
// smaller sizes until the rows fit.
using CellMakerFactory = std::function<std::unique_ptr<const CCellMaker>(double pointSize)>;

} // namespace kelvo
