#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

// The start-up picture: shown once, over the sheet, until its time runs out
// or the user presses a key or a mouse button anywhere in the program.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static void EnableSplash(bool enable);
    static void ShowSplash(QWidget* parent);
    // Hides a standing splash when the event is a key or mouse press; true
    // means the event was taken and must do nothing else.
    static bool FilterSplashMessage(QEvent* event);

    static CSplashWnd* Current();
    // How long the picture stays up, in milliseconds (3000).
    static void SetDuration(int milliseconds);
    // The picture to show; a path that does not load skips the splash.
    static void SetPicturePath(const QString& path);
    // "Wersja" and the program's version, drawn over the picture.
    static QString VersionLine();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    CSplashWnd(QWidget* parent, const QPixmap& picture);
    ~CSplashWnd() override;
    void HideSplashWindow();

    QPixmap m_bitmap;
    QString m_picturePath;
    QWidget* m_owner;
    bool m_painted = false;
    int m_timerId = 0;
};
