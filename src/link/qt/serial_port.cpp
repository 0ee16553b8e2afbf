#include "link/qt/serial_port.h"

#include "link/fd_port.h"
#include "link/messages.h"

#include <unistd.h>

#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>

namespace kestrova {

namespace {

// Reads go through QSerialPort on the window's thread. Writes may come from
// the frame clock's thread, so they go straight to the descriptor under a
// mutex that closing also takes: QSerialPort itself never writes.
class SerialPort : public Port {
public:
    SerialPort(std::unique_ptr<QSerialPort> port, std::string device)
        : port_(std::move(port)), device_(std::move(device)) {
        // Errors repeat endlessly on a dead line: the first one closes the port.
        // Qt's text for it is often a stale or unknown one: the line says why.
        QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(), [this](QSerialPort::SerialPortError e) {
            if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError) return;
            const int fd = port_->isOpen() ? static_cast<int>(port_->handle()) : -1;
            lose(line_failure(fd, port_->errorString().toStdString()));
        });
    }
    ~SerialPort() override {
        std::lock_guard lock(mutex_);
        if (port_->isOpen()) port_->close();
    }

    std::string device() const override { return device_; }

    Result<Written> write(std::span<const std::uint8_t> bytes) override {
        std::lock_guard lock(mutex_);
        if (lost_.load() || !port_->isOpen()) return kestrova::fail(error_);
        Result<Written> w = write_whole(static_cast<int>(port_->handle()), bytes, unsent_);
        if (!w) {
            // Closing belongs to the window's thread; it sees `lost` on its next step.
            error_ = w.error();
            lost_.store(true);
        }
        return w;
    }

    std::vector<std::uint8_t> read_all() override {
        if (lost_.load()) {
            close_once();
            return {};
        }
        const QByteArray data = port_->readAll();
        return {data.begin(), data.end()};
    }
    std::size_t bytes_waiting() const override {
        return lost_.load() ? 0 : static_cast<std::size_t>(std::max<qint64>(0, port_->bytesAvailable()));
    }
    void clear_input() override {
        if (!lost_.load()) port_->clear(QSerialPort::Input);
    }
    bool lost() const override { return lost_.load(); }
    std::string error() const override {
        std::lock_guard lock(mutex_);
        return error_;
    }

private:
    void lose(const std::string& why) {
        {
            std::lock_guard lock(mutex_);
            if (!lost_.load()) error_ = why;
            lost_.store(true);
        }
        close_once();
    }
    void close_once() {
        std::lock_guard lock(mutex_);
        if (port_->isOpen()) port_->close();
    }

    std::unique_ptr<QSerialPort> port_;
    std::string device_;
    mutable std::mutex mutex_;
    std::atomic<bool> lost_{false};
    std::string error_;
    std::vector<std::uint8_t> unsent_;  // the rest of a message the line took only in part
};

class SerialPortOpener : public PortOpener {
public:
    Result<std::unique_ptr<Port>> open(const std::string& device) override {
        auto port = std::make_unique<QSerialPort>();
        port->setPortName(QString::fromStdString(device));
        if (!port->open(QIODevice::ReadWrite)) {
            // Qt says "permission error" both for a device this user may not
            // open and for one whose lock another program holds; a device the
            // user may read and write is held by someone else.
            if (port->error() == QSerialPort::PermissionError && ::access(device.c_str(), R_OK | W_OK) == 0)
                return fail(link_text::port_in_use(device));
            return fail(port->errorString().toStdString());
        }
        const bool ok = port->setBaudRate(QSerialPort::Baud115200) && port->setDataBits(QSerialPort::Data8) &&
                        port->setParity(QSerialPort::NoParity) && port->setStopBits(QSerialPort::OneStop) &&
                        port->setFlowControl(QSerialPort::NoFlowControl);
        if (!ok) {
            std::string why = port->errorString().toStdString();
            port->close();
            return fail(std::move(why));
        }
        return std::unique_ptr<Port>(std::make_unique<SerialPort>(std::move(port), device));
    }

    std::vector<std::string> list() const override {
        std::vector<std::string> out;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            out.push_back(info.systemLocation().toStdString());
        std::sort(out.begin(), out.end());
        return out;
    }
};

}  // namespace

std::unique_ptr<PortOpener> make_serial_port_opener() { return std::make_unique<SerialPortOpener>(); }

}  // namespace kestrova
