#include "platform/activation.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace quillory {
namespace {

// Follows which window of the program was active last, for every window that wants to know
// where the user came from.
class ActivationWatch : public QObject {
public:
    static ActivationWatch& Instance() {
        static auto* watch = new ActivationWatch(qApp);
        return *watch;
    }

    void Watch(QWidget& window, std::function<void()> step) {
        auto* filter = new StepFilter(this, std::move(step));
        filter->setParent(&window);
        window.installEventFilter(filter);
    }

private:
    class StepFilter : public QObject {
    public:
        StepFilter(ActivationWatch* watch, std::function<void()> step)
            : watch_(watch), step_(std::move(step)) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::WindowActivate && watched->isWidgetType() &&
                watch_->CameFromOtherWindow(*static_cast<QWidget*>(watched))) {
                step_();
            }
            return false;
        }

    private:
        ActivationWatch* watch_;
        std::function<void()> step_;
    };

    explicit ActivationWatch(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationDeactivate) {
            last_ = nullptr;
            previous_ = nullptr;
        } else if (event->type() == QEvent::WindowActivate && watched->isWidgetType() &&
                   static_cast<QWidget*>(watched)->isWindow()) {
            // The same window again came back from something that is no window of the
            // program's widgets (a native file dialog): it came from itself.
            previous_ = last_;
            previousModal_ = lastModal_;
            last_ = static_cast<QWidget*>(watched);
            // Taken now: a box opened with open() is modal only until it closes.
            lastModal_ = last_->isModal();
        }
        return false;
    }

    // The window before this one was another window of the program, not a box it owns.
    bool CameFromOtherWindow(QWidget& window) const {
        if (!previous_ || previous_ == &window || last_ != &window) {
            return false;
        }
        const QWidget* owner = previous_->parentWidget();
        return !owner || owner->window() != &window || !previousModal_;
    }

    QPointer<QWidget> last_;
    QPointer<QWidget> previous_;
    bool lastModal_ = false;
    bool previousModal_ = false;
};

}  // namespace

void OnActivationFromOurWindow(QWidget& window, std::function<void()> step) {
    ActivationWatch::Instance().Watch(window, std::move(step));
}

}  // namespace quillory
