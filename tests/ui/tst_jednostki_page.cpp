#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "base/StringTable.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/HelpIds.h"
#include "controls/UiString.h"
#include "units/CJednostkiPage.h"
#include "units/CTabTextLabel.h"
#include "units/JednostkiIds.h"
#include "units/Units.h"

using namespace JednostkiIds;

namespace {

// A number as the page prints it: the separator in force.
QString N(const char* text)
{
    QString s = QString::fromLatin1(text);
    s.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
    return s;
}

void Choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}

// Replaces the value box's text the way a user does: select all, type.
void TypeValue(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class TestJednostkiPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SetDecimalSeparator(SystemDecimalSeparator());
        // No splash over the sheet: it would take the first key.
        CSplashWnd::SetPicturePath(QString());
    }

    void freshPage()
    {
        CJednostkiPage page(nullptr);
        QCOMPARE(page.QuantityCombo()->currentIndex(), 0);
        QCOMPARE(page.QuantityCombo()->currentText(), QStringLiteral("Ciepło właściwe"));
        QCOMPARE(page.QuantityCombo()->currentData().toInt(), kQuantitySpecificHeat);
        QCOMPARE(page.QuantityCombo()->count(), 31);
        QCOMPARE(page.FromUnitCombo()->currentText(), QStringLiteral("J/(kg K)"));
        QCOMPARE(page.ToUnitCombo()->currentText(), QStringLiteral("J/(kg K)"));
        QCOMPARE(page.FromUnitCombo()->count(), 5);
        QCOMPARE(page.ValueEdit()->text(), QStringLiteral("1"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("1"));
        QVERIFY(page.ResultEdit()->isReadOnly());
        QCOMPARE(page.CommentStatic()->text(), QString::fromUtf8(LoadText(10016)));
        QCOMPARE(page.QuantityIndexValue(), 16);
        QCOMPARE(page.ConvertButton()->text(), QStringLiteral("&Oblicz"));
        QCOMPARE(page.CopyButton()->text(), QStringLiteral("&Kopiuj"));

        // Every control carries its id.
        const QList<QPair<QWidget*, unsigned>> ids = {
            {page.QuantityCombo(), IDC_QUANTITY},  {page.ValueEdit(), IDC_VALUE},
            {page.FromUnitCombo(), IDC_FROM_UNIT}, {page.ResultEdit(), IDC_RESULT},
            {page.ToUnitCombo(), IDC_TO_UNIT},     {page.CopyButton(), IDC_COPY},
            {page.CommentStatic(), IDC_COMMENT},   {page.ConvertButton(), IDC_CONVERT}};
        for (const auto& [widget, id] : ids) {
            QCOMPARE(ControlIdOf(widget), id);
            QCOMPARE(page.findChild<QWidget*>(ControlObjectName(id)), widget);
        }
        QVERIFY(page.ValueEdit()->IsFilterOn());
    }

    void lengthAndVelocity()
    {
        CJednostkiPage page(nullptr);
        Choose(page.QuantityCombo(), QStringLiteral("Długość"));
        QCOMPARE(page.FromUnitCombo()->count(), 9);
        TypeValue(page.ValueEdit(), QStringLiteral("1"));
        Choose(page.FromUnitCombo(), QStringLiteral("mile"));
        QCOMPARE(page.ToUnitCombo()->currentText(), QStringLiteral("m"));
        QCOMPARE(page.ResultEdit()->text(), N("1609.34"));
        QCOMPARE(page.Result(), 1609.344);

        Choose(page.QuantityCombo(), QStringLiteral("Prędkość"));
        Choose(page.FromUnitCombo(), QStringLiteral("mile/h"));
        Choose(page.ToUnitCombo(), QStringLiteral("km/h"));
        QCOMPARE(page.ResultEdit()->text(), N("1.60934"));
        Choose(page.ToUnitCombo(), QStringLiteral("m/s"));
        QCOMPARE(page.ResultEdit()->text(), N("0.44704"));
    }

    void temperatureAndItsDifference()
    {
        CJednostkiPage page(nullptr);
        Choose(page.QuantityCombo(), QStringLiteral("Temperatura"));
        QCOMPARE(page.FromUnitCombo()->count(), 4);
        Choose(page.FromUnitCombo(), QStringLiteral("st C"));
        Choose(page.ToUnitCombo(), QStringLiteral("st F"));
        TypeValue(page.ValueEdit(), QStringLiteral("100"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("212"));
        Choose(page.FromUnitCombo(), QStringLiteral("st F"));
        Choose(page.ToUnitCombo(), QStringLiteral("K"));
        TypeValue(page.ValueEdit(), QStringLiteral("32"));
        QCOMPARE(page.ResultEdit()->text(), N("273.148"));
        TypeValue(page.ValueEdit(), QStringLiteral("9"));
        QCOMPARE(page.ResultEdit()->text(), N("260.37"));

        Choose(page.QuantityCombo(), QStringLiteral("Różnica temperatury"));
        TypeValue(page.ValueEdit(), QStringLiteral("9"));
        Choose(page.FromUnitCombo(), QStringLiteral("st F"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("5"));
    }

    void energyAndEveryKeystroke()
    {
        CJednostkiPage page(nullptr);
        Choose(page.QuantityCombo(), QStringLiteral("Energia"));
        Choose(page.ToUnitCombo(), QStringLiteral("kWh"));
        QLineEdit* value = page.ValueEdit();
        value->setFocus();
        value->selectAll();
        QTest::keyClick(value, Qt::Key_Backspace);
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("0"));  // empty reads as 0
        QTest::keyClick(value, '1');
        QCOMPARE(page.ResultEdit()->text(), N("2.77778e-07"));
        QTest::keyClick(value, 'e');
        QCOMPARE(page.ResultEdit()->text(), N("2.77778e-07"));  // the prefix 1
        QTest::keyClick(value, '6');
        QCOMPARE(page.ResultEdit()->text(), N("0.277778"));
        // The value box keeps what was typed, caret at its end.
        QCOMPARE(value->text(), QStringLiteral("1e6"));
        QCOMPARE(value->cursorPosition(), 3);
        QTest::keyClick(value, Qt::Key_Left);
        QTest::keyClick(value, '0');
        QCOMPARE(value->text(), QStringLiteral("1e06"));
        QCOMPARE(value->cursorPosition(), 3);
        QCOMPARE(page.ResultEdit()->text(), N("0.277778"));
    }

    void typedAndPastedText()
    {
        CJednostkiPage page(nullptr);
        Choose(page.QuantityCombo(), QStringLiteral("Długość"));
        Choose(page.FromUnitCombo(), QStringLiteral("km"));
        // Either point key types the separator in force.
        TypeValue(page.ValueEdit(), QStringLiteral("2.5"));
        QCOMPARE(page.ValueEdit()->text(), N("2.5"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("2500"));
        TypeValue(page.ValueEdit(), QStringLiteral("-2,5"));
        QCOMPARE(page.ValueEdit()->text(), N("-2.5"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("-2500"));
        // Letters are not typed at all.
        TypeValue(page.ValueEdit(), QStringLiteral("12abc"));
        QCOMPARE(page.ValueEdit()->text(), QStringLiteral("12"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("12000"));
        TypeValue(page.ValueEdit(), QStringLiteral("-"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("0"));
        TypeValue(page.ValueEdit(), QStringLiteral("1e400"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("inf"));
        TypeValue(page.ValueEdit(), QStringLiteral("1e306"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("inf"));  // 1e306 km overflows

        // Pasted text arrives whole and reads as its number prefix, or 0.
        const QList<QPair<QString, QString>> pasted = {
            {N(" 0.5xyz"), QStringLiteral("500")}, {QStringLiteral("12abc"), QStringLiteral("12000")},
            {QStringLiteral("abc"), QStringLiteral("0")},    {QStringLiteral("nan"), QStringLiteral("nan")},
            {QStringLiteral("-inf"), QStringLiteral("-inf")}, {QStringLiteral("1e-400"), QStringLiteral("0")},
            {QStringLiteral("+"), QStringLiteral("0")}};
        for (const auto& [text, result] : pasted) {
            page.ValueEdit()->selectAll();
            QApplication::clipboard()->setText(text);
            page.ValueEdit()->paste();
            QCOMPARE(page.ValueEdit()->text(), text);
            QCOMPARE(page.ResultEdit()->text(), result);
        }
    }

    void unitChangeByKeyboardConverts()
    {
        CJednostkiPage page(nullptr);
        Choose(page.QuantityCombo(), QStringLiteral("Czas"));
        TypeValue(page.ValueEdit(), QStringLiteral("2"));
        page.FromUnitCombo()->setFocus();
        QTest::keyClick(page.FromUnitCombo(), Qt::Key_Down);  // "ms"
        QTest::keyClick(page.FromUnitCombo(), Qt::Key_Down);  // "min"
        QCOMPARE(page.FromUnitCombo()->currentText(), QStringLiteral("min"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("120"));
        QTest::keyClick(page.ToUnitCombo(), Qt::Key_Down);  // "ms"
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("120000"));
    }

    void enterAndButtonConvertKeepingTheFocus()
    {
        CJednostkiPage page(nullptr);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        Choose(page.QuantityCombo(), QStringLiteral("Masa"));
        Choose(page.FromUnitCombo(), QStringLiteral("t"));
        TypeValue(page.ValueEdit(), QStringLiteral("3"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("3000"));

        // Something else wrote the result box; Enter converts again.
        page.ResultEdit()->setText(QStringLiteral("stale"));
        QVERIFY(page.ValueEdit()->hasFocus());
        QTest::keyClick(page.ValueEdit(), Qt::Key_Return);
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("3000"));
        QVERIFY(page.ValueEdit()->hasFocus());
        QCOMPARE(page.ValueEdit()->text(), QStringLiteral("3"));

        page.ResultEdit()->setText(QStringLiteral("stale"));
        QTest::keyClick(page.ValueEdit(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("3000"));

        page.ToUnitCombo()->setFocus();
        page.ResultEdit()->setText(QStringLiteral("stale"));
        QTest::keyClick(page.ToUnitCombo(), Qt::Key_Return);
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("3000"));
        QVERIFY(page.ToUnitCombo()->hasFocus());

        page.ResultEdit()->setText(QStringLiteral("stale"));
        QTest::mouseClick(page.ConvertButton(), Qt::LeftButton);
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("3000"));
    }

    void enterOnThePageInsideTheSheet()
    {
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"), nullptr, 1);
        QSignalSpy finished(&sheet, &QDialog::finished);
        sheet.show();
        sheet.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        CJednostkiPage& page = sheet.JednostkiPage();
        QCOMPARE(sheet.Tabs()->currentWidget(), &page);
        Choose(page.QuantityCombo(), QStringLiteral("Ciśnienie"));
        Choose(page.FromUnitCombo(), QStringLiteral("bar"));
        TypeValue(page.ValueEdit(), QStringLiteral("2"));
        page.ResultEdit()->setText(QStringLiteral("stale"));
        QTest::keyClick(page.ValueEdit(), Qt::Key_Return);
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("200000"));
        QVERIFY(page.ValueEdit()->hasFocus());
        QCOMPARE(finished.count(), 0);
        QVERIFY(sheet.isVisible());
    }

    void quantityChangeResets()
    {
        CJednostkiPage page(nullptr);
        Choose(page.QuantityCombo(), QStringLiteral("Objętość"));
        Choose(page.FromUnitCombo(), QStringLiteral("l"));
        Choose(page.ToUnitCombo(), QStringLiteral("ml"));
        TypeValue(page.ValueEdit(), QStringLiteral("7"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("7000"));

        page.QuantityCombo()->setFocus();
        QTest::keyClick(page.QuantityCombo(), Qt::Key_Down);  // the next name: "Objętość właściwa"
        QCOMPARE(page.QuantityCombo()->currentData().toInt(), kQuantitySpecificVolume);
        QCOMPARE(page.ValueEdit()->text(), QStringLiteral("1"));
        QCOMPARE(page.ResultEdit()->text(), QStringLiteral("1"));
        QCOMPARE(page.Value(), 1.0);
        QCOMPARE(page.Result(), 1.0);
        QCOMPARE(page.FromUnitCombo()->currentIndex(), 0);
        QCOMPARE(page.ToUnitCombo()->currentIndex(), 0);
        QCOMPARE(page.FromUnitCombo()->currentText(), QStringLiteral("m^3/kg"));
        QCOMPARE(page.ToUnitCombo()->count(), 4);
        QCOMPARE(page.CommentStatic()->text(), QString::fromUtf8(LoadText(10024)));
        QCOMPARE(page.QuantityIndexValue(), 24);
    }

    void copyPutsTheResultOnTheClipboard()
    {
        CJednostkiPage page(nullptr);
        Choose(page.QuantityCombo(), QStringLiteral("Prędkość"));
        Choose(page.FromUnitCombo(), QStringLiteral("mile/h"));
        QCOMPARE(page.ResultEdit()->text(), N("0.44704"));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::mouseClick(page.CopyButton(), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), N("0.44704"));
        QVERIFY(!page.ResultEdit()->hasSelectedText());
        QCOMPARE(page.ResultEdit()->text(), N("0.44704"));
        // The copy converts nothing and changes no text.
        QCOMPARE(page.ValueEdit()->text(), QStringLiteral("1"));
    }

    void helpOnEveryControl()
    {
        std::vector<HelpPopupRequest> requests;
        SetHelpPopupHook([&](const HelpPopupRequest& r) { requests.push_back(r); });
        CJednostkiPage page(nullptr);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));

        page.ValueEdit()->setFocus();
        QTest::keyClick(page.ValueEdit(), Qt::Key_F1);
        QCOMPARE(requests.size(), std::size_t(1));
        QCOMPARE(requests.back().controlId, IDC_VALUE);
        QCOMPARE(requests.back().helpId, 0x80000000u + 129u * 0x10000u + 1001u);
        QCOMPARE(page.ValueEdit()->text(), QStringLiteral("1"));  // F1 types nothing

        // "&Oblicz" (1007) has the text 1008.
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3), page.ConvertButton()->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(page.ConvertButton(), &click);
        QCOMPARE(requests.size(), std::size_t(2));
        QCOMPARE(requests.back().controlId, IDC_CONVERT);
        QCOMPARE(requests.back().helpId, HelpIdOf(IDC_CONVERT));
        QCOMPARE(requests.back().helpId & 0xFFFFu, 1008u);

        QContextMenuEvent onComment(QContextMenuEvent::Mouse, QPoint(3, 3), page.CommentStatic()->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(page.CommentStatic(), &onComment);
        QCOMPARE(requests.back().controlId, IDC_COMMENT);
        SetHelpPopupHook({});
    }

    void commentExpandsTabsIntoColumns()
    {
        CJednostkiPage page(nullptr);
        Choose(page.QuantityCombo(), QStringLiteral("Temperatura"));
        CTabTextLabel* comment = page.CommentStatic();
        QCOMPARE(comment->text(), QString::fromUtf8(LoadText(10021)));
        const qreal stop = comment->TabStopDistance();
        QVERIFY(stop > 0);
        // The unit names are short: their explanations share the first stop.
        for (int line = 1; line <= 3; ++line)
            QCOMPARE(comment->ColumnOffset(line, 1), stop);
        // Every column after a tab starts on a tab stop.
        for (int line = 1; line <= 4; ++line)
            for (int column = 1; comment->ColumnOffset(line, column) >= 0; ++column) {
                const qreal x = comment->ColumnOffset(line, column);
                QVERIFY(x > 0);
                QCOMPARE(std::fmod(x, stop), 0.0);
            }
        // The box is big enough for the widest line and for every line.
        const QFontMetrics metrics(comment->font());
        QVERIFY(comment->sizeHint().height() >= 5 * metrics.height());
        QVERIFY(comment->sizeHint().width() > metrics.horizontalAdvance(QStringLiteral(" st F - stopnie Fahrenheita")));
        QVERIFY(!comment->grab().isNull());
    }

    void everyQuantityOffersItsUnitsAndComment()
    {
        CJednostkiPage page(nullptr);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QSize pageSize = page.size();
        for (int i = 0; i < page.QuantityCombo()->count(); ++i) {
            page.QuantityCombo()->setCurrentIndex(i);
            const int number = page.QuantityCombo()->currentData().toInt();
            QCOMPARE(page.QuantityCombo()->currentText(), QString::fromUtf8(LoadText(number)));
            QCOMPARE(page.FromUnitCombo()->itemText(0), QString::fromUtf8(LoadText(number + 1)));
            QCOMPARE(page.CommentStatic()->text(),
                     QString::fromUtf8(LoadText(kCommentBase + (number - kQuantityFirst) / kQuantityStep)));
            // Last unit to first and back: finite, never "nan".
            page.FromUnitCombo()->setCurrentIndex(page.FromUnitCombo()->count() - 1);
            QVERIFY(page.ResultEdit()->text() != QStringLiteral("nan"));
            QVERIFY(page.ResultEdit()->text() != QStringLiteral("inf"));
            // The whole comment shows, without the page changing its size.
            QCoreApplication::processEvents();
            const QSize need = page.CommentStatic()->SizeFor(page.CommentStatic()->text());
            QVERIFY(page.CommentStatic()->width() >= need.width());
            QVERIFY(page.CommentStatic()->height() >= need.height());
            QCOMPARE(page.size(), pageSize);
        }
    }
};

QTEST_MAIN(TestJednostkiPage)
#include "tst_jednostki_page.moc"
