#include "platform/StdCtrls.h"

#include <algorithm>
#include <cctype>

#include "platform/Forms.h"
#include "platform/SystemInfo.h"

namespace znp {

namespace textedit {

namespace {
bool IsLead(char c) { return IsLeadByte(static_cast<unsigned char>(c), AnsiCodePage()); }
}  // namespace

size_t CharSizeAt(const std::string& text, size_t pos) {
    if (pos >= text.size()) return 0;
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return 2;  // a line break
    return IsLead(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

size_t PrevCharStart(const std::string& text, size_t pos) {
    pos = std::min(pos, text.size());
    size_t at = 0, last = 0;
    while (at < pos) {
        last = at;
        at += CharSizeAt(text, at);
    }
    return pos == 0 ? 0 : last;
}

std::string ApplyCase(const std::string& text, TEditCharCase charCase) {
    if (charCase == TEditCharCase::ecNormal) return text;
    std::string result = text;
    for (size_t i = 0; i < result.size();) {
        size_t n = CharSizeAt(result, i);
        if (n == 1) {
            unsigned char c = static_cast<unsigned char>(result[i]);
            result[i] = static_cast<char>(charCase == TEditCharCase::ecUpperCase ? std::toupper(c) : std::tolower(c));
        }
        i += n;
    }
    return result;
}

}  // namespace textedit

// --- TLabel ----------------------------------------------------------------------------------

const ClassInfo& TLabel::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TLabel", &TControl::StaticClass());
        c.Creatable<TLabel>();
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        c.Reference("FocusControl", &TLabel::FocusControl);
        c.Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize);
        c.Field("Transparent", &TLabel::Transparent);
        c.Field("Layout", &TLabel::Layout);
        c.Field("Alignment", &TLabel::Alignment);
        c.Field("WordWrap", &TLabel::WordWrap);
        c.Field("ShowAccelChar", &TLabel::ShowAccelChar);
        return c;
    }();
    return info;
}

TLabel::TLabel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAutoSize(bool value) {
    autoSize_ = value;
    AdjustBounds();
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || WordWrap || IsLoading()) return;
    size_t bytes = 0;
    const std::string& text = Caption();
    for (size_t i = 0; i < text.size(); ++i) {
        if (ShowAccelChar && text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') ++i;  // "&&" shows one "&"
            else continue;
        }
        ++bytes;
    }
    const int charHeight = Font()->PixelHeight();
    SetBounds(Left(), Top(), static_cast<int>((bytes * charHeight + 1) / 2), charHeight);
}

void TLabel::Loaded() {
    TControl::Loaded();
    AdjustBounds();
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FocusControl) FocusControl = nullptr;
}

// --- TCustomEdit -----------------------------------------------------------------------------

const ClassInfo& TCustomEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TCustomEdit", &TWinControl::StaticClass());
        c.Field("MaxLength", &TCustomEdit::MaxLength);
        c.Field("ReadOnly", &TCustomEdit::ReadOnly);
        c.Field("AutoSelect", &TCustomEdit::AutoSelect);
        c.Field("PasswordChar", &TCustomEdit::PasswordChar);
        c.Prop("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase);
        c.Event("OnChange", &TCustomEdit::OnChange);
        return c;
    }();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    charCase_ = value;
    if (value != TEditCharCase::ecNormal) SetText(Text());
}

void TCustomEdit::SetText(const std::string& value) {
    TControl::SetText(textedit::ApplyCase(value, charCase_));
    selStart_ = static_cast<int>(EditorText().size());
    selLength_ = 0;
}

void TCustomEdit::TextChanged() {
    if (!IsLoading() && !suppressChange_) Change();
}

void TCustomEdit::SetSelStart(int value) {
    selStart_ = std::clamp(value, 0, static_cast<int>(EditorText().size()));
    selLength_ = 0;
}

void TCustomEdit::SetSelLength(int value) {
    selLength_ = std::clamp(value, 0, static_cast<int>(EditorText().size()) - selStart_);
}

std::string TCustomEdit::SelText() const { return EditorText().substr(selStart_, selLength_); }

void TCustomEdit::SetSelText(const std::string& text) {
    std::string current = EditorText();
    const size_t start = std::min(static_cast<size_t>(selStart_), current.size());
    const size_t length = std::min(static_cast<size_t>(selLength_), current.size() - start);
    std::string inserted = textedit::ApplyCase(text, charCase_);
    current.replace(start, length, inserted);
    PutEditorText(current);
    selStart_ = static_cast<int>(start + inserted.size());
    selLength_ = 0;
}

void TCustomEdit::SelectAll() {
    selStart_ = 0;
    selLength_ = static_cast<int>(EditorText().size());
}

