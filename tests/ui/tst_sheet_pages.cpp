// The main window builds a page when its tab is first shown and an analysis
// dialog when it is first opened. What the user sees must not tell: a page
// built late starts as one built at start, the window keeps its size, Tab
// runs as before, help answers on the new page, and what the dialogs carry
// from one opening to the next still carries.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWhatsThis>
#include <QtTest>
#include <vector>

#include "analysis/AnalysisIds.h"
#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "analysis/CKsztaltPrzewoduDlg.h"
#include "analysis/CRoznicaStrumieniDlg.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "calc/CKalkPage.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/Modal.h"
#include "controls/TabOrder.h"
#include "controls/UiString.h"
#include "pages/CParaWodnaPage.h"
#include "pages/CPowietrzePage.h"
#include "pages/CWodaPage.h"
#include "pages/PageIds.h"
#include "units/CJednostkiPage.h"
#include "WidgetTestSupport.h"

namespace {

using Sheet = CZentaroTabbedDlg;

// What the user can see of a page's controls, in the order they were made.
QStringList Snapshot(QWidget& page)
{
    QStringList lines;
    for (QWidget* w : page.findChildren<QWidget*>()) {
        if (!w->objectName().startsWith(QLatin1String("ctrl")))
            continue;
        QString line = w->objectName() + QLatin1Char(' ') + QString::number(w->isEnabled())
                     + QString::number(w->isVisibleTo(&page)) + QLatin1Char(' ');
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            line += edit->text() + QString::number(edit->isReadOnly());
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            line += combo->currentText() + QLatin1Char('/') + QString::number(combo->count());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            line += button->text() + QString::number(button->isChecked());
        else if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            line += text->toPlainText();
        else if (auto* label = qobject_cast<QLabel*>(w))
            line += label->text() + label->palette().color(QPalette::WindowText).name();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            line += box->title() + box->palette().color(QPalette::WindowText).name();
        else if (auto* list = qobject_cast<QListWidget*>(w))
            line += QString::number(list->count()) + QLatin1Char('/') + QString::number(list->currentRow());
        else if (auto* slider = qobject_cast<QSlider*>(w))
            line += QString::number(slider->value());
        lines << line;
    }
    return lines;
}

QWidget& PageOf(Sheet& sheet, int tab)
{
    switch (tab) {
    case Sheet::kKalkTab:
        return sheet.KalkPage();
    case Sheet::kJednostkiTab:
        return sheet.JednostkiPage();
    case Sheet::kWodaTab:
        return sheet.WodaPage();
    case Sheet::kParaWodnaTab:
        return sheet.ParaWodnaPage();
    default:
        return sheet.PowietrzePage();
    }
}

void ClickTab(Sheet& sheet, int tab)
{
    QTabBar* bar = sheet.Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    QApplication::processEvents();
}

int BuiltPages(Sheet& sheet)
{
    return int(sheet.findChildren<CKalkPage*>().size() + sheet.findChildren<CJednostkiPage*>().size()
               + sheet.findChildren<CMediumPage*>().size());
}

} // namespace

class TestSheetPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SetDecimalSeparator(SystemDecimalSeparator());
        CSplashWnd::SetPicturePath(QString());
    }
    void cleanup()
    {
        CDialog::SetModalHook({});
        SetMessageHook({});
        SetHelpPopupHook({});
    }

    void onlyThePageOnScreenIsBuiltAtStart()
    {
        Sheet sheet(QStringLiteral("Zentaro"));
        QCOMPARE(BuiltPages(sheet), 1);
        QVERIFY(sheet.IsPageBuilt(Sheet::kKalkTab));
        QVERIFY(sheet.findChildren<CDialog*>().isEmpty());

        Sheet converterFirst(QStringLiteral("Zentaro"), nullptr, Sheet::kJednostkiTab);
        QCOMPARE(BuiltPages(converterFirst), 1);
        QCOMPARE(converterFirst.Tabs()->currentWidget(), &converterFirst.JednostkiPage());
    }

    void aTabShowsItsPageTheFirstTimeAndAfter()
    {
        Sheet sheet(QStringLiteral("Zentaro"));
        sheet.show();
        sheet.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        QTabWidget* tabs = sheet.Tabs();
        QSignalSpy changes(tabs, &QTabWidget::currentChanged);

        // The focus leaves the calculator for the new page's first control.
        sheet.KalkPage().TapeList()->setFocus();
        ClickTab(sheet, Sheet::kParaWodnaTab);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toInt(), int(Sheet::kParaWodnaTab));
        CParaWodnaPage& steam = sheet.ParaWodnaPage();
        QCOMPARE(tabs->currentWidget(), &steam);
        QVERIFY(steam.isVisible());
        QCOMPARE(QApplication::focusWidget(), TabChain(&steam).front());
        QCOMPARE(BuiltPages(sheet), 2);

        // Asked for, a page is built on its own tab, hidden; the tab on
        // screen stays and nobody hears of a change.
        CWodaPage& water = sheet.WodaPage();
        QCOMPARE(tabs->indexOf(&water), int(Sheet::kWodaTab));
        QCOMPARE(tabs->currentIndex(), int(Sheet::kParaWodnaTab));
        QVERIFY(!water.isVisible());
        QCOMPARE(changes.count(), 1);
        QCOMPARE(&sheet.WodaPage(), &water);
        QCOMPARE(BuiltPages(sheet), 3);

        // Away and back: the same page, as the user left it.
        Type(steam, ParaIds::IDC_TEMPERATURE, Num("150.5"));
        ClickTab(sheet, Sheet::kKalkTab);
        ClickTab(sheet, Sheet::kParaWodnaTab);
        QCOMPARE(tabs->currentWidget(), &steam);
        QCOMPARE(TextOf(steam, ParaIds::IDC_TEMPERATURE), Num("150.5"));
        const QStringList titles = {"Kalkulator", "Jednostki miar", "Woda", "Para wodna", "Wilgotne powietrze"};
        for (int tab = 0; tab < Sheet::kTabCount; ++tab)
            QCOMPARE(tabs->tabText(tab), titles[tab]);
        QCOMPARE(changes.count(), 3);
    }

    void aPageFirstShownLateStartsInItsStartState_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("converter") << int(Sheet::kJednostkiTab);
        QTest::newRow("water") << int(Sheet::kWodaTab);
        QTest::newRow("steam") << int(Sheet::kParaWodnaTab);
        QTest::newRow("humid air") << int(Sheet::kPowietrzeTab);
    }
    void aPageFirstShownLateStartsInItsStartState()
    {
        QFETCH(int, tab);
        Sheet early(QStringLiteral("Zentaro"));
        const QStringList atStart = Snapshot(PageOf(early, tab));
        QVERIFY(atStart.size() > 5);

        // Work elsewhere first: the calculator, the converter, a medium
        // page with a stored state and a flow analysis taken back.
        Sheet late(QStringLiteral("Zentaro"));
        late.show();
        QVERIFY(QTest::qWaitForWindowExposed(&late));
        QTest::keyClicks(late.KalkPage().TapeList(), QStringLiteral("12+3"));
        if (tab != Sheet::kJednostkiTab) {
            ClickTab(late, Sheet::kJednostkiTab);
            QComboBox* quantity = late.JednostkiPage().QuantityCombo();
            quantity->setCurrentIndex(quantity->findText(QStringLiteral("Ciśnienie")));
            QVERIFY(quantity->currentIndex() > 0);
        }
        const int medium = tab == Sheet::kWodaTab ? Sheet::kPowietrzeTab : Sheet::kWodaTab;
        ClickTab(late, medium);
        QWidget& other = PageOf(late, medium);
        const bool water = medium == Sheet::kWodaTab;
        const unsigned temperature = water ? unsigned(WodaIds::IDC_TEMPERATURE) : unsigned(PowietrzeIds::IDC_TEMPERATURE);
        const unsigned store = water ? unsigned(WodaIds::IDC_STORE_INITIAL) : unsigned(PowietrzeIds::IDC_STORE_INITIAL);
        const unsigned flow = water ? unsigned(WodaIds::IDC_FLOW) : unsigned(PowietrzeIds::IDC_FLOW);
        Type(other, temperature, Num("313.15"));
        ClickButton(other, store);
        int opened = 0;
        CDialog::SetModalHook([&opened](CDialog& flow) {
            ++opened;
            Type(flow, PrzeplywIds::IDC_VELOCITY, Num("2"));
            return int(QDialog::Accepted);
        });
        SetMessageHook([](const MessageRequest&) { return QMessageBox::No; });
        ClickButton(other, flow);
        QCOMPARE(opened, 1);
        QVERIFY(!late.IsPageBuilt(tab));

        ClickTab(late, tab);
        QCOMPARE(late.Tabs()->currentWidget(), &PageOf(late, tab));
        QCOMPARE(Snapshot(PageOf(late, tab)), atStart);
    }

    void theWindowKeepsItsSizeAsPagesAppear()
    {
        Sheet sheet(QStringLiteral("Zentaro"));
        sheet.adjustSize();
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        const QSize size = sheet.size();
        const QSize hint = sheet.sizeHint();
        const QSize minimum = sheet.minimumSizeHint();
        for (int tab = Sheet::kJednostkiTab; tab < Sheet::kTabCount; ++tab) {
            ClickTab(sheet, tab);
            QVERIFY(sheet.IsPageBuilt(tab));
            QCOMPARE(sheet.size(), size);
        }
        // The room kept for the pages covers them and is not much more: if
        // a page grows or shrinks, the room in the stand-in must follow.
        auto close = [](const QSize& kept, const QSize& needed) {
            return kept.width() >= needed.width() && kept.height() >= needed.height()
                && kept.width() <= needed.width() * 51 / 50 && kept.height() <= needed.height() * 51 / 50;
        };
        const QSize builtHint = sheet.sizeHint();
        const QSize builtMinimum = sheet.minimumSizeHint();
        QVERIFY2(close(hint, builtHint), qPrintable(QStringLiteral("kept %1x%2, needed %3x%4")
                                                        .arg(hint.width()).arg(hint.height())
                                                        .arg(builtHint.width()).arg(builtHint.height())));
        QVERIFY2(close(minimum, builtMinimum), qPrintable(QStringLiteral("kept %1x%2, needed %3x%4")
                                                              .arg(minimum.width()).arg(minimum.height())
                                                              .arg(builtMinimum.width()).arg(builtMinimum.height())));
    }

    // On every page, built in whatever order: the tab bar, the page's
    // controls in the page's own order, then "Zakończ" and the menu button.
    void tabRunsThroughAPageBuiltLateAsBefore()
    {
        Sheet sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        for (int tab : {Sheet::kPowietrzeTab, Sheet::kWodaTab, Sheet::kKalkTab, Sheet::kJednostkiTab,
                        Sheet::kParaWodnaTab}) {
            ClickTab(sheet, tab);
            QWidget& page = PageOf(sheet, tab);
            std::vector<QWidget*> chain = TabChain(&sheet);
            std::erase_if(chain, [&](QWidget* w) { return w == sheet.Tabs() || w == sheet.Tabs()->tabBar(); });
            std::vector<QWidget*> expected = TabChain(&page);
            QVERIFY(expected.size() > 3);
            expected.push_back(sheet.FinishButton());
            expected.push_back(sheet.findChild<QToolButton*>(QStringLiteral("menuButton")));
            QCOMPARE(chain, expected);
        }
    }

    void helpAnswersOnAPageBuiltLate()
    {
        using namespace WodaIds;
        Sheet sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        ClickTab(sheet, Sheet::kWodaTab);
        CWodaPage& page = sheet.WodaPage();
        std::vector<unsigned> asked;
        SetHelpPopupHook([&](const HelpPopupRequest& r) { asked.push_back(r.controlId); });
        Edit(page, IDC_TEMPERATURE)->setFocus();
        QTest::keyClick(Edit(page, IDC_TEMPERATURE), Qt::Key_F1);
        QTest::keyClick(Edit(page, IDC_TEMPERATURE), Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(Ctrl<QComboBox>(page, IDC_DENSITY_UNIT), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(asked, (std::vector<unsigned>{IDC_TEMPERATURE, IDC_DENSITY_UNIT}));
    }

    // The dialogs are made on first use and then kept: what the user set
    // in one opening is there in the next, whichever page opens it.
    void theFlowAnalysisKeepsItsVelocityFromPageToPage()
    {
        Sheet sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QVERIFY(sheet.findChildren<CAnalizaPrzeplywuDlg*>().isEmpty());
        QString velocity;
        CDialog::SetModalHook([&velocity](CDialog& flow) {
            velocity = TextOf(flow, PrzeplywIds::IDC_VELOCITY);
            Type(flow, PrzeplywIds::IDC_VELOCITY, Num("2.5"));
            return int(QDialog::Rejected);
        });
        SetMessageHook([](const MessageRequest&) { return QMessageBox::No; });
        ClickTab(sheet, Sheet::kWodaTab);
        ClickButton(sheet.WodaPage(), WodaIds::IDC_FLOW);
        QCOMPARE(sheet.findChildren<CAnalizaPrzeplywuDlg*>().size(), qsizetype(1));
        const QString first = velocity;
        ClickTab(sheet, Sheet::kParaWodnaTab);
        ClickButton(sheet.ParaWodnaPage(), ParaIds::IDC_FLOW);
        QVERIFY(first != Num("2.5"));
        QCOMPARE(velocity, Num("2.5"));
        QCOMPARE(sheet.findChildren<CAnalizaPrzeplywuDlg*>().size(), qsizetype(1));
    }
};

QTEST_MAIN(TestSheetPages)
#include "tst_sheet_pages.moc"
