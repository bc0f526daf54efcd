#pragma once
// "Перейти к...": shows an entered date in its own month grid and caption,
// leaving the main window's year as it is.
#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class MonthGrid;

class GoToDateWindow : public QDialog {
    Q_OBJECT
public:
    GoToDateWindow();
    void FormCreate();
    void BitBtn1Click();
    void FormClose();
    void FormHide();

    QLabel *Label1 = nullptr; // the entered date as text
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *ComboBox1 = nullptr; // day
    QComboBox *ComboBox2 = nullptr; // month
    QLineEdit *Edit1 = nullptr;     // year
    QPushButton *BitBtn1 = nullptr;
    MonthGrid *Calendar1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showEnteredDate();
    void resetFields();

    QString m_dayPrompt;
    QString m_monthPrompt;
};

extern GoToDateWindow *Form6;
