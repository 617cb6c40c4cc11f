#include "app/CZentaroApp.h"

#include <QScreen>

#include "app/AppIcon.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/HelpFile.h"
#include "controls/HelpPaths.h"
#include "controls/QtTranslation.h"
#include "controls/UiString.h"

CZentaroApp::CZentaroApp(int& argc, char** argv) : QApplication(argc, argv)
{
    // Beside the executable in a build tree, in the data folder once installed.
    m_helpFilePath = QString::fromStdString(FindHelpFile(applicationFilePath().toStdString()));
    m_helpPopupPath = QString::fromStdString(HelpPopupPathFor(m_helpFilePath.toStdString()));
    // The help reader is told where the file is; it knows nothing of the application.
    SetHelpFilePath(m_helpFilePath);
    SetDecimalSeparator(SystemDecimalSeparator());
    // The framework's own buttons and menus in Polish; without the
    // catalogue they stay in their built-in language and all else works.
    InstallQtTranslations(*this);
    // Named for the window system; nothing is ever stored under it.
    setOrganizationName(QStringLiteral("Quillon Works"));
    setApplicationName(QStringLiteral("Zentaro"));
    // Every window carries the icon; the desktop entry's name ties the
    // windows to the menu entry (and its icon) where the window system asks.
    setWindowIcon(ZentaroIcon());
    setDesktopFileName(QStringLiteral("zentaro"));
}

int CZentaroApp::InitInstance()
{
    CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"), nullptr, 0);
    sheet.adjustSize();
    if (const QScreen* screen = primaryScreen()) {
        QRect frame = sheet.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        sheet.move(frame.topLeft());
    }
    sheet.exec();
    return 0;
}
