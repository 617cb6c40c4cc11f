#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "calc/CKalkPage.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/Modal.h"
#include "controls/UiString.h"

namespace {

QString Sep(QString text)
{
    text.replace('.', QChar(DecimalSeparator()));
    return text;
}

QString NumberLine(const QString& text, int spaces) { return "\t" + QString(spaces, ' ') + Sep(text); }

// Height in pixels of the first glyph of a key's picture: the inked rows of
// the columns from the leftmost inked one up to the next empty column.
int FirstGlyphHeight(const QImage& image)
{
    auto inked = [&image](int x, int y) { return qAlpha(image.pixel(x, y)) > 128; };
    int top = image.height();
    int bottom = -1;
    bool started = false;
    for (int x = 0; x < image.width(); ++x) {
        bool column = false;
        for (int y = 0; y < image.height(); ++y)
            if (inked(x, y)) {
                column = true;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        if (started && !column)
            break;
        started = started || column;
    }
    return bottom - top + 1;
}

} // namespace

class TestKalkPage : public QObject {
    Q_OBJECT
private:
    QList<MessageRequest> m_messages;
    int m_flashDuration = 0;

    // A shown, active page with the focus in its tape.
    struct Shown {
        CKalkPage page{nullptr};
        Shown()
        {
            page.resize(800, 600);
            page.show();
            page.activateWindow();
        }
    };

    static bool Ready(CKalkPage& page)
    {
        if (!QTest::qWaitForWindowActive(&page))
            return false;
        page.TapeList()->setFocus();
        return QApplication::focusWidget() == page.TapeList();
    }

    static QStringList Lines(const CKalkPage& page)
    {
        QStringList lines;
        for (int i = 0; i < page.TapeList()->count(); ++i)
            lines << page.TapeList()->item(i)->text();
        return lines;
    }

    // One line, empty when the tape is shorter.
    static QString Line(const CKalkPage& page, int row) { return Lines(page).value(row); }
    static QString LastLine(const CKalkPage& page) { return Lines(page).constLast(); }

    static void Type(const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, mods);
    }

private slots:
    void initTestCase()
    {
        SetDecimalSeparator(SystemDecimalSeparator());
        // Tests run with the real flash: nothing waits for it.
        m_flashDuration = CKalkPage::FlashDuration();
        // The main window shows no splash here, which would take the first key.
        CSplashWnd::SetPicturePath(QString());
        SetMessageHook([this](const MessageRequest& r) {
            m_messages.append(r);
            return QMessageBox::Ok;
        });
    }
    void cleanupTestCase() { SetMessageHook({}); }
    void init() { m_messages.clear(); }
    void cleanup() { CKalkPage::SetFlashDuration(m_flashDuration); }

