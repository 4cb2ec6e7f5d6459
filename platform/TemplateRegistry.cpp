#include "platform/TemplateRegistry.h"

namespace nuro {

void TemplateRegistry::Add(const DialogTemplate& tmpl)
{
    for (const DialogTemplate*& t : templates_) {
        if (t->id == tmpl.id) {
            t = &tmpl;
            return;
        }
    }
    templates_.push_back(&tmpl);
}

const DialogTemplate* TemplateRegistry::Find(int id) const
{
    for (const DialogTemplate* t : templates_)
        if (t->id == id)
            return t;
    return nullptr;
}

} // namespace nuro
