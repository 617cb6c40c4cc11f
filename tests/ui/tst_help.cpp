#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "analysis/AnalysisIds.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/HelpFile.h"
#include "controls/HelpIds.h"
#include "controls/HelpTexts.h"
#include "controls/Modal.h"
#include "controls/UiString.h"
#include "units/JednostkiIds.h"

namespace {
// Answers message boxes and keeps their texts.
struct MessageLog {
    QStringList texts;
    MessageLog()
    {
        SetMessageHook([this](const MessageRequest& r) {
            texts << r.text;
            return QMessageBox::Ok;
        });
    }
    ~MessageLog() { SetMessageHook({}); }
};

QWidget* VisiblePopupOfClass(const char* className)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits(className))
            return w;
    return nullptr;
}
} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetDecimalSeparator(SystemDecimalSeparator()); }
    void cleanup()
    {
        SetHelpFilePath(QString());
        SetHelpPopupHook({});
        SetHelpTopicHook({});
        if (CHelpWindow* window = CHelpWindow::Instance())
            window->hide();
    }

    void helpFileIsBuiltBesideTheProgram()
    {
        QVERIFY2(!qEnvironmentVariable("ZENTARO_HELP_DIR").isEmpty(), "tests run with ZENTARO_HELP_DIR");
        QCOMPARE(QFileInfo(HelpFilePath()).fileName(), QStringLiteral("zentaro.chm"));
        QVERIFY2(QFileInfo(HelpFilePath()).isFile(), qPrintable(HelpFilePath()));
    }

    void everyHelpIdHasItsPopupText()
    {
        QSet<QString> distinct;
        for (std::size_t i = 0; i < kHelpIdPairCount; ++i) {
            const unsigned helpId = kHelpIdTable[i].helpId;
            const QString text = HelpPopupText(helpId);
            QVERIFY2(!text.isEmpty() && text != NoHelpText() && !text.contains(QStringLiteral("Nie można")),
                     qPrintable(QString::number(kHelpIdTable[i].controlId)));
            distinct << text;
        }
        QVERIFY(distinct.size() > 150);  // texts of their own, not one text for all
        QVERIFY(HelpPopupText(HelpIdOf(PrzeplywIds::IDC_KV)).contains(QStringLiteral("Kv")));
        QVERIFY(HelpPopupText(HelpIdOf(JednostkiIds::IDC_VALUE)).contains(QStringLiteral("wartość")));
        // Ids the table does not give have no text.
        QCOMPARE(HelpPopupText(0), NoHelpText());
        QCOMPARE(HelpPopupText(0x80850001u), NoHelpText());
    }

    void everyWindowHasItsTopic()
    {
        QStringList titles;
        for (unsigned templateNumber : kHelpTopicTemplates) {
            QString error;
            const QString html = HelpTopicHtml(HelpTopicId(templateNumber), &error);
            QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(QString::number(templateNumber) + error));
            titles << html.section(QStringLiteral("<title>"), 1).section(QStringLiteral("</title>"), 0, 0);
        }
        QCOMPARE(titles.size(), 11);
        QVERIFY(titles.contains(QStringLiteral("Analiza przepływu")));
        QVERIFY(titles.contains(QStringLiteral("Przeliczanie Kv")));
        QVERIFY(!HelpTopicHtml(0).isEmpty());
        QString error;
        QVERIFY(HelpTopicHtml(HelpTopicId(138), &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void popupShowsTheTextAtThePoint()
    {
        ShowHelpPopup(nullptr, PrzeplywIds::IDC_KV, QPoint(100, 100));
        QWidget* popup = VisiblePopupOfClass("QWhatsThat");
        QVERIFY(popup);
        popup->close();
    }

    void helpWindowOpensAtTheTopic()
    {
        MessageLog messages;
        OpenHelpTopic(nullptr, HelpTopicId(134));
        CHelpWindow* window = CHelpWindow::Instance();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->CurrentTopic(), QStringLiteral("/t134.htm"));
        QCOMPARE(window->Browser()->documentTitle(), QStringLiteral("Analiza energii"));
        QVERIFY(window->windowTitle().contains(QStringLiteral("Analiza energii")));
        // Links between topics are followed inside the help file.
        window->Browser()->setSource(QUrl(QStringLiteral("t135.htm")));
        QCOMPARE(window->Browser()->documentTitle(), QStringLiteral("Różnica strumieni masy"));
        window->Browser()->backward();
        QCOMPARE(window->CurrentTopic(), QStringLiteral("/t134.htm"));
        // The contents, and the same window again.
        ShowHelpWindow(nullptr, 0);
        QCOMPARE(CHelpWindow::Instance(), window);
        QCOMPARE(window->CurrentTopic(), QStringLiteral("/index.htm"));
        QVERIFY(messages.texts.isEmpty());
        // A context id without a topic: a message, the window stays as it was.
        ShowHelpWindow(nullptr, HelpTopicId(128));
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(window->CurrentTopic(), QStringLiteral("/index.htm"));
    }

    void helpWindowWorksBesideAModalDialog()
    {
        // Clicks reach the help window while a modal dialog is open, as
        // they do not reach other windows.
        QPushButton other(QStringLiteral("x"));
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QDialog modal;
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&modal));
        QSignalSpy otherClicked(&other, &QPushButton::clicked);
        // Through the window system, where modality is applied.
        QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(otherClicked.count(), 0);

        ShowHelpWindow(&modal, HelpTopicId(133));
        CHelpWindow* window = CHelpWindow::Instance();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->isWindow());
        QPushButton* close = nullptr;
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("&Zamknij"))
                close = b;
        QVERIFY(close);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, close->mapTo(window, close->rect().center()));
        QVERIFY(!window->isVisible());
        window->setParent(nullptr, window->windowFlags());
    }

    void sheetAndPomocButtonsAskForTheirTopic()
    {
        std::vector<HelpTopicRequest> requests;
        SetHelpTopicHook([&requests](const HelpTopicRequest& r) { requests.push_back(r); });
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        sheet.ShowHelpTopic(0x20086);
        QCOMPARE(requests.size(), size_t(1));
        QCOMPARE(requests[0].contextId, 0x20086u);
        QCOMPARE(requests[0].window.data(), &sheet);
    }

    void missingOrDamagedHelpFileIsReportedByName()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("brak/zentaro.chm"));
        QFile original(qEnvironmentVariable("ZENTARO_HELP_DIR") + QStringLiteral("/zentaro.chm"));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray whole = original.readAll();

        const QString garbage = dir.filePath(QStringLiteral("śmieci.chm"));
        const QString truncated = dir.filePath(QStringLiteral("ucięty.chm"));
        const QString empty = dir.filePath(QStringLiteral("pusty.chm"));
        QFile g(garbage), t(truncated), e(empty);
        QVERIFY(g.open(QIODevice::WriteOnly) && g.write(QByteArray(5000, 'x')) == 5000);
        QVERIFY(t.open(QIODevice::WriteOnly) && t.write(whole.left(whole.size() / 3)) > 0);
        QVERIFY(e.open(QIODevice::WriteOnly));
        g.close();
        t.close();
        e.close();

        for (const QString& path : {missing, garbage, truncated, empty, dir.path()}) {
            SetHelpFilePath(path);
            const QString popup = HelpPopupText(HelpIdOf(PrzeplywIds::IDC_KV));
            QVERIFY2(popup.contains(path), qPrintable(popup));
            QVERIFY(popup.startsWith(QStringLiteral("Nie można otworzyć pliku pomocy")));
            MessageLog messages;
            ShowHelpWindow(nullptr, HelpTopicId(133));
            QCOMPARE(messages.texts.size(), 1);
            QVERIFY2(messages.texts[0].contains(path), qPrintable(messages.texts[0]));
        }
        // Back to the real file: read again.
        SetHelpFilePath(QString());
        QVERIFY(HelpPopupText(HelpIdOf(PrzeplywIds::IDC_KV)).contains(QStringLiteral("Kv")));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
