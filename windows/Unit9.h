#pragma once
#include <QWidget>

class TForm9 : public QWidget {
    Q_OBJECT
public:
    TForm9();
    void FormCreate();
};

extern TForm9 *Form9;
