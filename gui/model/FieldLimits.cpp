#include "gui/model/FieldLimits.h"

#include <array>
#include <cfloat>

namespace korva::gui {

namespace {

struct TNamedLimits
{
    std::string_view Field;
    TFieldLimits Limits;
};

constexpr long double Open = LDBL_MAX;

// field        minimum  maximum
constexpr std::array<TNamedLimits, 20> Limits{{
    {"DSTART", {0, 30}},       {"DIALIM", {0, 30}},
    {"RATIO", {0, 10}},        {"BELANGL", {0, 90}},
    {"TOPLENG", {0, Open}},    {"BS", {0, 100}},
    {"EPILE", {0, 300000000}}, {"FST", {0, Open}},
    {"FSB", {0, Open}},        {"WTD", {0, Open}},
    {"PD", {0, Open}},         {"LPD", {0, Open}},
    {"RCYCL", {0, 1}},         {"PDMIN", {0, Open}},
    {"PDINCR", {0, Open}},     {"DIAMINCR", {0, Open}},
    {"NPOINTPD", {1, 10}},     {"PDSETT", {0, Open}},
    {"PINC", {0, Open}},       {"ValElevation", {-Open, Open}},
}};

} // namespace

TFieldLimits EntryLimitsOf(std::string_view field)
{
    for (const TNamedLimits& entry : Limits)
        if (entry.Field == field)
            return entry.Limits;
    return {-Open, Open};
}

} // namespace korva::gui
