#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

// The plain controls of the layouts. Pictures and labels carry a tag (their
// position on a tile or page) and report clicks and double clicks, so the
// screens can route them to one handler per kind of element.

// A picture control: draws its picture at (0,0), or stretched over the
// whole control. See-through pixels of the picture show what lies beneath.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    QImage picture() const { return _picture; }
    void setPicture(const QImage& picture);
    bool stretch() const { return _stretch; }
    void setStretch(bool stretch);
    int tag() const { return _tag; }
    void setTag(int tag) { _tag = tag; }

signals:
    void clicked(TImage* sender);
    void doubleClicked(TImage* sender);
    // The left button went down; the main window drags itself from here.
    void leftPressed(TImage* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage _picture;
    bool _stretch = false;
    bool _pressed = false;
    int _tag = 0;
};

// A text label with a tag and click signals; transparent unless given a colour.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);
    TLabel(const QString& text, QWidget* parent);

    int tag() const { return _tag; }
    void setTag(int tag) { _tag = tag; }
    // The text colour (red + 256 * green + 65536 * blue).
    void setFontColor(std::uint32_t colour);

signals:
    void clicked(TLabel* sender);
    void doubleClicked(TLabel* sender);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool _pressed = false;
    int _tag = 0;
};

// A panel: a plain container, filled with its colour unless it has none.
// RoundButtons gives the panels of a form their rounded corners.
class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

    // An invalid colour (the default) leaves the panel unpainted.
    void setColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor _colour;
};

// A control placed as the layouts give it: left, top, width, height.
template <typename Control> Control* place(Control* control, int left, int top, int width, int height)
{
    control->setGeometry(left, top, width, height);
    return control;
}
