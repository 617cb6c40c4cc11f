#include "app/CZentaroApp.h"

#include <QScreen>

#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/HelpFile.h"
#include "controls/HelpPaths.h"

CZentaroApp::CZentaroApp(int& argc, char** argv) : QApplication(argc, argv)
{
    m_helpFilePath = QString::fromStdString(HelpFilePathFor(applicationFilePath().toStdString()));
    m_helpPopupPath = QString::fromStdString(HelpPopupPathFor(m_helpFilePath.toStdString()));
    // The help reader is told where the file is; it knows nothing of the application.
    SetHelpFilePath(m_helpFilePath);
    SetDecimalSeparator(SeparatorFromEnvironment());
    // Named for the window system; nothing is ever stored under it.
    setOrganizationName(QStringLiteral("Quillon Works"));
    setApplicationName(QStringLiteral("Zentaro"));
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
