// The data-module client: the socket connection to an application server, the object broker,
// and the client data set that reads the records of a provider through the application server.
#pragma once

#include <string>
#include <vector>

#include "Kvtr42C/Variant.h"
#include "platform/Component.h"

namespace znp {

class TSimpleObjectBroker : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    using TComponent::TComponent;
    // Server addresses the broker may hand out; the connection uses its own address when empty.
    std::vector<std::string> Servers;
};

// A connection to a remote data-module server over TCP, or — when the form creates the server
// object in this process — the holder of that local object.
class TSocketConnection : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    using TComponent::TComponent;
    ~TSocketConnection() override;

    std::string Address;
    std::string Host;
    int Port = 211;
    std::string ServerName;
    std::string ServerGUID;
    bool SupportCallbacks = true;
    TSimpleObjectBroker* ObjectBroker = nullptr;
    // Seconds a remote connection attempt may take.
    int ConnectTimeout = 3;

    bool Connected() const { return connected_; }
    void SetConnected(bool value);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }

    // The application server: the remote server's object once connected, or the object the form
    // put here for a server in this process.
    const Variant& AppServer() const { return appServer_; }
    void SetAppServer(const Variant& server);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool connected_ = false;
    int socket_ = -1;
    Variant appServer_;
};

// A data set that reads the records of a provider of the application server ("pvdConSave") and
// keeps its own copy to search, edit and post.
class TClientDataSet : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    using TComponent::TComponent;

    std::string ProviderName;
    TSocketConnection* RemoteServer = nullptr;
    std::string IndexName;
    std::string IndexFieldNames;
    bool ControlsDisabled() const { return disableCount_ > 0; }
    void DisableControls() { ++disableCount_; }
    void EnableControls() {
        if (disableCount_ > 0) --disableCount_;
    }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    int disableCount_ = 0;
};

// The data set of the grid-and-combo pack: a client data set under its own class name.
class TwwClientDataSet : public TClientDataSet {
public:
    ZNP_DECLARE_CLASS()
    using TClientDataSet::TClientDataSet;
};

// Makes the data-module client's classes creatable by stored forms.
void RegisterDataModuleClasses();

}  // namespace znp
