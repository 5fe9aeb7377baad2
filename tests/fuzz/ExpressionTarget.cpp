// The expression evaluator of the numeric entry fields, with both decimal separators.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/ExpressionEvaluator.h"

namespace korva::fuzz {

using namespace korva::gui;

int expression(const std::uint8_t* data, std::size_t size)
{
    const std::string text = textOf(data, size);
    for (char separator : {'.', ','}) {
        try {
            (void)EvaluateExpression(text, separator);
        } catch (const EControlError&) {
            // the message the user reads for an entry that cannot be evaluated
        }
    }
    return 0;
}

} // namespace korva::fuzz
