#pragma once
// The default styles of HTML elements that every page starts from (litehtml carries none of
// its own), with the adjustments the layout engine needs: sub and sup shifted by relative
// positioning, explicit font sizes for small and big.

namespace tavra {

const char* pageMasterStylesheet();

}  // namespace tavra
