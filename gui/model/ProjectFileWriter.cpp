#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "gui/model/FileReplace.h"
#include "gui/model/InOutError.h"
#include "gui/model/LayerTables.h"
#include "gui/model/NumberText.h"
#include "gui/model/ProgramData.h"
#include "gui/model/ProjectFile.h"
#include "gui/model/PropertyRecordLayout.h"

namespace korva::gui {

namespace {

// Builds the file text record by record. Values of a record are separated by one blank;
// `Blank` adds the trailing blank that most records carry.
class TRecordWriter
{
  public:
    void Real(long double value, const std::string& what)
    {
        if (!std::isfinite(value))
            throw EInOutError("The " + what + " is not a finite number and cannot be saved.");
        // The reader takes reals in double precision: a larger magnitude would make the
        // saved file unreadable.
        if (std::fabs(value) > static_cast<long double>(std::numeric_limits<double>::max()))
            throw EInOutError("The " + what + " is too large to be saved.");
        Separate();
        fText += GeneralNumberText(value, 8);
    }
    void Integer(long long value)
    {
        Separate();
        fText += IntegerNumberText(value);
    }
    void Word(const std::string& word)
    {
        Separate();
        fText += word;
    }
    void Blank() { fText += ' '; }
    // Every value followed by one blank (the records that end with a blank).
    void EndLine()
    {
        fText += "\r\n";
        fAtLineStart = true;
    }
    void Line(const std::string& text)
    {
        fText += text;
        EndLine();
    }
    std::string Take() { return std::move(fText); }

