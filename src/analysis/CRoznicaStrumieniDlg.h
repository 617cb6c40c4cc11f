#pragma once

#include "controls/Modal.h"

class CRadioButtonEx;

// Which mass flow the energy analysis takes when the initial and the final
// state have different flows. The choice holds however the dialog closes.
class CRoznicaStrumieniDlg : public CDialog {
    Q_OBJECT
public:
    explicit CRoznicaStrumieniDlg(QWidget* parent = nullptr);

    // 0 the initial state's flow, 1 the final state's, 2 their difference.
    int Choice() const { return m_choice; }

protected:
    void OnInitDialog() override;

private:
    int m_choice = 0;
    CRadioButtonEx* m_initial;
    CRadioButtonEx* m_final;
    CRadioButtonEx* m_difference;
};
