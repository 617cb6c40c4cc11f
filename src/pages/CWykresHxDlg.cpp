#include "pages/CWykresHxDlg.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QSaveFile>
#include <QVBoxLayout>

#include "base/StringTable.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/Modal.h"
#include "controls/UiString.h"
#include "pages/CPowietrzePage.h"
#include "pages/CWykresHxCtrl.h"
#include "pages/PageIds.h"

using namespace WykresHxIds;

namespace {

// A PNG is written with twice the pixels each way, at twice the screen's
// 96 dpi, so that it prints at the size it is shown and stays sharp.
constexpr double kPngScale = 2;
constexpr int kPngDotsPerMetre = 7559;  // 192 dpi

const QString kPngSuffix = QStringLiteral("png");
const QString kSvgSuffix = QStringLiteral("svg");

} // namespace

CWykresHxDlg::CWykresHxDlg(CPowietrzePage& page)
    : QDialog(&page), m_page(page), m_folder(QDir::homePath())
{
    setWindowTitle(QStringLiteral("Wykres h-x"));
    setModal(false);
    EnableWhatsThis(this);

    m_chart = new CWykresHxCtrl(IDC_PLOT, this);
    m_status = new CStaticEx(IDC_STATUS, QString(), this);
    m_status->setMinimumWidth(m_chart->minimumWidth());
    m_status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_save = new CButtonEx(IDC_SAVE, QStringLiteral("&Zapisz jako..."), this);
    m_copy = new CButtonEx(IDC_COPY, QStringLiteral("&Kopiuj"), this);
    auto* close = new QPushButton(QStringLiteral("Zamknij"), this);
    SetControlId(close, 2);  // as Cancel: Esc closes the window too
    for (QPushButton* button : {static_cast<QPushButton*>(m_save), static_cast<QPushButton*>(m_copy), close})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_copy);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    // Room for a 900 x 600 chart within a 1024 x 768 screen.
    resize(920, 690);

    connect(m_chart, &CWykresHxCtrl::Hovered, this, &CWykresHxDlg::ShowHovered);
    connect(m_chart, &CWykresHxCtrl::Left, this, &CWykresHxDlg::ShowHint);
    connect(m_chart, &CWykresHxCtrl::Picked, this, &CWykresHxDlg::Pick);
    connect(m_save, &QPushButton::clicked, this, &CWykresHxDlg::SaveAs);
    connect(m_copy, &QPushButton::clicked, this, &CWykresHxDlg::CopyToClipboard);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_page, &CPowietrzePage::Shown, this, &CWykresHxDlg::FollowPage);
    connect(&m_page, &CMediumPage::StateStored, this, &CWykresHxDlg::FollowPage);

    ShowHint();
    FollowPage();
}

QString CWykresHxDlg::StatusText() const { return m_status->text(); }

void CWykresHxDlg::FollowPage()
{
    const HumidAirInput& air = m_page.Model();
    m_chart->SetPressure(air.GetBarometricPressure());
    HxMarks marks;
    // The model keeps its last state when it refuses a value that is no
    // number; the page's message line says whether a state stands.
    if (m_page.ShowsProperties())
        marks.current = HxStateOf(air);
    for (StateSlot slot : {StateSlot::Initial, StateSlot::Final}) {
        if (!m_page.IsStored(slot))
            continue;
        const StoredState& stored = m_page.Stored(slot);
        (slot == StateSlot::Initial ? marks.initial : marks.final) = HxPoint{stored.moisture, stored.enthalpy};
    }
    m_chart->SetMarks(marks);
}

void CWykresHxDlg::ShowHovered(const HxState& state)
{
    m_status->setText(QString::fromStdString(HxStatusText(state)));
}

void CWykresHxDlg::ShowHint() { m_status->setText(UiString(kIdsChartHint)); }

void CWykresHxDlg::Pick(const HxPoint& point)
{
    // Fog and points outside the model set nothing; the status line says
    // what they are.
    const HxPick pick = m_chart->Chart().PickAt(point);
    if (pick.accepted)
        m_page.TypeState(pick.temperature, pick.humidity, pick.moisture);
}

void CWykresHxDlg::SaveAs()
{
    SaveFileRequest request;
    request.caption = UiString(kIdsChartSave);
    request.fileName = QDir(m_folder).filePath(QStringLiteral("wykres-hx.") + kPngSuffix);
    request.filters = {UiString(kIdsChartPngFilter), UiString(kIdsChartSvgFilter)};
    const SaveFileAnswer answer = GetSaveFileName(this, request);
    if (answer.path.isEmpty())
        return;

    // The name's own extension decides; without one, the type chosen.
    QString path = answer.path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool svg = suffix == kSvgSuffix;
    if (suffix != kSvgSuffix && suffix != kPngSuffix) {
        svg = answer.filter == 1;
        path += QLatin1Char('.') + (svg ? kSvgSuffix : kPngSuffix);
    }
    m_folder = QFileInfo(path).absolutePath();
    if (!(svg ? SaveSvg(path) : SavePng(path))) {
        MessageRequest failed;
        failed.caption = windowTitle();
        failed.text = UiString(kIdsChartNotSaved).replace(QStringLiteral("%1"), QDir::toNativeSeparators(path));
        failed.icon = QMessageBox::Warning;
        ShowMessageBox(this, failed);
    }
}

bool CWykresHxDlg::SavePng(const QString& path)
{
    QImage picture = m_chart->Picture(kPngScale);
    picture.setDotsPerMeterX(kPngDotsPerMetre);
    picture.setDotsPerMeterY(kPngDotsPerMetre);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
}

bool CWykresHxDlg::SaveSvg(const QString& path)
{
    // The core's own SVG text of the scene on screen, as the command line
    // writes it.
    const std::string svg = HxSceneSvg(m_chart->Scene());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly)
           && file.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size())
           && file.commit();
}

void CWykresHxDlg::CopyToClipboard() { QGuiApplication::clipboard()->setImage(m_chart->Picture(1)); }

bool CWykresHxDlg::event(QEvent* event) { return HandleParentHelpEvent(this, event) || QDialog::event(event); }
