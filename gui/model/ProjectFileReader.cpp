#include <exception>
#include <string>

#include "gui/model/InOutError.h"
#include "gui/model/LayerTables.h"
#include "gui/model/ProgramData.h"
#include "gui/model/ProjectFile.h"
#include "gui/model/PropertyRecordLayout.h"
#include "gui/model/WordReader.h"

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

class TProjectReader
{
  public:
    TProjectReader(TProgramData& project, TWordReader& reader, TLayout layout)
        : p(project), r(reader), fLayout(layout)
    {
    }

    void Read()
    {
        // Record 1: the whole line, untrimmed.
        p.Title = r.ReadLine();
        // Record 2: the project holds no values yet, so nothing is converted.
        p.SetUnits(r.ReadInteger());
        ReadControlRecord();
        ReadShaftRecord();
        ReadSiteRecord();
        if (fLayout == TLayout::Current) {
            if (p.IPENT > 0) {
                p.PDMIN = r.ReadFloat();
                p.PDINCR = r.ReadFloat();
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
    void ReadControlRecord()
    {
        p.METHOD = r.ReadInteger();
        p.KCYCL = r.ReadInteger();
        p.RCYCL = r.ReadFloat();
        p.PINC = r.ReadFloat();
        p.IMOD = 1;
        p.Yesnewversion = fLayout == TLayout::Old ? 0 : 1;
        switch (fLayout) {
        case TLayout::Current:
            p.IMOD = r.ReadInteger();
            p.NLRFD = r.ReadInteger();
            p.IPENT = r.ReadInteger();
            p.IChart = r.ReadInteger();
            p.UseElevation = r.ReadInteger();
            p.ValElevation = r.ReadFloat();
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
        p.DSTART = r.ReadFloat();
        p.DIALIM = r.ReadFloat();
        p.RATIO = r.ReadFloat();
        p.BELANGL = r.ReadFloat();
        p.TOPLENG = r.ReadFloat();
        p.BS = r.ReadFloat();
        p.EPILE = r.ReadFloat();
    }

    void ReadSiteRecord()
    {
        const int layerCount = r.ReadInteger();
        // The layer windows and the analysis handle at most 40 layers.
        if (layerCount > MaxLayerCount)
            RefuseWord(r, "The number of soil layers must not exceed " +
                              std::to_string(MaxLayerCount) + ".");
        p.D().SetRowCount(layerCount);
        p.WTD = r.ReadFloat();
        if (p.METHOD == 1) {
            p.LPD = r.ReadFloat();
            p.PD = 0;
        } else {
            p.PD = r.ReadFloat();
            p.LPD = 0;
        }
        p.FST = r.ReadFloat();
        p.FSB = r.ReadFloat();
    }

    void ReadDesignChartRecords()
    {
        p.PDMIN = r.ReadFloat();
        p.PDINCR = r.ReadFloat();
        p.DIAMINCR = r.ReadFloat();
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
            p.PDSETT[static_cast<std::size_t>(i)] = r.ReadFloat();
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
                properties.SetFloatValue(word.Column, row, r.ReadFloat());
                break;
            case TRecordSlot::Integer:
                properties.SetIntValue(word.Column, row, r.ReadInteger());
                break;
            case TRecordSlot::SideLimit:
                layers.SetFloatValue(LayerColumn::MaxSideFriction, layer, r.ReadFloat());
                break;
            case TRecordSlot::BaseLimit:
                layers.SetFloatValue(LayerColumn::MaxEndBearing, layer, r.ReadFloat());
                break;
            }
            if (first) {
                lineWords = r.GetCurrentLineWordCount();
                first = false;
            }
        }
        // The LRFD factors are optional; without them they keep their default 1.
        if (lineWords == static_cast<int>(words.size()) + 2) {
            layers.SetFloatValue(LayerColumn::PhiSide, layer, r.ReadFloat());
            layers.SetFloatValue(LayerColumn::PhiBase, layer, r.ReadFloat());
        }
    }

    void ReadLayerBlock(int layer)
    {
        TGridTable& layers = p.D();
        const int kind = r.ReadInteger();
        // Setting the kind gives the row a fresh two-row property table of that kind.
        layers.SetIntValue(LayerColumn::Kind, layer, kind);
        layers.SetFloatValue(LayerColumn::Depth, layer, r.ReadFloat());
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
            properties->SetFloatValue(column, TopRow, r.ReadFloat());
            properties->SetFloatValue(column, BottomRow, r.ReadFloat());
        } else if (kind == KindClay || kind == KindShale) {
            properties->SetFloatValue(ClayColumn::Alpha, TopRow, r.ReadFloat());
            properties->SetFloatValue(ClayColumn::Alpha, BottomRow, r.ReadFloat());
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
            depths.SetFloatValue(0, row, r.ReadFloat());
    }

    TProgramData& p;
    TWordReader& r;
    TLayout fLayout;
};

std::string ReadProject(TProgramData& project, const std::filesystem::path& fileName,
                        TLayout layout)
{
    project.FileName = fileName.string();
    project.SetUnits(1);
    project.EmptyTables();
    std::string message;
    try {
        TWordReader reader(fileName);
        TProjectReader(project, reader, layout).Read();
    } catch (const EInOutError& error) {
        message = error.what();
    } catch (const std::exception& error) {
        // Not a format error of the file (for example memory exhausted): reported the same
        // way, keeping what was read.
        message = error.what();
    }
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
