#pragma once

#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>

class QLabel;
class TGradBtn;

// What one `Meld` call asked, and how the dialog stood while it asked.
struct MeldQuestion {
    QString M1;
    QString M2;
    QString B1;
    QString B2;
    bool label1Visible = false;
    bool label2Visible = false;
    bool btn1Visible = false;
    bool btn2Visible = false;
    int btn1Left = 0;
    int btn2Left = 0;
};

// The message dialog: two centred lines and up to two buttons on a
// borderless, rounded 480 x 360 window, shown modally for one question.
// Callers create it, call `Meld`, and free it (`ask` does all three).
//
// Test seam: answers queued with `setNextAnswer` are taken by the next `Meld`
// calls instead of showing the dialog; `askedQuestions` lists what the recent
// calls asked (queued or shown), `clearSeam` empties both.
class TfrmMeld : public QDialog {
    Q_OBJECT
public:
    // `mainWindow`: the window the dialog is centred over (the screen when none).
    explicit TfrmMeld(QWidget* mainWindow = nullptr);
    ~TfrmMeld() override;

    // Shows M1 and M2 as the two lines and B1 and B2 on the two buttons; an empty
    // text hides its line or button, and a lone button sits in the centre.
    // Returns 1 for the first button, 2 for the second or any other way of closing.
    int Meld(const QString& M1, const QString& M2, const QString& B1, const QString& B2);

    // Creates a dialog, asks one question and frees it.
    static int ask(QWidget* mainWindow, const QString& M1, const QString& M2, const QString& B1, const QString& B2);

    // Whether a message dialog exists; the device link ignores device changes meanwhile.
    static bool isOpen();

    static void setNextAnswer(int answer);
    static QList<MeldQuestion> askedQuestions();
    static void clearSeam();

    QLabel* label1() const { return Label1; }
    QLabel* label2() const { return Label2; }
    TGradBtn* button1() const { return btn1; }
    TGradBtn* button2() const { return btn2; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void centreOverMainWindow();
    MeldQuestion currentQuestion(const QString& M1, const QString& M2, const QString& B1, const QString& B2) const;

    QImage _background;
    QLabel* Label1;
    QLabel* Label2;
    TGradBtn* btn1;
    TGradBtn* btn2;
};
