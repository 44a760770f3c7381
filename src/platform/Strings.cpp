#include "platform/Strings.h"

#include <strings.h>

#include <algorithm>

namespace znp {

const ClassInfo& TStringList::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TStringList", &TPersistent::StaticClass());
        c.Prop("Text", &TStringList::Text, &TStringList::SetText);
        c.ReadOnly("Count", &TStringList::Count);
        return c;
    }();
    return info;
}

TStringList::TStringList(const TStringList& other)
    : TPersistent(), Sorted(other.Sorted), CaseSensitive(other.CaseSensitive), items_(other.items_),
      objects_(other.objects_) {}

TStringList& TStringList::operator=(const TStringList& other) {
    if (this != &other) {
        Sorted = other.Sorted;
        CaseSensitive = other.CaseSensitive;
        Assign(other);
    }
    return *this;
}

void TStringList::Changed() {
    if (updating_ > 0)
        changedWhileUpdating_ = true;
    else if (onChange_)
        onChange_();
}

void TStringList::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Changed();
    }
}

void TStringList::Put(int index, std::string text) {
    if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    if (items_[index] == text) return;
    items_[index] = std::move(text);
    Changed();
}

int TStringList::Add(std::string text, TObject* object) {
    int index = Count();
    if (Sorted) {
        auto less = [this](const std::string& a, const std::string& b) {
            return CaseSensitive ? a < b : strcasecmp(a.c_str(), b.c_str()) < 0;
        };
        index = static_cast<int>(std::upper_bound(items_.begin(), items_.end(), text, less) - items_.begin());
    }
    Insert(index, std::move(text), object);
    return index;
}

void TStringList::Insert(int index, std::string text, TObject* object) {
    if (index < 0 || index > Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    items_.insert(items_.begin() + index, std::move(text));
    objects_.insert(objects_.begin() + index, object);
    Changed();
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    items_.erase(items_.begin() + index);
    objects_.erase(objects_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    items_.clear();
    objects_.clear();
    Changed();
}

int TStringList::IndexOf(std::string_view text) const {
    for (int i = 0; i < Count(); ++i)
        if (CaseSensitive ? items_[i] == text : SameText(items_[i], text)) return i;
    return -1;
}

int TStringList::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (objects_[i] == object) return i;
    return -1;
}

std::string TStringList::Text() const {
    std::string s;
    for (const auto& item : items_) s += item + "\r\n";
    return s;
}

void TStringList::SetText(std::string_view text) {
    BeginUpdate();
    struct End {
        TStringList& list;
        ~End() { list.EndUpdate(); }
    } end{*this};
    Clear();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            Add(std::string(text.substr(pos)));
            break;
        }
        Add(std::string(text.substr(pos, end - pos)));
        if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        pos = end + 1;
    }
}

std::string TStringList::CommaText() const {
    std::string s;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (i) s += ",";
        const std::string& item = items_[i];
        if (item.find_first_of(" ,\"") != std::string::npos || item.empty()) {
            s += '"';
            for (char ch : item) s += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            s += '"';
        } else {
            s += item;
        }
    }
    return s;
}

std::string TStringList::Names(int index) const {
    const std::string& item = items_.at(index);
    auto eq = item.find('=');
    return eq == std::string::npos ? std::string() : item.substr(0, eq);
}

int TStringList::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        auto eq = items_[i].find('=');
        if (eq != std::string::npos && SameText(std::string_view(items_[i]).substr(0, eq), name)) return i;
    }
    return -1;
}

std::string TStringList::Values(std::string_view name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::string() : items_[i].substr(items_[i].find('=') + 1);
}

void TStringList::SetValue(std::string_view name, const std::string& value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(i);
        return;
    }
    std::string entry = std::string(name) + "=" + value;
    if (i >= 0)
        Put(i, entry);
    else
        Add(entry);
}

void TStringList::Assign(const TPersistent& source) {
    const auto* list = dynamic_cast<const TStringList*>(&source);
    if (!list) return TPersistent::Assign(source);
    if (list == this) return;
    items_ = list->items_;
    objects_ = list->objects_;
    Changed();
}

}  // namespace znp