    void startsAsTheTemplateSetsItUp()
    {
        CKalkPage page(nullptr);
        QCOMPARE(Lines(page), QStringList{NumberLine("0.", 20)});
        QCOMPARE(page.TapeList()->currentRow(), 0);
        QCOMPARE(page.TapeList()->palette().color(QPalette::Base), QColor(128, 128, 128));
        QCOMPARE(page.TapeList()->palette().color(QPalette::Text), QColor(0, 255, 0));
        QVERIFY(page.TapeList()->font().fixedPitch() || QFontInfo(page.TapeList()->font()).fixedPitch());
        QCOMPARE(page.TapeList()->font().pointSize(), 12);
        QCOMPARE(page.TapeList()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(page.DecimalsSpin()->Lower(), 0);
        QCOMPARE(page.DecimalsSpin()->Upper(), 11);
        QCOMPARE(page.DecimalsEdit()->text(), QStringLiteral("5"));
        QVERIFY(page.FixBox()->isChecked());
        QVERIFY(page.AngleButton(kIdDeg)->isChecked());
        QCOMPARE(page.ExponentEdit()->text(), QStringLiteral("1"));
        QCOMPARE(page.ExponentY(), 1.0);
        QCOMPARE(page.QuantityCombo()->count(), 31);
        QCOMPARE(page.QuantityCombo()->itemText(0), QStringLiteral("Ciepło właściwe"));
        QCOMPARE(page.QuantityCombo()->itemText(30), QStringLiteral("Zawartość wilgoci"));
        QCOMPARE(page.UnitACombo()->currentIndex(), 0);
        QCOMPARE(page.UnitBCombo()->count(), page.UnitACombo()->count());
        QVERIFY(page.findChild<QWidget*>(QStringLiteral("ctrl1177")) == page.TapeList());
    }

    void everyKeyHasItsPictureAndCaption()
    {
        CKalkPage page(nullptr);
        const QList<QPair<int, QString>> some = {
            {kIdBackspace, "Cofnij"}, {kIdRoot, "X^1/Y"}, {kIdAToB, "A --> B"}, {kIdArsinh, "ar sinh"}, {kIdPi, "PI"},
            {kIdDigit0 + 7, "7"}, {kIdSeparator, "."}, {kIdCopy, "Kopiuj"}, {kIdInfo, "Info"}};
        for (const auto& [id, caption] : some) {
            QCOMPARE(page.Button(id)->accessibleName(), caption);
            QCOMPARE(page.Button(id)->toolTip(), caption);
        }
        int buttons = 0;
        for (int id = kIdPi; id <= kIdFunction24; ++id) {
            CButtonEx* button = page.Button(id);
            if (button == nullptr)
                continue;
            ++buttons;
            QVERIFY(button->text().isEmpty());
            QVERIFY2(!button->icon().isNull(), qPrintable(QString::number(id)));
            // Drawn, at small and large sizes alike.
            for (int side : {16, 64}) {
                const QImage image = button->icon().pixmap(QSize(side * 2, side)).toImage();
                bool inked = false;
                for (int y = 0; y < image.height() && !inked; ++y)
                    for (int x = 0; x < image.width() && !inked; ++x)
                        inked = qAlpha(image.pixel(x, y)) > 128;
                QVERIFY2(inked, qPrintable(QString::number(id)));
            }
        }
        QCOMPARE(buttons, 10 + 1 + 1 + 4 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 1 + 25);
    }

    void functionPicturesShareOneFontSize()
    {
        CKalkPage page(nullptr);
        // Keys whose pictures begin with the same letter, and digit-high
        // capitals; in each group the first letters are drawn alike, and as
        // tall as on the digit keys.
        const QList<QList<int>> groups = {
            {1229, 1232, 1235, 1238}, {1230, 1233, 1236, 1239}, {1231, 1234, 1237, 1240},
            {1227, 1228}, {1222, 1223}, {kIdDigit0 + 1, 1219, 1224, 1241, 1242}};
        for (const QList<int>& group : groups) {
            QList<int> heights;
            for (int id : group) {
                CButtonEx* button = page.Button(id);
                heights << FirstGlyphHeight(button->icon().pixmap(button->iconSize() * 8).toImage());
            }
            for (int h : heights)
                QVERIFY2(std::abs(h - heights.front()) <= 2,
                         qPrintable(QString::number(group.front()) + ": " + QString::number(h) + " against "
                                    + QString::number(heights.front())));
        }
    }

    void keysDriveTheTape()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Type("2+3=");
        QCOMPARE(Lines(s.page), (QStringList{NumberLine("2.", 20), "\t       +", NumberLine("3.", 20),
                                             "=" + NumberLine("5.00000", 20)}));
        QCOMPARE(s.page.TapeList()->currentRow(), 3);
        QCOMPARE(QApplication::focusWidget(), s.page.TapeList());
        Type("*4");
        Key(Qt::Key_Return);
        QCOMPARE(LastLine(s.page), "=" + NumberLine("20.00000", 19));
    }