  private:
    void Separate()
    {
        if (!fAtLineStart && !fText.ends_with(' '))
            fText += ' ';
        fAtLineStart = false;
    }
    std::string fText;
    bool fAtLineStart = true;
};

// The title is one record: line breaks typed or pasted into it would split it.
std::string OneLine(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string LayerText(int layer)
{
    return "value of soil layer " + std::to_string(layer + 1);
}

// Property record of one row (top or bottom) of a layer, every value followed by a blank.
void WritePropertyRecord(TRecordWriter& out, const TGridTable& layers, int layer,
                         const TGridTable& properties, int row, int kind)
{
    const std::string what = LayerText(layer);
    for (const TRecordWord& word : PropertyRecord::ForKind(kind)) {
        switch (word.Slot) {
        case TRecordSlot::Placeholder:
            out.Word("0.0");
            break;
        case TRecordSlot::Real:
            out.Real(properties.GetFloatValue(word.Column, row), what);
            break;
        case TRecordSlot::Integer:
            out.Integer(properties.GetIntValue(word.Column, row));
            break;
        case TRecordSlot::SideLimit:
            out.Real(layers.GetFloatValue(LayerColumn::MaxSideFriction, layer), what);
            break;
        case TRecordSlot::BaseLimit:
            out.Real(layers.GetFloatValue(LayerColumn::MaxEndBearing, layer), what);
            break;
        }
        out.Blank();
    }
    out.Real(layers.GetFloatValue(LayerColumn::PhiSide, layer), what);
    out.Blank();
    out.Real(layers.GetFloatValue(LayerColumn::PhiBase, layer), what);
    out.Blank();
    out.EndLine();
}

void WriteLayerBlock(TRecordWriter& out, TProgramData& project, int layer)
{
    const TGridTable& layers = project.D();
    const int kind = layers.GetIntValue(LayerColumn::Kind, layer);
    out.Integer(kind);
    out.Blank();
    out.Real(layers.GetFloatValue(LayerColumn::Depth, layer), LayerText(layer));
    out.Blank();
    out.EndLine();

    TGridTable* properties = project.LayerProperties(layer);
    if (!IsMaterialKind(kind) || properties == nullptr)
        return;
    // A property table always describes the top and the bottom of its layer.
    properties->EnsureMinRows();
    WritePropertyRecord(out, layers, layer, *properties, TopRow, kind);
    WritePropertyRecord(out, layers, layer, *properties, BottomRow, kind);

    if (kind == KindSand) {
        // The side-friction procedure is taken from the bottom row; any procedure other than
        // Ko or beta is the Chen and Kulhawy method with its stress exponent m.
        int method = properties->GetIntValue(SandColumn::Method, BottomRow);
        int column = SandColumn::OCR;
        if (method == SandKoMethod)
            column = SandColumn::Ko;
        else if (method == SandBetaMethod)
            column = SandColumn::Beta;
        else
            method = SandChenKulhawyMethod;
        out.Integer(method);
        out.Blank();
        out.EndLine();
        out.Real(properties->GetFloatValue(column, TopRow), LayerText(layer));
        out.Blank();
        out.Real(properties->GetFloatValue(column, BottomRow), LayerText(layer));
        out.Blank();
        out.EndLine();
    } else if (kind == KindClay || kind == KindShale) {
        out.Real(properties->GetFloatValue(ClayColumn::Alpha, TopRow), LayerText(layer));
        out.Real(properties->GetFloatValue(ClayColumn::Alpha, BottomRow), LayerText(layer));
        out.EndLine();
    }
    if (kind >= KindStrongRock && kind <= KindStrongRockBoth)
        project.ID2 = 0;
}

} // namespace

std::string ComposeProjectFile(TProgramData& project)
{
    TProgramData& p = project;
    TRecordWriter out;
    out.Line(OneLine(p.Title));
    out.Integer(p.Units());
    out.Blank();
    out.EndLine();

    // A specified shaft length decides the computation method; the other quantity is
    // cleared, and a given design load admits neither multiple lengths nor design charts.
    p.METHOD = p.PD > 0 ? 2 : 1;
    if (p.METHOD == 1) {
        p.PD = 0;
        p.IPENT = 0;
        p.IChart = 0;
    } else {
        p.LPD = 0;
    }
    out.Integer(p.METHOD);
    out.Integer(p.KCYCL);
    out.Real(p.RCYCL, "uplift reduction factor");
    out.Real(p.PINC, "output increment");
    out.Integer(p.IMOD);
    out.Integer(p.NLRFD);
    out.Integer(p.IPENT);
    out.Integer(p.IChart);
    out.Integer(p.UseElevation);
    out.Real(p.ValElevation, "elevation of the shaft top");
    out.Integer(p.PrintTZCurves);
    out.EndLine();
    p.Yesnewversion = 1;
    // Multiple lengths are evaluated for one diameter.
    if (p.IPENT == 1)
        p.DIALIM = p.DSTART;

    out.Real(p.DSTART, "minimum shaft diameter");
    out.Real(p.DIALIM, "maximum shaft diameter");
    out.Real(p.RATIO, "bell ratio");
    out.Real(p.BELANGL, "bell angle");
    out.Real(p.TOPLENG, "upper exclusion zone");
    out.Real(p.BS, "bottom exclusion zone");
    out.Real(p.EPILE, "shaft modulus");
    out.EndLine();

    out.Integer(p.D().RowCount());
    out.Real(p.WTD, "water table depth");
    if (p.METHOD == 1)
        out.Real(p.LPD, "design load");
    else
        out.Real(p.PD, "shaft length");
    out.Real(p.FST, "factor of safety on side friction");
    out.Real(p.FSB, "factor of safety on end bearing");
    out.EndLine();

    if (p.IPENT > 0) {
        out.Real(p.PDMIN, "minimum shaft length");
        out.Real(p.PDINCR, "shaft length increment");
        out.EndLine();
    }
    if (p.IChart > 0) {
        // PDSETT holds ten settlements; the record must name no more than it carries.
        p.NPOINTPD = std::clamp(p.NPOINTPD, 0, TProgramData::MaxSettlementCount);
        out.Real(p.PDMIN, "minimum shaft length");
        out.Real(p.PDINCR, "shaft length increment");
        out.Real(p.DIAMINCR, "diameter increment");
        out.Integer(p.NPOINTPD);
        out.EndLine();
        for (int i = 0; i < p.NPOINTPD; ++i) {
            out.Real(p.PDSETT[static_cast<std::size_t>(i)], "design-chart settlement");
            out.Blank();
        }
        out.EndLine();
    }

    for (int layer = 0; layer < p.D().RowCount(); ++layer)
        WriteLayerBlock(out, p, layer);

    if (p.PrintTZCurves == 1) {
        const TGridTable& depths = p.TblTZDepth();
        out.Integer(depths.RowCount());
        out.EndLine();
        for (int row = 0; row < depths.RowCount(); ++row) {
            out.Real(depths.GetFloatValue(0, row), "t-z curve depth");
            out.EndLine();
        }
    }
    return out.Take();
}

void SaveProjectFile(TProgramData& project)
{
    const std::string text = ComposeProjectFile(project);
    WriteFileReplacing(project.FileName, text);
    project.SetDataChanged(false);
}

} // namespace korva::gui
