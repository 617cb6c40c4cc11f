#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include "base/NumberText.h"
#include "controls/HelpControls.h"
#include "controls/UiString.h"
#include "units/CUnitField.h"
#include "units/Units.h"

namespace {
QString Sep(QString text) { return text.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator())); }

// A small page: a temperature typed by the user, the same temperature shown
// back as an output, a pressure output and a dimensionless output, over a
// model that rejects temperatures at or below 0 K.
// The test form's control ids: any ids do.
enum : unsigned {
    kPlainEdit = 1001,
    kTemperatureOutEdit = 1009,
    kPressureEdit = 1011,
    kPrandtlEdit = 1012,
    kTemperatureInEdit = 1013,
    kTemperatureOutUnit = 1069,
    kPressureUnit = 1071,
    kPrandtlUnit = 1073,
    kTemperatureInUnit = 1075,
};

class TestForm : public QWidget {
public:
    double modelT = 293.15;
    double modelP = 100000;
    int applied = 0;  // times the input handler ran

    CFieldExchange* fields;
    CUnitField* tIn;
    CUnitField* tOut;
    CUnitField* p;
    CUnitField* pr;
    QString note;  // a plain text member

    TestForm()
    {
        auto* layout = new QVBoxLayout(this);
        fields = new CFieldExchange(this);
        auto add = [&](unsigned editId, unsigned comboId, int quantity, FieldRole role) {
            auto* edit = new CEditEx(editId, this);
            auto* combo = new CComboBoxExt(comboId, this);
            layout->addWidget(edit);
            layout->addWidget(combo);
            CUnitField& field = fields->AddField(edit, combo, quantity, role);
            field.FillUnits();
            return &field;
        };
        tIn = add(kTemperatureInEdit, kTemperatureInUnit, kQuantityTemperature, FieldRole::Input);
        tOut = add(kTemperatureOutEdit, kTemperatureOutUnit, kQuantityTemperature, FieldRole::Output);
        p = add(kPressureEdit, kPressureUnit, kQuantityPressure, FieldRole::Output);
        pr = add(kPrandtlEdit, kPrandtlUnit, kQuantityDimensionless, FieldRole::Output);
        pr->Edit()->SetResultLook(true);
        auto* noteEdit = new QLineEdit(this);
        noteEdit->setObjectName(QStringLiteral("note"));
        layout->addWidget(noteEdit);
        fields->AddText(noteEdit, &note);

        fields->OnInputChange(*tIn, [this](double si) {
            ++applied;
            if (si > 0) {
                modelT = si;
                ShowOutputs();
            } else {
                tOut->Blank();
                p->Blank();
                pr->Blank();
            }
        });
        fields->OnUnitChange(*tIn, [this] { return modelT; });
        fields->OnUnitChange(*tOut, [this] { return modelT; });
        fields->OnUnitChange(*p, [this] { return modelP; });
        fields->OnUnitChange(*pr, [] { return 6.99; });

        tIn->Show(modelT);
        ShowOutputs();
        fields->UpdateData(false);
    }

    void ShowOutputs()
    {
        tOut->Show(modelT);
        p->Show(modelP);
        pr->Show(6.99);
        note = QStringLiteral("T = ") + tOut->text;
    }

    void Type(CUnitField* field, const QString& text)
    {
        field->Edit()->setFocus();
        field->Edit()->selectAll();
        QTest::keyClicks(field->Edit(), text);
    }
};
} // namespace

