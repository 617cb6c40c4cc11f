// The look of the whole program: Polish texts, also the framework's own;
// windows that fit a 1024 × 768 screen and clip nothing with a larger font;
// Tab in visual order and the first writable box focused when a dialog
// opens; message colours on the caption only; state lines that do not wrap;
// one read-only look; nothing on a right click on a plain group box.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>
#include <QWhatsThis>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "analysis/AnalysisIds.h"
#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "analysis/CKsztaltPrzewoduDlg.h"
#include "analysis/CKvDlg.h"
#include "analysis/CRoznicaStrumieniDlg.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "controls/CAboutDlg.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/HelpFile.h"
#include "controls/Modal.h"
#include "controls/QtTranslation.h"
#include "controls/TabOrder.h"
#include "controls/UiString.h"
#include "pages/CParaWodnaPage.h"
#include "pages/CPowietrzePage.h"
#include "pages/CWodaPage.h"
#include "pages/PageIds.h"
#include "units/CJednostkiPage.h"
#include "units/JednostkiIds.h"
#include "WidgetTestSupport.h"

namespace {

// The smallest screen the program is made for, less a title bar and a
// panel: every window must open within it.
const QSize kScreen(1024, 768);
const QSize kWindowManager(16, 64);

// Words of the framework's built-in English that must not show.
const char* const kEnglish[] = {"Undo",  "Redo",  "Cut",   "Copy",   "Paste",  "Delete", "Select All", "Yes",
                                "No",    "Cancel", "Close", "Help", "Back",   "Forward", "Apply",     "Reset",
                                "Open",  "Save",  "Abort", "Retry", "Ignore", "What's This", "Link"};

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

// Every text a window shows of its own: captions, labels, buttons, frames,
// tabs, tool tips and the actions it carries.
QStringList TextsOf(QWidget* root)
{
    QStringList texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->isWindow())
            texts << w->windowTitle();
        texts << w->toolTip() << w->accessibleName();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        for (QAction* action : w->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

// The English words among the texts, "where: word" for each.
QStringList EnglishIn(const QString& where, const QStringList& texts)
{
    QStringList found;
    for (const QString& text : texts)
        for (const char* word : kEnglish) {
            const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(word)));
            if (whole.match(Plain(text)).hasMatch())
                found << where + QStringLiteral(": ") + text;
        }
    return found;
}

std::vector<unsigned> Ids(const std::vector<QWidget*>& widgets)
{
    std::vector<unsigned> ids;
    for (QWidget* w : widgets)
        ids.push_back(ControlIdOf(w));
    return ids;
}

QString Describe(const std::vector<unsigned>& ids)
{
    QStringList list;
    for (unsigned id : ids)
        list << QString::number(id);
    return list.join(QLatin1Char(' '));
}

// The modal windows of a test: each opening runs this with the window set
// up and shown; its result closes the window.
std::function<int(CDialog&)> g_dialog;
std::function<QMessageBox::StandardButton(QMessageBox&)> g_box;

int AnswerDialog(CDialog& dialog)
{
    dialog.show();
    const int result = g_dialog ? g_dialog(dialog) : int(QDialog::Rejected);
    dialog.hide();
    return result;
}

QMessageBox::StandardButton AnswerBox(QMessageBox& box)
{
    box.show();
    const QMessageBox::StandardButton answer = g_box ? g_box(box) : QMessageBox::No;
    box.hide();
    return answer;
}

// Controls whose text the layout cut: a caption, a label or a box given
// less than it needs.
QStringList Clipped(QWidget* window)
{
    QStringList clipped;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        const bool hasText = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                             qobject_cast<QGroupBox*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QLineEdit*>(w);
        if (!hasText)
            continue;
        QSize need = w->minimumSizeHint();
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap())
            need = QSize(0, label->heightForWidth(label->width()));  // wrapped to its width
        if (w->width() < need.width() || w->height() < need.height())
            clipped << QStringLiteral("%1 %2 (%3 x %4 of %5 x %6)")
                           .arg(QString::fromLatin1(w->metaObject()->className()))
                           .arg(ControlIdOf(w))
                           .arg(w->width())
                           .arg(w->height())
                           .arg(need.width())
                           .arg(need.height());
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap() && !label->text().isEmpty() &&
                                                     label->pixmap().isNull()) {
            const QSize text = label->fontMetrics().size(Qt::TextShowMnemonic, label->text());
            if (label->contentsRect().width() < text.width())
                clipped << QStringLiteral("label \"%1\" (%2 of %3)").arg(label->text()).arg(label->width()).arg(text.width());
        }
    }
    return clipped;
}

} // namespace

