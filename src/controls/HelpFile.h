// The compiled help file beside the executable: popup texts by help id and
// topics by context id, and the help window that shows the topics.
#pragma once

#include <QDialog>
#include <QString>
#include <QTextBrowser>

class QPushButton;

// Where the help file is: the path handed in with SetHelpFilePath (the
// application hands in its own at start-up); without one (an empty path),
// $ZENTARO_HELP_DIR/zentaro.chm when that variable is set (tests), else the
// executable's name with the extension chm.
QString HelpFilePath();
void SetHelpFilePath(const QString& path);

// The popup text of a help id. An id the file lacks gives a short "no help
// for this item" text; a file that cannot be read gives a message naming it.
QString HelpPopupText(unsigned helpId);
QString NoHelpText();

// The HTML of a topic by context id (0: the contents). Empty when the file
// or the topic cannot be read; error then says why, in Polish.
QString HelpTopicHtml(unsigned contextId, QString* error = nullptr);

// Opens the help window at the topic of a context id. A help file that
// cannot be read or a context id without a topic gives a message box
// instead.
void ShowHelpWindow(QWidget* parent, unsigned contextId);

// Shows topics from the help file; links between topics work inside it.
class CHelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;
};

// The one help window: not modal, shared by every window that asks.
class CHelpWindow : public QDialog {
    Q_OBJECT
public:
    // The help window, created on first use; null until then.
    static CHelpWindow* Instance();
    static CHelpWindow* Ensure();

    // Shows the topic of a context id; false (nothing shown) when the help
    // file has no such topic or cannot be read.
    bool ShowTopic(unsigned contextId, QString* error = nullptr);
    // Topic file shown ("/t133.htm").
    QString CurrentTopic() const;
    CHelpBrowser* Browser() const { return m_browser; }

private:
    CHelpWindow();

    CHelpBrowser* m_browser;
    QPushButton* m_back;
    QPushButton* m_forward;
};
