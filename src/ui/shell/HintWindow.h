#pragma once

#include <QObject>

// The program's hints: yellow, Arial 10 pt, shown after the pointer rests
// 1000 ms and hidden after 3000 ms, and only while the user's setting
// (`showHints`) asks for them. Installed once on the application.
class TMyHintWindow : public QObject {
    Q_OBJECT
public:
    static constexpr int hintPauseMs = 1000;
    static constexpr int hintHidePauseMs = 3000;

    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
