#include "first_frame.h"

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QTimer>
#include <QWidget>

namespace
{

class FirstFrame : public QObject
{
public:
    FirstFrame()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                waiting.insert(w);
        qApp->installEventFilter(this);
        // A window that is never painted must not hang the runner.
        QTimer::singleShot(20000, this, [] { QCoreApplication::exit(3); });
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        // Any paint inside a window counts: the whole window is painted in the same pass.
        if (event->type() == QEvent::Paint && object->isWidgetType() && !waiting.isEmpty()) {
            waiting.remove(static_cast<QWidget *>(object)->window());
            if (waiting.isEmpty())
                QTimer::singleShot(0, this, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QSet<QWidget *> waiting;
};

} // namespace

void quitAfterFirstFrame()
{
    new FirstFrame;
}
