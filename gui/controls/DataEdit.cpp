#include "gui/controls/DataEdit.h"

#include "gui/controls/ControlError.h"
#include "gui/controls/EntryMessage.h"
#include "gui/controls/ExpressionEvaluator.h"
#include "gui/controls/UnitCodes.h"
#include "gui/model/NumberText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QTimer>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

namespace korva::gui {

namespace {

// Operators that extend a shown value rather than replace it.
bool IsOperatorKey(const QString& text)
{
    return text.size() == 1 && QString("+-/*^=%!").contains(text[0]);
}

// The window a field belongs to for the acceptance check: its MDI sub-window, or its top-level
// window.
QWidget* OwningWindow(QWidget* widget)
{
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w) != nullptr || w->isWindow())
            return w;
    return nullptr;
}

} // namespace

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent), fMinVal(-LDBL_MAX), fMaxVal(LDBL_MAX)
{
    setText("0");
}

char TDataEdit::DecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}

QString TDataEdit::LabelText(const QString& caption, const QString& unitCode, int units)
{
    if (unitCode.isEmpty())
        return caption;
    return caption + " (" +
           QString::fromStdString(UnitCodes::EntryFieldUnitText(unitCode.toStdString(), units)) +
           ")";
}

void TDataEdit::SetCaption(const QString& caption)
{
    fCaption = caption;
    RefreshLabel();
}

void TDataEdit::SetEditLabel(QLabel* label)
{
    fEditLabel = label;
    if (label != nullptr)
        label->setBuddy(this);
    RefreshLabel();
}

void TDataEdit::SetUnitsString(const QString& code)
{
    fUnitsString = code;
    RefreshLabel();
}

void TDataEdit::SetUnits(int units)
{
    fUnits = units <= 0 ? 1 : (units > 3 ? 3 : units);
    RefreshLabel();
}

void TDataEdit::RefreshLabel()
{
    if (fEditLabel == nullptr)
        return;
    fEditLabel->setText(LabelText(fCaption, fUnitsString, fUnits));
    fEditLabel->setEnabled(isEnabled());
}

void TDataEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        RefreshLabel();
}

void TDataEdit::SetIntegerOnly(bool integerOnly)
{
    fIntegerOnly = integerOnly;
    if (fIntegerOnly) {
        SetMinVal(fMinVal);
        SetMaxVal(fMaxVal);
    }
}

void TDataEdit::SetMinVal(long double value)
{
    if (fIntegerOnly)
        value =
            std::clamp(value, static_cast<long double>(INT_MIN), static_cast<long double>(INT_MAX));
    fMinVal = value > fMaxVal ? fMaxVal : value;
    try {
        if (GetNumber() < fMinVal)
            SetNumber(fMinVal);
    } catch (const EControlError&) {
        // a text that is not a number is left for the acceptance check
    }
}

void TDataEdit::SetMaxVal(long double value)
{
    if (fIntegerOnly)
        value =
            std::clamp(value, static_cast<long double>(INT_MIN), static_cast<long double>(INT_MAX));
    fMaxVal = value < fMinVal ? fMinVal : value;
    try {
        if (GetNumber() > fMaxVal)
            SetNumber(fMaxVal);
    } catch (const EControlError&) {
        // a text that is not a number is left for the acceptance check
    }
}

QString TDataEdit::NumberText(long double value) const
{
    return QString::fromStdString(GeneralNumberText(value, 8, DecimalSeparator()));
}

long double TDataEdit::GetNumber() const
{
    return EvaluateExpression(text().toStdString(), DecimalSeparator());
}

void TDataEdit::SetNumber(long double x)
{
    setText(NumberText(std::clamp(x, fMinVal, fMaxVal)));
}

void TDataEdit::Refuse(const QString& message)
{
    ShowEntryMessage(this, message);
    if (isVisible() && window() != nullptr) {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    }
}

bool TDataEdit::CloseQuery()
{
    // A message box of this check takes the focus away: that is no second leaving.
    if (fChecking)
        return fOK;
    fChecking = true;
    struct Done
    {
        bool& flag;
        ~Done() { flag = false; }
    } done{fChecking};

    fOK = false;
    long double value = 0;
    try {
        value = GetNumber();
    } catch (const EControlError& error) {
        Refuse(fIntegerOnly ? "Entry must be a valid integer."
                            : QString::fromStdString(error.what()));
        return false;
    }
    if (fIntegerOnly && std::trunc(value) != value) {
        Refuse("Entry must be an integer.");
        return false;
    }
    if (value < fMinVal) {
        setText(NumberText(fMinVal));
        Refuse("Entry must be greater than or equal to " + NumberText(fMinVal));
        return false;
    }
    if (value > fMaxVal) {
        setText(NumberText(fMaxVal));
        Refuse("Entry must be less than or equal to " + NumberText(fMaxVal));
        return false;
    }
    setText(NumberText(value));
    fOK = true;
    return true;
}

void TDataEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const bool accepted = CloseQuery();
        selectAll();
        event->accept();
        if (accepted)
            emit Accepted();
        return;
    }
    if (IsOperatorKey(event->text()) && hasSelectedText() && selectedText() == text()) {
        deselect();
        end(false);
    }
    QLineEdit::keyPressEvent(event);
}

void TDataEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (fChecking || event->reason() == Qt::PopupFocusReason ||
        event->reason() == Qt::ActiveWindowFocusReason)
        return;
    // The check waits until the focus has settled on the control the user went to.
    QTimer::singleShot(0, this, [this] { CheckAfterFocusMoved(); });
}

void TDataEdit::CheckAfterFocusMoved()
{
    if (hasFocus() || !isVisible())
        return;
    // The control that has the focus inside this field's top-level window: a message box or
    // another program taking the focus leaves it at this field.
    QWidget* focus = window()->focusWidget();
    if (focus == nullptr || focus == this || OwningWindow(focus) != OwningWindow(this))
        return;
    if (CloseQuery())
        emit Accepted();
}

bool AcceptFields(QWidget* window, const std::vector<TDataEdit*>& fields)
{
    auto* focused = qobject_cast<TDataEdit*>(window->focusWidget());
    if (focused != nullptr && focused->hasFocus() && window->isAncestorOf(focused) &&
        !focused->CloseQuery())
        return false;
    for (TDataEdit* field : fields) {
        try {
            field->GetNumber();
        } catch (const EControlError&) {
            field->setFocus();
            field->CloseQuery();
            return false;
        }
    }
    return true;
}

} // namespace korva::gui
