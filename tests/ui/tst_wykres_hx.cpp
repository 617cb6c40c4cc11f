// The h-x chart window on the real widgets: it opens from the humid-air
// page and follows it, a click types the point into the page in either
// input mode, the pointer's state shows in the status line, and the chart
// saves as PNG and SVG and copies to the clipboard. The chart's geometry
// and drawing are tested in the core.
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/StringTable.h"
#include "controls/Modal.h"
#include "controls/UiString.h"
#include "pages/CPowietrzePage.h"
#include "pages/CWykresHxCtrl.h"
#include "pages/CWykresHxDlg.h"
#include "pages/PageIds.h"
#include "units/CUnitField.h"
#include "WidgetTestSupport.h"

using namespace PowietrzeIds;

namespace {

constexpr double kC = 273.15;

int Count(const HxScene& scene, HxInk ink)
{
    int n = 0;
    for (const HxStroke& s : scene.strokes)
        n += s.ink == ink;
    for (const HxDot& d : scene.dots)
        n += d.ink == ink;
    return n;
}

const HxDot* CurrentDot(const HxScene& scene)
{
    for (const HxDot& d : scene.dots)
        if (d.ink == HxInk::Current)
            return &d;
    return nullptr;
}

std::vector<MessageRequest> g_messages;
SaveFileAnswer g_answer;
std::vector<SaveFileRequest> g_requests;

} // namespace

class TestWykresHx : public QObject {
    Q_OBJECT

    CZentaroTabbedDlg* m_sheet = nullptr;
    CPowietrzePage* m_page = nullptr;

