// What the medium-page tests share: the sheet shown at one page, modal
// dialogs and messages answered by the test, and the checks of a page's
// properties and state texts.
#pragma once

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "controls/Modal.h"
#include "WidgetTestSupport.h"

struct PageTestAnswers {
    // What an opened modal dialog does; with none set, a dialog ends the test.
    std::function<int(CDialog&)> modal;
    // Every message asked, in order, and the button each one gets.
    std::vector<MessageRequest> questions;
    QMessageBox::StandardButton answer = QMessageBox::No;
};

inline PageTestAnswers& Answers()
{
    static PageTestAnswers answers;
    return answers;
}

// Modal dialogs and message boxes go to Answers() from now on.
inline void InstallPageTestHooks(char separator)
{
    SetDecimalSeparator(separator);
    CSplashWnd::SetPicturePath(QString());
    CDialog::SetModalHook([](CDialog& dialog) {
        if (!Answers().modal)
            qFatal("unexpected modal dialog %s", dialog.metaObject()->className());
        return Answers().modal(dialog);
    });
    SetMessageHook([](const MessageRequest& r) {
        Answers().questions.push_back(r);
        return Answers().answer;
    });
}

inline void RemovePageTestHooks()
{
    CDialog::SetModalHook({});
    SetMessageHook({});
}

// A new sheet shown at the page the getter returns, with the answers reset.
template <class Page>
CZentaroTabbedDlg* ShowSheetAt(Page& (CZentaroTabbedDlg::*page)(), Page*& shown)
{
    Answers() = PageTestAnswers{};
    auto* sheet = new CZentaroTabbedDlg(QStringLiteral("Zentaro"));
    shown = &(sheet->*page)();
    sheet->Tabs()->setCurrentWidget(shown);
    sheet->show();
    return sheet;
}

inline QComboBox* Combo(QWidget& w, unsigned id) { return Ctrl<QComboBox>(w, id); }
inline QPushButton* Button(QWidget& w, unsigned id) { return Ctrl<QPushButton>(w, id); }

// The lines of a state text, each number under the separator in force.
inline QString Lines(std::initializer_list<const char*> lines)
{
    QString text;
    for (const char* line : lines)
        text += Num(line) + QStringLiteral("\r\n");
    return text;
}

// The outputs hold values and the controls that need them are enabled, or
// the outputs are empty and those controls disabled.
inline void ExpectProperties(QWidget& page, std::span<const unsigned> outputs, std::span<const unsigned> needProperties,
                             bool shown)
{
    for (unsigned id : outputs)
        QVERIFY2(TextOf(page, id).isEmpty() != shown, qPrintable(QString::number(id)));
    for (unsigned id : needProperties)
        QVERIFY2(Ctrl<QWidget>(page, id)->isEnabled() == shown, qPrintable(QString::number(id)));
}
