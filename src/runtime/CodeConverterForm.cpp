// The conversion of a whole form to the user-interface code page: the form's own texts, then
// every component it owns, in the order of ownership, by its published properties and, for a
// Big5 interface, by the contents of the kinds that hold texts outside their properties.
#include <algorithm>

#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include "runtime/CodeConverter.h"

namespace znp {

namespace {

const PropInfo* FindProp(const TComponent& component, const char* name, TypeKind kind) {
    const PropInfo* prop = component.ClassType().FindProperty(name);
    return prop && prop->Kind == kind ? prop : nullptr;
}

bool IsEnumOf(const PropInfo* prop, std::string_view firstValueName) {
    return prop && prop->Kind == TypeKind::Enumeration && !prop->ValueNames.empty() &&
           prop->ValueNames.front() == firstValueName;
}

}  // namespace

void TCodeConverter::ConvertForm(TCustomForm& form, bool withContents) const {
    // A GB interface is never converted; a converter that has a translator only for its database
    // direction leaves the form alone as well.
    if (!translator_ || uiConvertKind_ == 0) return;
    ConvertCaption(form);
    form.Hint = VarToStr(ToUI(Variant(form.Hint)));
    if (const PropInfo* buttonHint = FindProp(form, "ButtonHint", TypeKind::String); buttonHint && buttonHint->Set)
        buttonHint->Set(form, ToUI(buttonHint->Get(form)));
    // The screen's icon, hint and menu fonts and the application's hint window belong to a window
    // layer; the headless platform has none of them.
    for (TComponent* component : std::vector<TComponent*>(form.OwnedComponents())) ConvertComponent(*component, withContents);
}

void TCodeConverter::ConvertComponent(TComponent& component, bool withContents) const {
    const int kind = uiConvertKind_;
    const ClassInfo& type = component.ClassType();
    auto convert = [this, kind](const std::string& text) { return VarToStr(ConvertText(kind, Variant(text))); };
    auto* combo = dynamic_cast<TComboBox*>(&component);
    const int comboIndex = combo ? combo->ItemIndex() : -1;

    for (const char* name : {"Font", "TitleFont"}) {
        if (const PropInfo* prop = FindProp(component, name, TypeKind::Class); prop && prop->GetObject)
            if (auto* font = dynamic_cast<TFont*>(prop->GetObject(component))) SetFontForKind(kind, *font);
    }

    // Caption and Text of a control share one text: it is converted once.
    const PropInfo* caption = FindProp(component, "Caption", TypeKind::String);
    const PropInfo* text = FindProp(component, "Text", TypeKind::String);
    const PropInfo* lines = FindProp(component, "Items", TypeKind::Class);
    if (!lines) lines = FindProp(component, "Lines", TypeKind::Class);
    const bool sharedText = caption && text && dynamic_cast<TControl*>(&component);
    for (const PropInfo* prop : {caption, FindProp(component, "Hint", TypeKind::String),
                                 FindProp(component, "ButtonHint", TypeKind::String)})
        if (prop && prop->Set) prop->Set(component, Variant(convert(VarToStr(prop->Get(component)))));

    if (lines && lines->GetObject) {
        if (auto* list = dynamic_cast<TStringList*>(lines->GetObject(component))) {
            for (int i = 0; i < list->Count(); ++i) (*list)[i] = convert((*list)[i]);
        }
    }
    // The text of a memo is its lines; the text of a combo box with a chosen item is that item.
    if (text && text->Set && !sharedText && !FindProp(component, "Lines", TypeKind::Class)) {
        if (combo && comboIndex >= 0) combo->SetItemIndex(comboIndex);
        else text->Set(component, Variant(convert(VarToStr(text->Get(component)))));
    }

    if (const PropInfo* style = type.FindProperty("Style"); style && style->Set && kind != 0) {
        const int value = style->Get(component).AsInteger();
        if (IsEnumOf(style, "csDropDown")) {
            if (value == static_cast<int>(TComboBoxStyle::csDropDown))
                style->Set(component, Variant(static_cast<int>(TComboBoxStyle::csOwnerDrawVariable)));
            else if (value == static_cast<int>(TComboBoxStyle::csDropDownList))
                style->Set(component, Variant(static_cast<int>(TComboBoxStyle::csOwnerDrawFixed)));
            if (combo && comboIndex >= 0) combo->SetItemIndex(comboIndex);
        } else if (IsEnumOf(style, "lbStandard") && value == 0) {
            style->Set(component, Variant(1));  // lbOwnerDrawFixed
        }
    }

    if (kind == 2) {
        if (auto* list = dynamic_cast<TListView*>(&component)) {
            for (int i = 0; i < list->ColumnCount(); ++i) list->Columns(i)->Caption = convert(list->Columns(i)->Caption);
            list->BeginUpdate();
            for (int i = 0; i < list->ItemCount(); ++i) {
                TListItem* item = list->Items(i);
                item->SetCaption(convert(item->Caption()));
                TStringList& sub = *item->SubItems();
                for (int j = 0; j < sub.Count(); ++j) sub[j] = convert(sub[j]);
            }
            list->EndUpdate();
        }
        if (combo) {
            if (combo->Style != TComboBoxStyle::csSimple) combo->Style = TComboBoxStyle::csOwnerDrawFixed;
            if (combo->ItemIndex() < 0 && combo->Items()->Count() > 0) combo->SetItemIndex(0);
        }
        if (auto* grid = dynamic_cast<TStringGrid*>(&component); grid && withContents) {
            for (int row = 0; row < grid->RowCount(); ++row)
                for (int col = 0; col < grid->ColCount(); ++col)
                    grid->SetCells(col, row, convert(grid->Cells(col, row)));
        }
        if (auto* contents = dynamic_cast<ICodePageContents*>(&component))
            contents->ConvertContents([this](const std::string& t) { return GBToBig5(t); }, withContents);
    }

    // Menus draw their items themselves in the interface's font.
    if (kind != 0 && dynamic_cast<TMenu*>(&component)) {
        if (const PropInfo* ownerDraw = FindProp(component, "OwnerDraw", TypeKind::Boolean); ownerDraw && ownerDraw->Set)
            ownerDraw->Set(component, Variant(true));
    }
}

}  // namespace znp
