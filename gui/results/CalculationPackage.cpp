#include "gui/results/CalculationPackage.h"

#include "gui/model/FileReplace.h"
#include "gui/model/InOutError.h"
#include "gui/results/PlotPainter.h"
#include "gui/results/PlotScale.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace korva::gui {

namespace {

constexpr int kResolution = 600; // device pixels per inch of the PDF pages
constexpr double kMarginInches = 0.75;
constexpr double kPointsPerInch = 72.0;
// The report is set at this size, smaller only when its longest line would not fit the
// width, and never below the smallest size; still longer lines continue on the next line.
constexpr double kReportPoints = 10.0;
constexpr double kSmallestReportPoints = 6.0;
constexpr int kReportTabWidth = 8;
constexpr double kHeaderPoints = 9.0;
constexpr double kPlotBasePoints = 10.0; // plot text before the graph's text size applies

int Pixels(double points)
{
    return static_cast<int>(std::lround(points * kResolution / kPointsPerInch));
}

QFont ReportFont(double points)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(std::max(1, Pixels(points)));
    return font;
}

QFont TextFont(double points, bool bold)
{
    return GraphFont(Pixels(points), bold);
}

QString UnitsText(int units)
{
    return units == 2 ? QStringLiteral("SI Units (kN, m)")
                      : QStringLiteral("English Units (lbs, ft, in)");
}

QString DesignMethodText(int nlrfd)
{
    return nlrfd == 1 ? QStringLiteral("LRFD (Load Resistance Factor Design)")
                      : QStringLiteral("ASD (Allowable Stress Design)");
}

// Paper of the project's unit system: US Letter for English units, A4 for SI.
QPageSize PaperFor(int units)
{
    return QPageSize(units == 2 ? QPageSize::A4 : QPageSize::Letter);
}

// The report's bytes as text: UTF-8 when they are valid UTF-8, else Latin-1 (older files).
QString DecodeReport(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError())
        text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return text;
}

QString ExpandTabs(const QString& line)
{
    QString expanded;
    for (QChar c : line) {
        if (c == u'\t')
            expanded += QString(kReportTabWidth - expanded.size() % kReportTabWidth, u' ');
        else
            expanded += c;
    }
    return expanded;
}

// One report line of the page: its text, or a page break (form feed).
struct TReportLine
{
    QString Text;
    bool PageBreak = false;
};

std::vector<TReportLine> ReportLines(const std::string& report)
{
    std::vector<TReportLine> lines;
    QString text = DecodeReport(report);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    if (text.isEmpty())
        return lines;
    for (const QString& raw : text.split(u'\n')) {
        const QStringList parts = raw.split(u'\f');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                lines.push_back({QString(), true});
            QString line = ExpandTabs(parts[i]);
            // Control characters have no glyph; a blank keeps the columns.
            for (QChar& c : line)
                if (c.unicode() < 0x20)
                    c = u' ';
            if (i == 0 || !line.isEmpty())
                lines.push_back({line, false});
        }
    }
    return lines;
}

// The lines of the report cut into pages of at most `perPage` lines of at most `columns`
// characters; longer lines continue on the next line.
std::vector<QStringList> ReportPages(const std::vector<TReportLine>& lines, int perPage,
                                     int columns)
{
    std::vector<QStringList> pages;
    QStringList page;
    auto flush = [&] {
        if (!page.isEmpty())
            pages.push_back(page);
        page.clear();
    };
    for (const TReportLine& line : lines) {
        if (line.PageBreak) {
            flush();
            continue;
        }
        QString rest = line.Text;
        do {
            if (page.size() >= perPage)
                flush();
            page << rest.left(columns);
            rest = rest.mid(columns);
        } while (!rest.isEmpty());
    }
    flush();
    return pages;
}

class TPackageWriter
{
  public:
    TPackageWriter(const std::string& fileName, const TCalculationPackage& package)
        : fFileName(fileName), fPackage(package), fWriter(&fBuffer)
    {
        fBuffer.open(QIODevice::WriteOnly);
        fWriter.setResolution(kResolution);
        fWriter.setTitle(QString::fromStdString(package.ProjectTitle).trimmed());
        fWriter.setCreator(QStringLiteral("Korva ") +
                           QString::fromStdString(package.ProgramVersion));
        fWriter.setPageLayout(Layout(QPageLayout::Portrait));
    }

