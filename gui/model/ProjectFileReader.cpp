#include <charconv>
#include <exception>
#include <optional>
#include <string>

#include "gui/model/InOutError.h"
#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"
#include "gui/model/ProjectFile.h"
#include "gui/model/PropertyRecordLayout.h"
#include "gui/model/WordReader.h"

namespace korva::gui {

namespace {

enum class TLayout {
    Current,
    Previous, // IsNewVer true
    Old,      // IsNewVer false
};

// Format error at the word just read, in the word reader's "Error on Line .. Item .." form.
[[noreturn]] void RefuseWord(const TWordReader& reader, const std::string& reason)
{
    const int line = reader.Line() + 1;
    const int item = reader.Item();
    throw EInOutError("Error on Line " + std::to_string(line) + " Item " + std::to_string(item) +
                          "\r" + reason,
                      line, item);
}

// The word reader converts to double; the project holds extended reals. Going through the
// shortest decimal text of the double gives the extended value of the word as written
// (0.35 stays 0.35 rather than the nearest double), so values read and typed agree.
long double Extended(double value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    long double extended = value;
    std::from_chars(text, written.ptr, extended);
    return extended;
}

// Layout of a file recognised from the value count of its control record: 10 or 11 values
// in the current layout, 6 in the previous one, 4 or 5 in the old one. Any other count is
// refused at the item where the record departs from every layout, so that a file is never
// read with a layout it does not have.
TLayout RecogniseLayout(int line, int values)
{
    switch (values) {
    case 10:
    case 11:
        return TLayout::Current;
    case 6:
        return TLayout::Previous;
    case 4:
    case 5:
        return TLayout::Old;
    default:
        break;
    }
    // Too many values: the first one beyond the current layout's 11; too few: the first one
    // missing from the layout the count comes closest to.
    const int item = values > 11 ? 12 : values + 1;
    throw EInOutError("Error on Line " + std::to_string(line) + " Item " + std::to_string(item) +
                          "\r" + "The control record holds " + std::to_string(values) +
                          " values: a project file has 11 (or 10), an older one 6, 5 or 4.",
                      line, item);
}

class TProjectReader
{
  public:
    // layout: the layout to read; with recognise, it is set from the control record first.
    TProjectReader(TProgramData& project, TWordReader& reader, TLayout& layout, bool recognise)
        : p(project), r(reader), fLayout(layout), fRecognise(recognise)
    {
    }

    void Read()
    {
        // Record 1: the whole line, untrimmed.
        p.Title = r.ReadLine();
        // Record 2: the project holds no values yet, so nothing is converted.
        p.SetUnits(r.ReadInteger());
        if (fRecognise)
            RecogniseControlRecord();
        ReadControlRecord();
        ReadShaftRecord();
        ReadSiteRecord();
        if (fLayout == TLayout::Current) {
            if (p.IPENT > 0) {
                p.PDMIN = ReadReal();
                p.PDINCR = ReadReal();
            }
            p.InitPDSET();
            if (p.IChart > 0)
                ReadDesignChartRecords();
        }
        for (int layer = 0; layer < p.D().RowCount(); ++layer)
            ReadLayerBlock(layer);
        if (fLayout == TLayout::Current && p.PrintTZCurves == 1)
            ReadTZDepths();
    }

  private:
    long double ReadReal() { return Extended(r.ReadFloat()); }

    // The control record starts with the next word: on the rest of the unit system's line,
    // or (as written) on the line after it. Its values are counted to the end of that line.
    void RecogniseControlRecord()
    {
        int line = r.Line();
        int values = r.GetCurrentLineWordCount() - r.Item();
        if (values <= 0) {
            line += 1;
            // The end of the file or an empty line: the reader reports it at the first value.
            if (line >= r.GetLineCount() || r.GetWordCount(line) == 0)
                return;
            values = r.GetWordCount(line);
        }
        fLayout = RecogniseLayout(line + 1, values);
    }

