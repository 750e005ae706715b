#pragma once
// UTF-8 HTML to windows-1251 bytes. Characters that the code page lacks (∂, ∫, ≤, π, α …) become
// numeric character references, as browsers wrote them when saving a page in that charset.
#include <string>
#include <string_view>

namespace tavra::content {

std::string htmlToCp1251(std::string_view utf8);

}  // namespace tavra::content
