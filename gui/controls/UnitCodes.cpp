#include "gui/controls/UnitCodes.h"

#include <array>
#include <cmath>

namespace korva::gui {

namespace UnitCodes {
namespace {

struct TLetterUnit
{
    std::string_view Code;
    std::string_view EnglishText;
    std::string_view SIText;
    long double SIToEnglish;
};

// Letter code | English unit | SI unit | factor SI -> English
constexpr std::array<TLetterUnit, 10> LetterUnits{{
    {"F", "lbs", "kN", 224.8089237L},
    {"F1", "kips", "kN", 0.2248089237L},
    {"F2", "tons", "kN", 0.1124044745L},
    {"F4", "lb-sec2/in", "Mg", 5.7101483L},
    {"F5", "sec", "sec", 1.0L},
    {"F6", "slug", "Mg", 68.364249L},
    {"L", "in", "m", 39.37007874L},
    {"L1", "in", "mm", 0.03937007874L},
    {"L2", "ft", "m", 3.280839895L},
    {"L3", "rad", "rad", 1.0L},
}};

const TLetterUnit* FindLetter(std::string_view code)
{
    for (const TLetterUnit& unit : LetterUnits)
        if (unit.Code == code)
            return &unit;
    return nullptr;
}

bool IsForceDigit(char c)
{
    return c == '1' || c == '2' || c == '4' || c == '5' || c == '6';
}

bool IsLengthDigit(char c)
{
    return c == '1' || c == '2' || c == '3';
}

// Length of the letter code starting at position i of text (0 when none starts there).
std::size_t LetterCodeLength(std::string_view text, std::size_t i)
{
    const char c = text[i];
    if (c != 'F' && c != 'L')
        return 0;
    if (i + 1 < text.size()) {
        const char digit = text[i + 1];
        if ((c == 'F' && IsForceDigit(digit)) || (c == 'L' && IsLengthDigit(digit)))
            return 2;
    }
    return 1;
}

std::string_view TextOf(const TLetterUnit& unit, int unitSystem)
{
    return unitSystem == SI ? unit.SIText : unit.EnglishText;
}

// Replaces the first occurrence of the two-character code `code` (not followed by another
// digit interpretation: the code is exactly two characters), returning whether it was found.
bool ReplaceFirst(std::string& text, std::string_view code, std::string_view replacement)
{
    const std::size_t at = text.find(code);
    if (at == std::string::npos)
        return false;
    text.replace(at, code.size(), replacement);
    return true;
}

// Replaces every lone letter (one not followed by a digit that makes it a longer code).
void ReplaceLoneLetter(std::string& text, char letter, std::string_view replacement)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == letter && LetterCodeLength(text, i) == 1) {
            out += replacement;
        } else {
            out += text[i];
        }
    }
    text = out;
}

// Factor of one part (numerator or denominator) of a code: the product of its letter
// factors, each raised to the exponent that follows it ("^" and a digit, or a superscript
// two or three written in UTF-8).
long double PartFactor(std::string_view part)
{
    long double factor = 1.0L;
    std::size_t i = 0;
    while (i < part.size()) {
        const std::size_t length = LetterCodeLength(part, i);
        if (length == 0) {
            ++i;
            continue;
        }
        const TLetterUnit* unit = FindLetter(part.substr(i, length));
        i += length;
        int exponent = 1;
        if (i + 1 < part.size() && part[i] == '^' && part[i + 1] >= '0' && part[i + 1] <= '9') {
            exponent = part[i + 1] - '0';
            i += 2;
        } else if (part.substr(i).starts_with("\xC2\xB2")) {
            exponent = 2;
            i += 2;
        } else if (part.substr(i).starts_with("\xC2\xB3")) {
            exponent = 3;
            i += 2;
        }
        if (unit != nullptr)
            factor *= std::pow(unit->SIToEnglish, static_cast<long double>(exponent));
    }
    return factor;
}

} // namespace

long double LetterFactor(std::string_view letterCode)
{
    const TLetterUnit* unit = FindLetter(letterCode);
    return unit != nullptr ? unit->SIToEnglish : 1.0L;
}

std::string HeadingUnitText(std::string_view code, int unitSystem)
{
    if (unitSystem != English && unitSystem != SI)
        return std::string(code);
    std::string text;
    std::size_t i = 0;
    while (i < code.size()) {
        const std::size_t length = LetterCodeLength(code, i);
        if (length == 0) {
            text += code[i];
            ++i;
            continue;
        }
        text += TextOf(*FindLetter(code.substr(i, length)), unitSystem);
        i += length;
    }
    return text;
}

std::string EntryFieldUnitText(std::string_view code, int unitSystem)
{
    std::string text(code);
    if (unitSystem != English && unitSystem != SI)
        return text;
    // The replacement texts hold no capital F or L, so the two passes do not interfere.
    bool found = false;
    for (std::string_view force : {"F6", "F5", "F4", "F2", "F1"})
        if (ReplaceFirst(text, force, TextOf(*FindLetter(force), unitSystem))) {
            found = true;
            break;
        }
    if (!found)
        ReplaceLoneLetter(text, 'F', TextOf(*FindLetter("F"), unitSystem));
    found = false;
    for (std::string_view length : {"L2", "L1", "L3"})
        if (ReplaceFirst(text, length, TextOf(*FindLetter(length), unitSystem))) {
            found = true;
            break;
        }
    if (!found)
        ReplaceLoneLetter(text, 'L', TextOf(*FindLetter("L"), unitSystem));
    return text;
}

long double ConversionFactor(std::string_view code, int fromSystem, int toSystem)
{
    if (fromSystem == toSystem || (fromSystem != English && fromSystem != SI) ||
        (toSystem != English && toSystem != SI))
        return 1.0L;
    const std::size_t slash = code.find('/');
    const long double numerator = PartFactor(code.substr(0, slash));
    const long double denominator =
        slash == std::string_view::npos ? 1.0L : PartFactor(code.substr(slash + 1));
    const long double siToEnglish = numerator / denominator;
    return toSystem == English ? siToEnglish : 1.0L / siToEnglish;
}

} // namespace UnitCodes

} // namespace korva::gui
