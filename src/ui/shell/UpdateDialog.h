#pragma once

#include "UpdateFlash.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

class QLabel;
class TGradBtn;
class TGauge;

// The firmware-update dialog: two status lines, the progress gauge and OK on
// a borderless, rounded 480 x 360 window. Shown modally, it runs the update
// once when it first appears; OK becomes enabled when the device is back
// with the current firmware (or the update failed, or the device stayed
// away for `reconnectTimeoutMs`).
class TfrmUpdate : public QDialog, public UpdateView {
    Q_OBJECT
public:
    static constexpr int reconnectTimeoutMs = 60000;

    explicit TfrmUpdate(QWidget* parent = nullptr);
    // With an image of the caller's (tests).
    TfrmUpdate(QWidget* parent, QStringList hexLines);
    ~TfrmUpdate() override;

    // The dialog that is open, if any: the presence check tells it the device is back.
    static TfrmUpdate* openDialog();

    // The presence check found the device with the current firmware.
    void deviceReturned();

    TUpdateFlash& engine() { return _engine; }
    QLabel* label1() const { return Label1; }
    QLabel* label2() const { return Label2; }
    TGauge* gauge() const { return Gauge1; }
    TGradBtn* quitButton() const { return btnQuit; }

    // UpdateView
    void setCaption(const QString& text) override;
    void setLabel1(const QString& text) override;
    void setLabel2(const QString& text) override;
    void showGauge(bool visible) override;
    void setGaugeMax(int maximum) override;
    void setGaugeProgress(int progress) override;
    void enableQuit(bool enabled) override;
    void errorBox(const QString& text) override;
    void repaint() override;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override { } // no way out but OK

private:
    void build();
    void FormActivate();
    void quitClick();

    TUpdateFlash _engine;
    QImage _background;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TGauge* Gauge1 = nullptr;
    TGradBtn* btnQuit = nullptr;
    QTimer _reconnectTimer;
};

// The progress bar of the update: a frame with a bar of its colour.
class TGauge : public QWidget {
    Q_OBJECT
public:
    explicit TGauge(QWidget* parent = nullptr);

    int maxValue() const { return _max; }
    void setMaxValue(int maximum);
    int progress() const { return _progress; }
    // Holds at the maximum.
    void setProgress(int progress);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int _max = 100;
    int _progress = 0;
};
