#include "HintWindow.h"

#include "LoadSave.h"
#include "StoreLock.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace {

// The pause before a hint shows is the style's.
class HintTimingStyle final : public QProxyStyle {
public:
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return TMyHintWindow::hintPauseMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

bool hintsWanted()
{
    TLoadSave* store = TLoadSave::existing();
    if (!store)
        return true;
    const StoreReadLock lock(storeMutex());
    return store->Environment.showHints;
}

} // namespace

void TMyHintWindow::install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QApplication::setStyle(new HintTimingStyle);
    QPalette colours = QToolTip::palette();
    colours.setColor(QPalette::ToolTipBase, QColor(255, 255, 0));
    colours.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(colours);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    QToolTip::setFont(font);
    qApp->installEventFilter(new TMyHintWindow(qApp));
}

bool TMyHintWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    if (!hintsWanted() || widget->toolTip().isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, hintHidePauseMs);
    return true;
}
