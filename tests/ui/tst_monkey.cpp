// A seeded monkey over the whole window: on every page and in every dialog
// it opens (modal ones answered through the hooks, with a monkey of their
// own inside), it pastes arbitrary text into edit boxes, types keys, picks
// combo entries and list rows, moves sliders and presses buttons.
//
// What must hold after every action:
//   - nothing crashes, and no action takes more than a few seconds;
//   - on a medium page whose message line says "Właściwości" (the model
//     accepted its state), no field of its property table shows "nan" or
//     "inf", unless it holds the user's own text (its last change was the
//     user's edit, not the program's writing).
//
// ZENTARO_MONKEY_SEED and ZENTARO_MONKEY_STEPS replay or lengthen a run; a
// failure names the seed and the last actions; ZENTARO_MONKEY_TRACE prints
// every action.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

#include "WidgetTestSupport.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "controls/ContextHelp.h"
#include "controls/Modal.h"
#include "controls/UiString.h"
#include "pages/AirTable.h"
#include "pages/PageIds.h"
#include "pages/SteamTable.h"
#include "pages/WaterTable.h"

namespace {

// Ids of a medium page's message line and of its table's fields.
struct MediumField {
    unsigned edit;
    unsigned unitCombo;
    bool output;
};

struct MediumCheck {
    int tab;
    unsigned properties;
    std::vector<MediumField> fields;
};

template <class Model>
std::vector<MediumField> FieldIds(std::span<const PropertyRow<Model>> table)
{
    std::vector<MediumField> ids;
    for (const PropertyRow<Model>& row : table)
        ids.push_back({row.edit, row.unitCombo, row.role == PropertyRole::Output});
    return ids;
}

// Pages in tab order: calculator, units, water, steam, humid air.
constexpr int kTabCount = 5;

const std::vector<MediumCheck>& MediumChecks()
{
    static const std::vector<MediumCheck> checks = {
        {2, WodaIds::IDC_PROPERTIES, FieldIds(kWaterTable)},
        {3, ParaIds::IDC_PROPERTIES, FieldIds(kSteamTable)},
        {4, PowietrzeIds::IDC_PROPERTIES, FieldIds(kAirTable)},
    };
    return checks;
}

int EnvInt(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

class Monkey {
public:
    explicit Monkey(unsigned seed) : m_seed(seed), m_rng(seed) {}

    // Actions on one window (the sheet's current page, or a dialog) until
    // the steps are spent or the window closes itself.
    void Run(QWidget& window, int steps, const std::function<bool()>& closed, const std::function<void()>& check)
    {
        for (int step = 0; step < steps && !closed() && !m_failed; ++step) {
            QElapsedTimer timer;
            timer.start();
            Act(window);
            QCoreApplication::processEvents();
            if (timer.elapsed() > 5000)
                Fail(QStringLiteral("an action took %1 ms").arg(timer.elapsed()));
            check();
        }
    }

    // A modal dialog, opened by an action: a shorter run inside, then an
    // answer (the one its own buttons gave, or one at random).
    int Modal(CDialog& dialog)
    {
        if (m_depth >= 3 || m_failed)
            return QDialog::Rejected;
        ++m_depth;
        m_dialogs.insert(dialog.windowTitle());
        Log(QStringLiteral("opened dialog \"%1\"").arg(dialog.windowTitle()));
        bool finished = false;
        int result = Pick(2) == 0 ? QDialog::Accepted : QDialog::Rejected;
        const auto connection = QObject::connect(&dialog, &QDialog::finished, [&](int r) {
            finished = true;
            result = r;
        });
        Run(dialog, 10 + static_cast<int>(Pick(50)), [&] { return finished; }, [] {});
        QObject::disconnect(connection);
        Log(QStringLiteral("closed dialog \"%1\" with %2").arg(dialog.windowTitle()).arg(result));
        --m_depth;
        return result;
    }

    QMessageBox::StandardButton Message(const MessageRequest& request)
    {
        Log(QStringLiteral("message \"%1\"").arg(request.text.left(80)));
        QList<QMessageBox::StandardButton> offered;
        for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1)
            if (request.buttons.testFlag(static_cast<QMessageBox::StandardButton>(bit)))
                offered.push_back(static_cast<QMessageBox::StandardButton>(bit));
        return offered.isEmpty() ? QMessageBox::Ok : offered[static_cast<int>(Pick(offered.size()))];
    }

    // Called after the monkey typed or pasted into a box.
    std::function<void(QLineEdit*)> edited = [](QLineEdit*) {};

    void Log(const QString& line)
    {
        // ZENTARO_MONKEY_TRACE prints every action as it happens, for a run
        // that ends without a failure to report (a hang, a kill).
        static const bool trace = qEnvironmentVariableIsSet("ZENTARO_MONKEY_TRACE");
        if (trace)
            std::fprintf(stderr, "monkey: %s\n", qPrintable(line));
        m_log.push_back(line);
        if (m_log.size() > 25)
            m_log.pop_front();
    }

    void Fail(const QString& what)
    {
        if (m_failed)
            return;
        m_failed = true;
        m_failure = QStringLiteral("seed %1: %2\nlast actions:\n  %3").arg(m_seed).arg(what, m_log.join("\n  "));
    }
    bool Failed() const { return m_failed; }
    // The dialogs opened so far, by caption.
    const QSet<QString>& Dialogs() const { return m_dialogs; }
    const QString& Failure() const { return m_failure; }

    unsigned Pick(qsizetype count) { return count <= 1 ? 0 : static_cast<unsigned>(m_rng() % count); }

    // Arbitrary text: bytes, special words, numbers in either separator,
    // long runs of digits, numbers with trailing words.
    QString RandomText()
    {
        static const QStringList kWords = {
            "", " ", "-", "+", ",", ".", "e", "E5", "1e", "1e-", "inf", "-inf", "nan", "NaN", "infinity",
            "1e308", "-1e308", "1e309", "1e-400", "4.9e-324", "1e99999", "0", "-0", "0,0", "1,5", "1.5", "1,2,3",
            "1.2.3", "--5", "+-5", "12 kg", "\t7", "7\n8", "−5", "５", "٣", "😀", "Zażółć gęślą jaźń", "0x1p3",
            "99999999999999999999", "-273.15", "-273,15", "373,15", "647.14", "1e5", "22064000", "100", "50",
        };
        switch (Pick(7)) {
        case 0: {
            QByteArray bytes;
            const int n = static_cast<int>(Pick(24));
            for (int i = 0; i < n; ++i)
                bytes.push_back(static_cast<char>(1 + Pick(255)));
            return Pick(2) == 0 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
        }
        case 1:
        case 2: return kWords[static_cast<int>(Pick(kWords.size()))];
        case 3:
        case 4: {
            std::uniform_real_distribution<double> mantissa(-10, 10);
            const double value = mantissa(m_rng) * std::pow(10.0, static_cast<int>(Pick(40)) - 20);
            QString text = QString::fromStdString(FormatG(value, 1 + static_cast<int>(Pick(17))));
            if (Pick(3) == 0)
                text.replace(QLatin1Char(DecimalSeparator()), QLatin1Char(DecimalSeparator() == ',' ? '.' : ','));
            return text;
        }
        case 5: return QString(static_cast<int>(50 + Pick(3000)), QLatin1Char('0' + static_cast<char>(Pick(10))));
        default:
            return QString::number(static_cast<int>(Pick(2000)) - 1000) + kWords[static_cast<int>(Pick(kWords.size()))];
        }
    }

private:
    void Act(QWidget& window)
    {
        QList<QWidget*> controls;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&window) || !w->isEnabled())
                continue;
            if (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr
                || qobject_cast<QAbstractSlider*>(w) != nullptr || qobject_cast<QAbstractButton*>(w) != nullptr
                || qobject_cast<QListWidget*>(w) != nullptr || qobject_cast<QPlainTextEdit*>(w) != nullptr)
                controls.push_back(w);
        }
        if (Pick(8) == 0)
            QGuiApplication::clipboard()->setText(RandomText());
        if (controls.isEmpty())
            return;
        QWidget* w = controls[static_cast<int>(Pick(controls.size()))];
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                        : w->objectName();
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setFocus();
            if (Pick(3) == 0) {
                // Keys the test library can press: printable ASCII (the rest
                // comes by paste).
                QString keys;
                for (QChar c : RandomText().left(12))
                    if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
                        keys += c;
                Log(QStringLiteral("typed \"%1\" into %2").arg(keys, name));
                QTest::keyClicks(edit, keys);
            } else if (!edit->isReadOnly()) {
                const QString text = RandomText();
                Log(QStringLiteral("pasted \"%1\" into %2").arg(text.left(60), name));
                if (Pick(3) != 0)
                    edit->selectAll();
                edit->insert(text);
            } else {
                Log(QStringLiteral("pressed keys in %1").arg(name));
                QTest::keyClick(edit, Qt::Key_Backspace);
            }
            edited(edit);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (combo->count() == 0)
                return;
            const int index = static_cast<int>(Pick(combo->count()));
            Log(QStringLiteral("chose %1 (\"%2\") in %3").arg(index).arg(combo->itemText(index), name));
            combo->setCurrentIndex(index);
        } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
            const int value = slider->minimum() + static_cast<int>(Pick(slider->maximum() - slider->minimum() + 1));
            Log(QStringLiteral("moved %1 to %2").arg(name).arg(value));
            if (Pick(2) == 0)
                slider->setValue(value);
            else
                slider->triggerAction(static_cast<QAbstractSlider::SliderAction>(1 + Pick(7)));
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            if (list->count() == 0)
                return;
            const int row = static_cast<int>(Pick(list->count()));
            Log(QStringLiteral("selected row %1 of %2").arg(row).arg(name));
            list->setCurrentRow(row);
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
            Log(QStringLiteral("pressed a key in %1").arg(name));
            text->setFocus();
            QTest::keyClick(text, Qt::Key_End);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            Log(QStringLiteral("clicked %1 \"%2\"").arg(name, button->text()));
            button->click();
        }
    }

    unsigned m_seed;
    std::mt19937 m_rng;
    int m_depth = 0;
    QStringList m_log;
    QSet<QString> m_dialogs;
    bool m_failed = false;
    QString m_failure;
};

