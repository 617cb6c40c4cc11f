#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <string>

#include "app/AppIcon.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/CAboutDlg.h"
#include "controls/UiString.h"

static const QString kPicture = QStringLiteral(":/images/splash.png");

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SetDecimalSeparator(SystemDecimalSeparator());
        // The sheet shows its splash when first shown; tests that want it
        // set the picture back.
        CSplashWnd::SetPicturePath(QString());
    }
    void cleanup()
    {
        CDialog::SetModalHook({});
        CSplashWnd::SetDuration(3000);
        CSplashWnd::EnableSplash(false);
        CSplashWnd::SetPicturePath(QString());
    }

    // First of the tests, before anything else reads a picture: our PNGs are
    // read without loading the image format plugins (a start-up cost).
    void picturesReadWithoutImageFormatPlugins()
    {
        QVERIFY(!ZentaroIcon().isNull());
        QCOMPARE(LoadPngPicture(kPicture).size(), QSize(499, 322));
        QVERIFY(LoadPngPicture(QStringLiteral(":/images/missing.png")).isNull());
        std::ifstream maps("/proc/self/maps");
        std::string line;
        while (std::getline(maps, line))
            QVERIFY2(line.find("/imageformats/") == std::string::npos, line.c_str());
    }

    void tabsInOrderOpeningOnTheCalculator()
    {
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        QCOMPARE(sheet.windowTitle(), QStringLiteral("Zentaro"));
        QTabWidget* tabs = sheet.Tabs();
        const QStringList expected = {"Kalkulator", "Jednostki miar", "Woda", "Para wodna", "Wilgotne powietrze"};
        QCOMPARE(tabs->count(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(tabs->tabText(i), expected[i]);
        QCOMPARE(tabs->currentIndex(), 0);
        // The icon in every size the desktop installs, so none is scaled up.
        const QList<QSize> sizes = sheet.windowIcon().availableSizes();
        for (int side : {48, 128, 256})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    }

    void oneButtonThatEndsTheProgram()
    {
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        const auto buttons = sheet.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.front()->text(), QStringLiteral("Zakończ"));
        QVERIFY(!buttons.front()->isDefault());
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QSignalSpy finished(&sheet, &QDialog::finished);
        QTest::mouseClick(buttons.front(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!sheet.isVisible());
    }

    void enterDoesNotCloseTheWindow()
    {
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QTest::keyClick(&sheet, Qt::Key_Return);
        QVERIFY(sheet.isVisible());
    }

    void aboutItemOpensTheAboutBox()
    {
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        QMenu* menu = sheet.AboutMenu();
        QVERIFY(menu != nullptr);
        const QList<QAction*> actions = menu->actions();
        QVERIFY(actions.size() >= 2);
        QVERIFY(actions.at(actions.size() - 2)->isSeparator());
        QAction* about = actions.back();
        QCOMPARE(about->text(), QStringLiteral("&Informacje - Zentaro..."));

        QString title;
        QString text;
        bool okIsDefault = false;
        bool iconShown = false;
        CDialog::SetModalHook([&](CDialog& dlg) {
            title = dlg.windowTitle();
            for (QLabel* label : dlg.findChildren<QLabel*>()) {
                text += label->text() + QLatin1Char('\n');
                iconShown = iconShown || !label->pixmap().isNull();
            }
            for (QPushButton* b : dlg.findChildren<QPushButton*>())
                okIsDefault = okIsDefault || (b->text() == QLatin1String("OK") && b->isDefault());
            return int(QDialog::Accepted);
        });
        about->trigger();
        QCOMPARE(title, QStringLiteral("Informacje - Zentaro"));
        QVERIFY(text.contains(QStringLiteral("Zentaro Wersja " ZENTARO_DECLARED_VERSION "\nZentaro")));
        QVERIFY(okIsDefault);
        QVERIFY(iconShown);
    }

    void aboutItemInTheTabBarContextMenu()
    {
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QTabBar* bar = sheet.Tabs()->tabBar();
        QCOMPARE(bar->contextMenuPolicy(), Qt::CustomContextMenu);
        emit bar->customContextMenuRequested(QPoint(5, 5));
        QTRY_VERIFY(sheet.AboutMenu()->isVisible());
        sheet.AboutMenu()->hide();
    }

    void splashHidesOnAKeyThatDoesNothingElse()
    {
        CSplashWnd::SetPicturePath(kPicture);
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        auto* edit = new QLineEdit(&sheet);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        edit->setFocus();
        CSplashWnd::EnableSplash(true);
        CSplashWnd::ShowSplash(&sheet);
        QVERIFY(CSplashWnd::Current() != nullptr);
        QCOMPARE(CSplashWnd::Current()->size(), QSize(499, 322));
        QTest::keyClick(edit, Qt::Key_7);
        QVERIFY(CSplashWnd::Current() == nullptr);
        QCOMPARE(edit->text(), QString());
        // The next key goes where it belongs.
        QTest::keyClick(edit, Qt::Key_7);
        QCOMPARE(edit->text(), QStringLiteral("7"));
    }

    void splashHidesOnAMousePressThatDoesNothingElse()
    {
        CSplashWnd::SetPicturePath(kPicture);
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        CSplashWnd::EnableSplash(true);
        CSplashWnd::ShowSplash(&sheet);
        QVERIFY(CSplashWnd::Current() != nullptr);
        QSignalSpy finished(&sheet, &QDialog::finished);
        QTest::mouseClick(sheet.FinishButton(), Qt::LeftButton);
        QVERIFY(CSplashWnd::Current() == nullptr);
        QCOMPARE(finished.count(), 0);
        QVERIFY(sheet.isVisible());
    }

    void splashHidesAfterItsTime()
    {
        CSplashWnd::SetPicturePath(kPicture);
        CSplashWnd::SetDuration(20);
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        CSplashWnd::EnableSplash(true);
        CSplashWnd::ShowSplash(&sheet);
        QVERIFY(CSplashWnd::Current() != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(CSplashWnd::Current() == nullptr, 2000);
    }

    void splashShowsTheDeclaredVersion()
    {
        QCOMPARE(CSplashWnd::VersionLine(), QStringLiteral("Wersja " ZENTARO_DECLARED_VERSION));
        // The line is painted over the picture, in its free lower left
        // corner; the picture itself carries no version there.
        const QRect line(40, 270, 200, 30);
        const auto versionPixels = [&line](const QImage& image) {
            int count = 0;
            for (int y = line.top(); y <= line.bottom(); ++y)
                for (int x = line.left(); x <= line.right(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.red() > 200 && c.green() > 150 && c.blue() < 170 ? 1 : 0;
                }
            return count;
        };
        QCOMPARE(versionPixels(QImage(kPicture)), 0);
        CSplashWnd::SetPicturePath(kPicture);
        CSplashWnd::EnableSplash(true);
        CSplashWnd::ShowSplash(nullptr);
        QVERIFY(CSplashWnd::Current() != nullptr);
        QVERIFY(versionPixels(CSplashWnd::Current()->grab().toImage()) > 40);
        QTest::keyClick(CSplashWnd::Current(), Qt::Key_Space);
        QVERIFY(CSplashWnd::Current() == nullptr);
    }

    void splashPaintsThePictureAgainAfterLettingItGo()
    {
        CSplashWnd::SetPicturePath(kPicture);
        CSplashWnd::EnableSplash(true);
        CSplashWnd::ShowSplash(nullptr);
        QVERIFY(CSplashWnd::Current() != nullptr);
        // Away from the version line, every paint shows the picture itself.
        const QRect area(0, 0, 499, 200);
        const QImage picture = QImage(kPicture).copy(area).convertToFormat(QImage::Format_RGB32);
        for (int paint = 0; paint < 2; ++paint)
            QCOMPARE(CSplashWnd::Current()->grab(area).toImage().convertToFormat(QImage::Format_RGB32), picture);
        QTest::keyClick(CSplashWnd::Current(), Qt::Key_Space);
        QVERIFY(CSplashWnd::Current() == nullptr);
    }

    void unloadablePictureSkipsTheSplash()
    {
        CSplashWnd::SetPicturePath(QStringLiteral(":/images/missing.png"));
        CSplashWnd::EnableSplash(true);
        CSplashWnd::ShowSplash(nullptr);
        QVERIFY(CSplashWnd::Current() == nullptr);
    }

    void splashShownOnceOverTheSheet()
    {
        CSplashWnd::SetPicturePath(kPicture);
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        CSplashWnd* splash = CSplashWnd::Current();
        QVERIFY(splash != nullptr);
        QVERIFY(splash->isVisible());
        QVERIFY((splash->geometry().center() - sheet.frameGeometry().center()).manhattanLength() <= 2);
        QTest::keyClick(&sheet, Qt::Key_Space);
        QVERIFY(CSplashWnd::Current() == nullptr);
        // Showing the window again (after a minimise, say) brings no second splash.
        sheet.hide();
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QVERIFY(CSplashWnd::Current() == nullptr);
    }

    void nothingIsStored()
    {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        {
            CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
            sheet.show();
            QVERIFY(QTest::qWaitForWindowExposed(&sheet));
            sheet.reject();
        }
        QCoreApplication::processEvents();
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }
};

QTEST_MAIN(TestApp)
#include "tst_app.moc"
