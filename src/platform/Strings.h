// Lists of texts (the Items and Lines of controls, name=value caches of forms).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Component.h"

namespace znp {

class TStringList : public TPersistent {
public:
    ZNP_DECLARE_CLASS()
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(index); }
    std::string& operator[](int index) { return items_.at(index); }
    TObject* Objects(int index) const { return objects_.at(index); }
    void SetObject(int index, TObject* object) { objects_.at(index) = object; }
    int Add(std::string text, TObject* object = nullptr);
    void Insert(int index, std::string text, TObject* object = nullptr);
    void Delete(int index);
    void Clear();
    // Position of Text compared without regard to case, or -1.
    int IndexOf(std::string_view text) const;
    int IndexOfObject(const TObject* object) const;
    // Lines separated by CR LF, each line ended by CR LF (the platform's Text).
    std::string Text() const;
    void SetText(std::string_view text);
    // The list as comma-separated texts.
    std::string CommaText() const;

    // name=value access.
    std::string Names(int index) const;
    std::string Values(std::string_view name) const;
    // Sets the value of Name; an empty value removes the entry.
    void SetValue(std::string_view name, const std::string& value);
    int IndexOfName(std::string_view name) const;

    const std::vector<std::string>& Items() const { return items_; }
    void Assign(const TPersistent& source) override;
    bool Sorted = false;
    bool CaseSensitive = false;

private:
    std::vector<std::string> items_;
    std::vector<TObject*> objects_;
};

}  // namespace znp
