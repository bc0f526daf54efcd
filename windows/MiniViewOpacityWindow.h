#pragma once
// The opacity window of the minimised view: a vertical slider 0..255.
#include <QString>
#include <QWidget>

class QLabel;
class QSlider;

class MiniViewOpacityWindow : public QWidget {
    Q_OBJECT
public:
    MiniViewOpacityWindow();
    void FormCreate();
    void TrackBar1Change();

    QSlider *TrackBar1 = nullptr;
    QLabel *Label1 = nullptr; // "+"
    QLabel *Label2 = nullptr; // "-"
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr; // the opacity in percent
    QLabel *Label5 = nullptr;
};

extern MiniViewOpacityWindow *Form9;

// Opacity 0..255 as a whole percentage, remainder dropped: 254 -> «99 %».
QString opacityPercentText(int position);
