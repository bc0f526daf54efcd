#pragma once
#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2();
    void FormCreate();
};

extern TForm2 *Form2;
