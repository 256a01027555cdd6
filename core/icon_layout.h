#pragma once

namespace quill {

// Where to draw an icon so it sits centred in a minimised window's client area:
// (outer - icon + 1) / 2 in signed arithmetic, truncating toward zero, so an
// area narrower than the icon still gives 0 rather than -1 once it is within
// one pixel.
constexpr int CenteredIconOffset(int outer, int icon) { return (outer - icon + 1) / 2; }

}  // namespace quill
