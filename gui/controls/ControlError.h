#pragma once

#include <stdexcept>
#include <string>

namespace korva::gui {

// Failure of an entry control: an expression the evaluator refuses, a refused grid-table cell
// entry, a value accessed as the wrong type, or an error in a table's column declarations.
// The message is the text the user reads.
class EControlError : public std::runtime_error
{
  public:
    explicit EControlError(const std::string& message) : std::runtime_error(message) {}

    // An expression that could not be evaluated: "Entry could not be evaluated:" + CR + the
    // reason.
    static EControlError Unevaluable(const std::string& reason)
    {
        EControlError error(std::string(EvaluationPrefix) + reason);
        error.fReason = reason;
        return error;
    }
    // The evaluator's reason alone, without the common prefix (empty for other failures).
    const std::string& Reason() const { return fReason; }

    // Expression evaluator.
    static constexpr const char* EvaluationPrefix = "Entry could not be evaluated:\r";
    static constexpr const char* kBlank = "entry cannot be blank";
    static constexpr const char* kParentheses = "() (parentheses) do not match";
    static constexpr const char* kInvalidExpression = "invalid expression";
    static constexpr const char* kFactorial = "! (factoral) applicable to integers only";
    static constexpr const char* kHex = "invalid use of $ (hex function)";
    static constexpr const char* kInvalidCharacters = "invalid character(s) in expression";
    // Division by zero, a square root of a negative number, overflow and the like: the value
    // is refused rather than passed on as infinity or NaN.
    static constexpr const char* kNotFinite = "result is undefined or out of range";

    // Grid tables.
    static constexpr const char* WrongType = "Data of wrong type";
    static constexpr const char* Blank = "Entry cannot be blank.";
    static constexpr const char* NotANumberSuffix = " is not a valid number.";
    static constexpr const char* EnumNotInteger = "Value must be an integer.";
    static constexpr const char* IntNotInteger = "Entry must be an integer.";
    static constexpr const char* MinRowsNotPositive = "Value must be greater than 0";
    static constexpr const char* ColumnCount = "Error reading column count";
    static constexpr const char* ColumnClass = "Error Column Class not defined";

  private:
    std::string fReason;
};

} // namespace korva::gui