    void bothSeparatorKeysTypeTheSeparator()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Type("1,5+2.5=");
        QCOMPARE(Line(s.page, 0), NumberLine("1.5", 20));
        QCOMPARE(Line(s.page, 2), NumberLine("2.5", 20));
        QCOMPARE(LastLine(s.page), "=" + NumberLine("4.00000", 20));
    }

    void sumWithASineShowsItsColumns()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Type("2+s30)=");
        QCOMPARE(Lines(s.page), (QStringList{NumberLine("2.", 20), "\t       +", "   sin(", NumberLine("30.", 19),
                                             "      )", "=" + NumberLine("2.50000", 20)}));
    }

    void modifiedKeysOfTheTable()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Key(Qt::Key_P, Qt::ControlModifier);
        Type("=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("3.14159", 20));
        Key(Qt::Key_Delete);
        QCOMPARE(s.page.TapeList()->count(), 1);
        Key(Qt::Key_S, Qt::ShiftModifier); // arcsin(
        Type("1=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("90.00000", 19));
        Key(Qt::Key_Delete);
        Key(Qt::Key_R, Qt::ControlModifier);
        QVERIFY(s.page.AngleButton(kIdRad)->isChecked());
        Key(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Line(s.page, 0), QStringLiteral("artanh("));
        Key(Qt::Key_Delete);
        Type("@3=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("9.00000", 20));
        Key(Qt::Key_Delete);
        Type("5");
        Key(Qt::Key_F9);
        QCOMPARE(Line(s.page, 0), NumberLine("-5.", 19));
        Key(Qt::Key_Escape);
        QCOMPARE(Line(s.page, 0), NumberLine("0.", 20));
        Type("12");
        Key(Qt::Key_Backspace);
        QCOMPARE(Line(s.page, 0), NumberLine("1.", 20));
        Key(Qt::Key_G, Qt::ControlModifier);
        QVERIFY(s.page.AngleButton(kIdGrad)->isChecked());
        Key(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(s.page.AngleButton(kIdDeg)->isChecked());
    }

    void refusedKeysBeep()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        QSignalSpy beeps(&s.page, &CKalkPage::Beeped);
        Type("123456789012");
        QCOMPARE(beeps.count(), 0);
        Type("3");
        QCOMPARE(beeps.count(), 1);
        Type("xx");
        QCOMPARE(beeps.count(), 2);
        QCOMPARE(s.page.Tape().Token(0)->m_valueText, Sep("123456789012.e+000").toStdString());
    }

    void digitsTypedInTheDecimalsFieldReachTheTape()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        s.page.DecimalsEdit()->setFocus();
        QCOMPARE(QApplication::focusWidget(), s.page.DecimalsEdit());
        Type("7");
        QCOMPARE(Line(s.page, 0), NumberLine("7.", 20));
        QCOMPARE(s.page.DecimalsEdit()->text(), QStringLiteral("5"));
        // The focus stays in the decimals field after the refresh.
        QCOMPARE(QApplication::focusWidget(), s.page.DecimalsEdit());
        Type("=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("7.00000", 20));
        // The spin's arrows change the decimals and reformat the result.
        s.page.DecimalsSpin()->Step(-3);
        QCOMPARE(s.page.DecimalsEdit()->text(), QStringLiteral("2"));
        QCOMPARE(LastLine(s.page), "=" + NumberLine("7.00", 20));
        for (int i = 0; i < 5; ++i)
            s.page.DecimalsSpin()->Step(-1);
        QCOMPARE(LastLine(s.page), "=" + NumberLine("7.", 20));
    }

    void typingInTheExponentFieldTypesText()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Type("y"); // x^y( with y = 1
        s.page.ExponentEdit()->setFocus();
        s.page.ExponentEdit()->selectAll();
        Type("3");
        QCOMPARE(s.page.ExponentEdit()->text(), QStringLiteral("3"));
        QCOMPARE(s.page.ExponentY(), 3.0);
        QCOMPARE(s.page.TapeList()->count(), 1);
        // The bracket under the cursor took the new exponent.
        s.page.TapeList()->setFocus();
        Type("2=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("8.00000", 20));
        QVERIFY(m_messages.isEmpty());

        // Emptying the field is not a number: the message, and y stays.
        s.page.ExponentEdit()->setFocus();
        s.page.ExponentEdit()->selectAll();
        Key(Qt::Key_Backspace);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.front().text, QStringLiteral("Proszę podać liczbę."));
        QCOMPARE(s.page.ExponentY(), 3.0);
        QCOMPARE(s.page.TapeList()->count(), 4);
        Type(Sep("0.5"));
        QCOMPARE(s.page.ExponentY(), 0.5);
    }

    void fixKeyAndBoxToggleTheFormat()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Type("5=");
        Type("f");
        QVERIFY(!s.page.FixBox()->isChecked());
        QCOMPARE(LastLine(s.page), "=" + NumberLine("5.00000e+00", 20));
        QTest::mouseClick(s.page.FixBox(), Qt::LeftButton);
        QVERIFY(s.page.FixBox()->isChecked());
        QCOMPARE(LastLine(s.page), "=" + NumberLine("5.00000", 20));
    }

    void infoShowsTheIntermediateValue()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Type("i");
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.front().icon, QMessageBox::Information);
        QCOMPARE(m_messages.front().text, QStringLiteral("Pośredni wynik obliczeń:\n"));
        Type("2*(3+4)=");
        s.page.TapeList()->setCurrentRow(2);
        Type("i");
        QCOMPARE(m_messages.last().text, "Pośredni wynik obliczeń:\n" + Sep("7.00000"));
    }

    void copyAndPasteSingleNumbers()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        QClipboard* clipboard = QGuiApplication::clipboard();
        Type("2+3=");
        Key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), Sep("5.00000"));
        s.page.TapeList()->setCurrentRow(1);
        clipboard->setText(QStringLiteral("unchanged"));
        QTest::mouseClick(s.page.Button(kIdCopy), Qt::LeftButton);
        QCOMPARE(clipboard->text(), QStringLiteral("unchanged"));

        s.page.TapeList()->setCurrentRow(4 - 1);
        Type("+");
        clipboard->setText(Sep("3.14159265"));
        Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(LastLine(s.page), NumberLine("3.14159", 20));
        clipboard->setText(QStringLiteral("Ala ma kota"));
        QTest::mouseClick(s.page.Button(kIdPaste), Qt::LeftButton);
        QCOMPARE(LastLine(s.page), NumberLine("0.", 20));
        QVERIFY(m_messages.isEmpty());
    }

    void selectingALineEditsThatToken()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Type("2+3=*2=");
        s.page.TapeList()->setCurrentRow(2);
        Type("5");
        QCOMPARE(Line(s.page, 2), NumberLine("35.", 19));
        QCOMPARE(Line(s.page, 3), "=" + NumberLine("37.00000", 19));
        QCOMPARE(LastLine(s.page), "=" + NumberLine("10.00000", 19));
        QCOMPARE(s.page.TapeList()->currentRow(), 2);
        // The arrow keys move the cursor too.
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        Key(Qt::Key_Down);
        QCOMPARE(s.page.Tape().Cursor(), 5);
        Type("-=");
        QCOMPARE(Line(s.page, 5), QStringLiteral("\t       -"));
        QCOMPARE(LastLine(s.page), "=" + NumberLine("3.00000", 20));
    }

    void angleModeReparameterisesTheSelectedBracket()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        Type("s90=s90=");
        s.page.TapeList()->setCurrentRow(4);
        QTest::mouseClick(s.page.AngleButton(kIdRad), Qt::LeftButton);
        QCOMPARE(Line(s.page, 3), "=" + NumberLine("1.00000", 20));
        QCOMPARE(LastLine(s.page), "=" + NumberLine("0.89400", 20));
    }

    void unitConversionFollowsTheLists()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        const int temperature = s.page.QuantityCombo()->findText(QStringLiteral("Temperatura"));
        QVERIFY(temperature >= 0);
        s.page.QuantityCombo()->setCurrentIndex(temperature);
        QCOMPARE(s.page.UnitACombo()->itemText(1), QStringLiteral("st C"));
        s.page.UnitACombo()->setCurrentIndex(1);
        s.page.UnitBCombo()->setCurrentIndex(2);
        s.page.TapeList()->setFocus();
        Type("a100=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("212.00000", 18));
        Type("b212=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("100.00000", 18));
    }

    void keysActAtOnceWhileTheirButtonsFlash()
    {
        CKalkPage::SetFlashDuration(300);
        Shown s;
        QVERIFY(Ready(s.page));
        Type("1");
        QVERIFY(s.page.Button(kIdDigit0 + 1)->isDown());
        QVERIFY(s.page.IsFlashing());
        Type("2+");
        // Nothing waits for the picture; the newest key shows pressed.
        QCOMPARE(Lines(s.page), (QStringList{NumberLine("12.", 19), "\t       +"}));
        QVERIFY(!s.page.Button(kIdDigit0 + 1)->isDown());
        QVERIFY(s.page.Button(kIdAdd)->isDown());
        QTRY_VERIFY(!s.page.IsFlashing());
        QVERIFY(!s.page.Button(kIdAdd)->isDown());
        // "=" that closes two brackets shows ")" and then "=".
        Type("((3=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("15.00000", 19));
        QVERIFY(s.page.Button(kIdCloseBracket)->isDown());
        QTRY_VERIFY(s.page.Button(kIdResult)->isDown());
        QVERIFY(!s.page.Button(kIdCloseBracket)->isDown());
        QTRY_VERIFY(!s.page.IsFlashing());
        QVERIFY(!s.page.Button(kIdResult)->isDown());
    }

    // Everything below happens within one long flash, as it does for a
    // fast typist with the real one.
    void fastInputTakesEffectInTheOrderMade()
    {
        CKalkPage::SetFlashDuration(60000);
        Shown s;
        QVERIFY(Ready(s.page));
        CListBoxEx* list = s.page.TapeList();

        // Keys, then Home: the keys are on the tape before the cursor moves.
        Type("1+2=*3+4");
        QVERIFY(s.page.IsFlashing());
        Key(Qt::Key_Home);
        QCOMPARE(s.page.Tape().Cursor(), 0);
        QCOMPARE(Line(s.page, 0), NumberLine("1.", 20));
        QCOMPARE(Line(s.page, 3), "=" + NumberLine("3.00000", 20));
        QCOMPARE(LastLine(s.page), NumberLine("4.", 20));
        Type("5");
        QCOMPARE(Line(s.page, 0), NumberLine("15.", 19));
        QCOMPARE(Line(s.page, 3), "=" + NumberLine("17.00000", 19));

        // Keys, a click on a line, a key: the last key edits the clicked line.
        Key(Qt::Key_Delete);
        Type("2+3=*4");
        QVERIFY(s.page.IsFlashing());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        Type("5");
        QCOMPARE(Line(s.page, 2), NumberLine("35.", 19));
        QCOMPARE(Line(s.page, 3), "=" + NumberLine("37.00000", 19));
        QCOMPARE(Lines(s.page).mid(4), (QStringList{NumberLine("5.00000", 20), "\t       *", NumberLine("4.", 20)}));

        // A sine keyed in degrees keeps them when "Rad" follows.
        Key(Qt::Key_Delete);
        Type("s30");
        QVERIFY(s.page.IsFlashing());
        QTest::mouseClick(s.page.AngleButton(kIdRad), Qt::LeftButton);
        QVERIFY(s.page.AngleButton(kIdRad)->isChecked());
        QCOMPARE(QApplication::focusWidget(), list);
        Type("=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("0.50000", 20));
        Type("s30=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("-0.98803", 19));
        Key(Qt::Key_D, Qt::ControlModifier);

        // A conversion keyed with A = B keeps its units when B changes.
        Key(Qt::Key_Delete);
        s.page.QuantityCombo()->setCurrentIndex(s.page.QuantityCombo()->findText(QStringLiteral("Temperatura")));
        s.page.UnitACombo()->setCurrentIndex(1);
        s.page.UnitBCombo()->setCurrentIndex(1);
        QCOMPARE(s.page.UnitBCombo()->currentText(), QStringLiteral("st C"));
        Type("a100");
        QVERIFY(s.page.IsFlashing());
        s.page.UnitBCombo()->setCurrentIndex(2);
        Type("=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("100.00000", 18));
        Type("a100=");
        QCOMPARE(LastLine(s.page), "=" + NumberLine("212.00000", 18));
    }

    // The list shows the tape's lines after edits in the middle of a long
    // tape, and a key rewrites the rows of the lines it changed, no others.
    void listItemsFollowTheTapeAfterEditsInTheMiddle()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        CListBoxEx* list = s.page.TapeList();
        for (int i = 0; i < 30; ++i)
            Type("12,5*s30)+7=");
        QAbstractItemModel* model = list->model();
        QSignalSpy rewritten(model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        auto rewrittenRows = [&rewritten] {
            QList<int> rows;
            for (const QList<QVariant>& signal : std::as_const(rewritten))
                for (int r = signal.at(0).toModelIndex().row(); r <= signal.at(1).toModelIndex().row(); ++r)
                    rows << r;
            rewritten.clear();
            return rows;
        };
        auto tapeLines = [&s] {
            QStringList lines;
            for (const std::string& line : s.page.Tape().Lines())
                lines << QString::fromStdString(line);
            return lines;
        };

        // The first number of expression 15 (eight lines each) and its result.
        const int number = 15 * 8;
        const int result = number + 7;
        list->setCurrentRow(number);
        Type("4");
        QCOMPARE(Line(s.page, number), NumberLine("12.54", 19));
        QCOMPARE(Line(s.page, result), "=" + NumberLine("13.27000", 19));
        QCOMPARE(rewrittenRows(), (QList<int>{number, result}));

        list->setCurrentRow(number + 1);
        Type("-");
        QCOMPARE(rewrittenRows(), (QList<int>{number + 1, result}));
        list->setCurrentRow(number + 2);
        Type("o");
        QCOMPARE(Line(s.page, number + 2), QStringLiteral("   cos("));
        QCOMPARE(rewrittenRows(), (QList<int>{number + 2, result}));
        list->setCurrentRow(number);
        Key(Qt::Key_Backspace);
        QCOMPARE(rewrittenRows(), (QList<int>{number, result}));
        // "=" on an earlier line recomputes the same result: nothing to rewrite.
        list->setCurrentRow(number + 3);
        Type("=");
        QCOMPARE(s.page.Tape().Cursor(), result);
        QCOMPARE(rewrittenRows(), QList<int>{});
        // Fix reformats the cursor's result.
        Type("f");
        QCOMPARE(rewrittenRows(), QList<int>{result});
        QCOMPARE(inserted.count() + removed.count(), 0);
        QCOMPARE(Lines(s.page), tapeLines());

        // At the end, keys add and remove rows there only.
        const int count = list->count();
        Key(Qt::Key_End);
        Type("+8");
        QCOMPARE(list->count(), count + 3);
        Key(Qt::Key_Backspace);
        Key(Qt::Key_Backspace);
        QCOMPARE(list->count(), count + 2);
        for (const QList<QVariant>& signal : std::as_const(inserted))
            QVERIFY(signal.at(1).toInt() >= count);
        for (const QList<QVariant>& signal : std::as_const(removed))
            QVERIFY(signal.at(1).toInt() >= count);
        for (const int row : rewrittenRows())
            QVERIFY(row >= count);
        QCOMPARE(Lines(s.page), tapeLines());
    }

    // A tape longer than the list is high: rows of one height, the cursor
    // kept in view, the list's keys moving it by lines and pages.
    void aLongTapeScrollsToTheCursor()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        CListBoxEx* list = s.page.TapeList();
        for (int i = 0; i < 200; ++i)
            Type("1+");
        Type("1=");
        QCOMPARE(list->count(), 402);
        const QRect viewport = list->viewport()->rect();
        auto shown = [&](int row) { return viewport.contains(list->visualItemRect(list->item(row))); };
        QVERIFY(shown(401));
        QVERIFY(!shown(0));
        const QRect last = list->visualItemRect(list->item(401));
        const QRect before = list->visualItemRect(list->item(400));
        QCOMPARE(last.top() - before.top(), last.height());
        QCOMPARE(list->indexAt(last.center()).row(), 401);
        QCOMPARE(list->indexAt(before.center()).row(), 400);

        Key(Qt::Key_Home);
        QCOMPARE(s.page.Tape().Cursor(), 0);
        QVERIFY(shown(0));
        // A page down puts the cursor on the last line the page showed.
        const int perPage = viewport.height() / last.height();
        Key(Qt::Key_PageDown);
        QCOMPARE(s.page.Tape().Cursor(), perPage - 1);
        QVERIFY(shown(perPage - 1));
        Key(Qt::Key_PageDown);
        QCOMPARE(s.page.Tape().Cursor(), 2 * (perPage - 1));
        QVERIFY(shown(2 * (perPage - 1)));
        Key(Qt::Key_Up);
        QCOMPARE(s.page.Tape().Cursor(), 2 * (perPage - 1) - 1);
        Key(Qt::Key_End);
        QCOMPARE(s.page.Tape().Cursor(), 401);
        QVERIFY(shown(401));
        // A key on a line far up brings it into view and edits it.
        list->setCurrentRow(2);
        QVERIFY(shown(2));
        Type("5");
        QCOMPARE(Line(s.page, 2), NumberLine("15.", 19));
        QCOMPARE(LastLine(s.page), "=" + NumberLine("215.00000", 18));
        QVERIFY(shown(2));
        // A click picks the line under the mouse.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
        QCOMPARE(s.page.Tape().Cursor(), 4);
    }

    void theCursorLineStaysHighlighted()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        CListBoxEx* list = s.page.TapeList();
        Type("2+3=");
        const auto selected = [list] {
            const QList<QListWidgetItem*> items = list->selectedItems();
            return items.size() == 1 ? list->row(items.front()) : -1;
        };
        QCOMPARE(selected(), 3);
        const QRect last = list->visualItemRect(list->item(3));
        QVERIFY(last.bottom() + 20 < list->viewport()->height());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 20));
        QCOMPARE(s.page.Tape().Cursor(), 3);
        QCOMPARE(selected(), 3);

        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(s.page.Tape().Cursor(), 1);
        QCOMPARE(selected(), 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, second);
        QCOMPARE(selected(), 1);
        Key(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(selected(), 1);
        // The marked line is the one the keys act on.
        Type("*");
        QCOMPARE(Line(s.page, 1), QStringLiteral("\t       *"));
        QCOMPARE(LastLine(s.page), "=" + NumberLine("6.00000", 20));
    }

    void theMainWindowGivesTheKeysToTheTape()
    {
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        CKalkPage& page = sheet.KalkPage();
        sheet.show();
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        // At start: the first key reaches the tape, Escape clears it.
        QCOMPARE(QApplication::focusWidget(), page.TapeList());
        Type("7");
        QCOMPARE(Line(page, 0), NumberLine("7.", 20));
        Key(Qt::Key_Escape);
        QCOMPARE(Line(page, 0), NumberLine("0.", 20));
        QVERIFY(sheet.isVisible());

        // Back from another tab, with the focus on the tab bar or elsewhere.
        QTabBar* bar = sheet.Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
        QCOMPARE(sheet.Tabs()->currentIndex(), 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
        QCOMPARE(QApplication::focusWidget(), page.TapeList());
        Type("8");
        QCOMPARE(Line(page, 0), NumberLine("8.", 20));
        Key(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(sheet.Tabs()->currentIndex(), 1);
        // With the focus on a control of the other page.
        QVERIFY(QApplication::focusWidget() != nullptr && QApplication::focusWidget() != page.TapeList());
        sheet.Tabs()->setCurrentIndex(0);
        QCOMPARE(QApplication::focusWidget(), page.TapeList());
        Type("9");
        QCOMPARE(Line(page, 0), NumberLine("89.", 19));

        // Escape is the C key in the exponent field too, and on the tab bar
        // and the button the user reached with Tab; the window stays open.
        page.ExponentEdit()->setFocus();
        Key(Qt::Key_Escape);
        QCOMPARE(Line(page, 0), NumberLine("0.", 20));
        QCOMPARE(QApplication::focusWidget(), page.ExponentEdit());
        QCOMPARE(page.ExponentEdit()->text(), QStringLiteral("1"));
        for (QWidget* other : {static_cast<QWidget*>(bar), static_cast<QWidget*>(sheet.FinishButton())}) {
            page.TapeList()->setFocus();
            Type("4");
            QCOMPARE(Line(page, 0), NumberLine("4.", 20));
            other->setFocus();
            Key(Qt::Key_Escape);
            QCOMPARE(Line(page, 0), NumberLine("0.", 20));
            QVERIFY(sheet.isVisible());
        }
    }

    void helpKeyShowsThePopupOfTheControl()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        QList<HelpPopupRequest> asked;
        SetHelpPopupHook([&asked](const HelpPopupRequest& r) { asked.append(r); });
        Key(Qt::Key_F1);
        s.page.DecimalsEdit()->setFocus();
        Key(Qt::Key_F1);
        SetHelpPopupHook({});
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked.at(0).controlId, unsigned(kIdTapeList));
        QCOMPARE(asked.at(0).helpId, 0x80000000u + 137u * 65536u + 1148u);
        QCOMPARE(asked.at(1).controlId, unsigned(kIdDecimals));
        QCOMPARE(asked.at(1).helpId, 0x80000000u + 137u * 65536u + 1178u);
        // F1 is not a calculator key: the tape is untouched.
        QCOMPARE(s.page.TapeList()->count(), 1);
    }

    void clickedButtonsDriveTheTapeToo()
    {
        Shown s;
        QVERIFY(Ready(s.page));
        for (int id : {kIdDigit0 + 9, kIdDivide, kIdSqrt, kIdDigit0 + 9, kIdResult})
            QTest::mouseClick(s.page.Button(id), Qt::LeftButton);
        QCOMPARE(LastLine(s.page), "=" + NumberLine("3.00000", 20));
    }
};

QTEST_MAIN(TestKalkPage)
#include "tst_kalk_page.moc"
