#pragma once
#include <QWidget>

class TForm12 : public QWidget {
    Q_OBJECT
public:
    TForm12();
    void FormCreate();
};

extern TForm12 *Form12;
