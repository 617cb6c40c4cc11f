#pragma once

#include <QApplication>
#include <QString>

// The application: prepares help and the number locale, then runs the
// sheet until it closes.
class CZentaroApp : public QApplication {
    Q_OBJECT
public:
    CZentaroApp(int& argc, char** argv);

    // The whole life of the program; returns the exit code.
    int InitInstance();

    const QString& HelpFilePath() const { return m_helpFilePath; }
    const QString& HelpPopupPath() const { return m_helpPopupPath; }

private:
    QString m_helpFilePath;
    QString m_helpPopupPath;
};
