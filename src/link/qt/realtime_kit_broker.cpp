#include "link/qt/realtime_kit_broker.h"

#include "base/result.h"

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <algorithm>
#include <optional>

#include "link/messages.h"

namespace kestrova {

namespace {

const QString service = "org.freedesktop.RealtimeKit1";
const QString path = "/org/freedesktop/RealtimeKit1";
// An answer normally takes milliseconds; a broker that hangs must not hold up
// the start for long, and is asked only once.
constexpr int timeout_ms = 2000;

std::string why(const QDBusMessage& reply) {
    return (reply.errorName() + ": " + reply.errorMessage()).toStdString();
}

struct Call {
    std::string& silent;
    QDBusConnection bus = QDBusConnection::systemBus();

    QDBusMessage call(const QDBusMessage& m) {
        const QDBusMessage reply = bus.call(m, QDBus::Block, timeout_ms);
        if (reply.errorName() == "org.freedesktop.DBus.Error.NoReply") silent = why(reply);
        return reply;
    }

    QDBusMessage send(const QString& method, const QList<QVariant>& args) {
        QDBusMessage m = QDBusMessage::createMethodCall(service, path, service, method);
        m.setArguments(args);
        return call(m);
    }

    // A number the broker publishes, or why it could not be read.
    Result<qlonglong> property(const QString& name) {
        QDBusMessage m = QDBusMessage::createMethodCall(service, path, "org.freedesktop.DBus.Properties", "Get");
        m.setArguments({service, name});
        const QDBusMessage reply = call(m);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return fail(link_text::broker_property(name.toStdString(), why(reply)));
        bool ok = false;
        const qlonglong v = reply.arguments().front().value<QDBusVariant>().variant().toLongLong(&ok);
        if (!ok) return fail(link_text::broker_property(name.toStdString(), "not a number"));
        return v;
    }

    // The request naming this process; brokers older than that form only know
    // the caller's own threads, which these are.
    PriorityAnswer request(const QString& method, pid_t tid, const QVariant& level) {
        QDBusMessage reply = send(method + "WithPID",
                                  {QVariant::fromValue(qulonglong(::getpid())), QVariant::fromValue(qulonglong(tid)), level});
        if (reply.errorName() == "org.freedesktop.DBus.Error.UnknownMethod")
            reply = send(method, {QVariant::fromValue(qulonglong(tid)), level});
        if (reply.type() != QDBusMessage::ReplyMessage) return PriorityAnswer::no(why(reply));
        return PriorityAnswer::yes();
    }
};

}  // namespace

PriorityAnswer RealtimeKitBroker::make_realtime(pid_t tid, int priority) {
    if (!silent_.empty()) return PriorityAnswer::no(silent_);
    Call c{silent_};
    if (!c.bus.isConnected()) return PriorityAnswer::no(link_text::no_system_bus(c.bus.lastError().message().toStdString()));
    const Result<qlonglong> highest = c.property("MaxRealtimePriority");
    if (!highest) return PriorityAnswer::no(highest.error());
    const Result<qlonglong> rttime = c.property("RTTimeUSecMax");
    if (!rttime) return PriorityAnswer::no(rttime.error());
    const PriorityAnswer limited = limit_realtime_cpu(rttime.value());
    if (!limited.granted) return limited;
    const auto level = static_cast<uint>(std::clamp<qlonglong>(priority, 1, std::max<qlonglong>(highest.value(), 1)));
    return c.request("MakeThreadRealtime", tid, QVariant::fromValue(level));
}

PriorityAnswer RealtimeKitBroker::make_high_priority(pid_t tid, int nice) {
    if (!silent_.empty()) return PriorityAnswer::no(silent_);
    Call c{silent_};
    if (!c.bus.isConnected()) return PriorityAnswer::no(link_text::no_system_bus(c.bus.lastError().message().toStdString()));
    const Result<qlonglong> lowest = c.property("MinNiceLevel");
    if (!lowest) return PriorityAnswer::no(lowest.error());
    const auto level = static_cast<int>(std::max<qlonglong>(nice, lowest.value()));
    return c.request("MakeThreadHighPriority", tid, QVariant::fromValue(level));
}

}  // namespace kestrova
