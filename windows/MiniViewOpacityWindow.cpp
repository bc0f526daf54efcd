#include "MiniViewOpacityWindow.h"

#include "Handler.h"
#include "MiniView.h"
#include "Widgets.h"

#include <QLabel>
#include <QSlider>

MiniViewOpacityWindow *Form9 = nullptr;

QString opacityPercentText(int position)
{
    return QString::number(position * 100 / 255) + QStringLiteral(" %");
}

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int pixelSize,
              StoredColour colour)
{
    QLabel *l = placeLabel(parent, name, text, x, y, pixelSize);
    setFontColour(l, colour);
    return l;
}

} // namespace

MiniViewOpacityWindow::MiniViewOpacityWindow()
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QString());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    // 145 x 221 with its frame and caption bar.
    setFixedSize(137, 194);

    TrackBar1 = place(new QSlider(Qt::Vertical, this), 0, 16, 45, 161);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setAccessibleName(QStringLiteral("Непрозрачность"));
    TrackBar1->setRange(0, 255);
    TrackBar1->setValue(255);
    TrackBar1->setPageStep(22);
    TrackBar1->setTickInterval(25);
    TrackBar1->setTickPosition(QSlider::TicksRight);

    Label1 = label(this, "Label1", QStringLiteral("+"), 44, 8, 21, clBlack);
    Label2 = label(this, "Label2", QStringLiteral("-"), 46, 152, 21, clBlack);
    Label5 = label(this, "Label5", QStringLiteral("Непрозрачность"), 44, 72, 10, clBlack);
    Label4 = label(this, "Label4", QStringLiteral("100 %"), 56, 92, 21, clLime);
    Label4->setFixedWidth(76); // room for «100 %» whatever the value
    Label3 = label(this, "Label3", QStringLiteral("Только в Win 200, XP"), 4, 178, 9, clRed);

    bindHandler(TrackBar1, &QSlider::valueChanged, this, &MiniViewOpacityWindow::TrackBar1Change);
}

void MiniViewOpacityWindow::FormCreate() {}

void MiniViewOpacityWindow::TrackBar1Change()
{
    const int position = TrackBar1->value();
    // Moving the slider always takes effect, even when blending was off.
    Form3->Blending.setEnabled(true);
    Form3->Blending.setValue(position);
    Label4->setText(opacityPercentText(position));
}
