#pragma once

#include "controls/Modal.h"

class CRadioButtonEx;
class CStaticEx;
class CEditEx;

// Asks for the shape of a duct given by its area alone, and for a
// rectangle its side proportion L / H (0 to 100).
class CKsztaltPrzewoduDlg : public CDialog {
    Q_OBJECT
public:
    explicit CKsztaltPrzewoduDlg(QWidget* parent = nullptr);

    // 0 round, 1 rectangular; the radio buttons set it, however it closes.
    int Choice() const { return m_choice; }
    // Written by the caller before each opening; OK stores the typed one.
    double Proportion() const { return m_proportion; }
    void SetProportion(double proportion) { m_proportion = proportion; }

    // OK: validates the proportion; on a bad one shows the message and
    // stays open.
    void OnOK();

protected:
    void OnInitDialog() override;

private:
    int m_choice = 0;
    double m_proportion = 2.0;
    CRadioButtonEx* m_round;
    CRadioButtonEx* m_rectangular;
    CStaticEx* m_label;
    CEditEx* m_edit;
};
