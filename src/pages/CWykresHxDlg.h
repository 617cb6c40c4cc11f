// The h-x chart window of the humid-air page. It stays open beside the
// page and follows it: the barometric pressure, the current state while
// the page shows one, the stored initial and final states. The pointer's
// state shows in a status line; a click types the point's temperature and
// humidity into the page, as the user would. The chart saves as PNG or SVG
// and copies to the clipboard as a picture.
#pragma once

#include <QDialog>
#include <QString>

#include "pages/HxChartScene.h"

class CPowietrzePage;
class CWykresHxCtrl;
class CStaticEx;
class CButtonEx;

class CWykresHxDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWykresHxDlg(CPowietrzePage& page);

    CWykresHxCtrl* Chart() const { return m_chart; }
    QString StatusText() const;

    // Takes the page's pressure and states.
    void FollowPage();
    // Asks where, then writes a PNG or an SVG by the type chosen (or the
    // name's own extension); a file that cannot be written is said so.
    void SaveAs();
    bool SavePng(const QString& path);
    bool SaveSvg(const QString& path);
    void CopyToClipboard();

protected:
    bool event(QEvent* event) override;

private:
    void ShowHovered(const HxState& state);
    void ShowHint();
    void Pick(const HxPoint& point);

    CPowietrzePage& m_page;
    CWykresHxCtrl* m_chart;
    CStaticEx* m_status;
    CButtonEx* m_save;
    CButtonEx* m_copy;
    QString m_folder;
};
