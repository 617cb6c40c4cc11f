#include "controls/HelpFile.h"

#include <chm_lib.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <map>
#include <memory>
#include <optional>

#include "controls/HelpPaths.h"
#include "controls/HelpTexts.h"
#include "controls/Modal.h"

namespace {
QString& PathOverride()
{
    static QString path;
    return path;
}

// Larger objects are not ours: a damaged file is not read into memory.
constexpr LONGUINT64 kLargestObject = 16 * 1024 * 1024;

struct ChmCloser {
    void operator()(chmFile* file) const { chm_close(file); }
};

// One object of the help file, or nothing when the file or the object
// cannot be read.
std::optional<std::string> ReadObject(const QString& path, const std::string& object)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const std::unique_ptr<chmFile, ChmCloser> file(chm_open(QFile::encodeName(path).constData()));
    if (!file)
        return std::nullopt;
    chmUnitInfo info{};
    if (chm_resolve_object(file.get(), object.c_str(), &info) != CHM_RESOLVE_SUCCESS || info.length > kLargestObject)
        return std::nullopt;
    std::string data(static_cast<std::size_t>(info.length), '\0');
    if (info.length == 0)
        return data;
    const LONGINT64 read = chm_retrieve_object(file.get(), &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                                               static_cast<LONGINT64>(info.length));
    if (read != static_cast<LONGINT64>(info.length))
        return std::nullopt;
    return data;
}

QString CannotOpenText(const QString& path) { return QStringLiteral("Nie można otworzyć pliku pomocy %1.").arg(path); }

// The popup texts of the current help file, read again when the file changes.
struct PopupCache {
    QString path;
    QDateTime modified;
    qint64 size = -1;
    bool readable = false;
    std::map<std::uint32_t, std::string> texts;
};

const PopupCache& Popups()
{
    static PopupCache cache;
    const QString path = HelpFilePath();
    const QFileInfo info(path);
    if (cache.path == path && cache.modified == info.lastModified() && cache.size == info.size())
        return cache;
    cache.path = path;
    cache.modified = info.lastModified();
    cache.size = info.size();
    const std::optional<std::string> file = ReadObject(path, kPopupFileName);
    cache.readable = file.has_value();
    cache.texts = file ? ParsePopupTexts(*file) : std::map<std::uint32_t, std::string>{};
    return cache;
}
} // namespace

QString HelpFilePath()
{
    if (!PathOverride().isEmpty())
        return PathOverride();
    const QString dir = qEnvironmentVariable("ZENTARO_HELP_DIR");
    if (!dir.isEmpty())
        return QDir(dir).filePath(QStringLiteral("zentaro.chm"));
    return QString::fromStdString(HelpFilePathFor(QCoreApplication::applicationFilePath().toStdString()));
}

void SetHelpFilePath(const QString& path) { PathOverride() = path; }

QString NoHelpText() { return QStringLiteral("Brak pomocy dla tego elementu."); }

QString HelpPopupText(unsigned helpId)
{
    const PopupCache& popups = Popups();
    if (!popups.readable)
        return CannotOpenText(popups.path);
    const auto found = popups.texts.find(helpId);
    if (found == popups.texts.end() || found->second.empty())
        return NoHelpText();
    return QString::fromUtf8(found->second);
}

namespace {
QString TopicHtml(const QString& topicFile, QString* error)
{
    const QString path = HelpFilePath();
    if (const std::optional<std::string> html = ReadObject(path, topicFile.toStdString()))
        return QString::fromUtf8(*html);
    if (error)
        *error = ReadObject(path, kPopupFileName) ? QStringLiteral("Plik pomocy %1 nie zawiera tematu %2.").arg(path, topicFile)
                                                  : CannotOpenText(path);
    return {};
}
} // namespace

QString HelpTopicHtml(unsigned contextId, QString* error)
{
    const std::string topic = HelpTopicFile(contextId);
    if (topic.empty()) {
        if (error)
            *error = QStringLiteral("Brak tematu pomocy dla tego okna.");
        return {};
    }
    return TopicHtml(QString::fromStdString(topic), error);
}

void ShowHelpWindow(QWidget* parent, unsigned contextId)
{
    QString error;
    CHelpWindow* window = CHelpWindow::Ensure();
    if (!window->ShowTopic(contextId, &error)) {
        ShowMessageBox(parent, {QStringLiteral("Pomoc - Zentaro"), error, QMessageBox::Warning, QMessageBox::Ok});
        return;
    }
    // A modal dialog blocks every window but its own: the help window
    // belongs to the window that asks, so that its links, scrolling and
    // close button work while that dialog is open.
    QWidget* owner = parent ? parent->window() : nullptr;
    if (window->parentWidget() != owner)
        window->setParent(owner, window->windowFlags());
    window->show();
    window->raise();
    window->activateWindow();
}

// ---- the help window

QVariant CHelpBrowser::loadResource(int type, const QUrl& name)
{
    if (!name.scheme().isEmpty() && name.scheme() != QLatin1String("file"))
        return QTextBrowser::loadResource(type, name);
    QString object = name.path();
    if (!object.startsWith(QLatin1Char('/')))
        object.prepend(QLatin1Char('/'));
    const std::optional<std::string> data = ReadObject(HelpFilePath(), object.toStdString());
    if (!data)
        return {};
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(*data);
    return QByteArray(data->data(), static_cast<qsizetype>(data->size()));
}

namespace {
QPointer<CHelpWindow>& TheWindow()
{
    static QPointer<CHelpWindow> window;
    return window;
}
} // namespace

CHelpWindow* CHelpWindow::Instance() { return TheWindow(); }

CHelpWindow* CHelpWindow::Ensure()
{
    if (!TheWindow())
        TheWindow() = new CHelpWindow;
    return TheWindow();
}

CHelpWindow::CHelpWindow() : QDialog(nullptr), m_browser(new CHelpBrowser(this))
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Pomoc - Zentaro"));
    setModal(false);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(false);
    auto* contents = new QPushButton(QStringLiteral("&Spis treści"), this);
    m_back = new QPushButton(QStringLiteral("&Wstecz"), this);
    m_forward = new QPushButton(QStringLiteral("&Dalej"), this);
    auto* close = new QPushButton(QStringLiteral("&Zamknij"), this);
    for (QPushButton* button : {contents, m_back, m_forward, close})
        button->setAutoDefault(false);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Pomoc - Zentaro") : QStringLiteral("Pomoc - Zentaro: ") + title);
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);
    resize(640, 520);
}

bool CHelpWindow::ShowTopic(unsigned contextId, QString* error)
{
    // Read it first, so that a missing topic leaves the window as it was.
    if (HelpTopicHtml(contextId, error).isEmpty())
        return false;
    m_browser->setSource(QUrl(QString::fromStdString(HelpTopicFile(contextId))));
    return true;
}

QString CHelpWindow::CurrentTopic() const { return m_browser->source().path(); }
