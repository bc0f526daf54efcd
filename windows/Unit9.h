#pragma once
// The opacity window of the minimised view: a vertical slider 0..255.
#include <QString>
#include <QWidget>

class QLabel;
class QSlider;

class TForm9 : public QWidget {
    Q_OBJECT
public:
    TForm9();
    void FormCreate();
    void TrackBar1Change();

    QSlider *TrackBar1 = nullptr;
    QLabel *Label1 = nullptr; // "+"
    QLabel *Label2 = nullptr; // "-"
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr; // the opacity in percent
    QLabel *Label5 = nullptr;
};

extern TForm9 *Form9;

// Opacity 0..255 as a whole percentage, remainder dropped: 254 -> «99 %».
QString opacityPercentText(int position);
