#pragma once
#include <QWidget>

class TForm16 : public QWidget {
    Q_OBJECT
public:
    TForm16();
    void FormCreate();
};

extern TForm16 *Form16;
