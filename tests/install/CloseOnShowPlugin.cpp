// A Qt generic plugin that lets the installed-program test close the
// unchanged program headless: loaded through QT_QPA_GENERIC_PLUGINS, it asks
// the first window that is shown to close, as the window system does when a
// user clicks the title bar's close button.
#include <QGenericPlugin>
#include <QGuiApplication>
#include <QWindow>

namespace {

class CCloseOnShow : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Show && window != nullptr && window->isTopLevel()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so that the close comes once the program waits for its user.
            QMetaObject::invokeMethod(
                window, [window] { window->close(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

class CCloseOnShowPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "CloseOnShowPlugin.json")

public:
    // The application owns and deletes what its generic plugins create.
    QObject* create(const QString&, const QString&) override {
        auto* closer = new CCloseOnShow;
        QCoreApplication::instance()->installEventFilter(closer);
        return closer;
    }
};

#include "CloseOnShowPlugin.moc"
