#include "gui/controls/TableCell.h"

#include "gui/controls/GridTable.h"

namespace korva::gui {

int TData::GetInt() const
{
    return fTable->GetIntValue(fColumn, fRow);
}

void TData::SetInt(int value)
{
    fTable->SetIntValue(fColumn, fRow, value);
}

long double TData::GetFloat() const
{
    return fTable->GetFloatValue(fColumn, fRow);
}

void TData::SetFloat(long double value)
{
    fTable->SetFloatValue(fColumn, fRow, value);
}

std::string TData::GetValue() const
{
    return fTable->GetValue(fColumn, fRow);
}

void TData::SetValue(std::string_view text)
{
    fTable->SetValue(fColumn, fRow, text);
}

TGridTable* TData::GetData() const
{
    return fTable->GetTableValue(fColumn, fRow);
}

} // namespace korva::gui
