#pragma once

#include <QWidget>

class IAnalysisHost;

class CPowietrzePage : public QWidget {
    Q_OBJECT
public:
    explicit CPowietrzePage(IAnalysisHost* host, QWidget* parent = nullptr);

protected:
    IAnalysisHost* m_host;
};