    TPackagePages Write()
    {
        PrepareReport();
        TPackagePages pages;
        pages.Report = static_cast<int>(fReportPages.size());
        pages.Plots = static_cast<int>(fPackage.Plots.size());
        fTotalPages = pages.Total();
        if (!fPainter.begin(&fWriter))
            Fail("the PDF cannot be started");
        TitlePage(pages);
        for (const QStringList& page : fReportPages) {
            NewPage(QPageLayout::Portrait);
            ReportPage(page);
        }
        for (const TGraphPlot* plot : fPackage.Plots) {
            NewPage(QPageLayout::Landscape);
            PlotPage(*plot);
        }
        if (!fPainter.end())
            Fail("the PDF cannot be finished");
        fBuffer.close();
        try {
            const QByteArray& bytes = fBuffer.data();
            WriteFileReplacing(fFileName, std::string_view(bytes.constData(),
                                                           static_cast<std::size_t>(bytes.size())));
        } catch (const std::exception& e) {
            throw EInOutError(std::string("The calculation package could not be written: ") +
                              e.what());
        }
        return pages;
    }

  private:
    [[noreturn]] void Fail(const std::string& reason) const
    {
        throw EInOutError("The calculation package could not be written: " + fFileName + ": " +
                          reason);
    }

    QPageLayout Layout(QPageLayout::Orientation orientation) const
    {
        const QMarginsF margins(kMarginInches, kMarginInches, kMarginInches, kMarginInches);
        return QPageLayout(PaperFor(fPackage.Units), orientation, margins, QPageLayout::Inch);
    }

    void NewPage(QPageLayout::Orientation orientation)
    {
        if (fWriter.pageLayout().orientation() != orientation)
            fWriter.setPageLayout(Layout(orientation));
        if (!fWriter.newPage())
            Fail("a page cannot be added");
        ++fPage;
    }

    // The printable area of the current page in device pixels, origin at its upper left.
    QRect Area() const
    {
        const QRect paint = fWriter.pageLayout().paintRectPixels(kResolution);
        return QRect(0, 0, paint.width(), paint.height());
    }

