#pragma once

#include <stdexcept>
#include <string>

// Failure of a grid table: a refused cell entry, a value accessed as the wrong type, or an
// error in a table's column declarations. The message is the text the user reads.
class EGridTableError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;

    static constexpr const char* WrongType = "Data of wrong type";
    static constexpr const char* Blank = "Entry cannot be blank.";
    static constexpr const char* NotANumberSuffix = " is not a valid number.";
    static constexpr const char* EnumNotInteger = "Value must be an integer.";
    static constexpr const char* IntNotInteger = "Entry must be an integer.";
    static constexpr const char* MinRowsNotPositive = "Value must be greater than 0";
    static constexpr const char* ColumnCount = "Error reading column count";
    static constexpr const char* ColumnClass = "Error Column Class not defined";
};
