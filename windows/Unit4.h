#pragma once
#include <QWidget>

class TAbout : public QWidget {
    Q_OBJECT
public:
    TAbout();
    void FormCreate();
};

extern TAbout *About;