    void ReadControlRecord()
    {
        p.METHOD = r.ReadInteger();
        p.KCYCL = r.ReadInteger();
        p.RCYCL = ReadReal();
        p.PINC = ReadReal();
        p.IMOD = 1;
        p.Yesnewversion = fLayout == TLayout::Old ? 0 : 1;
        switch (fLayout) {
        case TLayout::Current:
            p.IMOD = r.ReadInteger();
            p.NLRFD = r.ReadInteger();
            p.IPENT = r.ReadInteger();
            p.IChart = r.ReadInteger();
            p.UseElevation = r.ReadInteger();
            p.ValElevation = ReadReal();
            if (r.GetCurrentLineWordCount() == 11)
                p.PrintTZCurves = r.ReadInteger();
            break;
        case TLayout::Previous:
            p.IMOD = r.ReadInteger();
            p.NLRFD = r.ReadInteger();
            break;
        case TLayout::Old:
            if (r.GetCurrentLineWordCount() == 5)
                p.IMOD = r.ReadInteger();
            break;
        }
    }

    void ReadShaftRecord()
    {
        p.DSTART = ReadReal();
        p.DIALIM = ReadReal();
        p.RATIO = ReadReal();
        p.BELANGL = ReadReal();
        p.TOPLENG = ReadReal();
        p.BS = ReadReal();
        p.EPILE = ReadReal();
    }

    void ReadSiteRecord()
    {
        const int layerCount = r.ReadInteger();
        // The layer windows and the analysis handle at most 40 layers.
        if (layerCount > MaxLayerCount)
            RefuseWord(r, "The number of soil layers must not exceed " +
                              std::to_string(MaxLayerCount) + ".");
        p.D().SetRowCount(layerCount);
        p.WTD = ReadReal();
        if (p.METHOD == 1) {
            p.LPD = ReadReal();
            p.PD = 0;
        } else {
            p.PD = ReadReal();
            p.LPD = 0;
        }
        p.FST = ReadReal();
        p.FSB = ReadReal();
    }

    void ReadDesignChartRecords()
    {
        p.PDMIN = ReadReal();
        p.PDINCR = ReadReal();
        p.DIAMINCR = ReadReal();
        const int count = r.ReadInteger();
        if (count > TProgramData::MaxSettlementCount)
            RefuseWord(r, "The number of design-chart settlements must not exceed " +
                              std::to_string(TProgramData::MaxSettlementCount) + ".");
        // A negative count names no settlements.
        p.NPOINTPD = count < 0 ? 0 : count;
        if (p.NPOINTPD == 0) {
            // The settlement record of an empty set is an empty line: pass over it.
            if (r.Item() == r.GetCurrentLineWordCount() && r.Line() + 1 < r.GetLineCount() &&
                r.GetWordCount(r.Line() + 1) == 0)
                r.CountWordsLine();
            return;
        }
        for (int i = 0; i < p.NPOINTPD; ++i)
            p.PDSETT[static_cast<std::size_t>(i)] = ReadReal();
    }

    void ReadPropertyRecord(int layer, TGridTable& properties, int row, int kind)
    {
        TGridTable& layers = p.D();
        const auto words = PropertyRecord::ForKind(kind, fLayout != TLayout::Current);
        int lineWords = 0;
        bool first = true;
        for (const TRecordWord& word : words) {
            switch (word.Slot) {
            case TRecordSlot::Placeholder:
                r.ReadWord();
                break;
            case TRecordSlot::Real:
                properties.SetFloatValue(word.Column, row, ReadReal());
                break;
            case TRecordSlot::Integer:
                properties.SetIntValue(word.Column, row, r.ReadInteger());
                break;
            case TRecordSlot::SideLimit:
                layers.SetFloatValue(LayerColumn::MaxSideFriction, layer, ReadReal());
                break;
            case TRecordSlot::BaseLimit:
                layers.SetFloatValue(LayerColumn::MaxEndBearing, layer, ReadReal());
                break;
            }
            if (first) {
                lineWords = r.GetCurrentLineWordCount();
                first = false;
            }
        }
        // The LRFD factors are optional; without them they keep their default 1.
        if (lineWords == static_cast<int>(words.size()) + 2) {
            layers.SetFloatValue(LayerColumn::PhiSide, layer, ReadReal());
            layers.SetFloatValue(LayerColumn::PhiBase, layer, ReadReal());
        }
    }

