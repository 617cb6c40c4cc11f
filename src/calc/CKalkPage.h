#pragma once

#include <QTimer>
#include <QWidget>
#include <deque>
#include <map>

#include "calc/Tasma.h"
#include "controls/HandlerBlock.h"

class CButtonEx;
class CCheckBoxEx;
class CComboBoxExt;
class CEditEx;
class CListBoxEx;
class CRadioButtonEx;
class CSpinButtonCtrlEx;
class QButtonGroup;
class QKeyEvent;
class QShowEvent;

// The calculator: a paper tape in the list box, the keys around it. The
// tape (CTasma) does the work; the page maps keys, buttons and controls to
// it and shows what it says: the lines, a beep, the flashed button.
class CKalkPage : public QWidget {
    Q_OBJECT
public:
    explicit CKalkPage(QWidget* parent = nullptr);
    ~CKalkPage() override;

    // How long a key's button shows pressed after the key; 100 ms unless a
    // test sets it (0: no flash).
    static void SetFlashDuration(int milliseconds);
    static int FlashDuration();

    // Runs a command as a click on its button or its accelerator does, at
    // once: the flash is only a picture, so nothing the user does can
    // overtake a key.
    void OnCommand(int controlId);
    // True while a button shows pressed.
    bool IsFlashing() const { return m_flashing != nullptr; }

    const CTasma& Tape() const { return m_tape; }
    CListBoxEx* TapeList() const { return m_list; }
    CButtonEx* Button(int controlId) const;
    CEditEx* ExponentEdit() const { return m_exponentEdit; }
    CEditEx* DecimalsEdit() const { return m_decimalsEdit; }
    CSpinButtonCtrlEx* DecimalsSpin() const { return m_decimalsSpin; }
    CCheckBoxEx* FixBox() const { return m_fixBox; }
    CRadioButtonEx* AngleButton(int controlId) const;
    CComboBoxExt* QuantityCombo() const { return m_quantityCombo; }
    CComboBoxExt* UnitACombo() const { return m_unitACombo; }
    CComboBoxExt* UnitBCombo() const { return m_unitBCombo; }
    double ExponentY() const { return m_exponentY; }

    // The command of a key press, as the accelerator table maps it; 0 for
    // keys the table does not take.
    static int AcceleratorCommand(const QKeyEvent& event);

signals:
    // A refused key: the page beeps.
    void Beeped();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void OnInitDialog();

    void Apply(const KeyEffect& effect);
    void Flash(const std::vector<int>& buttons);
    void NextFlash();
    void Refresh();
    void FocusTape();
    // The command a key sent to watched runs on this page; 0 for none.
    int KeyCommandFor(QObject* watched, const QKeyEvent& key) const;

    void Copy();
    void Paste();
    void ShowInfo();
    void ToggleFix(bool fromClick);
    void ChooseAngle(int controlId);
    void DecimalsChanged();
    void ExponentChanged();
    void QuantityChanged();
    void UnitsChanged();
    void ListSelectionChanged(int row);
    void KeepCursorSelected();
    AngleMode CheckedAngle() const;
    std::pair<double, double> SelectedConversion() const;
    void ShowPlainMessage(int stringId);

    CTasma m_tape;
    double m_exponentY = 0.0;
    // The page's own writes to its controls run no handler.
    CHandlerBlock m_writes;

    std::deque<int> m_flashQueue;
    CButtonEx* m_flashing = nullptr;
    QTimer m_flashTimer;

    CListBoxEx* m_list = nullptr;
    std::map<int, CButtonEx*> m_buttons;
    CEditEx* m_exponentEdit = nullptr;
    CEditEx* m_decimalsEdit = nullptr;
    CSpinButtonCtrlEx* m_decimalsSpin = nullptr;
    CCheckBoxEx* m_fixBox = nullptr;
    CRadioButtonEx* m_deg = nullptr;
    CRadioButtonEx* m_rad = nullptr;
    CRadioButtonEx* m_grad = nullptr;
    QButtonGroup* m_angleGroup = nullptr;
    CComboBoxExt* m_quantityCombo = nullptr;
    CComboBoxExt* m_unitACombo = nullptr;
    CComboBoxExt* m_unitBCombo = nullptr;
};