class TestUnitField : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetDecimalSeparator(SystemDecimalSeparator()); }

    void initialTextsInSiUnits()
    {
        TestForm form;
        QCOMPARE(form.tIn->Edit()->text(), Sep(QStringLiteral("293.15")));
        QCOMPARE(form.p->Edit()->text(), QStringLiteral("100000"));
        QCOMPARE(form.pr->Edit()->text(), Sep(QStringLiteral("6.99")));
        QCOMPARE(form.tIn->UnitCombo()->count(), 4);
        QCOMPARE(form.tIn->UnitCombo()->itemText(2), QStringLiteral("st F"));
        QCOMPARE(form.pr->UnitCombo()->count(), 1);
        QCOMPARE(form.applied, 0);  // writing at set-up ran no handler
    }

    void temperatureTypedInCelsiusAndShownInFahrenheit()
    {
        TestForm form;
        form.tIn->UnitCombo()->setCurrentIndex(1);  // "st C"
        form.Type(form.tIn, QStringLiteral("20"));
        QCOMPARE(form.applied, 2);  // "2", then "20"
        QCOMPARE(form.modelT, 293.15);
        QCOMPARE(form.tOut->Edit()->text(), Sep(QStringLiteral("293.15")));
        QCOMPARE(form.note, Sep(QStringLiteral("T = 293.15")));
        QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("note"))->text(), Sep(QStringLiteral("T = 293.15")));

        form.tIn->UnitCombo()->setCurrentIndex(2);  // "st F"
        QCOMPARE(form.tIn->Edit()->text(), QStringLiteral("68"));
        QCOMPARE(form.modelT, 293.15);
        QCOMPARE(form.applied, 2);
        form.tIn->UnitCombo()->setCurrentIndex(0);
        QCOMPARE(form.tIn->Edit()->text(), Sep(QStringLiteral("293.15")));

        form.tIn->UnitCombo()->setCurrentIndex(2);
        form.Type(form.tIn, QStringLiteral("68"));
        QCOMPARE(form.modelT, 0.5555555555555556 * 68 + 255.37);
        QVERIFY(qAbs(form.modelT - 293.1477) < 1e-4);
        QCOMPARE(form.tIn->Edit()->text(), QStringLiteral("68"));  // as typed
    }

    void fullPrecisionStaysInTheModel()
    {
        TestForm form;
        form.Type(form.tIn, QStringLiteral("300.123456"));
        QCOMPARE(form.modelT, 300.123456);
        form.tIn->UnitCombo()->setCurrentIndex(1);
        QCOMPARE(form.tIn->Edit()->text(), Sep(QStringLiteral("26.9735")));
        form.tOut->UnitCombo()->setCurrentIndex(1);
        QCOMPARE(form.tOut->Edit()->text(), Sep(QStringLiteral("26.9735")));
        form.tIn->UnitCombo()->setCurrentIndex(0);
        QCOMPARE(form.tIn->Edit()->text(), Sep(QStringLiteral("300.123")));
        QCOMPARE(form.modelT, 300.123456);
    }

    void pressureInOtherUnits()
    {
        TestForm form;
        form.p->UnitCombo()->setCurrentIndex(3);  // "MPa"
        QCOMPARE(form.p->Edit()->text(), Sep(QStringLiteral("0.1")));
        form.p->UnitCombo()->setCurrentIndex(2);  // "kPa"
        QCOMPARE(form.p->Edit()->text(), QStringLiteral("100"));
        form.modelP = 1234567;
        form.p->UnitCombo()->setCurrentIndex(0);
        QCOMPARE(form.p->Edit()->text(), Sep(QStringLiteral("1.23457e+06")));
    }

    void singleUnitComboChangesNothing()
    {
        TestForm form;
        form.pr->Edit()->setText(QStringLiteral("typed"));
        form.pr->UnitCombo()->setFocus();
        QTest::keyClick(form.pr->UnitCombo(), Qt::Key_Down);
        QTest::keyClick(form.pr->UnitCombo(), Qt::Key_Up);
        QCOMPARE(form.pr->UnitCombo()->currentIndex(), 0);
        QVERIFY(!form.pr->SelectUnit(0));
        QCOMPARE(form.pr->Scale().factor, 1.0);
        QCOMPARE(form.pr->Edit()->text(), QStringLiteral("typed"));
    }

    void pastedAndOddTexts()
    {
        TestForm form;
        QApplication::clipboard()->setText(QStringLiteral("350abc"));
        form.tIn->Edit()->setFocus();
        form.tIn->Edit()->selectAll();
        QTest::keyClick(form.tIn->Edit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form.tIn->Edit()->text(), QStringLiteral("350abc"));
        QCOMPARE(form.modelT, 350.0);
        QCOMPARE(form.tOut->Edit()->text(), QStringLiteral("350"));
        // Text without a number reads 0: the model refuses, the outputs blank,
        // and the typed text stays.
        for (const QString& text : {QStringLiteral("abc"), QStringLiteral("-"), QString()}) {
            QApplication::clipboard()->setText(text.isEmpty() ? QStringLiteral(" ") : text);
            form.tIn->Edit()->selectAll();
            QTest::keyClick(form.tIn->Edit(), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(form.modelT, 350.0);
            QCOMPARE(form.tOut->Edit()->text(), QString());
            QCOMPARE(form.p->Edit()->text(), QString());
        }
        // Undo is the user's own edit too.
        const int before = form.applied;
        QTest::keyClick(form.tIn->Edit(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form.applied, before + 1);
    }

    void decimalSeparatorTypedEitherWay()
    {
        TestForm form;
        form.p->UnitCombo()->setCurrentIndex(5);  // "bar", output
        form.Type(form.tIn, QStringLiteral("300.5"));
        QCOMPARE(form.tIn->Edit()->text(), Sep(QStringLiteral("300.5")));
        QCOMPARE(form.modelT, 300.5);
        form.Type(form.tIn, QStringLiteral("301,5"));
        QCOMPARE(form.modelT, 301.5);
        QCOMPARE(form.p->Edit()->text(), QStringLiteral("1"));
    }

    void programWritesRunNoHandler()
    {
        TestForm form;
        QList<QSignalSpy*> spies;
        for (const CUnitField& field : form.fields->Fields()) {
            spies << new QSignalSpy(field.Edit(), &QLineEdit::textChanged);
            spies << new QSignalSpy(field.Edit(), &QLineEdit::textEdited);
            spies << new QSignalSpy(field.UnitCombo(), &QComboBox::currentIndexChanged);
        }
        int foreign = 0;  // a handler a page connected on its own, to textChanged
        QObject::connect(form.tIn->Edit(), &QLineEdit::textChanged, &form, [&foreign] { ++foreign; });

        form.modelT = 400;
        form.tIn->Show(form.modelT);
        form.ShowOutputs();
        form.fields->UpdateData(false);
        QCOMPARE(form.tIn->Edit()->text(), QStringLiteral("400"));
        QCOMPARE(form.tOut->Edit()->text(), QStringLiteral("400"));
        {
            const CFieldExchange::Guard guard(*form.fields);
            QVERIFY(form.fields->IsBlocked());
            form.p->UnitCombo()->setCurrentIndex(3);
            form.tIn->Edit()->setText(QStringLiteral("500"));
        }
        QVERIFY(!form.fields->IsBlocked());
        QCOMPARE(form.p->Edit()->text(), QStringLiteral("100000"));  // no unit change ran
        QCOMPARE(form.applied, 0);
        QCOMPARE(foreign, 0);
        for (QSignalSpy* spy : spies)
            QCOMPARE(spy->count(), 0);
        qDeleteAll(spies);

        // Signals flow again afterwards: the user's typing runs the handler.
        form.Type(form.tIn, QStringLiteral("1"));
        QCOMPARE(form.applied, 1);
        QCOMPARE(foreign, 1);
    }

    void writingTouchesOnlyTextsThatDiffer()
    {
        TestForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Type(form.tIn, QStringLiteral("3000"));
        // The caret stays where the user is typing: the handler's write
        // leaves the box being edited alone.
        form.tIn->Edit()->setCursorPosition(1);
        QTest::keyClick(form.tIn->Edit(), Qt::Key_5);
        QCOMPARE(form.tIn->Edit()->text(), QStringLiteral("35000"));
        QCOMPARE(form.tIn->Edit()->cursorPosition(), 2);
        QCOMPARE(form.tOut->Edit()->text(), QStringLiteral("35000"));
        // Typing into an output field runs nothing and is overwritten by
        // the next display.
        form.tOut->Edit()->setFocus();
        QTest::keyClicks(form.tOut->Edit(), QStringLiteral("9"));
        QCOMPARE(form.tOut->Edit()->text(), QStringLiteral("350009"));
        QCOMPARE(form.modelT, 35000.0);
        form.Type(form.tIn, QStringLiteral("4"));
        QCOMPARE(form.tOut->Edit()->text(), QStringLiteral("4"));
    }

    void readingCopiesEveryText()
    {
        TestForm form;
        form.tOut->Edit()->setText(QStringLiteral("x"));
        form.findChild<QLineEdit*>(QStringLiteral("note"))->setText(QStringLiteral("n"));
        form.fields->UpdateData(true);
        QCOMPARE(form.tOut->text, QStringLiteral("x"));
        QCOMPARE(form.note, QStringLiteral("n"));
        QCOMPARE(form.applied, 0);
    }

    void fieldsOutliveTheirControlsSafely()
    {
        auto* form = new TestForm;
        CFieldExchange exchange;
        auto* edit = new CEditEx(kPlainEdit, form);
        CUnitField& field = exchange.AddField(edit, nullptr, kQuantityPressure, FieldRole::Output);
        field.Show(5);
        delete form;  // the controls go first
        exchange.UpdateData(false);
        exchange.UpdateData(true);
        QCOMPARE(field.text, QStringLiteral("5"));
    }
};

QTEST_MAIN(TestUnitField)
#include "tst_unit_field.moc"