    CWykresHxDlg& Open()
    {
        ClickButton(*m_page, IDC_CHART);
        CWykresHxDlg* window = m_page->ChartWindow();
        if (window == nullptr || !QTest::qWaitForWindowExposed(window))
            qFatal("no chart window");
        return *window;
    }
    // The user clicks the chart where a state lies.
    void ClickAt(CWykresHxDlg& window, const HxPoint& point)
    {
        CWykresHxCtrl* chart = window.Chart();
        QTest::mouseClick(chart, Qt::LeftButton, {}, chart->PositionOf(point).toPoint());
    }
    QString Format(unsigned edit, double si)
    {
        // The box's own formatting in the unit it shows.
        for (const CUnitField& f : m_page->findChild<CFieldExchange*>()->Fields())
            if (f.Edit() == Edit(*m_page, edit))
                return f.Format(si);
        qFatal("no field %u", edit);
    }

private slots:
    void initTestCase()
    {
        SetDecimalSeparator(SeparatorFromEnvironment());
        CSplashWnd::SetPicturePath(QString());
        SetMessageHook([](const MessageRequest& r) {
            g_messages.push_back(r);
            return QMessageBox::Ok;
        });
        SetSaveFileHook([](const SaveFileRequest& r) {
            g_requests.push_back(r);
            return g_answer;
        });
    }
    void cleanupTestCase()
    {
        SetMessageHook({});
        SetSaveFileHook({});
    }
    void init()
    {
        g_messages.clear();
        g_requests.clear();
        g_answer = {};
        m_sheet = new CZentaroTabbedDlg(QStringLiteral("Zentaro"));
        m_page = &m_sheet->PowietrzePage();
        m_sheet->Tabs()->setCurrentWidget(m_page);
        m_sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_sheet));
    }
    void cleanup()
    {
        delete m_sheet;
        m_sheet = nullptr;
    }

    void theButtonOpensOneWindowBesideThePage()
    {
        auto* button = Ctrl<QPushButton>(*m_page, IDC_CHART);
        QCOMPARE(button->text(), QStringLiteral("&Wykres h-x..."));
        // Its letter is no other control's on the page.
        const QChar letter = QChar('h');
        for (QAbstractButton* other : m_page->findChildren<QAbstractButton*>())
            if (other != button)
                QVERIFY2(!other->text().contains(QStringLiteral("&") + letter, Qt::CaseInsensitive),
                         qPrintable(other->text()));
        for (QLabel* label : m_page->findChildren<QLabel*>())
            QVERIFY2(!label->text().contains(QStringLiteral("&") + letter, Qt::CaseInsensitive),
                     qPrintable(label->text()));

        CWykresHxDlg& window = Open();
        QVERIFY(window.isVisible());
        QVERIFY(!window.isModal());
        QCOMPARE(window.windowTitle(), QStringLiteral("Wykres h-x"));
        QVERIFY(window.width() <= 1024 && window.frameGeometry().height() <= 768);
        QCOMPARE(window.StatusText(), UiString(kIdsChartHint));
        window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(&Open(), &window);  // shown again, not made anew
        QVERIFY(window.isVisible());
        // The page stays usable while it is open.
        Type(*m_page, IDC_TEMPERATURE, Num("300"));
        QCOMPARE(m_page->Model().GetTemperature(), 300.0);
    }

    void theWindowFollowsThePage()
    {
        CWykresHxDlg& window = Open();
        CWykresHxCtrl& chart = *window.Chart();
        const HumidAirInput& air = m_page->Model();
        const HxDot* dot = CurrentDot(chart.Scene());
        QVERIFY(dot != nullptr);
        QPointF at = chart.PositionOf({air.GetMoistureContent(), air.GetEnthalpy()});
        QCOMPARE(QPointF(dot->at.x, dot->at.y), at);
        QCOMPARE(Count(chart.Scene(), HxInk::Construction), 2);

        // A new state moves the dot.
        Type(*m_page, IDC_TEMPERATURE, Num("303.15"));
        dot = CurrentDot(chart.Scene());
        QVERIFY(dot != nullptr);
        const QPointF moved = chart.PositionOf({air.GetMoistureContent(), air.GetEnthalpy()});
        QVERIFY(std::fabs(moved.y() - at.y()) > 50);
        QCOMPARE(QPointF(dot->at.x, dot->at.y), moved);

        // A refused state has no dot; the next accepted one has.
        Type(*m_page, IDC_HUMIDITY, Num("120"));
        QVERIFY(CurrentDot(chart.Scene()) == nullptr);
        Type(*m_page, IDC_HUMIDITY, Num("30"));
        QVERIFY(CurrentDot(chart.Scene()) != nullptr);
        // A pasted "inf" leaves the model's last state in place, but the
        // page's message stands: no dot either.
        Paste(*m_page, IDC_TEMPERATURE, QStringLiteral("inf"));
        QVERIFY(m_page->Model().GetSpecificVolume() > 0);
        QVERIFY(CurrentDot(chart.Scene()) == nullptr);
        Type(*m_page, IDC_TEMPERATURE, Num("303.15"));
        QVERIFY(CurrentDot(chart.Scene()) != nullptr);

        // The slider's pressure redraws the chart at it.
        QSlider* slider = Ctrl<QSlider>(*m_page, IDC_BAROMETER);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(chart.Pressure(), 96000.0);
        QCOMPARE(QString::fromStdString(chart.Scene().title), UiString(kIdsChartTitle).replace("%1", "960"));

        // Storing both states draws the process line between "1" and "2".
        QCOMPARE(Count(chart.Scene(), HxInk::Process), 0);
        ClickButton(*m_page, IDC_STORE_INITIAL);
        QCOMPARE(Count(chart.Scene(), HxInk::Stored), 1);
        Type(*m_page, IDC_TEMPERATURE, Num("288.15"));
        ClickButton(*m_page, IDC_STORE_FINAL);
        QCOMPARE(Count(chart.Scene(), HxInk::Stored), 2);
        QCOMPARE(Count(chart.Scene(), HxInk::Process), 2);  // the line and its head
        const StoredState& final = m_page->Stored(StateSlot::Final);
        bool found = false;
        for (const HxDot& d : chart.Scene().dots)
            found |= d.ink == HxInk::Stored && QPointF(d.at.x, d.at.y) == chart.PositionOf({final.moisture, final.enthalpy});
        QVERIFY(found);
    }

    void aClickTypesTheRelativeHumidity()
    {
        CWykresHxDlg& window = Open();
        Choose(*m_page, IDC_TEMPERATURE_UNIT, QStringLiteral("st C"));
        const HxPoint target = window.Chart()->Chart().PointOf(kC + 25.04, 40.02);
        ClickAt(window, target);
        // What the click picked: the pixel's own point, rounded.
        const HxPick pick =
            window.Chart()->Chart().PickAt(window.Chart()->PointAt(window.Chart()->PositionOf(target).toPoint()));
        QVERIFY(pick.accepted);
        QVERIFY(std::fabs(pick.temperature - (kC + 25)) < 0.25);
        QCOMPARE(TextOf(*m_page, IDC_TEMPERATURE), Format(IDC_TEMPERATURE, pick.temperature));
        QCOMPARE(TextOf(*m_page, IDC_HUMIDITY), Format(IDC_HUMIDITY, pick.humidity));
        const HumidAirInput& air = m_page->Model();
        QCOMPARE(air.GetTemperature(), ParseNumber(TextOf(*m_page, IDC_TEMPERATURE).toStdString()) + kC);
        QCOMPARE(air.GetRelativeHumidity(), pick.humidity);
        QCOMPARE(Ctrl<QGroupBox>(*m_page, IDC_PROPERTIES)->title(), QStringLiteral("Właściwości"));
        // The page's derived values follow, and the chart's dot with them.
        QCOMPARE(TextOf(*m_page, IDC_MOISTURE), Format(IDC_MOISTURE, air.GetMoistureContent()));
        const HxDot* dot = CurrentDot(window.Chart()->Scene());
        QVERIFY(dot != nullptr);
        QVERIFY(std::hypot(dot->at.x - window.Chart()->PositionOf(target).x(),
                           dot->at.y - window.Chart()->PositionOf(target).y()) < 3);

        // Fog sets nothing.
        const HxPoint saturated = window.Chart()->Chart().SaturatedPoint(kC + 10);
        const QString before = TextOf(*m_page, IDC_TEMPERATURE);
        ClickAt(window, {saturated.x + 0.004, CPowietrze::EnthalpyOf(kC + 10, saturated.x + 0.004)});
        QCOMPARE(TextOf(*m_page, IDC_TEMPERATURE), before);
    }

    void aClickTypesTheMoistureContentInItsMode()
    {
        ClickButton(*m_page, IDC_MOISTURE_MODE);
        Choose(*m_page, IDC_MOISTURE_UNIT, QStringLiteral("g/kg"));
        CWykresHxDlg& window = Open();
        const HxPoint target = window.Chart()->Chart().PointOf(kC + 31, 35);
        const QString humidityBefore = TextOf(*m_page, IDC_HUMIDITY);
        ClickAt(window, target);
        const HxPick pick =
            window.Chart()->Chart().PickAt(window.Chart()->PointAt(window.Chart()->PositionOf(target).toPoint()));
        QVERIFY(pick.accepted);
        QCOMPARE(TextOf(*m_page, IDC_TEMPERATURE), Format(IDC_TEMPERATURE, pick.temperature));
        QCOMPARE(TextOf(*m_page, IDC_MOISTURE), Format(IDC_MOISTURE, pick.moisture));
        const HumidAirInput& air = m_page->Model();
        QCOMPARE(air.GetTemperature(), pick.temperature);
        // The model's moisture setter keeps 1e-07 kg/kg less, as for typing.
        QVERIFY(std::fabs(air.GetMoistureContent() - (pick.moisture - 1e-7)) < 1e-12);
        QCOMPARE(Ctrl<QGroupBox>(*m_page, IDC_PROPERTIES)->title(), QStringLiteral("Właściwości"));
        QVERIFY(TextOf(*m_page, IDC_HUMIDITY) != humidityBefore);
        QVERIFY(std::fabs(air.GetRelativeHumidity() - 35) < 0.5);
    }

    void hoverShowsTheStateUnderThePointer()
    {
        CWykresHxDlg& window = Open();
        CWykresHxCtrl* chart = window.Chart();
        const QPoint at = chart->PositionOf(chart->Chart().PointOf(kC + 12, 70)).toPoint();
        // Through the window: the widget overload only moves the cursor.
        QWindow* handle = window.windowHandle();
        QTest::mouseMove(handle, chart->mapTo(&window, at));
        const HxState state = chart->Chart().StateAt(chart->PointAt(at));
        QCOMPARE(window.StatusText(), QString::fromStdString(HxStatusText(state)));
        QVERIFY(window.StatusText().contains(Num("12.")));
        QTest::mouseMove(handle, chart->mapTo(&window, QPoint(2, 2)));  // in the margin
        QCOMPARE(window.StatusText(), UiString(kIdsChartHint));
    }

    void savesPngAndSvgAndCopies()
    {
        CWykresHxDlg& window = Open();
        QTemporaryDir folder;
        QVERIFY(folder.isValid());

        g_answer = {folder.filePath(QStringLiteral("chart.png")), 1};  // the name decides, not the type
        ClickButton(window, WykresHxIds::IDC_SAVE);
        QCOMPARE(g_requests.size(), std::size_t(1));
        QCOMPARE(g_requests[0].filters,
                 QStringList({UiString(kIdsChartPngFilter), UiString(kIdsChartSvgFilter)}));
        QImage png(folder.filePath(QStringLiteral("chart.png")), "PNG");
        QVERIFY(!png.isNull());
        const HxScene& scene = window.Chart()->Scene();
        QCOMPARE(png.size(), QSize(qRound(2 * scene.width), qRound(2 * scene.height)));
        // Not a blank picture: the saturation curve's ink is on it.
        bool inked = false;
        const QRgb saturation = QColor::fromRgb(StyleOf(HxInk::Saturation).rgb).rgb();
        for (int y = 0; y < png.height() && !inked; y += 2)
            for (int x = 0; x < png.width() && !inked; x += 2)
                inked = png.pixel(x, y) == saturation;
        QVERIFY(inked);

        g_answer = {folder.filePath(QStringLiteral("chart")), 1};  // no extension: the type chosen
        ClickButton(window, WykresHxIds::IDC_SAVE);
        const QString svgPath = folder.filePath(QStringLiteral("chart.svg"));
        QFile svg(svgPath);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QVERIFY(text.size() > 10000);
        QVERIFY(text.contains(QString::fromStdString(scene.title).toUtf8()));
        QSvgRenderer renderer(svgPath);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBoxF(), QRectF(0, 0, scene.width, scene.height));
        QVERIFY(g_messages.empty());

        // The command line's SVG, written by the core, parses too.
        QSvgRenderer core(QByteArray::fromStdString(HxSceneSvg(scene)));
        QVERIFY(core.isValid());

        // Cancelled: nothing written, nothing said.
        g_answer = {};
        ClickButton(window, WykresHxIds::IDC_SAVE);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
        QVERIFY(g_messages.empty());
        // A file that cannot be written is said so, not passed over.
        g_answer = {folder.filePath(QStringLiteral("no/such/folder/chart.png")), 0};
        ClickButton(window, WykresHxIds::IDC_SAVE);
        QCOMPARE(g_messages.size(), std::size_t(1));
        QVERIFY(g_messages[0].text.startsWith(UiString(kIdsChartNotSaved).section('%', 0, 0)));
        QVERIFY(g_messages[0].text.contains(QStringLiteral("chart.png")));

        ClickButton(window, WykresHxIds::IDC_COPY);
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(qRound(scene.width), qRound(scene.height)));
    }
};

QTEST_MAIN(TestWykresHx)
#include "tst_wykres_hx.moc"
