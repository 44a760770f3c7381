#include "platform/ExtCtrls.h"

#include <algorithm>

namespace znp {

const ClassInfo& TPanel::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TPanel", &TWinControl::StaticClass());
        c.Creatable<TPanel>();
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        c.Field("BevelOuter", &TPanel::BevelOuter);
        c.Field("BevelInner", &TPanel::BevelInner);
        c.Field("BevelWidth", &TPanel::BevelWidth);
        c.Field("BorderWidth", &TPanel::BorderWidth);
        c.Field("BorderStyle", &TPanel::BorderStyle);
        c.Field("Alignment", &TPanel::Alignment);
        return c;
    }();
    return info;
}

const ClassInfo& TSplitter::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TSplitter", &TControl::StaticClass());
        c.Creatable<TSplitter>();
        c.Field("MinSize", &TSplitter::MinSize);
        c.Field("Beveled", &TSplitter::Beveled);
        c.Field("AutoSnap", &TSplitter::AutoSnap);
        return c;
    }();
    return info;
}

// --- TRadioGroup -----------------------------------------------------------------------------

const ClassInfo& TRadioGroup::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TRadioGroup", &TWinControl::StaticClass());
        c.Creatable<TRadioGroup>();
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        c.Object("Items", &TRadioGroup::Items);
        c.Prop("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex);
        c.Prop("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns);
        return c;
    }();
    return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner) {
    items_->SetOnChange([this] { NotifyView(TViewAspect::Items); });
    TabStop = true;
    SetBounds(0, 0, 185, 105);
}

int TRadioGroup::ItemIndex() const {
    if (!IsLoading() && itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
    return itemIndex_;
}

void TRadioGroup::SetItemIndex(int value) {
    const int before = itemIndex_;
    itemIndex_ = IsLoading() ? value : std::clamp(value, -1, items_->Count() - 1);
    if (before != itemIndex_) NotifyView(TViewAspect::Selection);
}

void TRadioGroup::Loaded() {
    TWinControl::Loaded();
    SetItemIndex(itemIndex_);
}

void TRadioGroup::ClickItem(int index) {
    if (index < 0 || index >= items_->Count() || !Enabled()) return;
    const bool changed = index != ItemIndex();
    itemIndex_ = index;
    if (!changed) return;
    NotifyView(TViewAspect::Selection);
    Click();
}

void TRadioGroup::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    if (items_->Count() == 0) return;
    if (key == VK_DOWN || key == VK_RIGHT) {
        ClickItem(std::min(ItemIndex() + 1, items_->Count() - 1));
        key = 0;
    } else if (key == VK_UP || key == VK_LEFT) {
        ClickItem(std::max(ItemIndex() - 1, 0));
        key = 0;
    }
}

// --- Drawn controls --------------------------------------------------------------------------

const ClassInfo& TShape::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TShape", &TControl::StaticClass());
        c.Creatable<TShape>();
        c.Field("Shape", &TShape::Shape);
        c.Field("BrushColor", &TShape::BrushColor);
        c.Field("PenColor", &TShape::PenColor);
        return c;
    }();
    return info;
}

const ClassInfo& TBevel::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TBevel", &TControl::StaticClass());
        c.Creatable<TBevel>();
        c.Field("Shape", &TBevel::Shape);
        c.Field("Style", &TBevel::Style);
        return c;
    }();
    return info;
}

const ClassInfo& TImage::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TImage", &TControl::StaticClass());
        c.Creatable<TImage>();
        c.Object("Picture", &TImage::Picture);
        c.Field("Center", &TImage::Center);
        c.Field("Stretch", &TImage::Stretch);
        c.Field("Transparent", &TImage::Transparent);
        c.Field("AutoSize", &TImage::AutoSize);
        return c;
    }();
    return info;
}

}  // namespace znp
