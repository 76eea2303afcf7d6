#include "Melding.h"

#include "Artwork.h"
#include "GradBtn.h"
#include "Outline.h"
#include "Rounding.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QRegion>
#include <QScreen>

#include <atomic>
#include <cmath>
#include <deque>

namespace {

constexpr int dialogWidth = 480;
constexpr int dialogHeight = 360;
constexpr int cornerSize = 20;
// Keep the record of questions short: it is there for tests, not history.
constexpr qsizetype maxAskedQuestions = 64;

std::atomic<int> openDialogs {0};
std::deque<int> nextAnswers;
QList<MeldQuestion> asked;

QLabel* makeLine(QWidget* parent, int top)
{
    auto* line = new QLabel(parent);
    line->setGeometry(30, top, 420, 24);
    line->setAlignment(Qt::AlignCenter);
    line->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(21);
    line->setFont(font);
    QPalette colours = line->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    line->setPalette(colours);
    return line;
}

TGradBtn* makeButton(QWidget* parent, int left, int top)
{
    TGradBtn* button = makeStandardButton(parent, left, top, 130, 40);
    button->setMask(roundedOutline(button->size(), cornerSize));
    return button;
}

} // namespace

TfrmMeld::TfrmMeld(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::FramelessWindowHint)
    , _background(artwork(QStringLiteral("shell/dialog")))
{
    ++openDialogs;
    setFixedSize(dialogWidth, dialogHeight);
    setMask(roundedOutline(size(), cornerSize));
    Label1 = makeLine(this, 80);
    Label2 = makeLine(this, 128);
    btn1 = makeButton(this, 50, 252);
    btn2 = makeButton(this, 300, 250);
    connect(btn1, &TGradBtn::clicked, this, [this] { done(1); });
    connect(btn2, &TGradBtn::clicked, this, [this] { done(2); });
}

TfrmMeld::~TfrmMeld()
{
    --openDialogs;
}

bool TfrmMeld::isOpen()
{
    return openDialogs.load() > 0;
}

void TfrmMeld::setNextAnswer(int answer)
{
    nextAnswers.push_back(answer);
}

QList<MeldQuestion> TfrmMeld::askedQuestions()
{
    return asked;
}

void TfrmMeld::clearSeam()
{
    nextAnswers.clear();
    asked.clear();
}

int TfrmMeld::ask(QWidget* mainWindow, const QString& M1, const QString& M2, const QString& B1, const QString& B2)
{
    TfrmMeld dialog(mainWindow);
    return dialog.Meld(M1, M2, B1, B2);
}

MeldQuestion TfrmMeld::currentQuestion(const QString& M1, const QString& M2, const QString& B1, const QString& B2) const
{
    MeldQuestion question;
    question.M1 = M1;
    question.M2 = M2;
    question.B1 = B1;
    question.B2 = B2;
    question.label1Visible = Label1->isVisibleTo(this);
    question.label2Visible = Label2->isVisibleTo(this);
    question.btn1Visible = btn1->isVisibleTo(this);
    question.btn2Visible = btn2->isVisibleTo(this);
    question.btn1Left = btn1->x();
    question.btn2Left = btn2->x();
    return question;
}

int TfrmMeld::Meld(const QString& M1, const QString& M2, const QString& B1, const QString& B2)
{
    const int left1 = btn1->x();
    const int left2 = btn2->x();
    if (B1.isEmpty() || B2.isEmpty()) {
        btn1->move(roundHalfEven(width() / 2.0) - roundHalfEven(btn1->width() / 2.0), btn1->y());
        btn2->move(roundHalfEven(width() / 2.0) - roundHalfEven(btn2->width() / 2.0), btn2->y());
    }
    Label1->setText(M1);
    Label2->setText(M2);
    btn1->setCaption(B1);
    btn2->setCaption(B2);
    Label1->setVisible(!M1.isEmpty());
    Label2->setVisible(!M2.isEmpty());
    btn1->setVisible(!B1.isEmpty());
    btn2->setVisible(!B2.isEmpty());

    if (asked.size() >= maxAskedQuestions)
        asked.removeFirst();
    asked.append(currentQuestion(M1, M2, B1, B2));

    int result = 2;
    if (!nextAnswers.empty()) {
        result = nextAnswers.front() == 1 ? 1 : 2;
        nextAnswers.pop_front();
    } else {
        centreOverMainWindow();
        result = exec() == 1 ? 1 : 2;
    }

    btn1->move(left1, btn1->y());
    btn2->move(left2, btn2->y());
    return result;
}

void TfrmMeld::centreOverMainWindow()
{
    QRect over;
    if (parentWidget())
        over = parentWidget()->window()->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    if (over.isValid())
        move(over.x() + (over.width() - width()) / 2, over.y() + (over.height() - height()) / 2);
}

void TfrmMeld::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, _background);
}
