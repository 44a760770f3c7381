// The component model: objects with class information, persistent objects, and components with
// a name, an owner and the components they own.
//
// Ownership: a component frees everything it owns, in reverse order of ownership, when it is
// freed. Components are freed with Free() (never plain delete), which runs BeforeDestruction
// while the whole object is still alive — where forms raise OnDestroy — and then deletes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ClassInfo.h"

namespace znp {

class TObject {
public:
    virtual ~TObject() = default;
    static const ClassInfo& StaticClass();
    virtual const ClassInfo& ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType().Name(); }
    bool InheritsFrom(std::string_view className) const { return ClassType().InheritsFrom(className); }

    // Runs BeforeDestruction, then deletes the object. Free(nullptr) does nothing.
    static void Free(TObject* object);

protected:
    virtual void BeforeDestruction() {}
};

class TPersistent : public TObject {
public:
    ZNP_DECLARE_CLASS()
    // Copies the content of Source; the base raises, as the platform does for unrelated classes.
    virtual void Assign(const TPersistent& source);
};

enum ComponentStateFlag : std::uint8_t { csLoading = 1, csDestroying = 2, csReading = 4 };

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    ZNP_DECLARE_CLASS()
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    // Raises when the name is not a valid identifier or another component of the owner has it.
    virtual void SetName(const std::string& name);
    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    const std::vector<TComponent*>& OwnedComponents() const { return components_; }
    int ComponentIndex() const;
    // The owned component of that name (without regard to case), or null.
    TComponent* FindComponent(std::string_view name) const;

    std::uint8_t ComponentState() const { return state_; }
    bool IsLoading() const { return state_ & csLoading; }
    bool IsDestroying() const { return state_ & csDestroying; }

    // Moves the component to another owner (at the end of its list).
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Stored-form loading: the reader sets the loading state, applies the stored properties, then
    // calls Loaded on every component it read.
    void BeginLoading() { state_ |= csLoading; }
    virtual void Loaded() { state_ &= static_cast<std::uint8_t>(~csLoading); }

    // A stored form nests Child inside this component (menu items in a menu, ...); the base
    // keeps nothing, since ownership and parenting are already set.
    virtual void ReadChild(TComponent* child) { (void)child; }

    // Finishes construction (forms read their stored-form files here); called by ClassInfo::Create
    // and by Construct<T>.
    virtual void AfterConstruction() {}

    // Told when a component that this one may refer to is inserted or removed.
    virtual void Notification(TComponent* component, TOperation operation);
    // Asks to be told when Component is removed, although this one does not own it.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    std::intptr_t Tag = 0;

protected:
    void BeforeDestruction() override;
    void DestroyComponents();

private:
    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::uint8_t state_ = 0;
};

// Runs AfterConstruction of a new component; when that raises, frees it and raises again.
void FinishConstruction(TComponent* object);

// Creates a component of class T and finishes its construction.
template <class T, class... Args>
T* Construct(TComponent* owner, Args&&... args) {
    T* object = new T(owner, std::forward<Args>(args)...);
    FinishConstruction(object);
    return object;
}

// True when Name is a valid component name (letters, digits, "_", not starting with a digit).
bool IsValidIdent(std::string_view name);

}  // namespace znp
