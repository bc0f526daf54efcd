#pragma once
#include <QWidget>

class TForm17 : public QWidget {
    Q_OBJECT
public:
    TForm17();
    void FormCreate();
};

extern TForm17 *Form17;
