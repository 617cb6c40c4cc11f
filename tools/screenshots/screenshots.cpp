// Renders every page and dialog of the program in a few representative
// states into PNG files, offscreen, at a fixed font and window size, so that
// the pictures change only when the program does.
//
//   zentaro_screenshots OUTPUT_DIR       writes the pictures; fails when one
//                                        that the metainfo names is missing
//   zentaro_screenshots --sizes          prints each window's sizes instead
//
// The program is driven as a user drives it: typing into its boxes, picking
// units, pressing its buttons. Modal windows are answered through the hooks
// of controls/Modal.h, which here show the window, take its picture and
// close it.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "analysis/AnalysisIds.h"
#include "app/AppIcon.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "calc/CKalkPage.h"
#include "calc/KalkIds.h"
#include "controls/ContextHelp.h"
#include "controls/HelpFile.h"
#include "controls/HelpIds.h"
#include "controls/Modal.h"
#include "controls/QtTranslation.h"
#include "controls/UiString.h"
#include "pages/CParaWodnaPage.h"
#include "pages/CPowietrzePage.h"
#include "pages/CWodaPage.h"
#include "pages/CWykresHxDlg.h"
#include "pages/PageIds.h"
#include "units/JednostkiIds.h"

namespace {

// The sheet's size in the pictures; every page fits it.
const QSize kSheetSize(920, 660);

// The pictures the package's metainfo and the README name: a run that
// misses one fails.
const char* const kRequired[] = {"kalkulator", "jednostki", "woda", "para", "powietrze", "wykres-hx", "przeplyw", "energia"};

// The size a window opens at on a 1024 x 768 screen: its size hint where
// that fits, never below its minimum.
const QSize kSmallScreen(1024, 768);

QString g_outDir;
bool g_sizesOnly = false;
int g_written = 0;
std::set<std::string> g_names;

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void Save(QWidget& window, const char* name)
{
    Settle();
    if (g_sizesOnly) {
        const QSize hint = window.sizeHint();
        const QSize minimum = window.minimumSizeHint();
        std::printf("%-22s shown %4d x %-4d  hint %4d x %-4d  minimum %4d x %-4d  %s\n", name, window.width(),
                    window.height(), hint.width(), hint.height(), minimum.width(), minimum.height(),
                    window.metaObject()->className());
        g_written += 1;
        return;
    }
    const QString path = QDir(g_outDir).filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    ++g_written;
    g_names.insert(name);
    std::printf("%s\n", qPrintable(path));
}

template <class T>
T* Find(QWidget& window, unsigned id)
{
    T* w = window.findChild<T*>(ControlObjectName(id));
    if (w == nullptr) {
        std::fprintf(stderr, "control %u missing in %s\n", id, window.metaObject()->className());
        std::exit(1);
    }
    return w;
}

// The user replaces a box's text key by key.
void Type(QWidget& window, unsigned id, const QString& text)
{
    QLineEdit* edit = Find<QLineEdit>(window, id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// A number as the user types it: the full stop is the key that types the
// separator, whatever the locale.
QString Num(const char* text) { return QString::fromUtf8(text); }

void Choose(QWidget& window, unsigned comboId, const QString& item)
{
    auto* combo = Find<QComboBox>(window, comboId);
    const int index = combo->findText(item);
    if (index < 0) {
        std::fprintf(stderr, "no item %s in %u\n", qPrintable(item), comboId);
        std::exit(1);
    }
    combo->setCurrentIndex(index);
}

void Click(QWidget& window, unsigned id) { Find<QAbstractButton>(window, id)->click(); }

// What each modal window does when it comes up: a function of the window
// that takes its pictures and returns the result it closes with.
std::function<int(CDialog&)> g_onDialog;
std::function<QMessageBox::StandardButton(QMessageBox&)> g_onMessage;

void ShowAtOpeningSize(QWidget& window)
{
    window.resize(window.sizeHint().boundedTo(kSmallScreen).expandedTo(window.minimumSizeHint()));
    window.show();
}

int AnswerDialog(CDialog& dialog)
{
    ShowAtOpeningSize(dialog);
    Settle();
    const int result = g_onDialog ? g_onDialog(dialog) : QDialog::Rejected;
    dialog.hide();
    return result;
}

QMessageBox::StandardButton AnswerMessage(QMessageBox& box)
{
    ShowAtOpeningSize(box);
    Settle();
    const QMessageBox::StandardButton answer = g_onMessage ? g_onMessage(box) : QMessageBox::No;
    box.hide();
    return answer;
}

void Calculator(CZentaroTabbedDlg& sheet)
{
    sheet.Tabs()->setCurrentIndex(0);
    CKalkPage& page = sheet.KalkPage();
    const auto keys = [&page](std::initializer_list<int> ids) {
        for (int id : ids)
            page.OnCommand(id);
    };
    const auto digit = [](int d) { return kIdDigit0 + d; };
    // 2 + sin( 30 ) =, then 1 / 3 = * 3 = and a square root.
    keys({digit(2), kIdAdd, kIdSin, digit(3), digit(0), kIdCloseBracket, kIdResult});
    keys({digit(1), kIdDivide, digit(3), kIdResult, kIdMultiply, digit(3), kIdResult});
    keys({kIdSqrt, digit(2), kIdCloseBracket, kIdResult});
    Save(sheet, "kalkulator");
}

void Converter(CZentaroTabbedDlg& sheet)
{
    using namespace JednostkiIds;
    sheet.Tabs()->setCurrentIndex(1);
    QWidget& page = *sheet.Tabs()->currentWidget();
    Choose(page, IDC_QUANTITY, QStringLiteral("Prędkość"));
    Choose(page, IDC_FROM_UNIT, QStringLiteral("mile/h"));
    Choose(page, IDC_TO_UNIT, QStringLiteral("km/h"));
    Type(page, IDC_VALUE, Num("55"));
    Save(sheet, "jednostki");
}

void WaterAndAnalyses(CZentaroTabbedDlg& sheet)
{
    using namespace WodaIds;
    sheet.Tabs()->setCurrentIndex(2);
    CWodaPage& page = sheet.WodaPage();
    Choose(page, IDC_TEMPERATURE_UNIT, QStringLiteral("st C"));
    Type(page, IDC_TEMPERATURE, Num("20"));
    Click(page, IDC_STORE_INITIAL);
    Type(page, IDC_TEMPERATURE, Num("70"));
    Click(page, IDC_STORE_FINAL);
    Save(sheet, "woda");

    // The flow analysis at its opening, then sized as a rectangular duct,
    // with the duct-shape and Kv dialogs on the way.
    g_onDialog = [](CDialog& dialog) {
        using namespace PrzeplywIds;
        Save(dialog, "przeplyw");
        g_onDialog = [](CDialog& shape) {
            Click(shape, KsztaltIds::IDC_RECTANGULAR);
            Save(shape, "ksztalt");
            return int(QDialog::Accepted);
        };
        Click(dialog, IDC_F);
        Click(dialog, IDC_COMPUTE_AREA);
        Click(dialog, IDC_LXH);
        Type(dialog, IDC_VELOCITY, Num("0.8"));
        Type(dialog, IDC_SIDE_H, Num("0.05"));
        g_onDialog = [](CDialog& kv) {
            Save(kv, "kv");
            return int(QDialog::Rejected);
        };
        Click(dialog, IDC_KV);
        Save(dialog, "przeplyw-prostokatny");
        Click(dialog, PrzeplywIds::IDC_COMPUTE_VELOCITY);
        Type(dialog, PrzeplywIds::IDC_MASS_FLOW, Num("0.5"));
        return int(QDialog::Accepted);
    };
    // The flow came back changed while both states are stored: the page
    // asks whether the final state follows; it does, so the two states
    // now differ in their flows.
    g_onMessage = [](QMessageBox& box) {
        Save(box, "pytanie");
        return QMessageBox::Yes;
    };
    Click(page, IDC_FLOW);

    // Different flows in the two states: the energy analysis asks which.
    g_onDialog = [](CDialog& choice) {
        Click(choice, RoznicaIds::IDC_STREAM_DIFFERENCE);
        Save(choice, "roznica");
        g_onDialog = [](CDialog& energy) {
            Save(energy, "energia");
            Click(energy, EnergiaIds::IDC_COMPUTE_ENTHALPY);
            Type(energy, EnergiaIds::IDC_HEAT_POWER, Num("100000"));
            Save(energy, "energia-entalpia");
            return int(QDialog::Rejected);
        };
        return int(QDialog::Accepted);
    };
    Click(page, IDC_ENERGY);
    g_onDialog = nullptr;
    g_onMessage = nullptr;

    // A temperature out of range: the message stands in the caption.
    Choose(page, IDC_TEMPERATURE_UNIT, QStringLiteral("K"));
    Type(page, IDC_TEMPERATURE, Num("423.16"));
    Save(sheet, "woda-komunikat");
}

void Steam(CZentaroTabbedDlg& sheet)
{
    using namespace ParaIds;
    sheet.Tabs()->setCurrentIndex(3);
    CParaWodnaPage& page = sheet.ParaWodnaPage();
    Choose(page, IDC_TEMPERATURE_UNIT, QStringLiteral("st C"));
    Type(page, IDC_TEMPERATURE, Num("120"));
    Type(page, IDC_DRYNESS, Num("0.95"));
    Click(page, IDC_STORE_INITIAL);
    Save(sheet, "para");
    Click(page, IDC_SUPERHEATED);
    Save(sheet, "para-przegrzana");
}

void HumidAir(CZentaroTabbedDlg& sheet)
{
    using namespace PowietrzeIds;
    sheet.Tabs()->setCurrentIndex(4);
    QWidget& page = *sheet.Tabs()->currentWidget();
    // Outdoor winter air heated for a supply (the initial and final states
    // stored) and a warm room as the current state; a page without its
    // controls yet is pictured as it stands.
    if (page.findChild<QLineEdit*>(ControlObjectName(IDC_TEMPERATURE)) != nullptr) {
        Choose(page, IDC_TEMPERATURE_UNIT, QStringLiteral("st C"));
        Type(page, IDC_TEMPERATURE, Num("5"));
        Type(page, IDC_HUMIDITY, Num("80"));
        Click(page, IDC_STORE_INITIAL);
        Type(page, IDC_TEMPERATURE, Num("22"));
        Type(page, IDC_HUMIDITY, Num("30"));
        Click(page, IDC_STORE_FINAL);
        Type(page, IDC_TEMPERATURE, Num("26"));
        Type(page, IDC_HUMIDITY, Num("55"));
    }
    Save(sheet, "powietrze");
    // The h-x chart beside it, following the page.
    if (auto* air = dynamic_cast<CPowietrzePage*>(&page)) {
        air->OpenChart();
        if (CWykresHxDlg* chart = air->ChartWindow()) {
            Save(*chart, "wykres-hx");
            chart->close();
        }
    }
}

void About(CZentaroTabbedDlg& sheet)
{
    g_onDialog = [](CDialog& about) {
        Save(about, "informacje");
        return int(QDialog::Accepted);
    };
    sheet.OnAbout();
    g_onDialog = nullptr;
}

// The help window at the flow analysis's topic, when the help file is
// there to read (ZENTARO_HELP_DIR, or beside the program).
void Help()
{
    constexpr unsigned kFlowTemplate = 133;
    if (HelpTopicHtml(HelpTopicId(kFlowTemplate)).isEmpty()) {
        std::fprintf(stderr, "no help file at %s: no picture of the help window\n", qPrintable(HelpFilePath()));
        return;
    }
    CHelpWindow* help = CHelpWindow::Ensure();
    help->ShowTopic(HelpTopicId(kFlowTemplate));
    help->resize(760, 560);
    help->show();
    Save(*help, "pomoc");
    help->close();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zentaro_screenshots OUTPUT_DIR | --sizes\n");
        return 2;
    }
    g_sizesOnly = args[1] == QStringLiteral("--sizes");
    if (!g_sizesOnly) {
        g_outDir = args[1];
        QDir().mkpath(g_outDir);
    }
    InstallQtTranslations(app);
    SetDecimalSeparator(SystemDecimalSeparator());
    // One font everywhere, whatever the machine's default; a point size
    // from ZENTARO_SCREENSHOT_POINTS tries a larger one.
    const int points = qEnvironmentVariableIntValue("ZENTARO_SCREENSHOT_POINTS");
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), points > 0 ? points : 9));
    QApplication::setWindowIcon(ZentaroIcon());
    CKalkPage::SetFlashDuration(0);
    CDialog::SetModalHook(AnswerDialog);
    SetMessageBoxHook(AnswerMessage);

    // The splash belongs to a start, not to the pictures.
    CSplashWnd::SetPicturePath(QString());
    CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"), nullptr, 0);
    sheet.resize(kSheetSize.expandedTo(sheet.minimumSizeHint()));
    sheet.show();
    Settle();

    Calculator(sheet);
    Converter(sheet);
    WaterAndAnalyses(sheet);
    Steam(sheet);
    HumidAir(sheet);
    About(sheet);
    Help();
    if (g_sizesOnly)
        return 0;
    std::printf("%d pictures\n", g_written);
    int missing = 0;
    for (const char* name : kRequired)
        if (!g_names.count(name)) {
            std::fprintf(stderr, "no picture %s.png\n", name);
            ++missing;
        }
    return missing == 0 ? 0 : 1;
}