bool ShowsNonFinite(const QString& text)
{
    return text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SetDecimalSeparator(SystemDecimalSeparator());
        CSplashWnd::SetPicturePath(QString());
        SetHelpPopupHook([](const HelpPopupRequest&) {});
        SetHelpTopicHook([](const HelpTopicRequest&) {});
    }
    void cleanupTestCase()
    {
        CDialog::SetModalHook({});
        SetMessageHook({});
    }

    void everyPageAndDialog_data()
    {
        QTest::addColumn<unsigned>("seed");
        const int env = EnvInt("ZENTARO_MONKEY_SEED", 0);
        if (env != 0) {
            QTest::newRow("given") << static_cast<unsigned>(env);
            return;
        }
        // One seed per separator, so that the two runs differ.
        const unsigned base = DecimalSeparator() == ',' ? 4242u : 1717u;
        for (unsigned i = 0; i < 3; ++i)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(base + i))) << base + i;
    }

    void everyPageAndDialog()
    {
        QFETCH(unsigned, seed);
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        Monkey monkey(seed);
        CDialog::SetModalHook([&](CDialog& dialog) { return monkey.Modal(dialog); });
        SetMessageHook([&](const MessageRequest& request) { return monkey.Message(request); });
        // Save dialogs: cancelled, or a file in a folder of the test's own.
        QTemporaryDir folder;
        SetSaveFileHook([&](const SaveFileRequest& request) {
            SaveFileAnswer answer;
            if (monkey.Pick(2) == 0 && !request.filters.isEmpty()) {
                answer.filter = static_cast<int>(monkey.Pick(static_cast<unsigned>(request.filters.size())));
                answer.path = folder.filePath(QStringLiteral("monkey"));
            }
            monkey.Log(QStringLiteral("save as \"%1\"").arg(answer.path));
            return answer;
        });

        QTabWidget* tabs = sheet.Tabs();
        QCOMPARE(tabs->count(), kTabCount);
        // Every page built now, so that its boxes are watched from the start.
        sheet.KalkPage();
        sheet.JednostkiPage();
        sheet.WodaPage();
        sheet.ParaWodnaPage();
        sheet.PowietrzePage();
        // A box holds the user's own text from the user's edit until the
        // program writes it: textChanged without an edit of the user's.
        QSet<const QLineEdit*> usersText;
        for (int tab = 0; tab < kTabCount; ++tab)
            for (QLineEdit* edit : tabs->widget(tab)->findChildren<QLineEdit*>()) {
                connect(edit, &QLineEdit::textChanged, this, [&usersText, edit] { usersText.remove(edit); });
                connect(edit, &QLineEdit::textEdited, this, [&usersText, edit] { usersText.insert(edit); });
            }
        monkey.edited = [&usersText](QLineEdit* edit) { usersText.insert(edit); };
        int accepted = 0;
        const auto check = [&] {
            for (const MediumCheck& medium : MediumChecks()) {
                QWidget& page = *tabs->widget(medium.tab);
                if (Ctrl<QGroupBox>(page, medium.properties)->title() != QStringLiteral("Właściwości"))
                    continue;
                ++accepted;
                for (const MediumField& field : medium.fields) {
                    QLineEdit* edit = Edit(page, field.edit);
                    if (usersText.contains(edit))
                        continue;
                    const QString text = edit->text();
                    if (ShowsNonFinite(text))
                        monkey.Fail(QStringLiteral("\"%1\" in field %2 of tab %3 while the state is accepted")
                                        .arg(text.left(80))
                                        .arg(field.edit)
                                        .arg(medium.tab));
                }
            }
        };
        const int rounds = EnvInt("ZENTARO_MONKEY_STEPS", 1500) / 50;
        for (int round = 0; round < rounds && !monkey.Failed(); ++round) {
            // Every page in turn, then pages at random.
            const int tab = round < kTabCount ? round : static_cast<int>(monkey.Pick(kTabCount));
            monkey.Log(QStringLiteral("tab %1").arg(tab));
            tabs->setCurrentIndex(tab);
            if (monkey.Pick(20) == 0) {
                monkey.Log(QStringLiteral("about box"));
                sheet.OnAbout();
            }
            monkey.Run(*tabs->widget(tab), 50, [&] { return !sheet.isVisible(); }, check);
            QVERIFY2(sheet.isVisible(), "the window closed");
        }
        CDialog::SetModalHook({});
        SetMessageHook({});
        SetSaveFileHook({});
        QVERIFY2(!monkey.Failed(), qPrintable(monkey.Failure()));
        // The run reached accepted states and dialogs, or it checked little.
        qInfo("%d accepted states checked; dialogs: %s", accepted,
              qPrintable(QStringList(monkey.Dialogs().values()).join(", ")));
        QVERIFY(accepted > 0);
        QVERIFY(!monkey.Dialogs().isEmpty());
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
