#pragma once
// "Полезный совет": fifteen tips from "tips.cal", stepped back and forth,
// with a counter such as «7/15» in the caption.
#include <QDialog>
#include <QString>
#include <vector>

class QPlainTextEdit;
class QPushButton;

class TipsWindow : public QDialog {
    Q_OBJECT
public:
    TipsWindow();
    void FormCreate();
    void FormShow();
    void Button1Click(); // previous
    void Button2Click(); // next

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    // Tips 1..15 at their own indexes; every other entry stays empty.
    std::vector<QString> TipLines;
    int TipIndex = 0;
    QString TipCaptionBase = QStringLiteral("Полезный совет");

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showTip();
};

extern TipsWindow *Form13;

// The tips file: "tips.cal" in the current folder, else beside the program.
QString tipsFilePath();