class TestLook : public QObject {
    Q_OBJECT
    std::unique_ptr<CZentaroTabbedDlg> m_sheet;

    CZentaroTabbedDlg& Sheet()
    {
        if (!m_sheet) {
            m_sheet = std::make_unique<CZentaroTabbedDlg>(QStringLiteral("Zentaro"));
            m_sheet->adjustSize();
            m_sheet->show();
        }
        return *m_sheet;
    }

    // Opens a water page's flow analysis, with the medium of a fresh page.
    void OpenFlow(const std::function<int(CDialog&)>& inside)
    {
        g_dialog = inside;
        Ctrl<QPushButton>(Sheet().WodaPage(), WodaIds::IDC_FLOW)->click();
        g_dialog = nullptr;
    }

    // Stores both states of the water page (equal flows) and opens the
    // energy analysis.
    void OpenEnergy(const std::function<int(CDialog&)>& inside)
    {
        CWodaPage& page = Sheet().WodaPage();
        Ctrl<QPushButton>(page, WodaIds::IDC_STORE_INITIAL)->click();
        Ctrl<QPushButton>(page, WodaIds::IDC_STORE_FINAL)->click();
        g_dialog = inside;
        Ctrl<QPushButton>(page, WodaIds::IDC_ENERGY)->click();
        g_dialog = nullptr;
    }

private slots:
    void initTestCase()
    {
        SetDecimalSeparator(SystemDecimalSeparator());
        // The framework's own texts in Polish, as the application loads them.
        QVERIFY2(InstallQtTranslations(*qApp), qPrintable(QtTranslationsDir()));
        CSplashWnd::SetPicturePath(QString());
        CDialog::SetModalHook(AnswerDialog);
        SetMessageBoxHook(AnswerBox);
        SetHelpPopupHook([](const HelpPopupRequest&) { QFAIL("no help popup expected"); });
    }

    void cleanup()
    {
        g_dialog = nullptr;
        g_box = nullptr;
        m_sheet.reset();
    }

    void cleanupTestCase()
    {
        SetHelpPopupHook(nullptr);
        SetMessageBoxHook(nullptr);
        CDialog::SetModalHook(nullptr);
    }

    // ---- Polish everywhere

    void missingCatalogueLeavesTheProgramAsItWas()
    {
        const int before = qApp->findChildren<QTranslator*>().size();
        QVERIFY(!InstallQtTranslations(*qApp, QStringLiteral("/nonexistent")));
        QCOMPARE(qApp->findChildren<QTranslator*>().size(), before);
    }

