// The client data set: a copy of a provider's records, read through the application server.
#include <algorithm>
#include <strings.h>

#include "platform/ClassRegistry.h"
#include "platform/DBClient.h"

namespace znp {

namespace {

bool SameName(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// The type a column's values suggest: the type of its first value that is not empty or null.
TFieldType TypeOfColumn(const Variant& table, int column) {
    for (int row = table.LowBound(1) + 1; row <= table.HighBound(1); ++row) {
        switch (table.At(row, column).Type()) {
            case VarType::String:
            case VarType::OleStr: return TFieldType::ftString;
            case VarType::Integer:
            case VarType::Int64: return TFieldType::ftInteger;
            case VarType::Double: return TFieldType::ftFloat;
            case VarType::Boolean: return TFieldType::ftBoolean;
            case VarType::Date: return TFieldType::ftDate;
            default: break;
        }
    }
    return TFieldType::ftString;
}

// Index order: numbers by value, everything else by its text (bytes, with case).
int CompareValues(const Variant& a, const Variant& b) {
    if (a.IsNumeric() && b.IsNumeric()) {
        const double x = a.AsDouble(), y = b.AsDouble();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    return VarToStr(a).compare(VarToStr(b));
}

}  // namespace

// --- TField ---------------------------------------------------------------------------------

TField::TField(TClientDataSet& dataSet, std::string fieldName, int index, TFieldType dataType)
    : DisplayLabel(fieldName), dataSet_(dataSet), fieldName_(std::move(fieldName)), index_(index), dataType_(dataType) {}

Variant TField::Value() const { return dataSet_.CurrentValue(index_); }
bool TField::IsNull() const { return Value().IsNull() || Value().IsEmpty(); }
std::string TField::AsString() const { return VarToStr(Value()); }
void TField::SetValue(const Variant& value) { dataSet_.SetCurrentValue(index_, value); }

std::string TField::Text() const {
    std::string text = AsString();
    if (OnGetText) OnGetText(const_cast<TField&>(*this), text, true);
    return text;
}

void TField::SetText(const std::string& text) {
    if (OnSetText)
        OnSetText(*this, text);
    else
        SetAsString(text);
}

// --- TClientDataSet -------------------------------------------------------------------------

const ClassInfo& TClientDataSet::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TClientDataSet", &TComponent::StaticClass());
        c.Creatable<TClientDataSet>();
        c.Field("ProviderName", &TClientDataSet::ProviderName);
        c.Reference("RemoteServer", &TClientDataSet::RemoteServer);
        c.Field("IndexName", &TClientDataSet::IndexName);
        c.Field("IndexFieldNames", &TClientDataSet::IndexFieldNames);
        c.Prop("Active", &TClientDataSet::Active, &TClientDataSet::SetActive);
        return c;
    }();
    return info;
}

TClientDataSet::~TClientDataSet() = default;

void TClientDataSet::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == RemoteServer) RemoteServer = nullptr;
}

void TClientDataSet::SetActive(bool value) {
    // A stored form opens nothing while it is read: the connection is not there yet.
    if (IsLoading()) return;
    if (value)
        Open();
    else
        Close();
}

void TClientDataSet::Open() {
    if (Active()) return;
    if (!RemoteServer || !RemoteServer->AppServer().IsObject())
        throw EDatabaseError(Name() + ": Remote server not connected");
    std::vector<Variant> args{Variant(ProviderName)};
    const Variant table = OleCall(RemoteServer->AppServer(), "GetRecords", args);
    if (!table.IsArray() || table.DimCount() != 2 || table.HighBound(1) < table.LowBound(1))
        throw EDatabaseError(Name() + ": Provider '" + ProviderName + "' answered no table");
    std::vector<std::unique_ptr<TField>> fields;
    const int firstRow = table.LowBound(1), firstColumn = table.LowBound(2);
    const int columns = table.HighBound(2) - firstColumn + 1;
    for (int c = 0; c < columns; ++c)
        fields.push_back(std::make_unique<TField>(*this, VarToStr(table.At(firstRow, firstColumn + c)), c,
                                                  TypeOfColumn(table, firstColumn + c)));
    std::vector<std::vector<Variant>> records;
    for (int r = firstRow + 1; r <= table.HighBound(1); ++r) {
        std::vector<Variant> record;
        for (int c = 0; c < columns; ++c) record.push_back(table.At(r, firstColumn + c));
        records.push_back(std::move(record));
    }
    fields_ = std::move(fields);
    records_ = std::move(records);
    try {
        SortByIndex();
    } catch (const Exception&) {
        Close();
        throw;
    }
    state_ = TDataSetState::dsBrowse;
    First();
}

void TClientDataSet::Close() {
    state_ = TDataSetState::dsInactive;
    fields_.clear();
    records_.clear();
    editBuffer_.clear();
    current_ = 0;
    eof_ = bof_ = true;
}

