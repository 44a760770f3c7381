#include "platform/ComCtrls.h"

#include <algorithm>

#include "platform/Forms.h"

namespace znp {

namespace {

// Whether the component or anything that owns it is being freed: pages then change without
// events, since the handlers belong to a form that is going away.
bool BeingFreed(const TComponent* component) {
    for (const TComponent* c = component; c; c = c->Owner())
        if (c->IsDestroying()) return true;
    return false;
}

}  // namespace

// --- TTabSheet -------------------------------------------------------------------------------

const ClassInfo& TTabSheet::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TTabSheet", &TWinControl::StaticClass());
        c.Creatable<TTabSheet>();
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        c.Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex);
        c.Prop("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible);
        c.Field("ImageIndex", &TTabSheet::ImageIndex);
        c.Event("OnShow", &TTabSheet::OnShow);
        c.Event("OnHide", &TTabSheet::OnHide);
        return c;
    }();
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    // Only the active page is visible.
    TControl::SetVisible(false);
    Align = TAlign::alClient;
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* control) {
    if (control == pageControl_) return;
    TPageControl* old = pageControl_;
    if (old) old->RemovePage(this);
    if (!control && old && Parent() == old) TControl::SetParent(nullptr);
    if (control) {
        if (Parent() != control) TControl::SetParent(control);
        control->InsertPage(this);
    }
}

void TTabSheet::SetParent(TWinControl* parent) {
    TWinControl::SetParent(parent);
    SetPageControl(dynamic_cast<TPageControl*>(parent));
}

void TTabSheet::SetVisible(bool value) {
    if (value == Visible()) return;
    TWinControl::SetVisible(value);
    if (IsLoading() || BeingFreed(this)) return;
    if (value)
        DoShow();
    else
        DoHide();
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
    if (!pageControl_) return;
    auto& pages = pageControl_->pages_;
    pages.erase(std::find(pages.begin(), pages.end(), this));
    value = std::clamp(value, 0, static_cast<int>(pages.size()));
    pages.insert(pages.begin() + value, this);
}

int TTabSheet::TabIndex() const {
    if (!tabVisible_ || !pageControl_) return -1;
    int index = 0;
    for (TTabSheet* page : pageControl_->pages_) {
        if (page == this) return index;
        if (page->tabVisible_) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool value) {
    if (value == tabVisible_) return;
    tabVisible_ = value;
    if (!pageControl_ || IsLoading()) return;
    if (!value && pageControl_->activePage_ == this) {
        TTabSheet* next = pageControl_->FindNextPage(this, true, true);
        pageControl_->SetActivePage(next == this ? nullptr : next);
    } else if (value && !pageControl_->activePage_) {
        pageControl_->SetActivePage(this);
    }
}

// --- TPageControl ----------------------------------------------------------------------------

const ClassInfo& TPageControl::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TPageControl", &TWinControl::StaticClass());
        c.Creatable<TPageControl>();
        c.ReferenceProp("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
        c.Prop("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex);
        c.ReadOnly("PageCount", &TPageControl::PageCount);
        c.Field("MultiLine", &TPageControl::MultiLine);
        c.Field("HotTrack", &TPageControl::HotTrack);
        c.Reference("Images", &TPageControl::Images);
        c.Event("OnChanging", &TPageControl::OnChanging);
        c.Event("OnChange", &TPageControl::OnChange);
        return c;
    }();
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
    pages_.clear();
    activePage_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    if (!activePage_ && !IsLoading() && page->TabVisible()) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    if (page == activePage_ && BeingFreed(this)) {
        activePage_ = nullptr;
    } else if (page == activePage_) {
        TTabSheet* next = FindNextPage(page, true, false);
        SetActivePage(next == page ? nullptr : next);
        if (activePage_ == page) activePage_ = nullptr;
    }
    pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
    page->pageControl_ = nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this) return;
    ChangeActivePage(page);
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? pages_[index] : nullptr);
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
    if (page == activePage_) return;
    TCustomForm* form = GetParentForm(this);
    if (form && activePage_ && activePage_->ContainsControl(form->ActiveControl())) {
        // The focus leaves the old page first; an exit handler that keeps it there stops the change.
        form->SetActiveControl(activePage_);
        if (form->ActiveControl() != activePage_) return;
    }
    TTabSheet* old = activePage_;
    if (page) {
        page->SetVisible(true);
        if (form && old && form->ActiveControl() == old) form->SetActiveControl(page->CanFocus() ? page : static_cast<TWinControl*>(this));
    }
    activePage_ = page;
    NotifyView(TViewAspect::Selection);
    if (old) old->SetVisible(false);
    if (form && page && form->ActiveControl() == page) {
        TWinControl* first = page->FindNextControl(nullptr, true, true, false);
        if (!first) first = page->FindNextControl(nullptr, true, false, false);
        if (first) first->SetFocus();
    }
}

int TPageControl::TabCount() const {
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(), [](TTabSheet* p) { return p->TabVisible(); }));
}

TTabSheet* TPageControl::TabPage(int tabIndex) const {
    for (TTabSheet* page : pages_)
        if (page->TabVisible() && tabIndex-- == 0) return page;
    return nullptr;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const {
    const int count = PageCount();
    if (count == 0) return nullptr;
    auto it = std::find(pages_.begin(), pages_.end(), current);
    int start = it == pages_.end() ? (goForward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        if (!checkTabVisible || pages_[i]->TabVisible()) return pages_[i];
    } while (i != start);
    return nullptr;
}

bool TPageControl::CanChange() {
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

bool TPageControl::ChangePageByUser(TTabSheet* page) {
    if (!page || page->pageControl_ != this || page == activePage_ || !page->TabVisible()) return false;
    if (!CanChange()) return false;
    TTabSheet* before = activePage_;
    ChangeActivePage(page);
    if (activePage_ == before) return false;
    Change();
    return true;
}

void TPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    TTabSheet* page = FindNextPage(activePage_, goForward, checkTabVisible);
    if (page && page != activePage_) ChangePageByUser(page);
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    if (!activePage_)
        for (TTabSheet* page : pages_)
            if (page->TabVisible()) {
                SetActivePage(page);
                break;
            }
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Images) Images = nullptr;
}

}  // namespace znp
