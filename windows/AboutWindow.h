#pragma once
// "About": a picture, the product name, authors, version and contacts;
// a click hides it.
#include "Widgets.h"

#include <QDialog>

class QLabel;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow();
    void FormCreate();
    void FormClick();
    void Image1Click();

    ImageView *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

extern AboutWindow *About;
