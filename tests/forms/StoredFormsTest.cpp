// Every registered stored form reads, and every name a form level relies on resolves: its
// published component fields, the event handlers bound to it, and the field-name lists its
// levels set (date fields, required fields, the last controls of its pages). A misspelt name in
// a form file or a list would otherwise leave a field null or a check silently skipped.
#include <gtest/gtest.h>

#include <any>
#include <string>

#include "fixture/FormFixture.h"
#include "forms/base/BaseGeneHooks.h"
#include "platform/FormReader.h"
#include "platform/SysUtils.h"
#include "runtime/LibStrs.h"

using namespace znp;
using namespace znp::test;

namespace {

class StoredForms : public FormTest {};

// The handler names bound to the form among the event properties of Component.
void ExpectBoundHandlersExist(const TComponent& form, const TComponent& component) {
    for (const PropInfo* prop : component.ClassType().Properties()) {
        if (prop->Kind != TypeKind::Method || !prop->GetMethod || !prop->SetMethod) continue;
        const std::any value = prop->GetMethod(component);
        const auto* handler = std::any_cast<TNotifyEvent>(&value);
        if (!handler || !*handler || handler->Data() != &form) continue;
        EXPECT_NE(form.ClassType().FindMethod(handler->Code()), nullptr)
            << component.Name() << "." << prop->Name << " = " << handler->Code();
    }
}

void ExpectNamesResolve(const TComponent& form, const std::string& what, const std::string& list) {
    hooks::ForEachName(list, [&](const std::string& entry) {
        const std::string name = Trim(GetToken(entry, ";", 1));
        EXPECT_NE(const_cast<TComponent&>(form).FindComponent(name), nullptr) << what << ": " << name;
    });
}

TEST_F(StoredForms, EveryRegisteredFormResolvesItsFieldsHandlersAndNameLists) {
    int checked = 0;
    for (const std::string& className : RegisteredFormClasses()) {
        SCOPED_TRACE(className);
        const ClassInfo* cls = FindClass(className);
        ASSERT_NE(cls, nullptr) << "a form file without a registered class";
        if (!cls->CanCreate()) continue;
        TComponent* created = nullptr;
        ASSERT_NO_THROW(created = cls->Create(nullptr));
        for (const FieldInfo* field : cls->Fields())
            EXPECT_NE(field->Get(*created), nullptr) << "field " << field->Name << " (" << field->ClassName << ")";
        // Before set-up every handler is one the stored forms bound (set-up adds its own wrappers).
        ExpectBoundHandlersExist(*created, *created);
        for (TComponent* component : created->OwnedComponents()) ExpectBoundHandlersExist(*created, *component);
        auto* gene = dynamic_cast<TfrmBaseGene*>(created);
        if (gene) {
            Track(gene);
            gene->SetModulePath(kTestModulePath);
            gene->Manager = NewManager();
            gene->Setup(HostParams());
            ExpectNamesResolve(*gene, "DateFields", gene->DateFields);
            ExpectNamesResolve(*gene, "RequiredFields", gene->RequiredFields);
            for (size_t i = 0; i < gene->PageLastControls.size(); ++i)
                EXPECT_NE(gene->PageLastControls[i], nullptr) << "PageLastControls[" << i << "]";
        } else {
            TObject::Free(created);
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
