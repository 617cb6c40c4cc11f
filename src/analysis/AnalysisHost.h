// The analysis dialogs live with the main window from their first use to the
// end of the run, so that what the user set in them carries over between
// openings; the host makes each one when it is first asked for. Pages and
// dialogs reach them through this interface, which the main window
// implements, and never include the window itself.
#pragma once

class CAnalizaPrzeplywuDlg;
class CAnalizaEnergiiDlg;
class CRoznicaStrumieniDlg;
class CKsztaltPrzewoduDlg;

class IAnalysisHost {
public:
    virtual CAnalizaPrzeplywuDlg& FlowDialog() = 0;
    virtual CAnalizaEnergiiDlg& EnergyDialog() = 0;
    virtual CRoznicaStrumieniDlg& MassStreamDialog() = 0;
    virtual CKsztaltPrzewoduDlg& DuctShapeDialog() = 0;

protected:
    ~IAnalysisHost() = default;
};