void TCustomEdit::DoEnter() {
    if (AutoSelect) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::TypeCharacter(const std::string& character) {
    if (ReadOnly) return;
    const int after = static_cast<int>(EditorText().size()) - selLength_ + static_cast<int>(character.size());
    if (MaxLength > 0 && after > MaxLength) return;
    SetSelText(character);
}

void TCustomEdit::TypeBackspace() {
    if (ReadOnly) return;
    if (selLength_ == 0) {
        if (selStart_ == 0) return;
        const int start = static_cast<int>(textedit::PrevCharStart(EditorText(), selStart_));
        selLength_ = selStart_ - start;
        selStart_ = start;
    }
    SetSelText("");
}

void TCustomEdit::TypeDelete() {
    if (ReadOnly) return;
    if (selLength_ == 0) selLength_ = static_cast<int>(textedit::CharSizeAt(EditorText(), selStart_));
    if (selLength_ > 0) SetSelText("");
}

void TCustomEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    const std::string text = EditorText();
    switch (key) {
        case VK_DELETE: TypeDelete(); break;
        case VK_LEFT: SetSelStart(static_cast<int>(textedit::PrevCharStart(text, selStart_))); break;
        case VK_RIGHT: SetSelStart(selStart_ + static_cast<int>(textedit::CharSizeAt(text, selStart_))); break;
        case VK_HOME: SetSelStart(0); break;
        case VK_END: SetSelStart(static_cast<int>(text.size())); break;
        default: break;
    }
}

void TCustomEdit::KeyPress(char& key) {
    TWinControl::KeyPress(key);
    if (!key) return;
    const unsigned char c = static_cast<unsigned char>(key);
    if (pendingLead_) {
        std::string character{pendingLead_, key};
        pendingLead_ = '\0';
        TypeCharacter(character);
    } else if (c == VK_BACK) {
        TypeBackspace();
    } else if (c < 0x20) {
        TypeControl(key);
    } else if (IsLeadByte(c, AnsiCodePage())) {
        pendingLead_ = key;  // the trail byte follows
    } else {
        TypeCharacter(std::string(1, key));
    }
}

const ClassInfo& TEdit::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TEdit", &TCustomEdit::StaticClass());
        c.Creatable<TEdit>();
        c.Prop("Text", &TControl::Text, &TControl::SetText);
        return c;
    }();
    return info;
}

// --- TMemo -----------------------------------------------------------------------------------

const ClassInfo& TMemo::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TMemo", &TCustomEdit::StaticClass());
        c.Creatable<TMemo>();
        c.Object("Lines", &TMemo::Lines);
        c.Field("WantReturns", &TMemo::WantReturns);
        c.Field("WantTabs", &TMemo::WantTabs);
        c.Field("WordWrap", &TMemo::WordWrap);
        c.Field("ScrollBars", &TMemo::ScrollBars);
        c.Field("Alignment", &TMemo::Alignment);
        return c;
    }();
    return info;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
    lines_->SetOnChange([this] { NotifyView(TViewAspect::Items); });
    SetBounds(0, 0, 185, 89);
}

void TMemo::SetText(const std::string& value) {
    PutEditorText(textedit::ApplyCase(value, CharCase()));
    SetSelStart(static_cast<int>(lines_->Text().size()));
}

void TMemo::PutEditorText(const std::string& text) {
    const std::string before = lines_->Text();
    lines_->SetText(text);
    // The control's own copy follows the lines, so that the text reads the same through TControl.
    suppressChange_ = true;
    TControl::SetText(lines_->Text());
    suppressChange_ = false;
    if (lines_->Text() != before && !IsLoading()) Change();
}

void TMemo::Loaded() {
    TCustomEdit::Loaded();
    suppressChange_ = true;
    TControl::SetText(lines_->Text());
    suppressChange_ = false;
}

int TMemo::CaretLine() const {
    const std::string text = lines_->Text();
    return static_cast<int>(std::count(text.begin(), text.begin() + std::min<size_t>(SelStart(), text.size()), '\n'));
}

int TMemo::CaretColumn() const {
    const std::string text = lines_->Text();
    const size_t caret = std::min<size_t>(SelStart(), text.size());
    const size_t lineStart = caret == 0 ? 0 : text.rfind('\n', caret - 1);
    return static_cast<int>(lineStart == std::string::npos || caret == 0 ? caret : caret - lineStart - 1);
}

void TMemo::SetCaretPos(int line, int column) {
    const std::string text = lines_->Text();
    size_t at = 0;
    for (int l = 0; l < line && at < text.size(); ++l) {
        size_t nl = text.find('\n', at);
        at = nl == std::string::npos ? text.size() : nl + 1;
    }
    size_t end = text.find('\r', at);
    if (end == std::string::npos) end = text.size();
    SetSelStart(static_cast<int>(std::min(at + static_cast<size_t>(std::max(column, 0)), end)));
}

void TMemo::TypeControl(char key) {
    if (key == '\r' && WantReturns) TypeCharacter("\r\n");
    if (key == '\t' && WantTabs) TypeCharacter("\t");
}

const ClassInfo& TGroupBox::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo c("TGroupBox", &TWinControl::StaticClass());
        c.Creatable<TGroupBox>();
        c.Prop("Caption", &TControl::Caption, &TControl::SetCaption);
        return c;
    }();
    return info;
}

}  // namespace znp