    void ReadLayerBlock(int layer)
    {
        TGridTable& layers = p.D();
        const int kind = r.ReadInteger();
        // Setting the kind gives the row a fresh two-row property table of that kind.
        layers.SetIntValue(LayerColumn::Kind, layer, kind);
        layers.SetFloatValue(LayerColumn::Depth, layer, ReadReal());
        TGridTable* properties = p.LayerProperties(layer);
        if (!IsMaterialKind(kind) || properties == nullptr)
            return;
        properties->EnsureMinRows();
        ReadPropertyRecord(layer, *properties, TopRow, kind);
        ReadPropertyRecord(layer, *properties, BottomRow, kind);

        if (kind == KindSand) {
            int method = r.ReadInteger();
            int column = SandColumn::OCR;
            if (fLayout == TLayout::Current) {
                if (method == SandKoMethod)
                    column = SandColumn::Ko;
                else if (method == SandBetaMethod)
                    column = SandColumn::Beta;
            } else if (method == SandKoMethod) {
                column = SandColumn::Ko;
            } else {
                // Older releases knew two procedures: anything but Ko is the beta method.
                // Storing it as such keeps the beta values when the project is saved again.
                method = SandBetaMethod;
                column = SandColumn::Beta;
            }
            properties->SetIntValue(SandColumn::Method, TopRow, method);
            properties->SetIntValue(SandColumn::Method, BottomRow, method);
            properties->SetFloatValue(column, TopRow, ReadReal());
            properties->SetFloatValue(column, BottomRow, ReadReal());
        } else if (kind == KindClay || kind == KindShale) {
            properties->SetFloatValue(ClayColumn::Alpha, TopRow, ReadReal());
            properties->SetFloatValue(ClayColumn::Alpha, BottomRow, ReadReal());
        }
    }

    void ReadTZDepths()
    {
        const int count = r.ReadInteger();
        if (count > MaxTZDepthCount)
            RefuseWord(r, "The number of t-z curve depths must not exceed " +
                              std::to_string(MaxTZDepthCount) + ".");
        TGridTable& depths = p.TblTZDepth();
        depths.SetRowCount(count);
        for (int row = 0; row < depths.RowCount(); ++row)
            depths.SetFloatValue(0, row, ReadReal());
    }

    TProgramData& p;
    TWordReader& r;
    TLayout& fLayout;
    bool fRecognise;
};

std::string ReadProject(TProgramData& project, const std::filesystem::path& fileName,
                        std::optional<TLayout> layout)
{
    project.FileName = fileName.string();
    project.SetUnits(1);
    project.EmptyTables();
    std::string message;
    TLayout read = layout.value_or(TLayout::Current);
    try {
        TWordReader reader(fileName);
        TProjectReader(project, reader, read, !layout).Read();
    } catch (const EInOutError& error) {
        message = error.what();
    } catch (const std::exception& error) {
        // Not a format error of the file (for example memory exhausted): reported the same
        // way, keeping what was read.
        message = error.what();
    }
    // The older layouts hold no design-chart settlements: a recognised one gets the defaults.
    if (!layout && read != TLayout::Current)
        project.InitPDSET();
    // Whatever was read stays; a project always has its minimum rows.
    project.PadTablesToMinRows();
    project.SetDataChanged(false);
    return message;
}

} // namespace

std::string ReadVersion8(TProgramData& project, const std::filesystem::path& fileName)
{
    return ReadProject(project, fileName, TLayout::Current);
}

std::string ReadPrevVersions(TProgramData& project, const std::filesystem::path& fileName,
                             bool IsNewVer)
{
    return ReadProject(project, fileName, IsNewVer ? TLayout::Previous : TLayout::Old);
}

std::string ReadProjectFile(TProgramData& project, const std::filesystem::path& fileName)
{
    return ReadProject(project, fileName, std::nullopt);
}

} // namespace korva::gui
