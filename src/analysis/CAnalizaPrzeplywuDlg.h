#pragma once

#include <QString>
#include <vector>

#include "analysis/FlowAnalysis.h"
#include "controls/Modal.h"

class IAnalysisHost;
class CKsztaltPrzewoduDlg;
class CEditEx;
class CComboBoxExt;
class CListBoxEx;
class CSliderCtrlEx;
class CStaticEx;
class CRadioButtonEx;
class QAbstractButton;
class QGridLayout;
class QListWidget;
class CFieldExchange;
class CUnitField;

// Fills the size list with the names of a shape's catalogue, in order.
void FillSizeList(QListWidget* list, DuctShape shape);

// Pipe and duct sizing for the medium of a page. One object lives with the
// main window, so the velocity carries over from one opening to the next.
class CAnalizaPrzeplywuDlg : public CDialog {
    Q_OBJECT
public:
    // The host gives the duct-shape dialog; without one the dialog keeps its own.
    explicit CAnalizaPrzeplywuDlg(IAnalysisHost* host, QWidget* parent = nullptr);
    ~CAnalizaPrzeplywuDlg() override;

    // The title of the next opening, written by the page beforehand.
    QString m_caption;
    void SetCaption(const QString& caption) { m_caption = caption; }

    // Density kg/m³, kinematic viscosity m²/s, mass flow kg/s.
    void SetMedium(double rho, double nu, double massFlow);
    // The mass flow the page takes back on OK, kg/s.
    double GetMassFlow() const { return m_flow.GetMassFlow(); }

    const FlowAnalysis& Analysis() const { return m_flow; }

protected:
    void OnInitDialog() override;

private:
    struct Field {
        FlowField field;
        CUnitField* unit;
    };

    void BuildForm();
    Field& FieldOf(FlowField field);
    CKsztaltPrzewoduDlg& ShapeDialog();

    void ApplyMode();
    void ApplyCharacteristic();
    void RefreshFields(bool all = false);
    void FillList(DuctShape shape);

    void OnModeClicked(FlowMode mode);
    void OnDN();
    void OnLxH();
    void OnF();
    void OnValue(FlowField field, double si);
    void OnUnitChanged(FlowField field);
    void OnSizeSelected(int row);
    void OnRoughness(int position);
    void OnKv();
    void OnHelp();

    IAnalysisHost* m_host;
    FlowAnalysis m_flow;
    std::vector<Field> m_fields;
    // The data exchange: while the dialog writes its own controls their
    // signals are held, so only the user's edits run a handler.
    CFieldExchange* m_exchange;
    CEditEx* m_typing = nullptr;

    CRadioButtonEx* m_modeButtons[3];
    CRadioButtonEx* m_dn;
    CRadioButtonEx* m_lxh;
    CRadioButtonEx* m_f;
    CListBoxEx* m_sizes;
    CSliderCtrlEx* m_slider;
    CStaticEx* m_roughnessText;
    CStaticEx* m_reynoldsText;
    CStaticEx* m_radiusText;
    CStaticEx* m_frictionText;
    CStaticEx* m_relativeText;
    CKsztaltPrzewoduDlg* m_ownShapeDialog = nullptr;
    // The grids of each column of groups, whose boxes line up.
    std::vector<std::vector<QGridLayout*>> m_columns;
};
