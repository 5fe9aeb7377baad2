#pragma once
#include <string>
#include <string_view>

namespace korva {

// A string of a JSON document, quotes included: quotes, backslashes and control characters
// escaped, valid UTF-8 passed through. Any other byte is read as Windows-1252, the code page
// older project files were written in, so that the document is always valid UTF-8.
std::string jsonString(std::string_view text);

} // namespace korva
