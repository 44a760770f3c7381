#include "platform/FormReader.h"

#include <cctype>
#include <charconv>
#include <map>
#include <memory>
#include <vector>

#include "platform/ClassInfo.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/PropText.h"
#include "platform/Strings.h"
#include "platform/SysUtils.h"

namespace znp {

namespace {

std::map<std::string, std::string, std::less<>>& Resources() {
    static std::map<std::string, std::string, std::less<>> resources;
    return resources;
}

// --- Parsing -----------------------------------------------------------------------------------

struct Value {
    enum Kind { Integer, Float, String, Ident, Set, List } kind = Integer;
    std::string text;                // String, Ident; Integer and Float as decimal text
    std::vector<std::string> items;  // Set (identifiers), List (texts)
};

struct Property {
    std::string path;  // "Font.Name"
    Value value;
    int line = 0;
};

struct Node {
    bool inherited = false;
    std::string name, className;
    std::vector<Property> props;
    std::vector<std::unique_ptr<Node>> children;
    int line = 0;
};

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::unique_ptr<Node> ParseRoot() {
        auto node = ParseObject();
        SkipSpace();
        if (pos_ < text_.size()) Fail("text after the end of the form");
        return node;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw Exception("Form file error at line " + std::to_string(line_) + ": " + what);
    }

    void SkipSpace() {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '\n') ++line_;
            if (c == '\n' || c == '\r' || c == ' ' || c == '\t') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else {
                break;
            }
        }
    }

    bool Peek(char c) {
        SkipSpace();
        return pos_ < text_.size() && text_[pos_] == c;
    }

    void Expect(char c) {
        if (!Peek(c)) Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    std::string Ident() {
        SkipSpace();
        size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_' || text_[pos_] == '.'))
            ++pos_;
        if (start == pos_) Fail("identifier expected");
        return std::string(text_.substr(start, pos_ - start));
    }

    std::unique_ptr<Node> ParseObject() {
        auto node = std::make_unique<Node>();
        node->line = line_;
        std::string keyword = LowerCase(Ident());
        if (keyword == "inherited")
            node->inherited = true;
        else if (keyword != "object")
            Fail("'object' or 'inherited' expected");
        node->name = Ident();
        Expect(':');
        node->className = Ident();
        for (;;) {
            SkipSpace();
            size_t save = pos_;
            int saveLine = line_;
            std::string word = Ident();
            std::string lower = LowerCase(word);
            if (lower == "end") return node;
            if (lower == "object" || lower == "inherited") {
                pos_ = save;
                line_ = saveLine;
                node->children.push_back(ParseObject());
                continue;
            }
            Property p;
            p.path = word;
            p.line = line_;
            Expect('=');
            p.value = ParseValue();
            node->props.push_back(std::move(p));
        }
    }

    std::string ParseText() {
        std::string result;
        for (;;) {
            SkipSpace();
            if (pos_ >= text_.size()) Fail("text expected");
            char c = text_[pos_];
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("unterminated text");
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            result += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    result += text_[pos_++];
                }
            } else if (c == '#') {
                ++pos_;
                size_t start = pos_;
                while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
                if (start == pos_) Fail("character code expected");
                int code = -1;
                const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + pos_, code);
                if (ec != std::errc() || end != text_.data() + pos_ || code > 255)
                    Fail("character code " + std::string(text_.substr(start, pos_ - start)) + " out of range");
                result += static_cast<char>(code);
            } else {
                Fail("text expected");
            }
            // Pieces that touch ('a'#13'b') and pieces joined by "+" make one text; pieces apart
            // are separate items of a list.
            if (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) continue;
            SkipSpace();
            if (pos_ < text_.size() && text_[pos_] == '+') {
                ++pos_;
                continue;
            }
            return result;
        }
    }

    Value ParseValue() {
        SkipSpace();
        if (pos_ >= text_.size()) Fail("value expected");
        Value v;
        char c = text_[pos_];
        if (c == '\'' || c == '#') {
            v.kind = Value::String;
            v.text = ParseText();
        } else if (c == '[') {
            ++pos_;
            v.kind = Value::Set;
            while (!Peek(']')) {
                v.items.push_back(Ident());
                if (Peek(',')) ++pos_;
            }
            ++pos_;
        } else if (c == '(') {
            ++pos_;
            v.kind = Value::List;
            while (!Peek(')')) v.items.push_back(ParseText());
            ++pos_;
        } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
            // The number's text is checked where it is applied, by the property's kind.
            size_t start = pos_++;
            while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.' ||
                                          ((text_[pos_] == '-' || text_[pos_] == '+') &&
                                           (text_[pos_ - 1] == 'e' || text_[pos_ - 1] == 'E'))))
                ++pos_;
            v.text = std::string(text_.substr(start, pos_ - start));
            if (v.text.size() == 1 && !std::isdigit(static_cast<unsigned char>(c))) Fail("number expected");
            v.kind = v.text.find_first_of(".eE") != std::string::npos ? Value::Float : Value::Integer;
        } else if (c == '$') {
            size_t start = ++pos_;
            while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
            unsigned int bits = 0;
            const auto [end, ec] = std::from_chars(text_.data() + start, text_.data() + pos_, bits, 16);
            if (start == pos_ || ec != std::errc() || end != text_.data() + pos_) Fail("hexadecimal number out of range");
            v.kind = Value::Integer;
            v.text = std::to_string(static_cast<int>(bits));
        } else {
            v.kind = Value::Ident;
            v.text = Ident();
        }
        return v;
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
};