    void questionAfterTheFlowAnalysisAsksInPolish()
    {
        CWodaPage& page = Sheet().WodaPage();
        Ctrl<QPushButton>(page, WodaIds::IDC_STORE_INITIAL)->click();
        Ctrl<QPushButton>(page, WodaIds::IDC_STORE_FINAL)->click();
        QStringList buttons;
        QString title;
        g_box = [&](QMessageBox& box) {
            title = box.windowTitle();
            for (QAbstractButton* b : box.buttons())
                buttons << Plain(b->text());
            return QMessageBox::No;
        };
        // The analysis hands back another mass flow: the question follows.
        OpenFlow([](CDialog& flow) {
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_COMPUTE_VELOCITY)->click();
            Type(flow, PrzeplywIds::IDC_MASS_FLOW, Num("2"));
            return int(QDialog::Accepted);
        });
        QCOMPARE(title, QStringLiteral("Informacja"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Nie"), QStringLiteral("Tak")}));
    }

    void editBoxMenusArePolish()
    {
        auto expectPolish = [](const QString& where, QMenu* menu, const QStringList& expected) {
            QStringList texts;
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    texts << Plain(action->text()).section(QLatin1Char('\t'), 0, 0);
            for (const QString& text : expected)
                QVERIFY2(texts.contains(text), qPrintable(where + QStringLiteral(": ") + texts.join(QStringLiteral(", "))));
            const QStringList english = EnglishIn(where, texts);
            QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
            delete menu;
        };
        const QStringList editing{QStringLiteral("Cofnij"), QStringLiteral("Wytnij"), QStringLiteral("Skopiuj"),
                                  QStringLiteral("Wklej"), QStringLiteral("Zaznacz wszystko")};
        CWodaPage& page = Sheet().WodaPage();
        expectPolish(QStringLiteral("edit box"), Edit(page, WodaIds::IDC_TEMPERATURE)->createStandardContextMenu(),
                     editing);
        auto* state = Ctrl<QPlainTextEdit>(page, WodaIds::IDC_INITIAL_TEXT);
        // Read-only text has the framework's other wording.
        const QStringList reading{QStringLiteral("Skopiuj"), QStringLiteral("Zaznacz wszystko")};
        expectPolish(QStringLiteral("state box"), state->createStandardContextMenu(), reading);
        CHelpBrowser help;
        expectPolish(QStringLiteral("help window"), help.createStandardContextMenu(), reading);
        std::unique_ptr<QAction> whatsThis(QWhatsThis::createAction());
        QCOMPARE(Plain(whatsThis->text()), QStringLiteral("Co to jest?"));
    }

    void noEnglishWordInAnyWindow()
    {
        QStringList english = EnglishIn(QStringLiteral("sheet"), TextsOf(&Sheet()));
        if (QMenu* about = Sheet().AboutMenu())
            english << EnglishIn(QStringLiteral("menu"), TextsOf(about));
        auto collect = [&english](CDialog& dialog) {
            english << EnglishIn(QString::fromLatin1(dialog.metaObject()->className()), TextsOf(&dialog));
            return int(QDialog::Rejected);
        };
        OpenFlow([&](CDialog& flow) {
            collect(flow);
            // Its two small dialogs, from its buttons.
            g_dialog = collect;
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_F)->click();
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_KV)->click();
            return int(QDialog::Rejected);
        });
        OpenEnergy(collect);
        CRoznicaStrumieniDlg choice;
        g_dialog = collect;
        choice.DoModal();
        CAboutDlg about;
        about.DoModal();
        english << EnglishIn(QStringLiteral("help window"), TextsOf(CHelpWindow::Ensure()));
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
    }

    // ---- Windows that fit

    void everyWindowFitsTheSmallScreen()
    {
        const QSize room = kScreen - kWindowManager;
        QStringList tooLarge;
        auto check = [&](QWidget& window) {
            // A window opens at its size hint where the screen has room,
            // else as small as its minimum lets it be.
            const QSize least = window.minimumSizeHint();
            if (least.width() > room.width() || least.height() > room.height())
                tooLarge << QStringLiteral("%1 %2 x %3")
                                .arg(QString::fromLatin1(window.metaObject()->className()))
                                .arg(least.width())
                                .arg(least.height());
            return int(QDialog::Rejected);
        };
        check(Sheet());
        auto checkDialog = [&](CDialog& dialog) { return check(dialog); };
        OpenFlow([&](CDialog& flow) {
            check(flow);
            g_dialog = checkDialog;
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_F)->click();
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_KV)->click();
            return int(QDialog::Rejected);
        });
        OpenEnergy(checkDialog);
        CRoznicaStrumieniDlg choice;
        g_dialog = checkDialog;
        choice.DoModal();
        CAboutDlg about;
        about.DoModal();
        QVERIFY2(tooLarge.isEmpty(), qPrintable(tooLarge.join(QLatin1Char('\n'))));
    }

    void nothingClipsWithALargerFont_data()
    {
        QTest::addColumn<int>("points");
        QTest::newRow("default") << 0;
        QTest::newRow("12 pt") << 12;
    }

    void nothingClipsWithALargerFont()
    {
        QFETCH(int, points);
        const QFont original = QApplication::font();
        if (points > 0) {
            QFont larger = original;
            larger.setPointSize(points);
            QApplication::setFont(larger);
        }
        QStringList clipped;
        auto inspect = [&clipped](QWidget& window) {
            window.adjustSize();
            QApplication::processEvents();
            for (const QString& c : Clipped(&window))
                clipped << QString::fromLatin1(window.metaObject()->className()) + QStringLiteral(": ") + c;
        };
        CZentaroTabbedDlg& sheet = Sheet();
        for (int tab = 0; tab < sheet.Tabs()->count(); ++tab) {
            sheet.Tabs()->setCurrentIndex(tab);
            inspect(sheet);
        }
        auto inspectDialog = [&](CDialog& dialog) {
            inspect(dialog);
            return int(QDialog::Rejected);
        };
        OpenFlow([&](CDialog& flow) {
            inspect(flow);
            g_dialog = inspectDialog;
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_F)->click();
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_KV)->click();
            return int(QDialog::Rejected);
        });
        OpenEnergy(inspectDialog);
        CRoznicaStrumieniDlg choice;
        g_dialog = inspectDialog;
        choice.DoModal();
        CAboutDlg about;
        about.DoModal();
        QApplication::setFont(original);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }

    // ---- Tab order and the first focus

    void flowDialogTabsInVisualOrder()
    {
        using namespace PrzeplywIds;
        // Tab stops at the checked button of each group of radio buttons.
        auto expected = [](unsigned mode, unsigned characteristic) {
            return std::vector<unsigned>{
                mode,                                                                     // modes first
                IDC_MASS_FLOW, IDC_MASS_FLOW_UNIT, IDC_VOLUME_FLOW, IDC_VOLUME_FLOW_UNIT, // left column
                IDC_VELOCITY, IDC_VELOCITY_UNIT, characteristic, IDC_DIAMETER, IDC_DIAMETER_UNIT,
                IDC_SIDE_L, IDC_SIDE_H, IDC_SIDES_UNIT, IDC_AREA, IDC_AREA_UNIT, IDC_SIZES,
                IDC_ROUGHNESS_SLIDER, IDC_UNIT_LOSS, IDC_UNIT_LOSS_UNIT, IDC_DUCT_LENGTH, // right column
                IDC_DUCT_LENGTH_UNIT, IDC_LINEAR_LOSS, IDC_LINEAR_LOSS_UNIT, IDC_KV,
                IDC_ZETA_SUM, IDC_ZETA_SUM_UNIT, IDC_LOCAL_LOSS, IDC_LOCAL_LOSS_UNIT,
                IDC_TIME, IDC_TIME_UNIT, IDC_MASS, IDC_MASS_UNIT,
                1, 2, 9,                                                                  // OK, Anuluj, Pomoc
            };
        };
        std::vector<unsigned> chain, tabbed, otherMode;
        const std::vector<unsigned> opening = expected(IDC_COMPUTE_FLOW, IDC_DN);
        const std::vector<unsigned> later = expected(IDC_COMPUTE_VELOCITY, IDC_LXH);
        OpenFlow([&](CDialog& flow) {
            chain = Ids(TabChain(&flow));
            // The keyboard goes that way, from the modes round to them.
            flow.activateWindow();
            if (!QTest::qWaitForWindowActive(&flow))
                return int(QDialog::Rejected);
            Ctrl<QWidget>(flow, IDC_COMPUTE_FLOW)->setFocus(Qt::TabFocusReason);
            for (std::size_t i = 0; i <= opening.size(); ++i) {
                tabbed.push_back(ControlIdOf(QApplication::focusWidget()));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            Ctrl<QAbstractButton>(flow, IDC_COMPUTE_VELOCITY)->click();
            Ctrl<QAbstractButton>(flow, IDC_LXH)->click();
            otherMode = Ids(TabChain(&flow));
            return int(QDialog::Rejected);
        });
        QVERIFY2(chain == opening, qPrintable(Describe(chain)));
        std::vector<unsigned> round = opening;
        round.push_back(opening.front());
        QVERIFY2(tabbed == round, qPrintable(Describe(tabbed)));
        QVERIFY2(otherMode == later, qPrintable(Describe(otherMode)));
    }

    void energyDialogTabsInVisualOrder()
    {
        using namespace EnergiaIds;
        const std::vector<unsigned> expected{
            IDC_COMPUTE_FLOW,      IDC_MASS_FLOW,
            IDC_MASS_FLOW_UNIT,    IDC_HEAT_POWER,             IDC_HEAT_POWER_UNIT,  IDC_ENTHALPY_DIFF,
            IDC_ENTHALPY_DIFF_UNIT, IDC_FINAL_ENTHALPY,        IDC_FINAL_ENTHALPY_UNIT, IDC_TEMPERATURE_DIFF,
            IDC_TEMPERATURE_DIFF_UNIT, IDC_FINAL_TEMPERATURE,  IDC_FINAL_TEMPERATURE_UNIT, IDC_TIME,
            IDC_TIME_UNIT,         IDC_ENERGY,                 IDC_ENERGY_UNIT,      1,
            2,                     9,
        };
        std::vector<unsigned> chain;
        OpenEnergy([&](CDialog& energy) {
            chain = Ids(TabChain(&energy));
            return int(QDialog::Rejected);
        });
        QVERIFY2(chain == expected, qPrintable(Describe(chain)));
    }

    void mediumPageTabsInVisualOrder()
    {
        using namespace WodaIds;
        const std::vector<unsigned> expected{
            IDC_TEMPERATURE, IDC_TEMPERATURE_UNIT, IDC_PRESSURE, IDC_PRESSURE_UNIT, IDC_MASS_FLOW,
            IDC_MASS_FLOW_UNIT, IDC_FLOW,  // "Energia..." is off until both states are stored
            IDC_DENSITY, IDC_DENSITY_UNIT, IDC_EXPANSION, IDC_EXPANSION_UNIT, IDC_SPECIFIC_HEAT,
            IDC_SPECIFIC_HEAT_UNIT, IDC_ENTHALPY, IDC_ENTHALPY_UNIT, IDC_CONDUCTIVITY, IDC_CONDUCTIVITY_UNIT,
            IDC_DYNAMIC_VISCOSITY, IDC_DYNAMIC_VISCOSITY_UNIT, IDC_KINEMATIC_VISCOSITY,
            IDC_KINEMATIC_VISCOSITY_UNIT, IDC_SURFACE_TENSION, IDC_SURFACE_TENSION_UNIT, IDC_PRANDTL,
            IDC_PRANDTL_UNIT, IDC_STORE_INITIAL, IDC_STORE_FINAL, IDC_INITIAL_TEXT, IDC_FINAL_TEXT,
        };
        const std::vector<unsigned> chain = Ids(TabChain(&Sheet().WodaPage()));
        QVERIFY2(chain == expected, qPrintable(Describe(chain)));

        // The steam page's regimes stand above its parameters; Tab stops
        // at the chosen one.
        Sheet().Tabs()->setCurrentWidget(&Sheet().ParaWodnaPage());
        const std::vector<unsigned> steam = Ids(TabChain(&Sheet().ParaWodnaPage()));
        QVERIFY(steam.size() > 4);
        QCOMPARE(std::vector<unsigned>(steam.begin(), steam.begin() + 4),
                 (std::vector<unsigned>{ParaIds::IDC_WET, ParaIds::IDC_TEMPERATURE, ParaIds::IDC_TEMPERATURE_UNIT,
                                        ParaIds::IDC_PRESSURE}));
    }

    // The humid-air page: the mode's radio button before the box it makes
    // writable, the slider after the typed lines, the chart's button after
    // the analyses'.
    void airPageTabsInVisualOrder()
    {
        using namespace PowietrzeIds;
        Sheet().Tabs()->setCurrentWidget(&Sheet().PowietrzePage());
        const std::vector<unsigned> air = Ids(TabChain(&Sheet().PowietrzePage()));
        const std::vector<unsigned> airExpected{
            IDC_TEMPERATURE, IDC_TEMPERATURE_UNIT, IDC_HUMIDITY_MODE, IDC_HUMIDITY, IDC_HUMIDITY_UNIT, IDC_MOISTURE,
            IDC_MOISTURE_UNIT, IDC_MASS_FLOW, IDC_MASS_FLOW_UNIT, IDC_BAROMETER, IDC_FLOW, IDC_CHART,
            IDC_ENTHALPY, IDC_ENTHALPY_UNIT, IDC_SPECIFIC_VOLUME, IDC_SPECIFIC_VOLUME_UNIT,
            IDC_VAPOUR_PRESSURE, IDC_VAPOUR_PRESSURE_UNIT, IDC_DEW_POINT, IDC_DEW_POINT_UNIT, IDC_WET_BULB,
            IDC_WET_BULB_UNIT, IDC_DYNAMIC_VISCOSITY, IDC_DYNAMIC_VISCOSITY_UNIT,
            IDC_KINEMATIC_VISCOSITY, IDC_KINEMATIC_VISCOSITY_UNIT,
            IDC_STORE_INITIAL, IDC_STORE_FINAL, IDC_INITIAL_TEXT,
            IDC_FINAL_TEXT,
        };
        QVERIFY2(air == airExpected, qPrintable(Describe(air)));
    }

    void dialogsOpenInTheirFirstWritableBox()
    {
        unsigned flowFocus = 0, kvFocus = 0, shapeFocus = 0, reopenedFocus = 0, energyFocus = 0, areaFocus = 0;
        OpenFlow([&](CDialog& flow) {
            // The flows are results in the first mode: the velocity is the
            // first box the user can type in.
            flowFocus = ControlIdOf(flow.focusWidget());
            g_dialog = [&](CDialog& small) {
                (qobject_cast<CKvDlg*>(&small) ? kvFocus : shapeFocus) = ControlIdOf(small.focusWidget());
                return int(QDialog::Rejected);
            };
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_KV)->click();
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_F)->click();
            Edit(flow, PrzeplywIds::IDC_LOCAL_LOSS)->setFocus();
            return int(QDialog::Rejected);
        });
        // Opened again, it starts over, whatever had the focus at its close.
        OpenFlow([&](CDialog& flow) {
            reopenedFocus = ControlIdOf(flow.focusWidget());
            // In the section mode the velocity is the first again.
            Ctrl<QAbstractButton>(flow, PrzeplywIds::IDC_COMPUTE_AREA)->click();
            return int(QDialog::Rejected);
        });
        OpenEnergy([&](CDialog& energy) {
            energyFocus = ControlIdOf(energy.focusWidget());
            return int(QDialog::Rejected);
        });
        CRoznicaStrumieniDlg choice;
        g_dialog = [&](CDialog& dialog) {
            areaFocus = ControlIdOf(dialog.focusWidget());
            return int(QDialog::Rejected);
        };
        choice.DoModal();
        QCOMPARE(flowFocus, unsigned(PrzeplywIds::IDC_VELOCITY));
        QCOMPARE(reopenedFocus, unsigned(PrzeplywIds::IDC_VELOCITY));
        QCOMPARE(kvFocus, unsigned(KvIds::IDC_KV));
        // The proportion is off until a rectangle is chosen: the first choice.
        QCOMPARE(shapeFocus, unsigned(KsztaltIds::IDC_ROUND));
        QCOMPARE(energyFocus, unsigned(EnergiaIds::IDC_HEAT_POWER));
        QCOMPARE(areaFocus, unsigned(RoznicaIds::IDC_INITIAL_STREAM));
    }

    // ---- Colours, state lines, the read-only look, plain frames

    void messageColoursOnlyTheCaption()
    {
        using namespace WodaIds;
        CWodaPage& page = Sheet().WodaPage();
        auto* properties = Ctrl<CGroupBoxEx>(page, IDC_PROPERTIES);
        // What stands in the frame: the outputs' labels, boxes and units.
        std::vector<QWidget*> inside{Edit(page, IDC_DENSITY), Ctrl<QWidget>(page, IDC_DENSITY_UNIT)};
        for (QLabel* label : page.findChildren<QLabel*>())
            if (label->buddy() == Edit(page, IDC_DENSITY))
                inside.push_back(label);
        QCOMPARE(inside.size(), std::size_t(3));
        std::vector<QPalette> before;
        for (QWidget* w : inside)
            before.push_back(w->palette());
        const QPalette frame = properties->palette();

        Type(page, IDC_TEMPERATURE, Num("423.16"));
        QVERIFY(properties->title().startsWith(QStringLiteral("Temperatura wyższa")));
        // The caption is painted red on the button face ...
        const QStyleOptionGroupBox painted = properties->PaintOption();
        QCOMPARE(painted.palette.color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(painted.textColor, QColor(255, 0, 0));
        QCOMPARE(properties->BackgroundColor(), SysButtonFaceColor());
        // ... and nothing else changes colour: not the frame, not its
        // inside, not what stands in it.
        QCOMPARE(properties->palette(), frame);
        QVERIFY(!properties->autoFillBackground());
        for (std::size_t i = 0; i < inside.size(); ++i) {
            // A disabled unit list greys out; its colours are the same.
            QCOMPARE(inside[i]->palette().color(QPalette::Active, QPalette::WindowText),
                     before[i].color(QPalette::Active, QPalette::WindowText));
            QCOMPARE(inside[i]->palette().color(QPalette::Active, QPalette::Base),
                     before[i].color(QPalette::Active, QPalette::Base));
        }

        Type(page, IDC_TEMPERATURE, Num("300"));
        QCOMPARE(properties->title(), QStringLiteral("Właściwości"));
        QCOMPARE(properties->PaintOption().palette.color(QPalette::WindowText), frame.color(QPalette::WindowText));
        QVERIFY(!properties->HasCaptionColors());
    }

    void stateLinesDoNotWrap()
    {
        using namespace WodaIds;
        CWodaPage& page = Sheet().WodaPage();
        auto* box = Ctrl<QPlainTextEdit>(page, IDC_INITIAL_TEXT);
        Sheet().Tabs()->setCurrentWidget(&page);
        Ctrl<QPushButton>(page, IDC_STORE_INITIAL)->click();
        // Narrower than its longest line ("Rozszerzalność objętościowa ...").
        Sheet().resize(Sheet().minimumSizeHint());
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("Ciepło właściwe")));
        QApplication::processEvents();
        const QString text = page.StateText(StateSlot::Initial);
        const int lines = int(text.count(QStringLiteral("\r\n")));
        QCOMPARE(box->document()->blockCount(), lines);
        for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
            box->document()->documentLayout()->blockBoundingRect(block);  // lays the line out
            QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
        }
        // What does not fit scrolls sideways.
        QVERIFY(box->horizontalScrollBar()->maximum() > 0);
    }

    void readOnlyBoxesLookTheSameEverywhere()
    {
        const QColor readOnly = ReadOnlyLookBackground(true);
        const QColor writable = ReadOnlyLookBackground(false);
        QVERIFY(readOnly != writable);
        auto base = [](QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Base); };
        auto text = [](QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Text); };
        CZentaroTabbedDlg& sheet = Sheet();
        QWidget& converter = sheet.JednostkiPage();
        // The converter's result, the steam page's outputs, the state boxes.
        for (QWidget* box : {static_cast<QWidget*>(Edit(converter, JednostkiIds::IDC_RESULT)),
                             static_cast<QWidget*>(Edit(sheet.ParaWodnaPage(), ParaIds::IDC_ENTHALPY)),
                             static_cast<QWidget*>(Ctrl<QPlainTextEdit>(sheet.WodaPage(), WodaIds::IDC_FINAL_TEXT))}) {
            QCOMPARE(base(box), readOnly);
            QCOMPARE(text(box), SysWindowTextColor());
        }
        // The boxes the user types in.
        QCOMPARE(base(Edit(converter, JednostkiIds::IDC_VALUE)), writable);
        QCOMPARE(base(Edit(sheet.WodaPage(), WodaIds::IDC_DENSITY)), writable);
        // A result of an analysis: the same face, in blue; an input: white.
        QColor result, input;
        OpenFlow([&](CDialog& flow) {
            result = base(Edit(flow, PrzeplywIds::IDC_MASS_FLOW));
            input = base(Edit(flow, PrzeplywIds::IDC_VELOCITY));
            return int(QDialog::Rejected);
        });
        QCOMPARE(result, readOnly);
        QCOMPARE(input, writable);
        // Whoever switches a box, the look follows.
        CEditEx edit(1);
        edit.setReadOnly(true);
        QCOMPARE(base(&edit), readOnly);
        edit.setReadOnly(false);
        QCOMPARE(base(&edit), writable);
    }

    void rightClickOnAPlainGroupBoxDoesNothing()
    {
        // The hook of initTestCase fails on any popup.
        CZentaroTabbedDlg& sheet = Sheet();
        std::vector<QWidget*> frames{Ctrl<QGroupBox>(sheet.WodaPage(), WodaIds::IDC_PARAMETERS),
                                     Ctrl<QGroupBox>(sheet.ParaWodnaPage(), ParaIds::IDC_PARAMETERS)};
        OpenFlow([&](CDialog& flow) {
            for (QGroupBox* box : flow.findChildren<QGroupBox*>()) {
                QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4), box->mapToGlobal(QPoint(4, 4)));
                QApplication::sendEvent(box, &click);
            }
            return int(QDialog::Rejected);
        });
        for (QWidget* frame : frames) {
            sheet.Tabs()->setCurrentWidget(frame->parentWidget());
            QVERIFY(!qobject_cast<CGroupBoxEx*>(frame));
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4), frame->mapToGlobal(QPoint(4, 4)));
            QApplication::sendEvent(frame, &click);
        }
        QVERIFY(QApplication::activePopupWidget() == nullptr);
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
