#include "CubeSheet.h"

#include "Printing.h"
#include "MainWindow.h"

#include <QCheckBox>
#include <QLabel>

CubeSheet *Form11 = nullptr;

namespace {

// One month of a face: its grid, name label and icon.
struct MonthPlace {
    int gridX, gridY, gridHeight;
    int labelNumber, labelX, labelY;
    const char *name;
    int iconX, iconY;
};

const MonthPlace kMonths[12] = {
    {296, 48, 97, 5, 258, 64, "Январь", 256, 88},
    {248, 144, 97, 6, 392, 168, "Февраль", 400, 192},
    {248, 244, 97, 7, 400, 272, "Март", 400, 288},
    {296, 336, 97, 8, 256, 360, "Апрель", 256, 392},
    {440, 240, 97, 9, 592, 272, "Май", 592, 296},
    {488, 336, 97, 10, 448, 392, "Июнь", 448, 344},
    {632, 240, 96, 11, 784, 256, "Июль", 784, 280},
    {680, 336, 96, 12, 640, 368, "Август", 640, 392},
    {56, 240, 97, 13, 200, 264, "Сентябрь", 208, 288},
    {104, 332, 97, 15, 58, 344, "Октябрь", 64, 368},
    {296, 436, 93, 14, 250, 456, "Ноябрь", 256, 480},
    {248, 528, 93, 16, 392, 552, "Декабрь", 400, 584},
};

// A frame of the net: cell (column, row) on the 192-pixel grid.
struct Cell {
    int bevel, column, row;
    Bevel::Style style;
};

const Cell kCells[12] = {
    {6, 1, 0, Bevel::Lowered},  {5, 0, 1, Bevel::Lowered}, {4, 1, 1, Bevel::Raised},
    {2, 2, 1, Bevel::Lowered},  {3, 3, 1, Bevel::Lowered}, {1, 1, 2, Bevel::Lowered},
    {14, 0, 0, Bevel::Raised},  {12, 2, 0, Bevel::Raised}, {13, 3, 0, Bevel::Raised},
    {17, 0, 2, Bevel::Lowered}, {15, 2, 2, Bevel::Raised}, {16, 3, 2, Bevel::Raised},
};

struct Place {
    int number, x, y;
};

const Place kGlueLabels[7] = {{1, 840, 320},  {2, 128, 144},  {3, 520, 144}, {4, 712, 144},
                              {17, 136, 504}, {18, 584, 592}, {19, 712, 520}};

const Place kCutMarks[6] = {{1, 624, 128}, {2, 224, 72},  {3, 224, 584},
                            {4, 624, 504}, {5, 448, 592}, {6, 448, 72}};

} // namespace

QString cubeInstruction()
{
    return QStringLiteral("Инструкция: вырезать по контуру,\n"
                          "сделать надрез по линиям\n"
                          " на которых(или рядом) стоит\n"
                          " квадрат с галочкой.\n"
                          " В местах, где написано \"клей\"\n"
                          " надо нанести клей.");
}

CubeSheet::CubeSheet()
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Form11"));
    setFont(printedWindowFont(11));
    setWindowColour(this, clWhite);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    // Beneath everything else.
    Image13 = place(new ImageView(this), 48, 48, 777, 577);
    Image13->setObjectName(QStringLiteral("Image13"));
    Image13->setTransparent(true);
    createNet();
    createMonths();
    createMarks();
    // The window takes the size of its content.
    const QRect content = childrenRect();
    setFixedSize(content.right() + 1, content.bottom() + 1);
}

void CubeSheet::createNet()
{
    for (const Cell &cell : kCells) {
        auto *frame = new Bevel(this, Bevel::Box, cell.style);
        frame->setGeometry(56 + 192 * cell.column, 48 + 192 * cell.row, 193,
                           cell.bevel == 12 ? 194 : 193);
        m_bevels[cell.bevel - 1] = frame;
    }
    m_bevels[10] = place(new Bevel(this, Bevel::Box, Bevel::Raised), 824, 240, 50, 193);
    m_bevels[6] = place(new Bevel(this, Bevel::TopLine, Bevel::Lowered), 248, 0, 193, 1);
    m_bevels[7] = place(new Bevel(this, Bevel::LeftLine, Bevel::Lowered), 0, 232, 50, 9);
    m_bevels[8] = place(new Bevel(this, Bevel::TopLine, Bevel::Lowered), 248, 688, 17, 1);
    m_bevels[9] = place(new Bevel(this, Bevel::Box, Bevel::Lowered), 248, 816, 193, 50);
    for (int k = 0; k < 17; ++k)
        m_bevels[k]->setObjectName(QStringLiteral("Bevel%1").arg(k + 1));
}

void CubeSheet::createMonths()
{
    auto makeLabel = [this](int number, const QString &text, int x, int y) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("Label%1").arg(number));
        label->setAccessibleName(text);
        // Opaque: the window colour behind the text.
        label->setAutoFillBackground(true);
        label->move(x, y);
        label->adjustSize();
        if (number <= 12)
            m_labels[number - 1] = label;
        else
            m_otherLabels[number - 13] = label;
        return label;
    };
    for (const Place &glue : kGlueLabels)
        makeLabel(glue.number, QStringLiteral("Клей"), glue.x, glue.y);
    for (int k = 0; k < 12; ++k) {
        const MonthPlace &m = kMonths[k];
        const QString name = QString::fromUtf8(m.name);
        auto *grid = place(new MonthGrid(this), m.gridX, m.gridY, 145, m.gridHeight);
        grid->setObjectName(QStringLiteral("Calendar%1").arg(k + 1));
        grid->setAccessibleName(name);
        grid->setStartOfWeek(1);
        m_calendars[k] = grid;
        makeLabel(m.labelNumber, name, m.labelX, m.labelY);
        m_images[k] =
            place(new ImageView(this), m.iconX, m.iconY, k == 11 ? 33 : 32, k == 11 ? 33 : 32);
        m_images[k]->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        m_images[k]->setStretch(false);
    }
    m_calendars[0]->setFont(printedWindowFont(7));
    // January's name stands right-aligned in a box of its own width.
    QLabel *january = label(5);
    january->setAlignment(Qt::AlignRight | Qt::AlignTop);
    january->resize(38, january->height());
    label(13)->setAutoFillBackground(false);

    Label20 = makeLabel(20, QString(), 448, 456);
    Label20->setAccessibleName(QStringLiteral("Инструкция"));
}

void CubeSheet::createMarks()
{
    for (const Place &mark : kCutMarks) {
        auto *box = place(new QCheckBox(this), mark.x, mark.y, 17, 17);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(mark.number));
        box->setAccessibleName(QStringLiteral("Линия надреза"));
        box->setChecked(true);
        m_checkBoxes[mark.number - 1] = box;
    }
}

QLabel *CubeSheet::label(int number) const
{
    return number <= 12 ? m_labels.at(number - 1) : m_otherLabels.at(number - 13);
}

void CubeSheet::FormCreate()
{
    Label20->setText(cubeInstruction());
    Label20->adjustSize();
    for (int k = 0; k < 12; ++k) {
        m_images[k]->setPicture(Form1->Images[k]->picture());
        m_calendars[k]->setDate(Form1->calendars()[k]->date());
    }
}