    // Running header (project title, program) and footer (page number); returns the room left
    // between them.
    QRect HeaderAndFooter()
    {
        const QRect area = Area();
        fPainter.setPen(Qt::black);
        fPainter.setFont(TextFont(kHeaderPoints, false));
        QFontMetricsF fm(fPainter.font(), &fWriter);
        const int line = static_cast<int>(std::ceil(fm.height()));
        const QString title = QString::fromStdString(fPackage.ProjectTitle).trimmed();
        const QString program =
            QStringLiteral("Korva ") + QString::fromStdString(fPackage.ProgramVersion);
        const int programWidth = static_cast<int>(std::ceil(fm.horizontalAdvance(program)));
        const QRect titleBox(area.left(), area.top(), area.width() - programWidth - line, line);
        fPainter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter,
                          fm.elidedText(title, Qt::ElideRight, titleBox.width()));
        fPainter.drawText(QRect(area.left(), area.top(), area.width(), line),
                          Qt::AlignRight | Qt::AlignVCenter, program);
        const int rule = area.top() + line + line / 4;
        fPainter.setPen(QPen(Qt::black, Pixels(0.5)));
        fPainter.drawLine(area.left(), rule, area.right(), rule);
        fPainter.setPen(Qt::black);
        const QString number = QStringLiteral("Page %1 of %2").arg(fPage).arg(fTotalPages);
        fPainter.drawText(QRect(area.left(), area.bottom() - line, area.width(), line),
                          Qt::AlignHCenter | Qt::AlignVCenter, number);
        return QRect(QPoint(area.left(), rule + line / 2),
                     QPoint(area.right(), area.bottom() - line - line / 2));
    }

    void PrepareReport()
    {
        const std::vector<TReportLine> lines = ReportLines(fPackage.Report);
        qsizetype longest = 0;
        for (const TReportLine& line : lines)
            longest = std::max(longest, line.Text.size());
        const QRect area = Area();
        // Height left for the report lines: the page less the header and footer.
        QFontMetricsF header(TextFont(kHeaderPoints, false), &fWriter);
        const double reserved = 4 * std::ceil(header.height());
        double points = kReportPoints;
        QFontMetricsF fm(ReportFont(points), &fWriter);
        const double width = fm.horizontalAdvance(u'M');
        if (longest > 0 && width * static_cast<double>(longest) > area.width())
            points = std::max(kSmallestReportPoints, kReportPoints * area.width() /
                                                         (width * static_cast<double>(longest)));
        fReportFont = ReportFont(points);
        QFontMetricsF chosen(fReportFont, &fWriter);
        fReportLineHeight = chosen.lineSpacing();
        const int columns =
            std::max(1, static_cast<int>(area.width() / chosen.horizontalAdvance(u'M')));
        const int perPage =
            std::max(1, static_cast<int>((area.height() - reserved) / fReportLineHeight));
        fReportPages = ReportPages(lines, perPage, columns);
    }

    void ReportPage(const QStringList& lines)
    {
        const QRect room = HeaderAndFooter();
        fPainter.setFont(fReportFont);
        QFontMetricsF fm(fReportFont, &fWriter);
        double baseline = room.top() + fm.ascent();
        for (const QString& line : lines) {
            fPainter.drawText(QPointF(room.left(), baseline), line);
            baseline += fReportLineHeight;
        }
    }

    void PlotPage(const TGraphPlot& graph)
    {
        const QRect room = HeaderAndFooter();
        fPainter.setFont(TextFont(14, true));
        QFontMetricsF fm(fPainter.font(), &fWriter);
        const int captionHeight = static_cast<int>(std::ceil(fm.height()));
        fPainter.drawText(QRect(room.left(), room.top(), room.width(), captionHeight),
                          Qt::AlignHCenter | Qt::AlignVCenter,
                          QString::fromStdString(graph.Caption).trimmed());
        TDeviceRect drawing;
        drawing.Left = room.left();
        drawing.Top = room.top() + captionHeight + captionHeight / 2;
        drawing.Right = room.right();
        // Clear of the page number below the axis.
        drawing.Bottom = room.bottom() - captionHeight / 2;
        PaintPlotOnPage(graph, FullExtent(graph), fPainter, drawing, kResolution,
                        Pixels(kPlotBasePoints), TLegendAnchor{});
    }

    void TitlePage(const TPackagePages& pages)
    {
        const QRect room = HeaderAndFooter();
        int y = room.top() + Pixels(36);
        auto line = [&](const QString& text, double points, bool bold, int flags = Qt::AlignLeft,
                        int indent = 0) {
            fPainter.setFont(TextFont(points, bold));
            QFontMetricsF fm(fPainter.font(), &fWriter);
            const int h = static_cast<int>(std::ceil(fm.lineSpacing()));
            fPainter.drawText(QRect(room.left() + indent, y, room.width() - indent, h),
                              flags | Qt::AlignVCenter,
                              fm.elidedText(text, Qt::ElideRight, room.width() - indent));
            y += h;
        };
        line(QStringLiteral("Calculation Package"), 18, true, Qt::AlignHCenter);
        line(QStringLiteral("Drilled shaft axial capacity and load-settlement analysis"), 12, false,
             Qt::AlignHCenter);
        y += Pixels(24);
        line(QString::fromStdString(fPackage.ProjectTitle).trimmed(), 14, true, Qt::AlignHCenter);
        y += Pixels(24);

        const std::pair<QString, QString> fields[] = {
            {QStringLiteral("Project file"), QString::fromStdString(fPackage.ProjectFile)},
            {QStringLiteral("Analysis run"), QString::fromStdString(fPackage.RunTime)},
            {QStringLiteral("Program"),
             QStringLiteral("Korva ") + QString::fromStdString(fPackage.ProgramVersion)},
            {QStringLiteral("Units"), UnitsText(fPackage.Units)},
            {QStringLiteral("Design method"), DesignMethodText(fPackage.NLRFD)},
        };
        const int valueIndent = Pixels(110);
        for (const auto& [label, value] : fields) {
            const int top = y;
            line(label + QStringLiteral(":"), 11, true);
            y = top;
            line(value, 11, false, Qt::AlignLeft, valueIndent);
        }
        y += Pixels(24);

        // Contents: the report's pages, then each plot with its page; set smaller when many
        // plots would not leave room for the sign-off block.
        line(QStringLiteral("Contents"), 12, true);
        const int signOffHeight = Pixels(80);
        const int entries = 1 + pages.Plots;
        const double available = room.bottom() - signOffHeight - y;
        double points = 10;
        QFontMetricsF fm(TextFont(points, false), &fWriter);
        if (entries * fm.lineSpacing() > available && available > 0)
            points = std::max(5.0, points * available / (entries * fm.lineSpacing()));
        auto entry = [&](const QString& text, const QString& page) {
            const int top = y;
            line(text, points, false, Qt::AlignLeft, Pixels(12));
            y = top;
            line(page, points, false, Qt::AlignRight);
        };
        if (pages.Report > 0)
            entry(QStringLiteral("Analysis report"),
                  pages.Report == 1 ? QStringLiteral("page 2")
                                    : QStringLiteral("pages 2-%1").arg(1 + pages.Report));
        else
            entry(QStringLiteral("Analysis report"), QStringLiteral("(empty)"));
        for (int i = 0; i < pages.Plots; ++i)
            entry(QString::fromStdString(fPackage.Plots[static_cast<std::size_t>(i)]->Caption)
                      .trimmed(),
                  QStringLiteral("page %1").arg(2 + pages.Report + i));

        y = room.bottom() - signOffHeight + Pixels(24);
        fPainter.setPen(QPen(Qt::black, Pixels(0.5)));
        fPainter.setFont(TextFont(11, false));
        for (const QString& role : {QStringLiteral("Prepared by"), QStringLiteral("Checked by")}) {
            QFontMetricsF metrics(fPainter.font(), &fWriter);
            fPainter.drawText(QPointF(room.left(), y), role + QStringLiteral(":"));
            const int nameLeft = room.left() + Pixels(80);
            const int dateLabel = room.left() + room.width() * 2 / 3;
            fPainter.drawLine(nameLeft, y + Pixels(2), dateLabel - Pixels(12), y + Pixels(2));
            fPainter.drawText(QPointF(dateLabel, y), QStringLiteral("Date:"));
            fPainter.drawLine(dateLabel + static_cast<int>(metrics.horizontalAdvance("Date: ")),
                              y + Pixels(2), room.right(), y + Pixels(2));
            y += Pixels(28);
        }
    }

    std::string fFileName;
    const TCalculationPackage& fPackage;
    QBuffer fBuffer;
    QPdfWriter fWriter;
    QPainter fPainter;
    int fPage = 1;
    int fTotalPages = 1;
    QFont fReportFont;
    double fReportLineHeight = 1;
    std::vector<QStringList> fReportPages;
};

} // namespace

TCalculationPackage CalculationPackageOfRun(const std::string& projectFile,
                                            const std::string& projectTitle, int units, int nlrfd,
                                            const std::string& programVersion,
                                            std::vector<const TGraphPlot*> plots)
{
    const std::filesystem::path report =
        std::filesystem::path(projectFile).replace_extension(".kv8o");
    std::ifstream in(report, std::ios::binary);
    if (!in)
        throw EInOutError("The report " + report.string() + " cannot be read.");
    TCalculationPackage package;
    package.Report.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        throw EInOutError("The report " + report.string() + " cannot be read.");
    package.ProjectTitle = projectTitle;
    package.ProjectFile = projectFile;
    package.RunTime = QFileInfo(QString::fromStdString(report.string()))
                          .lastModified()
                          .toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                          .toStdString();
    package.ProgramVersion = programVersion;
    package.Units = units;
    package.NLRFD = nlrfd;
    package.Plots = std::move(plots);
    return package;
}

TPackagePages WriteCalculationPackage(const std::string& fileName,
                                      const TCalculationPackage& package)
{
    TPackageWriter writer(fileName, package);
    return writer.Write();
}

} // namespace korva::gui
