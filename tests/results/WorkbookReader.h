#pragma once
// Reads back an .xlsx workbook (a zip of XML parts) for the tests: sheet names in order, cells
// of a worksheet with their type, hyperlinks, and the XML of the chart on a chart sheet.
#include <minizip/unzip.h>

#include <map>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace workbook_test {

inline std::string Unescape(std::string text)
{
    static const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities) {
        std::size_t at = 0;
        while ((at = text.find(from, at)) != std::string::npos) {
            text.replace(at, std::string(from).size(), to);
            at += std::string(to).size();
        }
    }
    return text;
}

// Every regex match of `pattern` in `text`, group `group`.
inline std::vector<std::string> All(const std::string& text, const std::string& pattern,
                                    int group = 1)
{
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it)
        found.push_back((*it)[group].str());
    return found;
}

inline std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

struct TCell
{
    bool Number = false; // a number cell; otherwise a string cell
    std::string Text;    // the string, or the number as written in the file
};

class TWorkbookReader
{
  public:
    // Reads every part; throws when the file is no zip or an entry fails its checksum.
    explicit TWorkbookReader(const std::string& path)
    {
        unzFile zip = unzOpen64(path.c_str());
        if (zip == nullptr)
            throw std::runtime_error("not a zip: " + path);
        for (int s = unzGoToFirstFile(zip); s == UNZ_OK; s = unzGoToNextFile(zip)) {
            char name[512] = {};
            unzGetCurrentFileInfo64(zip, nullptr, name, sizeof name, nullptr, 0, nullptr, 0);
            std::string contents;
            char buffer[65536];
            int read = 0;
            if (unzOpenCurrentFile(zip) != UNZ_OK)
                throw std::runtime_error(std::string("unreadable entry ") + name);
            while ((read = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
                contents.append(buffer, static_cast<std::size_t>(read));
            if (read < 0 || unzCloseCurrentFile(zip) != UNZ_OK)
                throw std::runtime_error(std::string("damaged entry ") + name);
            fParts[name] = contents;
            fOrder.push_back(name);
        }
        unzClose(zip);
        for (const std::string& s : All(Part("xl/sharedStrings.xml"), "<si>(.*?)</si>"))
            fStrings.push_back(Unescape(Join(All(s, "<t(?: [^>]*)?>([^<]*)</t>"))));
    }

    const std::string& Part(const std::string& name) const
    {
        auto it = fParts.find(name);
        if (it == fParts.end())
            throw std::runtime_error("no part " + name);
        return it->second;
    }
    const std::vector<std::string>& PartNames() const { return fOrder; }

    std::vector<std::string> SheetNames() const
    {
        std::vector<std::string> names;
        for (const std::string& n : All(Part("xl/workbook.xml"), "<sheet name=\"([^\"]*)\""))
            names.push_back(Unescape(n));
        return names;
    }

    // The XML part of a sheet (worksheet or chart sheet) by its name.
    std::string SheetPart(const std::string& sheet) const
    {
        const std::regex re("<sheet name=\"" + sheet + "\"[^>]* r:id=\"([^\"]*)\"");
        std::smatch m;
        const std::string& book = Part("xl/workbook.xml");
        if (!std::regex_search(book, m, re))
            throw std::runtime_error("no sheet " + sheet);
        return "xl/" + Target("xl/_rels/workbook.xml.rels", m[1].str());
    }

    std::optional<TCell> Cell(const std::string& sheet, const std::string& ref) const
    {
        const std::string& xml = Part(SheetPart(sheet));
        const std::regex re("<c r=\"" + ref + "\"([^>]*?)(?:/>|>(.*?)</c>)");
        std::smatch m;
        if (!std::regex_search(xml, m, re))
            return std::nullopt;
        const std::string attributes = m[1].str();
        const std::vector<std::string> value = All(m[2].str(), "<v>([^<]*)</v>");
        if (value.empty())
            return std::nullopt; // a formatted blank
        TCell cell;
        if (attributes.find("t=\"s\"") != std::string::npos) {
            cell.Text = fStrings.at(std::stoul(value.front()));
        } else if (attributes.find("t=\"str\"") != std::string::npos) {
            cell.Text = Unescape(value.front());
        } else {
            cell.Number = true;
            cell.Text = value.front();
        }
        return cell;
    }

    // Internal hyperlink location of a cell ("Page_1!A1"), empty when there is none.
    std::string Link(const std::string& sheet, const std::string& ref) const
    {
        const std::vector<std::string> found = All(
            Part(SheetPart(sheet)), "<hyperlink ref=\"" + ref + "\"[^>]* location=\"([^\"]*)\"");
        return found.empty() ? std::string() : Unescape(found.front());
    }

    // The chart XML shown on a chart sheet.
    std::string Chart(const std::string& chartSheet) const
    {
        const std::string sheet = SheetPart(chartSheet);
        const std::string drawing = Resolve(sheet, Only(Rels(sheet)));
        return Part(Resolve(drawing, Only(Rels(drawing))));
    }

  private:
    static std::string Join(const std::vector<std::string>& parts)
    {
        std::string all;
        for (const std::string& p : parts)
            all += p;
        return all;
    }

    // Targets of the relationship part of `part`.
    std::vector<std::string> Rels(const std::string& part) const
    {
        const std::size_t slash = part.rfind('/');
        const std::string rels =
            part.substr(0, slash) + "/_rels/" + part.substr(slash + 1) + ".rels";
        return All(Part(rels), "Target=\"([^\"]*)\"");
    }
    static std::string Only(const std::vector<std::string>& targets)
    {
        if (targets.size() != 1)
            throw std::runtime_error("expected one relationship");
        return targets.front();
    }
    // A relative target ("../drawings/drawing1.xml") against the folder of `part`.
    static std::string Resolve(const std::string& part, std::string target)
    {
        std::string folder = part.substr(0, part.rfind('/'));
        while (target.rfind("../", 0) == 0) {
            target.erase(0, 3);
            folder = folder.substr(0, folder.rfind('/'));
        }
        return folder + "/" + target;
    }
    std::string Target(const std::string& rels, const std::string& id) const
    {
        const std::vector<std::string> found =
            All(Part(rels), "Id=\"" + id + "\"[^>]* Target=\"([^\"]*)\"");
        if (found.empty())
            throw std::runtime_error("no relationship " + id);
        return found.front();
    }

    std::map<std::string, std::string> fParts;
    std::vector<std::string> fOrder;
    std::vector<std::string> fStrings;
};

} // namespace workbook_test
