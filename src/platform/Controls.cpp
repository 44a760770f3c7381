#include "platform/Controls.h"

#include <algorithm>

#include "platform/Application.h"
#include "platform/Forms.h"

namespace znp {

const ClassInfo& TControl::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TControl", &TComponent::StaticClass());
        c.Prop("Left", &TControl::Left, &TControl::SetLeft);
        c.Prop("Top", &TControl::Top, &TControl::SetTop);
        c.Prop("Width", &TControl::Width, &TControl::SetWidth);
        c.Prop("Height", &TControl::Height, &TControl::SetHeight);
        c.Prop("Visible", &TControl::Visible, &TControl::SetVisible);
        c.Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled);
        c.Prop("Color", &TControl::Color, &TControl::SetColor);
        c.Object("Font", &TControl::Font);
        c.Field("Hint", &TControl::Hint);
        c.Field("ShowHint", &TControl::ShowHint);
        c.Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
        c.Field("Align", &TControl::Align);
        c.Event("OnClick", &TControl::OnClick);
        c.Event("OnDblClick", &TControl::OnDblClick);
        return c;
    }();
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    font_->SetOnChange([this] { FontChangeHandler(); });
}

TControl::~TControl() {
    for (IControlObserver* observer : std::vector<IControlObserver*>(observers_)) observer->ControlDestroying(*this);
    observers_.clear();
    if (parent_) parent_->RemoveControl(this);
}

void TControl::AttachObserver(IControlObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void TControl::DetachObserver(IControlObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TControl::NotifyView(TViewAspect aspect) {
    if (observers_.empty()) return;
    // An observer may detach itself (or another) while being told.
    for (IControlObserver* observer : std::vector<IControlObserver*>(observers_))
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            observer->ControlChanged(*this, aspect);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw Exception("A control cannot have itself as its parent");
    for (const TControl* c = parent; c; c = c->parent_)
        if (c == this) throw Exception("A control cannot be placed inside itself");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
    NotifyView(TViewAspect::Parent);
    if (parent_ && parentFont_) AdoptParentFont();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    NotifyView(TViewAspect::Bounds);
}

void TControl::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    NotifyView(TViewAspect::Visible);
}

void TControl::SetColor(TColor value) {
    if (value == color_) return;
    color_ = value;
    NotifyView(TViewAspect::Color);
}

void TControl::SetParentFont(bool value) {
    parentFont_ = value;
    if (value && parent_) AdoptParentFont();
}

void TControl::AdoptParentFont() {
    adoptingParentFont_ = true;
    try {
        font_->Assign(*parent_->Font());
    } catch (...) {
        adoptingParentFont_ = false;
        throw;
    }
    adoptingParentFont_ = false;
}

void TControl::FontChangeHandler() {
    if (!adoptingParentFont_) parentFont_ = false;
    FontChanged();
    NotifyView(TViewAspect::Font);
    if (auto* win = dynamic_cast<TWinControl*>(this))
        for (TControl* child : std::vector<TControl*>(win->ChildControls()))
            if (child->parentFont_) child->AdoptParentFont();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    NotifyView(TViewAspect::Enabled);
}

void TControl::SetText(const std::string& value) {
    if (value == text_) return;
    text_ = value;
    TextChanged();
    NotifyView(TViewAspect::Text);
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }
// A press and release of the left button on the control is a click; a release alone (sent after
// a message box interrupted a press) is not.
void TControl::WndProc(TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN) {
        mousePressed_ = true;
    } else if (message.Msg == WM_LBUTTONUP && mousePressed_) {
        mousePressed_ = false;
        if (enabled_) Click();
    }
}

void TControl::Notification(TComponent* component, TOperation operation) { TComponent::Notification(component, operation); }

// ---------------------------------------------------------------------------------------------

