#pragma once
#include <QWidget>

class TForm10 : public QWidget {
    Q_OBJECT
public:
    TForm10();
    void FormCreate();
};

extern TForm10 *Form10;
