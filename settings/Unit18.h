#pragma once
#include <QWidget>

class TForm18 : public QWidget {
    Q_OBJECT
public:
    TForm18();
    void FormCreate();
};

extern TForm18 *Form18;
