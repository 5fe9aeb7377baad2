#pragma once
// Acting on a modal dialog as a user does once it is up: the test arranges what to do, then
// gives the command that opens the dialog; the action runs inside the dialog's own event loop.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Runs `act` on the next modal dialog of type T as soon as it is shown; gives up after five
// seconds (the test then fails on what the dialog should have done).
template <class T> void WhenModalShown(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            if (++*tries > 500) {
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}
