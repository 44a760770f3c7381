// The data-module client: the socket connection to an application server, the object broker,
// and the client data set that reads the records of a provider through the application server.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Kvtr42C/Exception.h"
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

class TClientDataSet;

// Errors of the data sets.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

enum class TFieldType { ftUnknown, ftString, ftInteger, ftFloat, ftBoolean, ftDate };
enum class TDataSetState { dsInactive, dsBrowse, dsEdit };

// A column of a client data set; its value is that of the data set's current record (or of the
// record being edited).
class TField {
public:
    TField(TClientDataSet& dataSet, std::string fieldName, int index, TFieldType dataType);

    const std::string& FieldName() const { return fieldName_; }
    int Index() const { return index_; }
    TFieldType DataType() const { return dataType_; }
    TClientDataSet& DataSet() const { return dataSet_; }
    // The column's caption; the field name until set.
    std::string DisplayLabel;

    Variant Value() const;
    bool IsNull() const;
    std::string AsString() const;
    // Writing needs the data set in the edit state (EDatabaseError otherwise).
    void SetValue(const Variant& value);
    void SetAsString(const std::string& text) { SetValue(Variant(text)); }

    // The text shown and the text entered, through the handlers when they are set.
    using TGetTextEvent = std::function<void(TField& sender, std::string& text, bool displayText)>;
    using TSetTextEvent = std::function<void(TField& sender, const std::string& text)>;
    TGetTextEvent OnGetText;
    TSetTextEvent OnSetText;
    std::string Text() const;
    void SetText(const std::string& text);

private:
    TClientDataSet& dataSet_;
    std::string fieldName_;
    int index_;
    TFieldType dataType_;
};

// A data set that reads the records of a provider of the application server ("pvdConSave") and
// keeps its own copy to search, edit and post.
//
// Open asks the connection's application server for GetRecords(ProviderName); the answer is a
// two-dimensional array [0..n, 0..c], row 0 the field names and rows 1..n the records. The
// records are kept in the order of the active index (IndexFieldNames, ";"-separated field names;
// the provider's order when empty). Edits change only this copy.
class TClientDataSet : public TComponent {
public:
    ZNP_DECLARE_CLASS()
    using TComponent::TComponent;
    ~TClientDataSet() override;

    std::string ProviderName;
    TSocketConnection* RemoteServer = nullptr;
    std::string IndexName;
    std::string IndexFieldNames;
    bool ControlsDisabled() const { return disableCount_ > 0; }
    void DisableControls() { ++disableCount_; }
    void EnableControls() {
        if (disableCount_ > 0) --disableCount_;
    }

    // Open raises EDatabaseError when there is no application server, or when the provider's
    // answer is no table with a row of field names; the data set then stays closed.
    void Open();
    void Close();
    bool Active() const { return state_ != TDataSetState::dsInactive; }
    void SetActive(bool value);
    TDataSetState State() const { return state_; }

    const std::vector<std::unique_ptr<TField>>& Fields() const { return fields_; }
    // Field names are found without regard to case; FieldByName raises EDatabaseError for an
    // unknown name, FindField answers nullptr.
    TField* FindField(const std::string& name) const;
    TField& FieldByName(const std::string& name) const;

    int RecordCount() const { return static_cast<int>(records_.size()); }
    // 1-based position of the current record; 0 when there is none.
    int RecNo() const { return records_.empty() ? 0 : current_ + 1; }
    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }

    // Moves to the first record whose leading index fields equal Values (compared as texts, with
    // case); false, and the position unchanged, when none does.
    bool FindKey(const std::vector<Variant>& values);

    // Editing the current record: Edit copies it, field writes change the copy, Post puts it
    // back (and into index order), Cancel drops it.
    void Edit();
    void Post();
    void Cancel();

private:
    friend class TField;
    std::vector<std::string> IndexFields() const;
    void SortByIndex();
    const Variant& CurrentValue(int field) const;
    void SetCurrentValue(int field, const Variant& value);

    int disableCount_ = 0;
    TDataSetState state_ = TDataSetState::dsInactive;
    std::vector<std::unique_ptr<TField>> fields_;
    std::vector<std::vector<Variant>> records_;
    std::vector<Variant> editBuffer_;
    int current_ = 0;
    bool eof_ = true, bof_ = true;

protected:
    void Notification(TComponent* component, TOperation operation) override;
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
