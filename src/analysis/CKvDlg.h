#pragma once

#include <QString>

#include "controls/Modal.h"

class CEditEx;
class CStaticEx;

// Converts a valve's Kv (m³/h) into the sum of local loss coefficients for
// the flow analysis's cross-section, and back. Made for one use.
class CKvDlg : public CDialog {
    Q_OBJECT
public:
    explicit CKvDlg(QWidget* parent = nullptr);

    void SetDensityText(const QString& text);
    void SetArea(double area) { m_area = area; }
    void SetZeta(double zeta) { m_zeta = zeta; }
    double Zeta() const { return m_zeta; }
    double Kv() const { return m_kv; }

protected:
    void OnInitDialog() override;

private:
    void OnKvChanged(const QString& text);
    void OnZetaChanged(const QString& text);

    double m_area = 0;
    double m_kv = 0;
    double m_zeta = 0;
    CStaticEx* m_density;
    CEditEx* m_kvEdit;
    CEditEx* m_zetaEdit;
};