TField* TClientDataSet::FindField(const std::string& name) const {
    for (const auto& field : fields_)
        if (SameName(field->FieldName(), name)) return field.get();
    return nullptr;
}

TField& TClientDataSet::FieldByName(const std::string& name) const {
    if (TField* field = FindField(name)) return *field;
    throw EDatabaseError(Name() + ": Field '" + name + "' not found");
}

void TClientDataSet::First() {
    if (state_ == TDataSetState::dsEdit) Post();
    current_ = 0;
    bof_ = true;
    eof_ = records_.empty();
}

void TClientDataSet::Last() {
    if (state_ == TDataSetState::dsEdit) Post();
    current_ = records_.empty() ? 0 : RecordCount() - 1;
    eof_ = true;
    bof_ = records_.empty();
}

void TClientDataSet::Next() {
    if (state_ == TDataSetState::dsEdit) Post();
    if (current_ + 1 < RecordCount()) {
        ++current_;
        bof_ = eof_ = false;
    } else {
        eof_ = true;
    }
}

void TClientDataSet::Prior() {
    if (state_ == TDataSetState::dsEdit) Post();
    if (current_ > 0 && !records_.empty()) {
        --current_;
        bof_ = eof_ = false;
    } else {
        bof_ = true;
    }
}

std::vector<std::string> TClientDataSet::IndexFields() const {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= IndexFieldNames.size()) {
        size_t end = IndexFieldNames.find(';', start);
        if (end == std::string::npos) end = IndexFieldNames.size();
        std::string name = IndexFieldNames.substr(start, end - start);
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        if (!name.empty()) names.push_back(name);
        start = end + 1;
    }
    return names;
}

void TClientDataSet::SortByIndex() {
    std::vector<int> columns;
    for (const std::string& name : IndexFields()) columns.push_back(FieldByName(name).Index());
    if (columns.empty()) return;
    std::stable_sort(records_.begin(), records_.end(), [&columns](const auto& a, const auto& b) {
        for (int c : columns)
            if (int order = CompareValues(a[c], b[c])) return order < 0;
        return false;
    });
}

bool TClientDataSet::FindKey(const std::vector<Variant>& values) {
    if (!Active()) throw EDatabaseError(Name() + ": Cannot perform this operation on a closed dataset");
    if (state_ == TDataSetState::dsEdit) Post();
    std::vector<int> columns;
    for (const std::string& name : IndexFields()) columns.push_back(FieldByName(name).Index());
    if (values.empty() || values.size() > columns.size())
        throw EDatabaseError(Name() + ": Key of " + std::to_string(values.size()) + " values for an index of " +
                             std::to_string(columns.size()) + " fields");
    for (int r = 0; r < RecordCount(); ++r) {
        bool match = true;
        for (size_t k = 0; k < values.size() && match; ++k) match = VarToStr(records_[r][columns[k]]) == VarToStr(values[k]);
        if (match) {
            current_ = r;
            bof_ = eof_ = false;
            return true;
        }
    }
    return false;
}

void TClientDataSet::Edit() {
    if (!Active()) throw EDatabaseError(Name() + ": Cannot perform this operation on a closed dataset");
    if (state_ == TDataSetState::dsEdit) return;
    if (records_.empty()) throw EDatabaseError(Name() + ": Cannot edit an empty dataset");
    editBuffer_ = records_[current_];
    state_ = TDataSetState::dsEdit;
}

void TClientDataSet::Post() {
    if (state_ != TDataSetState::dsEdit) return;
    records_[current_] = editBuffer_;
    editBuffer_.clear();
    state_ = TDataSetState::dsBrowse;
    // The posted record moves to its place in the index; the cursor goes with it.
    std::vector<Variant> posted = records_[current_];
    SortByIndex();
    for (int r = 0; r < RecordCount(); ++r)
        if (records_[r] == posted) {
            current_ = r;
            break;
        }
}

void TClientDataSet::Cancel() {
    if (state_ != TDataSetState::dsEdit) return;
    editBuffer_.clear();
    state_ = TDataSetState::dsBrowse;
}

const Variant& TClientDataSet::CurrentValue(int field) const {
    static const Variant none;
    if (state_ == TDataSetState::dsEdit) return editBuffer_[static_cast<size_t>(field)];
    if (records_.empty()) return none;
    return records_[static_cast<size_t>(current_)][static_cast<size_t>(field)];
}

void TClientDataSet::SetCurrentValue(int field, const Variant& value) {
    if (state_ != TDataSetState::dsEdit) throw EDatabaseError(Name() + ": Dataset not in edit or insert mode");
    editBuffer_[static_cast<size_t>(field)] = value;
}

}  // namespace znp
