// The saved value of a panel (the value of its "style" key in a condition scheme): the style's
// name, then the range texts or the rows, fields separated by 0x03, list columns by 0x01, every
// row ended by 0x04.
#include "controls/SelectPnl.h"
#include "controls/SelectPnlDateLayout.h"
#include "runtime/LibStrs.h"

namespace znp {

namespace {

const std::string kField = "\x03", kColumn = "\x01", kRowEnd = "\x04";

// Every piece of Text cut at Separator, keeping double-byte characters whole; one walk over the
// text, so a saved list of any length is read in linear time.
std::vector<std::string> Pieces(const std::string& text, const std::string& separator) {
    return SplitTokens(text, separator);
}

std::string Field(const std::vector<std::string>& fields, size_t n) { return n <= fields.size() ? fields[n - 1] : ""; }

}  // namespace

IDateLayoutOwner* TSelectPanel::DateOwner() const {
    if (Name().empty()) return nullptr;
    for (TComponent* owner = Owner(); owner; owner = owner->Owner())
        if (auto* dates = dynamic_cast<IDateLayoutOwner*>(owner)) return dates->IsDateField(Name()) ? dates : nullptr;
    return nullptr;
}

std::string TSelectPanel::ListText() const {
    std::string text;
    for (int i = 0; i < ListView->ItemCount(); ++i) {
        const TListItem& item = *ListView->Items(i);
        text += item.Caption();
        const TStringList& sub = *item.SubItems();
        for (int j = 0; j < sub.Count(); ++j) text += kColumn + sub[j];
        text += kRowEnd;
    }
    return text;
}

std::string TSelectPanel::BuildSaveValue() const {
    const std::string styleName = EnumName(style_);
    switch (style_) {
        case TSelectStyle::sp_Range:
            if (IDateLayoutOwner* dates = DateOwner()) {
                std::string begin = dates->DisplayToDateText(BeginEdit->Text());
                std::string final = dates->DisplayToDateText(FinalEdit->Text());
                if (!dates->SavedRangeDates(Name(), begin, final)) return styleName + kField;
                return styleName + kField + begin + kField + final;
            }
            return styleName + kField + BeginEdit->Text() + kField + FinalEdit->Text();
        case TSelectStyle::sp_Discrete: return styleName + kField + ListText();
        case TSelectStyle::sp_UserChoice:
            if (IsRangeMode()) return styleName + kField + "True" + kField + BeginEdit->Text() + kField + FinalEdit->Text();
            return styleName + kField + "False" + kField + ListText();
    }
    return styleName;
}

void TSelectPanel::ReadList(const std::string& listText) {
    ClearRows();
    if (listText.empty()) return;
    for (const std::string& row : Pieces(listText, kRowEnd)) {
        if (row.empty()) continue;
        if (!AddRow(Pieces(row, kColumn))) throw Exception(kParseSaveValueError);
    }
}

void TSelectPanel::ApplySaveValue(const std::string& text) {
    const std::vector<std::string> fields = Pieces(text, kField);
    const std::string style = Field(fields, 1);
    if (style == "sp_Range") {
        if (IDateLayoutOwner* dates = DateOwner()) {
            SetEditMask(dates->DateMask());
            auto shown = [dates](const std::string& dateText) {
                if (dateText.empty() || !IsValidYYYYMMDD(dateText)) return std::string();
                return FormatDateByType(dates->DateFormatType(), dates->DateSeparator(), ParseYYYYMMDD(dateText));
            };
            BeginEdit->SetText(shown(Field(fields, 2)));
            FinalEdit->SetText(shown(Field(fields, 3)));
        } else {
            BeginEdit->SetText(Field(fields, 2));
            FinalEdit->SetText(Field(fields, 3));
        }
    } else if (style == "sp_Discrete") {
        ReadList(Field(fields, 2));
    } else if (style == "sp_UserChoice") {
        const std::string choice = Field(fields, 2);
        if (SameText(choice, "True") || SameText(choice, "False")) SetUserChoice(SameText(choice, "True"));
        if (choice == "True") {
            BeginEdit->SetText(Field(fields, 3));
            FinalEdit->SetText(Field(fields, 4));
        } else {
            ReadList(Field(fields, 3));
        }
    }
}

}  // namespace znp