const ClassInfo& TWinControl::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TWinControl", &TControl::StaticClass());
        c.Prop("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
        c.Field("TabStop", &TWinControl::TabStop);
        c.Event("OnEnter", &TWinControl::OnEnter);
        c.Event("OnExit", &TWinControl::OnExit);
        c.Event("OnKeyDown", &TWinControl::OnKeyDown);
        c.Event("OnKeyPress", &TWinControl::OnKeyPress);
        c.Event("OnKeyUp", &TWinControl::OnKeyUp);
        return c;
    }();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    if (TCustomForm* form = GetParentForm(this); form && form != this) form->ControlRemoved(this);
    // Children owned elsewhere lose their parent rather than point at a freed one.
    while (!controls_.empty()) controls_.back()->SetParent(nullptr);
    if (handle_) Application().UnregisterWindow(handle_);
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

HWND TWinControl::Handle() {
    if (!handle_) handle_ = Application().RegisterWindow(this);
    return handle_;
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* win = dynamic_cast<TWinControl*>(control)) tabList_.push_back(win);
}

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    control->parent_ = nullptr;
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int value) {
    if (IsLoading()) {
        storedTabOrder_ = value < 0 ? 0 : value;
        return;
    }
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    value = std::clamp(value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + value, this);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (storedTabOrder_ >= 0) {
        if (Parent())
            Parent()->FixupTabList();
        else
            storedTabOrder_ = -1;
    }
}

// The children read with a tab order take their stored places, the lowest stored value first, so
// each lands where it was stored whatever order they were listed and loaded in; the others keep
// their order around them.
void TWinControl::FixupTabList() {
    std::vector<TWinControl*> pending;
    for (TWinControl* child : tabList_)
        if (child->storedTabOrder_ >= 0) pending.push_back(child);
    if (pending.empty()) return;
    std::stable_sort(pending.begin(), pending.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->storedTabOrder_ < b->storedTabOrder_; });
    for (TWinControl* child : pending) tabList_.erase(std::find(tabList_.begin(), tabList_.end(), child));
    for (TWinControl* child : pending) {
        const int place = std::clamp(child->storedTabOrder_, 0, static_cast<int>(tabList_.size()));
        tabList_.insert(tabList_.begin() + place, child);
        child->storedTabOrder_ = -1;
    }
}

std::vector<TWinControl*> TWinControl::TabList() const { return tabList_; }

namespace {

// Every windowed descendant in tab order, depth first.
void CollectTabOrder(const TWinControl* parent, std::vector<TWinControl*>& out) {
    for (TWinControl* child : parent->TabList()) {
        out.push_back(child);
        CollectTabOrder(child, out);
    }
}

}  // namespace

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                          bool checkParent) const {
    std::vector<TWinControl*> order;
    CollectTabOrder(this, order);
    if (order.empty()) return nullptr;
    auto it = std::find(order.begin(), order.end(), current);
    int start = it == order.end() ? (goForward ? -1 : static_cast<int>(order.size())) : static_cast<int>(it - order.begin());
    const int n = static_cast<int>(order.size());
    for (int step = 1; step <= n; ++step) {
        int index = ((start + (goForward ? step : -step)) % n + n) % n;
        TWinControl* candidate = order[index];
        if (candidate == current) break;
        if ((!checkTabStop || candidate->TabStop) && (!checkParent || candidate->Parent() == this) &&
            candidate->CanFocus())
            return candidate;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, false)) next->SetFocus();
}

bool TWinControl::CanFocus() const {
    TCustomForm* form = GetParentForm(this);
    if (!form || !form->Visible() || !form->Enabled()) return false;
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const {
    TCustomForm* form = GetParentForm(this);
    return form && form->ActiveControl() == this;
}

void TWinControl::SetFocus() {
    TCustomForm* form = GetParentForm(this);
    if (!form) return;
    if (!CanFocus()) throw Exception("Cannot focus a disabled or invisible window");
    form->FocusControl(this);
}

void TWinControl::DoEnter() { OnEnter(this); }
void TWinControl::DoExit() { OnExit(this); }

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyPress(char& key) { OnKeyPress(this, key); }

TCustomForm* GetParentForm(const TControl* control) {
    const TControl* c = control;
    while (c && c->Parent()) c = c->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}

}  // namespace znp
