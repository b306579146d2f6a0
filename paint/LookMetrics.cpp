#include "paint/LookMetrics.h"

#include <array>

#include "core/DpiScale.h"

namespace paint {

namespace {
constexpr std::array<int, static_cast<int>(Metric::Count)> kDesigned = {
    11,  // CheckBoxBox
    1,   // CheckBoxInset
    3,   // CheckBoxTop
    16,  // CheckBoxCaption
    2,   // CheckMarkStroke
    11,  // ComboButton
    22,  // SpinButton
    11,  // SpinHalf
    10,  // SpinHalfOverlap
    5,   // SpinButtonRight
    5,   // GroupLineStart
    10,  // GroupCaptionLeft
    2,   // GroupCaptionGap
    2,   // FocusGapX
    1,   // FocusGapY
};
}  // namespace

int LookMetrics::Designed(Metric metric) { return kDesigned[static_cast<int>(metric)]; }

int LookMetrics::operator[](Metric metric) const { return Scale(Designed(metric)); }

int LookMetrics::Line() const { return core::DpiScale::LineWidth(dpi_); }

int LookMetrics::Scale(int designed) const { return core::DpiScale::Scale(designed, dpi_); }

}  // namespace paint
