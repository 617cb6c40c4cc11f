#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QtTest>

#include "analysis/AnalysisIds.h"
#include "base/NumberText.h"
#include "calc/KalkIds.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/HelpIds.h"
#include "controls/UiString.h"
#include "pages/PageIds.h"
#include "units/JednostkiIds.h"

namespace {
// Records every help popup asked for.
struct PopupLog {
    std::vector<HelpPopupRequest> requests;
    PopupLog()
    {
        SetHelpPopupHook([this](const HelpPopupRequest& r) { requests.push_back(r); });
    }
    ~PopupLog() { SetHelpPopupHook({}); }
};

// A page that answers the help requests of its plain controls.
class HelpPage : public QWidget {
public:
    using QWidget::QWidget;

protected:
    bool event(QEvent* e) override { return HandleParentHelpEvent(this, e) || QWidget::event(e); }
};

QColor PixelAt(QWidget* w, QPoint p) { return w->grab().toImage().pixelColor(p); }

void ClickContextMenu(QWidget* w, QPoint local)
{
    QContextMenuEvent e(QContextMenuEvent::Mouse, local, w->mapToGlobal(local));
    QApplication::sendEvent(w, &e);
}
} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetDecimalSeparator(SystemDecimalSeparator()); }
    void cleanup() { QWhatsThis::leaveWhatsThisMode(); }

    void filterTypesTheSeparatorForEitherKey()
    {
        const QChar sep = QLatin1Char(DecimalSeparator());
        CEditEx edit(JednostkiIds::IDC_VALUE);
        QCOMPARE(edit.Separator(), DecimalSeparator());
        QTest::keyClicks(&edit, QStringLiteral("1.5"));
        QCOMPARE(edit.text(), QStringLiteral("1") + sep + QStringLiteral("5"));
        edit.clear();
        QTest::keyClicks(&edit, QStringLiteral("1,5"));
        QCOMPARE(edit.text(), QStringLiteral("1") + sep + QStringLiteral("5"));
        QCOMPARE(ParseNumber(edit.text().toStdString()), 1.5);
    }

    void filterDropsLettersAndBlanksButKeepsExponents()
    {
        CEditEx edit(JednostkiIds::IDC_VALUE);
        QSignalSpy edited(&edit, &QLineEdit::textEdited);
        QTest::keyClicks(&edit, QStringLiteral("a /x*"));
        QCOMPARE(edit.text(), QString());
        QCOMPARE(edited.count(), 0);
        QTest::keyClicks(&edit, QStringLiteral("1e-3"));
        QCOMPARE(edit.text(), QStringLiteral("1e-3"));
        QTest::keyClicks(&edit, QStringLiteral("E+"));
        QCOMPARE(edit.text(), QStringLiteral("1e-3E+"));
        // Editing keys are no characters: Backspace still works.
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("1e-3E"));
    }

    void pasteCutAndUndoPassWhole()
    {
        CEditEx edit(JednostkiIds::IDC_VALUE);
        QSignalSpy edited(&edit, &QLineEdit::textEdited);
        QApplication::clipboard()->setText(QStringLiteral("12abc"));
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("12abc"));
        QCOMPARE(ParseNumber(edit.text().toStdString()), 12.0);
        QCOMPARE(edited.count(), 1);
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit.text(), QString());
        QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("12abc"));
        QCOMPARE(edited.count(), 3);
        // Text set by the program is never filtered either.
        edit.setText(QStringLiteral("x y"));
        QCOMPARE(edit.text(), QStringLiteral("x y"));
    }

    void filterSwitchesReturnThePreviousState()
    {
        CEditEx edit(JednostkiIds::IDC_VALUE);
        QVERIFY(edit.IsFilterOn());
        QCOMPARE(edit.FilterOff(), true);
        QCOMPARE(edit.FilterOff(), false);
        QTest::keyClicks(&edit, QStringLiteral("a.b"));
        QCOMPARE(edit.text(), QStringLiteral("a.b"));
        QCOMPARE(edit.FilterOn(), false);
        QCOMPARE(edit.FilterOn(), true);
        QTest::keyClicks(&edit, QStringLiteral("c"));
        QCOMPARE(edit.text(), QStringLiteral("a.b"));
    }

    void multiLineBoxFiltersLikeTheOneLineBox()
    {
        const QChar sep = QLatin1Char(DecimalSeparator());
        CMultiEditEx box(WodaIds::IDC_INITIAL_TEXT);
        QCOMPARE(box.objectName(), QStringLiteral("ctrl1134"));
        QTest::keyClicks(&box, QStringLiteral("a1.5 x"));
        QCOMPARE(box.toPlainText(), QStringLiteral("1") + sep + QStringLiteral("5"));
        QCOMPARE(box.FilterOff(), true);
        QTest::keyClicks(&box, QStringLiteral(" kg"));
        QCOMPARE(box.toPlainText(), QStringLiteral("1") + sep + QStringLiteral("5 kg"));
        // Read-only, as the state boxes are: nothing typed gets in.
        box.FilterOn();
        box.setReadOnly(true);
        QTest::keyClicks(&box, QStringLiteral("7"));
        QCOMPARE(box.toPlainText(), QStringLiteral("1") + sep + QStringLiteral("5 kg"));
    }

    void controlIdsAndNames()
    {
        QWidget form;
        auto* edit = new CEditEx(PrzeplywIds::IDC_VELOCITY, &form);
        auto* kv = new CButtonEx(PrzeplywIds::IDC_KV, QStringLiteral("Kv"), &form);
        QCOMPARE(edit->CtrlId(), PrzeplywIds::IDC_VELOCITY);
        QCOMPARE(ControlIdOf(kv), PrzeplywIds::IDC_KV);
        QCOMPARE(form.findChild<CEditEx*>(QStringLiteral("ctrl1118")), edit);
        QCOMPARE(form.findChild<QWidget*>(QStringLiteral("ctrl1213")), kv);
        QCOMPARE(ControlIdOf(&form), 0u);
    }

    void f1AsksForTheControlsHelpId()
    {
        PopupLog log;
        QWidget form;
        auto* edit = new CEditEx(PrzeplywIds::IDC_VELOCITY, &form);
        auto* unknown = new CEditEx(KvIds::IDC_KV, &form); // the Kv dialog's edit: no pair
        new QVBoxLayout(&form);
        form.layout()->addWidget(edit);
        form.layout()->addWidget(unknown);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_F1);
        QCOMPARE(log.requests.size(), size_t(1));
        QCOMPARE(log.requests[0].helpId, 0x8085044Du);
        QCOMPARE(log.requests[0].controlId, PrzeplywIds::IDC_VELOCITY);
        QCOMPARE(log.requests[0].window.data(), edit);
        QCOMPARE(edit->text(), QString());  // F1 types nothing
        unknown->setFocus();
        QTest::keyClick(unknown, Qt::Key_F1);
        QCOMPARE(log.requests.size(), size_t(2));
        QCOMPARE(log.requests[1].helpId, 0u);
        QCOMPARE(log.requests[1].controlId, KvIds::IDC_KV);
    }

    void rightClickShowsThePopupAtTheClickPoint()
    {
        PopupLog log;
        QWidget form;
        auto* kv = new CButtonEx(PrzeplywIds::IDC_KV, QStringLiteral("Kv"), &form);
        kv->resize(80, 30);
        const QPoint local(7, 5);
        ClickContextMenu(kv, local);
        QCOMPARE(log.requests.size(), size_t(1));
        QCOMPARE(log.requests[0].helpId, 0x808504A1u);
        QCOMPARE(log.requests[0].point, kv->mapToGlobal(local));
    }

    void rightClickPopupForEachClassThatHasOne()
    {
        PopupLog log;
        QWidget form;
        QList<QWidget*> withPopup = {new CButtonEx(PrzeplywIds::IDC_COMPUTE_FLOW, QStringLiteral("b"), &form),
                                     new CRadioButtonEx(PrzeplywIds::IDC_COMPUTE_VELOCITY, QStringLiteral("r"), &form),
                                     new CCheckBoxEx(PrzeplywIds::IDC_COMPUTE_AREA, QStringLiteral("c"), &form),
                                     new CGroupBoxEx(PowietrzeIds::IDC_PROPERTIES, QStringLiteral("g"), &form),
                                     new CComboBoxExt(JednostkiIds::IDC_QUANTITY, &form),
                                     new CListBoxEx(PrzeplywIds::IDC_SIZES, &form),
                                     new CSliderCtrlEx(PrzeplywIds::IDC_ROUGHNESS_SLIDER, &form),
                                     new CStaticEx(JednostkiIds::IDC_COMMENT, QStringLiteral("s"), &form)};
        for (QWidget* w : withPopup) {
            w->resize(60, 30);
            ClickContextMenu(w, QPoint(3, 4));
        }
        QCOMPARE(log.requests.size(), size_t(withPopup.size()));
        for (int i = 0; i < withPopup.size(); ++i) {
            QCOMPARE(log.requests[i].controlId, ControlIdOf(withPopup[i]));
            QCOMPARE(log.requests[i].helpId, HelpIdOf(ControlIdOf(withPopup[i])));
            QCOMPARE(log.requests[i].point, withPopup[i]->mapToGlobal(QPoint(3, 4)));
        }

        // The spin control has none; the edit box shows its own menu.
        CSpinButtonCtrlEx spin(kIdDecimalsSpin);
        spin.resize(20, 30);
        ClickContextMenu(&spin, QPoint(3, 4));
        CEditEx edit(PrzeplywIds::IDC_VELOCITY);
        edit.resize(80, 25);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        ClickContextMenu(&edit, QPoint(5, 5));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        menu->close();
        QCOMPARE(log.requests.size(), size_t(withPopup.size()));
    }

    void whatsThisClickShowsThePopupAtTheClick()
    {
        PopupLog log;
        for (QWidget* w : std::initializer_list<QWidget*>{new CEditEx(PrzeplywIds::IDC_VELOCITY),
                                                          new CSpinButtonCtrlEx(kIdDecimalsSpin),
                                                          new CComboBoxExt(JednostkiIds::IDC_FROM_UNIT)}) {
            QHelpEvent query(QEvent::QueryWhatsThis, QPoint(2, 2), QPoint(502, 302));
            query.ignore();
            QApplication::sendEvent(w, &query);
            QVERIFY(query.isAccepted());
            QHelpEvent help(QEvent::WhatsThis, QPoint(2, 2), QPoint(502, 302));
            QApplication::sendEvent(w, &help);
            QCOMPARE(log.requests.back().point, QPoint(502, 302));
            QCOMPARE(log.requests.back().controlId, ControlIdOf(w));
            delete w;
        }
        QCOMPARE(log.requests.size(), size_t(3));
        QCOMPARE(log.requests[1].helpId, HelpIdOf(kIdDecimalsSpin));
    }

    void shiftF1ThenAClickAsksForTheClickedControl()
    {
        PopupLog log;
        QWidget form;
        EnableWhatsThis(&form);
        EnableWhatsThis(&form);  // once is enough; twice must not break Shift+F1
        QVERIFY(form.windowFlags() & Qt::WindowContextHelpButtonHint);
        auto* plain = new QLineEdit(&form);
        auto* kv = new CButtonEx(PrzeplywIds::IDC_KV, QStringLiteral("Kv"), &form);
        auto* layout = new QVBoxLayout(&form);
        layout->addWidget(plain);
        layout->addWidget(kv);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        plain->setFocus();
        QTest::keyClick(plain, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(kv, Qt::LeftButton, Qt::NoModifier, QPoint(4, 6));
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(log.requests.size(), size_t(1));
        QCOMPARE(log.requests[0].helpId, 0x808504A1u);
        QCOMPARE(log.requests[0].point, kv->mapToGlobal(QPoint(4, 6)));
        // Shift+F1 on a help control starts the mode as well.
        kv->setFocus();
        QTest::keyClick(kv, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
    }

    void pageAnswersForItsPlainControls()
    {
        PopupLog log;
        HelpPage page;
        page.resize(200, 100);
        auto* label = new QLabel(QStringLiteral("równe jest"), &page);
        label->setGeometry(10, 10, 80, 20);
        SetControlId(label, JednostkiIds::IDC_COMMENT);
        auto* anonymous = new QLabel(QStringLiteral("x"), &page);
        anonymous->setGeometry(10, 50, 80, 20);
        // A "What's This" click on a plain label travels up to the page.
        QHelpEvent help(QEvent::WhatsThis, QPoint(5, 5), QPoint(115, 215));
        QApplication::sendEvent(label, &help);
        QCOMPARE(log.requests.size(), size_t(1));
        QCOMPARE(log.requests[0].controlId, JednostkiIds::IDC_COMMENT);
        QCOMPARE(log.requests[0].window.data(), &page);
        QCOMPARE(log.requests[0].point, QPoint(115, 215));
        QHelpEvent other(QEvent::WhatsThis, QPoint(5, 5), QPoint(1, 1));
        QApplication::sendEvent(anonymous, &other);
        QCOMPARE(log.requests.size(), size_t(2));
        QCOMPARE(log.requests[1].helpId, 0u);
    }

    void resultLookAndBack()
    {
        QWidget form;
        auto* edit = new CEditEx(PrzeplywIds::IDC_UNIT_LOSS, &form);
        auto* list = new CListBoxEx(kIdTapeList, &form);
        auto* button = new CButtonEx(PrzeplywIds::IDC_KV, QString(), &form);
        edit->setGeometry(0, 0, 120, 30);
        list->setGeometry(0, 40, 120, 60);
        button->setGeometry(0, 110, 120, 30);
        form.resize(130, 150);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QColor window = SysWindowColor();
        QCOMPARE(edit->BackgroundColor(), window);
        QCOMPARE(edit->TextColor(), SysWindowTextColor());
        QCOMPARE(button->BackgroundColor(), SysButtonFaceColor());

        edit->setText(QStringLiteral("8888888888"));
        edit->SetResultLook(true);
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->BackgroundColor(), SysButtonFaceColor());
        QCOMPARE(edit->TextColor(), QColor(0, 0, 255));
        QCOMPARE(edit->palette().color(QPalette::Base), SysButtonFaceColor());
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0, 0, 255));
        // The face colour really is painted, and blue text with it.
        const QImage shown = edit->grab().toImage();
        QCOMPARE(shown.pixelColor(edit->width() - 6, edit->height() / 2), SysButtonFaceColor());
        bool blue = false;
        for (int x = 0; x < shown.width() && !blue; ++x)
            for (int y = 0; y < shown.height() && !blue; ++y) {
                const QColor c = shown.pixelColor(x, y);
                blue = c.blue() > 200 && c.red() < 80 && c.green() < 80;
            }
        QVERIFY(blue);
        edit->SetResultLook(false);
        QVERIFY(!edit->isReadOnly());
        QCOMPARE(edit->BackgroundColor(), window);
        QCOMPARE(PixelAt(edit, QPoint(edit->width() - 6, edit->height() / 2)), window);

        list->SetColors(QColor(128, 128, 128), QColor(0, 255, 0));
        QCOMPARE(list->palette().color(QPalette::Base), QColor(128, 128, 128));
        QCOMPARE(PixelAt(list->viewport(), QPoint(10, 10)), QColor(128, 128, 128));
        list->ResetColors();
        QCOMPARE(list->TextColor(), SysWindowTextColor());

        button->SetColors(QColor(200, 10, 10), QColor(0, 0, 255));
        QCOMPARE(button->palette().color(QPalette::Button), QColor(200, 10, 10));
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
        button->ResetColors();
        QCOMPARE(button->palette().color(QPalette::Button), SysButtonFaceColor());
    }

    void spinStepsItsBuddyWithinTheRange()
    {
        QWidget form;
        auto* decimals = new CEditEx(kIdDecimals, &form);
        auto* spin = new CSpinButtonCtrlEx(kIdDecimalsSpin, &form);
        spin->SetRange(0, 11);
        spin->SetBuddy(decimals);
        spin->SetPos(5);
        QCOMPARE(decimals->text(), QStringLiteral("5"));
        QSignalSpy edited(decimals, &QLineEdit::textEdited);
        QSignalSpy moved(spin, &CSpinButtonCtrlEx::PositionChanged);
        QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
        QCOMPARE(decimals->text(), QStringLiteral("6"));
        QCOMPARE(spin->GetPos(), 6);
        QCOMPARE(edited.count(), 1);
        QCOMPARE(moved.count(), 1);
        // Steps start from what the user typed into the buddy.
        decimals->setText(QStringLiteral("11"));
        QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
        QCOMPARE(decimals->text(), QStringLiteral("11"));
        QCOMPARE(moved.count(), 2);
        spin->SetPos(0);
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(spin->GetPos(), 0);
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(decimals->text(), QStringLiteral("1"));
        spin->SetPos(99);
        QCOMPARE(spin->GetPos(), 11);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
