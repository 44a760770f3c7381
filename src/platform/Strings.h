// Lists of texts (the Items and Lines of controls, name=value caches of forms).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Component.h"

namespace znp {

// Every change made through the list's operations is told to its change handler, once per
// operation (the control that shows the list tells its view); writing through the non-const
// operator[] is not seen, so code that changes a shown list uses Put.
class TStringList : public TPersistent {
public:
    ZNP_DECLARE_CLASS()
    TStringList() = default;
    // Copies the texts and objects, not the change handler.
    TStringList(const TStringList& other);
    TStringList& operator=(const TStringList& other);

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(index); }
    std::string& operator[](int index) { return items_.at(index); }
    void Put(int index, std::string text);
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

    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
    // Changes between BeginUpdate and EndUpdate are told once, at the end.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

private:
    void Changed();
    std::function<void()> onChange_;
    int updating_ = 0;
    bool changedWhileUpdating_ = false;
    std::vector<std::string> items_;
    std::vector<TObject*> objects_;
};

}  // namespace znp
