#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <vector>

namespace korva::gui {

// The numeric entry field of every data window: a one-line edit that takes a number or an
// arithmetic expression ("2*3", "1E-5*2", "sin(pi/2)"), checks it against its range, and shows
// the unit of its quantity in its label ("Caption (ft)" or "Caption (m)").
//
// The acceptance check runs when the user leaves the field for another control of its window,
// presses Enter, and when the window asks (CloseQuery) before it stores its values or closes.
// A refused entry is reported in an information box and the field gets the focus back.
// Enter selects the whole text afterwards; an operator typed over the whole selection extends
// the value instead of replacing it ("*2" after Enter doubles it).
class TDataEdit : public QLineEdit
{
    Q_OBJECT

  public:
    explicit TDataEdit(QWidget* parent = nullptr);

    // Label text; the label shows it with the unit text appended.
    QString Caption() const { return fCaption; }
    void SetCaption(const QString& caption);
    // The label that shows the caption (not owned); enabled like the field.
    QLabel* EditLabel() const { return fEditLabel; }
    void SetEditLabel(QLabel* label);
    // Unit code of the value ("L2", "F/L2^2", "F/L²"), empty for a dimensionless value.
    QString UnitsString() const { return fUnitsString; }
    void SetUnitsString(const QString& code);
    // 1 English, 2 SI, 3 the code as it is (values <= 0 count as 1, above 3 as 3).
    int Units() const { return fUnits; }
    void SetUnits(int units);

    long double MinVal() const { return fMinVal; }
    long double MaxVal() const { return fMaxVal; }
    // Keep MinVal <= MaxVal; the shown number is moved into the new range.
    void SetMinVal(long double value);
    void SetMaxVal(long double value);
    bool IntegerOnly() const { return fIntegerOnly; }
    void SetIntegerOnly(bool integerOnly);

    // The value of the text (throws EControlError with the evaluator's message).
    long double GetNumber() const;
    // Shows x clamped into the range, in the general format with 8 significant digits.
    void SetNumber(long double x);

    // The last acceptance check passed.
    bool OK() const { return fOK; }
    // Runs the acceptance check; true when the entry is accepted.
    bool CloseQuery();
    void Evaluate() { CloseQuery(); }

    // The label text for a caption, a unit code and a unit system.
    static QString LabelText(const QString& caption, const QString& unitCode, int units);
    // Decimal separator of typed and shown numbers: the user's locale's.
    static char DecimalSeparator();

  signals:
    // The user accepted the entry (Enter, or the focus moved to another control of the window)
    // and it passed the acceptance check.
    void Accepted();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void RefreshLabel();
    QString NumberText(long double value) const;
    // The check after the focus went to another control: run only when that control lies in
    // this field's own window (leaving the window is the window's own check).
    void CheckAfterFocusMoved();
    void Refuse(const QString& message);

    QString fCaption;
    QPointer<QLabel> fEditLabel;
    QString fUnitsString;
    int fUnits = 1;
    long double fMinVal;
    long double fMaxVal;
    bool fIntegerOnly = false;
    bool fOK = true;
    bool fChecking = false;
};

// Before a window stores its fields: the field of `window` that has the focus runs its
// acceptance check, and each of `fields` must at least hold a number. A refusal is told by the
// field's own check, which takes the focus; false then.
bool AcceptFields(QWidget* window, const std::vector<TDataEdit*>& fields);

} // namespace korva::gui
