#pragma once
#include <QWidget>

class TForm19 : public QWidget {
    Q_OBJECT
public:
    TForm19();
    void FormCreate();
};

extern TForm19 *Form19;
