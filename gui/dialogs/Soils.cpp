#include "gui/dialogs/Soils.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/DataEdit.h"
#include "gui/controls/EntryMessage.h"
#include "gui/controls/GridTable.h"
#include "gui/model/LayerTables.h"
#include "gui/model/NumberText.h"
#include "gui/model/ProgramData.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <climits>
#include <cmath>

namespace korva::gui {

namespace {

constexpr const char* KoMessage = "Coefficient of Lateral Earth Pressure, Ko,\rshould be greater "
                                  "than zero while using Ko Method\rPlease Check!";

// Heading of the page by kind 1-9.
constexpr const char* KindHeadings[MaterialKindCount] = {
    "Sand (FHWA Spec.)",
    "Clay (FHWA Spec.)",
    "Shale (Reese and Aurora)",
    "Strong Rock (FHWA Spec. - use either side friction or end bearing)",
    "Decomposed Rock/Gravel (FHWA Spec.)",
    "Weak Rock (FHWA Spec.)",
    "Strong Rock (FHWA Spec. - side friction plus end bearing)",
    "Gravelly Sand (Rollins et al)",
    "Gravel (Rollins et al)",
};

// A whole number for an integer cell: nearest, halves to the even neighbour.
int WholeNumber(long double value)
{
    const long double rounded = std::nearbyint(value);
    if (!(rounded < INT_MAX))
        return INT_MAX;
    if (!(rounded > INT_MIN))
        return INT_MIN;
    return static_cast<int>(rounded);
}

long double CellValue(const TGridTable& table, int column, int row)
{
    return table.Column(column).Type() == TColumnType::Float ? table.GetFloatValue(column, row)
                                                             : table.GetIntValue(column, row);
}

// The text an entry field shows for a value.
QString FieldText(long double value)
{
    return QString::fromStdString(GeneralNumberText(value, 8, TDataEdit::DecimalSeparator()));
}

} // namespace

int TDlgSoils::PageOfKind(int kind)
{
    switch (kind) {
    case KindSand:
        return SandPage;
    case KindClay:
    case KindShale:
        return ClayPage;
    case KindStrongRock:
    case KindStrongRockBoth:
        return RockPage;
    case KindDecomposedRock:
        return DecomposedRockPage;
    case KindWeakRock:
        return WeakRockPage;
    case KindGravellySand:
    case KindGravel:
        return GravelPage;
    default:
        return -1;
    }
}

TDlgSoils::TDlgSoils(TProgramData& project, QWidget* parent) : QDialog(parent), fProject(project)
{
    setObjectName("Soils");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fPages = new QTabWidget(this);
    fPages->setObjectName("Pages");
    layout->addWidget(fPages);

    BuildSandPage();
    BuildClayPage();
    BuildRockPage();
    BuildDecomposedRockPage();
    BuildWeakRockPage();
    BuildGravelPage();
    // Space a page does not fill stays below its notes.
    for (TPage& page : fPage)
        static_cast<QVBoxLayout*>(page.Widget->layout())->addStretch();

    auto* buttons = new QHBoxLayout;
    fCopy = new QPushButton("Copy Values From Top To Bottom", this);
    fCopy->setObjectName("CopyTopToBottom");
    fClose = new QPushButton("Close", this);
    fClose->setObjectName("Close");
    for (QPushButton* button : {fCopy, fClose})
        button->setAutoDefault(false);
    buttons->addWidget(fCopy);
    buttons->addStretch();
    buttons->addWidget(fClose);
    layout->addLayout(buttons);
    connect(fCopy, &QPushButton::clicked, this, [this] { CopyTopToBottomClick(); });
    connect(fClose, &QPushButton::clicked, this, [this] { CloseClick(); });
}

// --- Pages -------------------------------------------------------------------------------------

QWidget* TDlgSoils::NewPage(Page page, const char* name, const char* tabCaption)
{
    auto* widget = new QWidget;
    widget->setObjectName(name);
    auto* layout = new QVBoxLayout(widget);
    auto* heading = new QLabel(widget);
    heading->setObjectName("Heading");
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    layout->addWidget(heading);
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(1, 110);
    grid->setColumnMinimumWidth(2, 110);
    // Column captions over the two fields of each value.
    auto* top = new QLabel("Top of Layer", widget);
    auto* bottom = new QLabel("Bottom of Layer", widget);
    grid->addWidget(top, 0, 1, Qt::AlignHCenter);
    grid->addWidget(bottom, 0, 2, Qt::AlignHCenter);
    layout->addLayout(grid);
    fPages->addTab(widget, tabCaption);
    fPage[page].Widget = widget;
    fPage[page].Heading = heading;
    fGrid[page] = grid;
    fNextRow[page] = 1;
    return widget;
}

TDlgSoils::TFieldPair& TDlgSoils::AddValue(Page page, const char* caption, const char* unitCode,
                                           int column, bool blowCounts)
{
    QWidget* widget = fPage[page].Widget;
    auto* label = new QLabel(widget);
    TFieldPair pair;
    pair.Top = new TDataEdit(widget);
    pair.Bottom = new TDataEdit(widget);
    pair.Column = column;
    pair.BlowCounts = blowCounts;
    pair.Top->setObjectName(QString("Top_%1").arg(column));
    pair.Bottom->setObjectName(QString("Bottom_%1").arg(column));
    // Only the top field has a label: the caption with the unit text.
    pair.Top->SetUnitsString(unitCode);
    pair.Top->SetCaption(caption);
    pair.Top->SetEditLabel(label);
    pair.Bottom->SetUnitsString(unitCode);
    const int row = fNextRow[page]++;
    fGrid[page]->addWidget(label, row, 0);
    fGrid[page]->addWidget(pair.Top, row, 1);
    fGrid[page]->addWidget(pair.Bottom, row, 2);
    fPage[page].Fields.push_back(pair);
    return fPage[page].Fields.back();
}

QLabel* TDlgSoils::AddNote(Page page, const QString& text)
{
    QWidget* widget = fPage[page].Widget;
    auto* note = new QLabel(text, widget);
    widget->layout()->addWidget(note);
    return note;
}

void TDlgSoils::BuildSandPage()
{
    QWidget* page = NewPage(SandPage, "Sand", "Sand");
    AddValue(SandPage, "1. Total Unit Weight", "F/L2^3", SandColumn::UnitWeight);
    AddValue(SandPage, "2. Coefficient of Lateral Earth Pressure, Ko", "", SandColumn::Ko);
    AddValue(SandPage, "3. Beta Value (*)", "", SandColumn::Beta);
    AddValue(SandPage, "4. Preconsolidation Stress Exponent (**) (m)", "", SandColumn::OCR);
    AddValue(SandPage, "5. Blow Counts from SPT", "", SandColumn::BlowCounts, true);
    AddValue(SandPage, "6. Friction Angle (***)", "Deg", SandColumn::FrictionAngle);
    AddValue(SandPage, "7. Interface Angle (****)", "Deg", SandColumn::InterfaceAngle);

    auto* group = new QGroupBox("Side Friction Procedure", page);
    group->setObjectName("SideFrictionProcedure");
    auto* groupLayout = new QHBoxLayout(group);
    fSandMethod = new QButtonGroup(this);
    fKoMethod = new QRadioButton("Ko Method", group);
    fKoMethod->setObjectName("KoMethod");
    fBetaMethod = new QRadioButton("Beta Method", group);
    fBetaMethod->setObjectName("BetaMethod");
    fChenKulhawyMethod = new QRadioButton("Chen and Kulhawy (2002) Method", group);
    fChenKulhawyMethod->setObjectName("ChenKulhawyMethod");
    fSandMethod->addButton(fKoMethod, SandKoMethod);
    fSandMethod->addButton(fBetaMethod, SandBetaMethod);
    fSandMethod->addButton(fChenKulhawyMethod, SandChenKulhawyMethod);
    for (QRadioButton* button : {fKoMethod, fBetaMethod, fChenKulhawyMethod})
        groupLayout->addWidget(button);
    page->layout()->addWidget(group);
    connect(fSandMethod, &QButtonGroup::buttonClicked, this, [this] { UpdateSandEnabling(); });

    fNoteEstimate =
        AddNote(SandPage, "(*)  Program will estimate the value internally if it is left as zero ");
    fNoteExponent = AddNote(SandPage, "(**)  Recommended values for m: 0.6 for clean quartzitic "
                                      "sands and 0.8 for silty sands to sandy silts.");
    fNoteFrictionIgnored =
        AddNote(SandPage,
                "(***)  Program will ignore friction angle value if blow counts value is defined");
    fNoteFrictionEstimated =
        AddNote(SandPage, "(***)  Program will estimate friction angle based on blow counts if it "
                          "is left as zero.");
    AddNote(SandPage, "(****)  Blow counts value is required to estimate effective vertical "
                      "preconsolidation stress");
    AddNote(SandPage, "(****)  Program will assume interface angle equal to the friction angle if "
                      "it is left as zero.");
}

void TDlgSoils::BuildClayPage()
{
    NewPage(ClayPage, "Clay", "Clay");
    AddValue(ClayPage, "1. Total Unit Weight", "F/L2^3", ClayColumn::UnitWeight);
    AddValue(ClayPage, "2. Cohesion", "F/L2^2", ClayColumn::Cohesion);
    AddValue(ClayPage, "3. Blow Counts from SPT (*)", "", ClayColumn::BlowCounts, true);
    AddValue(ClayPage, "4. Alpha Factor (**)", "", ClayColumn::Alpha);
    AddValue(ClayPage, "5. Bearing Capacity Coefficient, Nc (**)", "", ClayColumn::Nc);
    AddNote(ClayPage, "(**)  Program will generate internally the value if it is left as zero ");
    AddNote(ClayPage, "(*)  Program will ignore blow count value if cohesion is defined ");
}

void TDlgSoils::BuildRockPage()
{
    NewPage(RockPage, "Rock", "Rock");
    AddValue(RockPage, "1. Rock Compressive Strength", "F/L2^2",
             StrongRockColumn::CompressiveStrength);
    AddValue(RockPage, "2. Concrete Compressive Strength", "F/L2^2",
             StrongRockColumn::ConcreteStrength);
    AddValue(RockPage, "3. Discontinuity Spacing", "L2", StrongRockColumn::DiscontinuitySpacing);
    AddValue(RockPage, "4. Discontinuity Thickness", "L2",
             StrongRockColumn::DiscontinuityThickness);
    AddValue(RockPage, "5. Socket Diameter", "L2", StrongRockColumn::SocketDiameter);
    AddValue(RockPage, "6. Elastic Modulus", "F/L^2", StrongRockColumn::ElasticModulus);
    AddValue(RockPage, "7. RQD, %", "", StrongRockColumn::RQD);
}

void TDlgSoils::BuildDecomposedRockPage()
{
    NewPage(DecomposedRockPage, "DecomposedRock", "Decomp. Rock");
    AddValue(DecomposedRockPage, "1. Total Unit Weight", "F/L2^3",
             DecomposedRockColumn::UnitWeight);
    AddValue(DecomposedRockPage, "2. Blow Counts from SPT", "", DecomposedRockColumn::BlowCounts,
             true);
    AddValue(DecomposedRockPage, "3. Poisson Ratio", "", DecomposedRockColumn::PoissonsRatio);
    AddValue(DecomposedRockPage, "5. Socket Diameter", "L2", DecomposedRockColumn::SocketDiameter);
    AddValue(DecomposedRockPage, "6. Young Modulus (optional)", "F/L^2",
             DecomposedRockColumn::YoungsModulus);
}

void TDlgSoils::BuildWeakRockPage()
{
    QWidget* page = NewPage(WeakRockPage, "WeakRock", "Weak Rock");
    // The interface condition index: a list of "1" to "4" for the top and for the bottom.
    const int row = fNextRow[WeakRockPage]++;
    auto* label = new QLabel("1. Interface Condition Index (*)", page);
    fInterfaceTop = new QComboBox(page);
    fInterfaceTop->setObjectName("InterfaceTop");
    fInterfaceBottom = new QComboBox(page);
    fInterfaceBottom->setObjectName("InterfaceBottom");
    for (QComboBox* list : {fInterfaceTop, fInterfaceBottom})
        list->addItems({"1", "2", "3", "4"});
    label->setBuddy(fInterfaceTop);
    fGrid[WeakRockPage]->addWidget(label, row, 0);
    fGrid[WeakRockPage]->addWidget(fInterfaceTop, row, 1);
    fGrid[WeakRockPage]->addWidget(fInterfaceBottom, row, 2);

    AddValue(WeakRockPage, "2. Rock Compressive Strength", "F/L2^2",
             WeakRockColumn::CompressiveStrength);
    AddValue(WeakRockPage, "3. Concrete Slump", "L", WeakRockColumn::ConcreteSlump);
    AddValue(WeakRockPage, "4. Interface Friction Angle", "Deg",
             WeakRockColumn::InterfaceFrictionAngle);
    AddValue(WeakRockPage, "5. Socket Diameter", "L2", WeakRockColumn::SocketDiameter);
    AddValue(WeakRockPage, "6. Elastic Modulus of Rock Core", "F/L^2",
             WeakRockColumn::ElasticModulus);
    AddValue(WeakRockPage, "7. RQD, %", "", WeakRockColumn::RQD);
    AddNote(WeakRockPage, "(*)  Interface Condition Index:");
    AddNote(WeakRockPage, "1 - Rough Surface w/closed joints");
    AddNote(WeakRockPage, "2- Smooth Surface w/closed joints");
    AddNote(WeakRockPage, "3 - Rough Surface w/open joints");
    AddNote(WeakRockPage, "4- Smooth Surface w/open joints");
}

void TDlgSoils::BuildGravelPage()
{
    NewPage(GravelPage, "Gravel", "Gravel");
    AddValue(GravelPage, "1. Total Unit Weight", "F/L2^3", GravelColumn::UnitWeight);
    AddValue(GravelPage, "2. Blow Counts from SPT", "", GravelColumn::BlowCounts, true);
    AddValue(GravelPage, "3. Beta Value", "", GravelColumn::Beta);
}

// --- Activation --------------------------------------------------------------------------------

TGridTable* TDlgSoils::Properties() const
{
    const int layer = LayerNumber - 1;
    if (layer < 0 || layer >= fProject.D().RowCount())
        return nullptr;
    return fProject.LayerProperties(layer);
}

void TDlgSoils::showEvent(QShowEvent* event)
{
    LoadValues();
    layout()->invalidate();
    layout()->activate();
    QDialog::showEvent(event);
}

void TDlgSoils::LoadValues()
{
    setWindowTitle(QString("Data for Layer %1").arg(LayerNumber));
    const int page = PageOfKind(LayerType);
    // Only the page of the kind is shown, and the window takes its size alone.
    for (int i = 0; i < fPages->count(); ++i) {
        fPages->setTabVisible(i, i == page);
        const auto policy = i == page ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        fPages->widget(i)->setSizePolicy(policy, policy);
    }
    if (page < 0)
        return;
    fPages->setCurrentIndex(page);
    fPage[static_cast<std::size_t>(page)].Heading->setText(KindHeadings[LayerType - 1]);

    const TGridTable* table = Properties();
    for (TFieldPair& pair : fPage[static_cast<std::size_t>(page)].Fields) {
        pair.Top->SetUnits(fProject.Units());
        pair.Bottom->SetUnits(fProject.Units());
        const bool held = table != nullptr && pair.Column < table->ColumnCount();
        pair.Top->SetNumber(held ? CellValue(*table, pair.Column, TopRow) : 0);
        pair.Bottom->SetNumber(held ? CellValue(*table, pair.Column, BottomRow) : 0);
    }
    if (table == nullptr)
        return;
    if (page == SandPage) {
        const int method = table->GetIntValue(SandColumn::Method, TopRow);
        // A method other than 1-3 (a layer that was another kind before) checks none.
        fSandMethod->setExclusive(false);
        for (QAbstractButton* button : fSandMethod->buttons())
            button->setChecked(fSandMethod->id(button) == method);
        fSandMethod->setExclusive(true);
        UpdateSandEnabling();
    } else if (page == WeakRockPage) {
        const int top = table->GetIntValue(WeakRockColumn::InterfaceCondition, TopRow);
        const int bottom = table->GetIntValue(WeakRockColumn::InterfaceCondition, BottomRow);
        fInterfaceTop->setCurrentIndex(top >= 1 && top <= 4 ? top - 1 : -1);
        fInterfaceBottom->setCurrentIndex(bottom >= 1 && bottom <= 4 ? bottom - 1 : -1);
    }
}

int TDlgSoils::CheckedSandMethod() const
{
    return fSandMethod->checkedId(); // -1 when none is checked
}

void TDlgSoils::UpdateSandEnabling()
{
    const int method = CheckedSandMethod();
    const bool ko = method == SandKoMethod;
    const bool beta = method == SandBetaMethod;
    const bool chen = method == SandChenKulhawyMethod;
    for (TFieldPair& pair : fPage[SandPage].Fields) {
        bool enabled = true;
        switch (pair.Column) {
        case SandColumn::Ko:
            enabled = ko;
            break;
        case SandColumn::Beta:
            enabled = beta;
            break;
        case SandColumn::OCR:
            enabled = chen;
            break;
        case SandColumn::InterfaceAngle:
            enabled = ko || chen;
            break;
        default:
            break;
        }
        pair.Top->setEnabled(enabled);
        pair.Bottom->setEnabled(enabled);
    }
    fNoteEstimate->setVisible(beta);
    fNoteFrictionIgnored->setVisible(beta);
    fNoteExponent->setVisible(chen);
    fNoteFrictionEstimated->setVisible(ko || chen);
}

// --- Commands ----------------------------------------------------------------------------------

void TDlgSoils::CopyTopToBottomClick()
{
    const int page = fPages->currentIndex();
    if (page < 0)
        return;
    for (TFieldPair& pair : fPage[static_cast<std::size_t>(page)].Fields)
        pair.Bottom->setText(pair.Top->text());
    if (page == WeakRockPage)
        fInterfaceBottom->setCurrentIndex(fInterfaceTop->currentIndex());
}

void TDlgSoils::CloseClick()
{
    done(QDialog::Accepted);
}

void TDlgSoils::done(int result)
{
    // Every way of closing stores the values; a refused entry keeps the window open.
    if (!StoreValues())
        return;
    QDialog::done(result);
}

bool TDlgSoils::CheckEntries()
{
    const int page = fPages->currentIndex();
    if (page < 0)
        return true;
    std::vector<TDataEdit*> fields;
    for (TFieldPair& pair : fPage[static_cast<std::size_t>(page)].Fields)
        for (TDataEdit* field : {pair.Top, pair.Bottom})
            if (field->isEnabled())
                fields.push_back(field);
    return AcceptFields(this, fields);
}

bool TDlgSoils::StoreValues()
{
    const int page = PageOfKind(LayerType);
    TGridTable* table = Properties();
    if (page < 0 || table == nullptr || fPages->currentIndex() != page)
        return true;
    if (!CheckEntries())
        return false;

    TPage& fields = fPage[static_cast<std::size_t>(page)];
    auto fieldOf = [&fields](int column, bool top) -> TDataEdit* {
        for (TFieldPair& pair : fields.Fields)
            if (pair.Column == column)
                return top ? pair.Top : pair.Bottom;
        return nullptr;
    };
    if (page == SandPage) {
        const int checked = CheckedSandMethod();
        const int method = checked == SandKoMethod     ? SandKoMethod
                           : checked == SandBetaMethod ? SandBetaMethod
                                                       : SandChenKulhawyMethod;
        if (method == SandKoMethod) {
            const auto isZero = [](TDataEdit* field) {
                try {
                    return field->GetNumber() == 0;
                } catch (const EControlError&) {
                    return false;
                }
            };
            if (isZero(fieldOf(SandColumn::Ko, true)) && isZero(fieldOf(SandColumn::Ko, false))) {
                ShowEntryMessage(this, KoMessage);
                fieldOf(SandColumn::Ko, true)->setFocus();
                return false;
            }
        }
        // The values the chosen procedure does not use are zeroed before they are stored.
        std::vector<int> unused;
        if (method == SandKoMethod)
            unused = {SandColumn::Beta, SandColumn::OCR};
        else if (method == SandBetaMethod)
            unused = {SandColumn::Ko, SandColumn::InterfaceAngle, SandColumn::OCR};
        else
            unused = {SandColumn::Beta, SandColumn::Ko};
        for (int column : unused)
            for (bool top : {true, false})
                fieldOf(column, top)->SetNumber(0);
        for (int row : {TopRow, BottomRow})
            table->SetIntValue(SandColumn::Method, row, method);
    }

    for (TFieldPair& pair : fields.Fields) {
        if (pair.Column >= table->ColumnCount())
            continue;
        const bool integer = table->Column(pair.Column).Type() != TColumnType::Float;
        for (int row : {TopRow, BottomRow}) {
            TDataEdit* field = row == TopRow ? pair.Top : pair.Bottom;
            // A field that still shows the stored number keeps the stored value's digits.
            const long double stored = CellValue(*table, pair.Column, row);
            if (field->text() == FieldText(stored))
                continue;
            long double value = 0;
            try {
                value = field->GetNumber();
            } catch (const EControlError&) {
                continue; // a disabled field that holds no number keeps the stored value
            }
            if (integer || pair.BlowCounts)
                table->SetIntValue(pair.Column, row, WholeNumber(value));
            else
                table->SetFloatValue(pair.Column, row, value);
        }
    }
    if (page == WeakRockPage) {
        table->SetIntValue(WeakRockColumn::InterfaceCondition, TopRow,
                           fInterfaceTop->currentIndex() + 1);
        table->SetIntValue(WeakRockColumn::InterfaceCondition, BottomRow,
                           fInterfaceBottom->currentIndex() + 1);
    }
    return true;
}

} // namespace korva::gui
