#pragma once
#include <string>

namespace korva {

// A number of a JSON document: the shortest text that reads back to the same float, with "."
// whatever the locale; a value that is not finite is written as null.
std::string jsonNumber(float value);

} // namespace korva
