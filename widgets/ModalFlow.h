#pragma once

#include <QMetaObject>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

// How one window opens another over itself, written once: the opener is
// disabled while the window it opened is up, and enabled again the first
// time that window says it is done (its `closed` signal); then `afterwards`
// runs (to activate the opener, say). Nothing is run modally: the event
// loop goes on and every window keeps answering.
template <typename Window>
void disableUntilClosed(QWidget& opener, Window& window, void (Window::*closed)(),
                        std::function<void()> afterwards = {}) {
    opener.setEnabled(false);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        &window, closed, &opener,
        [&opener, connection, afterwards = std::move(afterwards)] {
            QObject::disconnect(*connection);
            opener.setEnabled(true);
            if (afterwards) {
                afterwards();
            }
        },
        Qt::DirectConnection);
}
