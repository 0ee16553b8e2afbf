#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace kestrova {

// Calls `tick` every 40 ms on the calling thread.
class FrameClock : public QObject {
    Q_OBJECT
public:
    FrameClock(std::function<void()> tick, QObject* parent = nullptr);
    void start();
    void stop();

private:
    std::function<void()> tick_;
    QTimer timer_;
};

}  // namespace kestrova
