#include "platform/DBClient.h"

#include "platform/Clock.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace znp {

const ClassInfo& TSimpleObjectBroker::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSimpleObjectBroker", &TComponent::StaticClass());
        c.Creatable<TSimpleObjectBroker>();
        return c;
    }();
    return info;
}

const ClassInfo& TSocketConnection::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSocketConnection", &TComponent::StaticClass());
        c.Creatable<TSocketConnection>();
        c.Field("Address", &TSocketConnection::Address);
        c.Field("Host", &TSocketConnection::Host);
        c.Field("Port", &TSocketConnection::Port);
        c.Field("ServerName", &TSocketConnection::ServerName);
        c.Field("ServerGUID", &TSocketConnection::ServerGUID);
        c.Field("SupportCallbacks", &TSocketConnection::SupportCallbacks);
        c.Reference("ObjectBroker", &TSocketConnection::ObjectBroker);
        c.Prop("Connected", &TSocketConnection::Connected, &TSocketConnection::SetConnected);
        return c;
    }();
    return info;
}

TSocketConnection::~TSocketConnection() { SetConnected(false); }

namespace {

// Waits for the connection on Fd to be made or refused until the platform clock passes Deadline
// (an OLE date), in short slices so that the clock decides: true when it was made.
bool AwaitConnection(int fd, double deadline) {
    constexpr int kSliceMs = 50;
    for (;;) {
        pollfd p{fd, POLLOUT, 0};
        const int ready = poll(&p, 1, kSliceMs);
        if (ready == 1) {
            int error = 0;
            socklen_t len = sizeof error;
            getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len);
            return error == 0;
        }
        if (ready < 0 && errno != EINTR) return false;
        if (Now() >= deadline) return false;
    }
}

// Connects to Address:Port within Timeout seconds of the platform clock; -1 when nothing answers.
int ConnectTcp(const std::string& address, int port, int timeoutSeconds) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
    int result = -1;
    const double deadline = Now() + (timeoutSeconds > 0 ? timeoutSeconds : 0) / 86400.0;
    for (addrinfo* a = found; a && result < 0; a = a->ai_next) {
        int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        int rc = connect(fd, a->ai_addr, a->ai_addrlen);
        if (rc != 0 && errno == EINPROGRESS) rc = AwaitConnection(fd, deadline) ? 0 : -1;
        if (rc == 0) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            result = fd;
        } else {
            close(fd);
        }
    }
    freeaddrinfo(found);
    return result;
}

}  // namespace

void TSocketConnection::SetConnected(bool value) {
    if (value == connected_) return;
    if (!value) {
        if (socket_ >= 0) close(socket_);
        socket_ = -1;
        connected_ = false;
        // A server in this process stays the connection's application server: only a remote one
        // goes away with the socket.
        return;
    }
    if (IsLoading()) return;
    std::string address = Address.empty() ? Host : Address;
    if (ObjectBroker && !ObjectBroker->Servers.empty()) address = ObjectBroker->Servers.front();
    socket_ = ConnectTcp(address, Port, ConnectTimeout);
    connected_ = socket_ >= 0;
}

void TSocketConnection::SetAppServer(const Variant& server) { appServer_ = server; }

void TSocketConnection::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == ObjectBroker) ObjectBroker = nullptr;
}

const ClassInfo& TwwClientDataSet::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TwwClientDataSet", &TClientDataSet::StaticClass());
        c.Creatable<TwwClientDataSet>();
        return c;
    }();
    return info;
}

void RegisterDataModuleClasses() {
    RegisterClass(TSimpleObjectBroker::StaticClass());
    RegisterClass(TSocketConnection::StaticClass());
    RegisterClass(TClientDataSet::StaticClass());
    RegisterClass(TwwClientDataSet::StaticClass());
}

}  // namespace znp
