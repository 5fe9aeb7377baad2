#pragma once

#include <stdexcept>
#include <string>

namespace korva {

// Failure of the entry-field expression evaluator. The message is the text the user reads:
// always "Entry could not be evaluated:" + CR + the reason.
class ExpressionError : public std::runtime_error
{
  public:
    explicit ExpressionError(const std::string& reason)
        : std::runtime_error(std::string(kPrefix) + reason), fReason(reason)
    {
    }

    // The reason alone, without the common prefix.
    const std::string& Reason() const { return fReason; }

    static constexpr const char* kPrefix = "Entry could not be evaluated:\r";

    // Reasons, exactly as the user reads them.
    static constexpr const char* kBlank = "entry cannot be blank";
    static constexpr const char* kParentheses = "() (parentheses) do not match";
    static constexpr const char* kInvalidExpression = "invalid expression";
    static constexpr const char* kFactorial = "! (factoral) applicable to integers only";
    static constexpr const char* kHex = "invalid use of $ (hex function)";
    static constexpr const char* kInvalidCharacters = "invalid character(s) in expression";
    // Division by zero, a square root of a negative number, overflow and the like: the value
    // is refused rather than passed on as infinity or NaN.
    static constexpr const char* kNotFinite = "result is undefined or out of range";

  private:
    std::string fReason;
};

} // namespace korva
