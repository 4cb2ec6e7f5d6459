// A list of dialog templates by id, filled explicitly by whoever needs them (the render tool).
#pragma once

#include "resources/DialogTemplate.h"

#include <vector>

namespace nuro {

class TemplateRegistry {
public:
    // A later template with the same id replaces the earlier one.
    void Add(const DialogTemplate& tmpl);
    const DialogTemplate* Find(int id) const;
    const std::vector<const DialogTemplate*>& All() const { return templates_; }

private:
    std::vector<const DialogTemplate*> templates_;
};

} // namespace nuro
