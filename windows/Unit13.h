#pragma once
#include <QWidget>

class TForm13 : public QWidget {
    Q_OBJECT
public:
    TForm13();
    void FormCreate();
};

extern TForm13 *Form13;
