#include "platform/Component.h"

#include <algorithm>
#include <cctype>

namespace znp {

const ClassInfo& TObject::StaticClass() {
    static const ClassInfo info("TObject", nullptr);
    return info;
}

void TObject::Free(TObject* object) {
    if (!object) return;
    object->BeforeDestruction();
    delete object;
}

const ClassInfo& TPersistent::StaticClass() {
    static const ClassInfo info("TPersistent", &TObject::StaticClass());
    return info;
}

void TPersistent::Assign(const TPersistent& source) {
    throw Exception("Cannot assign a " + source.ClassName() + " to a " + ClassName());
}

const ClassInfo& TComponent::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TComponent", &TPersistent::StaticClass());
        c.Prop("Name", &TComponent::Name, &TComponent::SetName);
        c.Field("Tag", &TComponent::Tag);
        return c;
    }();
    return info;
}

void FinishConstruction(TComponent* object) {
    try {
        object->AfterConstruction();
    } catch (...) {
        TObject::Free(object);
        throw;
    }
}

bool IsValidIdent(std::string_view name) {
    if (name.empty()) return false;
    if (std::isdigit(static_cast<unsigned char>(name[0]))) return false;
    return std::all_of(name.begin(), name.end(), [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_';
    });
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    // Tell those who asked, so that nobody keeps a pointer to this component.
    auto notifies = std::move(freeNotifies_);
    for (TComponent* other : notifies) {
        other->RemoveFreeNotification(this);
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::BeforeDestruction() { state_ |= csDestroying; }

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        RemoveComponent(last);
        TObject::Free(last);
    }
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (!name.empty() && !IsValidIdent(name)) throw Exception("'" + name + "' is not a valid component name");
    if (!name.empty() && owner_) {
        TComponent* same = owner_->FindComponent(name);
        if (same && same != this) throw Exception("A component named " + name + " already exists");
    }
    name_ = name;
}

int TComponent::ComponentIndex() const {
    if (!owner_) return -1;
    const auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    Notification(component, TOperation::opRemove);
    components_.erase(it);
    component->owner_ = nullptr;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // Owned components hear of each other's removal, as a form's controls refer to each other.
    if (operation == TOperation::opRemove && component != this)
        for (TComponent* c : components_)
            if (c != component) c->Notification(component, operation);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
        component->FreeNotification(this);
    }
}

// The link is mutual: both sides forget it.
void TComponent::RemoveFreeNotification(TComponent* component) {
    auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), component);
    if (it == freeNotifies_.end()) return;
    freeNotifies_.erase(it);
    component->RemoveFreeNotification(this);
}

}  // namespace znp
