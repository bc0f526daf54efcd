#pragma once
#include <QWidget>

class TForm8 : public QWidget {
    Q_OBJECT
public:
    TForm8();
    void FormCreate();
};

extern TForm8 *Form8;
