#pragma once
#include <QWidget>

class TForm6 : public QWidget {
    Q_OBJECT
public:
    TForm6();
    void FormCreate();
};

extern TForm6 *Form6;