// --- Applying ----------------------------------------------------------------------------------

struct Fixup {
    TComponent* instance;
    const PropInfo* prop;
    std::string target;
    int line;
};

class Loader {
public:
    explicit Loader(TComponent& root) : root_(root) {}

    void Load(const Node& node) {
        // Every level names the root: the most derived level's name stays.
        if (!node.name.empty()) root_.SetName(node.name);
        Begin(root_);
        ApplyProperties(root_, node);
        for (const auto& child : node.children) LoadChild(*child, &root_);
        for (const Fixup& f : fixups_) {
            TComponent* target = SameText(f.target, root_.Name()) ? &root_ : root_.FindComponent(f.target);
            if (!target) Fail(f.line, "component '" + f.target + "' not found");
            f.prop->SetComponent(*f.instance, target);
        }
        for (TComponent* c : loaded_) c->Loaded();
    }

private:
    [[noreturn]] static void Fail(int line, const std::string& what) {
        throw Exception("Form file error at line " + std::to_string(line) + ": " + what);
    }

    void Begin(TComponent& c) {
        c.BeginLoading();
        for (TComponent* l : loaded_)
            if (l == &c) return;
        loaded_.push_back(&c);
    }

    void LoadChild(const Node& node, TComponent* container) {
        TComponent* instance = root_.FindComponent(node.name);
        if (node.inherited) {
            if (!instance) Fail(node.line, "inherited component '" + node.name + "' not found");
        } else {
            if (instance) Fail(node.line, "a component named '" + node.name + "' already exists");
            const ClassInfo* cls = FindClass(node.className);
            if (!cls) Fail(node.line, "class " + node.className + " not found");
            instance = cls->Create(&root_);
            instance->SetName(node.name);
            if (auto* control = dynamic_cast<TControl*>(instance))
                if (auto* parent = dynamic_cast<TWinControl*>(container)) control->SetParent(parent);
            if (container != &root_ || !dynamic_cast<TControl*>(instance)) container->ReadChild(instance);
        }
        BindField(*instance, node.line);
        Begin(*instance);
        ApplyProperties(*instance, node);
        for (const auto& child : node.children) LoadChild(*child, instance);
    }

    void ApplyProperties(TComponent& instance, const Node& node) {
        for (const Property& p : node.props) {
            try {
                Apply(instance, p);
            } catch (const std::exception& e) {
                if (std::string(e.what()).rfind("Form file error", 0) == 0) throw;
                Fail(p.line, node.name + "." + p.path + ": " + e.what());
            }
        }
    }

    void Apply(TComponent& instance, const Property& p) {
        // Walk "Font.Name" through object properties.
        TObject* target = &instance;
        std::string path = p.path;
        for (size_t dot; (dot = path.find('.')) != std::string::npos;) {
            std::string head = path.substr(0, dot);
            path = path.substr(dot + 1);
            const PropInfo* prop = target->ClassType().FindProperty(head);
            if (!prop || !prop->GetObject) Fail(p.line, "property " + head + " does not exist");
            target = prop->GetObject(*target);
            if (!target) Fail(p.line, "property " + head + " is empty");
        }
        if (auto* list = dynamic_cast<TStringList*>(target); list && SameText(path, "Strings")) {
            if (p.value.kind != Value::List) Fail(p.line, "a list of texts expected");
            list->Clear();
            for (const auto& item : p.value.items) list->Add(item);
            return;
        }
        const PropInfo* prop = target->ClassType().FindProperty(path);
        if (!prop) Fail(p.line, "property " + path + " does not exist in " + target->ClassName());
        const Value& v = p.value;
        switch (prop->Kind) {
            case TypeKind::Method: {
                if (v.kind != Value::Ident) Fail(p.line, "event handler name expected");
                const MethodInfo* method = root_.ClassType().FindMethod(v.text);
                if (!method) Fail(p.line, "method " + v.text + " not found in " + root_.ClassName());
                if (!prop->SetMethod) Fail(p.line, "event " + prop->Name + " cannot be written");
                prop->SetMethod(*target, method->Bind(root_));
                return;
            }
            case TypeKind::Class: {
                if (!prop->SetComponent || v.kind != Value::Ident) Fail(p.line, "invalid property value");
                fixups_.push_back({static_cast<TComponent*>(target), prop, v.text, p.line});
                return;
            }
            case TypeKind::Enumeration:
            case TypeKind::Boolean:
                // Enumerations are stored by value name only.
                if (v.kind != Value::Ident) Fail(p.line, "value name expected");
                Put(*target, *prop, p.line, v.text, TOrdinalText::Names);
                return;
            case TypeKind::Set: {
                if (v.kind != Value::Set) Fail(p.line, "set expected");
                std::string names;
                for (const auto& name : v.items) names += (names.empty() ? "" : ",") + name;
                Put(*target, *prop, p.line, "[" + names + "]", TOrdinalText::Names);
                return;
            }
            case TypeKind::Integer: {
                int color;
                if (v.kind == Value::Integer)
                    Put(*target, *prop, p.line, v.text, TOrdinalText::Numbers);
                else if (v.kind == Value::Ident && IdentToColor(v.text, color))
                    Put(*target, *prop, p.line, std::to_string(color), TOrdinalText::Numbers);
                else
                    Fail(p.line, "integer expected");
                return;
            }
            case TypeKind::Char:
            case TypeKind::String:
                if (v.kind == Value::String)
                    Put(*target, *prop, p.line, v.text, TOrdinalText::Names);
                else if (v.kind == Value::Integer && prop->Kind == TypeKind::Char)
                    Put(*target, *prop, p.line, v.text, TOrdinalText::Numbers);
                else
                    Fail(p.line, "text expected");
                return;
            case TypeKind::Float:
                if (v.kind != Value::Float && v.kind != Value::Integer) Fail(p.line, "number expected");
                Put(*target, *prop, p.line, v.text, TOrdinalText::Numbers);
                return;
        }
    }

    static void Put(TObject& target, const PropInfo& prop, int line, std::string_view text, TOrdinalText style) {
        if (!SetPropFromText(target, prop, text, style)) Fail(line, "property " + prop.Name + " cannot be written");
    }

    // A published component field of the form's class takes the component of its name.
    void BindField(TComponent& instance, int line) {
        const FieldInfo* field = root_.ClassType().FindField(instance.Name());
        if (field && !field->Bind(root_, &instance))
            Fail(line, "component " + instance.Name() + " is a " + instance.ClassName() + ", field " + field->Name +
                           " of " + root_.ClassName() + " needs a " + field->ClassName);
    }

    TComponent& root_;
    std::vector<TComponent*> loaded_;
    std::vector<Fixup> fixups_;
};

}  // namespace

void RegisterFormResource(const std::string& className, std::string text) { Resources()[LowerCase(className)] = std::move(text); }

const std::string* FindFormResource(std::string_view className) {
    auto it = Resources().find(LowerCase(className));
    return it == Resources().end() ? nullptr : &it->second;
}

std::vector<std::string> RegisteredFormClasses() {
    std::vector<std::string> names;
    for (const auto& [name, text] : Resources()) names.push_back(name);
    return names;
}

void ReadForm(TComponent& root, std::string_view text) {
    Parser parser(text);
    auto node = parser.ParseRoot();
    Loader(root).Load(*node);
}

void ReadFormResources(TComponent& root) {
    std::vector<const ClassInfo*> chain;
    for (const ClassInfo* c = &root.ClassType(); c; c = c->Parent()) chain.insert(chain.begin(), c);
    for (const ClassInfo* c : chain)
        if (const std::string* text = FindFormResource(c->Name())) ReadForm(root, *text);
}

bool IdentToColor(std::string_view name, int& color) {
    static const std::map<std::string, int, std::less<>> colors = {
        {"clblack", clBlack},       {"clwhite", clWhite},         {"clred", clRed},
        {"clblue", clBlue},         {"clyellow", clYellow},       {"clnavy", clNavy},
        {"clgray", clGray},         {"clsilver", clSilver},       {"claqua", clAqua},
        {"clinfobk", clInfoBk},     {"clwindow", clWindow},       {"clwindowtext", clWindowText},
        {"clbtnface", clBtnFace},   {"clbtnshadow", clBtnShadow}, {"clbtnhighlight", clBtnHighlight},
        {"clgraytext", clGrayText}, {"clmaroon", 0x000080},       {"clgreen", 0x008000},
        {"clolive", 0x008080},      {"clpurple", 0x800080},       {"clteal", 0x808000},
        {"cllime", 0x00FF00},       {"clfuchsia", 0xFF00FF},      {"clnone", 0x1FFFFFFF},
        {"cldefault", 0x20000000}};
    auto it = colors.find(LowerCase(name));
    if (it == colors.end()) return false;
    color = it->second;
    return true;
}

}  // namespace znp
